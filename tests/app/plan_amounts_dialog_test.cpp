#include "app/plan_amounts_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "plan/mip_solver.h"
#include "tests/plan/shipped_foods.h"
#include "tests/support/data_tree.h"
#include "tests/support/scripted_platform.h"

namespace korva::test {
namespace {

struct Windows : PlanAmountsWindows {
    std::function<void(PlanAmountsDialog&)> play = [](PlanAmountsDialog&) {};
    int runs = 0, changed = 0;
    void run(PlanAmountsDialog& d) override {
        ++runs;
        play(d);
    }
    void documentChanged(CFListDoc&) override { ++changed; }
};

struct World : ScriptedTest {
    DataTree tree{{{0, "soup", 250, {{0, 40}, {27, 600}}}, {0, "bread", 100, {{0, 100}}}}};
    ActiveDocument active;
    Windows windows;
};

using PlanAmounts = World;

// Each refusal before the dialog; then bounds that cannot reach the calorie
// band: the plan is refused in words and nothing changes.
TEST_F(PlanAmounts, RefusalsThenAnInfeasiblePlanChangesNothing) {
    onPlanAmounts(tree.db, platform, active, windows);
    CRecipeDoc recipe(tree.db, platform, active);
    recipe.activate();
    EXPECT_FALSE(planAmountsEnabled(active.document()));
    onPlanAmounts(tree.db, platform, active, windows);
    CFoodListDoc doc(tree.db, platform, active);
    doc.activate();
    EXPECT_TRUE(planAmountsEnabled(active.document()));
    onPlanAmounts(tree.db, platform, active, windows);
    ASSERT_TRUE(doc.list().addFood(tree.entry(DataTree::idOf(0)), kUnitServings));
    ASSERT_TRUE(doc.list().addFood(tree.entry(DataTree::idOf(1)), kUnitServings));
    onPlanAmounts(tree.db, platform, active, windows);
    EXPECT_EQ(platform.messageTexts(),
              (std::vector<std::string>{planmsg::kNoList, planmsg::kRecipe, planmsg::kNoFoods, planmsg::kNoTargets}));
    EXPECT_EQ(windows.runs, 0);

    tree.db.users().current().profile = targetsOf({0, 27}, 1000.0f);
    doc.setModified(false);
    windows.play = [](PlanAmountsDialog& d) {
        d.onLock(0, true);
        d.onMax(1, 2.1f);
        d.onPlan();
        EXPECT_EQ(d.status(), "no amounts of these foods keep Calories at 95-105 %: Calories reach at most 30 %");
        EXPECT_FALSE(d.onApply());
    };
    onPlanAmounts(tree.db, platform, active, windows);
    EXPECT_EQ(windows.runs, 1);
    EXPECT_EQ(windows.changed, 0);
    EXPECT_FALSE(doc.isModified());
}

// A plan of shipped foods applied: the list's totals show exactly the
// percentages planned, the locked food and every entry unit stay, and
// a food planned at nothing leaves the list.
TEST_F(PlanAmounts, ApplyGivesTheListThePlannedTotals) {
    const ShippedFoods shipped;
    ASSERT_TRUE(shipped.ok());
    CFoodListDoc doc(tree.db, platform, active);
    for (FoodItem item : shipped.pick(10, 7)) {
        item.setEntryUnit(kUnitGrams);
        doc.list().append(item);
    }
    doc.list().recomputeTotals();
    doc.setModified(false);
    const auto solver = makeGlpkSolver();
    PlanAmountsDialog d(doc, shipped.targets(), "default", *solver);
    const float locked = doc.list().item(3).servings();
    d.onLock(3, true);
    d.onPlan();
    ASSERT_TRUE(d.applyEnabled()) << d.status();
    std::vector<std::string> planned, after;
    for (const auto& r : d.nutrientRows()) planned.push_back(r.planned);
    const auto kept = std::size_t(
        std::count_if(d.itemRows().begin(), d.itemRows().end(), [](const auto& r) { return r.planned != "none"; }));
    ASSERT_TRUE(d.onApply());
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.list().itemCount(), kept);
    EXPECT_LT(kept, 10u);
    for (const auto& r : d.nutrientRows()) after.push_back(r.today);
    EXPECT_EQ(after, planned);
    bool lockedKept = false;
    for (const FoodItem& item : doc.list().items()) {
        EXPECT_EQ(item.entryUnit(), kUnitGrams);
        lockedKept = lockedKept || item.servings() == locked;
    }
    EXPECT_TRUE(lockedKept);
}

} // namespace
} // namespace korva::test
