#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "core/nutrient_record.h"

namespace korva {

// Catalogue positions of the nutrients the lists name by themselves.
namespace nutrient {
inline constexpr int kCalories = 0;
inline constexpr int kProtein = 1;
inline constexpr int kTotalFat = 2;
inline constexpr int kCarbohydrate = 6;
inline constexpr int kFiber = 7;
inline constexpr int kCholesterol = 8;
} // namespace nutrient

// One line of a "NUTRIENT  TOTALS" box: its label, the figure and the unit.
struct TotalsLine {
    const char* label;
    std::string value;
    const char* unit;
};

// The figures a totals box shows: whole calories, five nutrients of
// `values` and the calorie split in percent.
struct TotalsFigures {
    long calories = 0;
    NutrientRecord values;
    int pctFat = 0;
    int pctProtein = 0;
    int pctCarbohydrate = 0;
};

inline constexpr std::size_t kTotalsLines = 9;
using TotalsBox = std::array<TotalsLine, kTotalsLines>;

// Calories, Protein, Total Fat, Carbohydrate, Fiber, Cholesterol and the
// three "% cal" lines; all zero from default figures.
TotalsBox totalsBox(const TotalsFigures& f = {});

} // namespace korva
