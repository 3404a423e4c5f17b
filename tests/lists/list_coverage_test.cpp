#include <gtest/gtest.h>

#include "lists/food_list.h"
#include "lists/list_coverage.h"
#include "tests/support/data_tree.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

constexpr int kSelenium = 26, kVitE = 13;

// Items, then the items reporting calories, Selenium and Vit. E.
std::array<int, 4> counts(const NutrientCoverage& c) {
    return {c.items, c.reportingItems(0), c.reportingItems(kSelenium), c.reportingItems(kVitE)};
}

TEST(ListCoverageTest, CountsFollowEveryChangeOfTheList) {
    test::DataTree tree{{test::DataFood(1, "All", 100, {{0, 50}, {kSelenium, 3}, {kVitE, 1}}),
                         test::DataFood(1, "Selenium", 100, {{0, 60}, {kSelenium, 2}}),
                         test::DataFood(1, "Bare", 100, {{0, 70}})}};
    test::ScriptedPlatform platform;
    const auto all = test::DataTree::idOf(0), sel = test::DataTree::idOf(1), bare = test::DataTree::idOf(2);
    FoodList list(&tree.db), other(&tree.db);
    const std::filesystem::path file = tree.listFile("two.fls"), gone = tree.listFile("gone.fls");
    const auto add = [&](FoodList& l, std::uint16_t id) { ASSERT_TRUE(l.addFood(tree.entry(id), kUnitServings)); };
    struct Step {
        const char* what;
        std::function<void()> act;
        const FoodList& seen;
        std::array<int, 4> want;
    };
    const Step steps[] = {
        {"add", [&] { add(list, all), add(list, sel), add(list, bare); }, list, {3, 3, 2, 1}},
        {"delete", [&] { list.deleteCurrent(); }, list, {2, 2, 2, 1}},
        {"read", [&] { list.writeFile(file, platform), other.readFile(file, false, platform); }, other, {2, 2, 2, 1}},
        {"merge", [&] { other.readFile(file, true, platform); }, other, {4, 4, 4, 2}},
        {"recompute", [&] { other.recomputeTotals(); }, other, {4, 4, 4, 2}},
        // Emptied and filled again: the one item's calories are no "N / A".
        {"clear", [&] { other.clear(), add(other, bare); }, other, {1, 1, 0, 0}},
        // A food the data base no longer knows is dropped, and not counted.
        {"dropped",
         [&] { other.append(FoodItem(999)), other.writeFile(gone, platform), list.readFile(gone, false, platform); },
         list,
         {1, 1, 0, 0}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        s.act();
        EXPECT_EQ(counts(s.seen.coverage()), s.want);
    }
    EXPECT_EQ(other.totals().level(0), 2);
    EXPECT_EQ(foodListFileCoverage(gone, tree.db), list.coverage());
    EXPECT_EQ(foodListFileCoverage(tree.listFile("none.fls"), tree.db), std::nullopt);
}

} // namespace
} // namespace korva
