#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "lists/flist_view.h"

namespace korva {

class CFListDoc;
class FoodDataBase;
class FoodList;
class FoodPicker;
class Platform;

// The form of a recipe window: the ingredient list with its name and amount
// fields, one unit selector that serves for display and entry, the
// instructions, the serving description, the number of servings and the
// figures of one serving.  The text fields are the user's until committed
// into the recipe (before Save, Save As and Clear Recipe).
class CRecipeView {
public:
    enum class Focus { none, ingredient, amount, instructions };

    static constexpr const char* kIngredientLabel = "&Ingredient: ";
    static constexpr const char* kAmountLabel = "Ingredient A&mount : ";
    static constexpr const char* kAddFromCategories = "&Add from Categories";
    static constexpr const char* kServingDescriptionLabel = "Serving &Description";
    static constexpr const char* kServingsLabel = "# Ser&vings";
    static constexpr const char* kDisplayUnitsLabel = "Set Display Uni&ts";
    static constexpr const char* kClearButton = "&Clear Recipe";
    static constexpr const char* kDeleteButton = "De&lete Ing.";
    static constexpr const char* kSaveButton = "SAV&E";
    static constexpr const char* kHelpButton = "HELP";
    static constexpr const char* kTotalsGroup = "NUTRIENT  TOTALS per SERVING";
    static constexpr const char* kHeader = "INGREDIENT  :\t1 SVG. \tTOTAL  AMOUNT";
    static constexpr const char* kInstructionsHeading = "INSTRUCTIONS :";
    static constexpr const char* kNone = "NONE";
    static constexpr const char* kNoItemsForDisplay = "... no INGREDIENTS, can't set display...";
    static constexpr const char* kAmountOutOfBounds = " ERROR - ingredient amount out of bounds";
    static constexpr const char* kClearQuestion = "RECIPE instruction & INGREDIENT data will be lost; are you sure?...";
    static constexpr const char* kWarningCaption = "WARNING MESSAGE";
    static constexpr const char* kClearedServingLine = "0 servings = 000 calories = 000 grams";
    static constexpr int kHelpContext = 52224;
    static constexpr std::size_t kFieldLength = 36;
    static constexpr std::size_t kServingFieldLength = 32;
    static constexpr std::size_t kInstructionLength = 255;
    static constexpr float kMinServings = 0.1f;
    static constexpr float kMaxServings = 50.0f;
    static constexpr std::uint16_t kFoodUnits = 4;

    CRecipeView(CFListDoc& doc, FoodPicker& picker);

    // ---- What the face shows -------------------------------------------------
    const std::string& title() const;
    const std::string& ingredientName() const { return ingredient_; }
    const std::string& amountText() const { return amountText_; }
    const std::string& instructionsText() const { return instructions_; }
    const std::string& servingDescriptionText() const { return servingDescription_; }
    const std::string& servingsText() const { return servings_; }
    // Line 0 is the header; line k shows ingredient k-1.
    const std::vector<std::string>& lines() const { return lines_; }
    int selectedLine() const { return selectedLine_; }
    // Held for the current ingredient, shown in no control.
    const std::string& servingLine() const { return servingLine_; }
    const std::array<TotalsLine, CFLView::kTotalsLines>& perServing() const { return perServing_; }
    std::uint16_t displayUnit() const { return displayUnit_; }
    // The selector's entry for the display unit: 0..2, or 3 for Food Units.
    int displayChoice() const;
    bool deleteEnabled() const { return deleteEnabled_; }
    Focus takeFocusRequest();
    // What the last typed amount was understood as, for the status line
    // ("2 cup = 2.00 servings = 182 g = 62 cal"); reading it clears it.
    std::string takeStatusText() { return std::exchange(statusText_, {}); }
    static std::vector<std::string> displayUnitLabels();

    CFListDoc& document() const { return doc_; }

    // ---- Controls ---------------------------------------------------------
    void onInitialUpdate();
    void onIngredientEdited(const std::string& text);
    void onAmountEdited(const std::string& text);
    void onInstructionsEdited(const std::string& text);
    void onServingDescriptionEdited(const std::string& text);
    void onServingsEdited(const std::string& text);
    void onEnter(bool helpHasFocus);
    void onAddFromCategories();
    void onLineSelected(int line);
    void onScrollStep(bool up);
    void onScrollEnd();
    void onServingsStep(bool up);
    void onDisplayChosen(int choice);
    void onDelete();
    void onClear();
    void onSave();

    // The serving description, the number of servings and the instructions,
    // when changed, go into the recipe.
    void commitFields();
    // A food found by the nutrient search, added in the search's unit.
    void addFromSearch(std::size_t position, std::uint16_t unit);
    // After the document changed underneath (a merge, a save): show it
    // afresh; typed fields that were not committed stay.
    void refreshAll();

private:
    FoodList& list() const;
    FoodDataBase& db() const;
    Platform& platform() const;

    void searchByName();
    void enterTypedAmount();
    bool addFood(std::size_t position);
    void rebuildLines();
    void selectCurrentLine();
    void refreshPerServing();
    void refreshAmountText();
    void refreshServingLine();
    void showServings();

    CFListDoc& doc_;
    FoodPicker& picker_;
    std::string ingredient_;
    std::string amountText_;
    std::string statusText_;
    std::string instructions_;
    std::string servingDescription_;
    std::string servings_;
    bool ingredientModified_ = false;
    bool amountModified_ = false;
    bool instructionsModified_ = false;
    bool servingDescriptionModified_ = false;
    bool servingsModified_ = false;
    std::uint16_t displayUnit_ = kFoodUnits;
    bool deleteEnabled_ = false;
    std::vector<std::string> lines_;
    int selectedLine_ = 0;
    std::string servingLine_;
    std::array<TotalsLine, CFLView::kTotalsLines> perServing_;
    Focus focus_ = Focus::none;
};

// The instruction lines of the instructions field: a first line holding the
// heading is dropped, every line is cut to 255 characters.
std::vector<std::string> instructionLines(const std::string& text);

} // namespace korva
