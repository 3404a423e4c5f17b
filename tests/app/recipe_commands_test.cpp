#include "app/recipe_commands.h"

#include <gtest/gtest.h>

#include "app/food_list_commands.h"
#include "lists/rcsl_dialog.h"
#include "tests/app/listed_documents.h"
#include "tests/support/data_tree.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

// Plays the user in "Current  Recipes": OK on a row, or Cancel.
class PickRow : public RecipeChooser {
public:
    explicit PickRow(int row) : row_(row) {}
    void run(RcSlDialog& dialog) override {
        rows = dialog.rows();
        if (row_ < 0) return dialog.onCancel();
        dialog.onRowDoubleClicked(row_);
    }
    std::vector<std::string> rows;

private:
    int row_;
};

class RecipeCommandsTest : public test::ScriptedTest {
protected:
    test::RecipeTree world;
    FoodDataBase& db = world.db;
    ActiveDocument active;
    test::ListedDocuments area;
    RecipeCommands commands{db, platform, active, area};
};

TEST_F(RecipeCommandsTest, OpenRecipeChoosesAmongTheRecipeFoods) {
    PickRow first(0);
    EXPECT_EQ(commands.onOpenRecipe(first), nullptr);
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{RecipeCommands::kNoRecipes});

    EXPECT_EQ(commands.onNewRecipe()->title(), "RECIPE  :  Recipe 001");
    auto soup = test::readyRecipe(db, platform, active, "Soup");
    platform.answer(MsgAnswer::ok, docmsg::kRecipeSaved);
    ASSERT_TRUE(soup->onRecipeSave());
    // The next default title is not the one a recipe already carries.
    soup->list().recipe().setName("Recipe 001");
    EXPECT_EQ(commands.onNewRecipe()->title(), "RECIPE  :  Recipe 001");

    PickRow cancel(-1);
    EXPECT_EQ(commands.onOpenRecipe(cancel), nullptr);
    EXPECT_EQ(cancel.rows, std::vector<std::string>{"Soup"});
    CFListDoc* opened = commands.onOpenRecipe(first);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->title(), "RECIPE  :  Soup");
    // Chosen again, the open window comes forward instead of a second one.
    commands.onNewRecipe();
    EXPECT_EQ(commands.onOpenRecipe(first), opened);
    EXPECT_TRUE(area.focused == opened && area.docs.size() == 4u);
}

// What a restore does to the data base is the recipe book's; here, what the
// command refuses before it asks for a file, and where it looks.
TEST_F(RecipeCommandsTest, RestoreRefusesBeforeAskingThenLooksAmongTheBackups) {
    db.state().unconsolidated = 32;
    EXPECT_FALSE(commands.onRestore());
    db.state().unconsolidated = 0;
    EXPECT_FALSE(commands.onRestore());
    EXPECT_EQ(platform.messageTexts(),
              (std::vector<std::string>{RecipeCommands::kConsolidateFirst, RecipeCommands::kNoBackups}));
    EXPECT_TRUE(platform.fileRequests.empty());

    auto soup = test::readyRecipe(db, platform, active, "Soup");
    platform.answer(MsgAnswer::ok, docmsg::kRecipeSaved);
    ASSERT_TRUE(soup->onRecipeSave() && soup->onRecipeBackup());
    platform.answerFile(std::nullopt);
    EXPECT_FALSE(commands.onRestore());
    EXPECT_EQ(platform.fileRequests.back().filter, RecipeCommands::kRestoreFilter);
    EXPECT_EQ(platform.fileRequests.back().startFolder, world.paths().recipeDir() / "backup");
    platform.answerFile(world.paths().recipeDir() / "backup" / "rcp000.rcp");
    EXPECT_TRUE(commands.onRestore());
    EXPECT_EQ(platform.messageTexts().back(), recipemsg::kRestored);
}

} // namespace
} // namespace korva
