#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace korva {

// Typed amounts must lie in this range, in whatever unit they are typed.
inline constexpr double kMinTypedAmount = 0.1;
inline constexpr double kMaxTypedAmount = 10000.0;
inline constexpr float kGramsPerOunce = 28.0f;

struct TypedAmount {
    float value = 0.0f;     // in `unit` (ounces already turned into grams)
    std::uint16_t unit = 0; // 0 Grams, 1 Calories, 2 Servings
    bool unitNamed = false; // the text named the unit (else the view's was taken)
};

// Reads an amount as the user types it: a number first, then optionally a
// unit word anywhere in the text.  The first rule that matches decides, in
// this order and without regard to case: "serv", "cal", "gram"/"grm"/"gm",
// then any letter c, g or s, then "oz" (grams, the number times 28).  So a
// lone letter decides too ("2 cups" is read as calories); users know the
// short forms c, g and s.  None when there is no number or it lies outside
// 0.1 .. 10000.
std::optional<TypedAmount> parseTypedAmount(std::string_view text, std::uint16_t viewEntryUnit);

} // namespace korva
