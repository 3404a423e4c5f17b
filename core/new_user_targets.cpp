#include "core/new_user_targets.h"

#include <algorithm>

namespace korva {

namespace {

constexpr int kOda = 1;
constexpr int kRda = 2;

// [sex][older][height][frame]
constexpr float kCalories[2][2][3][3] = {
    {{{2450, 2700, 2890}, {2640, 2900, 3100}, {2910, 3200, 3420}},
     {{1960, 2150, 2300}, {2090, 2300, 2460}, {2370, 2600, 2780}}},
    {{{1650, 1800, 1940}, {1840, 2000, 2160}, {2120, 2300, 2480}},
     {{1450, 1580, 1710}, {1610, 1750, 1890}, {1840, 2000, 2160}}},
};

constexpr float kFrameFactor[3] = {0.91f, 1.0f, 1.07f};

// Tyrosine to Isoleucine, whatever the answers.
constexpr float kAminoAcids[kAminoAcidCount] = {0.96f, 0.72f, 0.96f, 0.96f, 0.84f, 0.30f, 0.30f, 0.18f, 0.48f, 0.72f};

NewUserAnswers clamped(NewUserAnswers a) {
    a.height = std::clamp(a.height, 0, 2);
    a.age = std::clamp(a.age, 0, 2);
    a.sex = std::clamp(a.sex, 0, 1);
    a.frame = std::clamp(a.frame, 0, 2);
    a.type = std::clamp(a.type, 0, 2);
    return a;
}

// A value chosen by sex: male, female.
float bySex(int sex, float male, float female) { return sex == NewUserAnswers::male ? male : female; }

// A value chosen by age group: 15 - 20, 20 - 50, above 51.
float byAge(int age, float young, float adult, float older) {
    return age == NewUserAnswers::age15to20 ? young : age == NewUserAnswers::age20to50 ? adult : older;
}

} // namespace

float newUserCalories(const NewUserAnswers& answers) {
    NewUserAnswers a = clamped(answers);
    const int older = a.age == NewUserAnswers::above51 ? 1 : 0;
    return kCalories[a.sex][older][a.height][a.frame];
}

NutrientRecord newUserTargets(const NewUserAnswers& answers, const NutrientRecord& defaultProfile) {
    NutrientRecord r = defaultProfile;
    const NewUserAnswers a = clamped(answers);
    if (a.type == NewUserAnswers::foodLabel) return r;

    const int s = a.sex;
    const int g = a.age;
    const float f = kFrameFactor[a.frame];
    const float c = newUserCalories(a);
    const float fatShare = a.type == NewUserAnswers::customOda20 ? 0.2f : 0.3f;
    const float fat = c * fatShare / 9.0f;
    const float protein = bySex(s, byAge(g, 58.0f, 63.0f, 63.0f), byAge(g, 45.0f, 50.0f, 50.0f)) * f;
    const float calcium = byAge(g, 1200.0f, 1200.0f, 800.0f) * f;

    auto set = [&r](int i, float value, int level) {
        r.setValue(i, value);
        r.setLevel(i, level);
    };
    set(0, c, kOda);
    set(1, protein, kRda);
    set(2, fat, kOda);
    set(3, 0.2f * fat, kOda);
    set(4, 0.65f * fat, kOda);
    set(5, 0.15f * fat, kOda);
    set(6, (c - (4.0f * protein + 9.0f * fat)) * f / 4.0f, kRda);
    set(7, 30.0f, kOda);
    set(8, 100.0f, kOda);
    set(9, bySex(s, 5000.0f, 4000.0f) * f, kRda);
    set(10, bySex(s, 2.0f, 1.6f) * f, kRda);
    set(11, 2.0f * f, kRda);
    set(12, 50.0f * f, kRda);
    set(13, bySex(s, 10.0f, 8.0f) * f, kRda);
    set(14, bySex(s, byAge(g, 1.5f, 1.5f, 1.2f), byAge(g, 1.1f, 1.1f, 1.0f)) * f, kRda);
    set(15, bySex(s, 200.0f, byAge(g, 180.0f, 180.0f, 400.0f)) * f, kRda);
    set(16, bySex(s, byAge(g, 1.7f, 1.7f, 1.4f), byAge(g, 1.3f, 1.3f, 1.2f)) * f, kRda);
    set(17, bySex(s, byAge(g, 19.0f, 19.0f, 15.0f), byAge(g, 15.0f, 15.0f, 13.0f)) * f, kRda);
    set(18, 5.0f * f, kRda);
    set(19, calcium, kRda);
    set(20, 2.0f * f, kRda);
    set(21, bySex(s, 10.0f, byAge(g, 15.0f, 15.0f, 10.0f)) * f, kRda);
    set(22, bySex(s, 350.0f, 280.0f) * f, kRda);
    set(23, 3.0f * f, kRda);
    set(24, calcium, kRda);
    set(25, 2000.0f * f, kRda);
    set(26, bySex(s, 70.0f, 55.0f) * f, kRda);
    set(27, 500.0f * f, kRda);
    set(28, bySex(s, 15.0f, 12.0f) * f, kRda);
    for (int i = 0; i < kAminoAcidCount; ++i) set(kFirstAminoAcid + i, kAminoAcids[i], kOda);
    return r;
}

} // namespace korva
