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

TEST(NutrientCatalogue, EveryNutrientIsNamedOnceInItsGroupsRange) {
    const std::set<std::string_view> units{"__cal", "__gm", "__mg", "__mcg", "__IU"};
    std::set<std::string_view> names, abbreviations;
    for (int i = 0; i < kNutrientCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(names.insert(nutrientName(i)).second);
        EXPECT_TRUE(abbreviations.insert(nutrientAbbreviation(i)).second);
        EXPECT_TRUE(units.count(nutrientUnit(i)));
        const NutrientGroup g = nutrientGroup(i);
        EXPECT_GE(i, firstNutrientOf(g));
        EXPECT_LT(i, firstNutrientOf(g) + nutrientCountOf(g));
        if (i >= kFirstAminoAcid) {
            EXPECT_EQ(aminoAcidName(i - kFirstAminoAcid), nutrientName(i));
            EXPECT_EQ(aminoAcidAbbreviation(i - kFirstAminoAcid), nutrientAbbreviation(i));
            EXPECT_EQ(aminoAcidUnit(i - kFirstAminoAcid), nutrientUnit(i));
        }
    }
    // Rows every data file and screen rely on, one from each group and the ends.
    const struct {
        int i;
        const char *name, *abbreviation, *unit;
    } rows[] = {{0, "Calories", "Cal.", "__cal"},
                {3, "Sat. Fat", "S.Fat", "__gm"},
                {9, "Vit. A", "Vit.A", "__IU"},
                {11, "Vit. B12", "Vit.B12", "__mcg"},
                {38, "Isoleucine", "Isol.", "__gm"}};
    for (const auto& r : rows) {
        EXPECT_EQ(nutrientName(r.i), r.name);
        EXPECT_EQ(nutrientAbbreviation(r.i), r.abbreviation);
        EXPECT_EQ(nutrientUnit(r.i), r.unit);
    }
}

TEST(NutrientCatalogue, CategoriesAndKeyLines) {
    std::set<std::string_view> categories;
    for (int c = 0; c < kCategoryCount; ++c) EXPECT_TRUE(categories.insert(categoryName(c)).second) << c;
    EXPECT_EQ(categoryName(kRecipeCategory), "Recipes");

    // Group headings start their block; every other line is "\t<key>\t:  <name>".
    auto checkLines = [](const auto& lines, std::initializer_list<NutrientGroup> groups) {
        std::size_t headings = 0;
        for (const std::string_view line : lines) {
            bool heading = false;
            for (NutrientGroup g : groups) heading = heading || line == groupHeading(g);
            headings += heading;
            if (!heading) {
                EXPECT_EQ(line.front(), '\t') << line;
                EXPECT_NE(line.find("\t:  "), std::string_view::npos) << line;
            }
        }
        EXPECT_EQ(headings, groups.size());
        EXPECT_EQ(lines.front(), groupHeading(*groups.begin()));
    };
    using enum NutrientGroup;
    checkLines(standardKeyLines(), {overall, vitamins, minerals});
    checkLines(aminoKeyLines(), {aminoAcids});
    EXPECT_EQ(standardKeyLines()[26], "\tPh   \t:  Phosphorous");
    EXPECT_EQ(aminoKeyLines()[10], "\tIso  \t:  Isoleucine");
}

TEST(NutrientCatalogue, OutOfRangeLookupsAnswerEmpty) {
    for (int bad : {-1, kNutrientCount, std::numeric_limits<int>::min()})
        EXPECT_TRUE(nutrientName(bad).empty() && nutrientUnit(bad).empty() && nutrientAbbreviation(bad).empty());
    EXPECT_TRUE(aminoAcidName(kAminoAcidCount).empty());
    EXPECT_TRUE(categoryName(-1).empty());
    EXPECT_TRUE(categoryName(kCategoryCount).empty());
}

TEST(NearestInteger, OnlyAboveOneHalfRoundsUpNegativesTruncateExtremesClamp) {
    constexpr long kMax = std::numeric_limits<long>::max(), kMin = std::numeric_limits<long>::min();
    const double inf = std::numeric_limits<double>::infinity();
    // clang-format off
    const std::pair<double, long> table[] = {
        {2.5, 2},     {2.51, 3},       {2.4999, 2},       {0.5000001, 1}, {99.99, 100},  {-2.9, -2},      {-0.7, 0},
        {-3.0, -3},   {std::nan(""), 0}, {inf, kMax},     {-inf, kMin},   {1e300, kMax}, {3.4e38f, kMax},
        {1e15 + 0.75, 1000000000000001L}};
    // clang-format on
    for (const auto& [in, out] : table) EXPECT_EQ(nearestInteger(in), out) << in;
}

TEST(ValueTexts, PrecisionFollowsTheMagnitudeAndTheTextIsCutToSeven) {
    const std::pair<float, const char*> table[] = {{0.0f, " 0.000"},       {12.3456f, "12.346"}, {99.9996f, "100.000"},
                                                   {100.0f, "100.00"},     {999.99f, "999.99"},  {1234.56f, "1234.6"},
                                                   {123456.0f, "123456."}, {-5.0f, "-5.000"}};
    for (const auto& [in, text] : table) EXPECT_EQ(valueText(in), text) << in;
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
    for (const auto& t : table) EXPECT_EQ(percentText(t.value, targetsWith(3, t.level, t.target), 3), t.text);
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
