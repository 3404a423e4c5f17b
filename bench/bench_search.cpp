// Name search as the user waits for it after typing a name and Enter in a
// FoodList: every food of the shipped index compared, up to 64 kept.  A word
// that matches nothing is the slowest case, since the whole index is walked.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "core/food_data_base.h"
#include "search/food_finder.h"
#include "search/food_scan.h"
#include "search/search_engine.h"

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
    db->state().archived =
        static_cast<std::int32_t>(std::filesystem::file_size(kShipped.foodsArc()) / korva::NutrientRecord::kBytes);
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

// The nutrient searches over all 24 categories, against the bare block scan
// that every one of them is built on: the difference is the scoring and
// ranking.  Five nutrients where the type takes several.
void scanAll(korva::FoodDataBase& db) {
    float sink = 0.0f;
    korva::FoodScan scan(db);
    for (int c = 0; c < korva::kCategoryCount; ++c)
        scan.category(
            c, [&](std::size_t, const korva::ShortFood&, const korva::NutrientRecord& r) { sink += r.value(0); });
    benchmark::DoNotOptimize(sink);
}

double seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Median of a few bare scans, taken next to each engine so that both see
// the same machine load.
double scanMedian(korva::FoodDataBase& db) {
    std::vector<double> t;
    for (int i = 0; i < 7; ++i) {
        const auto start = std::chrono::steady_clock::now();
        scanAll(db);
        t.push_back(seconds(start));
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

void BM_BlockScan(benchmark::State& state) {
    auto db = shippedIndex(state);
    if (!db) return;
    for (auto _ : state) scanAll(*db);
}
BENCHMARK(BM_BlockScan)->Unit(benchmark::kMicrosecond);

void searchEverything(benchmark::State& state, korva::SearchType type) {
    auto db = shippedIndex(state);
    if (!db) return;
    korva::SearchRequest r;
    r.type = type;
    r.basis = korva::ComparisonBasis::OneServing;
    r.size = static_cast<int>(state.range(0));
    r.categories.set();
    const int five[] = {1, 7, 12, 19, 21};
    const bool one = type == korva::SearchType::MinOne || type == korva::SearchType::MaxOne;
    for (int n : five) {
        if (type != korva::SearchType::MaxOne && type != korva::SearchType::MaxSeveral) r.minimize.set(std::size_t(n));
        if (type != korva::SearchType::MinOne && type != korva::SearchType::MinSeveral &&
            type != korva::SearchType::Optimize)
            r.maximize.set(std::size_t(n == 1 ? 8 : n + 1));
        if (one) break;
    }
    korva::NutrientRecord targets;
    for (int n = 0; n < korva::kNutrientCount; ++n) {
        targets.setValue(n, 50.0f);
        targets.setLevel(n, 2);
    }
    korva::GapTable gaps{};
    for (int n : five) gaps[std::size_t(n)] = 60.0f;
    std::size_t found = 0;
    std::vector<double> times;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        auto out = korva::runSearch(*db, r, targets, &gaps);
        times.push_back(seconds(start));
        found = out.positions.size();
        benchmark::DoNotOptimize(out.positions.data());
    }
    state.counters["found"] = static_cast<double>(found);
    std::sort(times.begin(), times.end());
    if (!times.empty()) state.counters["x_scan"] = times[times.size() / 2] / scanMedian(*db);
}

void BM_SearchOptimize(benchmark::State& s) { searchEverything(s, korva::SearchType::Optimize); }
void BM_SearchMinOne(benchmark::State& s) { searchEverything(s, korva::SearchType::MinOne); }
void BM_SearchMaxOne(benchmark::State& s) { searchEverything(s, korva::SearchType::MaxOne); }
void BM_SearchMinSeveral(benchmark::State& s) { searchEverything(s, korva::SearchType::MinSeveral); }
void BM_SearchMaxSeveral(benchmark::State& s) { searchEverything(s, korva::SearchType::MaxSeveral); }
void BM_SearchMinMaxSeveral(benchmark::State& s) { searchEverything(s, korva::SearchType::MinMaxSeveral); }
BENCHMARK(BM_SearchOptimize)->Arg(20)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SearchMinOne)->Arg(20)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SearchMaxOne)->Arg(20)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SearchMinSeveral)->Arg(20)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SearchMaxSeveral)->Arg(20)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SearchMinMaxSeveral)->Arg(20)->Arg(100)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
