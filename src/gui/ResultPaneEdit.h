#pragma once

#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

#include "query/ResultPane.h"

namespace busquery::gui {

// The result pane d1: read-only rich text that takes the query's pieces, each in the colour
// and weight set last, at its end.
class ResultPaneEdit : public QTextEdit, public ResultPane {
    Q_OBJECT

  public:
    explicit ResultPaneEdit(QWidget* parent);

    void clear() override;
    void setColour(Rgb colour) override;
    void setBold(bool bold) override;
    void append(std::string_view text) override;

  private:
    QTextCharFormat format_;
};

}  // namespace busquery::gui
