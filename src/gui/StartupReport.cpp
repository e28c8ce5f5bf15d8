#include "gui/StartupReport.h"

#include <QWidget>
#include <chrono>
#include <cstdio>

#include "gui/FirstPaint.h"

namespace busquery::gui {

void reportStartupWhenShown(QWidget& window) {
    bool isNumber = false;
    const long long launchNs =
        qEnvironmentVariable("BUSQUERY_REPORT_STARTUP").toLongLong(&isNumber);
    if (!isNumber) return;
    afterFirstPaint(window, [launchNs] {
        const long long now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                  std::chrono::system_clock::now().time_since_epoch())
                                  .count();
        std::fprintf(stderr, "busquery: window shown %.1f ms after launch\n",
                     static_cast<double>(now - launchNs) / 1e6);
    });
}

}  // namespace busquery::gui
