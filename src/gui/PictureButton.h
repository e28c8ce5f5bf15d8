#pragma once

#include <QAbstractButton>

namespace busquery::gui {

// A link button drawn in place of an image: a soft rounded plate with its words, or, for the
// query picture, a round grey button with a dark triangle pointing right. A pointing hand
// over it. It takes the focus in its place of the tab order, but only a mouse click activates
// it: Space or Enter typed while it has the focus do nothing.
class PictureButton : public QAbstractButton {
    Q_OBJECT

  public:
    enum class Shape { Plate, Play };

    PictureButton(Shape shape, QWidget* parent);

    QSize sizeHint() const override { return size(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    void paintPlate(QPainter& painter) const;
    void paintPlay(QPainter& painter) const;

    Shape shape_;
};

}  // namespace busquery::gui
