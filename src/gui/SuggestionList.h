#pragma once

#include <QListView>
#include <QStringListModel>
#include <string_view>
#include <vector>

namespace busquery::gui {

// A suggestion list (List1 to List3): plain lines in the order they were added, one selected
// at most. The lines live in a model, so thousands of them arrive in one step.
class SuggestionList : public QListView {
    Q_OBJECT

  public:
    explicit SuggestionList(QWidget* parent);

    void setLines(const std::vector<std::string_view>& lines);
    QStringList lines() const { return model_.stringList(); }
    // The selected line, or the empty text when none is selected.
    QString selectedLine() const;

  signals:
    // The selection moved to a line, by mouse or keyboard.
    void lineSelected();
    // A double-click, on the line its first click picked (empty when that click hit no line).
    void lineDoubleClicked(const QString& line);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QStringListModel model_;
    QString pressedLine_;
};

}  // namespace busquery::gui
