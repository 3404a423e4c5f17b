#include "lists/food_list.h"

#include <climits>

#include "archive/archive.h"
#include "archive/class_registry.h"
#include "core/food_data_base.h"
#include "core/nutrients.h"
#include "core/platform.h"
#include "core/printf_text.h"
#include "lists/typed_amount.h"

namespace korva {

namespace {

constexpr int kTotalFlagIncluded = 2;
using nutrient::kCarbohydrate;
using nutrient::kProtein;
using nutrient::kTotalFat;

// Items are written inline, so neither class ever appears in a tag of a list
// file; they are registered so that every serializable class can be made by
// name.
const bool kRegistered = registerSerializable<FoodList>(FoodList::kClassName, FoodList::kSchema) &&
                         registerSerializable<FoodItem>(FoodItem::kClassName, FoodItem::kSchema);

int rounded(float x) {
    const long p = nearestInteger(static_cast<double>(x));
    if (p > INT_MAX) return INT_MAX;
    if (p < INT_MIN) return INT_MIN;
    return static_cast<int>(p);
}

} // namespace

std::string listDateText(const LocalDateTime& t) {
    return printfText("%02d/%02d/%02d", t.month % 100, t.day % 100, t.year % 100);
}

FoodList::FoodList(FoodDataBase* db, std::string date) : db_(db), date_(std::move(date)) {
    (void)kRegistered;
    for (int n = 0; n < kNutrientCount; ++n) totals_.setLevel(n, kTotalFlagIncluded);
}

const FoodItem* FoodList::current() const { return items_.empty() ? nullptr : &items_[std::size_t(current_)]; }
FoodItem* FoodList::currentItem() { return items_.empty() ? nullptr : &items_[std::size_t(current_)]; }

// ---- Items -------------------------------------------------------------------

std::optional<std::string> FoodList::addFood(const ShortFood& entry, std::uint16_t unit) {
    if (!db_ || items_.size() >= kMaxItems) return std::nullopt;
    FoodItem item;
    item.setEntryUnit(unit);
    if (!item.attach(entry, *db_)) return std::nullopt;
    append(std::move(item));
    addCurrentToTotals();
    publishCurrentFood();
    return current()->lineText(current()->displayUnit());
}

bool FoodList::append(FoodItem item) {
    if (items_.size() >= kMaxItems) return false;
    items_.push_back(std::move(item));
    current_ = static_cast<int>(items_.size()) - 1;
    touch();
    return true;
}

void FoodList::deleteCurrent() {
    if (items_.empty()) return;
    items_.erase(items_.begin() + current_);
    if (current_ >= static_cast<int>(items_.size())) current_ = 0;
    touch();
    recomputeTotals();
    publishCurrentFood();
}

void FoodList::clear() {
    items_.clear();
    current_ = 0;
    touch();
    recomputeTotals();
    publishCurrentFood();
}

void FoodList::select(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size())) return;
    current_ = index;
    publishCurrentFood();
}

void FoodList::step(bool forward) {
    if (items_.empty()) return;
    const int n = static_cast<int>(items_.size());
    current_ = forward ? (current_ + 1) % n : (current_ + n - 1) % n;
    publishCurrentFood();
}

void FoodList::publishCurrentFood() {
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

void FoodList::resetTotals() {
    totals_.values.fill(0.0f);
    totals_.levels.fill(0);
    totalGrams_ = 0.0f;
    pctFat_ = pctProtein_ = pctCarbohydrate_ = 0;
}

void FoodList::addItemToTotals(const FoodItem& item) {
    const float f = item.gramsPerServing() / 100.0f;
    for (int n = 0; n < kNutrientCount; ++n) {
        if (item.record().level(n) <= 0) continue;
        const float per = item.record().value(n) * f;
        totals_.values[std::size_t(n)] += per * item.servings();
    }
    totalGrams_ += item.servings() * item.gramsPerServing();
}

void FoodList::recomputeTotals() {
    resetTotals();
    for (const FoodItem& item : items_) {
        addItemToTotals(item);
        for (int n = 0; n < kNutrientCount; ++n)
            if (item.record().level(n) > 0) totals_.setLevel(n, kTotalFlagIncluded);
    }
    computePercentages();
}

void FoodList::addCurrentToTotals() {
    if (const FoodItem* item = current()) addItemToTotals(*item);
    computePercentages();
}

void FoodList::computePercentages() {
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

ServingFigures FoodList::perServing() const {
    ServingFigures out;
    out.values.levels = totals_.levels;
    const float count = recipe_.servingCount();
    if (!(count > 0.0f)) return out;
    for (int n = 0; n < kNutrientCount; ++n) out.values.setValue(n, totals_.value(n) / count);
    const float cal = out.values.value(0);
    out.calories = nearestInteger(static_cast<double>(cal));
    if (!(cal > 0.0f)) return out;
    out.pctFat = rounded(9.0f * out.values.value(kTotalFat) / cal * 100.0f);
    out.pctProtein = rounded(4.0f * out.values.value(kProtein) / cal * 100.0f);
    out.pctCarbohydrate = rounded(4.0f * out.values.value(kCarbohydrate) / cal * 100.0f);
    return out;
}

// ---- The current item --------------------------------------------------------

bool FoodList::setCurrentAmount(float value, std::uint16_t unit) {
    FoodItem* item = currentItem();
    if (!item || !item->setAmount(value, unit)) return false;
    touch();
    recomputeTotals();
    return true;
}

void FoodList::stepCurrentAmount(bool up) {
    FoodItem* item = currentItem();
    if (!item) return;
    item->stepServings(up);
    touch();
    recomputeTotals();
}

std::optional<std::string> FoodList::enterTypedAmount(std::string_view text, std::uint16_t& viewEntryUnit,
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

void FoodList::setCurrentDisplayUnit(std::uint16_t u) {
    FoodItem* item = currentItem();
    if (!item) return;
    item->setDisplayUnit(u == kUnitEntryUnits ? item->entryUnit() : u);
    touch();
}

void FoodList::setCurrentEntryUnit(std::uint16_t u) {
    FoodItem* item = currentItem();
    if (!item || u == kUnitEntryUnits) return;
    item->setEntryUnit(u);
    touch();
}

std::uint16_t FoodList::currentDisplayUnit() const {
    const FoodItem* item = current();
    return item ? item->displayUnit() : std::uint16_t(kUnitServings);
}

std::uint16_t FoodList::currentEntryUnit() const {
    const FoodItem* item = current();
    return item ? item->entryUnit() : std::uint16_t(kUnitServings);
}

std::string FoodList::currentLineText(std::uint16_t unit) const {
    const FoodItem* item = current();
    return item ? item->lineText(unit) : "No  Food  Items";
}

std::string FoodList::currentServingLine() const {
    const FoodItem* item = current();
    return item ? item->servingLine() : "1 serving = 000 calories = 000 grams";
}

std::string FoodList::currentAmountText(std::uint16_t unit) const {
    const FoodItem* item = current();
    return item ? item->amountText(unit) : "No Serving Chosen";
}

// ---- List fields -------------------------------------------------------------

void FoodList::setListType(std::uint16_t t) {
    listType_ = t;
    touch();
}

std::string FoodList::fileName() const {
    const std::size_t sep = path_.find_last_of("\\/");
    return sep == std::string::npos ? path_ : path_.substr(sep + 1);
}

void FoodList::setRecipeFoodId(std::uint16_t id) {
    totals_.id = id;
    touch();
}

} // namespace korva
