#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace korva {

// How a FoodList or Recipe view turns the user's wish for a food into an
// index position.  The views know nothing of the pickers behind it; the
// pickers live above the lists in the library order.
class FoodPicker {
public:
    virtual ~FoodPicker() = default;

    // Finds the foods whose names contain the typed text and lets the user
    // choose among several; an empty text opens the category picker instead.
    // None when nothing is to be added (the user was told why, or cancelled).
    virtual std::optional<std::size_t> pickByName(const std::string& typed) = 0;

    // The category picker with adding allowed.
    virtual std::optional<std::size_t> pickFromCategories() = 0;

    // A note for the status line left by the last pick, once; empty when
    // there is none.
    virtual std::string takeStatusNote() { return {}; }
};

} // namespace korva
