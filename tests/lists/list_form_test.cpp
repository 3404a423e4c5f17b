#include <gtest/gtest.h>

#include "core/food_data_base.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "lists/flist_view.h"
#include "lists/food_list.h"
#include "lists/recipe_view.h"
#include "search/dialog_food_picker.h"
#include "tests/search/scripted_pickers.h"
#include "tests/support/data_tree.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

using Lines = std::vector<std::string>;

// The two kinds of list form, as the shared tests see them.
struct FoodListKind {
    using Doc = CFoodListDoc;
    using View = CFLView;
    static constexpr const char* kName = "fl0001.fls";
};

struct RecipeKind {
    using Doc = CRecipeDoc;
    using View = CRecipeView;
    static constexpr const char* kName = "Recipe 001";
};

// Cheese: 28 g a serving at 400 cal/100 g (112 cal), 25 g protein and 33 g
// fat per 100 g.  Lentils: 200 g a serving at 50 cal/100 g (100 cal).  A new
// recipe makes one serving, so both kinds show the same figures.
template <class Kind>
class ListFormTest : public test::ScriptedTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(tree.load(db));
        doc.onNewDocument(Kind::kName);
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
    float servings() const { return doc.list().current()->servings(); }
    std::string calories() const { return view.totals()[0].value; }
    void expectEmpty() {
        EXPECT_EQ((Lines{view.foodName(), view.amountText(), calories()}), (Lines{"NONE", "NONE", "0"}));
        EXPECT_TRUE(view.lines().size() == 1u && !view.deleteEnabled());
    }

    test::DataTree tree{{{0, "Apple juice", "1 cup", 248.0f, 46.0f, 0.1f, 0.1f, 11.3f},
                         {9, "Apples, raw", "1 medium", 182.0f, 52.0f, 0.3f, 0.2f, 13.8f},
                         {9, "Pineapple", "1 cup", 165.0f, 50.0f, 0.5f, 0.1f, 13.1f},
                         {2, "Cheese", "1 oz", 28.0f, 400.0f, 25.0f, 33.0f, 1.3f, 0.0f, 105.0f},
                         {5, "Lentils", "1 cup", 200.0f, 50.0f, 9.0f, 0.4f, 20.0f, 7.9f}}};
    FoodDataBase db;
    ActiveDocument active;
    typename Kind::Doc doc{db, platform, active};
    test::ScriptedPickers dialogs;
    DialogFoodPicker picker{db, platform, dialogs};
    typename Kind::View view{doc, picker};
};

using Kinds = ::testing::Types<FoodListKind, RecipeKind>;
TYPED_TEST_SUITE(ListFormTest, Kinds);

TYPED_TEST(ListFormTest, NamesAreAddedChosenOrKeptForMending) {
    auto& v = this->view;
    EXPECT_EQ(v.takeFocusRequest(), CListForm::Focus::foodName);
    this->typeName("CHEE");
    EXPECT_EQ(v.lines().at(1).substr(0, 12), "Cheese\t1 oz\t");
    EXPECT_EQ(v.selectedLine(), 1);
    EXPECT_EQ(v.takeFocusRequest(), CListForm::Focus::amount);
    EXPECT_EQ(this->calories(), "112");
    EXPECT_EQ(v.totals()[1].value, "   7.0");
    EXPECT_TRUE(this->doc.isModified());

    this->dialogs.matMoves.push_back([](MatDialog& d) {
        d.onRowSelected(2);
        d.onOk();
    });
    this->typeName("apple");
    EXPECT_EQ(this->doc.list().current()->name(), "Pineapple");
    this->dialogs.matMoves.push_back([](MatDialog& d) { d.onCancel(); });
    this->typeName("apple");
    EXPECT_EQ(v.foodName(), "apple");
    this->typeName("kiwi");
    v.onEnter(false); // Enter again without typing does not search again
    EXPECT_EQ(this->platform.messages.size(), 1u);

    this->dialogs.categoryMoves.push_back([](CategoryFoodPicker& p) {
        p.onCategoryChosen(5);
        p.onAdd();
    });
    this->typeName(""); // an empty name opens the category picker, like the button
    EXPECT_EQ(this->doc.list().current()->name(), "Lentils");
    this->dialogs.categoryMoves.push_back([](CategoryFoodPicker& p) { p.onClose(); });
    v.onAddFromCategories();
    EXPECT_EQ(this->doc.list().itemCount(), 3u);
}

