#include "app/export_command.h"

#include <gtest/gtest.h>

#include "archive/atomic_file.h"
#include "core/food_data_base.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "lists/text_export.h"
#include "tests/support/data_tree.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

class ExportCommandTest : public test::ScriptedTest {
protected:
    void SetUp() override { ASSERT_TRUE(tree.load(db)); }

    test::DataTree tree{{{5, "Lentils", "1 cup", 200.0f, 50.0f}}};
    FoodDataBase db;
    ActiveDocument active;
};

TEST_F(ExportCommandTest, RefusedWithoutAFoodListAndOnARecipe) {
    EXPECT_FALSE(onExportFoodList(active, platform));
    CRecipeDoc recipe(db, platform, active);
    recipe.onNewDocument("Recipe 001");
    EXPECT_FALSE(onExportFoodList(active, platform));
    EXPECT_EQ(platform.messageTexts(),
              (std::vector<std::string>{"no active Food List, can't export ..", "Use RECIPE MENU entries ..."}));
    EXPECT_TRUE(platform.fileRequests.empty());
}

TEST_F(ExportCommandTest, AsksInTheListFolderWritesThereAndConfirms) {
    CFoodListDoc doc(db, platform, active);
    doc.onNewDocument("fl0004.fls");
    ASSERT_TRUE(doc.list().addFood(*db.index().findEntryById(test::DataTree::idOf(0)), kUnitServings));

    platform.answerFile(std::nullopt); // Cancel writes nothing and says nothing
    EXPECT_FALSE(onExportFoodList(active, platform));
    platform.answerFile(std::filesystem::path("mine.txt"));
    EXPECT_TRUE(onExportFoodList(active, platform));

    const FileDialogRequest& asked = platform.fileRequests.at(1);
    EXPECT_EQ((std::vector{asked.filter, asked.defaultExtension, asked.initialName}),
              (std::vector<std::string>{"Text Files(*.TXT)|*.TXT||", "TXT", "fl0004.txt"}));
    EXPECT_EQ(asked.startFolder, tree.paths().foodListDir());
    const auto file = tree.paths().foodListDir() / "mine.txt";
    const auto bytes = readWholeFile(file).value_or(std::vector<std::uint8_t>{});
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), textReport(doc.list(), db.users().current().profile));
    EXPECT_EQ(platform.messageTexts(), (std::vector<std::string>{"... file SAVEd as ASCII text ..."}));
}

TEST_F(ExportCommandTest, NoConfirmationWhenTheFileCannotBeCreated) {
    CFoodListDoc doc(db, platform, active);
    doc.onNewDocument("fl0004.fls");
    platform.answerFile(tree.paths().root / "missing" / "x.txt");
    EXPECT_FALSE(exportAsText(doc.list(), db, platform));
    EXPECT_EQ(platform.messageTexts(), (std::vector<std::string>{"Unable to open file for writing ..."}));
}

} // namespace
} // namespace korva
