#include "lists/flist_view.h"

#include "core/food_data_base.h"
#include "core/nutrients.h"
#include "core/platform.h"
#include "core/printf_text.h"
#include "lists/flist_doc.h"
#include "lists/food_list.h"
#include "lists/food_picker.h"

namespace korva {

namespace {

constexpr int kProtein = 1;
constexpr int kTotalFat = 2;
constexpr int kCarbohydrate = 6;
constexpr int kFiber = 7;
constexpr int kCholesterol = 8;

std::string format1(float v) { return printfText("%6.1f", static_cast<double>(v)); }

std::string formatInt(long v, const char* suffix = "") { return printfText("%ld%s", v, suffix); }

std::array<TotalsLine, CFLView::kTotalsLines> emptyTotals() {
    return {{{"Calories", "0", "_cal"},
             {"Protein", format1(0), "_gm"},
             {"Total Fat", format1(0), "_gm"},
             {"Carbohydrate", format1(0), "_gm"},
             {"Fiber", format1(0), "_gm"},
             {"Cholesterol", format1(0), "_mg"},
             {"% cal, Fat", "0%", ""},
             {"% cal, Protein", "0%", ""},
             {"% cal, Carbohydrate", "0%", ""}}};
}

bool isEntryUnit(int unit) { return unit >= 0 && unit < kEntryUnitCount; }

} // namespace

CFLView::CFLView(CFListDoc& doc, FoodPicker& picker) : doc_(doc), picker_(picker), totals_(emptyTotals()) {
    lines_.push_back(kHeader);
}

FoodList& CFLView::list() const { return doc_.list(); }
FoodDataBase& CFLView::db() const { return doc_.dataBase(); }
Platform& CFLView::platform() const { return doc_.platform(); }
const std::string& CFLView::title() const { return doc_.title(); }

CFLView::Focus CFLView::takeFocusRequest() {
    Focus f = focus_;
    focus_ = Focus::none;
    return f;
}

std::vector<std::string> CFLView::displayUnitLabels() {
    std::vector<std::string> labels;
    for (int u = 0; u < kDisplayUnitCount; ++u) labels.emplace_back(unitLabel(u));
    return labels;
}

std::vector<std::string> CFLView::entryUnitLabels() {
    std::vector<std::string> labels;
    for (int u = 0; u < kEntryUnitCount; ++u) labels.emplace_back(unitLabel(u));
    return labels;
}

// ---- Refreshing ------------------------------------------------------------

void CFLView::rebuildLines() {
    lines_.assign(1, kHeader);
    for (const FoodItem& item : list().items()) lines_.push_back(item.lineText(displayUnit_));
}

void CFLView::selectCurrentLine() { selectedLine_ = list().empty() ? 0 : list().currentIndex() + 1; }

void CFLView::refreshServingLine() {
    servingLine_ = list().empty() ? std::string(kNoItemServingLine) : list().currentServingLine();
}

void CFLView::refreshAmountText() {
    amountText_ = list().empty() ? std::string() : list().currentAmountText(displayUnit_);
}

void CFLView::refreshTotals() {
    const FoodList& l = list();
    const NutrientRecord& t = l.totals();
    totals_ = emptyTotals();
    totals_[0].value = formatInt(nearestInteger(t.value(0)));
    totals_[1].value = format1(t.value(kProtein));
    totals_[2].value = format1(t.value(kTotalFat));
    totals_[3].value = format1(t.value(kCarbohydrate));
    totals_[4].value = format1(t.value(kFiber));
    totals_[5].value = format1(t.value(kCholesterol));
    totals_[6].value = formatInt(l.pctFat(), "%");
    totals_[7].value = formatInt(l.pctProtein(), "%");
    totals_[8].value = formatInt(l.pctCarbohydrate(), "%");
}

void CFLView::refreshCurrentItemFields() {
    if (const FoodItem* item = list().current()) {
        foodName_ = item->name();
        refreshAmountText();
    } else {
        foodName_ = kNone;
        amountText_ = kNone;
    }
    refreshServingLine();
}

void CFLView::applyEntryUnitRule() {
    if (displayUnit_ != kUnitEntryUnits) {
        entryUnitEnabled_ = false;
        return;
    }
    entryUnitEnabled_ = true;
    if (!list().empty()) entryUnit_ = list().currentEntryUnit();
}

void CFLView::refreshAll() {
    rebuildLines();
    selectCurrentLine();
    refreshCurrentItemFields();
    if (list().empty()) {
        foodName_.clear();
        amountText_.clear();
    }
    refreshTotals();
    deleteEnabled_ = !list().empty();
    applyEntryUnitRule();
}

// ---- Opening ---------------------------------------------------------------

void CFLView::onInitialUpdate() {
    if (!list().empty()) list().select(0);
    if (const FoodItem* item = list().current()) {
        foodName_ = item->name();
        entryUnit_ = item->entryUnit();
        displayUnit_ = item->displayUnit();
    } else {
        foodName_.clear();
        entryUnit_ = kNoUnit;
        displayUnit_ = kNoUnit;
    }
    refreshAmountText();
    refreshTotals();
    refreshServingLine();
    rebuildLines();
    selectCurrentLine();
    deleteEnabled_ = !list().empty();
    nameModified_ = amountModified_ = false;
    category_ = db().selection().currentCategory();
    applyEntryUnitRule();
    focus_ = Focus::foodName;
}

// ---- The edits and Enter ---------------------------------------------------

void CFLView::onFoodNameEdited(const std::string& text) {
    foodName_ = text;
    nameModified_ = true;
}

void CFLView::onAmountEdited(const std::string& text) {
    amountText_ = text;
    amountModified_ = true;
}

void CFLView::onEnter(bool helpHasFocus) {
    if (nameModified_) {
        searchByName();
        nameModified_ = false;
    } else if (amountModified_) {
        enterTypedAmount();
        amountModified_ = false;
    } else if (helpHasFocus) {
        platform().openHelp(kHelpContext);
    }
}

void CFLView::searchByName() {
    // A typed name keeps its text when nothing is added, so it can be mended.
    auto position = picker_.pickByName(foodName_.substr(0, 39));
    if (position && addFood(*position)) focus_ = Focus::amount;
}

void CFLView::enterTypedAmount() {
    if (list().empty()) {
        amountText_.clear();
        return;
    }
    std::uint16_t unit = entryUnit_;
    // Whether taken or refused, the amount shown is selected, so the next
    // figure typed replaces it instead of running on after it.
    focus_ = Focus::amount;
    if (!list().enterTypedAmount(amountText_, unit, platform())) {
        refreshAmountText();
        return;
    }
    if (unit != entryUnit_) {
        entryUnit_ = unit;
        applyEntryUnitRule();
    }
    list().resetTotals();
    list().recomputeTotals();
    refreshTotals();
    refreshAmountText();
    refreshServingLine();
    rebuildLines();
    selectCurrentLine();
}

// ---- Adding ----------------------------------------------------------------

void CFLView::onAddFromCategories() {
    auto position = picker_.pickFromCategories();
    if (position && addFood(*position)) focus_ = Focus::amount;
}

void CFLView::addFromSearch(std::size_t position, std::uint16_t unit) {
    if (isEntryUnit(unit)) entryUnit_ = unit;
    if (!addFood(position)) return;
    focus_ = Focus::amount;
    // The found food comes as one of what the search compared: 100 grams,
    // 100 calories or a serving.
    if (unit == kUnitGrams || unit == kUnitCalories) {
        amountText_ = "100";
        enterTypedAmount();
    }
}

bool CFLView::addFood(std::size_t position) {
    if (position >= db().index().entries().size()) return false;
    const ShortFood entry = db().index().entries()[position];
    if (!list().addFood(entry, entryUnit_)) {
        platform().message(listmsg::kItemNotFound);
        return false;
    }
    list().setCurrentDisplayUnit(displayUnit_);
    rebuildLines();
    selectCurrentLine();
    refreshServingLine();
    foodName_ = entry.name;
    refreshAmountText();
    list().resetTotals();
    list().recomputeTotals();
    refreshTotals();
    deleteEnabled_ = true;
    category_ = entry.category;
    db().selection().setCurrentCategory(category_);
    return true;
}

// ---- The item list and the scroll bar --------------------------------------

void CFLView::onLineSelected(int line) {
    if (list().empty()) return;
    if (line < 1 || line > static_cast<int>(list().itemCount())) {
        selectCurrentLine(); // the header is not an item: stay where we were
        return;
    }
    list().select(line - 1);
    selectedLine_ = line;
    refreshServingLine();
    foodName_ = list().current()->name();
    refreshAmountText();
    nameModified_ = amountModified_ = false;
    applyEntryUnitRule();
}

void CFLView::onScrollStep(bool up) {
    if (list().empty()) return;
    list().stepCurrentAmount(up);
    refreshAmountText();
    amountModified_ = false;
}

void CFLView::onScrollEnd() {
    if (list().empty()) return;
    list().resetTotals();
    list().recomputeTotals();
    refreshTotals();
    refreshServingLine();
    rebuildLines();
    selectCurrentLine();
}

// ---- Units -----------------------------------------------------------------

void CFLView::onDisplayUnitChosen(int unit) {
    if (unit < 0 || unit >= kDisplayUnitCount) return;
    if (list().empty()) {
        platform().message(kNoItemsForDisplay);
        return;
    }
    displayUnit_ = static_cast<std::uint16_t>(unit);
    list().setCurrentDisplayUnit(displayUnit_);
    rebuildLines();
    selectCurrentLine();
    refreshAmountText();
    applyEntryUnitRule();
}

void CFLView::onEntryUnitChosen(int unit) {
    if (!isEntryUnit(unit) || list().empty()) return;
    entryUnit_ = static_cast<std::uint16_t>(unit);
    list().setCurrentEntryUnit(entryUnit_);
    list().setCurrentDisplayUnit(entryUnit_);
    rebuildLines();
    selectCurrentLine();
    refreshAmountText();
}

// ---- Delete, Clear, Save ---------------------------------------------------

void CFLView::onDelete() {
    if (list().empty()) return;
    list().deleteCurrent();
    list().resetTotals();
    list().recomputeTotals();
    refreshTotals();
    refreshCurrentItemFields();
    rebuildLines();
    selectCurrentLine();
    deleteEnabled_ = !list().empty();
    nameModified_ = amountModified_ = false;
}

void CFLView::onClear() {
    if (platform().messageBox(kClearQuestion, kWarningCaption, MsgButtons::yesNoCancel) != MsgAnswer::yes) return;
    list().clear();
    list().resetTotals();
    list().recomputeTotals();
    refreshTotals();
    servingLine_ = kClearedServingLine;
    foodName_ = kNone;
    amountText_ = kNone;
    rebuildLines();
    selectedLine_ = 0;
    deleteEnabled_ = false;
    nameModified_ = amountModified_ = false;
}

void CFLView::onSave() { doc_.onSaveFoodList(); }

} // namespace korva