TYPED_TEST(ListFormTest, TypedAmountsAreTakenOrRefusedAndTheScrollBarSteps) {
    auto& v = this->view;
    this->typeName("lentils");
    this->typeAmount("2");
    EXPECT_FLOAT_EQ(this->servings(), 1.0f) << "no unit chosen yet: a bare number changes nothing";
    this->typeAmount("2 serv");
    EXPECT_EQ(this->calories(), "200");
    EXPECT_FALSE(v.amountModified());
    const std::string shown = v.amountText();
    (void)v.takeFocusRequest();
    this->typeAmount("20000 g");
    EXPECT_EQ(v.amountText(), shown);
    EXPECT_EQ(v.takeFocusRequest(), CListForm::Focus::amount); // selected, to be typed over
    EXPECT_EQ(this->platform.messages.size(), 1u);

    for (int i = 0; i < 2; ++i) v.onScrollStep(true);
    EXPECT_NEAR(this->servings(), 2.2f, 1e-5);
    EXPECT_EQ(this->calories(), "200") << "the totals wait for the end of the scrolling";
    v.onScrollEnd();
    EXPECT_EQ(this->calories(), "220");

    v.takeFocusRequest();
    v.addFromSearch(*this->db.index().findPositionById(test::DataTree::idOf(3)), 0);
    EXPECT_EQ(this->doc.list().current()->entryUnit(), 0);        // in the search's unit
    EXPECT_FLOAT_EQ(this->doc.list().current()->grams(), 100.0f); // 100 g, as the search compared
    EXPECT_EQ(v.takeFocusRequest(), CListForm::Focus::amount);
    v.addFromSearch(this->db.index().entries().size(), 2); // not a food: nothing added
    EXPECT_EQ(this->doc.list().itemCount(), 2u);
}

TYPED_TEST(ListFormTest, DeleteAndClearEmptyTheForm) {
    auto& v = this->view;
    v.onDisplayChosen(0);
    EXPECT_EQ(this->platform.messages.size(), 1u); // no items: no display unit
    this->typeName("lentils");
    this->typeName("cheese");
    v.onLineSelected(0); // the header is not an item
    EXPECT_EQ(v.selectedLine(), 2);
    v.onLineSelected(1);
    v.onDelete();
    EXPECT_EQ(this->calories(), "112");
    for (int i = 0; i < 2; ++i) v.onDelete(); // the second with nothing left
    v.onScrollStep(true);
    this->expectEmpty();

    this->typeName("lentils");
    for (MsgAnswer a : {MsgAnswer::no, MsgAnswer::cancel}) {
        this->platform.answer(a);
        v.onClear();
        EXPECT_EQ(this->doc.list().itemCount(), 1u);
    }
    this->platform.answer(MsgAnswer::yes);
    v.onClear();
    EXPECT_EQ(this->platform.messages.back().caption, "WARNING MESSAGE");
    this->expectEmpty();
    EXPECT_EQ(v.servingLine(), "0 servings = 000 calories = 000 grams");
    EXPECT_EQ(v.totals()[6].value, "0%");
}

// ---- Food lists only -------------------------------------------------------------

using FoodListForm = ListFormTest<FoodListKind>;

TEST_F(FoodListForm, EntryUnitsFollowTypedUnitsAndShowOnlyWithEntryUnitDisplay) {
    EXPECT_FALSE(view.entryUnitEnabled());
    typeName("lentils");
    typeAmount("250 cal");
    EXPECT_EQ(view.entryUnit(), 1);
    typeAmount("2"); // now read in calories
    EXPECT_NEAR(servings(), 0.02f, 1e-6);
    typeName("cheese");
    typeAmount("56 g");
    view.onDisplayChosen(3);
    EXPECT_TRUE(view.entryUnitEnabled());
    EXPECT_NE(view.lines()[1].find("2 calories"), std::string::npos); // each line in its own entry unit
    view.onLineSelected(2);
    EXPECT_EQ(view.entryUnit(), 0);
    view.onEntryUnitChosen(2);
    EXPECT_NE(view.lines()[2].find("2.00 serving(s)"), std::string::npos);
    view.onDisplayChosen(0);
    EXPECT_FALSE(view.entryUnitEnabled());
    EXPECT_EQ(view.amountText(), "  56.0 grams");
}

// ---- Recipes only ------------------------------------------------------------------

using RecipeForm = ListFormTest<RecipeKind>;

