#include "lists/recipe_book.h"

#include <gtest/gtest.h>

#include <map>

#include "core/db_state.h"
#include "core/nutrients.h"
#include "tests/support/data_tree.h"
#include "tests/support/quiet_platform.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

namespace fs = std::filesystem;
using test::kMilk;
using test::readyRecipe;
using test::reopen;

class RecipeBookTest : public test::ScriptedTest {
protected:
    // Saves a ready recipe under `name`, answering the confirmation.
    std::unique_ptr<CFListDoc> save(FoodDataBase& into, const std::string& name) {
        auto doc = readyRecipe(into, platform, active, name);
        platform.answer(MsgAnswer::ok, docmsg::kRecipeSaved);
        EXPECT_TRUE(doc->onRecipeSave()) << name;
        return doc;
    }
    // "Soup" saved and backed up: its backup.
    fs::path backedUpSoup() {
        EXPECT_TRUE(save(db, "Soup")->onRecipeBackup());
        return dir / "backup" / "rcp000.rcp";
    }

    test::RecipeTree world;
    FoodDataBase& db = world.db;
    ActiveDocument active;
    const fs::path dir = world.paths().recipeDir();
};

// Every recipe the catalogue lists, checked against the data base and its
// file: food id -> name.
using Recipes = std::map<std::uint16_t, std::string>;
Recipes recipesSeen(const FoodDataBase& db) {
    Recipes out;
    EXPECT_EQ(db.recipes().size(), static_cast<std::size_t>(db.recipeCount()));
    for (const RCPNItem& item : db.recipes().items()) {
        const ShortFood* food = db.index().findEntryById(static_cast<std::uint16_t>(item.foodId));
        EXPECT_TRUE(food && food->category == kRecipeCategory && food->name == item.recipeName) << item.recipeName;
        const auto header = readRecipeFileHeader(item.filePath);
        EXPECT_TRUE(header && header->foodId == item.foodId && header->name == item.recipeName) << item.filePath;
        // The food's values are the recipe's own, per 100 g.
        test::QuietPlatform quiet;
        FoodList recipe(const_cast<FoodDataBase*>(&db));
        recipe.setListType(FoodList::kRecipe);
        NutrientRecord r;
        EXPECT_EQ(recipe.readRecipeFile(item.filePath, quiet), kReadOk);
        EXPECT_TRUE(food && db.records().readFoodRecord(*food, r)) << item.recipeName;
        EXPECT_FLOAT_EQ(r.value(0), recipeFoodRecord(recipe).value(0)) << item.recipeName;
        out[static_cast<std::uint16_t>(item.foodId)] = item.recipeName;
    }
    return out;
}

TEST_F(RecipeBookTest, SavedRecipesBecomeFoodsNumberedByTheCatalogue) {
    save(db, "Soup");
    save(db, "Stew");
    auto pie = readyRecipe(db, platform, active, "Pie");
    pie->list().recipe().setServingCount(4.0f);
    // Saved twice: the second time after a change, and with the food renamed
    // meanwhile; the same food and file take the new values and the name back.
    for (float apples : {2.0f, 3.0f}) {
        pie->list().setCurrentAmount(apples, kUnitServings);
        platform.answer(MsgAnswer::ok, docmsg::kRecipeSaved);
        ASSERT_TRUE(pie->onRecipeSave());
        EXPECT_EQ(pie->pathName(), dir / "rcp002.rcp");
        const ShortFood* food = db.index().findEntryById(29002);
        ASSERT_NE(food, nullptr);
        EXPECT_EQ(food->servingText, "one bowl");
        EXPECT_EQ(food->flags & 0x7, 0x2);
        EXPECT_FLOAT_EQ(food->gramsPerServing, (244.0f + apples * 138.0f) / 4.0f);
        NutrientRecord record;
        ASSERT_TRUE(db.records().readFoodRecord(*food, record));
        EXPECT_FLOAT_EQ(record.value(0), pie->list().totals().value(0) * 100.0f / pie->list().totalGrams());
        EXPECT_EQ(record.level(30), 1);
        db.index().mutableEntries()[*db.index().findPositionById(29002)].name = "Apple pie";
    }
    FoodList weightless;
    weightless.setListType(FoodList::kRecipe);
    EXPECT_EQ(recipeFoodRecord(weightless).value(0), 0.0f);

    // The next start finds all three, and the catalogue's file agrees.
    FoodDataBase again;
    ASSERT_TRUE(reopen(again, world.paths()));
    EXPECT_FALSE(again.recipes().rebuilt);
    EXPECT_EQ(recipesSeen(again), (Recipes{{29000, "Soup"}, {29001, "Stew"}, {29002, "Pie"}}));
}

