#include "gui/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include "query/Query.h"
#include "query/QuerySession.h"

namespace busquery::gui {
namespace {

constexpr int kUsageError = 2;

std::filesystem::path pathOf(const QString& file) {
    return std::filesystem::path(file.toStdString());
}

// The texts of the command line, in the interface language when a translation is loaded.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(busquery::gui::CommandLine)
};

CommandLine endWith(int status, const QString& output) {
    return {{}, status, output};
}

Language desktopLanguage(const QStringList& uiLanguages) {
    std::vector<std::string> names;
    for (const QString& name : uiLanguages) names.push_back(name.toStdString());
    return interfaceLanguage(std::vector<std::string_view>(names.begin(), names.end()));
}

CommandLine openCity(std::filesystem::path file, Language language) {
    return {std::move(file), std::nullopt, {}, language};
}

// The name of the city a data file holds, when it names one. A file that cannot be read has
// none here: the window says what is wrong with it once it opens.
std::optional<std::string> cityOf(const std::filesystem::path& file) {
    try {
        QuerySession session(file);
        return session.query().cityName();
    } catch (...) {
        return std::nullopt;
    }
}

QString versionLine(const std::filesystem::path& file) {
    const QString version =
        QStringLiteral("busquery %1\n").arg(QCoreApplication::applicationVersion());
    const std::optional<std::string> city = cityOf(file);
    return city ? QString::fromStdString(*city) + QStringLiteral(" — ") + version : version;
}

}  // namespace

Language commandLineLanguage(const QStringList& arguments, const QStringList& uiLanguages) {
    // Only --lang matters here; every other option is read, and judged, by readCommandLine.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString value;
        if (arguments[i] == QStringLiteral("--lang") && i + 1 < arguments.size()) {
            value = arguments[i + 1];
        } else if (arguments[i].startsWith(QStringLiteral("--lang="))) {
            value = arguments[i].mid(7);
        } else {
            continue;
        }
        if (const std::optional<Language> named = languageNamed(value.toStdString())) {
            return *named;
        }
    }
    return desktopLanguage(uiLanguages);
}

CommandLine readCommandLine(const QStringList& arguments, const QString& environmentDb,
                            const QStringList& uiLanguages) {
    QCommandLineParser parser;
    parser.setApplicationDescription(Texts::tr("Velmorina 公交查询：线路、站点和换乘查询。"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption db(
        QStringLiteral("db"),
        Texts::tr("打开另一个城市的公交数据文件。不给出时用环境变量 BUSQUERY_DB "
                  "指定的文件，否则用程序旁或安装目录中的 busdata。"),
        QStringLiteral("FILE"));
    parser.addOption(db);
    const QCommandLineOption lang(
        QStringLiteral("lang"),
        Texts::tr("界面语言：zh（中文）或 en（英文）。不给出时用桌面的语言。"),
        QStringLiteral("zh|en"));
    parser.addOption(lang);

    const QString name = QStringLiteral("busquery: ");
    if (!parser.parse(arguments)) return endWith(kUsageError, name + parser.errorText() + '\n');
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        return endWith(0, parser.helpText());
    }
    if (parser.isSet(version)) {
        const QString file = parser.value(db);
        return endWith(0, versionLine(parser.isSet(db) && !file.isEmpty() ? pathOf(file)
                                      : !environmentDb.isEmpty()          ? pathOf(environmentDb)
                                                                 : QuerySession::defaultFile()));
    }
    if (!parser.positionalArguments().isEmpty()) {
        return endWith(kUsageError, name + Texts::tr("多余的参数：") +
                                        parser.positionalArguments().join(' ') + '\n');
    }
    Language language = desktopLanguage(uiLanguages);
    if (parser.isSet(lang)) {
        const std::optional<Language> named = languageNamed(parser.value(lang).toStdString());
        if (!named) {
            return endWith(kUsageError, name + Texts::tr("--lang 只能是 zh 或 en：") +
                                            parser.value(lang) + '\n');
        }
        language = *named;
    }
    if (parser.isSet(db)) {
        const QString file = parser.value(db);
        if (file.isEmpty()) return endWith(kUsageError, name + Texts::tr("--db 的文件名为空\n"));
        return openCity(pathOf(file), language);
    }
    if (!environmentDb.isEmpty()) return openCity(pathOf(environmentDb), language);
    return openCity(QuerySession::defaultFile(), language);
}

}  // namespace busquery::gui
