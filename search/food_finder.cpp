#include "search/food_finder.h"

#include <algorithm>

#include "core/ascii_text.h"
#include "core/food_data_base.h"

namespace korva {

bool nameContains(const std::string& name, const std::string& lowerKey) {
    if (lowerKey.size() > name.size()) return false;
    auto it = std::search(name.begin(), name.end(), lowerKey.begin(), lowerKey.end(),
                          [](char n, char k) { return lowerAscii(n) == k; });
    return it != name.end() || lowerKey.empty();
}

std::vector<std::size_t> findFoodsByName(const FoodDataBase& db, const std::string& typed) {
    std::vector<std::size_t> matches;
    const std::string key = lowerAscii(typed.substr(0, std::min(typed.size(), kMaxTypedNameLength)));
    if (key.empty()) return matches;
    const auto& entries = db.index().entries();
    for (std::size_t i = 0; i < entries.size() && matches.size() < kMaxNameMatches; ++i) {
        if (nameContains(entries[i].name, key)) matches.push_back(i);
    }
    return matches;
}

} // namespace korva