TEST_F(RecipeBookTest, SaveRulesInTheirOrder) {
    CFoodListDoc list(db, platform, active);
    EXPECT_FALSE(list.onRecipeSave());
    CRecipeDoc empty(db, platform, active);
    empty.onNewDocument("Recipe 001");
    EXPECT_FALSE(empty.onRecipeSaveAs());
    auto doc = readyRecipe(db, platform, active, "Soup");
    doc->list().recipe().setServingCount(0.05f);
    EXPECT_FALSE(doc->onRecipeSaveAs());
    doc->list().recipe().setServingDescription("");
    EXPECT_FALSE(doc->onRecipeSave());
    doc->list().recipe().setInstructions({});
    EXPECT_FALSE(doc->onRecipeSave());
    // A full store of new foods refuses before any file is written.
    db.state().unconsolidated = 32;
    EXPECT_FALSE(readyRecipe(db, platform, active, "Soup")->onRecipeSave());
    EXPECT_TRUE(fs::is_empty(dir));
    db.state().unconsolidated = 0;

    // 0.1 servings passes; a saved, unchanged recipe has nothing to save;
    // another of the same name (case aside) is refused, by Save As too.
    auto soup = readyRecipe(db, platform, active, "Soup");
    soup->list().recipe().setServingCount(0.1f);
    platform.answer(MsgAnswer::ok, docmsg::kRecipeSaved);
    ASSERT_TRUE(soup->onRecipeSave());
    EXPECT_FALSE(soup->onRecipeSave());
    auto other = readyRecipe(db, platform, active, "SOUP");
    EXPECT_FALSE(other->onRecipeSave());
    platform.answerText("Soup", docmsg::kNamePrompt);
    EXPECT_FALSE(soup->onRecipeSaveAs());
    platform.answerText("soup");
    EXPECT_FALSE(other->onRecipeSaveAs());
    platform.answerText(std::nullopt);
    EXPECT_FALSE(soup->onRecipeSaveAs());
    EXPECT_EQ(platform.messageTexts(),
              (std::vector<std::string>{docmsg::kUseFoodListMenu, docmsg::kNoIngredients, docmsg::kTooFewServings,
                                        docmsg::kNoServingDescription, docmsg::kNoInstructions,
                                        addOutcomeMessage(FoodDataBase::AddOutcome::tooManyUnconsolidated),
                                        docmsg::kRecipeSaved, docmsg::kNoChanges, docmsg::kNameExists,
                                        docmsg::kSameName, docmsg::kNameExists}));
    // A new name makes a second recipe with its own file and food.
    platform.answerText("Soup for two");
    platform.answer(MsgAnswer::ok, docmsg::kRecipeSaved);
    ASSERT_TRUE(soup->onRecipeSaveAs());
    EXPECT_EQ(soup->title(), "RECIPE  :  Soup for two");
    EXPECT_EQ(recipesSeen(db), (Recipes{{29000, "Soup"}, {29001, "Soup for two"}}));
}

