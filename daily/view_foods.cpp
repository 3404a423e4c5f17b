#include "daily/view_foods.h"

#include "core/food_data_base.h"

namespace korva {

namespace {
bool validCategory(int c) { return c >= 0 && c < kCategoryCount; }
} // namespace

int ViewFoods::foodCount(int category) const { return validCategory(category) ? db_.index().foodCount(category) : 0; }

std::vector<std::string> ViewFoods::foodNames(int category) const {
    std::vector<std::string> names;
    const auto first = validCategory(category) ? db_.index().firstEntry(category) : std::nullopt;
    if (!first) return names;
    const auto& entries = db_.index().entries();
    for (std::size_t p = *first; p < entries.size() && entries[p].category == category; ++p)
        names.push_back(entries[p].name);
    return names;
}

std::optional<ViewFood> ViewFoods::food(int category, int k) const {
    const auto first = validCategory(category) ? db_.index().firstEntry(category) : std::nullopt;
    if (!first || k < 0 || k >= foodCount(category)) return std::nullopt;
    const std::size_t p = *first + static_cast<std::size_t>(k);
    if (p >= db_.index().entries().size()) return std::nullopt;
    const ShortFood& e = db_.index().entries()[p];
    ViewFood out{e.name, e.servingText, e.gramsPerServing, {}};
    if (!db_.records().readFoodRecord(e, out.record)) return std::nullopt;
    return out;
}

ViewUser ViewFoods::user() const { return {db_.users().current().name, db_.users().current().profile}; }

int ViewFoods::currentCategory() const {
    const int c = db_.selection().currentCategory();
    return validCategory(c) ? c : 0;
}

int ViewFoods::currentFoodIndex() const {
    const auto pos = db_.selection().currentEntry();
    const auto first = db_.index().firstEntry(currentCategory());
    if (!pos || !first || *pos < *first || *pos >= db_.index().entries().size()) return 0;
    if (db_.index().entries()[*pos].category != currentCategory()) return 0;
    return static_cast<int>(*pos - *first);
}

} // namespace korva
