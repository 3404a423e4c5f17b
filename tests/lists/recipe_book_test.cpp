#include "lists/recipe_book.h"

#include <gtest/gtest.h>

#include <map>

#include "core/db_state.h"
#include "core/nutrients.h"
#include "tests/lists/recipe_tree.h"
#include "tests/support/quiet_platform.h"

namespace korva {
namespace {

using test::kApple;
using test::kMilk;
using test::readyRecipe;
using test::reopen;

class RecipeBookTest : public test::ScriptedTest {
protected:
    test::RecipeTree world;
    FoodDataBase& db = world.tree.db;
    ActiveDocument active;

    // Saves a ready recipe under `name`, answering the confirmation.
    void save(FoodDataBase& into, const std::string& name) {
        auto doc = readyRecipe(into, platform, active, name);
        platform.answer(MsgAnswer::ok, docmsg::kRecipeSaved);
        ASSERT_TRUE(doc->onRecipeSave());
    }
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
    auto third = readyRecipe(db, platform, active, "Pie");
    third->list().recipe().setServingCount(4.0f);
    platform.answer(MsgAnswer::ok, docmsg::kRecipeSaved);
    ASSERT_TRUE(third->onRecipeSave());
    EXPECT_EQ(third->pathName(), world.paths().recipeDir() / "rcp002.rcp");
    EXPECT_EQ(third->list().recipeFoodId(), 29002);
    EXPECT_FALSE(third->isModified());

    // One food per recipe: category 23, the serving as its measure, a
    // serving's weight, values per 100 g, every level 1.
    const ShortFood* pie = db.index().findEntryById(29002);
    ASSERT_NE(pie, nullptr);
    const FoodList& r = third->list();
    EXPECT_EQ(pie->category, kRecipeCategory);
    EXPECT_EQ(pie->name, "Pie");
    EXPECT_EQ(pie->servingText, "one bowl");
    EXPECT_EQ(pie->flags & 0x7, 0x2);
    EXPECT_FLOAT_EQ(pie->gramsPerServing, (244.0f + 2 * 138.0f) / 4.0f); // "Pie" has 2 apples
    NutrientRecord record;
    ASSERT_TRUE(db.records().readFoodRecord(*pie, record));
    EXPECT_FLOAT_EQ(record.value(0), r.totals().value(0) * 100.0f / r.totalGrams());
    EXPECT_EQ(record.level(30), 1);
    FoodList weightless;
    weightless.setListType(FoodList::kRecipe);
    EXPECT_EQ(recipeFoodRecord(weightless).value(0), 0.0f);
    EXPECT_EQ(recipesSeen(db).size(), 3u);

    // Saved again after a change: the same food and file, new values, and
    // the recipe's own name back on a food renamed meanwhile.
    db.index().mutableEntries()[*db.index().findPositionById(29002)].name = "Apple pie";
    third->list().setCurrentAmount(3.0f, kUnitServings);
    platform.answer(MsgAnswer::ok, docmsg::kRecipeSaved);
    ASSERT_TRUE(third->onRecipeSave());
    EXPECT_EQ(db.recipeCount(), 3);
    ASSERT_TRUE(db.records().readFoodRecord(*db.index().findEntryById(29002), record));
    EXPECT_FLOAT_EQ(record.value(0), third->list().totals().value(0) * 100.0f / third->list().totalGrams());
    EXPECT_FLOAT_EQ(db.index().findEntryById(29002)->gramsPerServing, (244.0f + 3 * 138.0f) / 4.0f);

