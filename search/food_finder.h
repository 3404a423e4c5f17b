#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace korva {

class FoodDataBase;

// The longest name a user can type into a name field, and the most foods one
// name search offers: a longer list would be no help in a chooser.
constexpr std::size_t kMaxTypedNameLength = 39;
constexpr std::size_t kMaxNameMatches = 64;

// Index positions of the foods whose names contain the typed text (ASCII
// letters compared without case), in index order, at most 64.  The typed
// text is cut to 39 characters first; an empty text matches nothing.
std::vector<std::size_t> findFoodsByName(const FoodDataBase& db, const std::string& typed);

// True when `key` (already lower case) occurs in `name` ignoring the case of
// ASCII letters.
bool nameContains(const std::string& name, const std::string& lowerKey);

} // namespace korva
