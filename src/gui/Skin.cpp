#include "gui/Skin.h"

#include <QWidget>

namespace busquery::gui {
namespace {

// Controls are small (a line box is 21 pixels high), so padding stays small and borders thin.
const char kSkin[] = R"(
QWidget#frmMain {
    background: #f3f5f8;
}
busquery--ui--SkinLabel {
    color: #3a4658;
    background: transparent;
}
busquery--ui--SkinLabel#stl1, busquery--ui--SkinLabel#stl2, busquery--ui--SkinLabel#stl3 {
    color: #1f5fbf;
}
busquery--ui--SkinLabel#protime, busquery--ui--SkinLabel#SkinLabel2 {
    color: #7a8596;
}
QLineEdit, QComboBox {
    background: #ffffff;
    color: #1d2430;
    border: 1px solid #c3cbd7;
    border-radius: 3px;
    padding: 0px 4px;
    selection-background-color: #cfe0fa;
    selection-color: #10243f;
}
QLineEdit:focus, QComboBox:focus {
    border-color: #3b78d8;
}
QLineEdit#Text2 {
    lineedit-password-character: 42;
}
QComboBox QAbstractItemView {
    background: #ffffff;
    border: 1px solid #c3cbd7;
    selection-background-color: #dbe8fb;
    selection-color: #10243f;
    outline: 0;
}
QPushButton#Command1 {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4a88e4, stop:1 #2f6bc9);
    color: #ffffff;
    border: 1px solid #2a5fb3;
    border-radius: 3px;
    padding: 0px;
}
QPushButton#Command1:hover {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #5a95ea, stop:1 #3a77d4);
}
QPushButton#Command1:pressed {
    background: #2a5fb3;
}
QPushButton#Command1:focus {
    border-color: #163e7d;
}
QTextEdit#d1, QListView {
    background: #ffffff;
    border: 1px solid #c3cbd7;
    border-radius: 3px;
}
QTextEdit#d1:focus, QListView:focus {
    border-color: #3b78d8;
}
QListView {
    color: #1d2430;
    outline: 0;
}
QListView::item {
    padding: 1px 4px;
}
QListView::item:hover {
    background: #eef4fd;
}
QListView::item:selected {
    background: #cfe0fa;
    color: #10243f;
}
QTextBrowser#WebBrowser1 {
    background: #e9eef5;
    border: 1px solid #d5dce6;
    border-radius: 3px;
}
QScrollBar:vertical {
    background: transparent;
    width: 10px;
    margin: 2px;
}
QScrollBar::handle:vertical {
    background: #c5cdd8;
    border-radius: 3px;
    min-height: 24px;
}
QScrollBar::handle:vertical:hover {
    background: #a9b4c3;
}
QScrollBar:horizontal {
    background: transparent;
    height: 10px;
    margin: 2px;
}
QScrollBar::handle:horizontal {
    background: #c5cdd8;
    border-radius: 3px;
    min-width: 24px;
}
QScrollBar::add-line, QScrollBar::sub-line, QScrollBar::add-page, QScrollBar::sub-page {
    background: none;
    border: none;
    width: 0px;
    height: 0px;
}
QMessageBox {
    background: #f7f9fb;
}
)";

}  // namespace

void applySkin(QWidget& window) {
    window.setStyleSheet(QString::fromUtf8(kSkin));
}

}  // namespace busquery::gui
