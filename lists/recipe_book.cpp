#include "lists/recipe_book.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "archive/archive.h"
#include "archive/atomic_file.h"
#include "core/ascii_text.h"
#include "core/db_state.h"
#include "core/file_numbering.h"
#include "core/food_data_base.h"
#include "core/nutrients.h"
#include "core/platform.h"
#include "lists/food_list.h"

namespace korva {

namespace {

constexpr std::size_t kMaxRecipeFoodName = 79;
// Flag bits of a recipe food: bit 1 set, bits 0 and 2 clear (not archived).
constexpr std::uint16_t kRecipeFoodFlags = 0x2;

bool proceed(const RecipeStepHook& hook, RecipeStep step) { return !hook || hook(step); }

// The next recipe food id: past the last one ever handed out (the state
// file's), so that a FoodList naming a deleted recipe never shows another,
// and stepping over ids the index holds already (a catalogue that lost an
// item must not hand out a living food's id).
std::optional<std::uint16_t> freeRecipeId(const FoodDataBase& db) {
    const std::int32_t first =
        std::max({db.recipes().nextFoodId, RCPNList::kFirstId, std::min(db.state().lastRecipeId, 0xFFFF) + 1});
    for (std::int32_t id = first; id <= 0xFFFF; ++id)
        if (!db.index().findEntryById(static_cast<std::uint16_t>(id))) return static_cast<std::uint16_t>(id);
    return std::nullopt;
}

void noteNumbers(FoodDataBase& db, std::uint16_t id, const std::string& fileName) {
    db.state().lastRecipeId = std::max<std::int32_t>(db.state().lastRecipeId, id);
    db.state().lastRecipeFileNumber = std::max(db.state().lastRecipeFileNumber, fileNumberOf(fileName));
}

bool notWritten(const std::filesystem::path& file, Platform& platform) {
    platform.message(notSavedMessage(file));
    return false;
}

// The state file, the index and the catalogue, in that order: the state
// first, so that an index naming a new slot never meets a state file that
// does not count it.  A file that cannot be written is named; its marks stay
// set, and the exit writes it.
bool writeBookkeeping(FoodDataBase& db, Platform& platform, const RecipeStepHook& hook) {
    if (!db.writeStateFile()) return notWritten(db.paths().stateFile(), platform);
    if (!proceed(hook, RecipeStep::stateFile)) return false;
    if (!db.saveIndex()) return notWritten(db.paths().indexSer(), platform);
    if (!proceed(hook, RecipeStep::index)) return false;
    if (!db.recipes().writeFile(db.paths().recipeCatalogue()))
        return notWritten(db.paths().recipeCatalogue(), platform);
    db.recipes().modified = false;
    return proceed(hook, RecipeStep::catalogue);
}

} // namespace

ShortFood recipeFoodEntry(const FoodList& recipe, std::uint16_t foodId) {
    ShortFood e;
    e.name = recipe.recipe().name().substr(0, kMaxRecipeFoodName);
    e.servingText = recipe.recipe().servingDescription();
    const float count = recipe.recipe().servingCount();
    e.gramsPerServing = count > 0.0f ? recipe.totalGrams() / count : 0.0f;
    e.id = foodId;
    e.category = kRecipeCategory;
    e.flags = kRecipeFoodFlags;
    return e;
}

NutrientRecord recipeFoodRecord(const FoodList& recipe) {
    NutrientRecord r;
    // A recipe of weightless ingredients has no values per 100 g.
    const float grams = recipe.totalGrams();
    const float factor = grams > 0.0f ? 100.0f / grams : 0.0f;
    for (int n = 0; n < kNutrientCount; ++n) {
        r.setValue(n, recipe.totals().value(n) * factor);
        r.setLevel(n, 1);
    }
    r.id = recipe.recipeFoodId();
    r.category = kRecipeCategory;
    return r;
}

std::optional<RecipeFileHeader> readRecipeFileHeader(const std::filesystem::path& file) {
    auto bytes = readWholeFile(file);
    if (!bytes) return std::nullopt;
    FoodList list;
    list.setListType(FoodList::kRecipe);
    try {
        Archive ar = Archive::forReading(std::move(*bytes));
        list.Serialize(ar);
    } catch (const ArchiveError&) {
        return std::nullopt;
    }
    return RecipeFileHeader{list.recipeFoodId(), list.recipe().name()};
}

bool recipeNameTaken(const FoodDataBase& db, std::string_view name, std::uint32_t ownId) {
    for (const RCPNItem& item : db.recipes().items())
        if (item.foodId != ownId && compareNamesNoCase(item.recipeName, name) == 0) return true;
    return false;
}

std::string freeRecipeName(const FoodDataBase& db, const std::string& name) {
    for (int n = 2;; ++n) {
        const std::string suffix = " (" + std::to_string(n) + ")";
        std::string candidate = name.substr(0, kMaxRecipeFoodName - suffix.size()) + suffix;
        if (!recipeNameTaken(db, candidate)) return candidate;
    }
}

RecipeBackup backupRecipe(const FoodDataBase& db, FoodList& recipe) {
    const std::filesystem::path folder = db.paths().recipeDir() / "backup";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec)) return RecipeBackup::noFolder;
    const std::filesystem::path own = recipe.fileName();
    if (own.empty()) return RecipeBackup::notWritten;
    // A recipe's backup carries its file name and replaces its own older
    // backup, but never another recipe's (a deleted one's, say, whose file
    // name was later given again): that name is stepped over.
    std::filesystem::path target = folder / own;
    for (int n = 2; std::filesystem::exists(std::filesystem::symlink_status(target, ec)); ++n) {
        const std::optional<RecipeFileHeader> there = readRecipeFileHeader(target);
        if (there && there->foodId == recipe.recipeFoodId()) break;
        target = folder / (own.stem().string() + "-" + std::to_string(n) + own.extension().string());
    }
    Archive ar = Archive::forWriting(target);
    recipe.Serialize(ar);
    return ar.close() ? RecipeBackup::written : RecipeBackup::notWritten;
}

