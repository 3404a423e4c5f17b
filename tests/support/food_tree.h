#pragma once

#include <string>
#include <vector>

#include "tests/support/data_tree.h"

namespace korva::test {

// A food for a test data base: values per 100 g of the nutrients the lists
// show in their totals box.
struct TreeFood {
    int category = 0;
    std::string name;
    std::string measure = "1 cup";
    float gramsPerServing = 100.0f;
    float calories = 100.0f;
    float protein = 0.0f;
    float fat = 0.0f;
    float carbohydrate = 0.0f;
    float fiber = 0.0f;
    float cholesterol = 0.0f;
};

// A data tree of the given foods; ids are DataTree::idOf(the food's place).
class FoodTree : public DataTree {
public:
    explicit FoodTree(const std::vector<TreeFood>& foods, const std::string& tag = "korva")
        : DataTree(dataFoods(foods), tag) {}

private:
    static std::vector<DataFood> dataFoods(const std::vector<TreeFood>& foods) {
        std::vector<DataFood> out;
        for (const TreeFood& f : foods) {
            out.push_back(foodOf(f.category, f.name,
                                 {f.calories, f.protein, f.fat, 0, 0, 0, f.carbohydrate, f.fiber, f.cholesterol}));
            out.back().measure = f.measure;
            out.back().gramsPerServing = f.gramsPerServing;
        }
        return out;
    }
};

} // namespace korva::test
