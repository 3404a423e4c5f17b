#include <gtest/gtest.h>

#include <filesystem>

#include "search/ranked_list.h"
#include "search/search_engine.h"
#include "tests/support/data_tree.h"

namespace korva::test {
namespace {

template <class Order>
std::vector<std::size_t> rank(int size, float sentinel, std::vector<float> scores, int* admitted = nullptr) {
    RankedList<Order> list(size, sentinel);
    for (std::size_t i = 0; i < scores.size(); ++i) list.offer(static_cast<std::uint32_t>(i), scores[i]);
    if (admitted) *admitted = list.admissions();
    return list.ranked();
}

using V = std::vector<std::size_t>;

// Equal scores: a later food goes in front of the kept ones, except behind
// an equal head where the head test is strict; when the list is full an
// equal last score is replaced only where admission includes equality.
TEST(RankedList, TieRulesOfEachEngine) {
    using MinOne = RankOrder<false, false, false>;
    using MaxOne = RankOrder<true, false, false>;
    using MinSeveral = RankOrder<false, true, true>;
    using MaxSeveral = RankOrder<true, true, true>;
    using MinMax = RankOrder<false, true, false>;
    EXPECT_EQ(rank<MinOne>(3, 1e6f, {5, 3, 3, 5}), (V{1, 2, 0}));
    EXPECT_EQ(rank<MinSeveral>(3, 1e10f, {5, 3, 3, 5}), (V{2, 1, 3}));
    EXPECT_EQ(rank<MinSeveral>(5, 1e10f, {1, 2, 2, 3, 2}), (V{0, 4, 2, 1, 3}));
    EXPECT_EQ(rank<MaxOne>(3, 0.0f, {0, 2, 4, 2, -1}), (V{2, 3, 1}));
    EXPECT_EQ(rank<MaxSeveral>(2, -100.0f, {2, 2, 1}), (V{1, 0}));
    EXPECT_EQ(rank<MinMax>(3, 1e8f, {3, 3, 4, 4}), (V{0, 1, 3}));
    int admitted = 0;
    EXPECT_EQ(rank<MinSeveral>(10, 1e6f, {2, 1}, &admitted), (V{1, 0}));
    EXPECT_EQ(admitted, 2);
}

// cheese and milk in category 0, the rest in category 2; nutrients 0
// calories, 1 protein, 12 vitamin C, 19 calcium, 27 sodium.
std::vector<DataFood> smallFoods() {
    return {
        {2, "apple", 200, {{0, 50}, {1, 1}, {12, 10}, {19, 5}, {27, 1}}},
        {2, "bean", 50, {{0, 300}, {1, 20}, {12, 0}, {19, 40}, {27, 200}}},
        {2, "cake", 100, {{0, 400}, {1, 5}, {19, 10}, {27, 300}}},
        {2, "water", 250, {{0, 0}, {1, 0}, {12, 0}, {19, 2}, {27, 5}}},
        {0, "milk", 250, {{0, 60}, {1, 3.3f}, {12, 1}, {19, 120}, {27, 50}}},
        {0, "cheese", 30, {{0, 350}, {1, 25}, {12, 1.1f}, {19, 95}, {27, 10}}},
    };
}

TEST(SearchEngines, ScoresBasesAndSkips) {
    DataTree tree(smallFoods());
    const NutrientRecord targets = targetsOf({1, 12, 19, 27});
    GapTable gaps{};
    gaps[19] = 50;
    gaps[12] = 5;
    struct Case {
        SearchType type;
        ComparisonBasis basis;
        NutrientSet minimize, maximize;
        std::vector<std::string> expected;
    };
    using enum SearchType;
    using enum ComparisonBasis;
    const NutrientSet none;
    const Case cases[] = {
        {MinOne, Per100Grams, nutrients(27), none, {"apple", "water", "cheese", "milk", "bean", "cake"}},
        {MinOne, Per100Calories, nutrients(27), none, {"apple", "cheese", "bean", "cake", "milk"}},
        {MinOne, OneServing, nutrients(27), none, {"apple", "cheese", "water", "bean", "milk", "cake"}},
        {MaxOne, Per100Grams, none, nutrients(12), {"apple", "cheese", "milk"}},
        {MaxSeveral, Per100Grams, none, nutrients(12, 19), {"cheese", "milk", "apple", "bean", "water"}},
        {MinMaxSeveral,
         Per100Grams,
         nutrients(27),
         nutrients(19),
         {"cheese", "milk", "apple", "water", "bean", "cake"}},
        {MinSeveral, OneServing, nutrients(1, 27), none, {"apple", "cheese", "water", "bean", "milk", "cake"}},
        {Optimize, Per100Grams, nutrients(12, 19), none, {"cheese", "milk", "bean", "apple", "water"}},
    };
    for (const Case& c : cases) {
        const SearchRequest r{.type = c.type,
                              .basis = c.basis,
                              .size = 10,
                              .categories = CategorySet().set(),
                              .minimize = c.minimize,
                              .maximize = c.maximize};
        const SearchOutcome out = runSearch(tree.db, r, targets, &gaps);
        EXPECT_TRUE(out.complete);
        EXPECT_EQ(tree.names(out), c.expected) << "type " << int(c.type) << " basis " << int(c.basis);
    }
}

// Blocks of 32 records, categories in ascending order whatever the order
// of the set, and only the best N kept.
std::vector<DataFood> blockFoods() {
    std::vector<DataFood> foods;
    for (int k = 0; k < 75; ++k) {
        const int category = k < 70 ? 5 : 1;
        const float protein = float((k * 37) % 75 + 1);
        foods.push_back({category, "food " + std::to_string(100 + k), 100, {{1, protein}}});
    }
    return foods;
}

// The best N of every block of each chosen category; a foods file shorter
// than the index leaves the unreadable foods out and says the search is
// incomplete, rather than ranking the last block's records a second time
// under other names.
TEST(SearchEngines, ScanReadsEveryBlockAndReportsUnreadableRecords) {
    DataTree tree(blockFoods());
    SearchRequest r{.type = SearchType::MaxOne,
                    .basis = ComparisonBasis::Per100Grams,
                    .size = 10,
                    .categories = CategorySet().set(5).set(1),
                    .minimize = {},
                    .maximize = nutrients(1)};
    SearchOutcome out = runSearch(tree.db, r, NutrientRecord{}, nullptr);
    ASSERT_EQ(out.positions.size(), 10u);
    for (std::size_t i = 0; i < 10; ++i) {
        NutrientRecord rec;
        ASSERT_TRUE(tree.db.records().readFoodRecord(tree.db.index().entries()[out.positions[i]], rec));
        EXPECT_EQ(rec.value(1), float(75 - i));
    }
    std::filesystem::resize_file(tree.db.paths().foodsArc(), 40 * NutrientRecord::kBytes);
    r.size = 100;
    out = runSearch(tree.db, r, NutrientRecord{}, nullptr);
    EXPECT_FALSE(out.complete);
    // Category 1's five foods and the first whole block of category 5; the
    // block after it is cut short and is not read at all.
    EXPECT_EQ(out.positions.size(), 37u);
    for (std::size_t p : out.positions) EXPECT_LT(p, 40u);
}

} // namespace
} // namespace korva::test
