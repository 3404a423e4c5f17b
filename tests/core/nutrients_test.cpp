#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/nutrients.h"

namespace korva {
namespace {

NutrientRecord targetsWith(int i, int level, float value) {
    NutrientRecord r;
    r.setLevel(i, level);
    r.setValue(i, value);
    return r;
}

// ---- Catalogue ------------------------------------------------------------

// The whole vocabulary, as every data file and every screen uses it.
TEST(NutrientCatalogue, TablesAreExactlyTheProgramsVocabulary) {
    using enum NutrientGroup;
    const struct {
        const char *name, *abbreviation, *unit;
        NutrientGroup group;
    } nutrients[] = {
        // clang-format off
        {"Calories", "Cal.", "__cal", overall},
        {"Protein", "Pro.", "__gm", overall},
        {"Total Fat", "T.Fat", "__gm", overall},
        {"Sat. Fat", "S.Fat", "__gm", overall},
        {"Mono. Fat", "M.Fat", "__gm", overall},
        {"Poly. Fat", "P.Fat", "__gm", overall},
        {"Carbohydrate", "Carb.", "__gm", overall},
        {"Fiber", "Fiber", "__gm", overall},
        {"Cholesterol", "Chol.", "__mg", overall},
        {"Vit. A", "Vit.A", "__IU", vitamins},
        {"Vit. B6", "Vit.B6", "__mg", vitamins},
        {"Vit. B12", "Vit.B12", "__mcg", vitamins},
        {"Vit. C", "Vit.C", "__mg", vitamins},
        {"Vit. E", "Vit.E", "__mg", vitamins},
        {"Thiamine", "Thia.", "__mg", vitamins},
        {"Folacin", "Fola.", "__mcg", vitamins},
        {"Riboflavin", "Ribo.", "__mg", vitamins},
        {"Niacin", "Niac.", "__mg", vitamins},
        {"Panto. Acid", "Panto.", "__mg", vitamins},
        {"Calcium", "Calc.", "__mg", minerals},
        {"Copper", "Copper", "__mg", minerals},
        {"Iron", "Iron", "__mg", minerals},
        {"Magnesium", "Magn.", "__mg", minerals},
        {"Manganese", "Mang.", "__mg", minerals},
        {"Phosphorus", "Phos.", "__mg", minerals},
        {"Potassium", "Pota.", "__mg", minerals},
        {"Selenium", "Sele.", "__mcg", minerals},
        {"Sodium", "Sodi.", "__mg", minerals},
        {"Zinc", "Zinc", "__mg", minerals},
        {"Tyrosine", "Tyro.", "__gm", aminoAcids},
        {"Lysine", "Lysi.", "__gm", aminoAcids},
        {"Phenylalanine", "Phenyl.", "__gm", aminoAcids},
        {"Leucine", "Leuc.", "__gm", aminoAcids},
        {"Valine", "Val.", "__gm", aminoAcids},
        {"Methionine", "Methi.", "__gm", aminoAcids},
        {"Cystine", "Cyst.", "__gm", aminoAcids},
        {"Tryptophan", "Tryp.", "__gm", aminoAcids},
        {"Threonine", "Threo.", "__gm", aminoAcids},
        // clang-format on
        {"Isoleucine", "Isol.", "__gm", aminoAcids},
    };
    static_assert(std::size(nutrients) == kNutrientCount);
    for (int i = 0; i < kNutrientCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(nutrientName(i), nutrients[i].name);
        EXPECT_EQ(nutrientAbbreviation(i), nutrients[i].abbreviation);
        EXPECT_EQ(nutrientUnit(i), nutrients[i].unit);
        EXPECT_EQ(nutrientGroup(i), nutrients[i].group);
        EXPECT_GE(i, firstNutrientOf(nutrients[i].group));
        EXPECT_LT(i, firstNutrientOf(nutrients[i].group) + nutrientCountOf(nutrients[i].group));
        if (i >= kFirstAminoAcid) {
            EXPECT_EQ(aminoAcidName(i - kFirstAminoAcid), nutrients[i].name);
            EXPECT_EQ(aminoAcidAbbreviation(i - kFirstAminoAcid), nutrients[i].abbreviation);
            EXPECT_EQ(aminoAcidUnit(i - kFirstAminoAcid), nutrients[i].unit);
        }
    }
    const char* categories[] = {"Beverages",
                                "Bread and Crackers",
                                "Candies and Snacks",
                                "Cereals",
                                "Cheese",
                                "Dairy",
                                "Desserts",
                                "Dressings and Spreads",
                                "Eggs",
                                "Fish",
                                "Fruits",
                                "Grains",
                                "Herbs and Seaweed",
                                "Legumes",
                                "Meat",
                                "Meat Substitutes",
                                "Nuts",
                                "Oils",
                                "Packaged Entrees",
                                "Poultry",
                                "Sauces and Condiments",
                                "Soups",
                                "Vegetables",
                                "Recipes"};
    static_assert(std::size(categories) == kCategoryCount);
    for (int c = 0; c < kCategoryCount; ++c) EXPECT_EQ(categoryName(c), categories[c]) << c;
    EXPECT_EQ(categoryName(kRecipeCategory), "Recipes");

    const char* standardKey[] = {"OVERALL  NUTRIENT  VALUES",
                                 "\tCal  \t:  Calories",
                                 "\tPro  \t:  Protein",
                                 "\tS.Fat  \t:  Saturated Fat",
                                 "\tM.Fat  \t:  Monounsaturated Fat",
                                 "\tP.Fat  \t:  Polyunsaturated Fat",
                                 "\tFi   \t:  Fiber",
                                 "\tCar  \t:  Carbohydrates",
                                 "\tCho  \t:  Cholesterol",
                                 "VITAMINS",
                                 "\tA    \t:  Vitamin A",
                                 "\tB6   \t:  Vitamin B6",
                                 "\tB12  \t:  Vitamin B12",
                                 "\tC    \t:  Vitamin C",
                                 "\tE    \t:  Vitamin E",
                                 "\tTh   \t:  Thiamine",
                                 "\tF    \t:  Folacin",
                                 "\tRi   \t:  Riboflavin",
                                 "\tNi   \t:  Niacin",
                                 "\tPa   \t:  Pantothenic Acid",
                                 "MINERALS",
                                 "\tCa   \t:  Calcium",
                                 "\tCu   \t:  Copper",
                                 "\tFe   \t:  Iron",
                                 "\tMg   \t:  Magnesium",
                                 "\tMn   \t:  Manganese",
                                 "\tPh   \t:  Phosphorous",
                                 "\tK    \t:  Potassium",
                                 "\tSe   \t:  Selenium",
                                 "\tNa   \t:  Sodium",
                                 "\tZn   \t:  Zinc"};
    const char* aminoKey[] = {
        "AMINO  ACIDS",           "\tTy   \t:  Tyrosine",  "\tLy   \t:  Lysine",     "\tPh   \t:  Phenylalanine",
        "\tLe   \t:  Leucine",    "\tVa   \t:  Valine",    "\tMe   \t:  Methionine", "\tCy   \t:  Cystine",
        "\tTr   \t:  Tryptophan", "\tTh   \t:  Threonine", "\tIso  \t:  Isoleucine"};
    ASSERT_EQ(standardKeyLines().size(), std::size(standardKey));
    for (std::size_t k = 0; k < std::size(standardKey); ++k) EXPECT_EQ(standardKeyLines()[k], standardKey[k]) << k;
    ASSERT_EQ(aminoKeyLines().size(), std::size(aminoKey));
    for (std::size_t k = 0; k < std::size(aminoKey); ++k) EXPECT_EQ(aminoKeyLines()[k], aminoKey[k]) << k;
}

TEST(NutrientCatalogue, OutOfRangeLookupsAnswerEmpty) {
    for (int bad : {-1, kNutrientCount, std::numeric_limits<int>::min()})
        EXPECT_TRUE(nutrientName(bad).empty() && nutrientUnit(bad).empty() && nutrientAbbreviation(bad).empty());
    EXPECT_TRUE(aminoAcidName(kAminoAcidCount).empty());
    EXPECT_TRUE(categoryName(-1).empty());
    EXPECT_TRUE(categoryName(kCategoryCount).empty());
}

// ---- nearestInteger -------------------------------------------------------

TEST(NearestInteger, OnlyAboveOneHalfRoundsUpNegativesTruncateExtremesClamp) {
    constexpr long kMax = std::numeric_limits<long>::max(), kMin = std::numeric_limits<long>::min();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double in;
        long out;
        // clang-format off
    } table[] = {{2.5, 2},         {2.51, 3},     {2.4999, 2},   {0.5000001, 1}, {99.99, 100},
                 {-2.9, -2},       {-0.7, 0},     {-3.0, -3},    {std::nan(""), 0}, {inf, kMax},
                 {-inf, kMin},     {1e300, kMax}, {3.4e38f, kMax}, {1e15 + 0.75, 1000000000000001L}};
    // clang-format on
    for (const auto& t : table) {
        SCOPED_TRACE(t.in);
        EXPECT_EQ(nearestInteger(t.in), t.out);
    }
}

// ---- Value texts ----------------------------------------------------------

TEST(ValueTexts, PrecisionFollowsTheMagnitudeAndTheTextIsCutToSeven) {
    const struct {
        float in;
        const char* standard;
        // clang-format off
    } table[] = {{0.0f, " 0.000"},     {12.3456f, "12.346"},  {99.9996f, "100.000"}, {100.0f, "100.00"},
                 {999.99f, "999.99"},  {1234.56f, "1234.6"}, {123456.0f, "123456."}, {-5.0f, "-5.000"}};
    // clang-format on
    for (const auto& t : table) {
        SCOPED_TRACE(t.in);
        EXPECT_EQ(valueText(t.in), t.standard);
    }
    EXPECT_EQ(valueText(3.4e38f).size(), 7u);
    EXPECT_EQ(aminoValueText(1234.5f), "1234.50");
    EXPECT_EQ(aminoValueText(150.0f), "150.000");
}

TEST(ValueTexts, EachOperationFillsOnlyItsOwnRange) {
    NutrientRecord r = targetsWith(0, 1, 250.0f);
    r.setValue(1, 7.0f); // level 0: not available whatever its value
    r.setValue(29, 1.5f);
    r.setLevel(29, 3);
    const NutrientTexts standard = formatValueTexts(r), amino = formatAminoValueTexts(r);
    EXPECT_EQ(standard[0], "250.00");
    EXPECT_EQ(standard[1], " N  /  A ");
    EXPECT_EQ(standard[29], "  0.000   ");
    EXPECT_EQ(amino[0], "  0.000   ");
    EXPECT_EQ(amino[29], " 1.500");

    NutrientTexts merged = initialValueTexts();
    formatValueTexts(r, merged);
    formatAminoValueTexts(r, merged);
    EXPECT_EQ(merged, formatAllValueTexts(r));
}

// ---- Percent texts --------------------------------------------------------

TEST(PercentTexts, ShareOfTheTargetWithItsKindOrNotAvailable) {
    const struct {
        float value;
        int level;
        float target;
        const char* text;
    } table[] = {
        // clang-format off
        {50.0f, 1, 200.0f, " 25% ODA"},  {33.333f, 2, 100.0f, " 33% RDA"},
        {5.0f, 2, 200.0f, "  2% RDA"},   // 2.5 % rounds down
        {2.51f, 2, 100.0f, "  3% RDA"},  {2500.0f, 1, 2.0f, "125000% ODA"},
        {1e6f, 0, 100.0f, "    N / A"},  {10.0f, 1, 0.0f, "    N / A"},
        // clang-format on
        {10.0f, 2, std::nanf(""), "    N / A"},
    };
    for (const auto& t : table) {
        SCOPED_TRACE(t.text);
        EXPECT_EQ(percentText(t.value, targetsWith(3, t.level, t.target), 3), t.text);
    }
    EXPECT_FALSE(percentText(10.0f, targetsWith(5, 7, 100.0f), 5).has_value());
    EXPECT_FALSE(percentText(10.0f, targetsWith(5, 2, 100.0f), kNutrientCount).has_value());
    EXPECT_EQ(percentOfTarget(std::numeric_limits<float>::infinity(), 5.0f), std::nullopt);
    EXPECT_EQ(percentOfTarget(3.4e38f, 1e-30f), std::nullopt); // overflows to infinity
}

TEST(PercentTexts, TablesFillTheirRangeAndKeepSlotsOfUnknownLevels) {
    NutrientRecord targets;
    std::array<float, kNutrientCount> values{};
    for (int i = 0; i < kNutrientCount; ++i) {
        targets.setValue(i, 10.0f);
        targets.setLevel(i, 2);
        values[std::size_t(i)] = float(i);
    }
    targets.setLevel(4, 0);
    targets.setLevel(6, 9);
    targets.setLevel(30, 1);

    NutrientTexts standard = initialPercentTexts();
    standard[6] = "earlier";
    formatPercentTexts(values, targets, standard);
    EXPECT_EQ(standard[1], " 10% RDA");
    EXPECT_EQ(standard[4], "    N / A");
    EXPECT_EQ(standard[6], "earlier") << "an unknown level leaves its slot alone";
    EXPECT_EQ(standard[28], "280% RDA");
    EXPECT_EQ(standard[29], "  000      ");

    const NutrientTexts amino = formatAminoPercentTexts(values, targets);
    EXPECT_EQ(amino[28], "  000      ");
    EXPECT_EQ(amino[30], "300% ODA");
    const NutrientTexts all = formatAllPercentTexts(values, targets);
    EXPECT_EQ(all[1], standard[1]);
    EXPECT_EQ(all[30], amino[30]);

    // The food's own availability levels are not consulted.
    NutrientRecord food;
    food.setValue(2, 20.0f);
    EXPECT_EQ(formatPercentTexts(food.values, targetsWith(2, 1, 40.0f))[2], " 50% ODA");
}

TEST(TargetLabels, OdaForLevelOneAndRdaOtherwise) {
    NutrientRecord profile = targetsWith(0, 1, 0.0f);
    profile.setLevel(1, 2);
    profile.setLevel(38, 1);
    const NutrientTexts t = formatTargetLabels(profile);
    EXPECT_EQ(t[0], "100% ODA");
    EXPECT_EQ(t[1], "100% RDA");
    EXPECT_EQ(t[2], "100% RDA"); // level 0
    EXPECT_EQ(t[38], "100% ODA");
}

} // namespace
} // namespace korva
