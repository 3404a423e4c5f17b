#pragma once

#include <array>
#include <cstdio>
#include <memory>

#include "core/data_paths.h"
#include "core/food_index.h"
#include "core/nutrient_record.h"
#include "core/state_file.h"

namespace korva {

constexpr int kUnconsolidatedSlots = 32;
constexpr int kBlockRecords = 32;

// A std::FILE that closes itself.
struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// The nutrient records on disk: single records in foods.arc or uncons.arc,
// the 32 slots of uncons.arc held in memory, and the block-wise scan of one
// category of foods.arc.  It reads the index's tables and the archived count
// of the data base it belongs to.
class RecordStore {
public:
    RecordStore(const DataPaths& paths, const FoodIndex& index, const StateFileData& state)
        : paths_(&paths), index_(&index), state_(&state) {}

    bool readUnconsolidatedFile();
    const std::array<NutrientRecord, kUnconsolidatedSlots>& unconsolidatedBuffer() const { return uncons_; }
    // Puts the record into a slot and writes all 32 slots; on failure the
    // buffer and the file stay as they were.
    bool storeInSlot(int slot, const NutrientRecord& record);

    bool readFoodRecord(const ShortFood& entry, NutrientRecord& record) const;
    bool writeFoodRecord(const ShortFood& entry, const NutrientRecord& record);

    // ---- Block scan of one category ---------------------------------------
    // foods.arc stays open from the first start until the scan is ended.
    bool startCategoryScan(int category);
    // Reads up to 32 records; returns how many were read (0 at the end or on
    // a short read, which leaves the block position unchanged).
    int readNextBlock();
    const NutrientRecord& blockRecord(int slot) const { return block_[static_cast<std::size_t>(slot)]; }
    int blockPosition() const { return blockPosition_; }
    void endCategoryScan();

private:
    const DataPaths* paths_;
    const FoodIndex* index_;
    const StateFileData* state_;
    std::array<NutrientRecord, kUnconsolidatedSlots> uncons_{};
    std::array<NutrientRecord, kBlockRecords> block_{};
    int blockPosition_ = 0;
    FileHandle scanFile_;
};

} // namespace korva
