#include "gui/CommandLine.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include "gui/InterfaceTranslation.h"
#include "query/QuerySession.h"
#include "support/TempDir.h"
#include "support/TestCity.h"

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

// --lang is read before anything else, so that help can be put into the language.
TEST(CommandLineTest, TheLanguageIsKnownBeforeTheOtherOptionsAreRead) {
    struct Case {
        QStringList arguments;
        QStringList desktop;
        Language language;
    };
    const Case cases[] = {
        {{"busquery", "--help"}, {"en-GB"}, Language::English},
        {{"busquery", "--help", "--lang", "en"}, {"zh-CN"}, Language::English},
        {{"busquery", "--lang=zh", "--version"}, {"en"}, Language::Chinese},
        {{"busquery", "--lang", "fr", "--help"}, {"en"}, Language::English},
        {{"busquery", "--unknown", "--lang"}, {}, Language::Chinese},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_EQ(gui::commandLineLanguage(c.arguments, c.desktop), c.language);
    }
}

// With the English translation installed, help and usage errors are English.
TEST(CommandLineTest, HelpAndUsageErrorsSpeakTheInstalledLanguage) {
    QTranslator english;
    ASSERT_TRUE(gui::installInterfaceTranslation(english, Language::English));
    struct Case {
        QStringList arguments;
        QString said;
    };
    const Case cases[] = {
        {{"busquery", "--lang", "en", "--help"},
         "Interface language: zh (Chinese) or en (English)"},
        {{"busquery", "--lang", "en", "--db", ""}, "busquery: --db names no file\n"},
        {{"busquery", "--lang", "en", "busdata"}, "busquery: unexpected arguments: busdata\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const gui::CommandLine command = gui::readCommandLine(c.arguments, "");
        EXPECT_TRUE(command.output.contains(c.said)) << command.output.toStdString();
    }
    QCoreApplication::removeTranslator(&english);
}

// The version line names the city of the file the window would open; a file without a name,
// or one that cannot be read, keeps the program's own line.
TEST(CommandLineTest, TheVersionNamesTheCityOfTheDataFile) {
    TempDir dir;
    BusDataRows rows;
    rows.date = "2024-05-01";
    rows.lines.push_back(
        {.lnid = 1, .citycode = "", .lnna = "1路", .fltime = "", .passstna = "东桥;西山;"});
    const auto unnamed = writeRows(dir / "unnamed", rows);
    rows.city = CityRow{"vilnius", "Vilnius", "lt"};
    const auto named = writeRows(dir / "named", rows);
    const QString version = QCoreApplication::applicationVersion();
    struct Case {
        QStringList arguments;
        QString environment;
        QString said;
    };
    const Case cases[] = {
        {{"busquery", "--version", "--db", QString::fromStdString(named.string())},
         "",
         "Vilnius — busquery " + version + "\n"},
        {{"busquery", "--version"},
         QString::fromStdString(named.string()),
         "Vilnius — busquery " + version + "\n"},
        {{"busquery", "--version", "--db", QString::fromStdString(unnamed.string())},
         "",
         "busquery " + version + "\n"},
        {{"busquery", "--version", "--db", QString::fromStdString((dir / "none").string())},
         "",
         "busquery " + version + "\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const gui::CommandLine command = gui::readCommandLine(c.arguments, c.environment);
        ASSERT_TRUE(command.exitStatus.has_value());
        EXPECT_EQ(*command.exitStatus, 0);
        EXPECT_EQ(command.output, c.said);
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
