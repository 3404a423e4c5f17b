#include "tests/support/food_tree.h"

#include <algorithm>
#include <stdexcept>

#include "archive/atomic_file.h"
#include "core/food_data_base.h"

namespace korva::test {

std::vector<std::uint8_t> recordBytes(const std::vector<NutrientRecord>& records) {
    std::vector<std::uint8_t> out(records.size() * NutrientRecord::kBytes);
    for (std::size_t i = 0; i < records.size(); ++i) records[i].toBytes(out.data() + i * NutrientRecord::kBytes);
    return out;
}

bool writeFoodFiles(const DataPaths& paths, std::vector<ShortFood> entries, std::vector<NutrientRecord> records) {
    if (entries.size() != records.size()) return false;
    for (std::size_t k = 0; k < entries.size(); ++k) {
        entries[k].recordNumber = static_cast<std::uint16_t>(k);
        entries[k].flags = ShortFood::kArchived;
        records[k].id = entries[k].id;
        records[k].category = entries[k].category;
    }
    FoodDataBase writer(paths);
    writer.index().mutableEntries() = std::move(entries);
    return writer.saveIndex() && writeFileAtomically(paths.foodsArc(), recordBytes(records));
}

FoodTree::FoodTree(std::vector<TreeFood> foods, const std::string& tag) : root_(TempRoot::dataFolders, tag) {
    std::vector<std::size_t> order(foods.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (foods[a].category != foods[b].category) return foods[a].category < foods[b].category;
        return compareNamesNoCase(foods[a].name, foods[b].name) < 0;
    });
    std::vector<ShortFood> entries;
    std::vector<NutrientRecord> records;
    for (std::size_t i : order) {
        const TreeFood& f = foods[i];
        ShortFood e;
        e.setName(f.name);
        e.servingText = f.measure;
        e.gramsPerServing = f.gramsPerServing;
        e.id = idOf(i);
        e.category = static_cast<std::uint16_t>(f.category);
        entries.push_back(e);
        NutrientRecord r;
        const float values[] = {f.calories, f.protein, f.fat, 0, 0, 0, f.carbohydrate, f.fiber, f.cholesterol};
        for (int n = 0; n < 9; ++n) r.setValue(n, values[n]);
        for (int n = 0; n < kNutrientCount; ++n) r.setLevel(n, 1);
        records.push_back(r);
    }
    if (!writeFoodFiles(paths(), std::move(entries), std::move(records)))
        throw std::runtime_error("cannot write the test food tree under " + root().string());
}

bool FoodTree::load(FoodDataBase& db) const {
    db.setPaths(paths());
    return db.loadIndex();
}

} // namespace korva::test
