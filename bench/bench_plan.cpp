// Planning the amounts of a list of shipped foods against the default user's
// targets, as the user waits for it after Plan: nine lists of each size, each
// one solved in every iteration.  The counters give the median and the
// slowest single solve, how many lists had a plan and how many stopped at the
// time limit.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "plan/amount_plan.h"
#include "plan/mip_solver.h"
#include "tests/plan/shipped_foods.h"

namespace {

using Clock = std::chrono::steady_clock;

void BM_PlanAmounts(benchmark::State& state) {
    const korva::test::ShippedFoods shipped;
    if (!shipped.ok()) {
        state.SkipWithError("the shipped data base or the default user is not there");
        return;
    }
    const auto solver = korva::makeGlpkSolver();
    std::vector<korva::PlanRequest> lists;
    for (unsigned draw = 1; draw <= 9; ++draw) {
        korva::PlanRequest r;
        r.items = shipped.pick(static_cast<std::size_t>(state.range(0)), draw);
        r.bounds.resize(r.items.size());
        r.targets = shipped.targets();
        lists.push_back(std::move(r));
    }
    std::vector<double> times;
    int planned = 0, stopped = 0;
    for (auto _ : state) {
        planned = stopped = 0;
        for (const korva::PlanRequest& r : lists) {
            const auto start = Clock::now();
            const korva::PlanOutcome out = korva::planAmounts(r, *solver);
            times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            planned += out.hasPlan() ? 1 : 0;
            stopped += out.status == korva::PlanStatus::mayNotBeBest ? 1 : 0;
        }
    }
    std::sort(times.begin(), times.end());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["max_ms"] = times.back();
    state.counters["planned"] = planned;
    state.counters["stopped"] = stopped;
}
BENCHMARK(BM_PlanAmounts)->Arg(5)->Arg(10)->Arg(20)->Arg(40)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
BENCHMARK_MAIN();
