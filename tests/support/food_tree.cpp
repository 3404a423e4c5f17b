#include "tests/support/food_tree.h"

#include <algorithm>
#include <atomic>
#include <stdexcept>

#include <unistd.h>

#include "archive/atomic_file.h"
#include "core/food_data_base.h"
#include "core/short_food.h"

namespace korva::test {

namespace {
std::atomic<int> treeCounter{0};
}

FoodTree::FoodTree(std::vector<TreeFood> foods, const std::string& tag) {
    paths_ = DataPaths(std::filesystem::temp_directory_path() /
                       ("korva-" + tag + "-" + std::to_string(::getpid()) + "-" + std::to_string(treeCounter++)));
    std::filesystem::remove_all(paths_.root);
    for (const auto& dir : {paths_.dataDir(), paths_.userDir(), paths_.foodListDir(), paths_.recipeDir()})
        std::filesystem::create_directories(dir);

    std::vector<std::size_t> order(foods.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (foods[a].category != foods[b].category) return foods[a].category < foods[b].category;
        return compareNamesNoCase(foods[a].name, foods[b].name) < 0;
    });

    FoodDataBase writer(paths_);
    std::vector<std::uint8_t> records(foods.size() * NutrientRecord::kBytes);
    for (std::size_t pos = 0; pos < order.size(); ++pos) {
        const TreeFood& f = foods[order[pos]];
        ShortFood e;
        e.setName(f.name);
        e.servingText = f.measure;
        e.gramsPerServing = f.gramsPerServing;
        e.id = idOf(order[pos]);
        e.category = static_cast<std::uint16_t>(f.category);
        e.recordNumber = static_cast<std::uint16_t>(pos);
        e.flags = ShortFood::kArchived;
        writer.index().mutableEntries().push_back(e);

        NutrientRecord r;
        r.id = e.id;
        r.category = e.category;
        const float values[] = {f.calories, f.protein, f.fat, 0, 0, 0, f.carbohydrate, f.fiber, f.cholesterol};
        for (int n = 0; n < 9; ++n) r.setValue(n, values[n]);
        for (int n = 0; n < kNutrientCount; ++n) r.setLevel(n, 1);
        r.toBytes(records.data() + pos * NutrientRecord::kBytes);
    }
    if (!writer.saveIndex() || !writeFileAtomically(paths_.foodsArc(), records))
        throw std::runtime_error("cannot write the test food tree under " + paths_.root.string());
}

FoodTree::~FoodTree() {
    std::error_code ec;
    std::filesystem::remove_all(paths_.root, ec);
}

bool FoodTree::load(FoodDataBase& db) const {
    db.setPaths(paths_);
    return db.loadIndex();
}

} // namespace korva::test
