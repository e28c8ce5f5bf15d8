#pragma once

#include <QComboBox>
#include <QDateTimeEdit>
#include <QPushButton>
#include <QWidget>

#include "query/TimedRoute.h"

namespace busquery::gui {

// When a route search travels: a date and time, a "现在" button that sets the present, and
// a choice between leaving then (出发) and arriving by then (到达). It opens at the present.
class DepartureTimeControl : public QWidget {
    Q_OBJECT

  public:
    explicit DepartureTimeControl(QWidget* parent);

    // The chosen time as the route search reads it, to the minute.
    RouteTime routeTime() const;
    void setNow();

    QDateTimeEdit* const when = new QDateTimeEdit(this);
    QPushButton* const now = new QPushButton(this);
    QComboBox* const kind = new QComboBox(this);
};

}  // namespace busquery::gui
