#include "search/search_report.h"

#include <array>

#include "core/nutrients.h"
#include "lists/report_writer.h"

namespace korva {

namespace {

const char* typeText(SearchType t) {
    switch (t) {
    case SearchType::MinOne: return "Minimize One Nutrient";
    case SearchType::MaxOne: return "Maximize One Nutrient";
    case SearchType::MinSeveral: return "Minimize Several Nutrients";
    case SearchType::MaxSeveral: return "Maximize Several Nutrients";
    case SearchType::MinMaxSeveral: return "Minimize and Maximize Nutrients";
    case SearchType::Optimize: break;
    }
    return "OPTIMIZE Food List";
}

const char* basisText(ComparisonBasis b) {
    switch (b) {
    case ComparisonBasis::Per100Grams: return "100.0 GRAMS ";
    case ComparisonBasis::Per100Calories: return "100 CALORIES";
    case ComparisonBasis::OneServing: break;
    }
    return "One Serving (NOTE : serving amounts vary)";
}

const char* displayBasisText(ComparisonBasis b) {
    switch (b) {
    case ComparisonBasis::Per100Grams: return "100.0 GRAMS)";
    case ComparisonBasis::Per100Calories: return "100 CALORIES)";
    case ComparisonBasis::OneServing: break;
    }
    return "One Serving)";
}

// The nutrients the search works on.  A min/max search uses both sets, so
// both are listed; the others use only the set their button chooses.
NutrientSet searchedNutrients(const SearchSummary& s) {
    switch (s.type) {
    case SearchType::MinOne:
    case SearchType::MinSeveral:
    case SearchType::Optimize: return s.minimize;
    case SearchType::MaxOne:
    case SearchType::MaxSeveral: return s.maximize;
    case SearchType::MinMaxSeveral: break;
    }
    return s.minimize | s.maximize;
}

template <std::size_t N>
std::array<int, N> stopsEvery8w(int first) {
    std::array<int, N> stops{};
    for (std::size_t i = 0; i < N; ++i) stops[i] = first + 8 * static_cast<int>(i);
    return stops;
}

} // namespace

void writeSearchReport(ReportWriter& out, const SearchSummary& s) {
    const auto summaryStops = stopsEvery8w<10>(8);
    const auto resultStops = stopsEvery8w<10>(40);
    out.setTabStops(summaryStops);
    out.heading(0, "Korvana : SEARCH RESULTS");
    out.detail(3, std::string("Search Type :  \t") + typeText(s.type));
    out.detail(2, std::string("Foods Comparison :\t") + basisText(s.basis));
    const bool amounts = s.type == SearchType::MinOne || s.type == SearchType::MaxOne;
    out.detail(2, std::string("Search Results Display :\t") +
                      (amounts ? std::string("Comparison type (") + displayBasisText(s.basis)
                               : "%RDA/ODA for user : " + s.userName));
    out.detail(2, "Nutrients in Search : ");
    // Nutrient order puts the standard nutrients before the amino acids.
    for (int n : membersOf(searchedNutrients(s))) out.detail(1, "\t" + std::string(nutrientName(n)));
    out.detail(2, "Categories in SEARCH : ");
    for (int c : membersOf(s.categories)) out.detail(1, "\t" + std::string(categoryName(c)));
    out.heading(3, "Search Results ");
    out.setTabStops(resultStops);
    for (const auto& row : s.resultRows) out.detail(1, row);
}

} // namespace korva