TEST_F(RecipeForm, OneServingOfTheRecipeAndItsServingsField) {
    typeName("chee");
    typeAmount("2 serv");
    EXPECT_EQ(view.displayChoice(), 2);
    typeAmount("20000");
    EXPECT_EQ(platform.messages.back().text, " ERROR - ingredient amount out of bounds");
    typeName("lentil"); // 324 cal, 32 g protein, 19.28 g fat in the pot

    // Typed servings count on Enter and on leaving the field, before any save.
    view.onServingsEdited("2");
    view.onEnter(false);
    EXPECT_EQ(calories(), "162");
    EXPECT_EQ(view.totals()[6].value, "54%");
    view.onServingsEdited("4");
    view.onServingsLeft();
    EXPECT_EQ(calories(), "81");
    view.onServingsEdited("60"); // out of range: the field is reset
    view.onServingsLeft();
    EXPECT_EQ(view.servingsText(), " 4.00 serv.");
    view.onServingsEdited("0"); // no servings show zeros
    view.onServingsLeft();
    EXPECT_EQ(calories(), "0");
    view.onServingsStep(false);
    EXPECT_FLOAT_EQ(doc.list().recipe().servingCount(), 0.1f);
    view.onServingsEdited("50");
    view.onServingsLeft();
    view.onServingsStep(true);
    EXPECT_EQ(view.servingsText(), "50.0 serv.");
}

TEST_F(RecipeForm, TypedFieldsGoInOnCommitAndClearTakesServingFieldsFirst) {
    typeName("chee");
    view.onInstructionsEdited("INSTRUCTIONS :\r\nGrate it.\r\n" + std::string(300, 'x'));
    view.onServingDescriptionEdited("one plate");
    EXPECT_TRUE(doc.list().recipe().instructions().empty());
    doc.commitForm();
    EXPECT_EQ(doc.list().recipe().instructions(), (Lines{"Grate it.", std::string(255, 'x')}));
    EXPECT_EQ(doc.list().recipe().servingDescription(), "one plate");

    view.onServingDescriptionEdited("two plates");
    view.onClear(); // takes the field, asks nothing
    EXPECT_EQ(doc.list().recipe().servingDescription(), "two plates");
    platform.answer(MsgAnswer::yes, CRecipeView::kTexts.clearQuestion);
    view.onClear();
    EXPECT_TRUE(doc.list().recipe().instructions().empty());
    EXPECT_EQ((Lines{view.instructionsText(), view.servingsText(), view.servingDescriptionText()}),
              (Lines{"INSTRUCTIONS :", "0.00", "NONE"}));

    // An opened recipe shows its fields; an item listed in its entry unit
    // shows in it here.
    typeName("lentil");
    doc.list().recipe().setInstructions({"Soak.", "Boil."});
    doc.list().recipe().setServingCount(2.5f);
    doc.list().setCurrentEntryUnit(kUnitGrams);
    doc.list().setCurrentDisplayUnit(kUnitEntryUnits);
    CRecipeView again(doc, picker);
    again.onInitialUpdate();
    EXPECT_EQ(again.displayChoice(), 0);
    EXPECT_EQ((Lines{again.instructionsText(), again.servingsText()}), (Lines{"Soak.\r\nBoil.", "   2.5"}));
}

// Close and Backup of the Recipe menu read the whole recipe: what is typed
// but not committed counts.
TEST(RecipeMenu, CloseAsksAndBackupWritesTheTypedFields) {
    test::ScriptedPlatform platform;
    test::RecipeTree t;
    ActiveDocument active;
    test::ScriptedPickers dialogs;
    DialogFoodPicker picker{t.db, platform, dialogs};
    auto doc = test::readyRecipe(t.db, platform, active, "Soup");
    ASSERT_TRUE(doc->onRecipeSave());
    platform.messages.clear();
    CRecipeView view(*doc, picker);
    view.onInitialUpdate();

    view.onInstructionsEdited("INSTRUCTIONS :\r\nStir well.");
    platform.answer(MsgAnswer::no);
    EXPECT_FALSE(doc->onRecipeClose());
    EXPECT_EQ(platform.messageTexts(), Lines{"Close RECIPE  :  Soup without saving the changes ?"});

    view.onServingsEdited("3");
    ASSERT_TRUE(doc->onRecipeBackup());
    FoodList backup(&t.db);
    backup.setListType(FoodList::kRecipe);
    ASSERT_EQ(backup.readFile(t.paths().recipeDir() / "backup" / doc->list().fileName(), false, platform), kReadOk);
    EXPECT_EQ(backup.recipe().instructions(), Lines{"Stir well."});
    EXPECT_FLOAT_EQ(backup.recipe().servingCount(), 3.0f);
}

} // namespace
} // namespace korva