void rebuildRecipeCatalogue(FoodDataBase& db) {
    RCPNList& book = db.recipes();
    book.clear();
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(db.paths().recipeDir(), ec), end; !ec && it != end; it.increment(ec))
        if (matchesPattern(it->path().filename().string(), "*.rcp")) files.push_back(it->path());
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        const std::optional<RecipeFileHeader> header = readRecipeFileHeader(file);
        if (!header) continue;
        const ShortFood* food = db.index().findEntryById(header->foodId);
        if (!food || food->category != kRecipeCategory || book.findById(header->foodId)) continue;
        RCPNItem& item = book.add(file.string());
        item.foodId = header->foodId;
        item.recipeName = header->name;
    }
    book.rebuilt = true;
    book.recomputeCounters(static_cast<std::size_t>(db.recipeCount()));
    book.writeFile(db.paths().recipeCatalogue());
    book.modified = false;
}

void ensureRecipeCatalogue(FoodDataBase& db) {
    RCPNList& book = db.recipes();
    const auto n = static_cast<std::size_t>(db.recipeCount());
    if (book.loaded() && book.size() == n) return;
    book.setLoaded(true);
    if (n == 0) {
        book.clear();
        book.recomputeCounters(0);
        return;
    }
    if (book.readFile(db.paths().recipeCatalogue(), db.paths().recipeDir()) && book.size() == n) {
        book.recomputeCounters(n);
        return;
    }
    rebuildRecipeCatalogue(db);
}

void dropRecipeFood(FoodDataBase& db, std::uint16_t foodId, bool deleteFile, Platform& platform) {
    RCPNList& book = db.recipes();
    const std::string path = book.pathForId(foodId);
    if (!book.removeById(foodId)) return;
    if (deleteFile && path != RCPNList::kNoPath) {
        std::error_code ec;
        std::filesystem::remove(path, ec);
        if (ec) {
            platform.message(recipemsg::kFileNotDeleted);
            return;
        }
    }
    book.recomputeCounters(static_cast<std::size_t>(db.recipeCount()));
    book.modified = true;
    std::error_code ec;
    if (book.size() == 0)
        std::filesystem::remove(db.paths().recipeCatalogue(), ec);
    else if (!book.writeFile(db.paths().recipeCatalogue()))
        return; // written at exit instead
    book.modified = false;
}

