#include "lists/recipe_view.h"

#include "core/food_data_base.h"
#include "core/nutrients.h"
#include "core/platform.h"
#include "core/printf_text.h"
#include "lists/flist_doc.h"
#include "lists/food_list.h"
#include "lists/food_picker.h"
#include "lists/number_scan.h"

namespace korva {

namespace {

constexpr int kProtein = 1;
constexpr int kTotalFat = 2;
constexpr int kCarbohydrate = 6;
constexpr int kFiber = 7;
constexpr int kCholesterol = 8;
constexpr int kFoodUnitsChoice = 3;

std::string format1(float v) { return printfText("%6.1f", static_cast<double>(v)); }

std::array<TotalsLine, CFLView::kTotalsLines> perServingLines(const ServingFigures& s) {
    return {{{"Calories", printfText("%ld", s.calories), "_cal"},
             {"Protein", format1(s.values.value(kProtein)), "_gm"},
             {"Total Fat", format1(s.values.value(kTotalFat)), "_gm"},
             {"Carbohydrate", format1(s.values.value(kCarbohydrate)), "_gm"},
             {"Fiber", format1(s.values.value(kFiber)), "_gm"},
             {"Cholesterol", format1(s.values.value(kCholesterol)), "_mg"},
             {"% cal, Fat", printfText("%d%%", s.pctFat), ""},
             {"% cal, Protein", printfText("%d%%", s.pctProtein), ""},
             {"% cal, Carbohydrate", printfText("%d%%", s.pctCarbohydrate), ""}}};
}

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

CRecipeView::CRecipeView(CFListDoc& doc, FoodPicker& picker)
    : doc_(doc), picker_(picker), perServing_(perServingLines({})) {
    lines_.push_back(kHeader);
}

FoodList& CRecipeView::list() const { return doc_.list(); }
FoodDataBase& CRecipeView::db() const { return doc_.dataBase(); }
Platform& CRecipeView::platform() const { return doc_.platform(); }
const std::string& CRecipeView::title() const { return doc_.title(); }

CRecipeView::Focus CRecipeView::takeFocusRequest() {
    Focus f = focus_;
    focus_ = Focus::none;
    return f;
}

std::vector<std::string> CRecipeView::displayUnitLabels() { return {"Grams", "Calories", "Servings", "Food Units"}; }

int CRecipeView::displayChoice() const {
    if (displayUnit_ == kFoodUnits) return kFoodUnitsChoice;
    return displayUnit_ < kFoodUnitsChoice ? displayUnit_ : -1;
}

// ---- Refreshing ------------------------------------------------------------

void CRecipeView::rebuildLines() {
    lines_.assign(1, kHeader);
    for (const FoodItem& item : list().items()) lines_.push_back(item.lineText(displayUnit_));
}

void CRecipeView::selectCurrentLine() { selectedLine_ = list().empty() ? 0 : list().currentIndex() + 1; }

// A recipe that makes no servings (after Clear Recipe, or 0 typed) shows
// zeros rather than dividing by nothing.
void CRecipeView::refreshPerServing() { perServing_ = perServingLines(list().perServing()); }

void CRecipeView::refreshAmountText() {
    amountText_ = list().empty() ? std::string() : list().currentAmountText(displayUnit_);
}

void CRecipeView::refreshServingLine() { servingLine_ = list().currentServingLine(); }

void CRecipeView::showServings() { servings_ = printfText("%4.1f serv.", static_cast<double>(list().servingCount())); }

void CRecipeView::refreshAll() {
    rebuildLines();
    selectCurrentLine();
    if (const FoodItem* item = list().current()) {
        ingredient_ = item->name();
        refreshAmountText();
    } else {
        ingredient_.clear();
        amountText_.clear();
    }
    refreshServingLine();
    refreshPerServing();
    deleteEnabled_ = !list().empty();
}

// ---- Opening ---------------------------------------------------------------

void CRecipeView::onInitialUpdate() {
    if (!list().empty()) list().select(0);
    if (const FoodItem* item = list().current()) {
        ingredient_ = item->name();
        // The form has no "EntryUnits": such an item shows in its entry unit.
        displayUnit_ = item->displayUnit();
        if (displayUnit_ == kUnitEntryUnits)
            displayUnit_ = item->entryUnit() < kUnitEntryUnits ? item->entryUnit() : kFoodUnits;
    } else {
        ingredient_.clear();
        displayUnit_ = kFoodUnits;
    }
    refreshAmountText();
    list().resetTotals();
    list().recomputeTotals();
    refreshPerServing();
    refreshServingLine();
    rebuildLines();
    selectCurrentLine();
    deleteEnabled_ = !list().empty();
    const bool fresh = list().instructions().empty() && list().servingDescription().empty() && list().empty();
    if (fresh) {
        instructions_ = kInstructionsHeading;
        servingDescription_.clear();
        servings_.clear();
    } else {
        instructions_ = joinLines(list().instructions());
        servings_ = printfText("%6.1f", static_cast<double>(list().servingCount()));
        servingDescription_ = list().servingDescription();
    }
    ingredientModified_ = amountModified_ = false;
    instructionsModified_ = servingDescriptionModified_ = servingsModified_ = false;
    focus_ = Focus::ingredient;
}

// ---- The edits and Enter ---------------------------------------------------

void CRecipeView::onIngredientEdited(const std::string& text) {
    ingredient_ = text.substr(0, kFieldLength);
    ingredientModified_ = true;
}

void CRecipeView::onAmountEdited(const std::string& text) {
    amountText_ = text.substr(0, kFieldLength);
    amountModified_ = true;
}

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

void CRecipeView::onEnter(bool helpHasFocus) {
    if (ingredientModified_) {
        ingredientModified_ = false;
        searchByName();
    } else if (amountModified_) {
        amountModified_ = false;
        enterTypedAmount();
    } else if (helpHasFocus) {
        platform().openHelp(kHelpContext);
    }
}

void CRecipeView::searchByName() {
    auto position = picker_.pickByName(ingredient_.substr(0, 39));
    if (position && addFood(*position)) focus_ = Focus::amount;
}

void CRecipeView::enterTypedAmount() {
    if (list().empty()) {
        amountText_.clear();
        return;
    }
    focus_ = Focus::amount;
    std::uint16_t unit = displayUnit_;
    if (!list().enterTypedAmount(amountText_, unit, platform(), kAmountOutOfBounds)) {
        refreshAmountText();
        return;
    }
    if (unit != displayUnit_) {
        displayUnit_ = unit;
        list().setCurrentDisplayUnit(displayUnit_);
    }
    list().resetTotals();
    list().recomputeTotals();
    refreshPerServing();
    refreshAmountText();
    refreshServingLine();
    rebuildLines();
    selectCurrentLine();
}

// ---- Adding ----------------------------------------------------------------

void CRecipeView::onAddFromCategories() {
    auto position = picker_.pickFromCategories();
    if (position && addFood(*position)) focus_ = Focus::amount;
}

void CRecipeView::addFromSearch(std::size_t position, std::uint16_t unit) {
    if (unit < kFoodUnitsChoice) displayUnit_ = unit;
    if (!addFood(position)) return;
    focus_ = Focus::amount;
    // The found food comes as one of what the search compared: 100 grams,
    // 100 calories or a serving.
    if (unit == kUnitGrams || unit == kUnitCalories) {
        amountText_ = "100";
        enterTypedAmount();
    }
}

bool CRecipeView::addFood(std::size_t position) {
    if (position >= db().index().entries().size()) return false;
    const ShortFood entry = db().index().entries()[position];
    if (!list().addFood(entry, displayUnit_)) {
        platform().message(listmsg::kItemNotFound);
        return false;
    }
    list().setCurrentDisplayUnit(displayUnit_);
    rebuildLines();
    selectCurrentLine();
    refreshServingLine();
    ingredient_ = entry.name;
    refreshAmountText();
    list().resetTotals();
    list().recomputeTotals();
    refreshPerServing();
    deleteEnabled_ = true;
    db().selection().setCurrentCategory(entry.category);
    return true;
}

// ---- The ingredient list and the scroll bars -------------------------------

void CRecipeView::onLineSelected(int line) {
    if (list().empty()) return;
    if (line < 1 || line > static_cast<int>(list().itemCount())) {
        selectCurrentLine();
        return;
    }
    list().select(line - 1);
    selectedLine_ = line;
    refreshServingLine();
    ingredient_ = list().current()->name();
    refreshAmountText();
    ingredientModified_ = amountModified_ = false;
}

void CRecipeView::onScrollStep(bool up) {
    if (list().empty()) return;
    list().stepCurrentAmount(up);
    refreshAmountText();
    amountModified_ = false;
}

void CRecipeView::onScrollEnd() {
    if (list().empty()) return;
    list().resetTotals();
    list().recomputeTotals();
    refreshPerServing();
    refreshServingLine();
    rebuildLines();
    selectCurrentLine();
}

void CRecipeView::onServingsStep(bool up) {
    float n = list().servingCount() + (up ? 0.1f : -0.1f);
    if (n < kMinServings) n = kMinServings;
    if (n > kMaxServings) n = kMaxServings;
    list().setServingCount(n);
    showServings();
    servingsModified_ = false;
    refreshPerServing();
}

void CRecipeView::onDisplayChosen(int choice) {
    if (choice < 0 || choice > kFoodUnitsChoice) return;
    if (list().empty()) {
        platform().message(kNoItemsForDisplay);
        return;
    }
    displayUnit_ = choice == kFoodUnitsChoice ? kFoodUnits : static_cast<std::uint16_t>(choice);
    list().setCurrentDisplayUnit(displayUnit_);
    rebuildLines();
    selectCurrentLine();
    refreshAmountText();
}

// ---- Delete, Clear, Save ---------------------------------------------------

void CRecipeView::onDelete() {
    if (list().empty()) return;
    list().deleteCurrent();
    list().resetTotals();
    list().recomputeTotals();
    refreshPerServing();
    if (const FoodItem* item = list().current()) {
        ingredient_ = item->name();
        refreshAmountText();
    } else {
        ingredient_ = kNone;
        amountText_ = kNone;
    }
    refreshServingLine();
    rebuildLines();
    selectCurrentLine();
    deleteEnabled_ = !list().empty();
    ingredientModified_ = amountModified_ = false;
}

void CRecipeView::onClear() {
    // A changed serving field is taken first, and that is all Clear does.
    if (servingDescriptionModified_ || servingsModified_) {
        commitFields();
        return;
    }
    if (platform().messageBox(kClearQuestion, kWarningCaption, MsgButtons::yesNoCancel) != MsgAnswer::yes) return;
    instructions_ = kInstructionsHeading;
    list().setInstructions({});
    list().setServingCount(0.0f);
    list().setServingDescription({});
    servings_ = "0.00";
    servingDescription_ = kNone;
    list().clear();
    list().resetTotals();
    refreshPerServing();
    servingLine_ = kClearedServingLine;
    ingredient_ = kNone;
    amountText_ = kNone;
    rebuildLines();
    selectedLine_ = 0;
    deleteEnabled_ = false;
    ingredientModified_ = amountModified_ = false;
    instructionsModified_ = servingDescriptionModified_ = servingsModified_ = false;
}

void CRecipeView::onSave() {
    commitFields();
    doc_.onRecipeSave();
}

void CRecipeView::commitFields() {
    if (servingDescriptionModified_ && !servingDescription_.empty()) list().setServingDescription(servingDescription_);
    if (servingsModified_ && !servings_.empty()) {
        const std::optional<float> n = scanFloat(servings_);
        if (n && *n >= 0.0f && *n <= kMaxServings) {
            list().setServingCount(*n);
        } else {
            servings_ = printfText("%5.2f serv.", static_cast<double>(list().servingCount()));
        }
        refreshPerServing();
    }
    if (instructionsModified_) list().setInstructions(instructionLines(instructions_));
    servingDescriptionModified_ = servingsModified_ = instructionsModified_ = false;
}

} // namespace korva
