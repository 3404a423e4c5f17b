#pragma once

#include <string>
#include <utility>

#include "lists/food_picker.h"

namespace korva {

class FoodDataBase;
class Platform;
class PickerDialogs;

// Find by name and the category picker, as the FoodList and Recipe views use
// them: no match is reported, one match is taken at once, several are offered
// in MatDialog.
class DialogFoodPicker : public FoodPicker {
public:
    static constexpr const char* kNoMatchCaption = "FOOD  SEARCH  by  NAME";
    static constexpr const char* kNoMatch = "NO MATCH found for entered name . . .";
    // In the status line after no match: the finder matches words.
    static constexpr const char* kFinderHint = "Ctrl+F finds foods by their words";

    DialogFoodPicker(FoodDataBase& db, Platform& platform, PickerDialogs& dialogs);

    std::optional<std::size_t> pickByName(const std::string& typed) override;
    std::optional<std::size_t> pickFromCategories() override;
    std::string takeStatusNote() override { return std::exchange(note_, {}); }

private:
    FoodDataBase& db_;
    Platform& platform_;
    PickerDialogs& dialogs_;
    std::string note_;
};

} // namespace korva
