#include "core/food_selection.h"

namespace korva {

std::optional<std::size_t> FoodSelection::positionInCurrentCategory(int k) const {
    return index_->positionInCategory(currentCategory_, k);
}

const ShortFood* FoodSelection::entryInCurrentCategory(int k) const {
    auto pos = positionInCurrentCategory(k);
    return pos ? &index_->entries()[*pos] : nullptr;
}

std::vector<std::string> FoodSelection::categoryNames() const {
    std::vector<std::string> names;
    if (!isCategory(currentCategory_)) return names;
    const int n = index_->foodCount(currentCategory_);
    names.reserve(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k)
        if (const ShortFood* e = entryInCurrentCategory(k)) names.push_back(e->name);
    return names;
}

void FoodSelection::followTables() {
    if (!isCategory(currentCategory_)) currentCategory_ = 0;
    // One step only: the pickers show the next category, empty or not.
    if (index_->foodCount(currentCategory_) == 0) currentCategory_ = (currentCategory_ + 1) % kCategoryCount;
    currentEntry_ = positionInCurrentCategory(0);
}

} // namespace korva
