#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/nutrient_fields.h"
#include "app/user_commands.h"
#include "core/nutrient_record.h"
#include "core/nutrients.h"

namespace korva {

class CSetDialog;
class FoodDataBase;
class FoodEditor;
class Platform;
class ProfileEditor;
class QuestDialog;

// The modal windows the editors and the commands around them open.  The Qt
// face shows real dialogs; tests play the user's part.
class EditorWindows : public UserDialogRunner {
public:
    virtual void runCategoryChoice(CSetDialog& dialog) = 0;
    virtual void runQuestionnaire(QuestDialog& dialog) = 0;
    virtual void runFoodEditor(FoodEditor& editor) = 0;
    virtual void runProfileEditor(ProfileEditor& editor) = 0;
};

// Told the id of a recipe food that left "Recipes" (moved elsewhere or
// deleted), so that the recipe catalogue drops its recipe.
using RecipeFoodRemoved = std::function<void(std::uint16_t recipeId, bool deleted)>;

// The food editor: entering a new food, or modifying, moving or deleting a
// food of the data base.  It holds the food's fields and its 39 values,
// checks what is typed and hands the food to the data base.
class FoodEditor {
public:
    enum Mode { newFood = 0, modifyFood = 1 };

    // ---- Captions ---------------------------------------------------------
    static constexpr const char* kNameLabel = "&Food Name :";
    static constexpr const char* kCategoryLabel = "Cat&egory :";
    static constexpr const char* kServingLabel = "Serving &Description :";
    static constexpr const char* kGramsPerServingLabel = "&Grams per Serving :";
    static constexpr const char* kGramsEnteredLabel = "Grams E&nt'd :";
    static constexpr const char* kSaveNewFood = "&Save New FOOD";
    static constexpr const char* kSelectCategoryLabel = "Select Catego&ry : ";
    static constexpr const char* kSelectFoodLabel = "S&elect Food : ";
    static constexpr const char* kEditGroup = "EDIT";
    static constexpr const char* kModifyServingLabel = "Se&rving :";
    static constexpr const char* kGpsLabel = "&GPS :";
    static constexpr const char* kSave = "&Save";
    static constexpr const char* kDelete = "&Delete";
    static constexpr const char* kChangeCategory = "Change Categor&y ...";
    static constexpr const char* kClose = "&Close";
    static constexpr const char* kHelp = "&HELP";

    static constexpr int kHelpContext = 55296;
    static constexpr std::size_t kMaxNameTyped = 35;
    static constexpr std::size_t kMaxServingTyped = 12;
    static constexpr std::size_t kGramsChars = 12;
    static constexpr std::size_t kGramsEnteredChars = 11;
    static constexpr int kMaxDeletions = 30;

    // ---- Messages ---------------------------------------------------------
    static constexpr const char* kConsolidateBeforeNew = " ... you must CONSOLIDATE before entering a new food...";
    static constexpr const char* kNeedNewName = "... you must enter a NAME for new food ...";
    static constexpr const char* kNeedGramsPerServing = "... you must enter a value for GRAMS per SERVING ...";
    static constexpr const char* kGramsPerServingPositive = "... GRAMS PER SERVING must be a positive value ...";
    static constexpr const char* kGramsEnteredPositive = "... GRAMS being ENTERED must be a positive value ...";
    static constexpr const char* kNeedNewServing = "... you must enter a SERVING  DESCRIPTION  ...";
    static constexpr const char* kNeedMainValues =
        "... you must enter at least 0.00 for Cal, Pro, Total Fat & Carb ...";
    static constexpr const char* kNewNotARecipe = "... can't enter a new food as a RECIPE ...";
    static constexpr const char* kNeedFoodName = "... you must enter a FOOD NAME ...";
    static constexpr const char* kNameTooLong = "... FOOD NAME can only be 36 characters ...";
    static constexpr const char* kNeedServing = "... you must enter a SERVING DESCRIPTION ...";
    static constexpr const char* kNoEditChange = "... no edit change since last update, can't save ...";
    static constexpr const char* kTooManyForChange =
        "... too many unconsolidated foods, CONSOLIDATE before next change ...";
    static constexpr const char* kSameCategory = "... no category change, can't re-set ...";
    static constexpr const char* kNotToRecipes = "... can't change a food to a RECIPE ...";
    static constexpr const char* kEmptyCategory = "... no data base foods in this category...";
    static constexpr const char* kDeleteQuestion = "... food data will be lost; are you sure? ";
    static constexpr const char* kWarningCaption = "WARNING  MESSAGE";
    static constexpr const char* kConsolidateBeforeDelete = "... you must CONSOLIDATE before deleting more foods ...";
    static constexpr const char* kFoodSavedCaption = "FOOD  DATA";
    static constexpr const char* kFoodSaved = "Food  data  has  been  saved  . . .";
    static constexpr const char* kFoodUnreadable = "... food data cannot be read, can't change this food ...";
    static constexpr const char* kFoodNotWritten = "... food data could not be written, nothing was saved ...";

