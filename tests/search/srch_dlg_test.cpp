#include <gtest/gtest.h>

#include "lists/food_list.h"
#include "search/search_validation.h"
#include "tests/search/scripted_choosers.h"
#include "tests/search/search_tree.h"
#include "tests/support/scripted_platform.h"

namespace korva::test {
namespace {

using enum SearchType;

struct DialogWorld {
    SearchTree tree{{{0, "milk", 250, {{0, 60}, {27, 50}}},
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
    EXPECT_EQ(d.resultsCaption(), SrchDlg::kPercentCaption);
    d.onTypeChosen(MaxOne);
    EXPECT_EQ(d.minimizeCaption(), "MINIMIZE");
    EXPECT_FALSE(d.minimizeEnabled());
    EXPECT_EQ(d.resultsCaption(), SrchDlg::kAmountCaption);
    EXPECT_EQ(w.settings.currentType, MaxOne);

    SrchDlg plain = w.open(MinSeveral);
    EXPECT_EQ(plain.minimizeCaption(), SrchDlg::kMinimize);
    plain.onTypeChosen(MinMaxSeveral);
    EXPECT_EQ(plain.minimizeCaption(), SrchDlg::kMinimize);
    EXPECT_TRUE(plain.minimizeEnabled() && plain.maximizeEnabled());
    EXPECT_FALSE(plain.optimizeEnabled() || plain.addEnabled());
}

TEST(SrchDlg, ChoosersApplyOnlyWhenAccepted) {
    DialogWorld w;
    SrchDlg d = w.open(MinSeveral);
    w.choosers.nutrientMoves = {pickNutrients({27, 1}), pickNutrients({0}, false), pickNutrients({}, true)};
    d.onMinimize();
    EXPECT_EQ(names(d.minimizeRows()), (std::vector<std::string>{"Protein", "Sodium"}));
    d.onMinimize(); // Cancel discards the click
    d.onMinimize(); // OK without a click changes nothing
    EXPECT_EQ(d.minimizeSet(), nutrients(1, 27));
    d.onRemoveMinimize(1);
    EXPECT_EQ(d.minimizeSet(), nutrients(1));

    w.choosers.categoryMoves = {pickCategories({CtlDialog::kAllButRecipesRow}),
                                pickCategories({CtlDialog::kAllRow}, false), pickCategories({CtlDialog::kAllRow, 3})};
    d.onCategories();
    EXPECT_EQ(d.categorySet().count(), 23u);
    EXPECT_FALSE(d.categorySet().test(kRecipeCategory));
    d.onCategories();
    EXPECT_EQ(d.categorySet().count(), 23u);
    d.onCategories();
    EXPECT_EQ(d.categorySet().count(), 23u); // all 24, then category 3 clicked off
    EXPECT_FALSE(d.categorySet().test(3));
}

TEST(SrchDlg, SearchShowsRowsAndKeepsThemWhenNothingIsFound) {
    DialogWorld w;
    SrchDlg d = w.open(MinOne);
    w.choosers.nutrientMoves = {pickNutrients({27})};
    w.choosers.categoryMoves = {pickCategories({CtlDialog::kAllRow}), pickCategories({CtlDialog::kAllRow, 0, 2})};
    d.onSearch();
    EXPECT_EQ(w.platform.messageTexts(), (std::vector<std::string>{searchmsg::kNoCategories}));
    d.onMinimize();
    d.onCategories();
    d.onSearch();
    ASSERT_EQ(d.resultRows().size(), 4u);
    EXPECT_EQ(d.resultRows()[0], "FOOD NAME \t Sodi.");
    EXPECT_EQ(d.resultRows()[1], "apple\t   2.00 __mg");
    EXPECT_EQ(d.servingLine(), "1 Serving = 200.0 grams :  100 calories");
    d.onResultSelected(3);
    d.onBasisChosen(ComparisonBasis::Per100Grams);
    d.onResultSelected(3);
    EXPECT_EQ(d.servingLine(), "100 gms =  0.4 Servings :   60 Calories");

    d.onCategories(); // no category left: nothing found
    d.onSearch();
    EXPECT_EQ(d.resultRows().size(), 4u);
    EXPECT_EQ(d.selectedRow(), 1);
    EXPECT_EQ(w.tree.db.index().entries()[*d.selectedFood()].name, "apple");
}

TEST(SrchDlg, AddHandsBackFoodAndBasisCloseRestoresSelection) {
    DialogWorld w;
    FoodList list(&w.tree.db);
    w.tree.db.selection().setCurrentCategory(2);
    w.tree.db.selection().setCurrentEntry(2);
    {
        SrchDlg d = w.open(MaxOne, &list);
        w.choosers.nutrientMoves = {pickNutrients({27})};
        w.choosers.categoryMoves = {pickCategories({0})};
        d.onMaximize();
        d.onCategories();
        d.onBasisChosen(ComparisonBasis::Per100Calories);
        d.onSearch();
        d.onClose();
        EXPECT_FALSE(d.foodToAdd());
        EXPECT_EQ(w.tree.db.selection().currentEntry(), std::optional<std::size_t>(2));
        EXPECT_EQ(w.settings.basis, ComparisonBasis::OneServing);
    }
    SrchDlg d = w.open(MaxOne, &list);
    w.choosers.nutrientMoves = {pickNutrients({27})};
    w.choosers.categoryMoves = {pickCategories({0})};
    d.onMaximize();
    d.onCategories();
    d.onAdd(); // nothing found yet: nothing to add
    EXPECT_FALSE(d.finished());
    d.onBasisChosen(ComparisonBasis::Per100Calories);
    d.onSearch();
    d.onResultSelected(0);
    d.onAdd();
    ASSERT_TRUE(d.foodToAdd());
    EXPECT_EQ(w.tree.db.index().entries()[*d.foodToAdd()].name, "milk");
    EXPECT_EQ(w.tree.db.selection().currentEntry(), d.foodToAdd());
    EXPECT_EQ(w.tree.db.selection().currentCategory(), 0);
    EXPECT_EQ(w.settings.basis, ComparisonBasis::Per100Calories);
}

} // namespace
} // namespace korva::test
