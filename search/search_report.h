#pragma once

#include <string>
#include <vector>

#include "search/search_request.h"

namespace korva {

class ReportWriter;

// The search printout goes out under the same job name as the food list
// report, so print queues and PDF folders group them together.
inline constexpr const char* kSearchJobName = "FOOD LIST TOTALS";

// What the search printout states: the search as it stands in the dialog
// and the rows of its results list, header row included.
struct SearchSummary {
    SearchType type = SearchType::MinOne;
    ComparisonBasis basis = ComparisonBasis::OneServing;
    std::string userName;
    NutrientSet minimize;
    NutrientSet maximize;
    CategorySet categories;
    std::vector<std::string> resultRows;
};

// Title, the search's type, basis and display, its nutrients and
// categories, then the results list.
void writeSearchReport(ReportWriter& out, const SearchSummary& summary);

} // namespace korva
