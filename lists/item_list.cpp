#include "lists/item_list.h"

#include <climits>

#include "core/food_data_base.h"
#include "core/nutrients.h"
#include "core/platform.h"
#include "lists/food_list.h"
#include "lists/typed_amount.h"

namespace korva {

namespace {

constexpr int kTotalFlagIncluded = 2;
using nutrient::kCarbohydrate;
using nutrient::kProtein;
using nutrient::kTotalFat;

int rounded(float x) {
    const long p = nearestInteger(static_cast<double>(x));
    if (p > INT_MAX) return INT_MAX;
    if (p < INT_MIN) return INT_MIN;
    return static_cast<int>(p);
}

} // namespace

ItemList::ItemList(FoodDataBase* db) : db_(db) {
    for (int n = 0; n < kNutrientCount; ++n) totals_.setLevel(n, kTotalFlagIncluded);
}

const FoodItem* ItemList::current() const { return items_.empty() ? nullptr : &items_[std::size_t(current_)]; }
FoodItem* ItemList::currentItem() { return items_.empty() ? nullptr : &items_[std::size_t(current_)]; }

// ---- Items -------------------------------------------------------------------

std::optional<std::string> ItemList::addFood(const ShortFood& entry, std::uint16_t unit) {
    if (!db_ || items_.size() >= kMaxItems) return std::nullopt;
    FoodItem item;
    item.setEntryUnit(unit);
    if (!item.attach(entry, *db_)) return std::nullopt;
    append(std::move(item));
    addCurrentToTotals();
    publishCurrentFood();
    return current()->lineText(current()->displayUnit());
}

bool ItemList::append(FoodItem item) {
    if (items_.size() >= kMaxItems) return false;
    items_.push_back(std::move(item));
    current_ = static_cast<int>(items_.size()) - 1;
    touch();
    return true;
}

void ItemList::deleteCurrent() {
    if (items_.empty()) return;
    items_.erase(items_.begin() + current_);
    if (current_ >= static_cast<int>(items_.size())) current_ = 0;
    touch();
    recomputeTotals();
    publishCurrentFood();
}

void ItemList::clear() {
    items_.clear();
    current_ = 0;
    touch();
    recomputeTotals();
    publishCurrentFood();
}

void ItemList::select(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size())) return;
    current_ = index;
    publishCurrentFood();
}

void ItemList::step(bool forward) {
    if (items_.empty()) return;
    const int n = static_cast<int>(items_.size());
    current_ = forward ? (current_ + 1) % n : (current_ + n - 1) % n;
    publishCurrentFood();
}

void ItemList::publishCurrentFood() {
    if (!db_) return;
    const FoodItem* item = current();
    if (!item) {
        db_->selection().setCurrentEntry(std::nullopt);
        db_->selection().setCurrentCategory(0);
        return;
    }
    const std::optional<std::size_t> pos = db_->index().findPositionById(item->foodId());
    db_->selection().setCurrentEntry(pos);
    const int category = pos ? db_->index().entries()[*pos].category : item->category();
    if (category >= 0 && category < kCategoryCount) db_->selection().setCurrentCategory(category);
}

// ---- Totals ------------------------------------------------------------------

void ItemList::resetTotals() {
    totals_.values.fill(0.0f);
    totals_.levels.fill(0);
    coverage_.clear();
    totalGrams_ = 0.0f;
    pctFat_ = pctProtein_ = pctCarbohydrate_ = 0;
}

void ItemList::addItemToTotals(const FoodItem& item) {
    const float f = item.gramsPerServing() / 100.0f;
    for (int n = 0; n < kNutrientCount; ++n) {
        if (item.record().level(n) <= 0) continue;
        const float per = item.record().value(n) * f;
        totals_.values[std::size_t(n)] += per * item.servings();
        // An item added after the list was emptied must still count as
        // reported, or its totals would read "N / A".
        totals_.setLevel(n, kTotalFlagIncluded);
    }
    coverage_.addItem(item.record());
    totalGrams_ += item.servings() * item.gramsPerServing();
}

void ItemList::recomputeTotals() {
    resetTotals();
    for (const FoodItem& item : items_) addItemToTotals(item);
    computePercentages();
}

void ItemList::addCurrentToTotals() {
    if (const FoodItem* item = current()) addItemToTotals(*item);
    computePercentages();
}

void ItemList::computePercentages() {
    const float p = totals_.value(kProtein);
    const float f = totals_.value(kTotalFat);
    const float c = totals_.value(kCarbohydrate);
    const float d = (4.0f * p + 9.0f * f + 4.0f * c) * 0.01f;
    if (!(d > 1e-10f)) {
        pctFat_ = pctProtein_ = pctCarbohydrate_ = 0;
        return;
    }
    pctFat_ = rounded(9.0f * f / d);
    pctProtein_ = rounded(4.0f * p / d);
    pctCarbohydrate_ = rounded(4.0f * c / d);
}

// ---- The current item --------------------------------------------------------

bool ItemList::setCurrentAmount(float value, std::uint16_t unit) {
    FoodItem* item = currentItem();
    if (!item || !item->setAmount(value, unit)) return false;
    touch();
    recomputeTotals();
    return true;
}

void ItemList::stepCurrentAmount(bool up) {
    FoodItem* item = currentItem();
    if (!item) return;
    item->stepServings(up);
    touch();
    recomputeTotals();
}

std::optional<std::string> ItemList::enterTypedAmount(std::string_view text, std::uint16_t& viewEntryUnit,
                                                      Platform& platform, const char* outOfBounds) {
    FoodItem* item = currentItem();
    if (!item) return std::nullopt;
    const AmountReading reading = readTypedAmount(text, viewEntryUnit, item->householdMeasure());
    if (!reading.amount || !setCurrentAmount(reading.amount->value, reading.amount->unit)) {
        const std::string refusal = !reading.refusal.empty() ? reading.refusal
                                    : outOfBounds            ? outOfBounds
                                                             : listmsg::kAmountOutOfBounds;
        platform.messageBox(refusal, listmsg::kErrorCaption, MsgButtons::ok);
        return std::nullopt;
    }
    if (reading.amount->unitNamed) viewEntryUnit = reading.amount->unit;
    return understoodText(*reading.amount, *item);
}

void ItemList::setCurrentDisplayUnit(std::uint16_t u) {
    FoodItem* item = currentItem();
    if (!item) return;
    item->setDisplayUnit(u == kUnitEntryUnits ? item->entryUnit() : u);
    touch();
}

void ItemList::setCurrentEntryUnit(std::uint16_t u) {
    FoodItem* item = currentItem();
    if (!item || u == kUnitEntryUnits) return;
    item->setEntryUnit(u);
    touch();
}

std::uint16_t ItemList::currentDisplayUnit() const {
    const FoodItem* item = current();
    return item ? item->displayUnit() : std::uint16_t(kUnitServings);
}

std::uint16_t ItemList::currentEntryUnit() const {
    const FoodItem* item = current();
    return item ? item->entryUnit() : std::uint16_t(kUnitServings);
}

std::string ItemList::currentLineText(std::uint16_t unit) const {
    const FoodItem* item = current();
    return item ? item->lineText(unit) : "No  Food  Items";
}

std::string ItemList::currentServingLine() const {
    const FoodItem* item = current();
    return item ? item->servingLine() : "1 serving = 000 calories = 000 grams";
}

std::string ItemList::currentAmountText(std::uint16_t unit) const {
    const FoodItem* item = current();
    return item ? item->amountText(unit) : "No Serving Chosen";
}

} // namespace korva
