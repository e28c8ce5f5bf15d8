#include <QAbstractItemView>
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <optional>

#include "WindowTest.h"
#include "gui/EntryRules.h"

namespace busquery::test {
namespace {

using enum gui::EntryBox;

class EntryHandlersTest : public WindowTest {
  public:
    struct Fields {
        QString line, station, from, to;
        bool operator==(const Fields&) const = default;
        friend void PrintTo(const Fields& f, std::ostream* os) {
            *os << '{' << f.line.toStdString() << '|' << f.station.toStdString() << '|'
                << f.from.toStdString() << '|' << f.to.toStdString() << '}';
        }
    };

  protected:
    void SetUp() override { start(smallCity()); }

    QWidget* widget(gui::EntryBox box) {
        QWidget* const boxes[] = {w().txtQueryLnna, w().txtQueryFrom, w().txtStnaFrom,
                                  w().txtStnaTo};
        return boxes[static_cast<int>(box)];
    }

    Fields fields() {
        return {w().txtQueryLnna->currentText(), w().txtQueryFrom->text(), w().txtStnaFrom->text(),
                w().txtStnaTo->text()};
    }

    void fill(const Fields& f) {
        w().txtQueryLnna->setEditText(f.line);
        w().txtQueryFrom->setText(f.station);
        w().txtStnaFrom->setText(f.from);
        w().txtStnaTo->setText(f.to);
        w().d1->append("旧的答案");
    }

    // Which label and list are shown: 1 to 3, 0 for none.
    int shownSuggestions() {
        const QWidget* labels[] = {w().stl1, w().stl2, w().stl3};
        const QWidget* lists[] = {w().List1, w().List2, w().List3};
        int shown = 0;
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(labels[i]->isVisible(), lists[i]->isVisible())
                << "label and list go together";
            if (lists[i]->isVisible()) {
                EXPECT_EQ(shown, 0) << "at most one list";
                shown = i + 1;
            }
        }
        return shown;
    }

    static void sendKey(QWidget* box, Qt::Key key, Qt::KeyboardModifiers modifiers,
                        const QString& text) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(box, &release);
    }

    static void clickLine(gui::SuggestionList* list, int row) {
        const QRect place = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
    }
};

const EntryHandlersTest::Fields kFilled{"12", "东桥", "西山", "南门"};

// Every row of the table of clicks and key presses: what is emptied, what the pane keeps.
TEST_F(EntryHandlersTest, ClicksAndKeyPressesEmptyTheOtherKindsOfQuery) {
    enum class Action { Click, Character, InputMethod, Arrow, Tab, Delete, Backspace, Control };
    struct Case {
        const char* what;
        Action action;
        gui::EntryBox box;
        Fields after;
        bool paneEmptied;
    };
    const Case cases[] = {
        {"click station box", Action::Click, txtQueryFrom, {"", "东桥", "", ""}, true},
        {"click origin", Action::Click, txtStnaFrom, {"", "", "西山", "南门"}, true},
        {"click destination", Action::Click, txtStnaTo, {"", "", "西山", "南门"}, true},
        {"type in line box", Action::Character, txtQueryLnna, {"12x", "", "", ""}, false},
        {"type in origin", Action::Character, txtStnaFrom, {"", "", "西山x", "南门"}, false},
        {"type in destination", Action::Character, txtStnaTo, {"", "", "西山", "南门x"}, false},
        {"type in station box",
         Action::Character,
         txtQueryFrom,
         {"12", "东桥x", "西山", "南门"},
         false},
        {"input method in line box",
         Action::InputMethod,
         txtQueryLnna,
         {"12东", "", "", ""},
         false},
        {"input method in destination",
         Action::InputMethod,
         txtStnaTo,
         {"", "", "西山", "南门东"},
         false},
        {"arrow in origin", Action::Arrow, txtStnaFrom, kFilled, false},
        {"tab out of origin", Action::Tab, txtStnaFrom, kFilled, false},
        {"tab out of line box", Action::Tab, txtQueryLnna, kFilled, false},
        {"arrow in destination", Action::Arrow, txtStnaTo, kFilled, false},
        {"delete in origin", Action::Delete, txtStnaFrom, kFilled, false},
        {"delete in destination", Action::Delete, txtStnaTo, kFilled, false},
        {"delete in line box", Action::Delete, txtQueryLnna, kFilled, false},
        {"ctrl+c in origin", Action::Control, txtStnaFrom, kFilled, false},
        {"backspace in origin", Action::Backspace, txtStnaFrom, {"", "", "西", "南门"}, false},
        {"backspace in line box", Action::Backspace, txtQueryLnna, {"1", "", "", ""}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fill(kFilled);
        QWidget* box = widget(c.box);
        box->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(box)) edit->end(false);
        switch (c.action) {
            case Action::Click:
                click(box);
                break;
            case Action::Character:
                type(box, "x");
                break;
            case Action::InputMethod: {
                QInputMethodEvent composed(QString(), {});
                composed.setCommitString("东");
                QApplication::sendEvent(box, &composed);
                break;
            }
            case Action::Arrow:
                QTest::keyClick(box, Qt::Key_Left);
                break;
            case Action::Tab:
                QTest::keyClick(box, Qt::Key_Tab);
                break;
            // The texts X11 delivers with these keys.
            case Action::Delete:
                sendKey(box, Qt::Key_Delete, Qt::NoModifier, "\x7f");
                break;
            case Action::Backspace:
                sendKey(box, Qt::Key_Backspace, Qt::NoModifier, "\b");
                break;
            case Action::Control:
                sendKey(box, Qt::Key_C, Qt::ControlModifier, "\x03");
                break;
        }
        EXPECT_EQ(fields(), c.after);
        EXPECT_EQ(w().d1->toPlainText().isEmpty(), c.paneEmptied);
    }
}

