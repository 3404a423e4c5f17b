#include "daily/totals_rows.h"

#include "core/nutrients.h"

namespace korva {

std::vector<std::string> nutrientTotalsRows(std::vector<std::string> headings, const NutrientRecord& totals,
                                            const NutrientRecord& targets, const NutrientCoverage* coverage) {
    const NutrientTexts values = formatAllValueTexts(totals);
    const NutrientTexts percents = formatAllPercentTexts(totals.values, targets);
    auto row = [&](int i) {
        const auto k = static_cast<std::size_t>(i);
        const bool none = coverage && coverage->reportedByNone(i);
        std::string r = std::string(nutrientName(i)) + '\t' + (none ? std::string(kValueNotAvailable) : values[k]) +
                        '\t' + std::string(nutrientUnit(i)) + '\t' +
                        (none ? std::string(kPercentNotAvailable) : percents[k]);
        if (coverage && coverage->partial(i)) r += "  *";
        return r;
    };
    std::vector<std::string> rows = std::move(headings);
    rows.reserve(rows.size() + kNutrientCount);
    for (int i = 0; i < kStandardNutrientCount; ++i) rows.push_back(row(i));
    for (int i = kNutrientCount - 1; i >= kFirstAminoAcid; --i) rows.push_back(row(i));
    if (coverage) {
        std::string note = coverageNote(*coverage, 0, kNutrientCount);
        if (!note.empty()) {
            rows.emplace_back();
            rows.push_back(std::move(note));
        }
    }
    return rows;
}

} // namespace korva
