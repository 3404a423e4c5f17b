#include "lists/food_item.h"

#include <cmath>

#include "archive/archive.h"
#include "core/food_data_base.h"
#include "core/nutrients.h"
#include "core/printf_text.h"
#include "core/short_food.h"
#include "lists/number_scan.h"

namespace korva {

std::string_view unitLabel(int unit) {
    switch (unit) {
    case kUnitGrams: return "Grams";
    case kUnitCalories: return "Calories";
    case kUnitServings: return "Servings";
    case kUnitEntryUnits: return "EntryUnits";
    case kUnitFoodUnits: return "Food Units";
    default: return {};
    }
}

bool servingsInRange(float servings) { return servings > 0.0f && servings <= kMaxItemServings; }

bool FoodItem::attach(const ShortFood& entry, const FoodDataBase& db) {
    NutrientRecord record;
    if (!db.records().readFoodRecord(entry, record)) return false;
    attach(entry, record);
    return true;
}

void FoodItem::attach(const ShortFood& entry, const NutrientRecord& record) {
    foodId_ = entry.id;
    found_ = true;
    name_ = entry.name;
    measure_ = entry.servingText;
    gramsPerServing_ = entry.gramsPerServing;
    category_ = entry.category;
    record_ = record;
}

float FoodItem::calories() const {
    const float perServing = gramsPerServing_ / 100.0f * caloriesPer100g();
    return perServing * servings_;
}

bool FoodItem::setAmount(float value, std::uint16_t unit) {
    float servings = servings_;
    switch (unit) {
    case kUnitGrams:
        // A food without a weight per serving cannot take grams; dividing
        // would store an infinite amount in the list file.
        if (!(gramsPerServing_ > 0.0f)) return false;
        servings = value / gramsPerServing_;
        break;
    case kUnitCalories: {
        const float perServing = caloriesPer100g() * gramsPerServing_ / 100.0f;
        if (!(perServing > 0.0f)) return false; // water, tea: no calories to count
        servings = value / perServing;
        break;
    }
    case kUnitServings:
        servings = value;
        break;
    default:
        break;
    }
    // The list file reader refuses what this would let in.
    if (!servingsInRange(servings)) return false;
    servings_ = servings;
    entryUnit_ = unit;
    return true;
}

void FoodItem::stepServings(bool up) {
    // The step is taken in double and stored in single precision; the lower
    // bound is compared in double, so 0.1f itself (a hair above 0.1) stays.
    float s = static_cast<float>(static_cast<double>(servings_) + (up ? 0.1 : -0.1));
    if (static_cast<double>(s) < kMinSteppedServings) s = static_cast<float>(kMinSteppedServings);
    if (s > kMaxSteppedServings) s = kMaxSteppedServings;
    servings_ = s;
}

std::string FoodItem::amountText(std::uint16_t unit) const {
    switch (unit) {
    case kUnitGrams: return printfText("%6.1f grams", static_cast<double>(grams()));
    case kUnitCalories: return printfText("%ld calories", nearestInteger(calories()));
    case kUnitServings: return printfText("%5.2f serving(s)", static_cast<double>(servings_));
    case kUnitEntryUnits:
        return entryUnit_ <= kUnitServings ? amountText(entryUnit_) : std::string();
    case kUnitFoodUnits: return foodUnitsText();
    default: return {};
    }
}

std::string FoodItem::lineText(std::uint16_t unit) const {
    return name_ + '\t' + measure_ + '\t' + amountText(unit);
}

std::string FoodItem::servingLine() const {
    const float cal = caloriesPer100g() * servings_ * gramsPerServing_ / 100.0f;
    return printfText("%4.1f Servings = %6.1f Grams = %6.1f Calories", static_cast<double>(servings_),
                      static_cast<double>(grams()), static_cast<double>(cal));
}

float FoodItem::foodUnits(std::string& unitText) const {
    HouseholdMeasure m = parseHouseholdMeasure(measure_);
    unitText = std::move(m.unitText);
    return m.quantity * servings_;
}

std::string FoodItem::foodUnitsText() const {
    if (std::fabs(servings_ - 1.0f) < 0.0001f) return measure_;
    std::string unit;
    const float q = foodUnits(unit);
    return printfText("%-6.2f %s", static_cast<double>(q), unit.c_str());
}

void FoodItem::Serialize(Archive& ar) {
    ar.io(foodId_);
    ar.io(entryUnit_);
    ar.io(displayUnit_);
    ar.io(servings_);
    if (!ar.isLoading()) return;
    // Amounts and units outside what the program can enter are damage, and
    // would show as "nan serving(s)" or spoil the totals of a merge.
    if (entryUnit_ >= kDisplayUnitCount || displayUnit_ >= kDisplayUnitCount || !servingsInRange(servings_))
        throw ArchiveError(ArchiveError::badIndex);
    // A stored item is only an id until the reader finds its food.
    found_ = false;
}

namespace {

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// "1 1/2", "1-1/2", "1/2": a whole part before the first blank or dash
// (none when the slash comes first), then numerator/denominator.
float fractionQuantity(std::string_view number) {
    const std::size_t slash = number.find('/');
    const std::size_t sep = number.find_first_of(" -/");
    long whole = 0;
    std::size_t numStart = 0;
    if (sep != slash) {
        whole = scanInt(number.substr(0, sep)).value_or(0);
        numStart = sep + 1;
    }
    const long numerator =
        numStart <= slash ? scanInt(number.substr(numStart, slash - numStart)).value_or(0) : 0;
    const long denominator = scanInt(number.substr(slash + 1)).value_or(0);
    // "1/0 cup" would otherwise show an infinite amount.
    if (denominator == 0) return static_cast<float>(whole);
    return static_cast<float>(numerator) / static_cast<float>(denominator) + static_cast<float>(whole);
}

} // namespace

HouseholdMeasure parseHouseholdMeasure(std::string_view measure) {
    HouseholdMeasure out;
    std::string number;
    for (std::size_t i = 0; i < measure.size(); ++i) {
        const char c = measure[i];
        if (isAsciiLetter(c)) {
            out.unitText = std::string(measure.substr(i));
            break;
        }
        if (isDigit(c) || c == ' ' || c == '-' || c == '.' || c == '/') number += c;
    }

    // A measure without a readable count ("cup", "slice 3\"") means one of it.
    if (measure.find('"') != std::string_view::npos) {
        const std::size_t blank = measure.find(' ');
        const std::string_view firstWord = measure.substr(0, blank);
        if (firstWord.find('"') == std::string_view::npos) {
            out.quantity = static_cast<float>(scanInt(firstWord).value_or(1));
            out.unitText = blank == std::string_view::npos ? std::string() : std::string(measure.substr(blank + 1));
        } else {
            out.quantity = 1.0f;
        }
    } else if (number.find('/') == std::string::npos) {
        out.quantity = scanFloat(number).value_or(1.0f);
    } else {
        out.quantity = fractionQuantity(number);
    }
    return out;
}

} // namespace korva
