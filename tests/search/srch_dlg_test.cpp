#include <gtest/gtest.h>

#include "lists/food_list.h"
#include "lists/report_writer.h"
#include "search/result_rows.h"
#include "search/search_report.h"
#include "search/search_validation.h"
#include "tests/search/scripted_choosers.h"
#include "tests/support/data_tree.h"
#include "tests/support/recording_surface.h"
#include "tests/support/scripted_platform.h"

namespace korva::test {
namespace {

using enum SearchType;

struct DialogWorld {
    DataTree tree{{{0, "milk", 250, {{0, 60}, {27, 50}}},
                   {2, "apple", 200, {{0, 50}, {27, 1}}},
                   {2, "bean", 50, {{0, 300}, {27, 200}}}}};
    ScriptedPlatform platform;
    ScriptedChoosers choosers;
    SearchSettings settings;

    SrchDlg open(SearchType type, const FoodList* list = nullptr) {
        return SrchDlg(tree.db, platform, choosers, settings, type, list);
    }
};

std::vector<std::string> names(const std::vector<ChosenRow>& rows) {
    std::vector<std::string> v;
    for (const auto& r : rows) v.push_back(r.name);
    return v;
}

TEST(SrchDlg, CaptionsAndButtonsFollowTheType) {
    DialogWorld w;
    FoodList list(&w.tree.db);
    SrchDlg d = w.open(Optimize, &list);
    EXPECT_EQ(d.minimizeCaption(), "OPTIMIZE");
    EXPECT_FALSE(d.maximizeEnabled());
    d.onTypeChosen(MaxOne);
    EXPECT_EQ(d.minimizeCaption(), "MINIMIZE");
    EXPECT_FALSE(d.minimizeEnabled());
    EXPECT_EQ(w.settings.currentType, MaxOne);

    SrchDlg plain = w.open(MinSeveral);
    plain.onTypeChosen(MinMaxSeveral);
    EXPECT_EQ(plain.minimizeCaption(), SrchDlg::kMinimize);
    EXPECT_TRUE(plain.minimizeEnabled() && plain.maximizeEnabled());
    EXPECT_FALSE(plain.listEnabled());
}

TEST(SrchDlg, ChoosersApplyOnlyWhenAccepted) {
    DialogWorld w;
    SrchDlg d = w.open(MinSeveral);
    w.choosers.nutrientMoves = {pickNutrients({27, 1}), pickNutrients({0}, false), pickNutrients({}, true)};
    d.onMinimize();
    EXPECT_EQ(names(d.chosen().minimizeRows()), (std::vector<std::string>{"Protein", "Sodium"}));
    d.onMinimize(); // Cancel discards the click
    d.onMinimize(); // OK without a click changes nothing
    EXPECT_EQ(d.chosen().minimize(), nutrients(1, 27));
    d.chosen().removeMinimize(1);
    EXPECT_EQ(d.chosen().minimize(), nutrients(1));

    w.choosers.categoryMoves = {pickCategories({CtlDialog::kAllButRecipesRow}),
                                pickCategories({CtlDialog::kAllRow}, false), pickCategories({CtlDialog::kAllRow, 3})};
    d.onCategories();
    EXPECT_TRUE(d.chosen().categories().count() == 23u && !d.chosen().categories().test(kRecipeCategory));
    d.onCategories(); // cancelled
    EXPECT_FALSE(d.chosen().categories().test(kRecipeCategory));
    d.onCategories();
    EXPECT_TRUE(d.chosen().categories().count() == 23u &&
                !d.chosen().categories().test(3)); // all 24, then 3 clicked off
}

TEST(SrchDlg, SearchShowsRowsViewFindsTheFoodAndNothingFoundKeepsTheRows) {
    DialogWorld w;
    SrchDlg d = w.open(MinOne);
    w.choosers.nutrientMoves = {pickNutrients({27})};
    w.choosers.categoryMoves = {pickCategories({CtlDialog::kAllRow}), pickCategories({CtlDialog::kAllRow, 0, 2})};
    EXPECT_FALSE(d.onView());
    d.onSearch();
    EXPECT_EQ(w.platform.messageTexts(), (std::vector<std::string>{SrchDlg::kNoFoodsToView, searchmsg::kNoCategories}));
    d.onMinimize();
    d.onCategories();
    d.onSearch();
    ASSERT_EQ(d.resultRows().size(), 4u);
    EXPECT_EQ(d.resultRows()[1], "apple\t   2.00 __mg");
    d.onResultSelected(3);
    d.onBasisChosen(ComparisonBasis::Per100Grams);
    d.onResultSelected(3);
    EXPECT_EQ(d.servingLine(), "100 gms =  0.4 Servings :   60 Calories");
    d.onResultSelected(2); // bean: the second food of its category
    const auto view = d.onView();
    ASSERT_TRUE(view);
    EXPECT_EQ((std::array<int, 2>{view->category, view->food}), (std::array<int, 2>{2, 1}));
    EXPECT_EQ(w.tree.db.selection().currentEntry(), d.selectedFood());

    d.onCategories(); // no category left: nothing found
    d.onSearch();
    EXPECT_EQ(d.resultRows().size(), 4u);
    EXPECT_EQ(w.tree.db.index().entries()[*d.selectedFood()].name, "apple");
}

TEST(SrchDlg, AddHandsBackFoodAndTheRowsBasisCloseRestoresSelection) {
    DialogWorld w;
    FoodList list(&w.tree.db);
    w.tree.db.selection().setCurrentCategory(2);
    w.tree.db.selection().setCurrentEntry(2);
    w.choosers.nutrientMoves = {pickNutrients({27}), pickNutrients({27})};
    w.choosers.categoryMoves = {pickCategories({0}), pickCategories({0})};
    for (bool add : {false, true}) {
        SrchDlg d = w.open(MaxOne, &list);
        d.onMaximize();
        d.onCategories();
        d.onAdd(); // nothing found yet: nothing to add
        EXPECT_FALSE(d.finished());
        d.onBasisChosen(ComparisonBasis::Per100Calories);
        d.onSearch();
        d.onBasisChosen(ComparisonBasis::Per100Grams); // the rows stay per 100 calories
        if (!add) {
            d.onClose();
            EXPECT_FALSE(d.foodToAdd());
            EXPECT_EQ(w.tree.db.selection().currentEntry(), std::optional<std::size_t>(2));
            EXPECT_EQ(w.settings.basis, ComparisonBasis::OneServing);
            continue;
        }
        d.onResultSelected(0);
        d.onAdd();
        ASSERT_TRUE(d.foodToAdd());
        EXPECT_EQ(w.tree.db.index().entries()[*d.foodToAdd()].name, "milk");
        EXPECT_EQ(w.tree.db.selection().currentEntry(), d.foodToAdd());
        EXPECT_EQ(w.settings.basis, ComparisonBasis::Per100Calories);
    }
}

TEST(SrchDlg, PrintStatesTheSearchAndItsResults) {
    DialogWorld w;
    w.tree.db.users().current().name = "Ann";
    for (int n : {0, 27}) {
        w.tree.db.users().current().profile.setValue(n, 50.0f);
        w.tree.db.users().current().profile.setLevel(n, 1);
    }
    SrchDlg d = w.open(MinMaxSeveral);
    w.choosers.nutrientMoves = {pickNutrients({27}), pickNutrients({0})};
    w.choosers.categoryMoves = {pickCategories({2, 0})};
    d.onMinimize();
    d.onMaximize();
    d.onCategories();
    d.onBasisChosen(ComparisonBasis::Per100Grams);
    d.onSearch();
    ASSERT_EQ(d.resultRows().size(), 4u) << (w.platform.messageTexts().empty() ? "" : w.platform.messageTexts()[0]);
    KeepingPrinter printer;
    ASSERT_TRUE(d.onPrint(printer));
    ASSERT_EQ(printer.finished.size(), 1u);
    const RecordingSurface& s = printer.finished[0];
    std::vector<std::string> expected{"Korvana : SEARCH RESULTS",
                                      "Search Type :  \tMinimize and Maximize Nutrients",
                                      "Foods Comparison :\t100.0 GRAMS ",
                                      "Search Results Display :\t%RDA/ODA for user : Ann",
                                      "Nutrients in Search : ",
                                      "\tCalories",
                                      "\tSodium",
                                      "Categories in SEARCH : ",
                                      "\tBeverages",
                                      "\tCandies and Snacks",
                                      "Search Results "};
    expected.insert(expected.end(), d.resultRows().begin(), d.resultRows().end());
    EXPECT_EQ(s.textLines(), expected);
    // Summary tabs every 8w; results at 4w on tabs from 40w.
    EXPECT_EQ(s.cellX[1], (std::vector<int>{40, 240}));
    EXPECT_EQ(s.cellX[12].at(1), 400);

    // Radios changed after the search change neither the printout nor the
    // caption of the rows shown; the next search's rows bring theirs.
    d.onTypeChosen(MaxOne);
    d.onBasisChosen(ComparisonBasis::OneServing);
    EXPECT_EQ(d.resultsCaption(), SrchDlg::kPercentCaption);
    const std::vector<std::string> first = s.textLines();
    ASSERT_TRUE(d.onPrint(printer));
    EXPECT_EQ(printer.finished.at(1).textLines(), first);
    d.onSearch();
    EXPECT_EQ(d.resultsCaption(), SrchDlg::kAmountCaption);
}

TEST(SearchReport, WideResultsGoOnInBlocksInsideThePage) {
    SearchSummary summary;
    std::string header = "FOOD NAME ", row = "a rather long food name";
    for (char c = 'a'; c < 'a' + 10; ++c) {
        (header += "\t ") += c;
        (row += "\t") += std::string(1, c) + "% ";
    }
    summary.resultRows = {header, row};
    RecordingSurface page({10, 20}, 4000, 640); // 64w: three columns a block
    ReportWriter out(page);
    out.begin();
    writeSearchReport(out, summary);
    out.end();
    EXPECT_TRUE(page.pastEdge.empty());
    const std::vector<std::string> lines = page.textLines();
    ASSERT_GE(lines.size(), 4u);
    // Blocks of three columns: a b c, d e f, g h i, then j.
    EXPECT_EQ(std::vector<std::string>(lines.end() - 4, lines.end()),
              (std::vector<std::string>{"FOOD NAME \t g\t h\t i", "a rather long food name\tg% \th% \ti% ",
                                        "FOOD NAME \t j", "a rather long food name\tj% "}));
}

} // namespace
} // namespace korva::test
