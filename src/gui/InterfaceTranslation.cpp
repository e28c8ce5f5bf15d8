#include "gui/InterfaceTranslation.h"

#include <QCoreApplication>
#include <QTranslator>

#include "query/QuerySession.h"

namespace busquery::gui {

QStringList interfaceTranslationFolders() {
    // The sample busdata lies beside the program in the build and in the install's data folder
    // once installed, as the translations do.
    const std::filesystem::path data = QuerySession::defaultFile().parent_path();
    return {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
            QString::fromStdString((data / "translations").string())};
}

bool installInterfaceTranslation(QTranslator& translator, Language language,
                                 const QStringList& folders) {
    if (language == Language::Chinese) return true;
    for (const QString& folder : folders) {
        if (translator.load(QStringLiteral("busquery_en"), folder)) {
            return QCoreApplication::installTranslator(&translator);
        }
    }
    return false;
}

}  // namespace busquery::gui
