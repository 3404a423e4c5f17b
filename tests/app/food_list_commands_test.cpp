#include "app/food_list_commands.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/recent_files.h"
#include "core/food_data_base.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "tests/app/listed_documents.h"
#include "tests/support/data_tree.h"
#include "tests/support/saved_list.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

class FoodListCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(tree.load(db)); }

    // A saved list of one food under `name` in the lists' folder.
    std::filesystem::path savedList(const std::string& name) {
        return test::writeOneFoodList(db, test::DataTree::idOf(0), tree.paths().foodListDir() / name, platform);
    }

    test::DataTree tree{{{5, "Lentils", "1 cup", 200.0f, 50.0f}}};
    FoodDataBase db;
    test::ScriptedPlatform platform;
    ActiveDocument active;
    RecentFiles recent{tree.paths().userDir() / "recent.lst"};
    test::ListedDocuments area;
    FoodListCommands commands{db, platform, active, recent, area};
};

TEST_F(FoodListCommandsTest, AListOpenAlreadyComesForwardAndNewListsNumberAfterIt) {
    const auto file = savedList("fl0005.fls");
    CFListDoc* first = commands.openFoodList(file);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(commands.onNewFoodList()->title(), "FOODLIST  :  fl0006");
    EXPECT_EQ(commands.openFoodList(tree.paths().foodListDir() / "." / "fl0005.fls"), first);
    EXPECT_TRUE(area.docs.size() == 2u && area.focused == first && recent.entries().size() == 1u);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(FoodListCommandsTest, ARecentFileThatCannotBeReadLeavesTheList) {
    const auto kept = savedList("kept.fls");
    recent.add(kept);
    recent.add(tree.paths().foodListDir() / "gone.fls");
    ASSERT_TRUE(recent.save());

    EXPECT_EQ(commands.onRecentFile(0), nullptr);
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{docmsg::kFoodListNotFound});
    RecentFiles reread(tree.paths().userDir() / "recent.lst");
    reread.load();
    EXPECT_EQ(reread.entries(), std::vector<std::filesystem::path>{kept});
    EXPECT_EQ(commands.recentFileTexts(), std::vector<std::string>{"&1 kept.fls"});
    EXPECT_TRUE(area.docs.empty());
}

} // namespace
} // namespace korva
