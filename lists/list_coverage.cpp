#include "lists/list_coverage.h"

#include "archive/archive.h"
#include "archive/atomic_file.h"
#include "core/food_data_base.h"
#include "lists/food_list.h"

namespace korva {

std::optional<NutrientCoverage> foodListFileCoverage(const std::filesystem::path& file, const FoodDataBase& db) {
    std::optional<std::vector<std::uint8_t>> bytes = readWholeFile(file);
    if (!bytes) return std::nullopt;
    FoodList stored;
    Archive ar = Archive::forReading(std::move(*bytes));
    try {
        stored.Serialize(ar);
    } catch (const ArchiveError&) {
        return std::nullopt;
    }
    NutrientCoverage c;
    for (const FoodItem& item : stored.items()) {
        const ShortFood* entry = db.index().findEntryById(item.foodId());
        if (!entry) continue;
        NutrientRecord record;
        if (!db.records().readFoodRecord(*entry, record)) record.clear();
        c.addItem(record);
    }
    return c;
}

} // namespace korva
