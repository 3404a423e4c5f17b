// What the user waits for on the shipped data base: loading the food index at
// start-up, and reading every category's records in blocks as a search does.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/food_data_base.h"

namespace {

const korva::DataPaths kShipped{std::filesystem::path(KORVA_SOURCE_DIR) / "data"};

bool shippedDataPresent(benchmark::State& state) {
    if (std::filesystem::exists(kShipped.indexSer()) && std::filesystem::exists(kShipped.foodsArc())) return true;
    state.SkipWithError("the shipped data base (data/kvdata/index.ser and foods.arc) is not there yet");
    return false;
}

void BM_LoadIndex(benchmark::State& state) {
    if (!shippedDataPresent(state)) return;
    for (auto _ : state) {
        korva::FoodDataBase db(kShipped);
        if (!db.loadIndex()) {
            state.SkipWithError("the shipped index.ser does not load");
            return;
        }
        benchmark::DoNotOptimize(db.index().totalFoods());
    }
}
BENCHMARK(BM_LoadIndex)->Unit(benchmark::kMillisecond);

void BM_ScanEveryCategory(benchmark::State& state) {
    if (!shippedDataPresent(state)) return;
    korva::FoodDataBase db(kShipped);
    if (!db.loadIndex()) {
        state.SkipWithError("the shipped index.ser does not load");
        return;
    }
    db.state().archived = static_cast<std::int32_t>(std::filesystem::file_size(kShipped.foodsArc()) /
                                                    korva::NutrientRecord::kBytes);
    std::int64_t records = 0;
    for (auto _ : state) {
        float sum = 0;
        for (int c = 0; c < korva::kCategoryCount; ++c) {
            if (!db.records().startCategoryScan(c)) {
                state.SkipWithError("foods.arc cannot be opened");
                return;
            }
            for (int left = db.index().foodCount(c); left > 0;) {
                const int n = db.records().readNextBlock();
                if (n == 0) break;
                for (int s = 0; s < n && s < left; ++s) sum += db.records().blockRecord(s).value(0);
                left -= n;
                records += n;
            }
        }
        db.records().endCategoryScan();
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(records);
}
BENCHMARK(BM_ScanEveryCategory)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
