#include "lists/flist_view.h"

#include "core/nutrients.h"
#include "lists/flist_doc.h"
#include "lists/food_list.h"

namespace korva {

namespace {

bool isEntryUnit(int unit) { return unit >= 0 && unit < kEntryUnitCount; }

std::vector<std::string> unitLabels(int count) {
    std::vector<std::string> labels;
    for (int u = 0; u < count; ++u) labels.emplace_back(unitLabel(u));
    return labels;
}

} // namespace

CFLView::CFLView(CFListDoc& doc, FoodPicker& picker) : CListForm(doc, picker, kTexts) {}

std::vector<std::string> CFLView::displayChoices() const { return unitLabels(kDisplayUnitCount); }
int CFLView::displayChoice() const { return displayUnit_ < kDisplayUnitCount ? displayUnit_ : -1; }
std::vector<std::string> CFLView::entryUnitLabels() { return unitLabels(kEntryUnitCount); }

void CFLView::startUnits() {
    const FoodItem* item = list().current();
    entryUnit_ = item ? item->entryUnit() : kNoUnit;
    displayUnit_ = item ? item->displayUnit() : kNoUnit;
}

void CFLView::afterSelection() {
    entryUnitEnabled_ = displayUnit_ == kUnitEntryUnits;
    if (entryUnitEnabled_ && !list().empty()) entryUnit_ = list().currentEntryUnit();
}

void CFLView::unitNamed(std::uint16_t unit) {
    entryUnit_ = unit;
    afterSelection();
}

void CFLView::takeSearchUnit(std::uint16_t unit) {
    if (isEntryUnit(unit)) entryUnit_ = unit;
}

TotalsBox CFLView::computeTotals() const {
    const FoodList& l = list();
    return totalsBox({nearestInteger(static_cast<double>(l.totals().value(nutrient::kCalories))), l.totals(),
                      l.pctFat(), l.pctProtein(), l.pctCarbohydrate()});
}

void CFLView::onDisplayChosen(int unit) {
    if (unit >= 0 && unit < kDisplayUnitCount) showInUnit(static_cast<std::uint16_t>(unit));
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

void CFLView::onSave() { document().onSaveFoodList(); }

} // namespace korva
