#pragma once

#include <optional>
#include <string>

#include "core/nutrient_record.h"
#include "search/search_engine.h"
#include "search/search_request.h"

namespace korva {

class FoodList;

namespace searchmsg {
inline constexpr const char* kNoCategories = " ... can't search, no categories chosen ...";
inline constexpr const char* kOneToMinimize = " ... you must choose only one nutrient to minimize ...";
inline constexpr const char* kOneToMaximize = " ... you must choose only one nutrient to maximize ...";
inline constexpr const char* kCaloriesPer100Calories = " ... can't compare 100 CALORIES to 100 CALORIES ...";
inline constexpr const char* kSeveralToMinimize = " ... you must choose 2 to 5 nutrients to minimize ...";
inline constexpr const char* kSeveralToMaximize = " ... you must choose 2 to 5 nutrients to maximize ...";
inline constexpr const char* kMinAndMax = " ... you must choose 1-5 nutrients to minimize, 1-5 to maximize...";
inline constexpr const char* kNoTarget = " ... nutrients must have AA assigned for multiple search ...";
inline constexpr const char* kNoFoodsToOptimize = " ... can't OPTIMIZE if no foods in FoodList/Recipe ...";
inline constexpr const char* kOptimizeCount = " ... you must choose 1 to 5 nutrients to OPTIMIZE ...";
inline constexpr const char* kOptimizeNoTarget = " ... nutrients must have ODA/RDA assigned for OPTIMIZE search ...";
inline constexpr const char* kOverTarget = "FoodList/Recipe is over 100% ODA/RDA, can't optimize";
// Put between the refusal above and the names of the nutrients that are over.
inline constexpr const char* kOverTargetNames = " : over in ";
inline constexpr const char* kRecordsUnreadable = " ... foods data can't be read, search not done ...";
} // namespace searchmsg

// A target counts only when it is marked and above zero: a zero target
// would make every percentage of it infinite.
bool hasTarget(const NutrientRecord& targets, int n);

// The first check the request fails, as the message to show; none when it
// may run.  `activeList` is the list an optimization works on (none when no
// document is active).
std::optional<std::string> validateSearchRequest(const SearchRequest& request, const NutrientRecord& targets,
                                                 const FoodList* activeList);

// The optimizer's own checks, run after the category check.
std::optional<std::string> validateOptimize(const SearchRequest& request, const NutrientRecord& targets,
                                            const FoodList* activeList);

// What is still missing of each chosen nutrient, in percent of its target
// (0 for the others): (t - T) / t × 100, in double, stored as float.
GapTable computeGaps(const NutrientRecord& totals, const NutrientSet& chosen, const NutrientRecord& targets);

} // namespace korva
