#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <optional>
#include <string>

#include "cli/CliRun.h"
#include "support/TempDir.h"
#include "support/TestCity.h"

namespace busquery::cli {
namespace {

const char* const kLocaleVariables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};

// Every test of this program answers in Chinese whatever the machine's locale, unless it sets
// the locale itself: the program's own language is what the other tests compare with.
class ChineseLocale : public ::testing::Environment {
  public:
    void SetUp() override {
        for (const char* name : kLocaleVariables) unsetenv(name);
        setenv("LC_ALL", "C.UTF-8", 1);
    }
};
const auto* const kChineseLocale = ::testing::AddGlobalTestEnvironment(new ChineseLocale);

// The locale variables as a test sets them, and as they were again afterwards.
class LocaleScope {
  public:
    explicit LocaleScope(const std::vector<std::pair<const char*, const char*>>& values) {
        for (const char* name : kLocaleVariables) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
            unsetenv(name);
        }
        for (const auto& [name, value] : values) setenv(name, value, 1);
    }
    ~LocaleScope() {
        for (const auto& [name, value] : saved_) {
            if (value) {
                setenv(name, value->c_str(), 1);
            } else {
                unsetenv(name);
            }
        }
    }

  private:
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

class LanguageTest : public ::testing::Test {
  protected:
    LanguageTest()
        : db_(test::TestCity{}
                  .line("12路上行", "东桥;西山;", "(6:00-22:00)")
                  .station("东桥", "12路上行;")
                  .station("西山", "12路上行;")
                  .write(dir_ / "busdata")
                  .string()) {}

    test::TempDir dir_;
    std::string db_;
};

TEST_F(LanguageTest, LangOverridesTheLocaleWhichElseChoosesWhenItIsSpoken) {
    struct Case {
        std::vector<std::pair<const char*, const char*>> locale;
        std::vector<std::string> lang;
        const char* expected;
    };
    const Case cases[] = {
        {{}, {}, "无此线路资料\n"},
        {{{"LANG", "en_GB.UTF-8"}}, {}, "No such line\n"},
        {{{"LANG", "de_DE.UTF-8"}}, {}, "无此线路资料\n"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "fr:en"}}, {}, "No such line\n"},
        {{{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "zh_CN.UTF-8"}}, {}, "无此线路资料\n"},
        {{{"LANG", "zh_CN.UTF-8"}, {"LC_ALL", "en_US.UTF-8"}}, {}, "No such line\n"},
        // LANGUAGE is read only where a locale other than C is set, as gettext does.
        {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "en"}}, {}, "无此线路资料\n"},
        {{{"LANG", "en_GB.UTF-8"}}, {"--lang", "zh"}, "无此线路资料\n"},
        {{}, {"--lang", "en"}, "No such line\n"},
    };
    for (const Case& c : cases) {
        LocaleScope scope(c.locale);
        std::vector<std::string> args = c.lang;
        for (const char* arg : {"--db", db_.c_str(), "line", "9"}) args.emplace_back(arg);
        const test::CliRun run = test::runCliWith(args);
        EXPECT_EQ(run.status, 1) << run.err;
        EXPECT_EQ(run.out, c.expected) << testing::PrintToString(c.lang);
    }
}

TEST_F(LanguageTest, EnglishLinesAreFoundAndShownByTheirEnglishNames) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"line", "Bus 12"},
         "Bus 12 towards 西山 (Xishan) (6:00-22:00)\r\nStops: 东桥 (Dongqiao);西山 "
         "(Xishan);\r\n\r\n"},
        {{"line", "12"},
         "Bus 12 towards 西山 (Xishan) (6:00-22:00)\r\nStops: 东桥 (Dongqiao);西山 "
         "(Xishan);\r\n\r\n"},
        {{"station", "东桥"}, "东桥 (Dongqiao):Bus 12 towards 西山 (Xishan)\n"},
    };
    for (const auto& [args, expected] : cases) {
        std::vector<std::string> all = {"--lang", "en", "--db", db_};
        all.insert(all.end(), args.begin(), args.end());
        EXPECT_EQ(test::runCliWith(all).out, expected) << args[1];
    }
}

TEST_F(LanguageTest, EnglishAnswersKeepTheJsonKeysAndAnUnknownLanguageIsAUsageError) {
    const auto zh = nlohmann::ordered_json::parse(
        test::runCliWith({"--db", db_, "--format", "json", "route", "东桥", "西山"}).out);
    const auto en = nlohmann::ordered_json::parse(
        test::runCliWith({"--lang", "en", "--db", db_, "--format", "json", "route", "东桥", "西山"})
            .out);
    std::vector<std::string> zhKeys;
    std::vector<std::string> enKeys;
    for (const auto& item : zh.items()) zhKeys.push_back(item.key());
    for (const auto& item : en.items()) enKeys.push_back(item.key());
    EXPECT_EQ(enKeys, zhKeys);
    EXPECT_EQ(en["direct"], zh["direct"]);  // the answer as data is the same
    EXPECT_EQ(en["pieces"][0]["text"], "Bus 12 stops at: ");

    const test::CliRun french = test::runCliWith({"--lang", "fr", "--db", db_, "line", "9"});
    EXPECT_EQ(french.status, 2);
    EXPECT_NE(french.err.find("--lang"), std::string::npos) << french.err;
}

}  // namespace
}  // namespace busquery::cli
