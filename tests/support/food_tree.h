#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/data_paths.h"

namespace korva {
class FoodDataBase;
}

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

// A data root of its own under the temporary folder with the data folders,
// an index.ser and a foods.arc written by the program's own writers.  Ids are
// 1000 + the food's place in the list given; the index is in index order
// (category, then name without case).  Removed again on destruction.
class FoodTree {
public:
    explicit FoodTree(std::vector<TreeFood> foods, const std::string& tag = "tree");
    ~FoodTree();
    FoodTree(const FoodTree&) = delete;
    FoodTree& operator=(const FoodTree&) = delete;

    const DataPaths& paths() const { return paths_; }
    const std::filesystem::path& root() const { return paths_.root; }
    // Points the data base at this tree and loads the index.
    bool load(FoodDataBase& db) const;
    // Id of the i-th food given to the constructor.
    static std::uint16_t idOf(std::size_t i) { return static_cast<std::uint16_t>(1000 + i); }

private:
    DataPaths paths_;
};

} // namespace korva::test
