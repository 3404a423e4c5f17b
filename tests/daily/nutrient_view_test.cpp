#include <gtest/gtest.h>

#include "core/nutrients.h"
#include "daily/indiv_dlg.h"
#include "daily/nutrient_view_dialog.h"
#include "daily/nutrient_view_print.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "lists/report_writer.h"
#include "tests/support/data_tree.h"
#include "tests/support/recording_surface.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

using View = NutrientViewDialog;
using Texts = std::vector<std::string>;

class NutrientViewTest : public ::testing::Test {
protected:
    test::DataTree tree{{
        test::food(101, 0, "Juice", 248, {46, 0.5f}),
        test::food(102, 0, "Water", 237, {0, 0}),
        test::food(103, 2, "Candy", 40, {500, 5}, "1 bar"),
        test::food(104, 10, "Apple", 182, {52, 0.3f}, "1 medium"),
    }};
    test::ScriptedPlatform platform;
    ActiveDocument active;
    ViewFoods foods{tree.db};

    void SetUp() override {
        tree.db.users().current().name = "Ann";
        NutrientRecord& t = tree.db.users().current().profile;
        t.setValue(0, 2000.0f);
        t.setLevel(0, 2);
        t.setValue(1, 50.0f);
        t.setLevel(1, 1);
    }
};

TEST_F(NutrientViewTest, DataBaseFoodOnThreeBasesWithTheZeroCalorieRefusalsAndEmptyCategories) {
    View v(foods, platform, View::kTable, 0, 0);
    EXPECT_EQ(v.caption(), "VIEW  ALL  NUTRIENTS  :  User  :  Ann");
    EXPECT_EQ(v.foodNames(), (Texts{"Juice", "Water"}));
    EXPECT_EQ(v.amountLine(), "Nutrient Levels for 100.0 grams of Food =  0.4 Servings :   46 Calories");
    EXPECT_EQ(v.tableRows(v.page())[0].percent, "  2% RDA");
    v.onBasisChosen(View::kOneServing);
    EXPECT_EQ(v.amountLine(), "Nutrient Levels for 1 serving of Food = 1 cup = 248.0 grams :  114 calories");
    EXPECT_FLOAT_EQ(v.shown().value(1), 0.5f * 2.48f);
    v.onBasisChosen(View::k100Calories);
    EXPECT_EQ(v.amountLine(), "Nutrient Levels for 100 calories of Food : 217.4 grams =  0.9 servings");
    EXPECT_FLOAT_EQ(v.shown().value(1), 0.5f * 100.0f / 46.0f);

    // Moving to water on the 100-calorie basis falls back to 100 grams.
    v.onFoodChosen(1);
    EXPECT_EQ(platform.messages.at(0).caption, "WARNING  MESSAGE");
    EXPECT_EQ(v.basis(), View::k100Grams);

    // Choosing 100 calories for water is refused; the basis stays.
    v.onBasisChosen(View::kOneServing);
    v.onBasisChosen(View::k100Calories);
    EXPECT_EQ(platform.messageTexts(), (Texts{" Food has zero calories - dislaying for 100 gms. ..",
                                              "ERROR - calories are zero, can't display for 100 cal ..."}));
    EXPECT_EQ(platform.messages.at(1).caption, "ERROR MESSAGE");
    EXPECT_EQ(v.basis(), View::kOneServing);

    // An empty category moves on to the next with foods, after the last to the first.
    v.onCategoryChosen(1);
    EXPECT_EQ(platform.messageTexts().back(), "... no data base foods in this category...");
    EXPECT_EQ(v.category(), 2);
    EXPECT_EQ(v.foodNames(), (Texts{"Candy"}));
    EXPECT_FLOAT_EQ(v.shown().value(0), 200.0f); // one 40 g bar
    v.onCategoryChosen(11);
    EXPECT_EQ(v.category(), 0);
}

