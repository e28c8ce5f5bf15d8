#include "gui/DepartureTimeControl.h"

#include <QHBoxLayout>

#include "query/JourneyClock.h"

namespace busquery::gui {

DepartureTimeControl::DepartureTimeControl(QWidget* parent) : QWidget(parent) {
    when->setObjectName("dtpWhen");
    now->setObjectName("cmdNow");
    kind->setObjectName("cboWhenKind");
    when->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm"));
    when->setCalendarPopup(true);
    now->setText(tr("现在"));
    kind->addItems({tr("出发"), tr("到达")});

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(when, 1);
    row->addWidget(now);
    row->addWidget(kind);

    connect(now, &QPushButton::clicked, this, &DepartureTimeControl::setNow);
    setNow();
}

void DepartureTimeControl::setNow() {
    when->setDateTime(QDateTime::currentDateTime());
}

RouteTime DepartureTimeControl::routeTime() const {
    const QDateTime chosen = when->dateTime();
    const QDate date = chosen.date();
    const QTime time = chosen.time();
    // The edit holds only dates that exist, so the day is always found.
    const auto day = dayOfDate(date.year(), static_cast<unsigned>(date.month()),
                               static_cast<unsigned>(date.day()));
    return RouteTime{day.value_or(0), static_cast<std::uint32_t>(time.hour() * 60 + time.minute()),
                     kind->currentIndex() == 1};
}

}  // namespace busquery::gui
