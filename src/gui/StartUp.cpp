#include "gui/StartUp.h"

#include "gui/FrmMain.h"
#include "gui/Notifier.h"
#include "gui/Skin.h"
#include "query/Query.h"

namespace busquery::gui {
namespace {

// The line list's own entries, before and after the lines of table no: the categories and the
// night lines, built once.
const QStringList& categories() {
    static const QStringList names = [] {
        QStringList list;
        for (const char* category : kLineCategories) list.append(QString::fromUtf8(category));
        return list;
    }();
    return names;
}

const QStringList& nightLines() {
    static const QStringList names = [] {
        QStringList list;
        for (int n = 1; n <= kNightLines; ++n) list.append(QStringLiteral("夜%1").arg(n));
        return list;
    }();
    return names;
}

}  // namespace

std::optional<QString> Form_Load(FrmMain& window, Query& query) {
    applySkin(window);
    window.loadBanner();

    QStringList lines = categories();
    std::optional<QString> problem;
    try {
        // The tables the queries need are read on their first need, after the window shows.
        const StartUpFacts facts = query.startUpFacts();
        for (const std::string& id : facts.lineIds) lines.append(QString::fromStdString(id));
        window.showDataDate(QString::fromStdString(facts.dataDate));
        window.offerDepartureTime(facts.timetable);
        // An imported city names itself; the sample city keeps the program's own texts.
        if (const std::optional<std::string> city = query.cityName()) {
            window.nameCity(QString::fromStdString(*city));
        }
    } catch (...) {
        problem = failureText(std::current_exception(), query.language());
    }
    lines.append(nightLines());
    window.setLineList(lines);
    return problem;
}

void pruneLineList(FrmMain& window, Query& query) {
    for (const QStringList* offers : {&categories(), &nightLines()}) {
        for (const QString& offer : *offers) {
            if (!query.findsLine(offer.toStdString())) window.removeFromLineList(offer);
        }
    }
}

}  // namespace busquery::gui
