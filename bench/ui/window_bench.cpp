// The window driven offscreen with real key events: each keystroke in a station box on a city
// ten times the sample, from the key to the refreshed suggestion list painted; and the window
// built, loaded and painted on the sample city. Each keystroke is timed on its own, so the
// counters give the median, the 99th percentile and the slowest.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <map>
#include <memory>

#include "gui/Program.h"
#include "network/BusData.h"
#include "sample/SampleCity.h"
#include "support/TempDir.h"

namespace {

using namespace busquery;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kNames = 200;
const QString kNoSite = QStringLiteral("http://127.0.0.1:9");

void quiet(QWidget&, const QString&, gui::Notice) {}

struct City {
    test::TempDir dir;
    std::filesystem::path file = dir / "busdata";
    std::vector<QString> names;  // station names spread over the city, typed one by one
    QChar commonest;             // the character most station names contain
};

City& city(int scale) {
    static std::map<int, std::unique_ptr<City>> cities;
    auto& city = cities[scale];
    if (!city) {
        city = std::make_unique<City>();
        writeSampleCity(city->file, SampleCityOptions{2009, scale});
        BusData data(city->file);
        data.refresh();
        const auto& stations = data.index().stations();
        std::map<QChar, int> counts;
        for (std::size_t i = 0; i < stations.size(); ++i) {
            const QString name = QString::fromUtf8(stations[i].stna.data(),
                                                   static_cast<qsizetype>(stations[i].stna.size()));
            for (QChar c : name) ++counts[c];
            if (i % std::max<std::size_t>(1, stations.size() / kNames) == 0)
                city->names.push_back(name);
        }
        city->commonest = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                              return a.second < b.second;
                          })->first;
    }
    return *city;
}

std::unique_ptr<gui::Program> startedProgram(const std::filesystem::path& file) {
    auto program = std::make_unique<gui::Program>(file, quiet, kNoSite);
    program->start();
    if (!QTest::qWaitForWindowExposed(&program->window())) std::abort();
    QApplication::processEvents();
    return program;
}

// One key as the keyboard delivers it, then everything it caused, painting included.
double keystrokeMs(QWidget* box, QChar character) {
    const auto start = Clock::now();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
    QApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
    QApplication::sendEvent(box, &release);
    QApplication::processEvents();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void report(benchmark::State& state, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["p99_ms"] = times[std::min(times.size() - 1, times.size() * 99 / 100)];
    state.counters["max_ms"] = times.back();
    state.counters["keystrokes"] = static_cast<double>(times.size());
}

// Typing whole station names into the origin box, one keystroke at a time.
void BM_StationBoxKeystroke(benchmark::State& state) {
    City& c = city(static_cast<int>(state.range(0)));
    auto program = startedProgram(c.file);
    QLineEdit* box = program->window().findChild<QLineEdit*>("txtStnaFrom");
    std::vector<double> times;
    for (auto _ : state) {
        for (const QString& name : c.names) {
            box->clear();
            for (QChar character : name) times.push_back(keystrokeMs(box, character));
        }
    }
    report(state, times);
}
BENCHMARK(BM_StationBoxKeystroke)->Arg(10)->Iterations(3)->Unit(benchmark::kMillisecond);

// The longest list there is: the commonest character typed into an empty box.
void BM_StationBoxCommonestCharacter(benchmark::State& state) {
    City& c = city(static_cast<int>(state.range(0)));
    auto program = startedProgram(c.file);
    QLineEdit* box = program->window().findChild<QLineEdit*>("txtStnaTo");
    std::vector<double> times;
    for (auto _ : state) {
        box->clear();
        times.push_back(keystrokeMs(box, c.commonest));
    }
    state.counters["lines"] = program->window().findChild<QListView*>("List3")->model()->rowCount();
    report(state, times);
}
BENCHMARK(BM_StationBoxCommonestCharacter)->Arg(10)->Iterations(50)->Unit(benchmark::kMillisecond);

// The window built, loaded (line list, data date) and painted, in a running process.
void BM_WindowShown(benchmark::State& state) {
    City& c = city(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto program = startedProgram(c.file);
        benchmark::DoNotOptimize(program->window().findChild<QComboBox*>("txtQueryLnna")->count());
    }
}
BENCHMARK(BM_WindowShown)->Arg(1)->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
