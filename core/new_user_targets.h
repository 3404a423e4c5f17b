#pragma once

#include "core/nutrient_record.h"

namespace korva {

// The questionnaire of a new user.  Out-of-range answers are taken as the
// nearest valid one.
struct NewUserAnswers {
    enum Height { below5ft4 = 0, from5ft4to5ft9 = 1, above5ft9 = 2 };
    enum Age { age15to20 = 0, age20to50 = 1, above51 = 2 };
    enum Sex { male = 0, female = 1 };
    enum Frame { small = 0, medium = 1, large = 2 };
    enum Type { foodLabel = 0, customOda20 = 1, customRda30 = 2 };

    int height = from5ft4to5ft9;
    int age = age20to50;
    int sex = female;
    int frame = medium;
    int type = customRda30;
};

// Daily targets from the answers: the default profile for food-label values,
// else computed targets (single-precision arithmetic throughout).
NutrientRecord newUserTargets(const NewUserAnswers& answers, const NutrientRecord& defaultProfile);

// Calories before the frame factor, from the table by sex, age, height, frame.
float newUserCalories(const NewUserAnswers& answers);

} // namespace korva
