#include "plan/amount_plan.h"

#include <algorithm>
#include <cmath>

#include "core/nutrients.h"
#include "core/printf_text.h"
#include "lists/item_list.h"
#include "plan/mip_solver.h"

namespace korva {

namespace {

// Hard limits are kept a hair inside, so that a list's single-precision
// sums land inside them too.
constexpr double kInside = 0.0;
// The cost of moving one serving away from today's amount: small beside
// any shortfall worth a plan, enough to keep what the user chose.
constexpr double kMoveCost = 1e-3;
constexpr double kQuarters = 1.0 / double(kPlanStep);

// One serving's worth of nutrient n, as a list's totals count it; data a
// food does not have counts 0.
float perServing(const FoodItem& item, int n) {
    if (item.record().level(n) <= 0) return 0.0f;
    const float v = item.record().value(n) * (item.gramsPerServing() / 100.0f);
    return std::isfinite(v) ? v : 0.0f;
}

struct Band {
    double lower, upper;
};

class Model {
public:
    explicit Model(const PlanRequest& r) : r_(r) {
        for (std::size_t i = 0; i < r.items.size(); ++i) {
            const PlanBounds& b = r.bounds[i];
            if (b.locked) {
                steps_.push_back(-1);
                continue;
            }
            const double lo = std::ceil(double(b.minServings) * kQuarters - 1e-9);
            const double up = std::max(lo, std::floor(double(b.maxServings) * kQuarters + 1e-9));
            steps_.push_back(p_.addColumn({lo, up, 0.0, true}));
        }
    }

    const MipProblem& problem() const { return p_; }
    const std::vector<int>& steps() const { return steps_; }
    double target(int n) const { return double(r_.targets.value(n)); }

    double locked(int n) const {
        double sum = 0.0;
        for (std::size_t i = 0; i < r_.items.size(); ++i)
            if (steps_[i] < 0) sum += double(perServing(r_.items[i], n)) * double(r_.items[i].servings());
        return sum;
    }
    std::vector<std::pair<int, double>> amountTerms(int n) const {
        std::vector<std::pair<int, double>> terms;
        for (std::size_t i = 0; i < r_.items.size(); ++i)
            if (steps_[i] >= 0) terms.push_back({steps_[i], double(perServing(r_.items[i], n)) * double(kPlanStep)});
        return terms;
    }
    // lower <= amount of n <= upper, for the whole list.
    void bound(int n, double lower, double upper) {
        const double fixed = locked(n);
        p_.rows.push_back({amountTerms(n), lower - fixed, upper - fixed});
    }
    Band band() const {
        const double t = target(0), b = r_.bandPercent / 100.0;
        return {t * (1.0 - b) * (1.0 + kInside), t * (1.0 + b) * (1.0 - kInside)};
    }
    void keepBand() {
        if (isPlanTarget(r_.targets, 0)) bound(0, band().lower, band().upper);
    }
    void keepUnder(int n) { bound(n, -kUnbounded, target(n) * (1.0 - kInside)); }
    void keepAllLimits() {
        for (int n : kLimitNutrients)
            if (isPlanTarget(r_.targets, n)) keepUnder(n);
    }
    void minimise(int n) {
        for (const auto& [col, a] : amountTerms(n)) p_.columns[std::size_t(col)].cost = a;
    }
    // Each shortfall costs its fraction of the target; each serving moved
    // costs a little.
    void addShortfalls() {
        for (int n = 1; n < kNutrientCount; ++n) {
            if (!isPlanTarget(r_.targets, n) || isLimitNutrient(n)) continue;
            const int gap = p_.addColumn({0.0, 1.0, 1.0, false});
            auto terms = amountTerms(n);
            terms.push_back({gap, target(n)});
            p_.rows.push_back({std::move(terms), target(n) - locked(n), kUnbounded});
        }
        for (std::size_t i = 0; i < r_.items.size(); ++i) {
            if (steps_[i] < 0) continue;
            const double today = double(r_.items[i].servings());
            const int moved = p_.addColumn({0.0, kUnbounded, kMoveCost, false});
            p_.rows.push_back({{{steps_[i], double(kPlanStep)}, {moved, -1.0}}, -kUnbounded, today});
            p_.rows.push_back({{{steps_[i], double(kPlanStep)}, {moved, 1.0}}, today, kUnbounded});
        }
    }

private:
    const PlanRequest& r_;
    MipProblem p_;
    std::vector<int> steps_;
};

std::string percentText(double amount, double target) {
    return printfText("%ld %%", percentOfTarget(float(amount), float(target)).value_or(0));
}

std::string joinNames(const std::vector<std::string>& names, const char* lastJoin) {
    std::string s;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) s += i + 1 == names.size() ? lastJoin : ", ";
        s += names[i];
    }
    return s;
}

class Diagnosis {
public:
    Diagnosis(const PlanRequest& r, const MipSolver& solver) : r_(r), solver_(solver) {}

