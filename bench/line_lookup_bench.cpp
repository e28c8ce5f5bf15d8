// Line lookup answered from the network index, pieces included, on the sample city and on a
// city ten times its size; and what building the index costs in time and heap.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <map>
#include <memory>

#include "network/BusData.h"
#include "query/PieceRecorder.h"
#include "query/Query.h"
#include "sample/SampleCity.h"
#include "support/TempDir.h"

namespace {

using namespace busquery;

// One generated city per scale, kept for the whole run.
struct City {
    test::TempDir dir;
    std::filesystem::path file;
    std::unique_ptr<BusData> data;
};

City& city(int scale) {
    static std::map<int, std::unique_ptr<City>> cities;
    auto& slot = cities[scale];
    if (!slot) {
        slot = std::make_unique<City>();
        slot->file = slot->dir / "busdata";
        writeSampleCity(slot->file, SampleCityOptions{2009, scale});
        slot->data = std::make_unique<BusData>(slot->file);
        slot->data->refresh();
    }
    return *slot;
}

void lineLookup(benchmark::State& state, int scale, const char* request) {
    City& c = city(scale);
    Query query(*c.data);
    PieceRecorder pane;
    for (auto _ : state) {
        query.run(QueryInput{request, "", "", "", ""}, pane);
        benchmark::DoNotOptimize(pane.pieces().data());
    }
    state.counters["lines"] = query.state().lngRecordNum;
}

void indexBuild(benchmark::State& state, int scale) {
    City& c = city(scale);
    BusDatabase database(c.file);
    std::size_t heap = 0;
    for (auto _ : state) {
        auto before = mallinfo2().uordblks;
        auto index = std::make_unique<NetworkIndex>(NetworkIndex::build(database));
        heap = mallinfo2().uordblks - before;
        benchmark::DoNotOptimize(index.get());
    }
    state.counters["heap_MiB"] = static_cast<double>(heap) / (1024.0 * 1024.0);
}

void registerAll() {
    for (int scale : {1, 10}) {
        for (const char* request : {"12", "12路", "夜1", "地铁", "B1"}) {
            benchmark::RegisterBenchmark(
                ("LineLookup/scale" + std::to_string(scale) + "/" + request).c_str(),
                [=](benchmark::State& s) { lineLookup(s, scale, request); })
                ->Repetitions(5)
                ->ReportAggregatesOnly()
                ->Unit(benchmark::kMicrosecond);
        }
        benchmark::RegisterBenchmark(("IndexBuild/scale" + std::to_string(scale)).c_str(),
                                     [=](benchmark::State& s) { indexBuild(s, scale); })
            ->Unit(benchmark::kMillisecond);
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
