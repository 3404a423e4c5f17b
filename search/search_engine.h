#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "core/nutrient_record.h"
#include "search/search_request.h"

namespace korva {

class FoodDataBase;

// What one search found: index positions of the kept foods, best first.
// `complete` is false when some records could not be read, so that the
// caller can say so instead of showing a ranking of part of the foods.
struct SearchOutcome {
    std::vector<std::size_t> positions;
    bool complete = true;
};

// The gap still open in a list for each nutrient, in percent of its target.
using GapTable = std::array<float, kNutrientCount>;

// A food's amount of nutrient n on the basis, from its values per 100 g and
// its grams per serving (single precision throughout, as the rankings are).
float amountOnBasis(const NutrientRecord& record, float gramsPerServing, int n, ComparisonBasis basis);
// The same amount in percent of the target: 100 × (amount / target).
float percentOnBasis(const NutrientRecord& record, float gramsPerServing, int n, ComparisonBasis basis,
                     const NutrientRecord& targets);

// Runs the engine of the request's type over its categories.  The request
// must have passed `validateSearchRequest`; `gaps` is read by the optimizer
// only.
SearchOutcome runSearch(FoodDataBase& db, const SearchRequest& request, const NutrientRecord& targets,
                        const GapTable* gaps = nullptr);

SearchOutcome searchOneNutrient(FoodDataBase& db, const SearchRequest& request, int n, bool minimize);
SearchOutcome searchMinSeveral(FoodDataBase& db, const SearchRequest& request, const NutrientRecord& targets);
SearchOutcome searchMaxSeveral(FoodDataBase& db, const SearchRequest& request, const NutrientRecord& targets);
SearchOutcome searchMinMaxSeveral(FoodDataBase& db, const SearchRequest& request, const NutrientRecord& targets);
SearchOutcome searchOptimize(FoodDataBase& db, const SearchRequest& request, const NutrientRecord& targets,
                             const GapTable& gaps);

} // namespace korva
