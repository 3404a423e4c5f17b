// Nutrients by date over a user with a year of logs, three FoodLists a day:
// the past month and a whole year's date range, read from the log files.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "core/food_data_base.h"
#include "daily/dntr_dialog.h"
#include "daily/log_file.h"
#include "tests/support/quiet_platform.h"
#include "tests/support/temp_root.h"

namespace {

using namespace korva;

// The clock stands at the end of the logged year.
class FixedClock : public test::QuietPlatform {
public:
    LocalDateTime now() override { return {2026, 12, 31, 12, 0, 0}; }
};

struct Fixture {
    test::TempRoot root{test::TempRoot::dataFolders, "korva-bench-daily"};
    FoodDataBase db{root.paths()};
    FixedClock platform;

    Fixture() {
        db.users().setCurrentFileName("user01.rda");
        db.users().current().name = "Ann";
        const LogOwner owner = LogOwner::currentUserOf(db);
        std::filesystem::create_directories(owner.logFolder());
        LogDate d(1, 1, 26);
        for (int i = 0; i < 365; ++i, d.addDays(1)) {
            LogFile day;
            day.setDate(owner, d);
            for (int k = 1; k <= 3; ++k) {
                day.foodListPaths.push_back(
                    (root.paths().foodListDir() / ("fl000" + std::to_string(k) + ".fls")).string());
            }
            for (int n = 0; n < kNutrientCount; ++n) {
                day.totals.setValue(n, float(n + i));
                day.totals.setLevel(n, 1);
            }
            day.write(platform);
        }
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_PastMonth(benchmark::State& state) {
    Fixture& f = fixture();
    DNtrDialog d(f.db, f.platform);
    d.open();
    for (auto _ : state) {
        d.onPastMonth();
        benchmark::DoNotOptimize(d.totalsRows().data());
    }
    state.counters["days"] = d.logSet().found();
}
BENCHMARK(BM_PastMonth)->Unit(benchmark::kMillisecond);

void BM_YearDateRange(benchmark::State& state) {
    Fixture& f = fixture();
    DNtrDialog d(f.db, f.platform);
    d.open();
    d.setFieldText(DNtrDialog::rangeStart, "1/1/26");
    d.setFieldText(DNtrDialog::rangeEnd, "12/31/26");
    for (auto _ : state) {
        d.onDateRange();
        benchmark::DoNotOptimize(d.totalsRows().data());
    }
    state.counters["days"] = d.logSet().found();
}
BENCHMARK(BM_YearDateRange)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
