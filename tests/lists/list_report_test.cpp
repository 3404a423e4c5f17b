#include <gtest/gtest.h>

#include "core/nutrients.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "lists/list_report.h"
#include "lists/report_writer.h"
#include "tests/support/data_tree.h"
#include "tests/support/recording_surface.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

using test::RecordingSurface;
using Texts = std::vector<std::string>;

using ScriptedPrinter = test::KeepingPrinter;

TEST(ReportWriterTest, LinesAdvanceBreakPagesExpandTabsAndWrapAtTheEdge) {
    RecordingSurface s({10, 20}, 120, 600); // 5 lines a page, 60w wide
    ReportWriter out(s);
    out.begin();
    out.heading(0, "Title\tRight");
    out.detail(3, "a\tb\tc");                    // line 3
    out.detail(1, std::string(41, 'x') + "\ty"); // line 4: past 40w, so 52w
    std::string words;
    for (int k = 0; k < 15; ++k) words += "word ";
    out.detail(1, words + "\ty"); // page 2: broken at the last blank that fits, then on under it
    out.useNutrientTabStops();
    out.detail(2, "Name\tv\tu\tp");
    out.end();

    ASSERT_EQ(s.texts.size(), 6u);
    EXPECT_FALSE(s.misuse);
    EXPECT_TRUE(s.pastEdge.empty());
    EXPECT_EQ((std::array{s.page, s.pagesEnded, s.fontSelections}), (std::array{2, 2, 2}));
    const std::vector<std::array<int, 3>> placed{{1, 20, 0}, {1, 40, 60}, {1, 40, 80},
                                                 {2, 40, 0}, {2, 80, 20}, {2, 40, 60}};
    for (std::size_t i = 0; i < placed.size(); ++i)
        EXPECT_EQ((std::array<int, 3>{s.texts[i].page, s.texts[i].x, s.texts[i].y}), placed[i]) << i;
    EXPECT_EQ(std::vector(s.cellX.begin(), s.cellX.begin() + 3),
              (std::vector<std::vector<int>>{{20, 400}, {40, 400, 520}, {40, 520}}));
    EXPECT_EQ(s.texts[3].text, words.substr(0, 54));
    EXPECT_EQ(s.texts[4].text, "word word word word \ty");
    EXPECT_EQ(s.cellX[4], (std::vector<int>{80, 400}));
    EXPECT_EQ(s.cellX[5], (std::vector<int>{40, 150, 200, 270}));
    // Only the heading is underlined, one line below its top, to the end of
    // its last cell.
    ASSERT_EQ(s.lines.size(), 1u);
    EXPECT_EQ((std::array<int, 4>{s.lines[0].x1, s.lines[0].y1, s.lines[0].x2, s.lines[0].y2}),
              (std::array<int, 4>{20, 20, 450, 20}));

    // A font that reports no size still lays out, one line a page at worst.
    RecordingSurface flat({0, 0}, 0);
    ReportWriter out2(flat);
    out2.begin();
    out2.detail(1, "x");
    out2.detail(1, "y");
    out2.end();
    EXPECT_EQ(flat.texts.size(), 2u);
    EXPECT_FALSE(flat.misuse);
}

class ListReportTest : public ::testing::Test {
protected:
    test::DataTree tree{{
        test::food(101, 5, "Milk", 244, {50, 3.4f, 1.0f, 0, 0, 0, 5.0f}),
        test::food(102, 10, "Apple", 138, {52, 0.3f, 0.2f, 0, 0, 0, 14.0f}, "1 medium"),
    }};
    test::ScriptedPlatform platform;
    ActiveDocument active;
    ReportUser user{"Ann", {}};

    void SetUp() override {
        user.targets.setValue(0, 2000.0f);
        user.targets.setLevel(0, 2);
        user.targets.setValue(1, 50.0f);
        user.targets.setLevel(1, 1);
    }

    void fill(FoodList& list, float servings) {
        for (const std::uint16_t id : {std::uint16_t{101}, std::uint16_t{102}})
            ASSERT_TRUE(list.addFood(tree.entry(id), kUnitServings));
        for (int i : {0, 1}) {
            list.select(i);
            ASSERT_TRUE(list.setCurrentAmount(servings, kUnitServings));
        }
    }

    static Texts onPage(const RecordingSurface& s, int page) {
        Texts out;
        for (const auto& t : s.texts)
            if (t.page == page) out.push_back(t.text);
        return out;
    }
};

TEST_F(ListReportTest, FoodListReportInOrderInTheCurrentItemsUnit) {
    FoodList list(&tree.db);
    fill(list, 1.0f);
    list.setPath("/home/ann/kvflist/fl0003.fls");
    list.select(0);
    list.setCurrentDisplayUnit(kUnitGrams); // the apple keeps its own unit
    RecordingSurface s;
    s.glyphWidth = 5; // digits and small letters are about half an "M"
    ReportWriter out(s);
    out.begin();
    writeFoodListReport(out, list, user);
    out.end();

    const auto pct = [](int v) { return "\t  " + std::to_string(v) + "%"; };
    const Texts head{"Korvana",
                     "FOOD  LIST  DATA  for  fl0003.fls",
                     "NUTRIENT  ODA/RDA  Levels for User : Ann",
                     "FOOD  LIST  ITEMS",
                     "Milk\t1 cup\t 244.0 grams",
                     "Apple\t1 medium\t 138.0 grams",
                     "CALORIE  PERCENTAGE  BREAKDOWN",
                     "Percent Calories from Fat" + pct(list.pctFat()),
                     "Percent Calories from Protein" + pct(list.pctProtein()),
                     "Percent Calories from Carbohydrates" + pct(list.pctCarbohydrate()),
                     "NUTRIENT  VALUES",
                     "Calories\t193.76\t__cal\t 10% RDA",
                     "Protein\t 8.710\t__gm\t 17% ODA",
                     "Total Fat\t 2.716\t__gm\t    N / A"};
    ASSERT_EQ(s.texts.size(), 11u + kNutrientCount);
    const Texts lines = s.textLines();
    EXPECT_EQ(Texts(lines.begin(), lines.begin() + 14), head);
    EXPECT_EQ((std::array{s.texts[1].y, s.texts[4].y, s.texts[13].y}), (std::array{3 * 20, 8 * 20, 24 * 20}));
    EXPECT_EQ(s.lines.size(), 6u);
    EXPECT_EQ(list.currentIndex(), 0);
}

