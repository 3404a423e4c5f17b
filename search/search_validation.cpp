#include "search/search_validation.h"

#include "core/nutrients.h"
#include "lists/food_list.h"

namespace korva {

namespace {

constexpr int kCalories = 0;

bool allHaveTargets(const NutrientSet& set, const NutrientRecord& targets) {
    for (int n : membersOf(set))
        if (!hasTarget(targets, n)) return false;
    return true;
}

bool caloriesPer100Calories(const SearchRequest& r, const NutrientSet& set) {
    return r.basis == ComparisonBasis::Per100Calories && set.test(kCalories);
}

bool outside(std::size_t count, std::size_t low, std::size_t high) { return count < low || count > high; }

} // namespace

bool hasTarget(const NutrientRecord& targets, int n) { return targets.level(n) != 0 && targets.value(n) > 0.0f; }

std::optional<std::string> validateOptimize(const SearchRequest& r, const NutrientRecord& targets,
                                            const FoodList* list) {
    if (!list || list->itemCount() == 0) return searchmsg::kNoFoodsToOptimize;
    if (outside(r.minimize.count(), 1, kMaxSearchNutrients)) return searchmsg::kOptimizeCount;
    if (!allHaveTargets(r.minimize, targets)) return searchmsg::kOptimizeNoTarget;
    if (caloriesPer100Calories(r, r.minimize)) return searchmsg::kCaloriesPer100Calories;
    // The refusal names every nutrient that is over, so the user knows
    // which to take out of the search.
    std::string over;
    for (int n : membersOf(r.minimize))
        if (list->totals().value(n) > targets.value(n))
            over += (over.empty() ? "" : ", ") + std::string(nutrientName(n));
    if (!over.empty()) return std::string(searchmsg::kOverTarget) + searchmsg::kOverTargetNames + over;
    return std::nullopt;
}

std::optional<std::string> validateSearchRequest(const SearchRequest& r, const NutrientRecord& targets,
                                                 const FoodList* list) {
    if (r.categories.none()) return searchmsg::kNoCategories;
    switch (r.type) {
    case SearchType::Optimize: return validateOptimize(r, targets, list);
    case SearchType::MinOne:
        if (r.minimize.count() != 1) return searchmsg::kOneToMinimize;
        if (caloriesPer100Calories(r, r.minimize)) return searchmsg::kCaloriesPer100Calories;
        break;
    case SearchType::MaxOne:
        if (r.maximize.count() != 1) return searchmsg::kOneToMaximize;
        if (caloriesPer100Calories(r, r.maximize)) return searchmsg::kCaloriesPer100Calories;
        break;
    case SearchType::MinSeveral:
        if (outside(r.minimize.count(), 2, kMaxSearchNutrients)) return searchmsg::kSeveralToMinimize;
        if (!allHaveTargets(r.minimize, targets)) return searchmsg::kNoTarget;
        if (caloriesPer100Calories(r, r.minimize)) return searchmsg::kCaloriesPer100Calories;
        break;
    case SearchType::MaxSeveral:
        if (outside(r.maximize.count(), 2, kMaxSearchNutrients)) return searchmsg::kSeveralToMaximize;
        if (!allHaveTargets(r.maximize, targets)) return searchmsg::kNoTarget;
        if (caloriesPer100Calories(r, r.maximize)) return searchmsg::kCaloriesPer100Calories;
        break;
    case SearchType::MinMaxSeveral:
        if (outside(r.minimize.count(), 1, kMaxSearchNutrients) || outside(r.maximize.count(), 1, kMaxSearchNutrients))
            return searchmsg::kMinAndMax;
        if (!allHaveTargets(r.minimize, targets) || !allHaveTargets(r.maximize, targets)) return searchmsg::kNoTarget;
        if (caloriesPer100Calories(r, r.minimize) || caloriesPer100Calories(r, r.maximize))
            return searchmsg::kCaloriesPer100Calories;
        break;
    }
    return std::nullopt;
}

GapTable computeGaps(const NutrientRecord& totals, const NutrientSet& chosen, const NutrientRecord& targets) {
    GapTable gaps{};
    for (int n = 0; n < kNutrientCount; ++n) {
        if (!chosen.test(static_cast<std::size_t>(n))) continue;
        const double t = targets.value(n);
        gaps[static_cast<std::size_t>(n)] = static_cast<float>((t - static_cast<double>(totals.value(n))) / t * 100.0);
    }
    return gaps;
}

} // namespace korva
