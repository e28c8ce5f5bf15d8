#include "gui/Program.h"

#include <QScreen>
#include <QTimer>

#include <cstdio>

#include "gui/FirstPaint.h"
#include "gui/StartUp.h"
#include "query/ErrorReport.h"
#include "query/Words.h"

namespace busquery::gui {

Program::Program(std::filesystem::path dataFile, Notifier notifier, const QString& site,
                 Language language)
    : session_(std::move(dataFile)),
      query_(session_.query()),
      window_(query_, std::move(notifier), site),
      command_(window_, query_, language) {
    query_.setLanguage(language);
    QObject::connect(&window_, &FrmMain::queryCommand, &window_, [this] { command_.RunQuery(); });
}

void Program::start() {
    const std::optional<QString> problem = Form_Load(window_, query_);

    const QRect screen = window_.screen()->availableGeometry();
    window_.move(screen.center() - window_.rect().center());
    window_.show();

    if (problem) {
        QTimer::singleShot(0, &window_, [this, text = *problem] { window_.reportProblem(text); });
        return;
    }
    // Load the lines and prune the line list while the traveller reads the window. A file
    // that breaks meanwhile is reported by the next query.
    afterFirstPaint(window_, [this] {
        try {
            pruneLineList(window_, query_);
        } catch (...) {
            // Nothing to show yet: the next keystroke or query that needs the data reports it
            // to the traveller. The log keeps the cause meanwhile.
            const Language language = query_.language();
            const ErrorReport report = reportError(std::current_exception(), language);
            std::fprintf(stderr, "busquery: %s\n", report.message.c_str());
            if (!report.detail.empty()) {
                std::fprintf(stderr, "busquery: %s\n",
                             tr(language, "Cli", "原因：%1", {report.detail}).c_str());
            }
        }
    });
}

}  // namespace busquery::gui
