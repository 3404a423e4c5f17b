#pragma once

#include <string>
#include <vector>

#include "core/nutrient_record.h"

namespace korva {

// The rows of a day's or a range's nutrient totals after the given heading
// rows: the 29 standard nutrients in catalogue order, then the amino acids
// last one first.  Each row is name, tab, value, tab, unit, tab, percent of
// the user's target.
std::vector<std::string> nutrientTotalsRows(std::vector<std::string> headings, const NutrientRecord& totals,
                                            const NutrientRecord& targets);

// How far a totals list scrolls sideways: 3 × the widest row - 2 × the
// list's width when the widest row does not fit beside a vertical scroll
// bar, else 0.
int totalsListExtent(int widestRow, int clientWidth, int scrollBarWidth);

// Tab stops of the totals lists, in average character widths.
inline constexpr int kTotalsTabStops[] = {18, 25, 33};

} // namespace korva
