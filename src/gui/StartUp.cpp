#include "gui/StartUp.h"

#include "gui/FrmMain.h"
#include "gui/Notifier.h"
#include "gui/Skin.h"
#include "network/BusData.h"
#include "query/LineLookup.h"
#include "query/Query.h"
#include "store/City.h"

#include <QComboBox>
#include <QSet>

namespace busquery::app {

std::optional<QString> Form_Load(ui::FrmMain& window, Query& query) {
    ui::applySkin(window);
    window.WebBrowser1->navigate(window.links.banner());

    QStringList lines;
    for (const char* category : kLineCategories) lines.append(QString::fromUtf8(category));

    std::optional<QString> problem;
    try {
        // The tables the queries need are read on their first need, after the window shows.
        const StartUpFacts facts = query.startUpFacts();
        for (const std::string& id : facts.lineIds) lines.append(QString::fromStdString(id));
        window.Label13->setText(QString::fromStdString(facts.dataDate));
        window.offerDepartureTime(facts.timetable);
    } catch (const std::exception& failure) {
        problem = ui::failureText(failure);
    }

    for (int n = 1; n <= kNightLines; ++n) lines.append(QStringLiteral("夜%1").arg(n));
    window.txtQueryLnna->addItems(lines);
    window.txtQueryLnna->setCurrentIndex(-1);  // the list is filled, the box itself stays empty
    return problem;
}

void pruneLineList(ui::FrmMain& window, const NetworkIndex& index) {
    QSet<QString> offers;
    for (const char* category : kLineCategories) offers.insert(QString::fromUtf8(category));
    for (int n = 1; n <= kNightLines; ++n) offers.insert(QStringLiteral("夜%1").arg(n));
    QComboBox& box = *window.txtQueryLnna;
    for (int i = box.count() - 1; i >= 0; --i) {
        const QString item = box.itemText(i);
        if (offers.contains(item) && !lineLookupFinds(index, item.toStdString())) box.removeItem(i);
    }
}

}  // namespace busquery::app
