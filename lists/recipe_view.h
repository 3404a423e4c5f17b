#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "lists/list_form.h"

namespace korva {

// The form of a recipe window: the shared list form with one unit selector
// that serves for display and entry, the instructions, the serving
// description, the number of servings and the figures of one serving in
// the totals box.  The instructions and the serving description are the
// user's until committed into the recipe (before Save, Save As, Backup,
// Close and Clear Recipe); the number of servings is taken on Enter and
// when its field is left, as its scroll bar takes it.
class CRecipeView : public CListForm {
public:
    static constexpr std::size_t kFieldLength = 36;
    static constexpr FormTexts kTexts = {"&Ingredient: ",
                                         "Ingredient A&mount : ",
                                         "Set Display Uni&ts",
                                         "De&lete Ing.",
                                         "&Clear Recipe",
                                         "SAV&E",
                                         "NUTRIENT  TOTALS per SERVING",
                                         "INGREDIENT  :\t1 SVG. \tTOTAL  AMOUNT",
                                         "... no INGREDIENTS, can't set display...",
                                         "RECIPE instruction & INGREDIENT data will be lost; are you sure?...",
                                         " ERROR - ingredient amount out of bounds",
                                         52224,
                                         kFieldLength};
    static constexpr const char* kServingDescriptionLabel = "Serving &Description";
    static constexpr const char* kServingsLabel = "# Ser&vings";
    static constexpr const char* kInstructionsHeading = "INSTRUCTIONS :";
    static constexpr std::size_t kServingFieldLength = 32;
    static constexpr std::size_t kInstructionLength = 255;
    static constexpr float kMinServings = 0.1f;
    static constexpr float kMaxServings = 50.0f;

    CRecipeView(CFListDoc& doc, FoodPicker& picker);
    ~CRecipeView() override;

    const std::string& instructionsText() const { return instructions_; }
    const std::string& servingDescriptionText() const { return servingDescription_; }
    const std::string& servingsText() const { return servings_; }
    // Grams, Calories, Servings, or 3 for Food Units.
    std::vector<std::string> displayChoices() const override;
    int displayChoice() const override;

    void onInitialUpdate() override;
    void onInstructionsEdited(const std::string& text);
    void onServingDescriptionEdited(const std::string& text);
    void onServingsEdited(const std::string& text);
    // The servings field lost the focus.
    void onServingsLeft();
    void onEnter(bool helpHasFocus) override;
    void onServingsStep(bool up);
    void onDisplayChosen(int choice) override;
    void onClear() override;
    void onSave() override;

    // The serving description, the number of servings and the instructions,
    // when changed, go into the recipe.
    void commitFields();

private:
    void startUnits() override;
    std::uint16_t amountUnit() const override { return displayUnit_; }
    void unitNamed(std::uint16_t unit) override;
    void takeSearchUnit(std::uint16_t unit) override;
    TotalsBox computeTotals() const override;
    void clearOwnFields() override;
    void applyServings();

    std::string instructions_;
    std::string servingDescription_;
    std::string servings_;
    bool instructionsModified_ = false;
    bool servingDescriptionModified_ = false;
    bool servingsModified_ = false;
};

// The instruction lines of the instructions field: a first line holding the
// heading is dropped, every line is cut to 255 characters.
std::vector<std::string> instructionLines(const std::string& text);

} // namespace korva
