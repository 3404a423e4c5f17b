#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/usda_source.h"

namespace korva::importer {

constexpr std::size_t kMaxServingText = 12;

struct Serving {
    std::string text;   // "1 cup", "1/2 cup", "1 1/2 cups", "100 g"
    float grams = 100;  // weight of that measure
};

// An amount as the food-units display reads it back: a whole number, a
// simple fraction or both ("3", "1/2", "1 1/3").  None for amounts such as
// 0.6 that no short fraction states.
std::optional<std::string> amountText(double amount);

// The short unit word of a USDA measure description: "cup, chopped" gives
// "cup", "large (2-1/4\" dia)" gives "large"; none when nothing short and
// plain is left.
std::optional<std::string> unitWord(std::string_view description);

// The serving of a food: the first of its measures (in USDA order) that can
// be said in 12 characters with a positive weight, else 100 grams.
Serving chooseServing(const std::vector<SourceMeasure>& measures);

} // namespace korva::importer
