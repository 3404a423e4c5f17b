#include "core/file_numbering.h"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>

#include "tests/support/data_tree.h"

namespace korva {
namespace {

using test::TempRoot;

void touch(const std::filesystem::path& p) { std::ofstream(p) << "x"; }

TEST(FileNumbering, NumberIsEveryDigitBeforeTheFirstDotAndPatternsIgnoreCase) {
    const std::pair<const char*, int> numbers[] = {
        {"fl12a3.fls", 123}, {"default.rda", -1}, {"fl0001.2.fls", 1}, {"fl99999999999999999999.fls", INT_MAX}};
    for (const auto& [name, number] : numbers) EXPECT_EQ(fileNumberOf(name), number) << name;

    const struct {
        const char *name, *pattern;
        bool matches;
    } patterns[] = {{"USER05.RDA", "*.rda", true},
                    {"x1.fls", "x?.*", true},
                    {"user05.rda~", "*.rda", false},
                    {"rda", "*.rda", false}};
    for (const auto& p : patterns) EXPECT_EQ(matchesPattern(p.name, p.pattern), p.matches) << p.name;
}

TEST(FileNumbering, HighestNumberInAFolder) {
    TempRoot tree;
    const auto dir = tree.paths().userDir();
    EXPECT_EQ(highestFileNumber(dir, "user", "*.rda"), 0); // nothing matches
    touch(dir / "default.rda");
    EXPECT_EQ(highestFileNumber(dir, "user", "*.rda"), -1); // matches, none begins with user
    for (const char* name : {"user00.rda", "USER07.RDA", "user09.txt", "myuser42.rda"}) touch(dir / name);
    EXPECT_EQ(highestFileNumber(dir, "user", "*.rda"), 7);
    EXPECT_EQ(highestFileNumber(tree.root() / "missing", "user", "*.rda"), 0);
}

TEST(FileNumbering, FoodListNamesFollowTheFolderThenCountUp) {
    TempRoot tree;
    DataPaths paths = tree.paths();
    // Only names the numbering itself hands out count; dated or long numbers
    // would otherwise push it past fl0999 and refuse every new list.
    for (const char* name : {"fl0005.fls", "lunch.fls", "xmas2025.fls", "2024-05-12.fls", "flan2024.fls", "fl12a3.fls",
                             "fl1000.fls", "fl0009.txt"})
        touch(paths.foodListDir() / name);
    FileNumbering numbering(paths);
    EXPECT_EQ(numbering.nextFoodListName().name, "fl0006.fls");
    touch(paths.foodListDir() / "fl0050.fls"); // scanned once per run only
    touch(paths.foodListDir() / "fl0007.fls"); // but a taken name is stepped over
    EXPECT_EQ(numbering.nextFoodListName().name, "fl0008.fls");
    numbering.noteFoodListName("C:\\old\\fl0020.fls");
    EXPECT_EQ(numbering.nextFoodListName().name, "fl0021.fls");
    for (const char* ignored : {"fl0003.fls", "xmas2025.fls", "/home/x/2024-05-12.fls", "fl2000.fls"})
        numbering.noteFoodListName(ignored);
    EXPECT_EQ(numbering.nextFoodListName().name, "fl0022.fls");
}

// A full template is refused, not wrapped round to a name in use.
TEST(FileNumbering, AFullTemplateIsRefusedNotWrapped) {
    for (NewFileName refused :
         {foodListFileName(1000), shoppingListFileName(1000), recipeFileName(100), userFileName(100), userFileName(0)})
        EXPECT_FALSE(refused || refused.refusal.empty());
    TempRoot tree;
    const DataPaths paths = tree.paths();
    touch(paths.foodListDir() / "fl0998.fls");
    FileNumbering numbering(paths);
    EXPECT_EQ(numbering.nextFoodListName().name, "fl0999.fls");
    EXPECT_NE(numbering.nextFoodListName().refusal.find("FoodList"), std::string::npos);
    EXPECT_FALSE(numbering.nextFoodListName()); // and stays refused
}

TEST(FileNumbering, ShoppingListsMakeTheirFolder) {
    TempRoot tree;
    DataPaths paths = tree.paths();
    FileNumbering numbering(paths);
    EXPECT_EQ(numbering.nextShoppingListName().name, "shop001.sls");
    EXPECT_TRUE(std::filesystem::is_directory(paths.shopDir()));
    touch(paths.shopDir() / "weekend.sls"); // no list of the template's yet
    EXPECT_EQ(FileNumbering(paths).nextShoppingListName().name, "shop000.sls");
    touch(paths.shopDir() / "shop077.sls");
    FileNumbering later(paths);
    EXPECT_EQ(later.nextShoppingListName().name, "shop078.sls");
}

TEST(FileNumbering, RecipeNamesStepOverFilesThatExist) {
    TempRoot tree;
    FoodDataBase db(tree.paths());
    db.state().lastRecipeFileNumber = 4;
    EXPECT_EQ(db.nextRecipeFileName().name, "rcp005.rcp");
    touch(tree.paths().recipeDir() / "rcp005.rcp");
    EXPECT_EQ(db.nextRecipeFileName().name, "rcp006.rcp");
    db.state().lastRecipeFileNumber = 99;
    EXPECT_FALSE(db.nextRecipeFileName());
}

} // namespace
} // namespace korva
