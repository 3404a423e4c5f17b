#include "daily/totals_rows.h"

#include "core/nutrients.h"

namespace korva {

std::vector<std::string> nutrientTotalsRows(std::vector<std::string> headings, const NutrientRecord& totals,
                                            const NutrientRecord& targets) {
    const NutrientTexts values = formatAllValueTexts(totals);
    const NutrientTexts percents = formatAllPercentTexts(totals.values, targets);
    auto row = [&](int i) {
        const auto k = static_cast<std::size_t>(i);
        return std::string(nutrientName(i)) + '\t' + values[k] + '\t' + std::string(nutrientUnit(i)) + '\t' +
               percents[k];
    };
    std::vector<std::string> rows = std::move(headings);
    rows.reserve(rows.size() + kNutrientCount);
    for (int i = 0; i < kStandardNutrientCount; ++i) rows.push_back(row(i));
    for (int i = kNutrientCount - 1; i >= kFirstAminoAcid; --i) rows.push_back(row(i));
    return rows;
}

} // namespace korva
