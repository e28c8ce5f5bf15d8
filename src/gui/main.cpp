#include <QApplication>
#include <QStyleFactory>
#include <QTranslator>
#include <cstdio>

#include "gui/CommandLine.h"
#include "gui/Program.h"
#include "gui/QtTranslations.h"
#include "gui/StartupReport.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(BUSQUERY_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("example.velmorina.busquery"));
    QApplication::setStyle(QStyleFactory::create("Fusion"));  // the same look on every desktop
    QTranslator qtTexts;
    busquery::gui::installQtTranslations(qtTexts);

    const busquery::gui::CommandLine command = busquery::gui::readCommandLine(
        QApplication::arguments(), qEnvironmentVariable("BUSQUERY_DB"));
    if (command.exitStatus) {
        std::FILE* stream = *command.exitStatus == 0 ? stdout : stderr;
        // Help or a version that did not reach its reader (a full disk, a closed pipe) is a
        // failure like a usage error.
        const bool written = std::fputs(command.output.toLocal8Bit().constData(), stream) >= 0 &&
                             std::fflush(stream) == 0;
        return written ? *command.exitStatus : 2;
    }

    busquery::gui::Program program(command.dataFile, busquery::gui::showMessageBox);
    busquery::gui::reportStartupWhenShown(program.window());
    program.start();
    return app.exec();
}
