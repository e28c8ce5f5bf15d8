#include "gui/FirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace busquery::gui {
namespace {

class FirstPaintWatcher : public QObject {
  public:
    FirstPaintWatcher(QWidget& window, std::function<void()> action)
        : QObject(&window), action_(std::move(action)) {
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // The children paint in the same pass, after the window; the action waits for them.
            QTimer::singleShot(0, this, [this] {
                action_();
                deleteLater();
            });
        }
        return false;
    }

  private:
    std::function<void()> action_;
};

}  // namespace

void afterFirstPaint(QWidget& window, std::function<void()> action) {
    new FirstPaintWatcher(window, std::move(action));
}

}  // namespace busquery::gui
