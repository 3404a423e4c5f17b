#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
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

std::array<float, kNutrientCount> valuesWith(int i, float v) {
    std::array<float, kNutrientCount> a{};
    a[std::size_t(i)] = v;
    return a;
}

// ---- Catalogue ------------------------------------------------------------

TEST(NutrientCatalogue, OrderMatchesTheFileLayoutAtTheGroupBoundaries) {
    EXPECT_EQ(nutrientName(0), "Calories");
    EXPECT_EQ(nutrientUnit(0), "__cal");
    EXPECT_EQ(nutrientName(8), "Cholesterol");
    EXPECT_EQ(nutrientName(9), "Vit. A");
    EXPECT_EQ(nutrientUnit(9), "__IU");
    EXPECT_EQ(nutrientName(18), "Panto. Acid");
    EXPECT_EQ(nutrientName(19), "Calcium");
    EXPECT_EQ(nutrientName(28), "Zinc");
    EXPECT_EQ(nutrientName(29), "Tyrosine");
    EXPECT_EQ(nutrientName(38), "Isoleucine");
    EXPECT_EQ(nutrientAbbreviation(11), "Vit.B12");
    EXPECT_EQ(nutrientUnit(11), "__mcg");
    EXPECT_EQ(nutrientAbbreviation(31), "Phenyl.");
}

TEST(NutrientCatalogue, EveryNutrientHasDistinctNameAndAKnownUnit) {
    const std::set<std::string_view> units = {"__cal", "__gm", "__mg", "__mcg", "__IU"};
    std::set<std::string_view> names;
    for (int i = 0; i < kNutrientCount; ++i) {
        EXPECT_FALSE(nutrientName(i).empty()) << i;
        EXPECT_FALSE(nutrientAbbreviation(i).empty()) << i;
        EXPECT_TRUE(units.count(nutrientUnit(i))) << i;
        names.insert(nutrientName(i));
    }
    EXPECT_EQ(names.size(), std::size_t(kNutrientCount));
}

TEST(NutrientCatalogue, GroupsCoverTheCatalogueInOrderWithoutGaps) {
    int next = 0;
    for (NutrientGroup g : {NutrientGroup::overall, NutrientGroup::vitamins, NutrientGroup::minerals,
                            NutrientGroup::aminoAcids}) {
        EXPECT_EQ(firstNutrientOf(g), next);
        for (int i = next; i < next + nutrientCountOf(g); ++i) EXPECT_EQ(nutrientGroup(i), g) << i;
        next += nutrientCountOf(g);
    }
    EXPECT_EQ(next, kNutrientCount);
    EXPECT_EQ(firstNutrientOf(NutrientGroup::aminoAcids), kStandardNutrientCount);
    EXPECT_EQ(groupHeading(NutrientGroup::overall), "OVERALL  NUTRIENT  VALUES");
    EXPECT_EQ(groupHeading(NutrientGroup::aminoAcids), "AMINO  ACIDS");
    EXPECT_EQ(groupEditorLabel(NutrientGroup::aminoAcids), "Amino Ac&ids");
}

TEST(NutrientCatalogue, AminoAcidPositionsAddressTheLastTen) {
    for (int k = 0; k < kAminoAcidCount; ++k) {
        EXPECT_EQ(aminoAcidNutrient(k), 29 + k);
        EXPECT_EQ(aminoAcidName(k), nutrientName(29 + k));
        EXPECT_EQ(aminoAcidUnit(k), "__gm");
        EXPECT_EQ(aminoAcidAbbreviation(k), nutrientAbbreviation(29 + k));
    }
    EXPECT_EQ(aminoAcidName(0), "Tyrosine");
}

TEST(NutrientCatalogue, OutOfRangeLookupsAnswerEmpty) {
    for (int bad : {-1, kNutrientCount, 1000, std::numeric_limits<int>::min()}) {
        EXPECT_TRUE(nutrientName(bad).empty());
        EXPECT_TRUE(nutrientUnit(bad).empty());
        EXPECT_TRUE(nutrientAbbreviation(bad).empty());
    }
    EXPECT_TRUE(aminoAcidName(-1).empty());
    EXPECT_TRUE(aminoAcidName(kAminoAcidCount).empty());
    EXPECT_TRUE(categoryName(-1).empty());
    EXPECT_TRUE(categoryName(kCategoryCount).empty());
}

TEST(CategoryCatalogue, NamesInOrderWithRecipesLast) {
    EXPECT_EQ(categoryName(0), "Beverages");
    EXPECT_EQ(categoryName(7), "Dressings and Spreads");
    EXPECT_EQ(categoryName(12), "Herbs and Seaweed");
    EXPECT_EQ(categoryName(20), "Sauces and Condiments");
    EXPECT_EQ(categoryName(22), "Vegetables");
    EXPECT_EQ(categoryName(kRecipeCategory), "Recipes");
    std::set<std::string_view> names;
    for (int c = 0; c < kCategoryCount; ++c) names.insert(categoryName(c));
    EXPECT_EQ(names.size(), std::size_t(kCategoryCount));
}

