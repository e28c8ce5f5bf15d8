#pragma once

#include <QFont>
#include <QLabel>

namespace busquery::gui {

// A caption drawn in the skin's style: the skin's style sheet selects this class by name.
// Captions are 8.25 pt and regular, in the window's font families.
class SkinLabel : public QLabel {
    Q_OBJECT

  public:
    static constexpr qreal kPointSize = 8.25;

    explicit SkinLabel(QWidget* parent) : QLabel(parent) {
        setFocusPolicy(Qt::NoFocus);
        QFont caption;  // only size and weight are set: the family comes from the window
        caption.setPointSizeF(kPointSize);
        caption.setWeight(QFont::Normal);
        setFont(caption);
    }
};

}  // namespace busquery::gui
