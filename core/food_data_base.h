#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/data_paths.h"
#include "core/file_numbering.h"
#include "core/nutrient_record.h"
#include "core/short_food.h"
#include "core/state_file.h"
#include "core/users.h"

namespace korva {

class Platform;

constexpr std::uint16_t kFirstUserFoodId = 25000;
constexpr std::uint16_t kLastUserFoodId = 28999;
constexpr std::uint16_t kFirstRecipeId = 29000;
constexpr int kUnconsolidatedSlots = 32;
constexpr int kBlockRecords = 32;
constexpr std::size_t kMaxRecords = 65536;

// The one data base object of a run: the food index with its per-category
// tables, the record files, the state flags and counters, and the shared
// selection.  Entries are addressed by their position in the index; pointers
// to entries stay valid only until the index changes.
class FoodDataBase {
public:
    FoodDataBase() = default;
    explicit FoodDataBase(DataPaths paths) : paths_(std::move(paths)) {}
    ~FoodDataBase();
    FoodDataBase(const FoodDataBase&) = delete;
    FoodDataBase& operator=(const FoodDataBase&) = delete;

    const DataPaths& paths() const { return paths_; }
    void setPaths(DataPaths p) { paths_ = std::move(p); }

    // ---- Index ------------------------------------------------------------
    bool loadIndex();
    // The body of loadIndex over the bytes of an index file; false (and the
    // old index kept) when they are not a well-formed index.
    bool loadIndexFromBytes(std::vector<std::uint8_t> bytes);
    bool saveIndex();
    bool readUnconsolidatedFile();
    void rebuildCategoryTables();

    const std::vector<ShortFood>& entries() const { return index_.entries; }
    std::vector<ShortFood>& mutableEntries() { return index_.entries; }
    std::size_t totalFoods() const { return index_.entries.size(); }

    int foodCount(int category) const { return count_[static_cast<std::size_t>(category)]; }
    int firstRecord(int category) const { return firstRecord_[static_cast<std::size_t>(category)]; }
    // Position of the category's first entry, or none when it lies past the end.
    std::optional<std::size_t> firstEntry(int category) const;

    int currentCategory() const { return currentCategory_; }
    void setCurrentCategory(int c) { currentCategory_ = c; }
    // Position of the current entry in the index, or none.
    std::optional<std::size_t> currentEntry() const { return currentEntry_; }
    void setCurrentEntry(std::optional<std::size_t> pos) { currentEntry_ = pos; }

    // The k-th entry (0-based) of the current category, or null.
    const ShortFood* entryInCurrentCategory(int k) const;
    std::optional<std::size_t> positionInCurrentCategory(int k) const;
    // Names of the current category's entries, in index order.
    std::vector<std::string> categoryNames() const;
    // First entry with this id (scan from the head), or null.
    const ShortFood* findEntryById(std::uint16_t id) const;
    std::optional<std::size_t> findPositionById(std::uint16_t id) const;
    // Id of the k-th entry of the "Recipes" category, or none.
    std::optional<std::uint16_t> recipeIdAt(int k) const;

    // ---- Records ----------------------------------------------------------
    bool readFoodRecord(const ShortFood& entry, NutrientRecord& record) const;
    bool writeFoodRecord(const ShortFood& entry, const NutrientRecord& record);

    enum class AddOutcome { added, tooManyUnconsolidated, tooManyRecords, writeFailed, idsUsedUp };
    // Whether one more food fits before the next consolidation: `added` when
    // it does, else the reason it does not.
    AddOutcome canAddFood() const;
    // Adds a new or re-categorised food (the caller has filled name, serving
    // text, grams per serving, id and category).  Returns the outcome; on
    // success `position` (when given) receives the entry's index position.
    AddOutcome addFood(ShortFood entry, NutrientRecord record, std::size_t* position = nullptr);
    // Removes the entry at `position` from the index.  The caller rebuilds the
    // tables and keeps the books (see retire bookkeeping in the state code).
    void retireEntry(std::size_t position);
    // Next id for a new food of `category`; none when the user-food range is
    // used up (or, for recipes, the recipe range).
    std::optional<std::uint16_t> nextUserFoodId(int category);

    // ---- Block scan of one category ---------------------------------------
    bool startCategoryScan(int category);
    // Reads up to 32 records; returns how many were read (0 at the end or on
    // a short read, which leaves the block position unchanged).
    int readNextBlock();
    const NutrientRecord& blockRecord(int slot) const { return block_[static_cast<std::size_t>(slot)]; }
    int blockPosition() const { return blockPosition_; }
    void endCategoryScan();

    // ---- State and consolidation ------------------------------------------
    StateFileData& state() { return state_; }
    const StateFileData& state() const { return state_; }
    bool isSet(StateFlag flag) const { return (state_.flags & flag) != 0; }
    void setFlag(StateFlag flag, bool on) {
        state_.flags = on ? std::uint16_t(state_.flags | flag) : std::uint16_t(state_.flags & ~flag);
    }
    bool readStateFile();
    bool writeStateFile();
    bool consolidate();

    // ---- Users and names of new files (users.h, file_numbering.h) ----------
    UserSet& users() { return users_; }
    const UserSet& users() const { return users_; }
    FileNumbering& numbering() { return numbering_; }
    NewFileName nextFoodListName() { return numbering_.nextFoodListName(); }
    NewFileName nextShoppingListName() { return numbering_.nextShoppingListName(); }
    // The name and default title for the next recipe file, from the last
    // recipe file number; the recipe catalogue raises that number when it
    // saves the file.  Numbers whose file already exists are stepped over.
    NewFileName nextRecipeFileName() const;
    std::string nextRecipeTitle() const;
    NewFileName nextUserFileName() { return users_.nextUserFileName(); }

    bool indexModified() const { return indexModified_; }
    void setIndexModified(bool on) { indexModified_ = on; }
    bool stateDirty() const { return stateDirty_; }
    void setStateDirty(bool on) { stateDirty_ = on; }

    const std::array<NutrientRecord, kUnconsolidatedSlots>& unconsolidatedBuffer() const { return uncons_; }

private:
    DataPaths paths_;
    CSFList index_;
    std::array<int, kCategoryCount> count_{};
    std::array<int, kCategoryCount> firstRecord_{};
    std::array<std::optional<std::size_t>, kCategoryCount> firstEntry_{};
    int currentCategory_ = 0;
    std::optional<std::size_t> currentEntry_;

    StateFileData state_;
    UserSet users_{paths_};
    FileNumbering numbering_{paths_};
    bool indexModified_ = false;
    bool stateDirty_ = false;

    std::array<NutrientRecord, kUnconsolidatedSlots> uncons_{};
    std::array<NutrientRecord, kBlockRecords> block_{};
    int blockPosition_ = 0;
    std::FILE* scanFile_ = nullptr;
};

// The message shown when an addition is refused (empty for `added`).
std::string addOutcomeMessage(FoodDataBase::AddOutcome outcome);

} // namespace korva
