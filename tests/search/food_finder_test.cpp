#include <gtest/gtest.h>

#include "search/food_finder.h"
#include "tests/support/data_tree.h"

namespace korva {
namespace {

using Names = std::vector<std::string>;

Names namesAt(const FoodDataBase& db, const std::vector<std::size_t>& positions) {
    Names out;
    for (std::size_t p : positions) out.push_back(db.index().entries()[p].name);
    return out;
}

TEST(NameMatching, IgnoresCaseFollowsIndexOrderAndWantsTheWholeKey) {
    EXPECT_TRUE(findFoodsByName(FoodDataBase{}, "milk").empty()); // an empty index
    const std::string longName(39, 'x');
    test::DataTree tree{{{9, "Apples, raw"},
                         {0, "Pineapple juice, canned"},
                         {9, "Banana"},
                         {3, "APPLE pie"},
                         {9, "Crabapples"},
                         {1, longName + "tail"}}};
    const FoodDataBase& db = tree.db;
    EXPECT_EQ(namesAt(db, findFoodsByName(db, "Apple")),
              (Names{"Pineapple juice, canned", "APPLE pie", "Apples, raw", "Crabapples"}));
    EXPECT_EQ(namesAt(db, findFoodsByName(db, "APPLES")), (Names{"Apples, raw", "Crabapples"}));
    EXPECT_EQ(namesAt(db, findFoodsByName(db, "e, c")), (Names{"Pineapple juice, canned"}));
    for (const char* none : {"aple", "Apples, raw, red", ""}) EXPECT_TRUE(findFoodsByName(db, none).empty()) << none;
    // A typed name is cut to 39 characters.
    EXPECT_EQ(findFoodsByName(db, longName + "zzz").size(), 1u);
    EXPECT_TRUE(findFoodsByName(db, std::string(38, 'x') + "zz").empty());
    // Latin-1 accented capitals are not folded, as in the stored index.
    EXPECT_TRUE(nameContains("Caf\xE9 au lait", "caf\xE9"));
    EXPECT_FALSE(nameContains("CAF\xC9", "caf\xE9"));
}

TEST(NameMatching, StopsAtSixtyFourInIndexOrder) {
    std::vector<test::DataFood> foods;
    for (int i = 0; i < 100; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "Bean %03d", i);
        foods.push_back({(i * 7) % kCategoryCount, name});
    }
    test::DataTree tree(foods);
    const FoodDataBase& db = tree.db;
    auto matches = findFoodsByName(db, "bean");
    ASSERT_EQ(matches.size(), kMaxNameMatches);
    for (std::size_t i = 0; i < matches.size(); ++i) EXPECT_EQ(matches[i], i);
    EXPECT_EQ(findFoodsByName(db, "bean 09").size(), 10u);
}

} // namespace
} // namespace korva
