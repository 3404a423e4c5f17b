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

// Every target for five questionnaires, worked out on paper:
//  1  woman, 20 - 50, 5 ft 4 in to 5 ft 9 in, medium frame, 30 % fat
//  2  man above 51, below 5 ft 4 in, small frame (x 0.91), 20 % fat
//  3  woman, 15 - 20, above 5 ft 9 in, large frame (x 1.07), 30 % fat
//  4  man, 15 - 20, 5 ft 4 in to 5 ft 9 in, medium frame, 20 % fat
//  5  woman above 51, 5 ft 4 in to 5 ft 9 in, medium frame, 30 % fat
TEST(NewUserTargets, EveryTargetOfFiveQuestionnaires) {
    const NewUserAnswers asked[] = {
        {A::from5ft4to5ft9, A::age20to50, A::female, A::medium, A::customRda30},
        {A::below5ft4, A::above51, A::male, A::small, A::customOda20},
        {A::above5ft9, A::age15to20, A::female, A::large, A::customRda30},
        {A::from5ft4to5ft9, A::age15to20, A::male, A::medium, A::customOda20},
        {A::from5ft4to5ft9, A::above51, A::female, A::medium, A::customRda30},
    };
    const struct {
        int level;
        float value[5];
    } expected[kStandardNutrientCount] = {
        {1, {2000, 1960, 2480, 2900, 1750}},                     // calories
        {2, {50, 57.33f, 48.15f, 58, 50}},                       // protein
        {1, {66.6667f, 43.5556f, 82.6667f, 64.4444f, 58.3333f}}, // total fat
        {1, {13.3333f, 8.71111f, 16.5333f, 12.8889f, 11.6667f}}, // saturated
        {1, {43.3333f, 28.3111f, 53.7333f, 41.8889f, 37.9167f}}, // mono-unsaturated
        {1, {10, 6.53333f, 12.4f, 9.66667f, 8.75f}},             // poly-unsaturated
        {2, {300, 304.5497f, 412.8595f, 522, 256.25f}},          // carbohydrate
        {1, {30, 30, 30, 30, 30}},                               // fiber
        {1, {100, 100, 100, 100, 100}},                          // cholesterol
        {2, {4000, 4550, 4280, 5000, 4000}},                     // vitamin A
        {2, {1.6f, 1.82f, 1.712f, 2.0f, 1.6f}},                  // B6
        {2, {2.0f, 1.82f, 2.14f, 2.0f, 2.0f}},                   // B12
        {2, {50, 45.5f, 53.5f, 50, 50}},                         // C
        {2, {8, 9.1f, 8.56f, 10, 8}},                            // E
        {2, {1.1f, 1.092f, 1.177f, 1.5f, 1.0f}},                 // thiamine
        {2, {180, 182, 192.6f, 200, 400}},                       // folacin
        {2, {1.3f, 1.274f, 1.391f, 1.7f, 1.2f}},                 // riboflavin
        {2, {15, 13.65f, 16.05f, 19, 13}},                       // niacin
        {2, {5, 4.55f, 5.35f, 5, 5}},                            // pantothenic acid
        {2, {1200, 728, 1284, 1200, 800}},                       // calcium
        {2, {2, 1.82f, 2.14f, 2, 2}},                            // copper
        {2, {15, 9.1f, 16.05f, 10, 10}},                         // iron
        {2, {280, 318.5f, 299.6f, 350, 280}},                    // magnesium
        {2, {3, 2.73f, 3.21f, 3, 3}},                            // manganese
        {2, {1200, 728, 1284, 1200, 800}},                       // phosphorus
        {2, {2000, 1820, 2140, 2000, 2000}},                     // potassium
        {2, {55, 63.7f, 58.85f, 70, 55}},                        // selenium
        {2, {500, 455, 535, 500, 500}},                          // sodium
        {2, {12, 13.65f, 12.84f, 15, 12}},                       // zinc
    };
    const float aminoAcids[kAminoAcidCount] = {0.96f, 0.72f, 0.96f, 0.96f, 0.84f, 0.30f, 0.30f, 0.18f, 0.48f, 0.72f};
    for (int q = 0; q < 5; ++q) {
        const NutrientRecord r = newUserTargets(asked[q], labelValues());
        for (int i = 0; i < kStandardNutrientCount; ++i) {
            SCOPED_TRACE(testing::Message() << "questionnaire " << q + 1 << ", nutrient " << i);
            EXPECT_NEAR(r.value(i), expected[i].value[q], expected[i].value[q] * 2e-5f);
            EXPECT_EQ(r.level(i), expected[i].level);
        }
        for (int k = 0; k < kAminoAcidCount; ++k) {
            EXPECT_FLOAT_EQ(r.value(kFirstAminoAcid + k), aminoAcids[k]) << k;
            EXPECT_EQ(r.level(kFirstAminoAcid + k), 1) << k;
        }
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
