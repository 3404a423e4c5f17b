#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/usda_source.h"

namespace korva::importer {

constexpr std::size_t kMaxServingText = 12;

// Servings heavier than this are passed over when a food has a lighter one.
constexpr double kMaxServingGrams = 400;

struct Serving {
    std::string text;  // "1 cup", "1/2 cup", "1 1/2 cups", "1 cup, chop.", "100 g"
    float grams = 100; // weight of that measure
};

// An amount as the food-units display reads it back: a whole number, a
// simple fraction or both ("3", "1/2", "1 1/3"), else a short decimal
// ("0.6", "3.53").  None for amounts that are not positive or too large.
std::optional<std::string> amountText(double amount);

// A USDA measure said in at most 12 characters, always the same way: the
// amount, the unit ("tablespoon" is "tbsp"), and a known qualifier after a
// comma when there is room ("1 cup, diced"), shortened when there is not
// ("1 cup, chop.").  Remarks, brands and sizes in inches are left out.
// None when the description names no unit.
std::optional<std::string> measureText(double amount, std::string_view description);

// How near a measure comes to what a person eats at one sitting.
enum class Portion {
    eaten,   // cup, slice, piece, fillet, serving, 3 oz ...
    weighed, // a bare 1 oz or 1 g: true, but not what anyone serves
    whole,   // a roast, a bird, a head, a bunch, a package
};

Portion portionOf(const SourceMeasure& measure);

// The serving of a food: its measure nearest a portion a person eats (the
// lowest Portion, then USDA order), passing over measures above 400 g when
// a lighter one exists; 100 grams only when no measure can be said.
Serving chooseServing(const std::vector<SourceMeasure>& measures);

} // namespace korva::importer
