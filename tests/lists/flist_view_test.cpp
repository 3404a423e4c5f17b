#include <gtest/gtest.h>

#include "core/food_data_base.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "lists/flist_view.h"
#include "lists/food_list.h"
#include "search/dialog_food_picker.h"
#include "tests/search/scripted_pickers.h"
#include "tests/support/food_tree.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

using Names = std::vector<std::string>;

// Foods chosen so the figures are easy to check by hand: Cheese 28 g a
// serving at 400 cal/100 g (112 cal a serving); Lentils 200 g a serving at
// 50 cal/100 g (100 cal a serving).
std::vector<test::TreeFood> sampleFoods() {
    return {
        {0, "Apple juice", "1 cup", 248.0f, 46.0f, 0.1f, 0.1f, 11.3f},
        {9, "Apples, raw", "1 medium", 182.0f, 52.0f, 0.3f, 0.2f, 13.8f},
        {9, "Pineapple", "1 cup", 165.0f, 50.0f, 0.5f, 0.1f, 13.1f},
        {2, "Cheese", "1 oz", 28.0f, 400.0f, 25.0f, 33.0f, 1.3f, 0.0f, 105.0f},
        {5, "Lentils", "1 cup", 200.0f, 50.0f, 9.0f, 0.4f, 20.0f, 7.9f},
        {6, "Rice", "1 1/2 cups", 150.0f, 130.0f, 2.7f, 0.3f, 28.0f},
    };
}

class FListViewTest : public test::ScriptedTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(tree.load(db));
        doc.onNewDocument("fl0001.fls");
        view.onInitialUpdate();
    }

    void typeName(const std::string& text) {
        view.onFoodNameEdited(text);
        view.onEnter(false);
    }
    void typeAmount(const std::string& text) {
        view.onAmountEdited(text);
        view.onEnter(false);
    }
    const FoodList& list() const { return doc.list(); }
    float servings() const { return list().current()->servings(); }
    std::string totalCalories() const { return view.totals()[0].value; }

    // What an emptied list shows, whichever way it was emptied.
    void expectEmptyView() {
        EXPECT_EQ(view.lines().size(), 1u);
        EXPECT_EQ(view.foodName(), "NONE");
        EXPECT_EQ(view.amountText(), "NONE");
        EXPECT_FALSE(view.deleteEnabled());
        EXPECT_EQ(totalCalories(), "0");
    }

    test::FoodTree tree{sampleFoods()};
    FoodDataBase db;
    ActiveDocument active;
    CFListDoc doc{db, platform, active, false};
    test::ScriptedPickers dialogs;
    DialogFoodPicker picker{db, platform, dialogs};
    CFLView view{doc, picker};
};

TEST_F(FListViewTest, NewViewShowsAnEmptyListAndAsksForAName) {
    EXPECT_EQ(view.lines(), (Names{"FOOD NAME :\t1 SVG. \tTOTAL  AMOUNT"}));
    EXPECT_FALSE(view.entryUnitEnabled());
    EXPECT_FALSE(view.deleteEnabled());
    EXPECT_EQ(view.servingLine(), "1 serving = 000 calories = 000 grams");
    EXPECT_EQ(totalCalories(), "0");
    EXPECT_EQ(view.takeFocusRequest(), CFLView::Focus::foodName);
    EXPECT_EQ(view.takeFocusRequest(), CFLView::Focus::none);
}

