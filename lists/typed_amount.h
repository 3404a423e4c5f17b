#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korva {

class FoodItem;

// Typed amounts must lie in this range, in whatever unit they are typed.
inline constexpr double kMinTypedAmount = 0.1;
inline constexpr double kMaxTypedAmount = 10000.0;
inline constexpr float kGramsPerOunce = 28.0f;
inline constexpr float kGramsPerPound = 453.6f;

struct TypedAmount {
    float value = 0.0f;     // in `unit` (ounces, pounds and measures already converted)
    std::uint16_t unit = 0; // 0 Grams, 1 Calories, 2 Servings
    bool unitNamed = false; // the text named the unit (else the view's was taken)
    std::string said;       // what was read: "2 cup", "250 calories"
};

// A typed amount, or why it was refused.  `refusal` is empty when the
// number is missing or out of bounds: each form has its own message for that.
struct AmountReading {
    std::optional<TypedAmount> amount;
    std::string refusal;
};

// Reads an amount as the user types it for a food of household measure
// `measure` ("1 cup, chop.", "1 slice"): one number ("2", "1.5", "1/2",
// "1 1/2") within 0.1 .. 10000 as typed, then at most one unit, without
// regard to case.  The first rule that matches decides:
//   a word beginning with "serv" -> servings; "cal" (or "kcal") ->
//   calories; "gram", "grm" or "gm" -> grams (a word, not any text holding
//   them: "segment" and "scallop" are measures); "oz" -> grams, the number times 28; "lb" -> grams,
//   times 453.6; a lone letter c, g or s -> calories, grams, servings; the
//   food's own measure word ("cup", "slice"; plural or not) -> that many
//   measures; "tbsp", "tsp", "cup", "fl oz" -> converted through the food's
//   measure when it is a volume (16 tbsp a cup, 3 tsp a tbsp, 2 tbsp a
//   fl oz), else refused; no unit -> the view's entry unit.
// Any other word, a second number or a second decimal point is refused with
// a message that names the units understood.
AmountReading readTypedAmount(std::string_view text, std::uint16_t viewEntryUnit, std::string_view measure = {});

// What an accepted amount came to, for the status line:
// "2 cup = 2.00 servings = 182 g = 62 cal".
std::string understoodText(const TypedAmount& amount, const FoodItem& item);

} // namespace korva
