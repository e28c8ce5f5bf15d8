// Station suggestions and station lookup on a city ten times the sample, answered from the
// network index and, for comparison, by the plain statements, output built in both. Each call
// is timed on its own, so the counters give the median and the 99th percentile per text.
// Texts in pinyin are answered by the index only: the statements know no pinyin.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <memory>

#include "TimeCounters.h"
#include "network/BusData.h"
#include "query/PieceRecorder.h"
#include "query/Renderer.h"
#include "query/StationLookup.h"
#include "reference/ReferenceStationSearch.h"
#include "sample/SampleCity.h"
#include "search/FoldedTextIndex.h"
#include "search/PinyinIndex.h"
#include "search/StationTextIndex.h"
#include "search/SuggestionSearch.h"
#include "support/PinyinTexts.h"
#include "support/StationTexts.h"
#include "support/TempDir.h"
#include "text/Text.h"

namespace {

using namespace busquery;
using Clock = std::chrono::steady_clock;

constexpr int kScale = 10;
constexpr std::size_t kTexts = 1000;

struct City {
    test::TempDir dir;
    std::unique_ptr<BusData> data;
    std::string commonest;                 // the commonest character of the station names
    std::vector<std::string> texts;        // two or more characters of names, roads, landmarks
    std::vector<std::string> names;        // whole station names, as typed for a lookup
    std::vector<std::string> pickedLines;  // suggestion lines, as picked for a lookup
    std::vector<std::string> pinyin;       // starts of names' pinyin, as typed
    double firstPinyinBuildMs = 0;         // the first build in the process, ICU data read
};

std::string commonestCharacter(const NetworkIndex& index) {
    std::map<std::string, std::size_t> counts;
    for (const auto& station : index.stations()) {
        for (std::size_t i = 0; i < station.stna.size();) {
            std::size_t length = 1;
            while (i + length < station.stna.size() &&
                   (static_cast<unsigned char>(station.stna[i + length]) & 0xC0) == 0x80) {
                ++length;
            }
            ++counts[std::string(station.stna.substr(i, length))];
            i += length;
        }
    }
    return std::max_element(counts.begin(), counts.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

City& city() {
    static std::unique_ptr<City> city = [] {
        auto c = std::make_unique<City>();
        writeSampleCity(c->dir / "busdata", SampleCityOptions{2009, kScale});
        c->data = std::make_unique<BusData>(c->dir / "busdata");
        c->data->refresh();
        const NetworkIndex& index = c->data->index();
        c->commonest = commonestCharacter(index);
        const auto start = Clock::now();
        benchmark::DoNotOptimize(PinyinIndex::build(index).find("dq"));
        c->firstPinyinBuildMs =
            std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        c->pinyin = test::drawPinyinTexts(index, kTexts, 11);
        for (auto& text : test::drawStationTexts(index, 4 * kTexts, 7)) {
            if (c->texts.size() < kTexts && countCharacters(text) >= 2) c->texts.push_back(text);
        }
        for (std::size_t i = 0; i < kTexts; ++i) {
            const StationInfo& station = index.stations()[i * index.stations().size() / kTexts];
            if (countCharacters(station.stna) >= 2) c->names.emplace_back(station.stna);
            c->pickedLines.push_back(suggestionLine(station));
        }
        return c;
    }();
    return *city;
}

// Runs answer(text) round the texts, one timed call per iteration.
template <class Answer>
void timeEach(benchmark::State& state, const std::vector<std::string>& texts, Answer answer) {
    std::vector<double> micros;
    std::size_t next = 0;
    double results = 0;
    for (auto _ : state) {
        const std::string& text = texts[next++ % texts.size()];
        auto start = Clock::now();
        results += static_cast<double>(answer(text));
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    reportTimes(state, micros);
    state.counters["results_per_text"] = results / static_cast<double>(micros.size());
}

void suggestions(benchmark::State& state, bool one, bool byIndex) {
    City& c = city();
    const std::vector<std::string> single{c.commonest};
    timeEach(state, one ? single : c.texts, [&](const std::string& text) {
        if (byIndex) {
            auto items = suggestStations(c.data->index(), text);
            benchmark::DoNotOptimize(items.data());
            return items.size();
        }
        auto items = test::referenceSuggestions(c.data->database(), text);
        benchmark::DoNotOptimize(items.data());
        return items.size();
    });
}

void pinyinSuggestions(benchmark::State& state) {
    City& c = city();
    timeEach(state, c.pinyin, [&](const std::string& text) {
        auto items = suggestStations(c.data->index(), text);
        benchmark::DoNotOptimize(items.data());
        return items.size();
    });
}

void lookups(benchmark::State& state, bool picked, bool byIndex, bool pinyin = false) {
    City& c = city();
    PieceRecorder pane;
    QueryState query;
    timeEach(state,
             pinyin   ? c.pinyin
             : picked ? c.pickedLines
                      : c.names,
             [&](const std::string& text) {
                 query.strQueryFrom = picked ? "x" : text;
                 const std::string_view pick = picked ? std::string_view(text) : std::string_view();
                 Answer answer;
                 answer.mode = QueryMode::SingleStation;
                 answer.stations =
                     byIndex ? stationLookup(c.data->index(), pick, query.strQueryFrom)
                             : test::referenceStationLookup(c.data->database(), pick, query);
                 render(answer, pane);
                 benchmark::DoNotOptimize(pane.pieces().data());
                 return static_cast<std::int32_t>(answer.stations.size());
             });
}

// Building the character index alone, and the heap it keeps.
void textIndexBuild(benchmark::State& state) {
    const NetworkIndex& index = city().data->index();
    std::size_t heap = 0;
    for (auto _ : state) {
        auto before = mallinfo2().uordblks;
        auto built = std::make_unique<StationTextIndex>(
            StationTextIndex::build(index.stations(), index.stationsByName()));
        heap = mallinfo2().uordblks - before;
        benchmark::DoNotOptimize(built.get());
    }
    state.counters["heap_MiB"] = static_cast<double>(heap) / (1024.0 * 1024.0);
    state.counters["stations"] = static_cast<double>(index.stations().size());
}

// Building the pinyin index alone (the readings of ICU's data already read), and its heap.
void pinyinIndexBuild(benchmark::State& state) {
    City& c = city();
    const NetworkIndex& index = c.data->index();
    std::size_t heap = 0;
    for (auto _ : state) {
        auto before = mallinfo2().uordblks;
        auto built = std::make_unique<PinyinIndex>(PinyinIndex::build(index));
        heap = mallinfo2().uordblks - before;
        benchmark::DoNotOptimize(built.get());
    }
    state.counters["heap_MiB"] = static_cast<double>(heap) / (1024.0 * 1024.0);
    state.counters["first_build_ms"] = c.firstPinyinBuildMs;
}

// Finding out that no station text folds otherwise than its ASCII lower case.
void foldedIndexBuild(benchmark::State& state) {
    const NetworkIndex& index = city().data->index();
    for (auto _ : state) {
        auto built = std::make_unique<FoldedTextIndex>(FoldedTextIndex::build(index));
        benchmark::DoNotOptimize(built.get());
    }
}

void registerAll() {
    benchmark::RegisterBenchmark("StationTextIndex/build", textIndexBuild)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PinyinIndex/build", pinyinIndexBuild)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("FoldedTextIndex/build", foldedIndexBuild)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Suggest/pinyin/index", pinyinSuggestions)
        ->Iterations(5 * kTexts)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("StationLookup/pinyin/index",
                                 [](benchmark::State& s) { lookups(s, false, true, true); })
        ->Iterations(5 * kTexts)
        ->Unit(benchmark::kMicrosecond);
    for (bool byIndex : {true, false}) {
        const std::string path = byIndex ? "/index" : "/statement";
        // Enough iterations that every text is timed at least once.
        const benchmark::IterationCount each = byIndex ? 5 * kTexts : kTexts;
        benchmark::RegisterBenchmark(("Suggest/commonest-character" + path).c_str(),
                                     [=](benchmark::State& s) { suggestions(s, true, byIndex); })
            ->Iterations(byIndex ? 2000 : 200)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("Suggest/two-or-more-characters" + path).c_str(),
                                     [=](benchmark::State& s) { suggestions(s, false, byIndex); })
            ->Iterations(each)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("StationLookup/typed-name" + path).c_str(),
                                     [=](benchmark::State& s) { lookups(s, false, byIndex); })
            ->Iterations(each)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("StationLookup/picked-line" + path).c_str(),
                                     [=](benchmark::State& s) { lookups(s, true, byIndex); })
            ->Iterations(each)
            ->Unit(benchmark::kMicrosecond);
    }
}

}  // namespace

int main(int argc, char** argv) {
    registerAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
