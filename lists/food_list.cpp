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

FoodList::FoodList(FoodDataBase* db, std::string date) : ItemList(db), date_(std::move(date)) { (void)kRegistered; }

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