TEST_F(RecipeBookTest, CatalogueIsRebuiltWhenItsFileIsMissingOrDisagrees) {
    save(db, "Soup");
    save(db, "Stew");
    // A recipe file left by a save cut short has no food: it is passed over.
    test::writeBytes(dir / "rcp009.rcp", test::fileBytes(dir / "rcp000.rcp"));
    test::writeBytes(dir / "junk.rcp", {1, 2, 3});
    for (const auto& damage : {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>{0xFF, 0xFF, 0, 0}}) {
        test::writeBytes(world.paths().recipeCatalogue(), damage);
        FoodDataBase again;
        ASSERT_TRUE(reopen(again, world.paths()));
        EXPECT_TRUE(again.recipes().rebuilt);
        EXPECT_EQ(recipesSeen(again), (Recipes{{29000, "Soup"}, {29001, "Stew"}}));
        EXPECT_EQ(again.nextRecipeFileName().name, "rcp002.rcp");
    }
    // The rebuilt catalogue was written: the next start reads it.
    FoodDataBase third;
    ASSERT_TRUE(reopen(third, world.paths()));
    EXPECT_FALSE(third.recipes().rebuilt);

    // A recipe food whose file is gone keeps its id: the next recipe passes it.
    fs::remove(dir / "rcp001.rcp");
    fs::remove(world.paths().recipeCatalogue());
    FoodDataBase fourth;
    ASSERT_TRUE(reopen(fourth, world.paths()));
    EXPECT_EQ(fourth.recipes().size(), 1u);
    EXPECT_EQ(save(fourth, "Pie")->list().recipeFoodId(), 29002);
    EXPECT_EQ(fourth.index().findEntryById(29001)->name, "Stew");
}

// A recipe food deleted in the editor takes its file along; one moved to
// another category keeps it.  Either way the catalogue file follows at once,
// and neither the id nor the file number is handed out again, even after a
// restart: FoodLists naming the deleted recipe must not show another.
TEST_F(RecipeBookTest, RecipeFoodsLeavingRecipesLeaveTheCatalogueAndTheirNumbersStayTaken) {
    save(db, "Soup");
    save(db, "Stew");
    retireFood(db, *db.index().findPositionById(29001));
    dropRecipeFood(db, 29001, true, platform);
    EXPECT_FALSE(fs::exists(dir / "rcp001.rcp"));
    RCPNList onDisk;
    ASSERT_TRUE(onDisk.readFile(world.paths().recipeCatalogue(), dir));
    EXPECT_EQ(onDisk.indexOfName("Stew"), -1);
    EXPECT_EQ(onDisk.size(), 1u);

    retireFood(db, *db.index().findPositionById(29000));
    dropRecipeFood(db, 29000, false, platform);
    EXPECT_TRUE(fs::exists(dir / "rcp000.rcp"));
    EXPECT_FALSE(fs::exists(world.paths().recipeCatalogue()));
    ASSERT_TRUE(db.writeStateFile() && db.saveIndex());

    FoodDataBase again;
    ASSERT_TRUE(reopen(again, world.paths()));
    auto pie = save(again, "Pie");
    EXPECT_EQ(pie->list().recipeFoodId(), 29002);
    EXPECT_EQ(pie->pathName(), dir / "rcp002.rcp");
}

// Backup: refusals, a write that fails, and a backup that never replaces
// another recipe's (an unreadable file in the way counts as another's).
TEST_F(RecipeBookTest, BackupKeepsEveryOtherRecipesBackupAndSaysWhenItFails) {
    auto soup = save(db, "Soup");
    platform.messages.clear();
    CFoodListDoc list(db, platform, active);
    EXPECT_FALSE(list.onRecipeBackup());
    EXPECT_FALSE(readyRecipe(db, platform, active, "y")->onRecipeBackup());
    const auto backups = dir / "backup";
    test::writeBytes(backups, {1}); // a file where the folder should be
    EXPECT_FALSE(soup->onRecipeBackup());
    fs::remove(backups);
    fs::create_directory_symlink("/proc/self", backups); // a folder no one can write in
    EXPECT_FALSE(soup->onRecipeBackup());
    fs::remove(backups);
    EXPECT_EQ(platform.messageTexts(), (std::vector<std::string>{docmsg::kBackupFoodList, docmsg::kSaveBeforeBackup,
                                                                 docmsg::kNoBackupFolder, docmsg::kBackupNotWritten}));

    fs::create_directories(backups / "rcp000-2.rcp");
    test::writeBytes(backups / "rcp000.rcp", {9});
    for (int round = 0; round < 2; ++round) ASSERT_TRUE(soup->onRecipeBackup());
    EXPECT_EQ(platform.messageTexts().back(), docmsg::kBackedUp);
    EXPECT_EQ(test::fileBytes(backups / "rcp000.rcp"), std::vector<std::uint8_t>{9});
    EXPECT_EQ(readRecipeFileHeader(backups / "rcp000-3.rcp")->foodId, 29000);
    EXPECT_FALSE(fs::exists(backups / "rcp000-4.rcp")) << "its own backup is replaced";
}