TEST(NutrientKey, StandardKeySkipsTotalFatAndPutsFiberBeforeCarbohydrates) {
    const auto& key = standardKeyLines();
    ASSERT_EQ(key.size(), 31u);
    EXPECT_EQ(key[0], "OVERALL  NUTRIENT  VALUES");
    EXPECT_EQ(key[6], "\tFi   \t:  Fiber");
    EXPECT_EQ(key[7], "\tCar  \t:  Carbohydrates");
    EXPECT_EQ(key[9], "VITAMINS");
    EXPECT_EQ(key[20], "MINERALS");
    EXPECT_EQ(key[26], "\tPh   \t:  Phosphorous");
    EXPECT_EQ(key[30], "\tZn   \t:  Zinc");
    for (std::string_view line : key) EXPECT_EQ(line.find("Total"), std::string_view::npos) << line;

    const auto& amino = aminoKeyLines();
    ASSERT_EQ(amino.size(), 11u);
    EXPECT_EQ(amino[0], "AMINO  ACIDS");
    EXPECT_EQ(amino[1], "\tTy   \t:  Tyrosine");
    EXPECT_EQ(amino[10], "\tIso  \t:  Isoleucine");
}

// ---- nearestInteger -------------------------------------------------------

TEST(NearestInteger, OnlyAFractionAboveOneHalfRoundsUp) {
    EXPECT_EQ(nearestInteger(2.5), 2);
    EXPECT_EQ(nearestInteger(2.51), 3);
    EXPECT_EQ(nearestInteger(2.4999), 2);
    EXPECT_EQ(nearestInteger(0.0), 0);
    EXPECT_EQ(nearestInteger(0.5000001), 1);
    EXPECT_EQ(nearestInteger(99.99), 100);
}

TEST(NearestInteger, NegativesTruncate) {
    EXPECT_EQ(nearestInteger(-2.9), -2);
    EXPECT_EQ(nearestInteger(-0.7), 0);
    EXPECT_EQ(nearestInteger(-3.0), -3);
}

TEST(NearestInteger, NonNumbersAndHugeValuesStayInRange) {
    EXPECT_EQ(nearestInteger(std::nan("")), 0);
    EXPECT_EQ(nearestInteger(std::numeric_limits<double>::infinity()), std::numeric_limits<long>::max());
    EXPECT_EQ(nearestInteger(-std::numeric_limits<double>::infinity()), std::numeric_limits<long>::min());
    EXPECT_EQ(nearestInteger(1e300), std::numeric_limits<long>::max());
    EXPECT_EQ(nearestInteger(3.4e38f), std::numeric_limits<long>::max());
    EXPECT_EQ(nearestInteger(1e15 + 0.75), 1000000000000001L);
}

// ---- Value texts ----------------------------------------------------------

TEST(ValueTexts, PrecisionFollowsTheMagnitudeAndTheTextIsCutToSeven) {
    EXPECT_EQ(valueText(0.0f), " 0.000");
    EXPECT_EQ(valueText(12.3456f), "12.346");
    EXPECT_EQ(valueText(99.9996f), "100.000"); // still below 100, seven characters survive
    EXPECT_EQ(valueText(100.0f), "100.00");
    EXPECT_EQ(valueText(999.99f), "999.99");
    EXPECT_EQ(valueText(1234.56f), "1234.6");
    EXPECT_EQ(valueText(123456.0f), "123456.");
    EXPECT_EQ(valueText(3.4e38f).size(), 7u);
    EXPECT_EQ(valueText(-5.0f), "-5.000");
}

TEST(ValueTexts, AminoAcidsAlwaysShowThreeDecimalsCutToSeven) {
    EXPECT_EQ(aminoValueText(1234.5f), "1234.50");
    EXPECT_EQ(aminoValueText(0.25f), " 0.250");
    EXPECT_EQ(aminoValueText(150.0f), "150.000");
}

TEST(ValueTexts, EachOperationFillsOnlyItsOwnRange) {
    NutrientRecord r;
    r.setValue(0, 250.0f);
    r.setLevel(0, 1);
    r.setValue(1, 7.0f); // level 0: not available whatever its value
    r.setValue(29, 1.5f);
    r.setLevel(29, 3);

    const NutrientTexts standard = formatValueTexts(r);
    EXPECT_EQ(standard[0], "250.00");
    EXPECT_EQ(standard[1], " N  /  A ");
    EXPECT_EQ(standard[29], "  0.000   ");
    EXPECT_EQ(standard[38], "  0.000   ");

    const NutrientTexts amino = formatAminoValueTexts(r);
    EXPECT_EQ(amino[0], "  0.000   ");
    EXPECT_EQ(amino[29], " 1.500");
    EXPECT_EQ(amino[30], " N  /  A ");

    const NutrientTexts all = formatAllValueTexts(r);
    EXPECT_EQ(all[0], standard[0]);
    EXPECT_EQ(all[29], amino[29]);
    NutrientTexts merged = initialValueTexts();
    formatValueTexts(r, merged);
    formatAminoValueTexts(r, merged);
    EXPECT_EQ(merged, all);
}

