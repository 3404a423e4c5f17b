#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/nutrient_record.h"

namespace korva {

class FoodDataBase;

// One food of the data base as the nutrient views show it.
struct ViewFood {
    std::string name;
    std::string servingText;
    float gramsPerServing = 0.0f;
    NutrientRecord record; // values per 100 g
};

// Whose targets the views measure against.
struct ViewUser {
    std::string name;
    NutrientRecord targets;
};

// What the nutrient views read from the data base, all in one place: the
// foods of a category, one food's record, and the current user.
class ViewFoods {
public:
    explicit ViewFoods(const FoodDataBase& db) : db_(db) {}

    int foodCount(int category) const;
    std::vector<std::string> foodNames(int category) const;
    // The k-th food of the category with its record; none when there is no
    // such food or its record cannot be read.
    std::optional<ViewFood> food(int category, int k) const;
    ViewUser user() const;
    // The data base's current category and the current entry's place in it
    // (0 when the entry lies elsewhere).
    int currentCategory() const;
    int currentFoodIndex() const;

private:
    const FoodDataBase& db_;
};

} // namespace korva
