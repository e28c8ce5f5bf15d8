#include <QGuiApplication>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "WindowTest.h"
#include "query/PieceRecorder.h"
#include "query/Query.h"
#include "support/PiecePrinting.h"

namespace busquery::test {
namespace {

class QueryPresenterTest : public WindowTest {
  protected:
    void SetUp() override { start(smallCity()); }

    void enter(const QString& line, const QString& station, const QString& from,
               const QString& to) {
        w().txtQueryLnna->setEditText(line);
        w().txtQueryFrom->setText(station);
        w().txtStnaFrom->setText(from);
        w().txtStnaTo->setText(to);
    }
};

TEST_F(QueryPresenterTest, OutcomesAreToldWithTheirMessageOnly) {
    struct Case {
        QString line, station, from, to;
        QString message;  // empty: no box, the answer stands in the pane
    };
    const Case cases[] = {
        {"", "", "", "", "输入信息为空"},
        {"", "东", "", "", "输入信息太少"},
        {"99", "", "", "", "无此线路资料"},
        {"", "无此站", "", "", "未选择站点"},
        {"", "", "无此站", "南门", "未选择起始站"},
        {"", "", "东桥", "", "未选择终点站"},
        {"12", "", "", "", ""},
        {"", "东桥", "", "", ""},
        {"", "", "东桥", "南门", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.line + "|" + c.station + "|" + c.from + "|" + c.to).toStdString());
        enter(c.line, c.station, c.from, c.to);
        told_.clear();
        click(w().Command1);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(told_.empty());
        } else {
            ASSERT_EQ(told_.size(), 1u);
            EXPECT_EQ(told_[0].text, c.message);
            EXPECT_EQ(told_[0].kind, gui::Notice::Outcome);
            EXPECT_FALSE(told_[0].busy) << "the box waits for the traveller, not the program";
        }
        EXPECT_FALSE(busyPointer());
        EXPECT_TRUE(QRegularExpression("^\\d+\\.\\d{3}秒$").match(w().protime->text()).hasMatch())
            << w().protime->text().toStdString();
        EXPECT_TRUE(w().protime->isHidden()) << "the time is kept, never shown";
    }
}

// The prompts are no text: a query at once finds every box empty, and what the traveller types
// is all the box holds.
TEST_F(QueryPresenterTest, PromptsAreNeverSearchedFor) {
    click(w().Command1);
    ASSERT_EQ(told_.size(), 1u);
    EXPECT_EQ(told_[0].text, "输入信息为空");
    EXPECT_EQ(state().strStnaFrom, "");

    told_.clear();
    click(w().txtStnaFrom);
    type(w().txtStnaFrom, "东");
    EXPECT_EQ(w().txtStnaFrom->text(), "东");
    EXPECT_EQ(w().List2->lines(), (QStringList{"东桥[东桥路]{东桥公园}", "东桥[滨河路]"}));
    type(w().txtStnaFrom, "桥");
    type(w().txtStnaTo, "南门");
    pressEnter(w().txtStnaTo);
    EXPECT_TRUE(told_.empty());
    EXPECT_EQ(state().intOutState, OutcomeCode::Listed);
    EXPECT_TRUE(w().d1->toPlainText().startsWith("12路经过站点：东桥;西山;南门;"));
}

