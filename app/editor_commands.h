#pragma once

#include "app/food_editor.h"
#include "app/profile_editor.h"
#include "app/user_commands.h"

namespace korva {

class FoodDataBase;
class Platform;

inline constexpr const char* kCloseListsBeforeNewFood =
    "... please close all FoodList/Recipe windows before adding a new food ...";
inline constexpr const char* kTooManyNewFoods = "... too many new foods, you must CONSOLIDATE before next add ...";
inline constexpr const char* kCloseListsBeforeEdit =
    "... please close all FoodList/Recipe windows before editing foods ...";
inline constexpr const char* kCannotModifyDefault = "... cannot modify default values ...";

// The main window's title after a new user was made current from the editor.
std::string newUserTitle(const std::string& name);

// The commands that open the food editor and the profile editor.  `documentsOpen` says
// whether any FoodList or recipe window is open: their items point into the
// index, which the food commands change.
class EditorCommands {
public:
    EditorCommands(FoodDataBase& db, Platform& platform, EditorWindows& windows,
                   RecipeFoodRemoved recipeFoodRemoved = {});

    // Foods "&New" and "&Modify".
    void newFood(bool documentsOpen);
    void modifyFood(bool documentsOpen);
    // User "&New" (the questionnaire, then the editor), "&Modify", "&View".
    UserCommandOutcome userNew();
    UserCommandOutcome userModify();
    void userView();

private:
    // Run an editor; true when something was saved in it.
    bool runFoodEditor(FoodEditor::Mode mode);
    bool runProfileEditor(ProfileEditor::Mode mode, const NutrientRecord& profile);
    UserCommandOutcome afterUserEditor(bool saved);

    FoodDataBase& db_;
    Platform& platform_;
    EditorWindows& windows_;
    RecipeFoodRemoved recipeFoodRemoved_;
};

} // namespace korva
