#pragma once

#include <string>
#include <vector>

#include "search/search_request.h"

namespace korva {

// A nutrient or category in one of the search dialog's chosen lists.
struct ChosenRow {
    std::string name;
    int number = 0;
};

// The nutrients to minimize and to maximize and the categories searched,
// each with the rows its list shows: sorted by name, as a sorted list box
// sorts them.
class ChosenSets {
public:
    const NutrientSet& minimize() const { return minimize_; }
    const NutrientSet& maximize() const { return maximize_; }
    const CategorySet& categories() const { return categories_; }
    const std::vector<ChosenRow>& minimizeRows() const { return minimizeRows_; }
    const std::vector<ChosenRow>& maximizeRows() const { return maximizeRows_; }
    const std::vector<ChosenRow>& categoryRows() const { return categoryRows_; }

    void setMinimize(const NutrientSet& set);
    void setMaximize(const NutrientSet& set);
    void setCategories(const CategorySet& set);

    // A double click on a chosen row takes it out of its set; a row that is
    // not there changes nothing.
    void removeMinimize(int row);
    void removeMaximize(int row);
    void removeCategory(int row);

private:
    NutrientSet minimize_;
    NutrientSet maximize_;
    CategorySet categories_;
    std::vector<ChosenRow> minimizeRows_;
    std::vector<ChosenRow> maximizeRows_;
    std::vector<ChosenRow> categoryRows_;
};

} // namespace korva
