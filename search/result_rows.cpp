#include "search/result_rows.h"

#include "core/nutrients.h"
#include "core/printf_text.h"
#include "search/search_engine.h"

namespace korva {

std::vector<int> displayedNutrients(SearchType type, const NutrientSet& minimize, const NutrientSet& maximize) {
    switch (type) {
    case SearchType::MaxOne:
    case SearchType::MaxSeveral: return membersOf(maximize);
    case SearchType::MinMaxSeveral: {
        std::vector<int> both = membersOf(minimize);
        for (int n : membersOf(maximize)) both.push_back(n);
        return both;
    }
    default: return membersOf(minimize);
    }
}

std::string resultHeader(const std::vector<int>& nutrients) {
    std::string row = "FOOD NAME ";
    for (int n : nutrients) {
        row += "\t ";
        row += nutrientAbbreviation(n);
    }
    return row;
}

std::string percentCell(float percent) {
    if (percent > 100.0f) return "\t>100% ";
    return printfText("\t%ld%% ", nearestInteger(static_cast<double>(percent)));
}

std::string resultRow(SearchType type, ComparisonBasis basis, const ShortFood& food, const NutrientRecord& record,
                      const std::vector<int>& nutrients, const NutrientRecord& targets) {
    const bool amounts = type == SearchType::MinOne || type == SearchType::MaxOne;
    std::string row = food.name;
    for (int n : nutrients) {
        if (amounts) {
            const float v = amountOnBasis(record, food.gramsPerServing, n, basis);
            row += printfText("\t %6.2f %s", static_cast<double>(v), std::string(nutrientUnit(n)).c_str());
        } else {
            row += percentCell(percentOnBasis(record, food.gramsPerServing, n, basis, targets));
        }
    }
    return row;
}

std::string servingLine(ComparisonBasis basis, float g, const NutrientRecord& record) {
    const float c = record.value(0);
    // Neither a food without calories nor one without a weight per serving
    // gives an endless number: the first reads per 100 g, as the nutrient
    // view shows it, the second shows no servings.
    const auto servingsOf = [g](float grams) { return g > 0.0f ? static_cast<double>(grams / g) : 0.0; };
    if (basis == ComparisonBasis::Per100Calories && !(c >= kNoCaloriesBelow)) basis = ComparisonBasis::Per100Grams;
    switch (basis) {
    case ComparisonBasis::Per100Grams:
        return printfText("100 gms = %4.1f Servings : %4.0f Calories", servingsOf(100.0f), static_cast<double>(c));
    case ComparisonBasis::Per100Calories: {
        const float w = 100.0f / c * 100.0f;
        return printfText("100 Calories : %5.1f grams = %4.1f servings", static_cast<double>(w), servingsOf(w));
    }
    case ComparisonBasis::OneServing:
        return printfText("1 Serving = %4.1f grams : %4.0f calories", static_cast<double>(g),
                          static_cast<double>(g / 100.0f * c));
    }
    return {};
}

} // namespace korva
