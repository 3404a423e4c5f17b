#include "core/nutrient_coverage.h"

#include <vector>

#include "core/nutrients.h"

namespace korva {

std::string_view coverageMark(const NutrientCoverage& c, int n) { return c.partial(n) ? "*" : ""; }

std::string coverageNote(const NutrientCoverage& c, int first, int count, std::string_view noun) {
    std::vector<int> nutrients;
    for (int n = first; n < first + count; ++n) nutrients.push_back(n);
    return coverageNote(c, nutrients, noun);
}

std::string coverageNote(const NutrientCoverage& c, std::span<const int> nutrients, std::string_view noun) {
    std::string note;
    for (int n : nutrients) {
        if (!c.partial(n)) continue;
        const bool firstNamed = note.empty();
        note += firstNamed ? "* " : "; ";
        note += std::to_string(c.reportingItems(n)) + " of " + std::to_string(c.items) + ' ';
        if (firstNamed) note += std::string(noun) + ' ';
        note += "report " + std::string(nutrientName(n));
    }
    return note;
}

} // namespace korva
