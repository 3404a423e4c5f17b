#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/nutrient_record.h"
#include "core/short_food.h"

namespace korva {

class FoodDataBase;
class FoodList;
class Platform;

// A recipe's own food in the data base, worked out from its totals: the
// values per 100 grams, the measure of one serving and its weight.
ShortFood recipeFoodEntry(const FoodList& recipe, std::uint16_t foodId);
NutrientRecord recipeFoodRecord(const FoodList& recipe);

// The recipe id and name a recipe file holds; none when it cannot be read.
struct RecipeFileHeader {
    std::uint16_t foodId = 0;
    std::string name;
};
std::optional<RecipeFileHeader> readRecipeFileHeader(const std::filesystem::path& file);

// Another recipe of the catalogue than `ownId`'s carries this name (case
// ignored).
bool recipeNameTaken(const FoodDataBase& db, std::string_view name, std::uint32_t ownId = 0);
// `name` with the first number " (2)", " (3)" ... that no recipe carries.
std::string freeRecipeName(const FoodDataBase& db, const std::string& name);

// Loads the recipe catalogue once per run, before any recipe command: from
// rclist.ser when it lists exactly the data base's recipe foods, else
// rebuilt from the recipe files (and written).  Later calls only check that
// the catalogue still counts every recipe food.
void ensureRecipeCatalogue(FoodDataBase& db);
// The rebuild alone: one item per recipe file whose food the data base
// holds (files of lost or damaged recipes are passed over).
void rebuildRecipeCatalogue(FoodDataBase& db);

// The files a recipe save or restore writes, in the order it writes them.
// A stop after any of them leaves a data base the next start accepts: a
// recipe file without its food is passed over, a food the catalogue lacks
// brings a rebuild.
enum class RecipeStep { recipeFile, foodRecord, stateFile, index, catalogue };
// Called after each step; answering false stops the save there, as a crash
// would (tests use it).
using RecipeStepHook = std::function<bool(RecipeStep)>;

// Writes a recipe as a new one: a new file in the recipe folder, a new food
// id, its food added to the data base and the catalogue.  False, with the
// reason shown, when it cannot; the list keeps its path and id then.
bool saveNewRecipe(FoodDataBase& db, FoodList& recipe, Platform& platform, const RecipeStepHook& hook = {});
// Writes a saved recipe again: its file, then its food's entry and record.
bool updateRecipe(FoodDataBase& db, FoodList& recipe, Platform& platform, const RecipeStepHook& hook = {});

// Reads a backed-up recipe and saves it as a new recipe (a new file, a new
// food id); the catalogue is sorted afterwards.  False, with the reason
// shown, when the file cannot be read or the recipe saved.
bool restoreRecipeFile(FoodDataBase& db, const std::filesystem::path& file, Platform& platform,
                       const RecipeStepHook& hook = {});

// A recipe food has left "Recipes", moved to another category or deleted:
// its item leaves the catalogue, which is written at once (removed when
// empty).  A deleted recipe's file goes too; one that cannot be deleted is
// reported and the catalogue file is left as it was.
void dropRecipeFood(FoodDataBase& db, std::uint16_t foodId, bool deleteFile, Platform& platform);

// Recipe > Backup of a saved recipe into the recipe folder's "backup".
enum class RecipeBackup { written, noFolder, notWritten };
RecipeBackup backupRecipe(const FoodDataBase& db, FoodList& recipe);

namespace recipemsg {
inline constexpr const char* kCantOpen = "... input file can't be opened...";
inline constexpr const char* kFileNotDeleted = " ... recipe file could not be deleted";
inline constexpr const char* kRestored = "... RECIPE has been restored ...";
inline constexpr const char* kNoIdsLeft = "... all recipe numbers are used up, no more recipes can be added ...";
inline std::string renamedOnRestore(const std::string& taken, const std::string& given) {
    return "... a recipe named " + taken + " exists, the restored recipe is named " + given + " ...";
}
inline constexpr const char* kFoodNotWritten =
    "... the recipe's food could not be written, the recipe was not saved ...";
} // namespace recipemsg

} // namespace korva
