#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "gui/Banner.h"
#include "gui/DepartureTimeControl.h"
#include "gui/EntryRules.h"
#include "gui/Notifier.h"
#include "gui/PictureButton.h"
#include "gui/QueryView.h"
#include "gui/ResultPaneEdit.h"
#include "gui/SkinLabel.h"
#include "gui/SuggestionList.h"
#include "gui/WebLinks.h"

namespace busquery {
class Query;
}

namespace busquery::gui {

// The main window frmMain: every control under its own name, placed in twips, and the
// handlers that keep the three kinds of query apart, suggest stations while the traveller
// types, and open the publisher's pages. The controls are its own: the query command reaches
// the window through QueryView, start-up through the few calls below, and tests find a control
// by its name. Starting a query is left to whoever listens to queryCommand.
class FrmMain : public QWidget, public QueryView {
    Q_OBJECT

  public:
    // Client area in twips.
    static constexpr int kClientWidth = 7920;
    static constexpr int kClientHeight = 7950;

    FrmMain(Query& query, Notifier notifier, const QString& site, QWidget* parent = nullptr);

    // QueryView
    QueryInput queryInput() const override;
    // The departure time control's while it is offered, else none.
    std::optional<RouteTime> routeTime() const override;
    void hideSuggestions() override;
    ResultPane& resultPane() override { return *d1; }
    void showQueryTime(const QString& text) override { protime->setText(text); }
    // Tells the traveller about a problem with the data or a query, always.
    void reportProblem(const QString& text) override;
    void notify(const QString& text, Notice kind) override;

    // The text of an entry box as the rules, the suggestions and the query read it: a station
    // box without the blanks at either end, which are no part of a station name; the box
    // itself keeps what was typed.
    QString entryText(EntryBox box) const;

    // Start-up: the banner from the publisher's site, the line list (the box itself stays
    // empty) and its pruning, the data date as read from the data, and the departure time control,
    // which shows only for data with a timetable; without one the window is as it always was.
    void loadBanner();
    // A city the data file names: the title and the banner name it ("Vilnius — busquery"); the
    // program's own city keeps its texts.
    void nameCity(const QString& city);
    void setLineList(const QStringList& lines);
    void removeFromLineList(const QString& line);
    void showDataDate(const QString& date);
    void offerDepartureTime(bool timetable);

    const WebLinks links;

  signals:
    // The traveller asked for a query: the button, the play picture, Enter, a double-click.
    void queryCommand();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Larger than its least size, the window gives the room to the result pane and the lists
    // over it; the controls below them move down with the window's bottom edge.
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Query entry area, top to bottom.
    SkinLabel* const SkinLabel5 = new SkinLabel(this);
    QLineEdit* const txtQueryFrom = new QLineEdit(this);
    SkinLabel* const SkinLabel6 = new SkinLabel(this);
    QLineEdit* const txtStnaFrom = new QLineEdit(this);
    SkinLabel* const SkinLabel7 = new SkinLabel(this);
    QLineEdit* const txtStnaTo = new QLineEdit(this);
    SkinLabel* const SkinLabel8 = new SkinLabel(this);
    QComboBox* const txtQueryLnna = lineBox(this);
    QPushButton* const Command1 = new QPushButton(this);
    PictureButton* const Picture7 = new PictureButton(PictureButton::Shape::Play, this);
    DepartureTimeControl* const ctlWhen = new DepartureTimeControl(this);
    SkinLabel* const stl1 = new SkinLabel(this);
    SkinLabel* const stl2 = new SkinLabel(this);
    SkinLabel* const stl3 = new SkinLabel(this);
    SkinLabel* const protime = new SkinLabel(this);

    // Result area: the lists lie on top of the pane.
    ResultPaneEdit* const d1 = new ResultPaneEdit(this);
    SuggestionList* const List1 = new SuggestionList(this);
    SuggestionList* const List2 = new SuggestionList(this);
    SuggestionList* const List3 = new SuggestionList(this);

    // Account and link area.
    SkinLabel* const Label6 = new SkinLabel(this);
    QLineEdit* const Text1 = new QLineEdit(this);
    SkinLabel* const SkinLabel1 = new SkinLabel(this);
    QLineEdit* const Text2 = new QLineEdit(this);
    PictureButton* const Picture2 = new PictureButton(PictureButton::Shape::Plate, this);
    PictureButton* const Picture3 = new PictureButton(PictureButton::Shape::Plate, this);
    PictureButton* const Picture4 = new PictureButton(PictureButton::Shape::Plate, this);
    PictureButton* const Picture5 = new PictureButton(PictureButton::Shape::Plate, this);

    // Footer and banner.
    SkinLabel* const SkinLabel2 = new SkinLabel(this);
    SkinLabel* const SkinLabel3 = new SkinLabel(this);
    SkinLabel* const SkinLabel4 = new SkinLabel(this);
    SkinLabel* const Label13 = new SkinLabel(this);
    Banner* const WebBrowser1 = new Banner(this);

    // The editable line box, made with its edit field at once: the field then follows the box
    // in the focus chain, where setting the tab order expects it.
    static QComboBox* lineBox(QWidget* parent);

    // A station box with its suggestion list and prompt label.
    struct Triple {
        EntryBox box;
        QLineEdit* text;
        SuggestionList* list;
        SkinLabel* label;
    };

    void placeControls();
    void placeForSize(QSize size);
    void setInitialContent();
    void describeControls();
    void setTabOrder();
    void connectHandlers();

    void txtQueryFrom_Change() { stationBoxChange(triples_[0]); }
    void txtStnaFrom_Change() { stationBoxChange(triples_[1]); }
    void txtStnaTo_Change() { stationBoxChange(triples_[2]); }
    void stationBoxChange(const Triple& triple);
    void stationBoxClick(const Triple& triple);
    void entryKeyPress(EntryBox box, int characterCode);
    // Shows the list and prompt of one station box, the others hidden; none: all hidden.
    void showSuggestions(const Triple* shown);
    void empty(EntryBox box);
    const Triple* tripleOf(const QObject* object) const;
    const Triple& tripleOf(EntryBox stationBox) const;
    // The entry box an event went to: the line box or a station box.
    std::optional<EntryBox> entryBoxOf(const QObject* object) const;

    // The clicked line goes into the box (again) before the list's own double-click action.
    void listDoubleClick(const Triple& triple, const QString& line);
    void Command1_Click() { emit queryCommand(); }
    void Picture7_Click() { emit queryCommand(); }
    void List1_DblClick() { emit queryCommand(); }
    // The origin is picked: the destination box is the one to fill next.
    void List2_DblClick() {
        List2->setVisible(false);
        txtStnaTo->setFocus(Qt::OtherFocusReason);
    }
    void List3_DblClick() { emit queryCommand(); }

    // In the traveller's browser; without one, a message names the address to copy.
    void openPage(const QUrl& page);
    void Picture2_Click();
    void Picture3_Click();
    void Picture4_Click();
    void Picture5_Click();

    Query& query_;  // the suggestions
    Notifier notifier_;
    QString lastProblem_;  // a failing suggestion search says so once, not on every keystroke
    const std::array<Triple, 3> triples_;
    std::vector<std::pair<QWidget*, QRect>> places_;  // each control's place at the least size
};

}  // namespace busquery::gui
