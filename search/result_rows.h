#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/nutrient_record.h"
#include "core/short_food.h"
#include "search/search_request.h"

namespace korva {

// Tab stops of the results list, in the units of the program's tabbed
// lists: 36, then every 8.
inline constexpr std::array<int, 10> kResultTabStops = {36, 44, 52, 60, 68, 76, 84, 92, 100, 108};

// The nutrients a type shows as columns: its minimize set, its maximize
// set, or (minimize and maximize) both in that order.
std::vector<int> displayedNutrients(SearchType type, const NutrientSet& minimize, const NutrientSet& maximize);

// "FOOD NAME " and a column heading per displayed nutrient.
std::string resultHeader(const std::vector<int>& nutrients);

// One result row: the food's name and a cell per displayed nutrient, the
// amount for the one-nutrient types and the percentage of target for the
// others.
std::string resultRow(SearchType type, ComparisonBasis basis, const ShortFood& food, const NutrientRecord& record,
                      const std::vector<int>& nutrients, const NutrientRecord& targets);

// The cell of a percentage: "\t57% " or, above 100, "\t>100% ".
std::string percentCell(float percent);

// Calories per 100 g below this cannot be shown per 100 calories.
inline constexpr float kNoCaloriesBelow = 1e-10f;

// The line under the results that tells what the basis amount of the food
// is in the other units.
std::string servingLine(ComparisonBasis basis, float gramsPerServing, const NutrientRecord& record);

} // namespace korva
