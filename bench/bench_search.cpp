// Name search as the user waits for it after typing a name and Enter in a
// FoodList: every food of the shipped index compared, up to 64 kept.  A word
// that matches nothing is the slowest case, since the whole index is walked.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "core/food_data_base.h"
#include "search/food_finder.h"

namespace {

const korva::DataPaths kShipped{std::filesystem::path(KORVA_SOURCE_DIR) / "data"};

std::unique_ptr<korva::FoodDataBase> shippedIndex(benchmark::State& state) {
    if (!std::filesystem::exists(kShipped.indexSer())) {
        state.SkipWithError("the shipped data base (data/kvdata/index.ser) is not there yet");
        return nullptr;
    }
    auto db = std::make_unique<korva::FoodDataBase>(kShipped);
    if (!db->loadIndex()) {
        state.SkipWithError("the shipped index.ser does not load");
        return nullptr;
    }
    return db;
}

void searchFor(benchmark::State& state, const char* name) {
    auto db = shippedIndex(state);
    if (!db) return;
    std::size_t found = 0;
    for (auto _ : state) {
        auto matches = korva::findFoodsByName(*db, name);
        found = matches.size();
        benchmark::DoNotOptimize(matches.data());
    }
    state.counters["matches"] = static_cast<double>(found);
    state.counters["foods"] = static_cast<double>(db->index().totalFoods());
}

void BM_NameSearchChicken(benchmark::State& state) { searchFor(state, "chicken"); }
BENCHMARK(BM_NameSearchChicken)->Unit(benchmark::kMicrosecond);

void BM_NameSearchNoMatch(benchmark::State& state) { searchFor(state, "zqxwvy"); }
BENCHMARK(BM_NameSearchNoMatch)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
