#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <stdexcept>
#include <streambuf>

#include "cli/CliApp.h"
#include "cli/CliRun.h"
#include "support/TempDir.h"
#include "support/TestCity.h"

namespace busquery::cli {
namespace {

using test::CliRun;
using test::TempDir;
using test::TestCity;
using ::testing::HasSubstr;
using ::testing::StartsWith;

// Each output line parsed as JSON; parsing fails on text that is not UTF-8.
std::vector<nlohmann::json> answerLines(const std::string& out) {
    std::istringstream lines(out);
    std::vector<nlohmann::json> answers;
    for (std::string line; std::getline(lines, line);) {
        answers.push_back(nlohmann::json::parse(line));
    }
    return answers;
}

class BatchCommandTest : public ::testing::Test {
  protected:
    BatchCommandTest()
        : db_(TestCity{}
                  .line("12路上行", "甲;乙;", "(6:00-22:00)")
                  .station("甲", "12路上行;")
                  .station("乙", "12路上行;")
                  .write(dir_ / "busdata")
                  .string()) {}

    TempDir dir_;
    std::string db_;
};

TEST_F(BatchCommandTest, EveryLineGetsOneAnswerAndTheBatchGoesOn) {
    struct Case {
        std::string line;
        std::string error;  // a part of the error text; empty when the line is answered
    };
    const Case cases[] = {
        {"{\"line\": \"12\"}", ""},
        {"东", "东"},                                      // not JSON, not ASCII
        {"东\xb6", "东\xef\xbf\xbd"},                      // not JSON, not UTF-8
        {"{\"station\": \"\xb6\xab\xc7\xc5\"}", "UTF-8"},  // a text that is not UTF-8
        {"\xff{\"line\": \"12\"}", "UTF-8"},
        {"{\"line\": \"12\"", "JSON"},
        {"[\"12\"]", "JSON 对象"},
        {"{\"line\": 5}", "“line” 必须是文本"},
        {"{\"suggest\": \"甲\", \"line\": \"1\"}", "“suggest” 不能与 “line” 同时使用"},
        {"{\"line\": \"12\"}\r", ""},
        {" \t", ""},  // a blank line is an empty request
        {"{\"station\": \"甲乙\"}", ""},
    };
    std::string input;
    for (const auto& c : cases) input += c.line + "\n";
    CliRun run = test::runCliWith({"--db", db_, "batch"}, input);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "");

    const auto answers = answerLines(run.out);
    ASSERT_EQ(answers.size(), std::size(cases)) << run.out;
    for (std::size_t i = 0; i < answers.size(); ++i) {
        const Case& c = cases[i];
        if (c.error.empty()) {
            EXPECT_FALSE(answers[i].contains("error")) << i << ": " << answers[i];
            continue;
        }
        ASSERT_EQ(answers[i].size(), 1u) << i << ": " << answers[i];
        EXPECT_THAT(answers[i]["error"].get<std::string>(), HasSubstr(c.error)) << i;
    }
    EXPECT_EQ(answers[0]["outcome"], 3);
    EXPECT_EQ(answers[9], answers[0]);
    EXPECT_EQ(answers[10]["outcome"], 0);
    EXPECT_EQ(answers[10]["message"], "输入信息为空");
    EXPECT_EQ(answers[11]["outcome"], 5);
}

TEST_F(BatchCommandTest, AnErrorQuotesTheWholeRequestEscapedAndTheReason) {
    std::string east40;
    for (int i = 0; i < 40; ++i) east40 += "东";
    struct Case {
        std::string line;
        std::string error;
    };
    const Case cases[] = {
        {"a" + east40, "无法读取请求 “a" + east40 + "”：不是有效的 JSON"},
        {std::string("{\"line\":\"1\0\"}", 13),
         "无法读取请求 “{\"line\":\"1\\u0000\"}”：不是有效的 JSON"},
        {"{\"line\":\"\x1b[2J\"}", "无法读取请求 “{\"line\":\"\\u001b[2J\"}”：不是有效的 JSON"},
        {"a\xFF\xC2\x9B", "无法读取请求 “a\uFFFD\\u009b”：第 2 个字节不是 UTF-8 文本"},
    };
    for (const Case& c : cases) {
        CliRun run = test::runCliWith({"--db", db_, "batch"}, c.line + "\n");
        const auto answers = answerLines(run.out);
        ASSERT_EQ(answers.size(), 1u);
        EXPECT_THAT(answers[0]["error"].get<std::string>(), StartsWith(c.error));
    }
}

TEST_F(BatchCommandTest, ErrorTextsAreChineseNotTheLibrarys) {
    CliRun run = test::runCliWith({"--db", db_, "batch"}, "not json\n{\"line\": [1]}\n");
    for (const auto& answer : answerLines(run.out)) {
        const std::string error = answer.at("error");
        EXPECT_THAT(error, ::testing::StartsWith("无法读取请求"));
        EXPECT_THAT(error, ::testing::Not(HasSubstr("json.exception")));
    }
}

TEST_F(BatchCommandTest, ADatabaseThatCannotBeReadFailsEveryQueryLine) {
    const std::string missing = (dir_ / "missing").string();
    CliRun run = test::runCliWith({"--db", missing, "batch"},
                                  "{\"line\": \"12\"}\n{}\n{\"suggest\": \"甲\"}\n");
    EXPECT_EQ(run.status, 2);
    const auto answers = answerLines(run.out);
    ASSERT_EQ(answers.size(), 3u);
    EXPECT_THAT(answers[0]["error"].get<std::string>(), HasSubstr(missing));
    EXPECT_EQ(answers[1]["outcome"], 0);  // the input checks need no database
    EXPECT_EQ(answers[2]["error"], answers[0]["error"]);
}

// Standard input that gives its text, then fails as a device that cannot be read does.
class FailingInput : public std::streambuf {
  public:
    explicit FailingInput(std::string text) : text_(std::move(text)) {
        setg(text_.data(), text_.data(), text_.data() + text_.size());
    }

  protected:
    int_type underflow() override { throw std::runtime_error("read failed"); }

  private:
    std::string text_;
};

TEST_F(BatchCommandTest, InputThatCannotBeReadIsAFailure) {
    FailingInput failing("{\"line\": \"12\"}\n");
    std::istream in(&failing);
    std::ostringstream out, err;
    const char* argv[] = {"busquery-cli", "--db", db_.c_str(), "batch"};
    EXPECT_EQ(runCli(4, argv, in, out, err), 2);
    EXPECT_EQ(answerLines(out.str()).size(), 1u);
    EXPECT_EQ(err.str(), "busquery-cli: 无法读取标准输入\n");
}

}  // namespace
}  // namespace busquery::cli
