#pragma once

// The shipped foods and the default user's targets, read where they lie in
// the source tree; nothing is written.

#include <filesystem>
#include <random>
#include <vector>

#include "core/food_data_base.h"
#include "core/profile_file.h"
#include "lists/food_item.h"

namespace korva::test {

class ShippedFoods {
public:
    ShippedFoods() : db_(DataPaths{std::filesystem::path(KORVA_SOURCE_DIR) / "data"}) {
        if (!db_.loadIndex()) return;
        db_.state().archived =
            static_cast<std::int32_t>(std::filesystem::file_size(db_.paths().foodsArc()) / NutrientRecord::kBytes);
        const ProfileReadResult user = readProfileFile(db_.paths().userDir() / "user00.rda");
        targets_ = user.file.profile;
        ok_ = user.outcome == ProfileReadOutcome::ok;
    }
    bool ok() const { return ok_; }
    const NutrientRecord& targets() const { return targets_; }

    // `n` foods drawn at random, the same ones for the same `draw`; one serving each.
    std::vector<FoodItem> pick(std::size_t n, unsigned draw) const {
        const auto& entries = db_.index().entries();
        std::mt19937 random(draw);
        std::uniform_int_distribution<std::size_t> any(0, entries.size() - 1);
        std::vector<FoodItem> items;
        for (int tries = 0; items.size() < n && tries < 1000; ++tries) {
            const ShortFood& entry = entries[any(random)];
            FoodItem item(entry.id);
            if (item.attach(entry, db_) && item.gramsPerServing() > 0.0f) items.push_back(item);
        }
        return items;
    }

private:
    FoodDataBase db_;
    NutrientRecord targets_;
    bool ok_ = false;
};

} // namespace korva::test
