#include "lists/list_form.h"

#include "core/food_data_base.h"
#include "core/platform.h"
#include "lists/flist_doc.h"
#include "lists/food_list.h"
#include "lists/food_picker.h"

namespace korva {

CListForm::CListForm(CFListDoc& doc, FoodPicker& picker, const FormTexts& texts)
    : displayUnit_(kUnitFoodUnits), doc_(doc), picker_(picker), texts_(texts),
      servingLine_(doc.list().currentServingLine()), totals_(totalsBox()) {
    lines_.push_back(texts_.header);
}

CListForm::~CListForm() = default;

FoodList& CListForm::list() const { return doc_.list(); }
FoodDataBase& CListForm::db() const { return doc_.dataBase(); }
Platform& CListForm::platform() const { return doc_.platform(); }
const std::string& CListForm::title() const { return doc_.title(); }

CListForm::Focus CListForm::takeFocusRequest() {
    Focus f = focus_;
    focus_ = Focus::none;
    return f;
}

// ---- Refreshing ------------------------------------------------------------

void CListForm::rebuildLines() {
    lines_.assign(1, texts_.header);
    for (const FoodItem& item : list().items()) lines_.push_back(item.lineText(displayUnit_));
}

void CListForm::selectCurrentLine() { selectedLine_ = list().empty() ? 0 : list().currentIndex() + 1; }

void CListForm::refreshAmountText() {
    amountText_ = list().empty() ? std::string() : list().currentAmountText(displayUnit_);
}

void CListForm::afterListChanged() {
    list().recomputeTotals();
    totals_ = computeTotals();
    refreshAmountText();
    servingLine_ = list().currentServingLine();
    rebuildLines();
    selectCurrentLine();
    deleteEnabled_ = !list().empty();
}

void CListForm::refreshAll() {
    afterListChanged();
    const FoodItem* item = list().current();
    foodName_ = item ? item->name() : std::string();
    afterSelection();
}

void CListForm::showInUnit(std::uint16_t unit) {
    if (list().empty()) {
        platform().message(texts_.noItemsForDisplay);
        return;
    }
    displayUnit_ = unit;
    list().setCurrentDisplayUnit(displayUnit_);
    rebuildLines();
    selectCurrentLine();
    refreshAmountText();
    afterSelection();
}

// ---- Opening ---------------------------------------------------------------

void CListForm::onInitialUpdate() {
    if (!list().empty()) list().select(0);
    startUnits();
    refreshAll();
    nameModified_ = amountModified_ = false;
    focus_ = Focus::foodName;
}

// ---- The edits and Enter ---------------------------------------------------

void CListForm::onFoodNameEdited(const std::string& text) {
    foodName_ = text.substr(0, texts_.fieldLength);
    nameModified_ = true;
}

void CListForm::onAmountEdited(const std::string& text) {
    amountText_ = text.substr(0, texts_.fieldLength);
    amountModified_ = true;
}

void CListForm::onEnter(bool helpHasFocus) {
    if (nameModified_) {
        nameModified_ = false;
        searchByName();
    } else if (amountModified_) {
        amountModified_ = false;
        enterTypedAmount();
    } else if (helpHasFocus) {
        platform().openHelp(texts_.helpContext);
    }
}

void CListForm::searchByName() {
    // A typed name keeps its text when nothing is added, so it can be mended.
    auto position = picker_.pickByName(foodName_.substr(0, 39));
    if (std::string note = picker_.takeStatusNote(); !note.empty()) statusText_ = std::move(note);
    if (position && addFood(*position)) focus_ = Focus::amount;
}

// The amount typed into the amount field, taken on Enter.
void CListForm::enterTypedAmount() {
    if (list().empty()) {
        amountText_.clear();
        return;
    }
    // Whether taken or refused, the amount shown is selected, so the next
    // figure typed replaces it instead of running on after it.
    focus_ = Focus::amount;
    std::uint16_t unit = amountUnit();
    const std::optional<std::string> understood =
        list().enterTypedAmount(amountText_, unit, platform(), texts_.amountRefusal);
    if (!understood) {
        refreshAmountText();
        return;
    }
    statusText_ = *understood;
    if (unit != amountUnit()) unitNamed(unit);
    afterListChanged();
}

// ---- Adding ----------------------------------------------------------------

void CListForm::onAddFromCategories() {
    if (auto position = picker_.pickFromCategories()) addChosenFood(*position);
}

void CListForm::addChosenFood(std::size_t position) {
    if (addFood(position)) focus_ = Focus::amount;
}

void CListForm::addFromSearch(std::size_t position, std::uint16_t unit) {
    takeSearchUnit(unit);
    if (!addFood(position)) return;
    focus_ = Focus::amount;
    // The found food comes as one of what the search compared: 100 grams,
    // 100 calories or a serving.
    if (unit == kUnitGrams || unit == kUnitCalories) {
        amountText_ = "100";
        enterTypedAmount();
    }
}

bool CListForm::addFood(std::size_t position) {
    if (position >= db().index().entries().size()) return false;
    const ShortFood entry = db().index().entries()[position];
    if (!list().addFood(entry, amountUnit())) {
        platform().message(listmsg::kItemNotFound);
        return false;
    }
    list().setCurrentDisplayUnit(displayUnit_);
    foodName_ = entry.name;
    afterListChanged();
    db().selection().setCurrentCategory(entry.category);
    return true;
}

// ---- The item list and the scroll bar --------------------------------------

void CListForm::onLineSelected(int line) {
    if (list().empty()) return;
    if (line < 1 || line > static_cast<int>(list().itemCount())) {
        selectCurrentLine(); // the header is not an item: stay where we were
        return;
    }
    list().select(line - 1);
    selectedLine_ = line;
    servingLine_ = list().currentServingLine();
    foodName_ = list().current()->name();
    refreshAmountText();
    nameModified_ = amountModified_ = false;
    afterSelection();
}

void CListForm::onScrollStep(bool up) {
    if (list().empty()) return;
    list().stepCurrentAmount(up);
    refreshAmountText();
    amountModified_ = false;
}

// The totals follow the stepped amount once the arrows are let go.
void CListForm::onScrollEnd() {
    if (!list().empty()) afterListChanged();
}

// ---- Delete and Clear ------------------------------------------------------

void CListForm::onDelete() {
    if (list().empty()) return;
    list().deleteCurrent();
    afterListChanged();
    if (const FoodItem* item = list().current()) {
        foodName_ = item->name();
    } else {
        foodName_ = kNone;
        amountText_ = kNone;
    }
    nameModified_ = amountModified_ = false;
}

void CListForm::onClear() {
    if (platform().messageBox(texts_.clearQuestion, kWarningCaption, MsgButtons::yesNoCancel) != MsgAnswer::yes) return;
    clearOwnFields();
    list().clear();
    afterListChanged();
    servingLine_ = kClearedServingLine;
    foodName_ = kNone;
    amountText_ = kNone;
    nameModified_ = amountModified_ = false;
}

} // namespace korva
