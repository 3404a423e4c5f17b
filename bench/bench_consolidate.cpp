// Consolidating the shipped data base with a full slot file (32 new foods)
// and 30 retired entries: the longest wait behind the "Consolidate" command.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "core/db_state.h"
#include "core/food_data_base.h"
#include "tests/support/temp_root.h"

namespace {

const std::filesystem::path kShippedData = std::filesystem::path(KORVA_SOURCE_DIR) / "data" / "kvdata";

// A copy of the shipped data base with the changes pending, opened as
// start-up opens it.  False when that cannot be done.
bool preparePending(const std::filesystem::path& root, korva::FoodDataBase& db) {
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
    std::filesystem::create_directories(root / "kvdata");
    std::filesystem::copy(kShippedData, root / "kvdata", std::filesystem::copy_options::recursive, ec);
    if (ec || !db.readStateFile() || !db.loadIndex())
        return false;
    for (int i = 0; i < 30 && db.index().totalFoods() > 0; ++i)
        korva::retireFood(db, (static_cast<std::size_t>(i) * 211) % db.index().totalFoods());
    for (int i = 0; i < korva::kUnconsolidatedSlots; ++i) {
        korva::ShortFood e;
        e.name = "bench food " + std::to_string(i);
        e.servingText = "cup";
        e.gramsPerServing = 100.0f;
        e.category = static_cast<std::uint16_t>(i % korva::kCategoryCount);
        e.id = static_cast<std::uint16_t>(korva::kFirstUserFoodId + 1 + i);
        korva::NutrientRecord r;
        r.setValue(0, float(i));
        if (db.addFood(e, r) != korva::FoodDataBase::AddOutcome::added)
            return false;
    }
    return true;
}

void BM_ConsolidateShipped(benchmark::State& state) {
    if (!std::filesystem::exists(kShippedData / "foods.arc") || !std::filesystem::exists(kShippedData / "index.ser")) {
        state.SkipWithError("the shipped data base (data/kvdata) is not there yet");
        return;
    }
    const korva::test::TempRoot temp(korva::test::TempRoot::empty, "korva-bench-consolidate");
    const std::filesystem::path root = temp.root();
    for (auto _ : state) {
        state.PauseTiming();
        korva::FoodDataBase db{korva::DataPaths(root)};
        const bool ready = preparePending(root, db);
        state.ResumeTiming();
        if (!ready) {
            state.SkipWithError("the shipped data base could not be prepared");
            break;
        }
        if (!db.consolidate()) {
            state.SkipWithError("consolidation failed");
            break;
        }
        benchmark::DoNotOptimize(db.index().totalFoods());
    }
}
BENCHMARK(BM_ConsolidateShipped)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
