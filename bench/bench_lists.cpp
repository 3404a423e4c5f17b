// Totals of a 50-item food list, the work redone after every change of an
// amount, and reading such a list from its file.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/food_data_base.h"
#include "core/platform.h"
#include "core/short_food.h"
#include "lists/food_list.h"
#include "tests/support/data_tree.h"
#include "tests/support/quiet_platform.h"

namespace {

using namespace korva;

constexpr int kItems = 50;

using test::QuietPlatform;
using test::TempRoot;
using test::writeFoodFiles;

// A data base of 50 foods, one per item, in a folder of its own.
struct Fixture {
    TempRoot root{TempRoot::dataFolders, "korva-bench-lists"};
    FoodDataBase db;
    QuietPlatform platform;
    FoodList list{&db, "01/02/99"};
    std::filesystem::path file = root.paths().foodListDir() / "fifty.fls";

    Fixture() {
        std::vector<ShortFood> entries;
        std::vector<NutrientRecord> records;
        for (int i = 0; i < kItems; ++i) {
            ShortFood e;
            e.id = static_cast<std::uint16_t>(1000 + i);
            e.category = static_cast<std::uint16_t>(i / 3);
            e.name = "Food " + std::to_string(100 + i);
            e.servingText = "1 1/2 cups";
            e.gramsPerServing = 40.0f + float(i);
            entries.push_back(e);
            NutrientRecord r;
            for (int n = 0; n < kNutrientCount; ++n) {
                r.setValue(n, float(n * 3 + i) / 7.0f);
                r.setLevel(n, 1);
            }
            records.push_back(r);
        }
        if (!writeFoodFiles(root.paths(), std::move(entries), std::move(records))) std::abort();
        db.setPaths(root.paths());
        if (!db.loadIndex()) std::abort();
        for (const ShortFood& e : db.index().entries())
            if (!list.addFood(e, kUnitServings)) std::abort();
        if (!list.writeFile(file, platform)) std::abort();
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_RecomputeTotals50(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        f.list.recomputeTotals();
        benchmark::DoNotOptimize(f.list.totals());
    }
}
BENCHMARK(BM_RecomputeTotals50);

// A step of one item's amount: the change and the totals it brings.
void BM_StepAmountOf50(benchmark::State& state) {
    Fixture& f = fixture();
    bool up = true;
    for (auto _ : state) {
        f.list.stepCurrentAmount(up);
        up = !up;
        benchmark::DoNotOptimize(f.list.pctFat());
    }
}
BENCHMARK(BM_StepAmountOf50);

// Opening the list: the file, 50 id look-ups and 50 record reads.
void BM_ReadFile50(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        FoodList l(&f.db);
        if (l.readFile(f.file, false, f.platform) != kReadOk) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(l.itemCount());
    }
}
BENCHMARK(BM_ReadFile50);

} // namespace

BENCHMARK_MAIN();
