#include <QDateTime>
#include <QTest>

#include "WindowTest.h"

namespace busquery::test {
namespace {

// 1路 from 东桥 by 西山 to 南门 at 08:00 and 08:30, ten minutes a stop, every day.
std::filesystem::path writeTimedCity(const std::filesystem::path& file) {
    BusDataRows rows;
    rows.lineIds = {"1"};
    rows.date = "2026.1.1";
    rows.lines = {{1, "velmorina", "1路", "(08:00-09:00)", "东桥;西山;南门;"}};
    rows.stations = {{"东桥", "", "", "1路;"}, {"西山", "", "", "1路;"}, {"南门", "", "", "1路;"}};
    for (std::uint16_t start : {480, 510}) {
        const std::vector<std::uint16_t> times{start, std::uint16_t(start + 10),
                                               std::uint16_t(start + 20)};
        rows.trips.push_back(TripRow{1, 0, "南门", TripTimes{times, times}});
    }
    return writeRows(file, rows);
}

class DepartureTimeTest : public WindowTest {
  protected:
    void choose(const QString& when, bool arriveBy) {
        w().ctlWhen->when->setDateTime(QDateTime::fromString(when, "yyyy-MM-dd HH:mm"));
        w().ctlWhen->kind->setCurrentIndex(arriveBy ? 1 : 0);
    }
};

TEST_F(DepartureTimeTest, OfferedOnlyWhereTheDataHasATimetable) {
    start(smallCity());
    EXPECT_TRUE(w().ctlWhen->isHidden());
    EXPECT_EQ(window().routeTime(), std::nullopt);

    program_.reset();
    startOn(writeTimedCity(dir_ / "timed"));
    EXPECT_TRUE(w().ctlWhen->isVisible());
    EXPECT_EQ(w().ctlWhen->kind->currentText(), "出发");
    // Opens at the present, to the minute.
    EXPECT_LE(std::abs(w().ctlWhen->when->dateTime().secsTo(QDateTime::currentDateTime())), 61);
}

TEST_F(DepartureTimeTest, NowSetsThePresentAndArriveAsksArriveBy) {
    startOn(writeTimedCity(file_));
    choose("2020-02-03 04:05", true);
    ASSERT_TRUE(window().routeTime());
    EXPECT_TRUE(window().routeTime()->arriveBy);
    EXPECT_EQ(window().routeTime()->minute, 4u * 60 + 5);

    click(w().ctlWhen->now);
    EXPECT_LE(std::abs(w().ctlWhen->when->dateTime().secsTo(QDateTime::currentDateTime())), 61);
    EXPECT_TRUE(window().routeTime()->arriveBy) << "now changes the time, not its kind";
}

TEST_F(DepartureTimeTest, RouteAndLineAnswersFollowTheChosenTime) {
    startOn(writeTimedCity(file_));
    struct Case {
        QString when;
        bool arriveBy;
        QString line, from, to;
        OutcomeCode outcome;
        QString pane;     // its beginning
        QString message;  // the box shown, if any
    };
    const Case cases[] = {
        {"2026-01-08 07:55", false, "", "东桥", "南门", OutcomeCode::TimedJourneysListed,
         "第1种方案 08:00出发 08:20到达(共20分钟，换乘0次)：08:00 从 东桥 坐1路(往 南门, 2站) "
         "08:20 "
         "到 南门\n\n第2种方案 08:30出发",
         ""},
        {"2026-01-08 08:45", true, "", "东桥", "南门", OutcomeCode::TimedJourneysListed,
         "第1种方案 08:00出发 08:20到达(共20分钟，换乘0次)：08:00 从 东桥 坐1路(往 南门, 2站) "
         "08:20 "
         "到 南门\n\n",
         ""},
        // After the last trip, the first of the next morning.
        {"2026-01-08 09:00", false, "", "东桥", "西山", OutcomeCode::TimedJourneysListed,
         "第1种方案 次日08:00出发", ""},
        // No trip runs that way: said in a box, as the other outcomes without an answer are.
        {"2026-01-08 07:55", false, "", "南门", "东桥", OutcomeCode::NoTimedJourney, "",
         "24小时内没有可乘坐的车次！"},
        {"2026-01-08 07:55", false, "1", "", "", OutcomeCode::Listed, "1路", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.when + " " + c.from + "→" + c.to + c.line).toStdString());
        choose(c.when, c.arriveBy);
        w().txtQueryLnna->setEditText(c.line);
        w().txtStnaFrom->setText(c.from);
        w().txtStnaTo->setText(c.to);
        told_.clear();
        click(w().Command1);
        EXPECT_EQ(state().intOutState, c.outcome);
        EXPECT_TRUE(w().d1->toPlainText().startsWith(c.pane))
            << w().d1->toPlainText().toStdString();
        ASSERT_EQ(told_.size(), c.message.isEmpty() ? 0u : 1u);
        if (!told_.empty()) {
            EXPECT_EQ(told_[0].text, c.message);
        }
    }
    // The line lookup lists the departures of the chosen day after the line.
    EXPECT_TRUE(w().d1->toPlainText().contains("08:00 08:30"))
        << w().d1->toPlainText().toStdString();
}

}  // namespace
}  // namespace busquery::test
