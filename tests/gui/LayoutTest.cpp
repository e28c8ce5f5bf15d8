#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTextBrowser>

#include "WindowTest.h"

namespace busquery::test {
namespace {

class LayoutTest : public WindowTest {
  protected:
    void SetUp() override {
        start(TestCity{});
        if (window().logicalDpiX() != 96) GTEST_SKIP() << "places are checked at 96 dpi";
    }

    QWidget* control(const char* name) { return window().findChild<QWidget*>(name); }
};

QString textOf(const QWidget* control) {
    if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->text();
    if (auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentText();
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
    if (qobject_cast<const QTextBrowser*>(control)) return {};
    if (auto* rich = qobject_cast<const QTextEdit*>(control)) return rich->toPlainText();
    return {};
}

// The window as it opens: every control under its name, of its kind, at its place (twips at
// 15 a pixel), with its caption or text, shown or hidden.
TEST_F(LayoutTest, EveryControlAtItsPlaceWithItsCaption) {
    struct Row {
        const char* name;
        const char* kind;
        int left, top, width, height;
        QString text;
        bool visible;
    };
    const Row rows[] = {
        {"SkinLabel5", "busquery::gui::SkinLabel", 120, 120, 735, 255, "单站点：", true},
        {"txtQueryFrom", "QLineEdit", 960, 120, 4500, 315, "", true},
        {"SkinLabel6", "busquery::gui::SkinLabel", 120, 480, 735, 255, "起始站：", true},
        {"txtStnaFrom", "QLineEdit", 960, 480, 4500, 315, "", true},
        {"SkinLabel7", "busquery::gui::SkinLabel", 120, 840, 735, 255, "到达站：", true},
        {"txtStnaTo", "QLineEdit", 960, 840, 4500, 315, "", true},
        {"SkinLabel8", "busquery::gui::SkinLabel", 5760, 120, 615, 255, "线路：", true},
        {"txtQueryLnna", "QComboBox", 5760, 360, 1995, 300, "", true},
        {"Command1", "QPushButton", 5760, 840, 1335, 255, "查 询", true},
        {"Picture7", "busquery::gui::PictureButton", 4560, 1080, 810, 600, "", true},
        {"stl1", "busquery::gui::SkinLabel", 120, 1320, 1575, 255, "请选择确认站点：", false},
        {"stl2", "busquery::gui::SkinLabel", 120, 1320, 1575, 375, "请选择起始站点：", false},
        {"stl3", "busquery::gui::SkinLabel", 120, 1320, 1455, 375, "请选择到达站点：", false},
        {"protime", "busquery::gui::SkinLabel", 5880, 1320, 615, 255, "", false},
        {"d1", "busquery::gui::ResultPaneEdit", 120, 1680, 7695, 3255, "", true},
        {"List1", "busquery::gui::SuggestionList", 120, 1680, 7695, 3270, "", false},
        {"List2", "busquery::gui::SuggestionList", 120, 1680, 7695, 3270, "", false},
        {"List3", "busquery::gui::SuggestionList", 120, 1680, 7695, 3270, "", false},
        {"Label6", "busquery::gui::SkinLabel", 480, 5040, 735, 255, "用户名：", true},
        {"Text1", "QLineEdit", 1320, 5040, 1215, 270, "", true},
        {"SkinLabel1", "busquery::gui::SkinLabel", 2520, 5040, 615, 255, "密码：", true},
        {"Text2", "QLineEdit", 3240, 5040, 1335, 270, "", true},
        {"Picture2", "busquery::gui::PictureButton", 4680, 5040, 1005, 330, "免费注册", true},
        {"Picture3", "busquery::gui::PictureButton", 5760, 5040, 1020, 330, "马上升级", true},
        {"Picture4", "busquery::gui::PictureButton", 480, 5400, 1260, 420, "访问官方网站", true},
        {"Picture5", "busquery::gui::PictureButton", 1920, 5400, 2340, 420,
         "去论坛指正数据中的错误", true},
        {"SkinLabel3", "busquery::gui::SkinLabel", 480, 6240, 1695, 255, "程序版本：2009.1.14",
         true},
        {"SkinLabel4", "busquery::gui::SkinLabel", 2160, 6240, 975, 255, "数据版本：", true},
        {"Label13", "busquery::gui::SkinLabel", 3120, 6240, 975, 255, "2009.1.6", true},
        {"WebBrowser1", "busquery::gui::Banner", 240, 6480, 7455, 1215, "", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QWidget* c = control(row.name);
        ASSERT_NE(c, nullptr);
        EXPECT_STREQ(c->metaObject()->className(), row.kind);
        EXPECT_EQ(c->geometry(),
                  QRect(row.left / 15, row.top / 15, row.width / 15, row.height / 15));
        EXPECT_EQ(textOf(c), row.text);
        EXPECT_EQ(c->isVisible(), row.visible);
    }
    const QString credit = qobject_cast<QLabel*>(control("SkinLabel2"))->text();
    EXPECT_TRUE(credit.endsWith("数据仅供参考，如有变动，请以车站公布数据为准。"));
    EXPECT_EQ(control("SkinLabel2")->geometry(), QRect(32, 392, 441, 17));
}

// Enlarged, the window gives all the room to the result pane and the lists over it; the
// controls above keep their places and those below move down with the bottom edge. It never
// gets smaller than it opens, and the window manager may maximise it.
TEST_F(LayoutTest, EnlargedWindowGrowsTheResultPaneOnly) {
    const QSize least = window().size();
    std::vector<std::pair<QWidget*, QRect>> before;
    for (QWidget* child : window().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        before.emplace_back(child, child->geometry());
    }
    EXPECT_EQ(window().minimumSize(), least);
    EXPECT_LT(least.width(), window().maximumWidth());
    EXPECT_TRUE(window().windowFlags() & Qt::WindowMaximizeButtonHint);

    window().resize(least + QSize(200, 300));
    const QSet<QString> growing{"d1", "List1", "List2", "List3"};
    const QSet<QString> below{"Label6",     "Text1",    "SkinLabel1", "Text2",      "Picture2",
                              "Picture3",   "Picture4", "Picture5",   "SkinLabel2", "SkinLabel3",
                              "SkinLabel4", "Label13",  "WebBrowser1"};
    for (const auto& [child, place] : before) {
        const QString name = child->objectName();
        SCOPED_TRACE(name.toStdString());
        if (growing.contains(name)) {
            EXPECT_EQ(child->geometry(), place.adjusted(0, 0, 200, 300));
        } else if (below.contains(name)) {
            EXPECT_EQ(child->geometry(), place.translated(0, 300));
        } else {
            EXPECT_EQ(child->geometry(), place);
        }
    }
    EXPECT_EQ(control("d1")->geometry(), QRect(8, 112, 713, 517));

    window().resize(least);
    for (const auto& [child, place] : before) EXPECT_EQ(child->geometry(), place);
}

// A screen reader finds a name and a purpose for every control, the time controls' included.
TEST_F(LayoutTest, EveryControlHasAnAccessibleNameAndDescription) {
    QList<QWidget*> controls = window().findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    controls += w().ctlWhen->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(controls.size(), 35);
    for (const QWidget* c : controls) {
        SCOPED_TRACE(c->objectName().toStdString() + " " + c->metaObject()->className());
        EXPECT_FALSE(c->accessibleName().isEmpty());
        EXPECT_FALSE(c->accessibleDescription().isEmpty());
    }
    const std::pair<QWidget*, QString> named[] = {{w().txtStnaTo, "到达站"},
                                                  {w().Picture7, "查询"},
                                                  {w().ctlWhen->now, "现在"},
                                                  {w().ctlWhen->kind, "出发或到达"},
                                                  {w().d1, "查询结果"}};
    for (const auto& [c, name] : named) EXPECT_EQ(c->accessibleName(), name);
}

// The prompts of the station boxes are placeholders: grey, shown while the box is empty, never
// its text.
TEST_F(LayoutTest, StationBoxesShowTheirPromptsAsPlaceholders) {
    const std::pair<QLineEdit*, QString> prompts[] = {
        {w().txtQueryFrom, "请输入要查询的公交站名"},
        {w().txtStnaFrom, "请输入起始站"},
        {w().txtStnaTo, "请输入终点站"},
    };
    for (const auto& [box, prompt] : prompts) {
        SCOPED_TRACE(box->objectName().toStdString());
        EXPECT_EQ(box->text(), "");
        EXPECT_EQ(box->placeholderText(), prompt);
        // Drawn over the white box, the prompt is a clearly lighter grey than typed text.
        const QColor text = box->palette().color(QPalette::Text);
        const QColor base = box->palette().color(QPalette::Base);
        const QColor shown = box->palette().color(QPalette::PlaceholderText);
        const double alpha = shown.alphaF();
        const QColor blended =
            QColor::fromRgbF(float(shown.redF() * alpha + base.redF() * (1 - alpha)),
                             float(shown.greenF() * alpha + base.greenF() * (1 - alpha)),
                             float(shown.blueF() * alpha + base.blueF() * (1 - alpha)));
        EXPECT_GT(blended.lightness(), text.lightness() + 60) << blended.name().toStdString();
        EXPECT_LT(blended.lightness(), base.lightness() - 40) << blended.name().toStdString();
        EXPECT_LT(blended.hslSaturation(), 40) << "grey";
    }
}

TEST_F(LayoutTest, WindowIsCentredWithItsCaptionAndClientArea) {
    EXPECT_EQ(window().objectName(), "frmMain");
    EXPECT_EQ(window().windowTitle(), "Velmorina公交查询系统2009");
    EXPECT_EQ(window().size(), QSize(528, 530));
    EXPECT_TRUE(window().windowIcon().availableSizes().contains(QSize(48, 48)))
        << "the desktop's icon";
    // Centred within a few pixels: the frame a window manager adds is not the client area.
    const QPoint screenCentre = window().screen()->availableGeometry().center();
    EXPECT_LE((window().geometry().center() - screenCentre).manhattanLength(), 8);
    for (const QWidget* child : window().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(window().rect().contains(child->geometry()))
            << child->objectName().toStdString();
    }
}

TEST_F(LayoutTest, TabOrderFollowsTheTabIndexes) {
    const char* expected[] = {
        "Picture5",    "Picture4", "Picture3",  "Picture2",    "Text2",        "Text1",
        "WebBrowser1", "Picture7", "txtStnaTo", "txtStnaFrom", "txtQueryFrom", "txtQueryLnna",
        "List3",       "List2",    "List1",     "d1",          "Command1"};
    QStringList chain;
    QWidget* at = control("Picture5");
    do {
        if ((at->focusPolicy() & Qt::TabFocus) && at->parentWidget() == &window()) {
            chain.append(at->objectName());
        }
        at = at->nextInFocusChain();
    } while (at != control("Picture5"));
    EXPECT_EQ(chain, QStringList(std::begin(expected), std::end(expected)));
    for (const QLabel* label : window().findChildren<QLabel*>()) {
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus) << label->objectName().toStdString();
    }

    // Tab walks the shown controls in that order, the hidden lists passed over; Shift+Tab walks
    // them backwards.
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    chain.removeAll("List1");
    chain.removeAll("List2");
    chain.removeAll("List3");
    const auto walk = [&](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        control("Picture5")->setFocus();
        QStringList walked;
        for (qsizetype i = 0; i <= chain.size(); ++i) {
            walked.append(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        }
        return walked;
    };
    QStringList forward = chain;
    forward.append(chain.front());
    EXPECT_EQ(walk(Qt::Key_Tab, Qt::NoModifier), forward);
    QStringList backward{chain.front()};
    for (qsizetype i = chain.size() - 1; i >= 0; --i) backward.append(chain[i]);
    EXPECT_EQ(walk(Qt::Key_Backtab, Qt::ShiftModifier), backward);
}

// The window opens ready for a route: the focus in the origin box, so typing goes there.
TEST_F(LayoutTest, FocusStartsInTheOriginBox) {
    EXPECT_EQ(window().focusWidget(), w().txtStnaFrom);
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    ASSERT_EQ(QApplication::focusWidget(), w().txtStnaFrom);
    type(QApplication::focusWidget(), "东 ");
    EXPECT_EQ(w().txtStnaFrom->text(), "东 ");
}

TEST_F(LayoutTest, PasswordShowsStarsAndKeepsWhatWasTyped) {
    w().Text2->setFocus();
    QTest::keyClicks(w().Text2, "a&b c");
    EXPECT_EQ(w().Text2->text(), "a&b c");
    EXPECT_EQ(w().Text2->displayText(), "*****");
}

// Every caption is 8.25 pt and regular, the prompts stl1 to stl3 too, in a family that has the
// Chinese characters.
TEST_F(LayoutTest, CaptionsAreRegularAtEightAndAQuarterPoints) {
    const QList<gui::SkinLabel*> labels = window().findChildren<gui::SkinLabel*>();
    ASSERT_EQ(labels.size(), 14);
    for (const gui::SkinLabel* label : labels) {
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_EQ(label->font().pointSizeF(), 8.25);
        EXPECT_EQ(label->font().weight(), QFont::Normal);
        EXPECT_FALSE(label->font().bold());
        EXPECT_TRUE(QFontMetrics(label->font()).inFontUcs4(U'站'));
    }
}

TEST_F(LayoutTest, PicturesShowAPointingHand) {
    for (const char* name : {"Picture2", "Picture3", "Picture4", "Picture5", "Picture7"}) {
        EXPECT_EQ(control(name)->cursor().shape(), Qt::PointingHandCursor) << name;
    }
}

// Latin text in a Latin family first (its own quotes, no full-width gaps), Chinese falling back
// to the Chinese family the window always had; never boxes.
TEST_F(LayoutTest, LatinFamiliesFirstThenTheChineseOnes) {
    struct Case {
        const QWidget* control;
        QStringList families;
    };
    const Case cases[] = {
        {&window(),
         {"Noto Sans", "DejaVu Sans", "Segoe UI", "Noto Sans CJK SC", "Microsoft YaHei",
          "sans-serif"}},
        {w().d1,
         {"Noto Serif", "DejaVu Serif", "Times New Roman", "宋体", "SimSun", "Noto Serif CJK SC",
          "serif"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control->objectName().toStdString());
        EXPECT_EQ(c.control->font().families(), c.families);
        EXPECT_EQ(c.control->font().pointSize(), 9);
        const QFontMetrics metrics(c.control->font());
        for (char32_t glyph : {U'站', U'„', U'ė'}) EXPECT_TRUE(metrics.inFontUcs4(glyph));
    }
}

}  // namespace
}  // namespace busquery::test
