#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

#include "WindowTest.h"
#include "gui/Banner.h"
#include "gui/InterfaceTranslation.h"
#include "query/OutcomeMessage.h"

namespace busquery::test {
namespace {

// The interface language reaches the answers in the pane and the outcome messages; Chinese
// keeps them as they always were.
class InterfaceLanguageTest : public WindowTest {};

TEST_F(InterfaceLanguageTest, AnswersAndOutcomeMessagesAreInTheInterfaceLanguage) {
    struct Case {
        Language language;
        QString line;
        QString pane;  // the start of the answer
        bool told;     // an outcome message box
    };
    const Case cases[] = {
        {Language::Chinese, "12路", "12路上行", false},
        {Language::English, "12路", "Bus 12", false},
        {Language::Chinese, "99路", "", true},
        {Language::English, "99路", "", true},
    };
    const std::filesystem::path city = smallCity().write(file_);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.toStdString() + (c.language == Language::English ? " en" : " zh"));
        startOn(city, kNoSite, c.language);
        told_.clear();
        w().txtQueryLnna->setEditText(c.line);
        click(w().Command1);
        EXPECT_TRUE(w().d1->toPlainText().startsWith(c.pane))
            << w().d1->toPlainText().toStdString();
        ASSERT_EQ(told_.size(), c.told ? 1U : 0U);
        if (c.told) {
            EXPECT_EQ(QString::fromStdString(*outcomeMessage(state().intOutState, c.language)),
                      told_.front().text);
        }
    }
}

// In English the window loads the build's translation: its captions and prompts are English,
// and so is the answer in the pane.
TEST_F(InterfaceLanguageTest, TheEnglishWindowReadsInEnglish) {
    QTranslator english;
    ASSERT_TRUE(gui::installInterfaceTranslation(english, Language::English));
    start(smallCity(), kNoSite, Language::English);
    struct Case {
        QString shown;
        QString expected;
    };
    const Case cases[] = {
        {window().windowTitle(), "Velmorina Bus Enquiry 2009"},
        {w().stl1->text(), "Choose the station:"},
        {w().txtStnaFrom->placeholderText(), "Enter the origin"},
        {w().Command1->accessibleName(), "Search"},
        {w().ctlWhen->now->text(), "Now"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.shown, c.expected);
    w().txtQueryLnna->setEditText("12路");
    click(w().Command1);
    EXPECT_TRUE(w().d1->toPlainText().startsWith("Bus 12")) << w().d1->toPlainText().toStdString();
    QCoreApplication::removeTranslator(&english);
}

// The title and the banner (its placeholder, the site being out of reach) name a city the file
// names, in the interface language; a file without a name keeps the program's own texts.
TEST_F(InterfaceLanguageTest, TheTitleAndTheBannerNameTheCityTheFileNames) {
    struct Case {
        std::optional<CityRow> city;
        Language language;
        QString title;
        QString banner;
    };
    const Case cases[] = {
        {std::nullopt, Language::Chinese, "Velmorina公交查询系统2009",
         "Velmorina 公交查询 · 出行愉快"},
        {std::nullopt, Language::English, "Velmorina Bus Enquiry 2009",
         "Velmorina bus enquiry · have a good trip"},
        {CityRow{"vilnius", "Vilnius", "lt"}, Language::Chinese, "Vilnius — busquery",
         "Vilnius 公交查询 · 出行愉快"},
        {CityRow{"vilnius", "Vilnius", "lt"}, Language::English, "Vilnius — busquery",
         "Vilnius bus enquiry · have a good trip"},
        {CityRow{"x", "", "lt"}, Language::Chinese, "Velmorina公交查询系统2009",
         "Velmorina 公交查询 · 出行愉快"},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title.toStdString());
        QTranslator english;
        if (c.language == Language::English) {
            ASSERT_TRUE(gui::installInterfaceTranslation(english, Language::English));
        }
        BusDataRows rows;
        rows.date = "2024-05-01";
        rows.lines.push_back({.lnid = 1,
                              .citycode = "",
                              .lnna = "12路上行",
                              .fltime = "(6:00-22:00)",
                              .passstna = "东桥;西山;"});
        rows.city = c.city;
        startOn(writeRows(dir_ / ("city" + std::to_string(n++)), rows), kNoSite, c.language);
        EXPECT_EQ(window().windowTitle(), c.title);
        const auto* banner = window().findChild<gui::Banner*>("WebBrowser1");
        ASSERT_TRUE(QTest::qWaitFor(
            [banner] { return banner->state() == gui::Banner::State::Unavailable; }, 10000));
        EXPECT_EQ(banner->toPlainText(), c.banner);
        QCoreApplication::removeTranslator(&english);
    }
}

}  // namespace
}  // namespace busquery::test
