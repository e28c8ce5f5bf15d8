#pragma once

#include <QString>
#include <QStringList>

#include "query/Language.h"

class QTranslator;

namespace busquery::gui {

// Where the window's translations lie: translations/ beside the program (the build), then the
// install's data folder.
QStringList interfaceTranslationFolders();

// Puts the window's own texts into the interface language from its .qm file in the first
// folder that holds it (busquery_en.qm: English is the one translation). Chinese is the texts' own
// language and needs none. The translator must outlive the application's use of it. Returns whether
// the texts are in the language.
bool installInterfaceTranslation(QTranslator& translator, Language language,
                                 const QStringList& folders = interfaceTranslationFolders());

}  // namespace busquery::gui