TEST_F(NutrientViewTest, DocumentItemsStepAndWholeListsAndRecipes) {
    CFoodListDoc doc(tree.db, platform, active);
    doc.onNewDocument("fl0001.fls");
    FoodList& list = doc.list();
    ASSERT_TRUE(list.addFood(tree.entry(103), kUnitServings));
    ASSERT_TRUE(list.addFood(tree.entry(104), kUnitServings));
    ASSERT_TRUE(list.setCurrentAmount(2.0f, kUnitServings));

    View v(foods, platform, View::kTable, doc, View::kWhole);
    EXPECT_EQ(v.itemName(), "fl0001.fls");
    EXPECT_EQ(v.amountLine(), "Nutrient Levels for All Food Items in Food List (TOTAL)");
    EXPECT_EQ(v.shown(), list.totals());

    v.onDataChosen(View::kItem);
    EXPECT_TRUE(v.stepButtonsShown());
    EXPECT_EQ(v.itemName(), "Apple");
    EXPECT_EQ(v.amountLine(), "Nutrient Levels for 2.0 Servings =  364.0 Grams :  189.3 Calories");
    v.onNext(); // wraps to the first item
    EXPECT_EQ(list.currentIndex(), 0);
    EXPECT_EQ(v.amountLine(), "Nutrient Levels for 1.0 Servings =   40.0 Grams :  200.0 Calories");
    v.onPrevious();
    EXPECT_EQ(list.currentIndex(), 1);

    list.setListType(FoodList::kRecipe);
    list.recipe().setName("Snack");
    list.recipe().setServingCount(4.0f);
    View r(foods, platform, View::kTable, doc, View::kItem);
    EXPECT_EQ(r.itemBoxCaption(), "&Ingredient per 1 Rcp. Serving");
    EXPECT_EQ(r.amountLine(), "Nutrient Levels per 1 Recipe Serving =   91.0 Grams :   47.3 Calories");
    r.onDataChosen(View::kWhole);
    EXPECT_EQ(r.itemName(), "Snack");
    EXPECT_FLOAT_EQ(r.shown().value(0), list.totals().value(0) / 4.0f);
    // A recipe that makes no servings shows zeros.
    list.recipe().setServingCount(0.0f);
    r.onDataChosen(View::kItem);
    EXPECT_EQ(r.shown().value(0), 0.0f);
}

TEST_F(NutrientViewTest, PrintsTheTableOrTheChartAsNutrientLevels) {
    View v(foods, platform, View::kTable, 10, 0);
    test::KeepingPrinter printer;
    printer.pageHeight = 2200;
    ASSERT_TRUE(v.onPrint(printer));
    ASSERT_EQ(printer.finished.size(), 1u);
    const test::RecordingSurface& s = printer.finished[0];
    const Texts lines = s.textLines();
    ASSERT_EQ(lines.size(), 4u + kNutrientCount);
    EXPECT_EQ(lines[1], "NUTRIENT  DATA  forFood  :  Apple");
    EXPECT_EQ(lines.back(), "Isoleucine\t 0.000\t__gm\t    N / A");
    EXPECT_EQ((std::array{s.texts[3].y, s.texts[4].y}), (std::array{6 * 20, 8 * 20}));
    EXPECT_EQ(s.cellX[4], (std::vector<int>{40, 150, 270, 340})); // the percent stays on the paper

    v.onDisplayChosen(View::kHistogram);
    ASSERT_TRUE(v.onPrint(printer));
    EXPECT_EQ(printer.jobNames, (Texts{"NUTRIENT LEVELS", "NUTRIENT LEVELS"}));
    const test::RecordingSurface& c = printer.finished[1];
    EXPECT_EQ(c.textLines().back(), "RDA / ODA Values for User : Ann");
    EXPECT_FALSE(c.misuse);
    // The chart lies inside its viewport: 1/16 of the width in, 7/8 wide.
    const int w = test::RecordingSurface::kPageWidth;
    for (const auto& l : c.lines) EXPECT_TRUE(l.x1 >= w / 16 && l.x2 <= w / 16 + w * 7 / 8);
}

TEST_F(NutrientViewTest, OneNutrientRowsTotalsAndPercentages) {
    FoodList list(&tree.db);
    ASSERT_TRUE(list.addFood(tree.entry(103), kUnitServings));
    ASSERT_TRUE(list.addFood(tree.entry(104), kUnitServings));
    ASSERT_TRUE(list.setCurrentAmount(1.5f, kUnitServings));
    IndivDlg d(list, foods.user(), platform);
    EXPECT_EQ(d.nameText(), "Calories");
    EXPECT_EQ(d.rows(), (Texts{"Candy\t200__cal\t 1.00 Svg.", "Apple\t142__cal\t 1.50 Svg."}));
    EXPECT_EQ(d.totalText(), "341.96 __cal");
    EXPECT_EQ(d.percentText(), " 17% RDA");

    d.onNutrientChosen(1);
    EXPECT_EQ(d.rows().at(1), "Apple\t  0.82__gm\t 1.50 Svg.");
    EXPECT_EQ(d.percentText(), "  6% RDA"); // the text says RDA for an ODA target too

    d.onNutrientChosen(2);
    EXPECT_EQ(d.percentText(), "N / A");
}

} // namespace
} // namespace korva