// A stop after every file a save or restore writes: the next start accepts
// the data base, every earlier recipe and food is there, the new recipe is
// there whole or not at all, and further recipes can be saved.  Then whole
// restores: each a new recipe, with a new file and food, and a name of its
// own when the backed-up one is taken.
TEST_F(RecipeBookTest, RestoreAndAStopAfterAnyStepOfSaveOrRestoreLosesNothing) {
    const auto backup = backedUpSoup();
    NutrientRecord milkBefore;
    ASSERT_TRUE(db.records().readFoodRecord(*db.index().findEntryById(kMilk), milkBefore));
    for (bool restore : {false, true}) {
        for (int stop = 0; stop <= static_cast<int>(RecipeStep::catalogue); ++stop) {
            SCOPED_TRACE((restore ? "restore, stop after step " : "save, stop after step ") + std::to_string(stop));
            test::TempRoot copy;
            fs::copy(world.paths().root, copy.root(),
                     fs::copy_options::recursive | fs::copy_options::overwrite_existing);
            {
                FoodDataBase run;
                ASSERT_TRUE(reopen(run, copy.paths()));
                int reached = -1;
                const RecipeStepHook hook = [&](RecipeStep step) {
                    reached = static_cast<int>(step);
                    return reached != stop;
                };
                EXPECT_FALSE(
                    restore ? restoreRecipeFile(run, copy.paths().recipeDir() / "backup" / "rcp000.rcp", platform, hook)
                            : readyRecipe(run, platform, active, "Stew")->onRecipeSave(hook));
                ASSERT_EQ(reached, stop);
            }
            FoodDataBase after;
            ASSERT_TRUE(reopen(after, copy.paths()));
            EXPECT_LE(recipesSeen(after).size(), 2u);
            NutrientRecord milk;
            ASSERT_TRUE(after.records().readFoodRecord(*after.index().findEntryById(kMilk), milk));
            EXPECT_EQ(milk, milkBefore);
            // Whatever the stop left, the next recipe is saved beside it.
            const auto id = save(after, "Pie")->list().recipeFoodId();
            FoodDataBase last;
            ASSERT_TRUE(reopen(last, copy.paths()));
            const auto seen = recipesSeen(last);
            EXPECT_EQ(seen.at(29000), "Soup");
            EXPECT_EQ(seen.at(static_cast<std::uint16_t>(id)), "Pie");
        }
    }
    for (const char* given : {"Soup (2)", "Soup (3)"}) {
        EXPECT_TRUE(restoreRecipeFile(db, backup, platform));
        EXPECT_EQ(platform.messageTexts().back(), recipemsg::renamedOnRestore("Soup", given));
    }
    EXPECT_FALSE(restoreRecipeFile(db, dir / "backup" / "gone.rcp", platform));
    EXPECT_EQ(platform.messageTexts().back(), recipemsg::kCantOpen);
    FoodDataBase again;
    ASSERT_TRUE(reopen(again, world.paths()));
    EXPECT_EQ(recipesSeen(again), (Recipes{{29000, "Soup"}, {29001, "Soup (2)"}, {29002, "Soup (3)"}}));
    // Each can be saved again under its own name; a bare file name is looked
    // for in the recipe folder.
    auto restored = readyRecipe(again, platform, active, "x");
    ASSERT_TRUE(restored->onOpenRecipe("rcp001.rcp"));
    restored->list().recipe().setServingCount(3.0f);
    platform.answer(MsgAnswer::ok, docmsg::kRecipeSaved);
    EXPECT_TRUE(restored->onRecipeSave());
}

} // namespace
} // namespace korva
