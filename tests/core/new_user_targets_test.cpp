#include "core/new_user_targets.h"

#include <gtest/gtest.h>

namespace korva {
namespace {

NutrientRecord labelValues() {
    NutrientRecord r;
    for (int i = 0; i < kNutrientCount; ++i) {
        r.setValue(i, 1000.0f + float(i));
        r.setLevel(i, 2);
    }
    return r;
}

TEST(NewUserTargets, FoodLabelTypeIsTheDefaultProfile) {
    NewUserAnswers a;
    a.type = NewUserAnswers::foodLabel;
    a.sex = NewUserAnswers::male;
    EXPECT_EQ(newUserTargets(a, labelValues()), labelValues());
}

TEST(NewUserTargets, MediumWomanWithThirtyPercentFat) {
    NewUserAnswers a;  // 20 - 50, 5 ft 4 in to 5 ft 9 in, female, medium, type 2
    NutrientRecord r = newUserTargets(a, labelValues());
    EXPECT_FLOAT_EQ(r.value(0), 2000.0f);
    EXPECT_NEAR(r.value(2), 66.6667f, 1e-3);
    EXPECT_FLOAT_EQ(r.value(1), 50.0f);
    // 2000 kcal less 200 from protein and 600 from fat leaves 1200 kcal of
    // carbohydrate at 4 kcal a gram.
    EXPECT_NEAR(r.value(6), 300.0f, 1e-3);
    EXPECT_FLOAT_EQ(r.value(21), 15.0f);
    EXPECT_FLOAT_EQ(r.value(15), 180.0f);
    EXPECT_FLOAT_EQ(r.value(19), 1200.0f);
    EXPECT_FLOAT_EQ(r.value(24), r.value(19));
    EXPECT_FLOAT_EQ(r.value(3), 0.2f * r.value(2));
}

TEST(NewUserTargets, SmallOlderShortManWithTwentyPercentFat) {
    NewUserAnswers a;
    a.height = NewUserAnswers::below5ft4;
    a.age = NewUserAnswers::above51;
    a.sex = NewUserAnswers::male;
    a.frame = NewUserAnswers::small;
    a.type = NewUserAnswers::customOda20;
    NutrientRecord r = newUserTargets(a, labelValues());
    EXPECT_FLOAT_EQ(r.value(0), 1960.0f);  // not scaled by the frame
    EXPECT_NEAR(r.value(2), 43.5556f, 1e-3);
    EXPECT_NEAR(r.value(1), 57.33f, 1e-3);
    EXPECT_FLOAT_EQ(r.value(19), 800.0f * 0.91f);
    EXPECT_FLOAT_EQ(r.value(15), 200.0f * 0.91f);
    const float p = 63.0f * 0.91f, f = 1960.0f * 0.2f / 9.0f;
    EXPECT_FLOAT_EQ(r.value(6), (1960.0f - (4.0f * p + 9.0f * f)) * 0.91f / 4.0f);
}

TEST(NewUserTargets, LevelsAndAminoAcidsWhateverTheAnswers) {
    NewUserAnswers a;
    a.frame = NewUserAnswers::large;
    a.height = 7;  // out of range: taken as the nearest answer, above 5 ft 9 in
    NutrientRecord r = newUserTargets(a, labelValues());
    EXPECT_FLOAT_EQ(r.value(0), 2480.0f);
    // Protein, carbohydrates and vitamins and minerals are RDA; the rest ODA.
    for (int i = 0; i < kFirstAminoAcid; ++i)
        EXPECT_EQ(r.level(i), (i == 1 || i == 6 || i >= 9) ? 2 : 1) << i;
    for (int i = kFirstAminoAcid; i < kNutrientCount; ++i) {
        EXPECT_GT(r.value(i), 0.0f) << i;
        EXPECT_EQ(r.level(i), 1) << i;
    }
}

// The two far corners of the table: a swapped axis lands elsewhere.
TEST(NewUserTargets, CaloriesTableCorners) {
    NewUserAnswers a;
    a.sex = NewUserAnswers::male;
    a.age = NewUserAnswers::age15to20;
    a.height = NewUserAnswers::above5ft9;
    a.frame = NewUserAnswers::large;
    EXPECT_FLOAT_EQ(newUserCalories(a), 3420.0f);
    a.sex = NewUserAnswers::female;
    a.age = NewUserAnswers::above51;
    a.height = NewUserAnswers::below5ft4;
    a.frame = NewUserAnswers::small;
    EXPECT_FLOAT_EQ(newUserCalories(a), 1450.0f);
}

} // namespace
} // namespace korva
