#include "lists/recipe_view.h"

#include "core/platform.h"
#include "core/printf_text.h"
#include "lists/flist_doc.h"
#include "lists/food_list.h"
#include "lists/number_scan.h"

namespace korva {

namespace {

constexpr int kFoodUnitsChoice = 3;

std::string joinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) out += "\r\n";
        out += lines[i];
    }
    return out;
}

} // namespace

std::vector<std::string> instructionLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line.substr(0, CRecipeView::kInstructionLength));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    if (!lines.empty() && lines.front().find(CRecipeView::kInstructionsHeading) != std::string::npos)
        lines.erase(lines.begin());
    return lines;
}

CRecipeView::CRecipeView(CFListDoc& doc, FoodPicker& picker) : CListForm(doc, picker, kTexts) {
    // Commands of the document that read the whole recipe take the typed
    // fields first.
    doc.setFormCommit([this] { commitFields(); });
}

CRecipeView::~CRecipeView() { document().setFormCommit({}); }

std::vector<std::string> CRecipeView::displayChoices() const { return {"Grams", "Calories", "Servings", "Food Units"}; }

int CRecipeView::displayChoice() const {
    if (displayUnit_ == kUnitFoodUnits) return kFoodUnitsChoice;
    return displayUnit_ < kFoodUnitsChoice ? displayUnit_ : -1;
}

// A recipe that makes no servings (after Clear Recipe, or 0 typed) shows
// zeros rather than dividing by nothing.
TotalsBox CRecipeView::computeTotals() const { return totalsBox(list().perServing()); }

void CRecipeView::startUnits() {
    // The form has no "EntryUnits": such an item shows in its entry unit.
    const FoodItem* item = list().current();
    displayUnit_ = item ? item->displayUnit() : std::uint16_t(kUnitFoodUnits);
    if (displayUnit_ == kUnitEntryUnits)
        displayUnit_ = item->entryUnit() < kUnitEntryUnits ? item->entryUnit() : std::uint16_t(kUnitFoodUnits);
}

void CRecipeView::unitNamed(std::uint16_t unit) {
    displayUnit_ = unit;
    list().setCurrentDisplayUnit(displayUnit_);
}

void CRecipeView::takeSearchUnit(std::uint16_t unit) {
    if (unit < kFoodUnitsChoice) displayUnit_ = unit;
}

void CRecipeView::onInitialUpdate() {
    CListForm::onInitialUpdate();
    const FoodList& l = list();
    if (l.recipe().instructions().empty() && l.recipe().servingDescription().empty() && l.empty()) {
        instructions_ = kInstructionsHeading;
        servingDescription_.clear();
        servings_.clear();
    } else {
        instructions_ = joinLines(l.recipe().instructions());
        servings_ = printfText("%6.1f", static_cast<double>(l.recipe().servingCount()));
        servingDescription_ = l.recipe().servingDescription();
    }
    instructionsModified_ = servingDescriptionModified_ = servingsModified_ = false;
}

// ---- The recipe's own fields -----------------------------------------------

void CRecipeView::onInstructionsEdited(const std::string& text) {
    instructions_ = text;
    instructionsModified_ = true;
}

void CRecipeView::onServingDescriptionEdited(const std::string& text) {
    servingDescription_ = text.substr(0, kServingFieldLength);
    servingDescriptionModified_ = true;
}

void CRecipeView::onServingsEdited(const std::string& text) {
    servings_ = text.substr(0, kServingFieldLength);
    servingsModified_ = true;
}

void CRecipeView::onServingsLeft() { applyServings(); }

void CRecipeView::onEnter(bool helpHasFocus) {
    if (!foodNameModified() && !amountModified() && servingsModified_)
        applyServings();
    else
        CListForm::onEnter(helpHasFocus);
}

void CRecipeView::applyServings() {
    if (!servingsModified_) return;
    servingsModified_ = false;
    if (servings_.empty()) return;
    const std::optional<float> n = scanFloat(servings_);
    if (n && *n >= 0.0f && *n <= kMaxServings)
        list().recipe().setServingCount(*n);
    else
        servings_ = printfText("%5.2f serv.", static_cast<double>(list().recipe().servingCount()));
    afterListChanged();
}

void CRecipeView::onServingsStep(bool up) {
    float n = list().recipe().servingCount() + (up ? 0.1f : -0.1f);
    if (n < kMinServings) n = kMinServings;
    if (n > kMaxServings) n = kMaxServings;
    list().recipe().setServingCount(n);
    servings_ = printfText("%4.1f serv.", static_cast<double>(list().recipe().servingCount()));
    servingsModified_ = false;
    afterListChanged();
}

void CRecipeView::onDisplayChosen(int choice) {
    if (choice < 0 || choice > kFoodUnitsChoice) return;
    showInUnit(choice == kFoodUnitsChoice ? std::uint16_t(kUnitFoodUnits) : static_cast<std::uint16_t>(choice));
}

// ---- Clear, Save -----------------------------------------------------------

void CRecipeView::onClear() {
    // A changed serving field is taken first, and that is all Clear does.
    if (servingDescriptionModified_ || servingsModified_) {
        commitFields();
        return;
    }
    CListForm::onClear();
}

void CRecipeView::clearOwnFields() {
    instructions_ = kInstructionsHeading;
    list().recipe().setInstructions({});
    list().recipe().setServingCount(0.0f);
    list().recipe().setServingDescription({});
    servings_ = "0.00";
    servingDescription_ = kNone;
    instructionsModified_ = servingDescriptionModified_ = servingsModified_ = false;
}

void CRecipeView::onSave() {
    commitFields();
    document().onRecipeSave();
}

void CRecipeView::commitFields() {
    if (servingDescriptionModified_ && !servingDescription_.empty())
        list().recipe().setServingDescription(servingDescription_);
    applyServings();
    if (instructionsModified_) list().recipe().setInstructions(instructionLines(instructions_));
    servingDescriptionModified_ = instructionsModified_ = false;
}

} // namespace korva
