#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/nutrient_record.h"
#include "core/profile_file.h"
#include "core/short_food.h"
#include "core/state_file.h"
#include "tools/usda_source.h"

namespace korva::importer {

// Shipped foods take ids 1 and up: the 1-based rank of the food's NDB_No
// among all source foods.  The same source files always give the same ids,
// and the 7,413 foods stay far below the first user-food id.
constexpr int kFirstUserFoodId = 25000;

struct ShippedFood {
    ShortFood entry;
    NutrientRecord record;
    std::string ndb;
};

// Every source food as an index entry and its record, in index order
// (category, then name ignoring case), consolidated: entry k has record
// number k and the archived flag.
std::vector<ShippedFood> buildShippedFoods(const UsdaSource& source);

// The default user's food-label targets.
ProfileFile defaultUserProfile();

// korva.ini of a freshly consolidated data base of `foodCount` foods.
StateFileData shippedState(int foodCount);

struct TreeFile {
    std::filesystem::path relativePath; // "kvdata/foods.arc"
    std::vector<std::uint8_t> bytes;
};

// The files of the shipped tree with their contents, in a fixed order.
std::vector<TreeFile> shippedTreeFiles(const std::vector<ShippedFood>& foods);

// Writes kvdata/foods.arc, kvdata/index.ser, kvdata/korva.ini,
// kvuser/user00.rda and the empty kvflist and kvrecipe folders under
// `root`.  Each file is replaced whole.  False with `error` set when a file
// cannot be written.
bool writeShippedTree(const std::filesystem::path& root, const std::vector<ShippedFood>& foods, std::string& error);

} // namespace korva::importer
