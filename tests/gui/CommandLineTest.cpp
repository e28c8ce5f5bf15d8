#include "gui/CommandLine.h"

#include <gtest/gtest.h>

#include "query/QuerySession.h"

namespace busquery::test {
namespace {

// The city the window opens: --db beats BUSQUERY_DB, which beats the busdata the program finds.
TEST(CommandLineTest, DbOptionThenEnvironmentThenTheProgramsOwnBusdata) {
    struct Case {
        QStringList arguments;
        QString environment;
        std::filesystem::path opened;
    };
    const Case cases[] = {
        {{"busquery"}, "", QuerySession::defaultFile()},
        {{"busquery"}, "/cities/north", "/cities/north"},
        {{"busquery", "--db", "/cities/south"}, "/cities/north", "/cities/south"},
        {{"busquery", "--db=/城市/南"}, "", "/城市/南"},
        {{"busquery", "--db", "relative/busdata"}, "", "relative/busdata"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const gui::CommandLine command = gui::readCommandLine(c.arguments, c.environment);
        EXPECT_FALSE(command.exitStatus.has_value());
        EXPECT_EQ(command.dataFile, c.opened);
    }
}

TEST(CommandLineTest, HelpVersionAndUsageErrorsEndTheProgram) {
    struct Case {
        QStringList arguments;
        int status;
        QString said;  // part of the output
    };
    const Case cases[] = {
        {{"busquery", "--help"}, 0, "BUSQUERY_DB"},
        {{"busquery", "--help-all"}, 0, "--db"},
        {{"busquery", "--version"}, 0, "busquery"},
        {{"busquery", "--db", ""}, 2, "busquery: --db 的文件名为空"},
        {{"busquery", "--db"}, 2, "busquery: "},
        {{"busquery", "--city", "x"}, 2, "city"},
        {{"busquery", "busdata"}, 2, "busquery: 多余的参数：busdata"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const gui::CommandLine command = gui::readCommandLine(c.arguments, "/cities/north");
        ASSERT_TRUE(command.exitStatus.has_value());
        EXPECT_EQ(*command.exitStatus, c.status);
        EXPECT_TRUE(command.output.contains(c.said)) << command.output.toStdString();
        EXPECT_TRUE(command.output.endsWith('\n'));
    }
}

// --lang beats the desktop's languages, whose first spoken one beats Chinese.
TEST(CommandLineTest, LangOptionThenTheDesktopsLanguageThenChinese) {
    struct Case {
        QStringList arguments;
        QStringList desktop;
        Language language;
    };
    const Case cases[] = {
        {{"busquery"}, {}, Language::Chinese},
        {{"busquery"}, {"de-DE", "fr"}, Language::Chinese},
        {{"busquery"}, {"en-GB", "zh-CN"}, Language::English},
        {{"busquery"}, {"de-DE", "zh-Hans-CN", "en"}, Language::Chinese},
        {{"busquery", "--lang", "en"}, {"zh-CN"}, Language::English},
        {{"busquery", "--lang=zh", "--db", "/cities/south"}, {"en-US"}, Language::Chinese},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const gui::CommandLine command = gui::readCommandLine(c.arguments, "", c.desktop);
        EXPECT_FALSE(command.exitStatus.has_value());
        EXPECT_EQ(command.language, c.language);
    }
}

TEST(CommandLineTest, ALanguageWithoutATranslationIsAUsageError) {
    for (const char* value : {"de", "", "EN-x"}) {
        SCOPED_TRACE(value);
        const gui::CommandLine command =
            gui::readCommandLine({"busquery", "--lang", value}, "", {"en"});
        ASSERT_TRUE(command.exitStatus.has_value());
        EXPECT_EQ(*command.exitStatus, 2);
        EXPECT_TRUE(command.output.startsWith("busquery: --lang ")) << command.output.toStdString();
    }
}

}  // namespace
}  // namespace busquery::test
