#pragma once

#include <array>
#include <chrono>
#include <string>
#include <vector>

#include "core/nutrient_record.h"
#include "lists/food_item.h"

namespace korva {

class MipSolver;

// The nutrients a day must stay under; every other nutrient with a target
// is one to reach.
inline constexpr std::array<int, 3> kLimitNutrients{3, 8, 27}; // Sat. Fat, Cholesterol, Sodium
bool isLimitNutrient(int n);

// Amounts move in quarter servings.
inline constexpr float kPlanStep = 0.25f;
inline constexpr float kPlanDefaultMax = 8.0f;
inline constexpr int kDefaultBandPercent = 5;
inline constexpr int kMaxBandPercent = 50;
inline constexpr std::chrono::milliseconds kPlanTimeLimit{2000};

// What the user decided for one item.  A locked item keeps its amount; the
// others take whole quarter servings between min and max.
struct PlanBounds {
    bool locked = false;
    float minServings = 0.0f;
    float maxServings = kPlanDefaultMax;
};

// A nutrient the plan measures against a target.
bool isPlanTarget(const NutrientRecord& targets, int n);

struct PlanRequest {
    std::vector<FoodItem> items;
    std::vector<PlanBounds> bounds; // one per item
    NutrientRecord targets;
    int bandPercent = kDefaultBandPercent; // calories within 100 -/+ this
    std::chrono::milliseconds timeLimit = kPlanTimeLimit;
};

enum class PlanStatus {
    best,
    mayNotBeBest, // stopped at the time limit with the best plan so far
    infeasible,   // `explanation` says which hard limit
    noPlanInTime,
};

struct PlanOutcome {
    PlanStatus status = PlanStatus::noPlanInTime;
    std::vector<float> servings; // one per item when there is a plan
    std::string explanation;
    bool hasPlan() const { return status == PlanStatus::best || status == PlanStatus::mayNotBeBest; }
};

// Solves the request: calories within the band when there is a calorie
// target, the limit nutrients at most 100 %, the least total shortfall of
// the other targets (each as a fraction of its target) and then the least
// movement away from today's amounts.
PlanOutcome planAmounts(const PlanRequest& request, const MipSolver& solver);

// The items with the planned amounts: an item planned at 0 servings leaves
// the list, since an item holds a positive amount.
std::vector<FoodItem> plannedItems(const std::vector<FoodItem>& items, const std::vector<float>& servings);

// The totals of items exactly as a list sums them.
NutrientRecord totalsOf(const std::vector<FoodItem>& items);

// "Calories at 95-105 %" for a band of 5.
std::string calorieBandText(int bandPercent);

} // namespace korva
