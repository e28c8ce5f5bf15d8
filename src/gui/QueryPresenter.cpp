#include "gui/QueryPresenter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocale>

#include "gui/BusyPointer.h"
#include "query/OutcomeMessage.h"

namespace busquery::gui {

void QueryPresenter::RunQuery() {
    view_.hideSuggestions();

    // A monotonic clock: a query that spans midnight or a clock change still takes its own time.
    QElapsedTimer clock;
    clock.start();
    std::optional<QString> problem;
    Answer answer;
    {
        // Busy while the query runs; a message box afterwards waits for the traveller, not for
        // the program, and shows the ordinary pointer.
        const BusyPointer busy;
        try {
            const std::optional<RouteTime> time = view_.routeTime();
            if (time) query_.showDeparturesOn(time->day);
            answer = query_.run(view_.queryInput(), view_.resultPane(), time);
        } catch (...) {
            problem = failureText(std::current_exception(), language_);
        }
    }
    if (problem) {
        view_.reportProblem(*problem);
        return;
    }
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    view_.showQueryTime(QLocale().toString(seconds, 'f', 3) +
                        QCoreApplication::translate("busquery::gui::QueryPresenter", "秒"));

    if (auto message = outcomeMessage(answer.outcome, language_)) {
        view_.notify(QString::fromStdString(*message), Notice::Outcome);
    }
}

}  // namespace busquery::gui
