#include "gui/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

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

}  // namespace

CommandLine readCommandLine(const QStringList& arguments, const QString& environmentDb) {
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

    const QString name = QStringLiteral("busquery: ");
    if (!parser.parse(arguments)) return endWith(kUsageError, name + parser.errorText() + '\n');
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        return endWith(0, parser.helpText());
    }
    if (parser.isSet(version)) {
        return endWith(0,
                       QStringLiteral("busquery %1\n").arg(QCoreApplication::applicationVersion()));
    }
    if (!parser.positionalArguments().isEmpty()) {
        return endWith(kUsageError, name + Texts::tr("多余的参数：") +
                                        parser.positionalArguments().join(' ') + '\n');
    }
    if (parser.isSet(db)) {
        const QString file = parser.value(db);
        if (file.isEmpty()) return endWith(kUsageError, name + Texts::tr("--db 的文件名为空\n"));
        return {pathOf(file), std::nullopt, {}};
    }
    if (!environmentDb.isEmpty()) return {pathOf(environmentDb), std::nullopt, {}};
    return {QuerySession::defaultFile(), std::nullopt, {}};
}

}  // namespace busquery::gui
