#pragma once

#include <bitset>
#include <cstddef>
#include <vector>

#include "core/nutrient_record.h"

namespace korva {

// The six kinds of nutrient search, numbered as the menu and the dialog's
// radio buttons number them.
enum class SearchType : int {
    Optimize = 0,
    MinOne = 1,
    MaxOne = 2,
    MinSeveral = 3,
    MaxSeveral = 4,
    MinMaxSeveral = 5,
};

// What one nutrient amount of a food is measured against.  The numbers are
// also the amount units a found food is added in (grams, calories,
// servings), so the two may be converted by value.
enum class ComparisonBasis : int {
    Per100Grams = 0,
    Per100Calories = 1,
    OneServing = 2,
};

constexpr int kMinSearchSize = 10;
constexpr int kMaxSearchSize = 100;
constexpr int kDefaultSearchSize = 20;
constexpr int kMaxSearchNutrients = 5;

using NutrientSet = std::bitset<kNutrientCount>;
using CategorySet = std::bitset<kCategoryCount>;

struct SearchRequest {
    SearchType type = SearchType::MinOne;
    ComparisonBasis basis = ComparisonBasis::OneServing;
    int size = kDefaultSearchSize;
    CategorySet categories;
    NutrientSet minimize;
    NutrientSet maximize;
};

// Members of a set in ascending order.
template <std::size_t N>
std::vector<int> membersOf(const std::bitset<N>& set) {
    std::vector<int> out;
    for (std::size_t i = 0; i < N; ++i)
        if (set.test(i)) out.push_back(static_cast<int>(i));
    return out;
}

} // namespace korva
