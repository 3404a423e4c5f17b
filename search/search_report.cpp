#include "search/search_report.h"

#include <algorithm>
#include <array>
#include <string_view>

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

std::vector<std::string_view> cellsOf(std::string_view row) {
    std::vector<std::string_view> cells;
    for (std::size_t start = 0;;) {
        const std::size_t tab = row.find('\t', start);
        cells.push_back(row.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos) return cells;
        start = tab + 1;
    }
}

// The results in blocks of as many nutrient columns as the page holds, each
// row with its food's name, so no column runs past the paper's edge.
void writeResultBlocks(ReportWriter& out, const std::vector<std::string>& rows) {
    constexpr int kFirstStop = 40, kPitch = 8;
    const int perBlock = std::max(1, (out.widthInW() - kFirstStop) / kPitch);
    std::vector<std::vector<std::string_view>> cells;
    std::size_t columns = 0;
    for (const auto& row : rows) {
        cells.push_back(cellsOf(row));
        columns = std::max(columns, cells.back().size() - 1);
    }
    const auto step = static_cast<std::size_t>(perBlock);
    for (std::size_t first = 0; first == 0 || first < columns; first += step) {
        if (first > 0) out.advance(1);
        for (const auto& row : cells) {
            std::string text(row[0]);
            for (std::size_t c = 1 + first; c < row.size() && c < 1 + first + step; ++c) (text += '\t') += row[c];
            out.detail(1, text);
        }
    }
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
    writeResultBlocks(out, s.resultRows);
}

} // namespace korva
