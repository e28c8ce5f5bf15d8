#include "gui/PictureButton.h"

#include <QPainter>
#include <QPainterPath>

namespace busquery::gui {
namespace {

const QColor kPlateTop(0xfd, 0xfe, 0xff);
const QColor kPlateBottom(0xe4, 0xeb, 0xf4);
const QColor kPlateHoverTop(0xf2, 0xf7, 0xff);
const QColor kPlateHoverBottom(0xd3, 0xe2, 0xf7);
const QColor kPlateBorder(0xb4, 0xc2, 0xd6);
const QColor kFocusBorder(0x3b, 0x78, 0xd8);
const QColor kWords(0x1f, 0x4e, 0x96);
const QColor kPlayTop(0xf4, 0xf5, 0xf7);
const QColor kPlayBottom(0xc9, 0xcd, 0xd4);
const QColor kPlayBorder(0x9a, 0xa1, 0xab);
const QColor kTriangle(0x33, 0x38, 0x40);

}  // namespace

PictureButton::PictureButton(Shape shape, QWidget* parent)
    : QAbstractButton(parent), shape_(shape) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (shape_ == Shape::Play) {
        paintPlay(painter);
    } else {
        paintPlate(painter);
    }
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
    QWidget::keyPressEvent(event);  // passed on unhandled: no key clicks a picture
}

void PictureButton::keyReleaseEvent(QKeyEvent* event) {
    QWidget::keyReleaseEvent(event);
}

void PictureButton::paintPlate(QPainter& painter) const {
    const bool lit = underMouse() || isDown();
    const QRectF plate = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(plate.topLeft(), plate.bottomLeft());
    fill.setColorAt(0, lit ? kPlateHoverTop : kPlateTop);
    fill.setColorAt(1, lit ? kPlateHoverBottom : kPlateBottom);
    painter.setPen(QPen(hasFocus() ? kFocusBorder : kPlateBorder, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(plate, 4, 4);

    painter.setPen(kWords);
    painter.setFont(font());
    painter.drawText(rect().translated(0, isDown() ? 1 : 0), Qt::AlignCenter, text());
}

void PictureButton::paintPlay(QPainter& painter) const {
    const bool lit = underMouse() || isDown();
    const qreal diameter = qMin(width(), height()) - 4.0;
    const QPointF centre = QRectF(rect()).center();
    const QRectF disc(centre.x() - diameter / 2, centre.y() - diameter / 2, diameter, diameter);
    QLinearGradient fill(disc.topLeft(), disc.bottomLeft());
    fill.setColorAt(0, lit ? kPlateHoverTop : kPlayTop);
    fill.setColorAt(1, lit ? kPlateHoverBottom : kPlayBottom);
    painter.setPen(QPen(hasFocus() ? kFocusBorder : kPlayBorder, 1.2));
    painter.setBrush(fill);
    painter.drawEllipse(disc);

    // The triangle's centroid sits on the disc's centre, so it looks centred.
    const qreal side = diameter * 0.42;
    const QPointF tip = centre + QPointF(side * 2 / 3, isDown() ? 1 : 0);
    QPainterPath triangle;
    triangle.moveTo(tip);
    triangle.lineTo(tip + QPointF(-side, -side * 0.58));
    triangle.lineTo(tip + QPointF(-side, side * 0.58));
    triangle.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(kTriangle);
    painter.drawPath(triangle);
}

}  // namespace busquery::gui
