#pragma once

#include <algorithm>
#include <cstddef>

#include "core/food_data_base.h"

namespace korva {

// The searches' only way to the food records: one category at a time, 32
// records per read, in index order.  Keeping every call to the data base's
// block scan here means the scan can move without the engines noticing.
class FoodScan {
public:
    explicit FoodScan(FoodDataBase& db) : db_(db) {}
    ~FoodScan() { db_.records().endCategoryScan(); }
    FoodScan(const FoodScan&) = delete;
    FoodScan& operator=(const FoodScan&) = delete;

    // Calls visit(position, entry, record) for each food of `category` in
    // index order.  A food whose record could not be read is not visited
    // (scoring it from a stale block would rank the wrong numbers); the
    // answer is false when that happened.
    template <class Visit>
    bool category(int category, Visit&& visit);

private:
    FoodDataBase& db_;
};

template <class Visit>
bool FoodScan::category(int category, Visit&& visit) {
    const int count = db_.index().foodCount(category);
    if (count == 0) return true;
    const auto first = db_.index().firstEntry(category);
    if (!first || !db_.records().startCategoryScan(category)) return false;
    const auto& entries = db_.index().entries();
    const auto& unconsolidated = db_.records().unconsolidatedBuffer();
    bool complete = true;
    int inBlock = 0;
    for (int j = 0; j < count; ++j) {
        const int slot = j % kBlockRecords;
        if (slot == 0) {
            inBlock = db_.records().readNextBlock();
            if (inBlock < std::min(kBlockRecords, count - j)) complete = false;
        }
        const std::size_t position = *first + static_cast<std::size_t>(j);
        if (position >= entries.size()) return false;
        const ShortFood& entry = entries[position];
        if (entry.isArchived()) {
            if (slot < inBlock) visit(position, entry, db_.records().blockRecord(slot));
        } else if (entry.recordNumber < kUnconsolidatedSlots) {
            visit(position, entry, unconsolidated[entry.recordNumber]);
        }
    }
    return complete;
}

} // namespace korva