    FoodEditor(FoodDataBase& db, Platform& platform, EditorWindows& windows, Mode mode);

    // Tells the recipe catalogue about recipe foods that leave "Recipes".
    void setRecipeFoodRemoved(RecipeFoodRemoved hook) { recipeFoodRemoved_ = std::move(hook); }

    // Fills the fields for the mode.
    void open();

    // ---- What the face shows ----------------------------------------------
    Mode mode() const { return mode_; }
    std::string title() const;
    // The name field's length: a stored name may be one character longer
    // than a new one, and is shown whole.
    int nameMaxLength() const;
    // The buttons of the mode, Help and Close last.
    std::vector<EditorButton> buttons();
    FoodValueFields& fields() { return fields_; }
    const FoodValueFields& fields() const { return fields_; }
    bool changed() const { return fields_.changed() || foodChanged_; }

    const std::string& name() const { return name_; }
    const std::string& servingText() const { return serving_; }
    const std::string& gramsPerServingText() const { return gramsPerServing_; }
    const std::string& gramsEnteredText() const { return gramsEntered_; }
    // The category shown in the category list (the data base's current one).
    int category() const;
    // The foods of the category (modify mode) and the selected row, -1 when
    // none.
    const std::vector<std::string>& foodNames() const { return foodNames_; }
    int selectedFood() const { return selectedFood_; }
    const std::string& servingsLine() const { return servingsLine_; }

    // ---- Controls ---------------------------------------------------------
    void onNameEdited(const std::string& text);
    void onServingEdited(const std::string& text);
    void onGramsPerServingEdited(const std::string& text);
    void onGramsEnteredEdited(const std::string& text);
    // The arrows beside grams per serving and grams entered: 0.1 down or up.
    void onGramsPerServingStep(bool up);
    void onGramsEnteredStep(bool up);
    void onCategoryChosen(int category);
    void onFoodSelected(int row);

    void onSaveNewFood();
    void onSaveFood();
    void onChangeCategory();
    void onDelete();
    void onHelp();
    void onClose() { finished_ = true; }

    bool finished() const { return finished_; }
    // Something was saved while the editor was open.
    bool succeeded() const { return succeeded_; }

private:
    std::optional<std::size_t> currentPosition() const;
    void showNewFood();
    void loadCurrentFood();
    void refillFoods();
    void finishWith(const char* text, const char* caption);

    FoodDataBase& db_;
    Platform& platform_;
    EditorWindows& windows_;
    Mode mode_;
    RecipeFoodRemoved recipeFoodRemoved_;
    FoodValueFields fields_;

    bool recordRead_ = true;
    std::string name_;
    std::string serving_;
    std::string gramsPerServing_;
    std::string gramsEntered_ = "100.0";
    bool foodChanged_ = false;
    bool nameChanged_ = false;
    bool servingChanged_ = false;
    bool gramsPerServingChanged_ = false;

    std::vector<std::string> foodNames_;
    int selectedFood_ = -1;
    std::string servingsLine_;

    bool finished_ = false;
    bool succeeded_ = false;
};

} // namespace korva