TEST_F(ListReportTest, RecipeReportPrintsOneServingAndBreaksPages) {
    FoodList recipe(&tree.db);
    recipe.setListType(FoodList::kRecipe);
    fill(recipe, 2.0f);
    recipe.recipe().setName("Milk and apples");
    recipe.recipe().setServingCount(4.0f);
    recipe.recipe().setInstructions({"Slice the apples.", "Pour the milk."});
    RecordingSurface s({10, 20}, 620); // 30 lines a page
    ReportWriter out(s);
    out.begin();
    writeRecipeReport(out, recipe, user);
    out.end();

    const Texts first = onPage(s, 1);
    const Texts head{"Korvana",
                     "RECIPE  DATA  for  Milk and apples",
                     "NUTRIENT  ODA/RDA%  Levels for User : Ann",
                     "INGREDIENTS\t1 Serv.",
                     "Milk\t1 cup\t 2.00 serving(s)",
                     "Apple\t1 medium\t 2.00 serving(s)",
                     "DIRECTIONS",
                     "Slice the apples.",
                     "Pour the milk.",
                     "CALORIE  PERCENTAGE  BREAKDOWN"};
    ASSERT_GE(first.size(), head.size() + 5);
    EXPECT_EQ(Texts(first.begin(), first.begin() + 10), head);
    // The whole recipe's split, the nutrients of one serving.
    EXPECT_EQ(first[10], "Percent Calories from Fat\t  " + std::to_string(recipe.pctFat()) + "%");
    EXPECT_EQ(first[13], "NUTRIENT  VALUES  per  SERVING");
    EXPECT_EQ(first[14], "Calories\t96.880\t__cal\t  5% RDA");
    // Underlined to the end of "1 Serv." at the first tab stop.
    EXPECT_EQ(s.lines[3].x2, 400 + 7 * 10);

    // Nutrients 0..4 fill page 1, the rest go on without a heading again.
    ASSERT_EQ(first.size(), 19u);
    EXPECT_EQ(onPage(s, 2).front().substr(0, nutrientName(5).size() + 1), std::string(nutrientName(5)) + '\t');
    EXPECT_EQ(s.lines.size(), 7u);
}

TEST_F(ListReportTest, GuardsRefuseInOrderBeforeAnyDialog) {
    struct Case {
        bool printRecipeCommand;
        bool recipeDocument;
        bool items;
        bool recipeList;
        const char* message;
    };
    const Case cases[] = {
        {false, true, true, true, printmsg::kUseRecipeMenu},     {false, false, false, true, printmsg::kNoFoodItems},
        {false, false, true, true, printmsg::kRecipeAsFoodList}, {true, true, false, true, printmsg::kNoIngredients},
        {true, false, true, false, printmsg::kFoodListAsRecipe}, {true, true, true, false, printmsg::kFoodListAsRecipe},
    };
    for (const Case& c : cases) {
        CFoodListDoc listDoc(tree.db, platform, active);
        CRecipeDoc recipeDoc(tree.db, platform, active);
        CFListDoc& doc = c.recipeDocument ? static_cast<CFListDoc&>(recipeDoc) : listDoc;
        doc.list().setListType(c.recipeList ? FoodList::kRecipe : FoodList::kFoodList);
        if (c.items) {
            ASSERT_TRUE(doc.list().addFood(tree.entry(101), kUnitServings));
        }
        platform.messages.clear();
        ScriptedPrinter printer;
        EXPECT_FALSE(c.printRecipeCommand ? printRecipe(doc, printer) : printFoodList(doc, printer));
        EXPECT_EQ(platform.messageTexts(), Texts{c.message}) << c.message;
        EXPECT_EQ(printer.dialogs, 0);
    }
}

TEST_F(ListReportTest, PrintDialogJobAndRefusal) {
    CFoodListDoc doc(tree.db, platform, active);
    ASSERT_TRUE(doc.list().addFood(tree.entry(101), kUnitServings));
    ScriptedPrinter printer;

    printer.accept = false;
    EXPECT_FALSE(printFoodList(doc, printer));
    printer.accept = true;
    printer.refusal = -7;
    EXPECT_FALSE(printFoodList(doc, printer));
    EXPECT_EQ(platform.messageTexts(), Texts{"Unable to Begin printing - Error[-7]"});
    EXPECT_TRUE(printer.jobNames.size() == 1u && printer.finished.empty()); // declined: no job

    printer.refusal = 0;
    EXPECT_TRUE(printFoodList(doc, printer));
    ASSERT_EQ(printer.finished.size(), 1u);
    EXPECT_EQ(printer.jobNames.back(), "FOOD LIST TOTALS");
    EXPECT_EQ(printer.finished[0].texts[3].text, "FOOD  LIST  ITEMS");
    EXPECT_EQ((std::array{platform.waitCount, platform.waitDepth}), (std::array{1, 0}));
}

} // namespace
} // namespace korva
