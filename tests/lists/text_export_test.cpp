#include "lists/text_export.h"

#include <gtest/gtest.h>

#include "core/nutrients.h"
#include "lists/food_list.h"
#include "tests/support/data_tree.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

// Isoleucine is not available in either food, so the totals have no value
// for it either.
test::DataFood withoutIsoleucine(test::DataFood f) {
    f.record.setLevel(38, 0);
    return f;
}

class TextExportTest : public test::ScriptedTest {
protected:
    test::DataTree tree{{
        withoutIsoleucine(test::food(101, 5, "Milk, whole, 3.25% fat, with vitamin", 100, {120, 8, 5})),
        withoutIsoleucine(test::food(102, 10, "Apples, raw, with skin, sliced, 1 cup", 100, {50, 0.5f, 0.2f})),
    }};

    // Calories against an RDA of 2000, protein against an ODA of 40, no
    // other targets.
    NutrientRecord targets() const {
        NutrientRecord t;
        t.setValue(0, 2000);
        t.setLevel(0, 2);
        t.setValue(1, 40);
        t.setLevel(1, 1);
        return t;
    }

    void fill(FoodList& list) {
        ASSERT_TRUE(list.addFood(tree.entry(101), kUnitServings));
        ASSERT_TRUE(list.addFood(tree.entry(102), kUnitServings));
        ASSERT_TRUE(list.setCurrentAmount(2.5f, kUnitServings));
    }
};

// Hand-picked rows of the totals: the padding of names, values and units,
// a target of each kind, no target, and a nutrient no food gives.
const std::vector<std::pair<int, std::string>> kPickedRows = {
    {0, "Calories        \t 245.00__cal   \t 12% RDA"},   {1, "Protein         \t   9.25__gm    \t 23% ODA"},
    {2, "Total Fat       \t   5.50__gm    \t    N / A"},  {11, "Vit. B12        \t   0.00__mcg   \t    N / A"},
    {37, "Threonine       \t   0.00__gm    \t    N / A"}, {38, "Isoleucine      \tN / A"},
};

// The lines of a text, each of which must end in CR LF.
std::vector<std::string> crlfSplit(const std::string& text) {
    std::vector<std::string> out;
    for (std::size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1) {
        EXPECT_TRUE(end > at && text[end - 1] == '\r') << "line " << out.size();
        out.push_back(text.substr(at, end > at ? end - at - 1 : 0));
    }
    EXPECT_EQ(text.back(), '\n');
    return out;
}

void expectTotals(const std::vector<std::string>& lines, std::size_t first) {
    ASSERT_GE(lines.size(), first + kNutrientCount);
    for (const auto& [n, row] : kPickedRows) EXPECT_EQ(lines[first + std::size_t(n)], row) << n;
    for (int n = 0; n < kNutrientCount; ++n) {
        std::string name(nutrientName(n));
        name.resize(16, ' ');
        EXPECT_EQ(lines[first + std::size_t(n)].substr(0, 17), name + '\t') << n;
    }
}

TEST_F(TextExportTest, FoodListReportIsExactToTheByte) {
    FoodList list(&tree.db, "01/02/99");
    fill(list);
    list.setPath("/data/kvflist/lunch.fls");

    const std::string text = textReport(list, targets());
    const std::vector<std::string> lines = crlfSplit(text);
    const std::vector<std::string> head = {
        "Food  List  :  lunch.fls",
        "      DATE  :  01/02/99",
        "Num. Foods  :  2",
        "Food #1 : Milk, whole, 3.25% fat, with vitamin\t  1.0 servings",
        "Food #2 : Apples, raw, with skin, sliced, 1 cup\t  2.5 servings",
        "",
        "NUTRIENT  TOTALS  :",
        "",
        "\t\t\t\t\tAbs. Values\t\t%ODA/RDA",
        "",
    };
    ASSERT_EQ(lines.size(), head.size() + kNutrientCount);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 10), head);
    expectTotals(lines, head.size());

    const auto file = tree.paths().foodListDir() / "lunch.txt";
    ASSERT_TRUE(writeTextReport(file, list, targets(), platform));
    EXPECT_EQ(test::fileBytes(file), std::vector<std::uint8_t>(text.begin(), text.end()));
}

TEST_F(TextExportTest, RecipeReportAddsItsIdServingAndInstructions) {
    FoodList recipe(&tree.db, "03/04/05");
    recipe.setListType(FoodList::kRecipe);
    fill(recipe);
    recipe.recipe().setName("Mom's Soup 2");
    recipe.setRecipeFoodId(29003);
    recipe.recipe().setServingDescription("one bowl");
    recipe.recipe().setInstructions({"Warm the milk.", "Serve."});

    const std::vector<std::string> lines = crlfSplit(textReport(recipe, targets()));
    const std::vector<std::string> head = {"RECIPE      :  Mom's Soup 2", "      DATE  :  03/04/05",
                                           "Num. Foods  :  2"};
    const std::vector<std::string> tail = {"USDA Number = 29003", "Serving Desc : one bowl", "",      "",
                                           "INSTRUCTIONS : ",     "Warm the milk.",          "Serve."};
    ASSERT_EQ(lines.size(), 10 + kNutrientCount + tail.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 3), head);
    expectTotals(lines, 10); // the whole recipe's totals
    EXPECT_EQ(std::vector<std::string>(lines.end() - long(tail.size()), lines.end()), tail);
}

TEST_F(TextExportTest, ProposedNames) {
    FoodList list, recipe;
    recipe.setListType(FoodList::kRecipe);
    for (auto [path, name] : {std::pair{"fl0012.fls", "fl0012.txt"},
                              {"C:\\kvflist\\breakfast.day.fls", "breakfas.txt"},
                              {"/home/u/kvflist/a.b.fls", "a.txt"}}) {
        list.setPath(path);
        EXPECT_EQ(proposedTextName(list), name);
    }
    // Letters above 127 are kept.
    for (auto [title, name] : {std::pair{"Mom's Soup 2", "MomsSoup.txt"},
                               {"Tea (hot)", "Teahot.txt"},
                               {"Cr\xe8me br\xfbl\xe9\x65", "Cr\xe8mebr\xfb.txt"}}) {
        recipe.recipe().setName(title);
        EXPECT_EQ(proposedTextName(recipe), name);
    }
}

} // namespace
} // namespace korva
