// The food finder as the user waits for it: the whole shipped index ranked
// again at every key.  Each of 100 typed prefixes of common foods is timed
// on its own; the counters give the median and the worst of those times in
// milliseconds, and the memory the finder's word index takes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "core/food_data_base.h"
#include "search/find_food_dialog.h"
#include "search/food_word_index.h"

namespace {

const korva::DataPaths kShipped{std::filesystem::path(KORVA_SOURCE_DIR) / "data"};

const char* const kFoods[] = {
    "kidney beans",
    "broccoli cooked",
    "milk reduced fat",
    "bananas raw",
    "apples raw",
    "orange juice",
    "chicken breast roasted",
    "eggs scrambled",
    "peanut butter",
    "cheddar cheese",
    "bread whole wheat",
    "rice cooked",
    "potatoes baked",
    "ground beef",
    "tuna canned",
    "frozen peas",
    "carrots ckd",
    "spinach raw",
    "yogurt plain",
    "oatmeal cooked",
    "pasta cooked",
    "salmon baked",
    "turkey roasted",
    "strawberries",
    "blueberries frozen",
    "coffee brewed",
    "butter without salt",
    "olive oil",
    "chocolate milk",
    "ice cream vanilla",
    "pork chops",
    "sweet potato",
    "lentils cooked",
    "green beans canned",
};

// Three prefixes of each food (its first word cut short, half of it, all
// of it), 100 in all.
std::vector<std::string> typedPrefixes() {
    std::vector<std::string> out;
    for (const char* food : kFoods) {
        const std::string f = food;
        for (std::size_t cut : {std::min<std::size_t>(3, f.size()), (f.size() + 1) / 2, f.size()})
            if (out.size() < 100) out.push_back(f.substr(0, cut));
    }
    return out;
}

bool loadShipped(benchmark::State& state, korva::FoodDataBase& db) {
    if (!std::filesystem::exists(kShipped.indexSer()) || !db.loadIndex()) {
        state.SkipWithError("the shipped index (data/kvdata/index.ser) does not load");
        return false;
    }
    return true;
}

double percentileMs(std::vector<double> times, double at) {
    std::sort(times.begin(), times.end());
    return times[static_cast<std::size_t>(at * static_cast<double>(times.size() - 1))];
}

void BM_FinderRanksTypedPrefixes(benchmark::State& state) {
    korva::FoodDataBase db(kShipped);
    if (!loadShipped(state, db)) return;
    const korva::FoodWordIndex words(db.index().entries());
    const korva::RecentFoods recent;
    const std::vector<std::string> typed = typedPrefixes();
    std::vector<std::vector<double>> times(typed.size());
    for (auto _ : state) {
        for (std::size_t i = 0; i < typed.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            auto found = words.find(typed[i], recent);
            benchmark::DoNotOptimize(found.positions.data());
            times[i].push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
    }
    // Each text's own median, so that one preemption does not make a worst.
    std::vector<double> medians;
    for (const auto& t : times) medians.push_back(percentileMs(t, 0.5));
    state.counters["texts"] = static_cast<double>(typed.size());
    state.counters["median_ms"] = percentileMs(medians, 0.5);
    state.counters["worst_ms"] = percentileMs(medians, 1.0);
    state.counters["index_bytes"] = static_cast<double>(words.memoryBytes());
    state.counters["foods"] = static_cast<double>(words.foodCount());
}
BENCHMARK(BM_FinderRanksTypedPrefixes)->Unit(benchmark::kMillisecond);

// What one key costs in the finder: ranking and the rows it shows.
void BM_FinderKeyInDialog(benchmark::State& state) {
    korva::FoodDataBase db(kShipped);
    if (!loadShipped(state, db)) return;
    const korva::RecentFoods recent;
    korva::FindFoodDialog dialog(db, recent);
    const std::vector<std::string> typed = typedPrefixes();
    std::size_t k = 0;
    for (auto _ : state) {
        dialog.onTextEdited(typed[k++ % typed.size()]);
        benchmark::DoNotOptimize(dialog.rows().data());
    }
}
BENCHMARK(BM_FinderKeyInDialog)->Unit(benchmark::kMicrosecond);

// Made afresh each time the finder opens.
void BM_FinderIndexBuild(benchmark::State& state) {
    korva::FoodDataBase db(kShipped);
    if (!loadShipped(state, db)) return;
    for (auto _ : state) {
        korva::FoodWordIndex words(db.index().entries());
        benchmark::DoNotOptimize(&words);
    }
}
BENCHMARK(BM_FinderIndexBuild)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
