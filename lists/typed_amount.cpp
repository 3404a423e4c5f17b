#include "lists/typed_amount.h"

#include <string>

#include "core/ascii_text.h"
#include "lists/food_item.h"
#include "lists/number_scan.h"

namespace korva {

namespace {

bool contains(const std::string& text, std::string_view word) { return text.find(word) != std::string::npos; }

} // namespace

std::optional<TypedAmount> parseTypedAmount(std::string_view text, std::uint16_t viewEntryUnit) {
    const std::optional<float> number = scanFloat(text);
    if (!number) return std::nullopt;
    const double v = static_cast<double>(*number);
    // The bounds hold for the number as typed, before ounces become grams.
    if (!(v >= kMinTypedAmount && v <= kMaxTypedAmount)) return std::nullopt;

    TypedAmount out{*number, viewEntryUnit, true};
    const std::string t = lowerAscii(text);
    if (contains(t, "serv")) {
        out.unit = kUnitServings;
    } else if (contains(t, "cal")) {
        out.unit = kUnitCalories;
    } else if (contains(t, "gram") || contains(t, "grm") || contains(t, "gm")) {
        out.unit = kUnitGrams;
    } else if (contains(t, "c")) {
        out.unit = kUnitCalories;
    } else if (contains(t, "g")) {
        out.unit = kUnitGrams;
    } else if (contains(t, "s")) {
        out.unit = kUnitServings;
    } else if (contains(t, "oz")) {
        out.unit = kUnitGrams;
        out.value = *number * kGramsPerOunce;
    } else {
        out.unitNamed = false;
    }
    return out;
}

} // namespace korva
