#include "lists/recipe_view.h"

#include <gtest/gtest.h>

#include "core/food_data_base.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "search/dialog_food_picker.h"
#include "tests/search/scripted_pickers.h"
#include "tests/support/food_tree.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

using Lines = std::vector<std::string>;

// Cheese: 28 g a serving at 400 cal/100 g (112 cal), 25 g protein and 33 g
// fat per 100 g.  Lentils: 200 g a serving at 50 cal/100 g (100 cal).
class RecipeViewTest : public test::ScriptedTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(tree.load(db));
        doc.onNewDocument("Recipe 001");
        view.onInitialUpdate();
    }
    void typeName(const std::string& text) {
        view.onIngredientEdited(text);
        view.onEnter(false);
    }
    void typeAmount(const std::string& text) {
        view.onAmountEdited(text);
        view.onEnter(false);
    }
    std::string perServing(std::size_t line) const { return view.perServing()[line].value; }

    test::FoodTree tree{{{2, "Cheese", "1 oz", 28.0f, 400.0f, 25.0f, 33.0f, 1.3f, 0.0f, 105.0f},
                         {5, "Lentils", "1 cup", 200.0f, 50.0f, 9.0f, 0.4f, 20.0f, 7.9f}}};
    FoodDataBase db;
    ActiveDocument active;
    CFListDoc doc{db, platform, active, true};
    test::ScriptedPickers dialogs;
    DialogFoodPicker picker{db, platform, dialogs};
    CRecipeView view{doc, picker};
};

TEST_F(RecipeViewTest, IngredientsInTheOneUnitAndFiguresOfOneServing) {
    EXPECT_EQ(view.instructionsText(), "INSTRUCTIONS :");
    EXPECT_EQ(view.displayChoice(), 3);
    view.onDisplayChosen(0);
    EXPECT_EQ(platform.messageTexts(), Lines{"... no INGREDIENTS, can't set display..."});

    typeName("chee");
    // Food Units: a bare number leaves the amount; a unit word sets it and
    // becomes the unit the whole list shows.
    typeAmount("3");
    EXPECT_FLOAT_EQ(doc.list().current()->servings(), 1.0f);
    typeAmount("2 serv");
    EXPECT_FLOAT_EQ(doc.list().current()->servings(), 2.0f);
    EXPECT_EQ(view.displayChoice(), 2);
    typeAmount("56");
    EXPECT_FLOAT_EQ(doc.list().current()->servings(), 56.0f);
    typeAmount("20000");
    EXPECT_EQ(platform.messages.back().text, " ERROR - ingredient amount out of bounds");
    EXPECT_EQ(platform.messages.back().caption, "ERROR MESSAGE");
    typeAmount("2");
    typeName("lentil");
    EXPECT_EQ(view.lines(), (Lines{"INGREDIENT  :\t1 SVG. \tTOTAL  AMOUNT", "Cheese\t1 oz\t 2.00 serving(s)",
                                   "Lentils\t1 cup\t 1.00 serving(s)"}));
    EXPECT_TRUE(view.deleteEnabled());

    // 324 cal, 32 g protein, 19.28 g fat in the recipe; two servings.
    view.onServingsEdited("2");
    view.commitFields();
    EXPECT_EQ(perServing(0), "162");
    EXPECT_EQ(perServing(1), "  16.0");
    EXPECT_EQ(perServing(6), "54%");
    // Out of range resets the field; 50 and 0 are taken, and no servings
    // show zeros.
    view.onServingsEdited("60");
    view.commitFields();
    EXPECT_EQ(view.servingsText(), " 2.00 serv.");
    EXPECT_FLOAT_EQ(doc.list().servingCount(), 2.0f);
    view.onServingsEdited("50");
    view.commitFields();
    EXPECT_FLOAT_EQ(doc.list().servingCount(), 50.0f);
    view.onServingsStep(true);
    EXPECT_EQ(view.servingsText(), "50.0 serv.");
    view.onServingsEdited("0");
    view.commitFields();
    EXPECT_FLOAT_EQ(doc.list().servingCount(), 0.0f);
    EXPECT_EQ(perServing(0), "0");
    EXPECT_EQ(perServing(2), "   0.0");
    EXPECT_EQ(perServing(8), "0%");
    view.onServingsStep(false);
    EXPECT_FLOAT_EQ(doc.list().servingCount(), 0.1f);
}

TEST_F(RecipeViewTest, FieldsGoIntoTheRecipeOnlyWhenCommitted) {
    typeName("chee");
    view.onInstructionsEdited("INSTRUCTIONS :\r\nGrate it.\r\n" + std::string(300, 'x'));
    view.onServingDescriptionEdited("one plate");
    EXPECT_TRUE(doc.list().instructions().empty());
    view.commitFields();
    ASSERT_EQ(doc.list().instructions().size(), 2u);
    EXPECT_EQ(doc.list().instructions()[0], "Grate it.");
    EXPECT_EQ(doc.list().instructions()[1].size(), 255u);
    EXPECT_EQ(doc.list().servingDescription(), "one plate");

    // Clear Recipe takes a changed serving field and stops there; only then
    // it asks, and Yes empties the whole recipe.
    view.onServingsEdited("4");
    view.onClear();
    EXPECT_FLOAT_EQ(doc.list().servingCount(), 4.0f);
    EXPECT_EQ(doc.list().itemCount(), 1u);
    platform.answer(MsgAnswer::no, CRecipeView::kClearQuestion);
    view.onClear();
    EXPECT_EQ(doc.list().itemCount(), 1u);
    platform.answer(MsgAnswer::yes, CRecipeView::kClearQuestion);
    view.onClear();
    EXPECT_EQ(platform.messages.back().caption, "WARNING MESSAGE");
    EXPECT_TRUE(doc.list().empty());
    EXPECT_TRUE(doc.list().instructions().empty());
    EXPECT_EQ(view.instructionsText(), "INSTRUCTIONS :");
    EXPECT_EQ(view.servingsText(), "0.00");
    EXPECT_EQ(view.servingDescriptionText(), "NONE");
    EXPECT_EQ(view.ingredientName(), "NONE");
    EXPECT_EQ(view.servingLine(), "0 servings = 000 calories = 000 grams");
    EXPECT_EQ(perServing(0), "0");
    EXPECT_FALSE(view.deleteEnabled());
}

TEST_F(RecipeViewTest, AnOpenedRecipeShowsItsFields) {
    typeName("lentil");
    doc.list().setInstructions({"Soak.", "Boil."});
    doc.list().setServingDescription("a cup");
    doc.list().setServingCount(2.5f);
    // An item listed in its entry unit (as food lists do) shows in it here.
    doc.list().setCurrentEntryUnit(kUnitGrams);
    doc.list().setCurrentDisplayUnit(kUnitEntryUnits);
    CRecipeView again(doc, picker);
    again.onInitialUpdate();
    EXPECT_EQ(again.displayChoice(), 0);
    EXPECT_EQ(again.instructionsText(), "Soak.\r\nBoil.");
    EXPECT_EQ(again.servingsText(), "   2.5");
    EXPECT_EQ(again.servingDescriptionText(), "a cup");
    EXPECT_EQ(again.ingredientName(), "Lentils");
    again.onDelete();
    EXPECT_EQ(again.ingredientName(), "NONE");
    EXPECT_EQ(again.amountText(), "NONE");
    again.onEnter(true);
    EXPECT_EQ(platform.helpContexts, std::vector<int>{52224});
}

} // namespace
} // namespace korva