TEST_F(FListViewTest, NameWithOneMatchIsAddedAtOnce) {
    db.selection().setCurrentCategory(0);
    typeName("CHEE");
    ASSERT_EQ(list().itemCount(), 1u);
    EXPECT_EQ(view.lines().at(1).substr(0, 12), "Cheese\t1 oz\t");
    EXPECT_EQ(view.selectedLine(), 1);
    EXPECT_EQ(view.foodName(), "Cheese");
    EXPECT_FALSE(view.foodNameModified());
    EXPECT_EQ(view.takeFocusRequest(), CFLView::Focus::amount);
    EXPECT_TRUE(view.deleteEnabled());
    EXPECT_EQ(view.category(), 2);
    EXPECT_EQ(totalCalories(), "112");
    EXPECT_EQ(view.totals()[1].value, "   7.0"); // 25 g protein per 100 g of a 28 g serving
    EXPECT_EQ(view.totals()[5].value, "  29.4");
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(FListViewTest, OtherNamesAreOfferedChosenOrRefused) {
    dialogs.matMoves.push_back([](MatDialog& d) {
        d.onRowSelected(2);
        d.onOk();
    });
    typeName("apple");
    ASSERT_EQ(list().itemCount(), 1u);
    EXPECT_EQ(list().current()->name(), "Pineapple");

    dialogs.matMoves.push_back([](MatDialog& d) { d.onCancel(); });
    typeName("apple");
    EXPECT_EQ(view.foodName(), "apple"); // kept so it can be mended

    typeName("kiwi");
    EXPECT_EQ(list().itemCount(), 1u);
    ASSERT_EQ(platform.messages.size(), 1u);
    view.onEnter(false); // Enter again without typing does not search again
    EXPECT_EQ(platform.messages.size(), 1u);

    // An empty name, like the button, opens the category picker.
    dialogs.categoryMoves.push_back([](CategoryFoodPicker& p) {
        p.onCategoryChosen(5);
        p.onAdd();
    });
    typeName("");
    ASSERT_EQ(list().itemCount(), 2u);
    EXPECT_EQ(list().current()->name(), "Lentils");
    dialogs.categoryMoves.push_back([](CategoryFoodPicker& p) { p.onClose(); });
    view.onAddFromCategories();
    EXPECT_EQ(list().itemCount(), 2u);
    EXPECT_EQ(dialogs.categoryPickersOpened, 2);
}

TEST_F(FListViewTest, TypedAmountsSetTheEntryUnitOrAreRefusedAndRestored) {
    typeName("lentils");
    typeAmount("2");
    EXPECT_FLOAT_EQ(servings(), 1.0f) << "no entry unit yet: a bare number changes nothing";
    typeAmount("2 serv");
    EXPECT_EQ(view.entryUnit(), 2);
    EXPECT_EQ(totalCalories(), "200");
    EXPECT_FALSE(view.amountModified());
    typeAmount("250 cal");
    EXPECT_EQ(view.entryUnit(), 1);
    EXPECT_EQ(totalCalories(), "250");
    typeAmount("2"); // now read in the view's entry unit, calories
    EXPECT_NEAR(servings(), 0.02f, 1e-6);
    EXPECT_TRUE(platform.messages.empty());

    const std::string shown = view.amountText();
    for (const char* bad : {"0.05 serv", "20000 g", "lots"}) {
        (void)view.takeFocusRequest();
        typeAmount(bad);
        EXPECT_EQ(view.amountText(), shown) << bad;
        // Selected again, so the mended amount replaces it.
        EXPECT_EQ(view.takeFocusRequest(), CFLView::Focus::amount) << bad;
    }
    EXPECT_EQ(platform.messages.size(), 3u);
    EXPECT_NEAR(servings(), 0.02f, 1e-6);
}

TEST_F(FListViewTest, ScrollArrowsStepTheAmountAndTotalsFollowOnlyAtTheEnd) {
    typeName("lentils");
    typeAmount("2 serv");
    view.onScrollStep(true);
    view.onScrollStep(true);
    EXPECT_NEAR(servings(), 2.2f, 1e-5);
    EXPECT_EQ(view.amountText(), list().currentAmountText(view.displayUnit()));
    EXPECT_EQ(totalCalories(), "200");
    view.onScrollEnd();
    EXPECT_EQ(totalCalories(), "220");
    EXPECT_EQ(view.selectedLine(), 1);
}

TEST_F(FListViewTest, DisplayUnitsIncludingEntryUnits) {
    view.onDisplayUnitChosen(0);
    EXPECT_EQ(platform.messageTexts(), (Names{"... no FOOD ITEMS, can't set display..."}));

    typeName("lentils");
    typeAmount("2.5 serv");
    EXPECT_EQ(view.lines()[1], "Lentils\t1 cup\t2.50   cup");
    typeName("cheese");
    typeAmount("56 g");
    typeName("rice");
    typeAmount("260 cal");

    view.onDisplayUnitChosen(3);
    EXPECT_TRUE(view.entryUnitEnabled());
    ASSERT_EQ(view.lines().size(), 4u);
    EXPECT_NE(view.lines()[3].find("260 calories"), std::string::npos); // each line in its own entry unit
    EXPECT_EQ(view.selectedLine(), 3);

    view.onLineSelected(2);
    EXPECT_EQ(view.foodName(), "Cheese");
    EXPECT_EQ(view.entryUnit(), 0);
    view.onEntryUnitChosen(2);
    EXPECT_NE(view.lines()[2].find("2.00 serving(s)"), std::string::npos);

    view.onDisplayUnitChosen(0);
    EXPECT_FALSE(view.entryUnitEnabled());
    EXPECT_NE(view.lines()[1].find("500.0 grams"), std::string::npos);
    EXPECT_EQ(view.amountText(), "  56.0 grams");
}

TEST_F(FListViewTest, DeleteAndClearEmptyTheView) {
    typeName("lentils");
    typeName("cheese");
    view.onLineSelected(1);
    view.onDelete();
    ASSERT_EQ(list().itemCount(), 1u);
    EXPECT_EQ(view.foodName(), "Cheese");
    EXPECT_EQ(view.selectedLine(), 1);
    EXPECT_EQ(totalCalories(), "112");
    view.onDelete();
    expectEmptyView();
    view.onDelete(); // nothing left: nothing happens
    view.onScrollStep(true);
    view.onLineSelected(1);
    expectEmptyView();

    typeName("lentils");
    for (MsgAnswer a : {MsgAnswer::no, MsgAnswer::cancel}) {
        platform.answer(a);
        view.onClear();
        EXPECT_EQ(list().itemCount(), 1u);
    }
    platform.answer(MsgAnswer::yes);
    view.onClear();
    ASSERT_EQ(platform.messages.size(), 3u);
    EXPECT_EQ(platform.messages[0].text, "All FOODLIST data will be lost; are you sure?...");
    EXPECT_EQ(platform.messages[0].caption, "WARNING MESSAGE");
    EXPECT_TRUE(list().empty());
    expectEmptyView();
    EXPECT_EQ(view.servingLine(), "0 servings = 000 calories = 000 grams");
    EXPECT_EQ(view.totals()[6].value, "0%");
}

TEST_F(FListViewTest, SaveWritesAndHelpOnlyWhenNothingWasTyped) {
    view.onEnter(true);
    EXPECT_EQ(platform.helpContexts, (std::vector<int>{51200}));
    typeName("lentils");
    view.onAmountEdited("3 serv");
    view.onEnter(true);
    EXPECT_EQ(platform.helpContexts.size(), 1u);
    EXPECT_FLOAT_EQ(servings(), 3.0f);

    view.onSave();
    EXPECT_FALSE(doc.isModified());
    FoodList back(&db);
    ASSERT_EQ(back.readFile(tree.paths().foodListDir() / "fl0001.fls", false, platform), kReadOk);
    EXPECT_FLOAT_EQ(back.current()->servings(), 3.0f);
    view.onScrollStep(true);
    view.onScrollEnd();
    EXPECT_TRUE(doc.isModified());
}

TEST_F(FListViewTest, FoodFromTheNutrientSearchComesInTheSearchUnit) {
    const auto lentils = db.index().findPositionById(test::FoodTree::idOf(4));
    ASSERT_TRUE(lentils);
    view.takeFocusRequest();
    view.addFromSearch(*lentils, 0);
    ASSERT_EQ(list().itemCount(), 1u);
    EXPECT_EQ(view.entryUnit(), 0);
    EXPECT_EQ(list().current()->entryUnit(), 0);
    EXPECT_EQ(view.takeFocusRequest(), CFLView::Focus::amount);
    EXPECT_EQ(totalCalories(), "50");                   // 100 g, as the search compared
    view.addFromSearch(db.index().entries().size(), 2); // not a food: nothing added
    EXPECT_EQ(list().itemCount(), 1u);
}

TEST_F(FListViewTest, OpeningAListShowsItsFirstItemAndUnits) {
    typeName("cheese");
    typeAmount("2 serv");
    typeName("lentils");
    view.onDisplayUnitChosen(0);
    ASSERT_TRUE(list().writeFile(tree.paths().foodListDir() / "two.fls", platform));

    CFListDoc reopened(db, platform, active, false);
    ASSERT_TRUE(reopened.onOpenDocument(tree.paths().foodListDir() / "two.fls"));
    CFLView second(reopened, picker);
    second.onInitialUpdate();
    ASSERT_EQ(second.lines().size(), 3u);
    EXPECT_EQ(second.selectedLine(), 1);
    EXPECT_EQ(second.foodName(), "Cheese");
    EXPECT_EQ(second.entryUnit(), 2);
    EXPECT_EQ(second.displayUnit(), 4);
    EXPECT_EQ(second.totals()[0].value, "324");
    EXPECT_TRUE(second.deleteEnabled());
}

} // namespace
} // namespace korva
