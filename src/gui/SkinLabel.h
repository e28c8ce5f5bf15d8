#pragma once

#include <QLabel>

namespace busquery::ui {

// A caption drawn in the skin's style: the skin's style sheet selects this class by name.
class SkinLabel : public QLabel {
    Q_OBJECT

  public:
    explicit SkinLabel(QWidget* parent) : QLabel(parent) { setFocusPolicy(Qt::NoFocus); }
};

}  // namespace busquery::ui