TEST_F(EntryHandlersTest, PickingFromTheLineDropDownEmptiesNothing) {
    fill({"", "东桥", "西山", "南门"});
    QComboBox* box = w().txtQueryLnna;
    box->showPopup();
    QAbstractItemView* view = box->view();
    const QRect item = view->visualRect(view->model()->index(1, 0));
    const QString picked = box->itemText(1);
    ASSERT_FALSE(picked.isEmpty());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_EQ(fields(), (Fields{picked, "东桥", "西山", "南门"}));
}

TEST_F(EntryHandlersTest, EnterStartsTheQueryWhereTheRulesSay) {
    struct Case {
        gui::EntryBox box;
        Fields before;
        bool runs;
        Fields after;
    };
    const Case cases[] = {
        {txtQueryLnna, {"12", "东桥", "西山", "南门"}, true, {"12", "", "", ""}},
        {txtStnaFrom, {"12", "东桥", "", "南门"}, false, {"", "", "", "南门"}},
        {txtStnaFrom, {"12", "东桥", "西山", ""}, true, {"", "", "西山", ""}},
        {txtStnaTo, {"12", "东桥", "西山", ""}, true, {"", "", "西山", ""}},
        {txtQueryFrom, {"12", "东桥", "西山", "南门"}, false, {"12", "东桥", "西山", "南门"}},
    };
    QSignalSpy queries(&window(), &gui::FrmMain::queryCommand);
    for (const auto& c : cases) {
        fill(c.before);
        queries.clear();
        told_.clear();
        widget(c.box)->setFocus();
        pressEnter(widget(c.box));
        EXPECT_EQ(queries.size(), c.runs ? 1 : 0) << c.before.line.toStdString();
        EXPECT_EQ(fields(), c.after);
    }
}

TEST_F(EntryHandlersTest, ClickIntoAStationBoxBringsBackItsSuggestions) {
    // A box that shows only its prompt is empty: clicking it shows nothing, as does a box
    // holding blanks alone.
    click(w().txtStnaTo);
    EXPECT_EQ(shownSuggestions(), 0);
    w().txtQueryFrom->setText("  ");
    click(w().txtQueryFrom);
    EXPECT_EQ(shownSuggestions(), 0);
    type(w().txtStnaTo, "南");
    w().txtQueryFrom->setText("");
    click(w().txtQueryFrom);
    EXPECT_EQ(shownSuggestions(), 3) << "an empty box changes no visibility";

    // After a query hid them, the earlier suggestions come back unchanged.
    w().txtStnaFrom->setText("");
    type(w().txtStnaFrom, "南");
    const QStringList earlier = w().List2->lines();
    ASSERT_FALSE(earlier.isEmpty());
    click(w().Command1);
    EXPECT_EQ(shownSuggestions(), 0);
    click(w().txtStnaFrom);
    EXPECT_EQ(shownSuggestions(), 2);
    EXPECT_EQ(w().List2->lines(), earlier);
}

