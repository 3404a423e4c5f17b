#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/food_index.h"

namespace korva {

// The current category and current entry that the pickers, the editor and
// the views share.  It reads the index it belongs to and follows its tables
// when they are rebuilt.
class FoodSelection {
public:
    explicit FoodSelection(const FoodIndex& index) : index_(&index) {}

    int currentCategory() const { return currentCategory_; }
    void setCurrentCategory(int c) { currentCategory_ = c; }
    // Position of the current entry in the index, or none.
    std::optional<std::size_t> currentEntry() const { return currentEntry_; }
    void setCurrentEntry(std::optional<std::size_t> pos) { currentEntry_ = pos; }

    // The k-th entry (0-based) of the current category, or null.
    const ShortFood* entryInCurrentCategory(int k) const;
    std::optional<std::size_t> positionInCurrentCategory(int k) const;
    // Names of the current category's entries, in index order.
    std::vector<std::string> categoryNames() const;

    // After the index tables were rebuilt: an empty current category moves on
    // by one, and the current entry becomes its first entry.
    void followTables();

private:
    const FoodIndex* index_;
    int currentCategory_ = 0;
    std::optional<std::size_t> currentEntry_;
};

} // namespace korva
