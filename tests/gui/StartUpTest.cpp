#include <QComboBox>
#include <QTest>
#include <fstream>

#include "WindowTest.h"
#include "gui/StartUp.h"
#include "support/SampleFixture.h"

namespace busquery::test {
namespace {

QStringList lineList(const QComboBox& box) {
    QStringList items;
    for (int i = 0; i < box.count(); ++i) items.append(box.itemText(i));
    return items;
}

QStringList expectedList(const QStringList& lineIds) {
    QStringList items{"机场快线", "地铁", "公交地铁接驳专线", "莲花山专线", "大学城", "高峰快线"};
    items.append(lineIds);
    for (int n = 1; n <= 49; ++n) items.append(QStringLiteral("夜%1").arg(n));
    return items;
}

// A city with a line of every category and every night line, so that the line list offers all.
TestCity everyKindOfLine() {
    TestCity city;
    for (const char* category :
         {"机场快线", "地铁", "公交地铁接驳专线", "莲花山专线", "大学城", "高峰快线"}) {
        city.line(std::string(category) + "1号", "甲;乙;");
    }
    for (int n = 1; n <= 49; ++n) city.line("夜" + std::to_string(n) + "路", "甲;乙;");
    return city;
}

class StartUpTest : public WindowTest {};

TEST_F(StartUpTest, LineListHoldsCategoriesTheRowsOfNoAndNightLines) {
    struct Case {
        std::vector<std::string> lineIds;
        QStringList listed;
    };
    const Case cases[] = {
        {{}, {}},
        {{"1", "2", "3"}, {"1", "2", "3"}},
        {{"3", "1", "12路"}, {"3", "1", "12路"}},  // table order, as stored
    };
    for (const auto& c : cases) {
        TempDir dir;
        TestCity city = everyKindOfLine();
        city.lineIds = c.lineIds;
        startOn(city.write(dir / "busdata"));
        const QStringList items = lineList(*w().txtQueryLnna);
        EXPECT_EQ(items, expectedList(c.listed));
        EXPECT_EQ(items.size(), 55 + c.listed.size());
        EXPECT_EQ(items.at(6 + c.listed.size() + 9), "夜10");  // no leading zero, no blank
        EXPECT_EQ(w().txtQueryLnna->currentText(), "") << "the box itself stays empty";
        EXPECT_TRUE(told_.empty());
        program_.reset();
    }
}

TEST_F(StartUpTest, LineListOffersOnlyTheKindsOfLineTheCityHas) {
    struct Case {
        TestCity city;
        QStringList kept;  // of the categories and night lines
    };
    TestCity velmorina;
    velmorina.lineIds = {"1", "2"};
    velmorina.line("地铁1号线上行", "甲;乙;").line("夜3路", "甲;乙;").line("12路", "甲;丙;");
    TestCity imported;
    imported.line("1路", "甲;乙;", "", 1, "vilnius")
        .line("无轨电车1路", "乙;丙;", "", 2, "vilnius");
    imported.line("地铁2号线", "甲;丙;", "", 3, "riga");  // another city's line is not offered
    const Case cases[] = {
        {velmorina, {"地铁", "1", "2", "夜3"}},  // the rows of table no stay as stored
        {imported, {}},
    };
    for (const auto& c : cases) {
        TempDir dir;
        startOn(c.city.write(dir / "busdata"));
        BusData data(dir / "busdata");
        Query query(data);
        gui::pruneLineList(window(), query);
        EXPECT_EQ(lineList(*w().txtQueryLnna), c.kept);
        program_.reset();
    }
}

TEST_F(StartUpTest, TheSampleCityOffersEveryCategoryAndNightLine) {
    startOn(sampleCityFile());
    const QStringList before = lineList(*w().txtQueryLnna);
    BusData data(sampleCityFile());
    Query query(data);
    gui::pruneLineList(window(), query);
    EXPECT_EQ(lineList(*w().txtQueryLnna), before);
    EXPECT_EQ(before.size(), 6 + static_cast<int>(query.startUpFacts().lineIds.size()) + 49);
}

TEST_F(StartUpTest, DataDateIsShownExactlyAsStored) {
    TestCity city;
    city.date = "2010.3.15";
    start(city);
    EXPECT_EQ(w().Label13->text(), "2010.3.15");
}

// busdata that cannot be used: the window still opens with what needs no data, the traveller
// is told which file is wrong and how, and every later query says the same.
TEST_F(StartUpTest, UnusableDataFileIsReportedAndTheWindowStillWorks) {
    struct Case {
        const char* what;
        std::string content;  // empty: no file at all
        QString problem;
        Language language = Language::Chinese;
    };
    const Case cases[] = {
        {"missing", "", "不存在"},
        {"not a database", std::string(4096, 'x'), "不是数据库文件"},
        {"missing, in English", "", "Cannot find the data file", Language::English},
        {"not a database, in English", std::string(4096, 'x'), ": it is not a database file",
         Language::English},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const auto file = dir / "busdata";
        if (!c.content.empty()) std::ofstream(file, std::ios::binary) << c.content;
        told_.clear();
        startOn(file, kNoSite, c.language);

        EXPECT_TRUE(window().isVisible());
        ASSERT_EQ(told_.size(), 1u);
        EXPECT_EQ(told_[0].kind, gui::Notice::Problem);
        EXPECT_TRUE(told_[0].text.contains(QString::fromStdString(file.string())));
        EXPECT_TRUE(told_[0].text.contains(c.problem)) << told_[0].text.toStdString();
        EXPECT_EQ(lineList(*w().txtQueryLnna), expectedList({}));
        EXPECT_EQ(w().Label13->text(), "") << "no date where none was read";

        w().txtQueryLnna->setEditText("12");
        click(w().Command1);
        ASSERT_EQ(told_.size(), 2u);
        EXPECT_EQ(told_[1].text, told_[0].text);
        EXPECT_FALSE(busyPointer());

        // Typing says it once, not on every keystroke.
        type(w().txtStnaFrom, "东桥南");
        EXPECT_EQ(told_.size(), 2u) << "already told";
        program_.reset();
    }
}

}  // namespace
}  // namespace busquery::test
