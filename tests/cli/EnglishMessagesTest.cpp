#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/CliRun.h"
#include "support/TempDir.h"
#include "support/TestCity.h"

namespace busquery::cli {
namespace {

// Each kind of message the CLI says, in English under --lang en, and in Chinese as before.
TEST(EnglishMessagesTest, FailuresAndReportsAreSaidInTheInterfaceLanguage) {
    test::TempDir dir;
    const std::string db = test::TestCity{}
                               .line("12路上行", "东桥;西山;", "(6:00-22:00)")
                               .station("东桥", "12路上行;")
                               .write(dir / "busdata")
                               .string();
    const std::string missing = (dir / "none").string();
    const std::string folder = dir.path().string();
    struct Case {
        const char* kind;
        std::vector<std::string> args;
        std::string input;
        std::string english;  // standard error, else standard output
        std::string chinese;
    };
    const Case cases[] = {
        {"a data file that is not there",
         {"--db", missing, "line", "12"},
         "",
         "busquery-cli: Cannot find the data file “" + missing + "”\n",
         "busquery-cli: 数据文件 “" + missing + "” 不存在\n"},
        {"a folder for a data file",
         {"--db", folder, "line", "12"},
         "",
         "busquery-cli: Cannot use the data file “" + folder +
             "”: it is a folder, not a data file\n",
         "busquery-cli: 数据文件 “" + folder + "” 是一个文件夹，不是数据文件\n"},
        {"a time that cannot be read",
         {"--db", db, "route", "东桥", "西山", "--at", "8 Uhr"},
         "",
         "busquery-cli: --at: cannot read the time “8 Uhr”: write “2026-01-08 08:00”, “08:00” "
         "or “now” (see busquery-cli --help)\n",
         "busquery-cli: --at: 无法读取时间“8 Uhr”：应为 “2026-01-08 08:00”、“08:00” 或 “now”"
         "（用法见 busquery-cli --help）\n"},
        {"a seed that is no number",
         {"sample", (dir / "city").string(), "--seed", "x"},
         "",
         "busquery-cli: --seed: the seed must be a whole number from 0 to 18446744073709551615: x"
         " (see busquery-cli --help)\n",
         "busquery-cli: --seed: 种子须是 0 到 18446744073709551615 之间的整数：x（用法见 "
         "busquery-cli --help）\n"},
        {"a batch line that is not JSON",
         {"--db", db, "batch"},
         "{\"line\": \n",
         "{\"error\":\"Cannot read the request “{\\\"line\\\": ”: not valid JSON (at byte "
         "10)\"}\n",
         "{\"error\":\"无法读取请求 “{\\\"line\\\": ”：不是有效的 JSON（第 10 个字节处）\"}\n"},
        {"a batch line asking two things",
         {"--db", db, "batch"},
         "{\"suggest\": \"东\", \"line\": \"1\"}\n",
         "{\"error\":\"Cannot read the request: “suggest” cannot be used with “line”\"}\n",
         "{\"error\":\"无法读取请求：“suggest” 不能与 “line” 同时使用\"}\n"},
        {"a batch time that cannot be read",
         {"--db", db, "batch"},
         "{\"from\": \"东桥\", \"to\": \"西山\", \"at\": \"soon\"}\n",
         "{\"error\":\"Cannot read the request: cannot read the time “soon”; write “2026-01-08 "
         "08:00”, “08:00” or “now”\"}\n",
         "{\"error\":\"无法读取请求：无法读取时间“soon”，应为 “2026-01-08 08:00”、“08:00” 或 "
         "“now”\"}\n"},
        {"a feed without its stops",
         {"import-gtfs", folder, (dir / "out").string()},
         "",
         "busquery-cli: The GTFS data “" + folder + "” lacks the required file stops.txt\n",
         "busquery-cli: GTFS 数据 “" + folder + "” 缺少必需的文件 stops.txt\n"},
        {"a feed that is no zip archive",
         {"import-gtfs", db, (dir / "out").string()},
         "",
         "busquery-cli: Cannot open the archive “" + db + "”: not a zip archive\n",
         "busquery-cli: 无法打开压缩包 “" + db + "”：不是 zip 压缩包\n"},
        {"the cause of a failure",
         {"--verbose", "--db", missing, "line", "12"},
         "",
         "busquery-cli: Cannot find the data file “" + missing +
             "”\nbusquery-cli: cause: No such file or directory (errno 2)\n",
         "busquery-cli: 数据文件 “" + missing +
             "” 不存在\nbusquery-cli: 原因：No such file or directory (errno 2)\n"},
    };
    for (const Case& c : cases) {
        for (const bool english : {true, false}) {
            SCOPED_TRACE(std::string(c.kind) + (english ? " en" : " zh"));
            std::vector<std::string> args = {"--lang", english ? "en" : "zh"};
            args.insert(args.end(), c.args.begin(), c.args.end());
            const test::CliRun run = test::runCliWith(args, c.input);
            EXPECT_EQ(run.err.empty() ? run.out : run.err, english ? c.english : c.chinese);
        }
    }
}

TEST(EnglishMessagesTest, TheSampleCitysSummaryIsInTheInterfaceLanguage) {
    test::TempDir dir;
    const std::string out = (dir / "city").string();
    const test::CliRun run = test::runCliWith({"--lang", "en", "sample", out});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Sample city written to “" + out +
                           "”: 1692 stations, 446 lines (each direction counted)\n");
}

}  // namespace
}  // namespace busquery::cli
