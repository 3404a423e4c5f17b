#include "core/new_user_targets.h"

#include <gtest/gtest.h>

namespace korva {
namespace {

using A = NewUserAnswers;

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
    a.type = A::foodLabel;
    a.sex = A::male;
    EXPECT_EQ(newUserTargets(a, labelValues()), labelValues());
}

NutrientRecord targetsOf(int height, int age, int sex, int frame, int type = A::customRda30) {
    return newUserTargets({height, age, sex, frame, type}, labelValues());
}

// Rows worked out on paper for a few answers, each picked where the answers
// change the result.
TEST(NewUserTargets, HandWorkedRows) {
    const NutrientRecord woman = targetsOf(A::from5ft4to5ft9, A::age20to50, A::female, A::medium);
    const NutrientRecord older = targetsOf(A::from5ft4to5ft9, A::above51, A::female, A::medium);
    const NutrientRecord boy = targetsOf(A::from5ft4to5ft9, A::age15to20, A::male, A::medium, A::customOda20);
    const struct {
        const NutrientRecord& r;
        int nutrient;
        float value;
    } rows[] = {{woman, 0, 2000},   {woman, 1, 50},  {woman, 2, 66.6667f}, {woman, 6, 300},  {woman, 15, 180},
                {woman, 19, 1200},  {woman, 21, 15}, {older, 0, 1750},     {older, 15, 400}, {older, 19, 800},
                {older, 24, 800},   {older, 21, 10}, {older, 14, 1.0f},    {boy, 0, 2900},   {boy, 1, 58},
                {boy, 2, 64.4444f}, {boy, 6, 522},   {boy, 9, 5000},       {boy, 14, 1.5f},  {boy, 28, 15}};
    for (const auto& row : rows) EXPECT_NEAR(row.r.value(row.nutrient), row.value, row.value * 2e-5f) << row.nutrient;
}

TEST(NewUserTargets, FatSplitsFrameScalesAndLevelsFollowTheKind) {
    for (int frame : {A::small, A::large}) {
        const float factor = frame == A::small ? 0.91f : 1.07f;
        const NutrientRecord r = targetsOf(A::below5ft4, A::above51, A::male, frame, A::customOda20);
        const NutrientRecord medium = targetsOf(A::below5ft4, A::above51, A::male, A::medium, A::customOda20);
        EXPECT_NEAR(r.value(2), r.value(0) * 0.2f / 9.0f, 1e-3f);
        EXPECT_NEAR(r.value(3) + r.value(4) + r.value(5), r.value(2), 1e-3f);
        EXPECT_NEAR(r.value(6), (r.value(0) - 4 * r.value(1) - 9 * r.value(2)) * factor / 4, 1e-2f);
        for (int i = 0; i < kNutrientCount; ++i) {
            SCOPED_TRACE(i);
            const bool oda = i == 0 || (i >= 2 && i <= 5) || i == 7 || i == 8 || i >= kFirstAminoAcid;
            EXPECT_EQ(r.level(i), oda ? 1 : 2);
            if (i == 1 || (i >= 9 && i < kFirstAminoAcid)) {
                EXPECT_NEAR(r.value(i), medium.value(i) * factor, medium.value(i) * 1e-5f);
            }
        }
        EXPECT_FLOAT_EQ(r.value(kFirstAminoAcid), 0.96f);
        EXPECT_FLOAT_EQ(r.value(kNutrientCount - 1), 0.72f);
    }
}

// The two far corners of the table (a swapped axis lands elsewhere), and an
// answer out of range taken as the nearest one.
TEST(NewUserTargets, CaloriesTableCornersAndOutOfRangeAnswers) {
    NewUserAnswers a{A::above5ft9, A::age15to20, A::male, A::large, A::customRda30};
    EXPECT_FLOAT_EQ(newUserCalories(a), 3420.0f);
    a = {A::below5ft4, A::above51, A::female, A::small, A::customRda30};
    EXPECT_FLOAT_EQ(newUserCalories(a), 1450.0f);
    a = {7, 9, 5, 3, 4};
    EXPECT_FLOAT_EQ(newUserTargets(a, labelValues()).value(0), 2160.0f);
}

} // namespace
} // namespace korva
