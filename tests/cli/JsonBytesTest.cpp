#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/CliRun.h"
#include "support/TempDir.h"
#include "support/TestCity.h"

namespace busquery::cli {
namespace {

using test::CliRun;
using test::TempDir;
using test::TestCity;

// 东桥 and 西山 as a GBK-encoded database stores them, and what JSON makes of those bytes.
const std::string kGbkEast = "\xb6\xab\xc7\xc5";
const std::string kGbkWest = "\xce\xf7\xc9\xbd";
const std::string kReplaced = "\xef\xbf\xbd";

class JsonBytesTest : public ::testing::Test {
  protected:
    JsonBytesTest()
        : db_(TestCity{}
                  .line("12路上行", kGbkEast + ";" + kGbkWest + ";", "(6:00-22:00)")
                  .station(kGbkEast, "12路上行;")
                  .station(kGbkWest, "12路上行;")
                  .write(dir_ / "busdata")
                  .string()) {}

    CliRun run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--db", db_});
        return test::runCliWith(std::move(args));
    }

    TempDir dir_;
    std::string db_;
};

TEST_F(JsonBytesTest, TextWritesTheBytesAsStored) {
    CliRun text = run({"line", "12"});
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.out,
              "12路上行(6:00-22:00)\r\n途径站点：" + kGbkEast + ";" + kGbkWest + ";\r\n\r\n");
}

TEST_F(JsonBytesTest, JsonReplacesWhatIsNotUtf8) {
    CliRun json = run({"--format", "json", "line", "12"});
    EXPECT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(json.err, "");
    const auto answer = nlohmann::json::parse(json.out);  // throws on bytes that are not UTF-8
    // Each byte that starts no well-formed sequence becomes one U+FFFD; "\xc9\xbd" happens to
    // be a well-formed sequence (U+027D) and stays.
    const std::string east = kReplaced + kReplaced + kReplaced + kReplaced;
    const std::string west = kReplaced + kReplaced + "\xc9\xbd";
    EXPECT_EQ(answer["pieces"][4]["text"], east + ";" + west + ";");
    EXPECT_EQ(answer["lines"][0]["stations"], nlohmann::json({east, west}));
    EXPECT_EQ(answer["pieces"][0]["text"], "12路上行");  // UTF-8 stays as it is
}

TEST_F(JsonBytesTest, SuggestionsInJsonNeverFailOnBytes) {
    struct Case {
        std::string text;
        int status;
        std::string out;
    };
    const Case cases[] = {
        {"\xff", 1, "{\"text\":\"" + kReplaced + "\",\"items\":[]}\n"},
        {"东\xff", 1, "{\"text\":\"东" + kReplaced + "\",\"items\":[]}\n"},
    };
    for (const auto& c : cases) {
        CliRun result = run({"--format", "json", "suggest", c.text});
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(run({"suggest", c.text}).status, c.status);  // as text format answers
    }
}

}  // namespace
}  // namespace busquery::cli
