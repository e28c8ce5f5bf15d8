#include <QApplication>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>
#include <cstdio>
#include <optional>

#include "gui/CommandLine.h"
#include "gui/InterfaceTranslation.h"
#include "gui/Program.h"
#include "gui/QtTranslations.h"
#include "gui/StartupReport.h"

namespace {

// Prints help, the version or a usage error and returns the program's status. Output that did
// not reach its reader (a full disk, a closed pipe) is a failure like a usage error.
int end(const busquery::gui::CommandLine& command) {
    std::FILE* stream = *command.exitStatus == 0 ? stdout : stderr;
    const bool written = std::fputs(command.output.toLocal8Bit().constData(), stream) >= 0 &&
                         std::fflush(stream) == 0;
    return written ? *command.exitStatus : 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationVersion(QStringLiteral(BUSQUERY_VERSION));
    std::optional<busquery::gui::CommandLine> command;
    {
        // The options are read before Qt needs a display, so --help and --version answer on a
        // console without one, in the interface language: Qt's own words of the help are Qt's
        // Chinese translation in Chinese and Qt's English in English.
        const QCoreApplication reader(argc, argv);
        const QStringList desktop = QLocale::system().uiLanguages();
        QTranslator qtTexts;
        QTranslator optionTexts;
        if (busquery::gui::commandLineLanguage(QCoreApplication::arguments(), desktop) ==
            busquery::Language::Chinese) {
            busquery::gui::installQtTranslations(qtTexts);
        } else {
            busquery::gui::installInterfaceTranslation(optionTexts, busquery::Language::English);
        }
        command = busquery::gui::readCommandLine(QCoreApplication::arguments(),
                                                 qEnvironmentVariable("BUSQUERY_DB"), desktop);
        if (command->exitStatus) return end(*command);
    }

    QApplication app(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral("example.velmorina.busquery"));
    QApplication::setStyle(QStyleFactory::create("Fusion"));  // the same look on every desktop
    QTranslator qtTexts;
    QTranslator windowTexts;
    const busquery::Language language = command->language;
    if (language == busquery::Language::Chinese) {
        busquery::gui::installQtTranslations(qtTexts);
    } else if (!busquery::gui::installInterfaceTranslation(windowTexts, language)) {
        std::fputs("busquery: the English texts (busquery_en.qm) are missing\n", stderr);
    }

    busquery::gui::Program program(command->dataFile, busquery::gui::showMessageBox,
                                   QString::fromLatin1(busquery::kSiteAddress), language);
    busquery::gui::reportStartupWhenShown(program.window());
    program.start();
    return app.exec();
}