TEST_F(EntryHandlersTest, TypingSuggestsStationsByNameRoadAndLandmark) {
    struct Case {
        QString typed;
        QString boxAfter;
        int shown;  // which list is shown afterwards; 0 none
        QStringList lines;
    };
    const Case cases[] = {
        {"东", "东", 3, {"东桥[东桥路]{东桥公园}", "东桥[滨河路]"}},
        {"东[", "东[", 3, {"东桥[东桥路]{东桥公园}", "东桥[滨河路]"}},  // "[": no search
        {"寺", "寺", 3, {"西山{西山寺}"}},
        {"大街", "大街", 3, {"南门[南门大街]"}},
        {"%", "", 0, {}},  // nothing left to search: the list keeps what it had
        {"南%门", "南门", 3, {"南门[南门大街]"}},
        {"无此", "无此", 3, {}},  // the list shows, empty
        // Blanks at either end are no part of the name; the box keeps them.
        {" 东桥 ", " 东桥 ", 3, {"东桥[东桥路]{东桥公园}", "东桥[滨河路]"}},
        {"\u3000南门 ", "\u3000南门 ", 3, {"南门[南门大街]"}},
        {"  ", "  ", 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        click(w().Command1);  // hides every list
        w().txtStnaTo->setText("");
        type(w().txtStnaTo, c.typed);
        EXPECT_EQ(w().txtStnaTo->text(), c.boxAfter);
        EXPECT_EQ(shownSuggestions(), c.shown);
        if (c.shown != 0) {
            EXPECT_EQ(w().List3->lines(), c.lines);
        }
    }
}

TEST_F(EntryHandlersTest, PercentWriteBackNotifiesOnlyWhenTheTextChanged) {
    w().txtQueryFrom->setText("");
    QSignalSpy changes(w().txtQueryFrom, &QLineEdit::textChanged);
    type(w().txtQueryFrom, "东桥");
    EXPECT_EQ(changes.size(), 2) << "one notification a keystroke, none for the unchanged text";
    type(w().txtQueryFrom, "%");
    EXPECT_EQ(changes.size(), 4) << "东桥% and the cleaned 东桥";
    EXPECT_EQ(w().txtQueryFrom->text(), "东桥");

    // The caret stays where the traveller typed.
    w().txtQueryFrom->setCursorPosition(1);
    type(w().txtQueryFrom, "%");
    EXPECT_EQ(w().txtQueryFrom->text(), "东桥");
    EXPECT_EQ(w().txtQueryFrom->cursorPosition(), 1);
}

TEST_F(EntryHandlersTest, PickingALineCopiesItWhole) {
    w().txtStnaFrom->setText("");
    type(w().txtStnaFrom, "东");
    ASSERT_EQ(w().List2->lines().size(), 2);

    // A line with a road part stays selected in the unchanged list.
    clickLine(w().List2, 1);
    EXPECT_EQ(w().txtStnaFrom->text(), "东桥[滨河路]");
    EXPECT_EQ(w().List2->lines().size(), 2);
    EXPECT_EQ(w().List2->selectedLine(), "东桥[滨河路]");

    // Arrow keys copy each newly selected line.
    QTest::keyClick(w().List2, Qt::Key_Up);
    EXPECT_EQ(w().txtStnaFrom->text(), "东桥[东桥路]{东桥公园}");

    // A line without one is searched for as a whole: the list is rebuilt from that search and
    // nothing is selected. Braces are part of the text searched for.
    struct Case {
        QString typed;
        QString picked;
        QStringList rebuilt;
    };
    const Case cases[] = {
        {"北", "北站", {"北站"}},
        {"寺", "西山{西山寺}", {}},
    };
    for (const auto& c : cases) {
        w().txtStnaTo->setText("");
        type(w().txtStnaTo, c.typed);
        ASSERT_EQ(w().List3->lines(), QStringList{c.picked});
        clickLine(w().List3, 0);
        EXPECT_EQ(w().txtStnaTo->text(), c.picked);
        EXPECT_EQ(w().List3->lines(), c.rebuilt);
        EXPECT_EQ(w().List3->selectedLine(), "");
        EXPECT_TRUE(w().List3->isVisible());
    }
}

// Picking an origin hides its list and leaves the keyboard in the destination box, which the
// traveller fills next.
TEST_F(EntryHandlersTest, DoubleClicksRunTheQueryOrHideTheOriginList) {
    QSignalSpy queries(&window(), &gui::FrmMain::queryCommand);
    struct Case {
        QLineEdit* box;
        gui::SuggestionList* list;
        bool runs;
    };
    const Case cases[] = {
        {w().txtQueryFrom, w().List1, true},
        {w().txtStnaFrom, w().List2, false},
        {w().txtStnaTo, w().List3, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list->objectName().toStdString());
        c.box->setText("");
        type(c.box, "东");
        queries.clear();
        const QRect line = c.list->visualRect(c.list->model()->index(0, 0));
        doubleClick(c.list->viewport(), line.center());
        EXPECT_EQ(c.box->text(), "东桥[东桥路]{东桥公园}") << "picked by the first click";
        EXPECT_EQ(queries.size(), c.runs ? 1 : 0);
        if (!c.runs) {
            EXPECT_FALSE(c.list->isVisible());
            EXPECT_EQ(QApplication::focusWidget(), w().txtStnaTo);
        }
    }
}

// Four suggestions for 甲, one of them without a road part: picking 甲乙 rebuilds the list
// from a search for 甲乙, so another line then lies under the pointer.
class DoubleClickTest : public EntryHandlersTest {
  protected:
    void SetUp() override {
        TestCity city;
        city.line("1路", "丁站;甲乙;甲安;甲乙丙;甲乙丁;", "(6:00-22:00)")
            .station("甲安", "1路;", "路甲")
            .station("甲乙", "1路;")
            .station("甲乙丙", "1路;", "路乙")
            .station("甲乙丁", "1路;", "路丙")
            .station("丁站", "1路;");
        start(city);
    }
};

TEST_F(DoubleClickTest, ActsOnTheLineThatWasClicked) {
    const QStringList forJia{"甲安[路甲]", "甲乙", "甲乙丙[路乙]", "甲乙丁[路丙]"};
    QSignalSpy queries(&window(), &gui::FrmMain::queryCommand);
    struct Case {
        QLineEdit* box;
        gui::SuggestionList* list;
        int row;
        bool runs;
    };
    const Case cases[] = {
        {w().txtQueryFrom, w().List1, 1, true}, {w().txtQueryFrom, w().List1, 2, true},
        {w().txtStnaFrom, w().List2, 1, false}, {w().txtStnaFrom, w().List2, 0, false},
        {w().txtStnaTo, w().List3, 1, true},    {w().txtStnaTo, w().List3, 3, true},
    };
    for (const auto& c : cases) {
        const QString clicked = forJia[c.row];
        SCOPED_TRACE(c.list->objectName().toStdString() + " " + clicked.toStdString());
        fill({"", "", c.box == w().txtStnaTo ? "丁站" : "", ""});
        c.box->setText("");
        type(c.box, "甲");
        ASSERT_EQ(c.list->lines(), forJia);
        queries.clear();
        told_.clear();
        const QRect line = c.list->visualRect(c.list->model()->index(c.row, 0));
        doubleClick(c.list->viewport(), line.center());
        EXPECT_EQ(c.box->text(), clicked);
        EXPECT_EQ(queries.size(), c.runs ? 1 : 0);
        // The query reads the boxes: it looked up the clicked line.
        if (c.list == w().List1) {
            const QString station = clicked.section('[', 0, 0);
            EXPECT_TRUE(w().d1->toPlainText().startsWith(station + ":"))
                << w().d1->toPlainText().toStdString();
            EXPECT_EQ(state().strQueryFrom, clicked.toStdString());
        }
        if (c.list == w().List3) {
            EXPECT_EQ(state().strStnaTo, clicked.toStdString());
        }
        if (c.list == w().List2) {
            EXPECT_FALSE(c.list->isVisible());
        }
    }
}

}  // namespace
}  // namespace busquery::test
