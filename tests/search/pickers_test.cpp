#include <gtest/gtest.h>

#include "search/category_food_picker.h"
#include "search/dialog_food_picker.h"
#include "search/mat_dialog.h"
#include "tests/search/scripted_pickers.h"
#include "tests/support/data_tree.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

using Names = std::vector<std::string>;

class PickerTest : public test::ScriptedTest {
protected:
    void SetUp() override { db.selection().setCurrentCategory(2); }
    CategoryFoodPicker picker(bool addAllowed, bool documentActive = false) {
        return CategoryFoodPicker(db, platform, categoryNameList(), addAllowed, documentActive);
    }
    const std::string& nameAt(std::optional<std::size_t> pos) { return db.index().entries().at(pos.value()).name; }

    test::DataTree tree{
        {{0, "Apple juice"}, {0, "Coffee"}, {2, "Apple butter"}, {2, "Honey"}, {2, "Jam"}, {9, "Pear"}}};
    FoodDataBase& db = tree.db;
    test::ScriptedPickers dialogs;
};

TEST_F(PickerTest, OpensOnTheCurrentCategoryAndFollowsRowAndCategoryChoices) {
    auto p = picker(true);
    EXPECT_EQ(p.foodNames(), (Names{"Apple butter", "Honey", "Jam"}));
    p.onFoodSelected(2);
    EXPECT_EQ(p.nameText(), "Jam");
    EXPECT_EQ(nameAt(db.selection().currentEntry()), "Jam");

    // Another category refills the list and starts again at its first food.
    p.onCategoryChosen(9);
    EXPECT_EQ(db.selection().currentCategory(), 9);
    EXPECT_EQ(p.nameText(), "Pear");
    p.onAdd();
    EXPECT_TRUE(p.finished() && p.addRequested() && p.runResult() == 2);
    EXPECT_EQ(nameAt(p.chosenEntry()), "Pear");
}

TEST_F(PickerTest, EmptyCategoryIsRefusedAndThePreviousOneStays) {
    auto p = picker(true);
    p.onFoodSelected(1);
    p.onCategoryChosen(5);
    EXPECT_EQ(platform.messageTexts(), (Names{"... no foods in Category selected ..."}));
    EXPECT_EQ((std::array{db.selection().currentCategory(), p.selectedFood(), int(p.foodNames().size())}),
              (std::array{2, 1, 3}));
}

TEST_F(PickerTest, BrowseOnlyNeverAddsDoubleClickAddsCloseAndEmptyCategoryDoNot) {
    auto browse = picker(false, false);
    browse.onAdd();
    EXPECT_FALSE(browse.finished());
    EXPECT_EQ(platform.messages.at(0).caption, "ERROR MESSAGE");
    browse.onFoodDoubleClicked(2);
    EXPECT_TRUE(browse.finished() && !browse.chosenEntry());
    picker(false, true).onAdd();
    EXPECT_EQ(platform.messageTexts(),
              (Names{"... no current FoodList, can't add ...", "... use Add From Categories button "}));

    auto p = picker(true);
    p.onHelp();
    EXPECT_EQ(platform.helpContexts, (std::vector<int>{57344}));
    p.onFoodDoubleClicked(1);
    EXPECT_EQ(nameAt(p.chosenEntry()), "Honey");
    auto closed = picker(true);
    closed.onFoodSelected(2);
    closed.onClose();
    EXPECT_TRUE(closed.finished() && !closed.chosenEntry());

    db.selection().setCurrentCategory(7); // no foods at opening: nothing to add
    auto empty = picker(true);
    EXPECT_EQ((std::pair{empty.selectedFood(), empty.runResult()}), (std::pair{-1, 1}));
    empty.onAdd();
    EXPECT_FALSE(empty.chosenEntry());
}

TEST_F(PickerTest, ByNameOneMatchIsTakenSeveralAreOfferedNoneIsReported) {
    DialogFoodPicker f(db, platform, dialogs);
    EXPECT_EQ(nameAt(f.pickByName("HON")), "Honey");
    EXPECT_TRUE(dialogs.matRowsSeen.empty());
    EXPECT_EQ((std::array{platform.waitCount, platform.waitDepth}), (std::array{1, 0}));

    dialogs.matMoves.push_back([](MatDialog& d) { d.onRowDoubleClicked(1); });
    EXPECT_EQ(nameAt(f.pickByName("apple")), "Apple butter");
    ASSERT_EQ(dialogs.matRowsSeen.size(), 1u);
    EXPECT_EQ(dialogs.matRowsSeen[0], (Names{"Apple juice", "Apple butter"}));
    dialogs.matMoves.push_back([](MatDialog& d) {
        d.onRowSelected(1);
        d.onRowSelected(7); // not a row: ignored
        d.onOk();
    });
    EXPECT_EQ(nameAt(f.pickByName("apple")), "Apple butter");
    dialogs.matMoves.push_back([](MatDialog& d) {
        d.onRowSelected(1);
        d.onCancel();
    });
    EXPECT_FALSE(f.pickByName("apple"));
    EXPECT_TRUE(platform.messages.empty());

    EXPECT_EQ(f.takeStatusNote(), "");
    EXPECT_FALSE(f.pickByName("kiwi"));
    EXPECT_EQ(platform.messageTexts(), Names{"NO MATCH found for entered name . . ."});
    EXPECT_EQ(f.takeStatusNote(), "Ctrl+F finds foods by their words");
    EXPECT_EQ(platform.messages[0].caption, "FOOD  SEARCH  by  NAME");
}

} // namespace
} // namespace korva
