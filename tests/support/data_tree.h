#pragma once

// The tests' data trees: a data root of its own holding foods written with the
// program's own writers and loaded into `db`, and on request a state file, a
// current user, FoodLists and logged days, opened again the way start-up
// opens them.  Every helper throws when it cannot write what it was asked to.

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "archive/atomic_file.h"
#include "core/food_data_base.h"
#include "core/nutrient_record.h"
#include "core/platform.h"
#include "core/short_food.h"
#include "daily/log_file.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "lists/recipe_book.h"
#include "search/search_request.h"
#include "tests/support/temp_root.h"

namespace korva::test {

// A food of a test tree.  Id 0 takes DataTree::idOf(its place in the list).
struct DataFood {
    DataFood() = default;
    // Values per 100 g of the nutrients a list's totals box shows, every
    // nutrient available.
    DataFood(int category, std::string name, std::string measure = "1 cup", float grams = 100.0f,
             float calories = 100.0f, float protein = 0, float fat = 0, float carbohydrate = 0, float fiber = 0,
             float cholesterol = 0);
    // Only the nutrients given (value per 100 g) are available.
    DataFood(int category, std::string name, float grams, const std::map<int, float>& values = {});

    int category = 0;
    std::string name;
    std::string measure = "1 cup";
    float gramsPerServing = 100.0f;
    NutrientRecord record; // values and levels; id and category are filled in
    std::uint16_t id = 0;
};

// A food whose first nutrients are `values` per 100 g, every nutrient available.
DataFood food(std::uint16_t id, int category, std::string name, float gramsPerServing, const std::vector<float>& values,
              std::string measure = "1 cup");

// A record that tells its food apart from every other.
NutrientRecord recordFor(std::uint16_t id, std::uint16_t category);
// A record that tells where it came from: value 0 is `tag`.
NutrientRecord taggedRecord(std::uint16_t id, int category, float tag);
// `n` foods spread over the categories: ids 100 + k, names "food 10000" on,
// each with its own record.
std::vector<DataFood> spreadFoods(int n);
// An index entry of a food not yet in any file.
ShortFood newFood(std::uint16_t id, int category, const std::string& name);
// Entries with the given number of foods per category (names "F<c>-<k>", ids from 1000).
std::vector<ShortFood> entriesWithCounts(const std::vector<int>& counts);
// Names of the index's foods of `category`, in index order.
std::vector<std::string> namesOfCategory(const FoodDataBase& db, int category);

// Writes index.ser and foods.arc as given: `entries` in index order,
// `records[k]` the record of entries[k].  Record numbers, flags and the
// records' ids and categories are filled in.
bool writeFoodFiles(const DataPaths& paths, std::vector<ShortFood> entries, std::vector<NutrientRecord> records);
// Records laid end to end, as foods.arc holds them.
std::vector<std::uint8_t> recordBytes(const std::vector<NutrientRecord>& records);
// A consolidated data base of `n` shipped foods: index.ser, foods.arc, korva.ini.
void writeShippedDataBase(const DataPaths& paths, int n);
// A user profile file naming `name` whose calorie target is `calories`.
void writeProfile(const std::filesystem::path& file, const std::string& name, float calories);
void writeBytes(const std::filesystem::path& p, const std::vector<std::uint8_t>& bytes);
// The whole file, or nothing when it cannot be read.
std::vector<std::uint8_t> fileBytes(const std::filesystem::path& p);

// Opens the data base the way start-up does; false where start-up would stop.
bool openDataBase(FoodDataBase& db);
// Points `db` at `paths` and opens it as start-up does, recipe catalogue and all.
bool reopen(FoodDataBase& db, const DataPaths& paths);

struct FoodSeen {
    std::string name;
    std::uint16_t category = 0;
    NutrientRecord record;
    bool operator==(const FoodSeen&) const = default;
};
// Every food of the index with the record it reads back, by id.
std::map<std::uint16_t, FoodSeen> everyFood(const FoodDataBase& db);

// Targets of `value` for the given nutrients (at 100 a percentage is the amount).
NutrientRecord targetsOf(std::initializer_list<int> nutrients, float value = 100.0f);
template <class... N>
NutrientSet nutrients(N... n) {
    NutrientSet s;
    (s.set(static_cast<std::size_t>(n)), ...);
    return s;
}

class DataTree {
public:
    explicit DataTree(std::vector<DataFood> foods = {}, const std::string& tag = "korva");
    DataTree(const DataTree&) = delete;
    DataTree& operator=(const DataTree&) = delete;

    // korva.ini of a consolidated data base of the tree's foods.
    DataTree& withState();
    // Makes `name` (profile `file`) the current user, with a calorie target.
    DataTree& withCurrentUser(const std::string& file, const std::string& name, float calories);
    // Replaces the foods by `entries` with one record each, value 0 its position.
    void writeTagged(std::vector<ShortFood> entries);

    DataPaths paths() const { return root_.paths(); }
    const std::filesystem::path& root() const { return root_.root(); }
    std::filesystem::path listFile(const std::string& name) const { return paths().foodListDir() / name; }
    // Id of the i-th food given without an id of its own.
    static std::uint16_t idOf(std::size_t i) { return static_cast<std::uint16_t>(1000 + i); }
    const ShortFood& entry(std::uint16_t id) const;
    // The food as given, id and category filled in.
    const DataFood& given(std::uint16_t id) const;
    // Names of the foods at the positions found, best first.
    template <class Found>
    std::vector<std::string> names(const Found& found) const {
        std::vector<std::string> v;
        for (std::size_t p : found.positions) v.push_back(db.index().entries()[p].name);
        return v;
    }

    // Points the data base at this tree and loads the index.
    bool load(FoodDataBase& other) const;
    // Points it here and opens it as start-up does, recipe catalogue and all
    // when `recipes` is set.
    bool open(FoodDataBase& other, bool recipes = false) const;

    // The current user's logs.
    LogOwner owner() const { return LogOwner::currentUserOf(db); }
    // A FoodList of `servings` servings of food `id`, saved under `name`.
    std::string saveList(const std::string& name, std::uint16_t id, float servings, Platform& platform);
    // A logged day whose totals hold `calories` (level 1), with one FoodList.
    void saveDay(const LogDate& date, float calories, Platform& platform);
    std::filesystem::path dayFile(const LogDate& date) const { return owner().logFilePath(date.compact()); }

private:
    TempRoot root_;
    std::vector<DataFood> foods_;

public:
    FoodDataBase db;
};

// Milk (101) and Apple (102), and "Ann" (user01.rda) as current user with a
// calorie target of 200.
struct LogTree : DataTree {
    LogTree();
};

inline constexpr std::uint16_t kMilk = 101;
inline constexpr std::uint16_t kApple = 102;

// Milk and Apple with the state file of a fresh data base.
struct RecipeTree : DataTree {
    RecipeTree();
};

// A recipe document ready to save: two ingredients, instructions, a serving
// description and 2 servings.  "Soup" has 4 apples.
std::unique_ptr<CRecipeDoc> readyRecipe(FoodDataBase& db, Platform& platform, ActiveDocument& active,
                                        const std::string& name);

} // namespace korva::test
