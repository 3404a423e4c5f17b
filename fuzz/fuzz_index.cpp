// Any bytes given as index.ser must load or be refused; a loaded index must
// then answer every lookup without reaching outside itself.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/food_data_base.h"

// Keeps the lookups from being optimised away.
volatile std::size_t g_lookedAt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    korva::FoodDataBase db;
    if (!db.loadIndexFromBytes(std::vector<std::uint8_t>(data, data + size))) return 0;

    std::size_t seen = 0;
    for (int c = 0; c < korva::kCategoryCount; ++c) {
        db.selection().setCurrentCategory(c);
        db.rebuildCategoryTables();
        const int n = db.index().foodCount(db.selection().currentCategory());
        for (int k = 0; k <= n; ++k)
            if (const korva::ShortFood* e = db.selection().entryInCurrentCategory(k)) seen += e->name.size();
        seen += db.selection().categoryNames().size();
        if (auto pos = db.index().firstEntry(c)) seen += db.index().entries()[*pos].category;
    }
    for (int k = 0; k <= db.index().foodCount(korva::kRecipeCategory); ++k)
        if (auto id = db.index().recipeIdAt(k)) seen += db.index().findEntryById(*id) != nullptr;
    g_lookedAt = seen;
    return 0;
}