// ---- Percent texts --------------------------------------------------------

TEST(PercentTexts, ShareOfTheTargetWithItsKind) {
    EXPECT_EQ(percentText(50.0f, targetsWith(3, 1, 200.0f), 3), " 25% ODA");
    EXPECT_EQ(percentText(33.333f, targetsWith(3, 2, 100.0f), 3), " 33% RDA");
    EXPECT_EQ(percentText(5.0f, targetsWith(0, 2, 200.0f), 0), "  2% RDA");  // 2.5 % rounds down
    EXPECT_EQ(percentText(2.51f, targetsWith(0, 2, 100.0f), 0), "  3% RDA"); // 2.51 % rounds up
    EXPECT_EQ(percentText(2500.0f, targetsWith(0, 1, 2.0f), 0), "125000% ODA");
}

TEST(PercentTexts, NoTargetZeroTargetAndUnknownLevels) {
    EXPECT_EQ(percentText(1e6f, targetsWith(5, 0, 100.0f), 5), "    N / A");
    EXPECT_EQ(percentText(10.0f, targetsWith(5, 1, 0.0f), 5), "    N / A");
    EXPECT_EQ(percentText(0.0f, targetsWith(5, 2, 0.0f), 5), "    N / A");
    EXPECT_EQ(percentText(10.0f, targetsWith(5, 2, std::nanf("")), 5), "    N / A");
    EXPECT_FALSE(percentText(10.0f, targetsWith(5, 7, 100.0f), 5).has_value());
    EXPECT_FALSE(percentText(10.0f, targetsWith(5, 2, 100.0f), kNutrientCount).has_value());
    EXPECT_EQ(percentOfTarget(1.0f, 0.0f), std::nullopt);
    EXPECT_EQ(percentOfTarget(std::numeric_limits<float>::infinity(), 5.0f), std::nullopt);
    EXPECT_EQ(percentOfTarget(3.4e38f, 1e-30f), std::nullopt); // overflows to infinity
}

TEST(PercentTexts, TablesFillTheirRangeAndKeepSlotsOfUnknownLevels) {
    NutrientRecord targets;
    for (int i = 0; i < kNutrientCount; ++i) {
        targets.setValue(i, 10.0f);
        targets.setLevel(i, 2);
    }
    targets.setLevel(4, 0);
    targets.setLevel(6, 9);
    targets.setLevel(30, 1);
    targets.setValue(31, 0.0f);
    std::array<float, kNutrientCount> values{};
    for (int i = 0; i < kNutrientCount; ++i) values[std::size_t(i)] = float(i);

    const NutrientTexts standard = formatPercentTexts(values, targets);
    EXPECT_EQ(standard[1], " 10% RDA");
    EXPECT_EQ(standard[4], "    N / A");
    EXPECT_EQ(standard[6], "  000      ");
    EXPECT_EQ(standard[28], "280% RDA");
    EXPECT_EQ(standard[29], "  000      ");

    NutrientTexts kept = initialPercentTexts();
    kept[6] = "earlier";
    formatPercentTexts(values, targets, kept);
    EXPECT_EQ(kept[6], "earlier");

    const NutrientTexts amino = formatAminoPercentTexts(values, targets);
    EXPECT_EQ(amino[28], "  000      ");
    EXPECT_EQ(amino[29], "290% RDA");
    EXPECT_EQ(amino[30], "300% ODA");
    EXPECT_EQ(amino[31], "    N / A");

    const NutrientTexts all = formatAllPercentTexts(values, targets);
    EXPECT_EQ(all[1], standard[1]);
    EXPECT_EQ(all[30], amino[30]);
}

TEST(PercentTexts, TheValuesOwnAvailabilityIsNotConsulted) {
    NutrientRecord food; // every level 0
    food.setValue(2, 20.0f);
    EXPECT_EQ(formatPercentTexts(food.values, targetsWith(2, 1, 40.0f))[2], " 50% ODA");
    EXPECT_EQ(formatPercentTexts(valuesWith(2, 0.0f), targetsWith(2, 1, 40.0f))[2], "  0% ODA");
}

TEST(TargetLabels, OdaForLevelOneAndRdaOtherwise) {
    NutrientRecord profile;
    profile.setLevel(0, 1);
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
