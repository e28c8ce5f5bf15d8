#pragma once

class QWidget;

namespace busquery::gui {

// For measuring start-up: when BUSQUERY_REPORT_STARTUP holds the launch time in nanoseconds
// since the epoch (date +%s%N), the time from launch until the window has painted itself with
// its line list and data date is written to standard error. Without it nothing happens.
void reportStartupWhenShown(QWidget& window);

}  // namespace busquery::gui
