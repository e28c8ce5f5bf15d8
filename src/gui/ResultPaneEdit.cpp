#include "gui/ResultPaneEdit.h"

#include <QScrollBar>

namespace busquery::gui {

ResultPaneEdit::ResultPaneEdit(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    setUndoRedoEnabled(false);  // an answer is replaced, never edited: no undo history to keep
    setAcceptRichText(false);
    clear();
}

void ResultPaneEdit::clear() {
    QTextEdit::clear();
    format_ = QTextCharFormat();
    setColour(colours::kBlack);
    setBold(false);
}

void ResultPaneEdit::setColour(Rgb colour) {
    format_.setForeground(QColor(colour.r, colour.g, colour.b));
}

void ResultPaneEdit::setBold(bool bold) {
    format_.setFontWeight(bold ? QFont::Bold : QFont::Normal);
}

void ResultPaneEdit::append(std::string_view text) {
    // The pane's line break is CR LF; the document breaks a line at either character alone.
    QString piece = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    piece.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertText(piece, format_);
}

}  // namespace busquery::gui