    std::string explain() const {
        const bool calories = isPlanTarget(r_.targets, 0);
        const std::string band = calorieBandText(r_.bandPercent);
        if (calories) {
            Model m(r_);
            m.keepBand();
            if (solver_.solve(m.problem(), r_.timeLimit).status == MipStatus::infeasible)
                return "no amounts of these foods keep " + band + ": " + calorieReason(m);
        }
        std::vector<std::string> limits;
        for (int n : kLimitNutrients) {
            if (!isPlanTarget(r_.targets, n)) continue;
            limits.push_back(std::string(nutrientName(n)));
            Model m(r_);
            m.keepBand();
            m.minimise(n);
            const MipResult least = solver_.solve(m.problem(), r_.timeLimit);
            if (!least.hasSolution()) continue;
            const double lowest = m.locked(n) + least.objective;
            if (lowest < m.target(n) * (1.0 - kInside)) continue;
            const std::string name(nutrientName(n));
            const std::string head =
                calories ? "no amounts of these foods keep " + band + " while " + name + " stays under 100 %: "
                         : "no amounts of these foods keep " + name + " under 100 %: ";
            return head + name + " is " + lockedOrLeast(m, n, lowest);
        }
        return "no amounts of these foods keep " + band + " while " + joinNames(limits, " and ") + " stay under 100 %";
    }

private:
    // "131 % with the locked Chicken noodle soup alone", or "at least 131 %".
    std::string lockedOrLeast(const Model& m, int n, double lowest) const {
        const double fixed = m.locked(n);
        if (fixed < m.target(n) * (1.0 - kInside)) return "at least " + percentText(lowest, m.target(n));
        std::vector<std::string> names;
        for (std::size_t i = 0; i < r_.items.size(); ++i)
            if (m.steps()[i] < 0 && perServing(r_.items[i], n) > 0.0f) names.push_back(r_.items[i].name());
        return percentText(fixed, m.target(n)) + " with the locked " + joinNames(names, " and ") + " alone";
    }

    std::string calorieReason(const Model& m) const {
        double most = m.locked(0);
        double least = most;
        for (std::size_t i = 0; i < r_.items.size(); ++i) {
            if (m.steps()[i] < 0) continue;
            const double col = double(perServing(r_.items[i], 0)) * double(kPlanStep);
            least += col * m.problem().columns[std::size_t(m.steps()[i])].lower;
            most += col * m.problem().columns[std::size_t(m.steps()[i])].upper;
        }
        if (least > m.band().upper) return "Calories are " + lockedOrLeast(m, 0, least);
        if (most < m.band().lower) return "Calories reach at most " + percentText(most, m.target(0));
        return "no quarter-serving steps land inside it";
    }

    const PlanRequest& r_;
    const MipSolver& solver_;
};

} // namespace

bool isLimitNutrient(int n) {
    return std::find(kLimitNutrients.begin(), kLimitNutrients.end(), n) != kLimitNutrients.end();
}

bool isPlanTarget(const NutrientRecord& targets, int n) {
    const int level = targets.level(n);
    const float t = targets.value(n);
    return (level == 1 || level == 2) && std::isfinite(t) && t > 0.0f;
}

std::string calorieBandText(int bandPercent) {
    return printfText("Calories at %d-%d %%", 100 - bandPercent, 100 + bandPercent);
}

PlanOutcome planAmounts(const PlanRequest& request, const MipSolver& solver) {
    Model m(request);
    m.keepBand();
    m.keepAllLimits();
    m.addShortfalls();
    const MipResult r = solver.solve(m.problem(), request.timeLimit);
    PlanOutcome out;
    switch (r.status) {
    case MipStatus::optimal: out.status = PlanStatus::best; break;
    case MipStatus::stoppedEarly:
        out.status = PlanStatus::mayNotBeBest;
        out.explanation = "may not be the best";
        break;
    case MipStatus::infeasible:
        out.status = PlanStatus::infeasible;
        out.explanation = Diagnosis(request, solver).explain();
        return out;
    case MipStatus::noSolution:
        out.status = PlanStatus::noPlanInTime;
        out.explanation = "no plan was found in the time allowed";
        return out;
    }
    for (std::size_t i = 0; i < request.items.size(); ++i) {
        const int col = m.steps()[i];
        out.servings.push_back(col < 0 ? request.items[i].servings()
                                       : float(std::round(r.values[std::size_t(col)])) * kPlanStep);
    }
    return out;
}

std::vector<FoodItem> plannedItems(const std::vector<FoodItem>& items, const std::vector<float>& servings) {
    std::vector<FoodItem> planned;
    for (std::size_t i = 0; i < items.size() && i < servings.size(); ++i) {
        if (!(servings[i] > 0.0f)) continue;
        planned.push_back(items[i]);
        planned.back().setServings(servings[i]);
    }
    return planned;
}

NutrientRecord totalsOf(const std::vector<FoodItem>& items) {
    ItemList list;
    for (const FoodItem& item : items) list.append(item);
    list.recomputeTotals();
    return list.totals();
}

} // namespace korva
