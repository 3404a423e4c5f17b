#include "lists/text_export.h"

#include <gtest/gtest.h>

#include "lists/food_list.h"
#include "tests/support/data_tree.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

std::string crlfLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) out += l + "\r\n";
    return out;
}

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

const std::vector<std::string> kNutrientLines = {
    "Calories        \t 245.00__cal   \t 12% RDA",
    "Protein         \t   9.25__gm    \t 23% ODA",
    "Total Fat       \t   5.50__gm    \t    N / A",
    "Sat. Fat        \t   0.00__gm    \t    N / A",
    "Mono. Fat       \t   0.00__gm    \t    N / A",
    "Poly. Fat       \t   0.00__gm    \t    N / A",
    "Carbohydrate    \t   0.00__gm    \t    N / A",
    "Fiber           \t   0.00__gm    \t    N / A",
    "Cholesterol     \t   0.00__mg    \t    N / A",
    "Vit. A          \t   0.00__IU    \t    N / A",
    "Vit. B6         \t   0.00__mg    \t    N / A",
    "Vit. B12        \t   0.00__mcg   \t    N / A",
    "Vit. C          \t   0.00__mg    \t    N / A",
    "Vit. E          \t   0.00__mg    \t    N / A",
    "Thiamine        \t   0.00__mg    \t    N / A",
    "Folacin         \t   0.00__mcg   \t    N / A",
    "Riboflavin      \t   0.00__mg    \t    N / A",
    "Niacin          \t   0.00__mg    \t    N / A",
    "Panto. Acid     \t   0.00__mg    \t    N / A",
    "Calcium         \t   0.00__mg    \t    N / A",
    "Copper          \t   0.00__mg    \t    N / A",
    "Iron            \t   0.00__mg    \t    N / A",
    "Magnesium       \t   0.00__mg    \t    N / A",
    "Manganese       \t   0.00__mg    \t    N / A",
    "Phosphorus      \t   0.00__mg    \t    N / A",
    "Potassium       \t   0.00__mg    \t    N / A",
    "Selenium        \t   0.00__mcg   \t    N / A",
    "Sodium          \t   0.00__mg    \t    N / A",
    "Zinc            \t   0.00__mg    \t    N / A",
    "Tyrosine        \t   0.00__gm    \t    N / A",
    "Lysine          \t   0.00__gm    \t    N / A",
    "Phenylalanine   \t   0.00__gm    \t    N / A",
    "Leucine         \t   0.00__gm    \t    N / A",
    "Valine          \t   0.00__gm    \t    N / A",
    "Methionine      \t   0.00__gm    \t    N / A",
    "Cystine         \t   0.00__gm    \t    N / A",
    "Tryptophan      \t   0.00__gm    \t    N / A",
    "Threonine       \t   0.00__gm    \t    N / A",
    "Isoleucine      \tN / A",
};

TEST_F(TextExportTest, FoodListReportIsExactToTheByte) {
    FoodList list(&tree.db, "01/02/99");
    fill(list);
    list.setPath("/data/kvflist/lunch.fls");

    std::vector<std::string> lines = {
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
    lines.insert(lines.end(), kNutrientLines.begin(), kNutrientLines.end());
    EXPECT_EQ(textReport(list, targets()), crlfLines(lines));

    const auto file = tree.paths().foodListDir() / "lunch.txt";
    ASSERT_TRUE(writeTextReport(file, list, targets(), platform));
    const std::string written = crlfLines(lines);
    EXPECT_EQ(test::fileBytes(file), std::vector<std::uint8_t>(written.begin(), written.end()));
}

TEST_F(TextExportTest, RecipeReportAddsItsIdServingAndInstructions) {
    FoodList recipe(&tree.db, "03/04/05");
    recipe.setListType(FoodList::kRecipe);
    fill(recipe);
    recipe.recipe().setName("Mom's Soup 2");
    recipe.setRecipeFoodId(29003);
    recipe.recipe().setServingDescription("one bowl");
    recipe.recipe().setInstructions({"Warm the milk.", "Serve."});

    const std::string text = textReport(recipe, targets());
    const std::string head = crlfLines({"RECIPE      :  Mom's Soup 2", "      DATE  :  03/04/05", "Num. Foods  :  2"});
    const std::string tail =
        crlfLines({"Threonine       \t   0.00__gm    \t    N / A", "Isoleucine      \tN / A", "USDA Number = 29003",
                   "Serving Desc : one bowl", "", "", "INSTRUCTIONS : ", "Warm the milk.", "Serve."});
    EXPECT_EQ(text.substr(0, head.size()), head);
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    EXPECT_NE(text.find(crlfLines(kNutrientLines)), std::string::npos); // the whole recipe's totals
}

TEST_F(TextExportTest, ProposedNames) {
    FoodList list;
    list.setPath("fl0012.fls");
    EXPECT_EQ(proposedTextName(list), "fl0012.txt");
    list.setPath("C:\\kvflist\\breakfast.day.fls");
    EXPECT_EQ(proposedTextName(list), "breakfas.txt");
    list.setPath("/home/u/kvflist/a.b.fls");
    EXPECT_EQ(proposedTextName(list), "a.txt");

    FoodList recipe;
    recipe.setListType(FoodList::kRecipe);
    recipe.recipe().setName("Mom's Soup 2");
    EXPECT_EQ(proposedTextName(recipe), "MomsSoup.txt");
    recipe.recipe().setName("Tea (hot)");
    EXPECT_EQ(proposedTextName(recipe), "Teahot.txt");
    recipe.recipe().setName("Cr\xe8me br\xfbl\xe9\x65"); // letters above 127 are kept
    EXPECT_EQ(proposedTextName(recipe), "Cr\xe8mebr\xfb.txt");
}

} // namespace
} // namespace korva
