#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace korva::importer {

// Food names are listed in a narrow column and picked by typing part of them.
constexpr std::size_t kMaxFoodName = 36;

// A name of at most 36 characters for a USDA long description: the main food
// first ("Chicken breast, meat only, roasted"), brand names in mixed case,
// shortened with a fixed set of abbreviations only as far as needed.
std::string shortFoodName(std::string_view longDesc);

struct FoodToName {
    int category = 0;
    std::string longDesc;
};

// Names for all foods at once, distinct within each category.  A description
// too long for even the shortened form keeps the qualifiers that tell it from
// the other foods of its kind; clashes left over are numbered.
std::vector<std::string> nameFoods(const std::vector<FoodToName>& foods);

struct NamedFood {
    int category = 0;
    std::string name;
};

// Makes the names distinct within each category, ignoring the case of ASCII
// letters.  The first food of a clash (in the order given) keeps its name;
// the others get a number: "Beef rib, lean only, roasted #2".  Deterministic
// for a given order.  With `acrossCategories` a name clashes with those of
// every category.
void makeNamesDistinct(std::vector<NamedFood>& foods, bool acrossCategories = false);

} // namespace korva::importer
