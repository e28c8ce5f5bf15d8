#pragma once

#include <QLibraryInfo>
#include <QString>

class QTranslator;

namespace busquery::gui {

// Puts Qt's own texts into Chinese, as the rest of the window is: 确定 on a message box's
// button, 复制 and 全选 in a text's menu. They come from Qt's translations folder (Debian's
// qt6-translations-l10n); without them Qt's English stays and the program runs as before.
// The translator must outlive the application's use of it. Returns whether it was loaded.
bool installQtTranslations(QTranslator& translator, const QString& folder = QLibraryInfo::path(
                                                        QLibraryInfo::TranslationsPath));

}  // namespace busquery::gui
