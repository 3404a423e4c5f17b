#pragma once

// The tests' data trees: a data root of its own holding foods written with the
// program's own writers, and on request a state file, users, FoodLists and
// any other file, opened again the way start-up opens it.

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/nutrient_record.h"
#include "core/short_food.h"
#include "tests/support/temp_root.h"

namespace korva {
class FoodDataBase;
}

namespace korva::test {

// A food of a test tree.  Id 0 takes DataTree::idOf(its place in the list).
struct DataFood {
    int category = 0;
    std::string name;
    std::string measure = "1 cup";
    float gramsPerServing = 100.0f;
    NutrientRecord record; // values and levels; id and category are filled in
    std::uint16_t id = 0;
};

// A food whose first nutrients are `values` per 100 g, every nutrient available.
DataFood foodOf(int category, std::string name, std::vector<float> values = {}, std::uint16_t id = 0);

// A record that tells its food apart from every other.
NutrientRecord distinctRecord(std::uint16_t id, std::uint16_t category);

// `n` foods spread over the categories: ids 100 + k, names "food 10000" on,
// each with its distinct record.
std::vector<DataFood> spreadFoods(int n);

// Writes index.ser and foods.arc of a consolidated data base holding `foods`,
// put in index order (category, then name, stably).
bool writeFoods(const DataPaths& paths, std::vector<DataFood> foods);
// Writes index.ser and foods.arc as given: `entries` in index order,
// `records[k]` the record of entries[k].  Record numbers, flags and the
// records' ids and categories are filled in.
bool writeFoodFiles(const DataPaths& paths, std::vector<ShortFood> entries, std::vector<NutrientRecord> records);
// Records laid end to end, as foods.arc holds them.
std::vector<std::uint8_t> recordBytes(const std::vector<NutrientRecord>& records);
// korva.ini of a consolidated data base of `foods` shipped foods.
bool writeConsolidatedState(const DataPaths& paths, int foods);
// A user profile file naming `name` with `targets`.
bool writeUser(const std::filesystem::path& file, const std::string& name, const NutrientRecord& targets);
// Opens the data base the way start-up does; false where start-up would stop.
bool openLikeStartUp(FoodDataBase& db);

// The whole file, or nothing when it cannot be read.
std::vector<std::uint8_t> fileBytes(const std::filesystem::path& p);

// Without foods the data folders stay empty.
class DataTree {
public:
    explicit DataTree(std::vector<DataFood> foods = {}, const std::string& tag = "korva");
    DataTree(const DataTree&) = delete;
    DataTree& operator=(const DataTree&) = delete;

    // The parts beyond the foods; each throws when it cannot be written.
    DataTree& withState();
    DataTree& withUser(const std::string& file, const std::string& name, const NutrientRecord& targets = {});
    // A FoodList of (food id, servings) pairs, saved in the list folder.
    DataTree& withList(const std::string& name, const std::vector<std::pair<std::uint16_t, float>>& servings);

    DataPaths paths() const { return root_.paths(); }
    const std::filesystem::path& root() const { return root_.root(); }
    std::filesystem::path listFile(const std::string& name) const { return paths().foodListDir() / name; }
    // Id of the i-th food given without an id of its own.
    static std::uint16_t idOf(std::size_t i) { return static_cast<std::uint16_t>(1000 + i); }

    // Points the data base at this tree and loads the index.
    bool load(FoodDataBase& db) const;
    // Points it here and opens it as start-up does, recipe catalogue and all
    // when `recipes` is set.
    bool open(FoodDataBase& db, bool recipes = false) const;

private:
    TempRoot root_;
    std::size_t foods_ = 0;
};

} // namespace korva::test
