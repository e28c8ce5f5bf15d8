#pragma once

#include <functional>

class QWidget;

namespace busquery::gui {

// Runs action once, after the window has first painted itself and everything in it: work that
// can wait (measuring, warming caches) never delays what the traveller sees first.
void afterFirstPaint(QWidget& window, std::function<void()> action);

}  // namespace busquery::gui