bool saveNewRecipe(FoodDataBase& db, FoodList& recipe, Platform& platform, const RecipeStepHook& hook) {
    ensureRecipeCatalogue(db);
    if (auto why = db.canAddFood(); why != FoodDataBase::AddOutcome::added) {
        platform.message(addOutcomeMessage(why));
        return false;
    }
    const NewFileName name = db.nextRecipeFileName();
    if (!name) {
        platform.message(name.refusal);
        return false;
    }
    const std::optional<std::uint16_t> id = freeRecipeId(db);
    if (!id) {
        platform.message(recipemsg::kNoIdsLeft);
        return false;
    }

    const std::string oldPath = recipe.path();
    const std::uint16_t oldId = recipe.recipeFoodId();
    const std::filesystem::path file = db.paths().recipeDir() / name.name;
    recipe.setPath(file.string());
    recipe.setRecipeFoodId(*id);
    // The file first: until the food is added it is passed over by
    // everything that lists recipes.
    if (!recipe.writeRecipeFile(platform)) {
        recipe.setPath(oldPath);
        recipe.setRecipeFoodId(oldId);
        return false;
    }
    if (!proceed(hook, RecipeStep::recipeFile)) return false;

    const FoodDataBase::AddOutcome added = db.addFood(recipeFoodEntry(recipe, *id), recipeFoodRecord(recipe));
    if (added != FoodDataBase::AddOutcome::added) {
        std::error_code ec;
        std::filesystem::remove(file, ec);
        recipe.setPath(oldPath);
        recipe.setRecipeFoodId(oldId);
        platform.message(addOutcomeMessage(added));
        return false;
    }
    recipe.recipe().setHasEntry(true);
    db.recipes().addRecipe(file.string(), *id, recipe.recipe().name(), static_cast<std::size_t>(db.recipeCount()));
    db.recipes().modified = true;
    noteNumbers(db, *id, name.name);
    if (!proceed(hook, RecipeStep::foodRecord)) return false;
    return writeBookkeeping(db, platform, hook);
}

bool updateRecipe(FoodDataBase& db, FoodList& recipe, Platform& platform, const RecipeStepHook& hook) {
    ensureRecipeCatalogue(db);
    const std::optional<std::size_t> pos = db.index().findPositionById(recipe.recipeFoodId());
    if (!pos || db.index().entries()[*pos].category != kRecipeCategory) {
        recipe.recipe().setHasEntry(false);
        return saveNewRecipe(db, recipe, platform, hook);
    }
    if (!recipe.writeRecipeFile(platform)) return false;
    if (!proceed(hook, RecipeStep::recipeFile)) return false;

    ShortFood& entry = db.index().mutableEntries()[*pos];
    const ShortFood fresh = recipeFoodEntry(recipe, entry.id);
    NutrientRecord record = recipeFoodRecord(recipe);
    record.id = entry.id;
    if (!db.records().writeFoodRecord(entry, record)) {
        platform.message(recipemsg::kFoodNotWritten);
        return false;
    }
    entry.name = fresh.name;
    entry.servingText = fresh.servingText;
    entry.gramsPerServing = fresh.gramsPerServing;
    db.state().setFlag(kNoEdits, false);
    db.state().setIndexModified(true);
    if (!db.recipes().findById(entry.id)) {
        db.recipes().addRecipe(recipe.path(), entry.id, recipe.recipe().name(),
                               static_cast<std::size_t>(db.recipeCount()));
        db.recipes().modified = true;
    }
    if (!proceed(hook, RecipeStep::foodRecord)) return false;
    return writeBookkeeping(db, platform, hook);
}

bool restoreRecipeFile(FoodDataBase& db, const std::filesystem::path& file, Platform& platform,
                       const RecipeStepHook& hook) {
    FoodList recipe(&db, listDateText(platform.now()));
    recipe.setListType(FoodList::kRecipe);
    const int outcome = recipe.readRecipeFile(file, platform);
    if (outcome == kReadNotFound) platform.message(recipemsg::kCantOpen);
    if (outcome != kReadOk) return false;
    recipe.recipe().setHasEntry(false);
    // Two recipes of one name could neither of them be saved again.
    ensureRecipeCatalogue(db);
    const std::string name = recipe.recipe().name();
    if (recipeNameTaken(db, name)) {
        recipe.recipe().setName(freeRecipeName(db, name));
        platform.message(recipemsg::renamedOnRestore(name, recipe.recipe().name()));
    }
    if (!saveNewRecipe(db, recipe, platform, hook)) return false;
    db.recipes().sortById();
    db.recipes().writeFile(db.paths().recipeCatalogue());
    return true;
}

} // namespace korva
