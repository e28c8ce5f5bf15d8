#include <QApplication>
#include <QStyleFactory>
#include <QTranslator>

#include "gui/Program.h"
#include "gui/QtTranslations.h"
#include "gui/StartupReport.h"
#include "store/ProgramFolder.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));  // the same look on every desktop
    QTranslator qtTexts;
    busquery::ui::installQtTranslations(qtTexts);

    busquery::app::Program program(busquery::defaultDataFile(), busquery::ui::showMessageBox);
    busquery::app::reportStartupWhenShown(program.window());
    program.start();
    return app.exec();
}
