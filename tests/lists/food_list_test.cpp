#include <gtest/gtest.h>

#include <functional>

#include "lists/food_list.h"
#include "tests/support/data_tree.h"

namespace korva {
namespace {

// Nutrients 0 calories, 1 protein, 2 fat, ..., 6 carbohydrate.
class FoodListTest : public ::testing::Test {
protected:
    test::DataTree tree{{
        test::food(101, 5, "Milk", 244, {50, 3.4f, 1.0f, 0.6f, 0.3f, 0.0f, 5.0f}),
        test::food(102, 10, "Apple", 138, {52, 0.3f, 0.2f, 0, 0, 0, 14.0f}, "1 medium"),
        test::food(103, 14, "Beef", 85, {250, 26.0f, 15.0f, 6, 6, 0.5f, 0.0f}, "3 oz"),
    }};
    FoodList list{&tree.db, "01/02/99"};

    void add(std::uint16_t id, float servings) {
        ASSERT_TRUE(list.addFood(tree.entry(id), kUnitServings));
        ASSERT_TRUE(list.setCurrentAmount(servings, kUnitServings));
    }
};

TEST_F(FoodListTest, AddingReadsTheRecordAndAFailedReadChangesNothing) {
    EXPECT_EQ(list.addFood(tree.entry(102), kUnitGrams), "Apple\t1 medium\t 138.0 grams");
    EXPECT_EQ(list.current()->record(), tree.given(102).record);

    std::filesystem::remove(tree.paths().foodsArc());
    const std::uint64_t rev = list.revision();
    EXPECT_FALSE(list.addFood(tree.entry(101), kUnitServings));
    EXPECT_EQ(list.itemCount(), 1u);
    EXPECT_EQ(list.revision(), rev);
}

TEST_F(FoodListTest, CalorieSplitRoundsEachShareAndNeedNotAddUp) {
    struct Case {
        std::vector<float> values;
        int fat, protein, carbohydrate;
    };
    const Case cases[] = {
        // d = (40 + 90 + 40) / 100 = 1.7: fat 52.9 -> 53, protein and carbohydrate 23.53 -> 24.
        {{170, 10, 10, 0, 0, 0, 10}, 53, 24, 24},
        {{0, 0, 0, 0, 0, 0, 0}, 0, 0, 0}, // nothing to share: no division by zero
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.values[0]);
        test::DataTree t{{test::food(1, 0, "Food", 100, c.values)}};
        FoodList l(&t.db);
        ASSERT_TRUE(l.addFood(t.entry(1), kUnitServings));
        EXPECT_EQ((std::array{l.pctFat(), l.pctProtein(), l.pctCarbohydrate()}),
                  (std::array{c.fat, c.protein, c.carbohydrate}));
    }
}

TEST_F(FoodListTest, OnlyAvailableValuesCountAndRecomputeFlagsWhatWasCounted) {
    test::DataFood partial = test::food(7, 0, "Juice", 100, {40, 9, 0, 0, 0, 0, 9});
    partial.record.setLevel(1, 0); // protein not available: its 9 must not count
    for (int n = 9; n < kNutrientCount; ++n) partial.record.setLevel(n, 0);
    test::DataTree t{{partial}};
    FoodList l(&t.db);
    ASSERT_TRUE(l.addFood(t.entry(7), kUnitServings));
    EXPECT_EQ((std::array{l.totals().value(1), l.totals().value(6)}), (std::array{0.0f, 9.0f}));
    // Adding one item leaves the flags of a new list as they were ...
    EXPECT_EQ(l.totals().level(1), 2);
    // ... a recompute flags only the nutrients some item gave.
    l.recomputeTotals();
    const NutrientRecord& got = l.totals();
    EXPECT_EQ((std::array{got.level(0), got.level(1), got.level(6), got.level(20)}), (std::array{2, 0, 2, 0}));
}

TEST_F(FoodListTest, SelectionWalksWrapsFollowsDeletionAndTheDataBase) {
    add(101, 1);
    add(102, 1);
    add(103, 1);
    list.step(true);
    EXPECT_EQ(list.currentIndex(), 0);
    EXPECT_EQ(tree.db.index().entries()[tree.db.selection().currentEntry().value()].id, 101);
    EXPECT_EQ(tree.db.selection().currentCategory(), 5);
    list.step(false);
    EXPECT_EQ(list.currentIndex(), 2);
    EXPECT_EQ(tree.db.index().entries()[tree.db.selection().currentEntry().value()].id, 103);
    list.select(1);
    list.select(7); // out of range: stays
    EXPECT_EQ(list.current()->foodId(), 102);

    list.deleteCurrent(); // to the next one, 103; then the last went: back to the first
    list.deleteCurrent();
    EXPECT_EQ(list.current()->foodId(), 101);
    EXPECT_NEAR(list.totals().value(0), 50.0f * 2.44f, 1e-3);
    list.clear();
    EXPECT_FALSE(tree.db.selection().currentEntry());
    EXPECT_EQ(list.totalGrams(), 0.0f);
}

TEST_F(FoodListTest, EveryChangeButMovingTheSelectionCounts) {
    add(101, 1);
    add(102, 1);
    std::uint64_t r = list.revision();
    list.select(0);
    list.step(true);
    list.recomputeTotals();
    EXPECT_EQ(list.revision(), r);
    const auto changes = std::vector<std::function<void()>>{
        [&] { list.stepCurrentAmount(true); },
        [&] { list.setCurrentAmount(3, kUnitServings); },
        [&] { list.setCurrentDisplayUnit(kUnitGrams); },
        [&] { list.setCurrentEntryUnit(kUnitCalories); },
        [&] { list.deleteCurrent(); },
        [&] { list.addFood(tree.entry(103), kUnitServings); },
        [&] { list.clear(); },
    };
    for (std::size_t i = 0; i < changes.size(); ++i) {
        changes[i]();
        EXPECT_GT(list.revision(), r) << i;
        r = list.revision();
    }
}

TEST_F(FoodListTest, RecipeServingFiguresComeFromItsOwnCalories) {
    add(102, 2); // 2 x 1.38 x (52 cal, 0.3 protein, 0.2 fat, 14 carbohydrate)
    list.recipe().setServingCount(4);
    ServingFigures one = list.perServing();
    EXPECT_FLOAT_EQ(one.values.value(1), list.totals().value(1) / 4);
    EXPECT_EQ(one.calories, 36); // 35.88
    // Shares of the calories: fat 3.5 %, protein 2.3 %, carbohydrate 107.7 %.
    EXPECT_EQ((std::array{one.pctFat, one.pctProtein, one.pctCarbohydrate}), (std::array{3, 2, 108}));

    list.recipe().setServingCount(0);
    one = list.perServing();
    EXPECT_EQ((std::pair{one.values.value(1), one.calories}), (std::pair{0.0f, 0L}));

    test::DataTree plain{{test::food(1, 0, "Tea", 240, {0, 0.1f})}};
    FoodList tea(&plain.db);
    ASSERT_TRUE(tea.addFood(plain.entry(1), kUnitServings));
    EXPECT_EQ(tea.perServing().pctProtein, 0); // no calories to share out
}

} // namespace
} // namespace korva
