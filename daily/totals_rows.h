#pragma once

#include <string>
#include <vector>

#include "core/nutrient_coverage.h"
#include "core/nutrient_record.h"

namespace korva {

// The rows of a day's or a range's nutrient totals after the given heading
// rows: the 29 standard nutrients in catalogue order, then the amino acids
// last one first.  Each row is name, tab, value, tab, unit, tab, percent of
// the user's target.  With the items' coverage the rows are the screen's:
// a nutrient no item reports reads "N / A", one that some items do not
// report ends in "  *", and a blank row and the note follow.
std::vector<std::string> nutrientTotalsRows(std::vector<std::string> headings, const NutrientRecord& totals,
                                            const NutrientRecord& targets, const NutrientCoverage* coverage = nullptr);

// Tab stops of the totals lists, in average character widths.
inline constexpr int kTotalsTabStops[] = {18, 25, 33};

} // namespace korva