// Blanks typed around a name are dropped before the query; the boxes keep them.
TEST_F(QueryPresenterTest, BlanksAroundNamesAreNotPartOfThem) {
    struct Case {
        QString station, from, to;
        OutcomeCode outcome;
        std::string stored;  // the station text or origin the query read
    };
    const Case cases[] = {
        {"", "东桥 ", " 南门", OutcomeCode::Listed, "东桥"},
        {"", "\t东桥\u3000", "南门  ", OutcomeCode::Listed, "东桥"},
        {" 东桥 ", "", "", OutcomeCode::StationsListed, "东桥"},
        {" 东 ", "", "", OutcomeCode::TooShort, "东"},
        {"   ", "", "", OutcomeCode::EmptyInput, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.station + "|" + c.from + "|" + c.to).toStdString());
        enter("", c.station, c.from, c.to);
        click(w().Command1);
        EXPECT_EQ(state().intOutState, c.outcome);
        EXPECT_EQ(c.station.isEmpty() ? state().strStnaFrom : state().strQueryFrom, c.stored);
        EXPECT_EQ(w().txtStnaFrom->text(), c.from);
        EXPECT_EQ(w().txtQueryFrom->text(), c.station);
    }

    // Enter in an origin box holding blanks alone starts nothing, as in an empty one.
    enter("", "", "  ", "南门");
    QSignalSpy queries(&window(), &gui::FrmMain::queryCommand);
    pressEnter(w().txtStnaFrom);
    EXPECT_EQ(queries.size(), 0);
}

TEST_F(QueryPresenterTest, SuggestionsAreHiddenEvenWhenTheInputIsRejected) {
    w().txtStnaTo->setText("");
    type(w().txtStnaTo, "南");
    ASSERT_TRUE(w().List3->isVisible());
    ASSERT_TRUE(w().stl3->isVisible());
    w().txtQueryFrom->setText("东");  // too short
    click(w().Command1);
    for (QWidget* widget : std::initializer_list<QWidget*>{w().stl1, w().stl2, w().stl3, w().List1,
                                                           w().List2, w().List3}) {
        EXPECT_FALSE(widget->isVisible()) << widget->objectName().toStdString();
    }
    ASSERT_EQ(told_.size(), 1u);
    EXPECT_EQ(told_[0].text, "输入信息太少");
}

// The pane shows the core's pieces as they are: every character in its piece's colour and
// weight, a CR LF as one line break.
TEST_F(QueryPresenterTest, PaneShowsThePiecesInTheirColoursAndWeight) {
    const QueryInput cases[] = {
        {"12", "", "", "", ""}, {"", "东桥", "", "", ""}, {"", "", "东桥", "南门", ""}};
    for (const QueryInput& input : cases) {
        enter(QString::fromStdString(input.line), QString::fromStdString(input.station),
              QString::fromStdString(input.from), QString::fromStdString(input.to));
        click(w().Picture7);

        BusData data(file_);
        Query query(data);
        PieceRecorder recorder;
        query.run(input, recorder);
        ASSERT_FALSE(recorder.pieces().empty());
        const QTextDocument& shown = *w().d1->document();
        EXPECT_EQ(shown.toPlainText(),
                  QString::fromStdString(recorder.text()).replace("\r\n", "\n"));
        int at = 0;
        for (const Piece& piece : recorder.pieces()) {
            // replace() returns a reference into its temporary, so the text needs a name to
            // outlive the loop header.
            const QString text = QString::fromStdString(piece.text).replace("\r\n", "\n");
            for (QChar c : text) {
                QTextCursor cursor(const_cast<QTextDocument*>(&shown));
                cursor.setPosition(++at);  // the format of the character before the cursor
                if (c == '\n') continue;
                EXPECT_EQ(cursor.charFormat().foreground().color(),
                          QColor(piece.rgb.r, piece.rgb.g, piece.rgb.b))
                    << piece.text << " at " << at;
                EXPECT_EQ(cursor.charFormat().fontWeight() >= QFont::Bold, piece.bold)
                    << piece.text;
            }
        }
    }
}

