#include <gtest/gtest.h>

#include <cmath>

#include "core/nutrients.h"
#include "lists/food_list.h"
#include "search/result_rows.h"
#include "search/search_validation.h"
#include "tests/support/data_tree.h"

namespace korva::test {
namespace {

using enum SearchType;
using enum ComparisonBasis;

SearchRequest request(SearchType type, ComparisonBasis basis, NutrientSet minimize, NutrientSet maximize) {
    return {.type = type,
            .basis = basis,
            .size = kDefaultSearchSize,
            .categories = CategorySet().set(3),
            .minimize = minimize,
            .maximize = maximize};
}

// One list holding one food with 30 of nutrient 1 and 40 of nutrient 12.
struct OneFoodList {
    DataTree tree{{{0, "bread", 100, {{1, 30}, {12, 40}}}}};
    FoodList list{&tree.db};
    OneFoodList() { EXPECT_TRUE(list.addFood(tree.db.index().entries()[0], 2)); }
};

TEST(SearchValidation, FirstFailingCheckInOrderAndTheGapsToFill) {
    OneFoodList filled;
    const FoodList empty;
    NutrientRecord targets = targetsOf({0, 1, 2, 3, 4, 5, 6, 12});
    targets.setLevel(8, 1); // marked, but a zero target counts as none
    struct Case {
        SearchRequest r;
        const FoodList* list;
        std::optional<std::string> message;
    };
    const NutrientSet none;
    SearchRequest noCategories = request(MinOne, OneServing, nutrients(1), none);
    noCategories.categories.reset();
    const Case cases[] = {
        {noCategories, nullptr, searchmsg::kNoCategories},
        {request(MinOne, OneServing, nutrients(1, 2), none), nullptr, searchmsg::kOneToMinimize},
        {request(MinOne, Per100Calories, nutrients(0), none), nullptr, searchmsg::kCaloriesPer100Calories},
        {request(MinOne, OneServing, nutrients(9), none), nullptr, std::nullopt}, // amounts need no target
        {request(MaxOne, OneServing, none, none), nullptr, searchmsg::kOneToMaximize},
        {request(MaxOne, Per100Calories, none, nutrients(0)), nullptr, searchmsg::kCaloriesPer100Calories},
        {request(MinSeveral, OneServing, nutrients(1), none), nullptr, searchmsg::kSeveralToMinimize},
        {request(MinSeveral, OneServing, nutrients(1, 2, 3, 4, 5, 6), none), nullptr, searchmsg::kSeveralToMinimize},
        {request(MinSeveral, Per100Calories, nutrients(0, 9), none), nullptr, searchmsg::kNoTarget},
        {request(MinSeveral, OneServing, nutrients(1, 8), none), nullptr, searchmsg::kNoTarget},
        {request(MinSeveral, Per100Calories, nutrients(0, 1), none), nullptr, searchmsg::kCaloriesPer100Calories},
        {request(MaxSeveral, OneServing, nutrients(1, 2), nutrients(1)), nullptr, searchmsg::kSeveralToMaximize},
        {request(MaxSeveral, Per100Calories, none, nutrients(0, 1)), nullptr, searchmsg::kCaloriesPer100Calories},
        {request(MaxSeveral, Per100Grams, none, nutrients(1, 2, 3, 4, 5)), nullptr, std::nullopt},
        {request(MinMaxSeveral, OneServing, none, nutrients(1)), nullptr, searchmsg::kMinAndMax},
        {request(MinMaxSeveral, OneServing, nutrients(1), nutrients(9)), nullptr, searchmsg::kNoTarget},
        {request(MinMaxSeveral, Per100Calories, nutrients(1), nutrients(0)), nullptr,
         searchmsg::kCaloriesPer100Calories},
        {request(Optimize, OneServing, nutrients(1), none), nullptr, searchmsg::kNoFoodsToOptimize},
        {request(Optimize, OneServing, nutrients(1), none), &empty, searchmsg::kNoFoodsToOptimize},
        {request(Optimize, OneServing, none, nutrients(1)), &filled.list, searchmsg::kOptimizeCount},
        {request(Optimize, Per100Calories, nutrients(0, 8), none), &filled.list, searchmsg::kOptimizeNoTarget},
        {request(Optimize, Per100Calories, nutrients(0, 1), none), &filled.list, searchmsg::kCaloriesPer100Calories},
        {request(Optimize, OneServing, nutrients(1, 12), none), &filled.list, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(validateSearchRequest(c.r, targets, c.list), c.message) << c.message.value_or("passes");

    // Over the target by a hair is refused, naming every nutrient over;
    // exactly at it passes.
    targets.setValue(12, std::nextafter(40.0f, 0.0f));
    targets.setValue(1, 1.0f);
    EXPECT_EQ(validateSearchRequest(request(Optimize, OneServing, nutrients(1, 12), none), targets, &filled.list),
              std::string(searchmsg::kOverTarget) + searchmsg::kOverTargetNames + std::string(nutrientName(1)) + ", " +
                  std::string(nutrientName(12)));

    // The gaps the optimizer fills: those of the chosen nutrients only.
    NutrientRecord wanted = targetsOf({1, 7}, 40.0f);
    wanted.setValue(12, 40.0f);
    wanted.setLevel(12, 1);
    const GapTable gaps = computeGaps(filled.list.totals(), nutrients(1, 12), wanted);
    EXPECT_EQ((std::array{gaps[1], gaps[12], gaps[7]}), (std::array{25.0f, 0.0f, 0.0f}));
}

TEST(ResultRows, HeaderCellsAndServingLines) {
    ShortFood food;
    food.name = "Beans";
    food.gramsPerServing = 50.0f;
    NutrientRecord r;
    r.setValue(0, 250.0f);
    r.setValue(1, 12.345f);
    r.setValue(27, 230.0f);
    const NutrientRecord targets = targetsOf({1, 27}, 50.0f);
    const std::vector<int> shown = displayedNutrients(MinMaxSeveral, nutrients(27), nutrients(1));
    EXPECT_EQ(shown, (std::vector<int>{27, 1}));
    EXPECT_EQ(resultHeader(shown), "FOOD NAME \t Sodi.\t Pro.");
    EXPECT_EQ(resultRow(MinOne, OneServing, food, r, {1}, targets), "Beans\t   6.17 __gm");
    EXPECT_EQ(resultRow(MinMaxSeveral, Per100Grams, food, r, shown, targets), "Beans\t>100% \t25% ");

    const std::pair<float, const char*> cells[] = {
        {100.0f, "\t100% "}, {100.01f, "\t>100% "}, {57.5f, "\t57% "}, {57.51f, "\t58% "}};
    for (const auto& [p, text] : cells) EXPECT_EQ(percentCell(p), text);

    EXPECT_EQ(servingLine(Per100Calories, 50.0f, r), "100 Calories :  40.0 grams =  0.8 servings");
    EXPECT_EQ(servingLine(OneServing, 50.0f, r), "1 Serving = 50.0 grams :  125 calories");
    EXPECT_EQ(servingLine(Per100Grams, 50.0f, r), "100 gms =  2.0 Servings :  250 Calories");
    // No endless numbers: without calories per 100 g as per 100 g, without
    // a weight per serving no servings.
    EXPECT_EQ(servingLine(Per100Calories, 50.0f, NutrientRecord{}), "100 gms =  2.0 Servings :    0 Calories");
    EXPECT_EQ(servingLine(Per100Calories, 0.0f, r), "100 Calories :  40.0 grams =  0.0 servings");
}

} // namespace
} // namespace korva::test
