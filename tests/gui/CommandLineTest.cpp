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

}  // namespace
}  // namespace busquery::test