// The busy pointer shows over the whole program while the query writes its answer, also over
// the control just clicked, and is gone afterwards.
TEST_F(QueryPresenterTest, BusyPointerShowsWhileTheQueryRuns) {
    std::vector<bool> busyWhileWriting;
    QObject::connect(w().d1, &QTextEdit::textChanged, &window(),
                     [&] { busyWhileWriting.push_back(busyPointer()); });
    enter("12", "", "", "");
    click(w().Command1);
    ASSERT_FALSE(busyWhileWriting.empty());
    EXPECT_EQ(std::count(busyWhileWriting.begin(), busyWhileWriting.end(), false), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(QueryPresenterTest, PlayPictureRunsTheSameQueryAsTheButton) {
    for (QWidget* trigger : std::initializer_list<QWidget*>{w().Command1, w().Picture7}) {
        enter("", "", "东桥", "无此站");
        told_.clear();
        click(trigger);
        ASSERT_EQ(told_.size(), 1u);
        EXPECT_EQ(told_[0].text, "未选择终点站");
    }
}

// The data file breaks while the window is open: the query says what is wrong, the pointer
// comes back, and once the file is good again the window answers as before.
TEST_F(QueryPresenterTest, FailureInsideAQueryIsToldAndTheWindowGoesOn) {
    const auto good = dir_ / "good";
    std::filesystem::copy_file(file_, good);
    std::filesystem::remove(file_);
    std::ofstream(file_, std::ios::binary) << std::string(4096, 'x');

    enter("12", "", "", "");
    click(w().Command1);
    ASSERT_EQ(told_.size(), 1u);
    EXPECT_EQ(told_[0].kind, gui::Notice::Problem);
    EXPECT_TRUE(told_[0].text.contains(QString::fromStdString(file_.string())));
    EXPECT_FALSE(told_[0].busy);
    EXPECT_FALSE(busyPointer());

    std::filesystem::remove(file_);
    std::filesystem::copy_file(good, file_);
    told_.clear();
    click(w().Command1);
    EXPECT_TRUE(told_.empty());
    EXPECT_EQ(state().intOutState, OutcomeCode::Listed);
    EXPECT_TRUE(w().d1->toPlainText().contains("12路上行"));
}

}  // namespace
}  // namespace busquery::test

namespace busquery::test {
namespace {

// The query command against a view of its own: what it reads, what it shows, what it says.
class FakeView : public gui::QueryView {
  public:
    QueryInput input;
    std::optional<RouteTime> time;
    PieceRecorder pane;
    QString queryTime;
    std::vector<QString> said;
    bool suggestionsHidden = false;

    QueryInput queryInput() const override { return input; }
    std::optional<RouteTime> routeTime() const override { return time; }
    void hideSuggestions() override { suggestionsHidden = true; }
    ResultPane& resultPane() override { return pane; }
    void showQueryTime(const QString& text) override { queryTime = text; }
    void reportProblem(const QString& text) override { said.push_back("problem: " + text); }
    void notify(const QString& text, gui::Notice) override { said.push_back(text); }
};

class QueryPresenterViewTest : public WindowTest {};

TEST_F(QueryPresenterViewTest, ReadsTheViewAndAnswersIntoIt) {
    BusData data(smallCity().write(file_));
    Query query(data);
    struct Case {
        QueryInput input;
        std::optional<RouteTime> time;
        std::vector<QString> said;
        std::string paneStart;
    };
    const Case cases[] = {
        {{"12", "", "", "", ""}, std::nullopt, {}, "12路"},
        {{"", "", "东桥", "南门", ""}, std::nullopt, {}, "12路经过站点"},
        {{"", "", "", "", ""}, std::nullopt, {"输入信息为空"}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input.line + "|" + c.input.from + "|" + c.input.to);
        FakeView view;
        view.input = c.input;
        view.time = c.time;
        gui::QueryPresenter presenter(view, query);
        presenter.RunQuery();
        EXPECT_TRUE(view.suggestionsHidden);
        EXPECT_TRUE(view.queryTime.endsWith("秒"));
        EXPECT_EQ(view.said, c.said);
        EXPECT_TRUE(view.pane.text().starts_with(c.paneStart)) << view.pane.text();
    }

    std::filesystem::remove(file_);
    FakeView view;
    view.input = {"12", "", "", "", ""};
    gui::QueryPresenter(view, query).RunQuery();
    ASSERT_EQ(view.said.size(), 1u);
    EXPECT_TRUE(view.said[0].startsWith("problem: ")) << view.said[0].toStdString();
    EXPECT_TRUE(view.queryTime.isEmpty()) << "a failed query has no time";
}

}  // namespace
}  // namespace busquery::test
