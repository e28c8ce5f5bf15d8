#include "gui/QueryCommand.h"

#include <QElapsedTimer>
#include <QLocale>
#include <optional>

#include "gui/BusyPointer.h"
#include "gui/FrmMain.h"
#include "query/OutcomeMessage.h"

namespace busquery::app {

QueryInput QueryCommand::input() const {
    const auto text = [this](EntryBox box) { return window_.entryText(box).toStdString(); };
    return {text(EntryBox::txtQueryLnna), text(EntryBox::txtQueryFrom), text(EntryBox::txtStnaFrom),
            text(EntryBox::txtStnaTo), window_.pickedStationLine().toStdString()};
}

void QueryCommand::RunQuery() {
    ui::FrmMain& w = window_;
    w.stl1->setVisible(false);
    w.stl2->setVisible(false);
    w.stl3->setVisible(false);
    w.List1->setVisible(false);
    w.List2->setVisible(false);
    w.List3->setVisible(false);

    // A monotonic clock: a query that spans midnight or a clock change still takes its own time.
    QElapsedTimer clock;
    clock.start();
    std::optional<QString> problem;
    Answer answer;
    {
        // Busy while the query runs; a message box afterwards waits for the traveller, not for
        // the program, and shows the ordinary pointer.
        const ui::BusyPointer busy;
        try {
            const std::optional<RouteTime> time = w.routeTime();
            if (time) query_.showDeparturesOn(time->day);
            answer = query_.run(input(), *w.d1, time);
        } catch (const std::exception& failure) {
            problem = ui::failureText(failure);
        }
    }
    if (problem) {
        w.reportProblem(*problem);
        return;
    }
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    w.protime->setText(QLocale().toString(seconds, 'f', 3) + QStringLiteral("秒"));

    if (auto message = outcomeMessage(answer.outcome)) {
        w.notify(QString::fromStdString(*message), ui::Notice::Outcome);
    }
}

}  // namespace busquery::app
