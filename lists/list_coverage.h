#pragma once

#include <filesystem>
#include <optional>

#include "core/nutrient_coverage.h"

namespace korva {

class FoodDataBase;

// The coverage of the FoodList file at `file` as reading it would give it:
// items whose food the data base no longer knows are left out, an item whose
// record cannot be read reports nothing.  Says nothing and touches neither
// the file nor the current food; none when the file is missing or damaged.
std::optional<NutrientCoverage> foodListFileCoverage(const std::filesystem::path& file, const FoodDataBase& db);

} // namespace korva