    // The next start finds all three, and the catalogue's file agrees.
    FoodDataBase again;
    ASSERT_TRUE(reopen(again, world.paths()));
    EXPECT_FALSE(again.recipes().rebuilt);
    EXPECT_EQ(recipesSeen(again), (Recipes{{29000, "Soup"}, {29001, "Stew"}, {29002, "Pie"}}));
}

TEST_F(RecipeBookTest, SaveRulesInTheirOrder) {
    auto list = std::make_unique<CFoodListDoc>(db, platform, active);
    auto doc = readyRecipe(db, platform, active, "Soup");
    auto empty = std::make_unique<CRecipeDoc>(db, platform, active);
    empty->onNewDocument("Recipe 001");
    EXPECT_FALSE(list->onRecipeSave());
    EXPECT_FALSE(empty->onRecipeSave());
    EXPECT_FALSE(empty->onRecipeSaveAs());
    doc->list().recipe().setServingCount(0.05f);
    EXPECT_FALSE(doc->onRecipeSave());
    EXPECT_FALSE(doc->onRecipeSaveAs());
    doc->list().recipe().setServingDescription("");
    EXPECT_FALSE(doc->onRecipeSave());
    doc->list().recipe().setInstructions({});
    EXPECT_FALSE(doc->onRecipeSave());
    EXPECT_EQ(platform.messageTexts(),
              (std::vector<std::string>{docmsg::kUseFoodListMenu, docmsg::kNoIngredients, docmsg::kNoIngredients,
                                        docmsg::kTooFewServings, docmsg::kTooFewServings, docmsg::kNoServingDescription,
                                        docmsg::kNoInstructions}));
    EXPECT_FALSE(std::filesystem::exists(world.paths().recipeDir() / "rcp000.rcp"));

    // A full store of new foods refuses before any file is written.
    platform.messages.clear();
    db.state().unconsolidated = 32;
    auto full = readyRecipe(db, platform, active, "Soup");
    EXPECT_FALSE(full->onRecipeSave());
    EXPECT_EQ(platform.messageTexts(),
              std::vector<std::string>{addOutcomeMessage(FoodDataBase::AddOutcome::tooManyUnconsolidated)});
    EXPECT_TRUE(std::filesystem::is_empty(world.paths().recipeDir()));
    db.state().unconsolidated = 0;

    // 0.1 servings passes; a saved, unchanged recipe has nothing to save; a
    // second recipe of the same name (case aside) is refused.
    platform.messages.clear();
    auto soup = readyRecipe(db, platform, active, "Soup");
    soup->list().recipe().setServingCount(0.1f);
    platform.answer(MsgAnswer::ok, docmsg::kRecipeSaved);
    ASSERT_TRUE(soup->onRecipeSave());
    EXPECT_FALSE(soup->onRecipeSave());
    auto other = readyRecipe(db, platform, active, "SOUP");
    EXPECT_FALSE(other->onRecipeSave());
    EXPECT_EQ(other->title(), "RECIPE  :  SOUP");

    // Save As asks for a name: the same name, or another recipe's, is refused;
    // a new one makes a second recipe with its own file and food.
    platform.answerText("Soup", docmsg::kNamePrompt);
    EXPECT_FALSE(soup->onRecipeSaveAs());
    platform.answerText("soup");
    EXPECT_FALSE(other->onRecipeSaveAs());
    platform.answerText(std::nullopt);
    EXPECT_FALSE(soup->onRecipeSaveAs());
    EXPECT_EQ(platform.messageTexts(),
              (std::vector<std::string>{docmsg::kRecipeSaved, docmsg::kNoChanges, docmsg::kNameExists,
                                        docmsg::kSameName, docmsg::kNameExists}));
    platform.answerText("Soup for two");
    platform.answer(MsgAnswer::ok, docmsg::kRecipeSaved);
    ASSERT_TRUE(soup->onRecipeSaveAs());
    EXPECT_EQ(soup->title(), "RECIPE  :  Soup for two");
    EXPECT_EQ(soup->list().recipeFoodId(), 29001);
    EXPECT_EQ(recipesSeen(db), (Recipes{{29000, "Soup"}, {29001, "Soup for two"}}));
}

TEST_F(RecipeBookTest, CatalogueIsRebuiltWhenItsFileIsMissingOrDisagrees) {
    save(db, "Soup");
    save(db, "Stew");
    // A recipe file left by a save cut short has no food: it is passed over.
    test::writeBytes(world.paths().recipeDir() / "rcp009.rcp",
                     test::fileBytes(world.paths().recipeDir() / "rcp000.rcp"));
    test::writeBytes(world.paths().recipeDir() / "junk.rcp", {1, 2, 3});
    for (const auto& damage : {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>{0xFF, 0xFF, 0, 0}}) {
        test::writeBytes(world.paths().recipeCatalogue(), damage);
        FoodDataBase again;
        ASSERT_TRUE(reopen(again, world.paths()));
        EXPECT_TRUE(again.recipes().rebuilt);
        EXPECT_EQ(recipesSeen(again), (Recipes{{29000, "Soup"}, {29001, "Stew"}}));
        EXPECT_EQ(again.recipes().nextFoodId, 29002);
        EXPECT_EQ(again.nextRecipeFileName().name, "rcp002.rcp");
    }
    // The rebuilt catalogue was written: the next start reads it.
    FoodDataBase third;
    ASSERT_TRUE(reopen(third, world.paths()));
    EXPECT_FALSE(third.recipes().rebuilt);
    EXPECT_EQ(third.recipes().size(), 2u);

    // A recipe food whose file is gone keeps its id: the next recipe passes it.
    std::filesystem::remove(world.paths().recipeDir() / "rcp001.rcp");
    std::filesystem::remove(world.paths().recipeCatalogue());
    FoodDataBase fourth;
    ASSERT_TRUE(reopen(fourth, world.paths()));
    EXPECT_EQ(fourth.recipes().size(), 1u);
    auto pie = readyRecipe(fourth, platform, active, "Pie");
    platform.answer(MsgAnswer::ok, docmsg::kRecipeSaved);
    ASSERT_TRUE(pie->onRecipeSave());
    EXPECT_EQ(pie->list().recipeFoodId(), 29002);
    EXPECT_EQ(fourth.index().findEntryById(29001)->name, "Stew");
}

// A recipe food deleted in the editor takes its file along; one moved to
// another category keeps it.  Either way the catalogue file follows at once.
TEST_F(RecipeBookTest, RecipeFoodsLeavingRecipesLeaveTheCatalogue) {
    save(db, "Soup");
    save(db, "Stew");
    const auto positionOf = [&](std::uint16_t id) {
        const auto& all = db.index().entries();
        for (std::size_t i = 0; i < all.size(); ++i)
            if (all[i].id == id) return i;
        ADD_FAILURE() << id;
        return std::size_t{0};
    };
    retireFood(db, positionOf(29001));
    dropRecipeFood(db, 29001, true, platform);
    EXPECT_FALSE(std::filesystem::exists(world.paths().recipeDir() / "rcp001.rcp"));
    RCPNList onDisk;
    ASSERT_TRUE(onDisk.readFile(world.paths().recipeCatalogue(), world.paths().recipeDir()));
    ASSERT_EQ(onDisk.size(), 1u);
    EXPECT_EQ(onDisk.items()[0].recipeName, "Soup");

    retireFood(db, positionOf(29000));
    dropRecipeFood(db, 29000, false, platform);
    EXPECT_TRUE(std::filesystem::exists(world.paths().recipeDir() / "rcp000.rcp"));
    EXPECT_FALSE(std::filesystem::exists(world.paths().recipeCatalogue()));
    EXPECT_EQ(db.recipes().size(), 0u);
}

// A stop after every file a save or restore writes: the next start accepts
// the data base, every earlier recipe and food is there, the new recipe is
// there whole or not at all, and further recipes can be saved.
TEST_F(RecipeBookTest, AStopAfterAnyStepOfSaveOrRestoreLosesNothing) {
    save(db, "Soup");
    {
        auto soup = readyRecipe(db, platform, active, "unused");
        ASSERT_TRUE(soup->onOpenRecipe(world.paths().recipeDir() / "rcp000.rcp"));
        ASSERT_TRUE(soup->onRecipeBackup());
        EXPECT_EQ(platform.messageTexts().back(), docmsg::kBackedUp);
    }
    const auto before = recipesSeen(db);
    const NutrientRecord milkBefore = [&] {
        NutrientRecord r;
        db.records().readFoodRecord(*db.index().findEntryById(kMilk), r);
        return r;
    }();

    for (bool restore : {false, true}) {
        for (int stop = 0; stop <= static_cast<int>(RecipeStep::catalogue); ++stop) {
            SCOPED_TRACE((restore ? "restore, stop after step " : "save, stop after step ") + std::to_string(stop));
            test::TempRoot copy;
            std::filesystem::copy(world.paths().root, copy.root(),
                                  std::filesystem::copy_options::recursive |
                                      std::filesystem::copy_options::overwrite_existing);
            {
                FoodDataBase run;
                ASSERT_TRUE(reopen(run, copy.paths()));
                int reached = -1;
                const RecipeStepHook hook = [&](RecipeStep step) {
                    reached = static_cast<int>(step);
                    return reached != stop;
                };
                if (restore) {
                    EXPECT_FALSE(
                        restoreRecipeFile(run, copy.paths().recipeDir() / "backup" / "rcp000.rcp", platform, hook));
                } else {
                    auto doc = readyRecipe(run, platform, active, "Stew");
                    EXPECT_FALSE(doc->onRecipeSave(hook));
                }
                ASSERT_EQ(reached, stop);
            }
            FoodDataBase after;
            ASSERT_TRUE(reopen(after, copy.paths()));
            auto seen = recipesSeen(after);
            EXPECT_EQ(seen.at(29000), "Soup");
            NutrientRecord milk;
            ASSERT_TRUE(after.records().readFoodRecord(*after.index().findEntryById(kMilk), milk));
            EXPECT_EQ(milk, milkBefore);
            EXPECT_LE(seen.size(), before.size() + 1);
            // Whatever the stop left, the next recipe is saved beside it.
            auto next = readyRecipe(after, platform, active, "Pie");
            platform.answer(MsgAnswer::ok, docmsg::kRecipeSaved);
            ASSERT_TRUE(next->onRecipeSave());
            FoodDataBase last;
            ASSERT_TRUE(reopen(last, copy.paths()));
            seen = recipesSeen(last);
            EXPECT_EQ(seen.at(29000), "Soup");
            EXPECT_EQ(seen.at(next->list().recipeFoodId()), "Pie");
        }
    }
}

TEST_F(RecipeBookTest, RestoreGivesABackupANewFileAndFood) {
    save(db, "Soup");
    platform.messages.clear();
    auto soup = readyRecipe(db, platform, active, "x");
    ASSERT_TRUE(soup->onOpenRecipe("rcp000.rcp")); // a bare name is looked for in the recipe folder
    auto list = std::make_unique<CFoodListDoc>(db, platform, active);
    auto unsaved = readyRecipe(db, platform, active, "y");
    EXPECT_FALSE(list->onRecipeBackup());
    EXPECT_FALSE(unsaved->onRecipeBackup());
    ASSERT_TRUE(soup->onRecipeBackup());
    EXPECT_EQ(platform.messageTexts(),
              (std::vector<std::string>{docmsg::kBackupFoodList, docmsg::kSaveBeforeBackup, docmsg::kBackedUp}));

    EXPECT_TRUE(restoreRecipeFile(db, world.paths().recipeDir() / "backup" / "rcp000.rcp", platform));
    EXPECT_EQ(db.recipeCount(), 2);
    EXPECT_EQ(db.recipes().pathForId(29001), (world.paths().recipeDir() / "rcp001.rcp").string());
    EXPECT_FALSE(restoreRecipeFile(db, world.paths().recipeDir() / "backup" / "gone.rcp", platform));
    EXPECT_EQ(platform.messageTexts().back(), recipemsg::kCantOpen);
    FoodDataBase again;
    ASSERT_TRUE(reopen(again, world.paths()));
    EXPECT_EQ(recipesSeen(again).size(), 2u);
}

} // namespace
} // namespace korva
