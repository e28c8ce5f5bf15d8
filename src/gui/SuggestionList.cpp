#include "gui/SuggestionList.h"

#include <QMouseEvent>

namespace busquery::gui {

SuggestionList::SuggestionList(QWidget* parent) : QListView(parent) {
    setModel(&model_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);  // lays out tens of thousands of lines without measuring each
    setLayoutMode(QListView::SinglePass);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (selectionModel()->hasSelection()) emit lineSelected();
    });
}

void SuggestionList::setLines(const std::vector<std::string_view>& lines) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(lines.size()));
    for (std::string_view line : lines) {
        texts.append(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
    }
    model_.setStringList(texts);
}

QString SuggestionList::selectedLine() const {
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? QString() : selected.front().data().toString();
}

void SuggestionList::mousePressEvent(QMouseEvent* event) {
    // Taken before the press picks the line: picking a line without a road part rebuilds the
    // list, and another line then lies under the pointer.
    pressedLine_ = indexAt(event->position().toPoint()).data().toString();
    QListView::mousePressEvent(event);
}

void SuggestionList::mouseDoubleClickEvent(QMouseEvent* event) {
    // The double-click stands for its second press, which must not pick what now lies under
    // the pointer: the line is the one the first click picked.
    if (event->button() == Qt::LeftButton) emit lineDoubleClicked(pressedLine_);
}

}  // namespace busquery::gui
