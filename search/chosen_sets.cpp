#include "search/chosen_sets.h"

#include <algorithm>

#include "core/ascii_text.h"
#include "core/nutrients.h"

namespace korva {

namespace {

void sortByName(std::vector<ChosenRow>& rows) {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const ChosenRow& a, const ChosenRow& b) { return lowerAscii(a.name) < lowerAscii(b.name); });
}

std::vector<ChosenRow> nutrientRows(const NutrientSet& set) {
    std::vector<ChosenRow> rows;
    for (int n : membersOf(set)) rows.push_back({std::string(nutrientName(n)), n});
    sortByName(rows);
    return rows;
}

std::vector<ChosenRow> categoryNameRows(const CategorySet& set) {
    std::vector<ChosenRow> rows;
    for (int c : membersOf(set)) rows.push_back({std::string(categoryName(c)), c});
    sortByName(rows);
    return rows;
}

// The member number of `row` in `rows`, or -1 for a row not there.
int numberAt(const std::vector<ChosenRow>& rows, int row) {
    if (row < 0 || row >= static_cast<int>(rows.size())) return -1;
    return rows[static_cast<std::size_t>(row)].number;
}

} // namespace

void ChosenSets::setMinimize(const NutrientSet& set) {
    minimize_ = set;
    minimizeRows_ = nutrientRows(minimize_);
}

void ChosenSets::setMaximize(const NutrientSet& set) {
    maximize_ = set;
    maximizeRows_ = nutrientRows(maximize_);
}

void ChosenSets::setCategories(const CategorySet& set) {
    categories_ = set;
    categoryRows_ = categoryNameRows(categories_);
}

void ChosenSets::removeMinimize(int row) {
    const int n = numberAt(minimizeRows_, row);
    if (n < 0) return;
    minimize_.reset(static_cast<std::size_t>(n));
    minimizeRows_ = nutrientRows(minimize_);
}

void ChosenSets::removeMaximize(int row) {
    const int n = numberAt(maximizeRows_, row);
    if (n < 0) return;
    maximize_.reset(static_cast<std::size_t>(n));
    maximizeRows_ = nutrientRows(maximize_);
}

void ChosenSets::removeCategory(int row) {
    const int c = numberAt(categoryRows_, row);
    if (c < 0) return;
    categories_.reset(static_cast<std::size_t>(c));
    categoryRows_ = categoryNameRows(categories_);
}

} // namespace korva
