#include "gui/QtTranslations.h"

#include <QCoreApplication>
#include <QTranslator>

namespace busquery::gui {

bool installQtTranslations(QTranslator& translator, const QString& folder) {
    if (!translator.load(QStringLiteral("qtbase_zh_CN"), folder)) return false;
    return QCoreApplication::installTranslator(&translator);
}

}  // namespace busquery::gui
