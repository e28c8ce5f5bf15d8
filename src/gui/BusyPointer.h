#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace busquery::gui {

// The busy pointer over the whole program, also over the control just clicked, for as long as
// this lives: however the work ends, the pointer comes back.
class BusyPointer {
  public:
    BusyPointer() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace busquery::gui
