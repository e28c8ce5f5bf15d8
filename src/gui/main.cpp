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
    busquery::ui::installQtTranslations(qtTexts);

    const busquery::app::CommandLine command = busquery::app::readCommandLine(
        QApplication::arguments(), qEnvironmentVariable("BUSQUERY_DB"));
    if (command.exitStatus) {
        std::FILE* stream = *command.exitStatus == 0 ? stdout : stderr;
        // Help or a version that did not reach its reader (a full disk, a closed pipe) is a
        // failure like a usage error.
        const bool written = std::fputs(command.output.toLocal8Bit().constData(), stream) >= 0 &&
                             std::fflush(stream) == 0;
        return written ? *command.exitStatus : 2;
    }

    busquery::app::Program program(command.dataFile, busquery::ui::showMessageBox);
    busquery::app::reportStartupWhenShown(program.window());
    program.start();
    return app.exec();
}
