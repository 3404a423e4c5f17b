#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/data_base_state.h"
#include "core/data_paths.h"
#include "core/file_numbering.h"
#include "core/food_index.h"
#include "core/food_selection.h"
#include "core/recipe_catalogue.h"
#include "core/record_store.h"
#include "core/users.h"

namespace korva {

// The one data base object of a run.  It owns the paths and hands out its
// parts: the food index with its category tables, the shared selection, the
// record store with the block scan, the state flags and counters, the users
// and the numbering of new files.  The operations here are the ones that
// span several parts.
class FoodDataBase {
public:
    FoodDataBase() = default;
    explicit FoodDataBase(DataPaths paths) : paths_(std::move(paths)) {}
    FoodDataBase(const FoodDataBase&) = delete;
    FoodDataBase& operator=(const FoodDataBase&) = delete;

    const DataPaths& paths() const { return paths_; }
    void setPaths(DataPaths p) { paths_ = std::move(p); }

    FoodIndex& index() { return index_; }
    const FoodIndex& index() const { return index_; }
    FoodSelection& selection() { return selection_; }
    const FoodSelection& selection() const { return selection_; }
    RecordStore& records() { return records_; }
    const RecordStore& records() const { return records_; }
    DataBaseState& state() { return state_; }
    const DataBaseState& state() const { return state_; }
    UserSet& users() { return users_; }
    const UserSet& users() const { return users_; }
    FileNumbering& numbering() { return numbering_; }
    // The recipe catalogue; lists/recipe_book.h loads it before first use.
    RCPNList& recipes() { return recipes_; }
    const RCPNList& recipes() const { return recipes_; }
    int recipeCount() const { return index_.foodCount(kRecipeCategory); }

    // ---- Index ------------------------------------------------------------
    bool loadIndex();
    // The body of loadIndex over the bytes of an index file; false (and the
    // old index kept) when they are not a well-formed index.
    bool loadIndexFromBytes(std::vector<std::uint8_t> bytes);
    bool saveIndex() { return index_.save(paths_.indexSer()); }
    // Recomputes the category tables after the entries changed and moves the
    // shared selection with them.
    void rebuildCategoryTables();

    enum class AddOutcome { added, tooManyUnconsolidated, tooManyRecords, writeFailed, idsUsedUp };
    // Whether one more food fits before the next consolidation: `added` when
    // it does, else the reason it does not.
    AddOutcome canAddFood() const;
    // Adds a new or re-categorised food (the caller has filled name, serving
    // text, grams per serving, id and category).  Returns the outcome; on
    // success `position` (when given) receives the entry's index position.
    AddOutcome addFood(ShortFood entry, NutrientRecord record, std::size_t* position = nullptr);

    // ---- State file and consolidation (db_state.cpp) -----------------------
    bool readStateFile();
    bool writeStateFile();
    bool consolidate();
    // The name and default title for the next recipe file, from the recipe
    // catalogue's next file number (before the catalogue is loaded, from the
    // last recipe file number of the state file).  Numbers whose file
    // already exists are stepped over, and so are default titles that name
    // a recipe already.
    NewFileName nextRecipeFileName() const;
    std::string nextRecipeTitle() const;

private:
    DataPaths paths_;
    FoodIndex index_;
    FoodSelection selection_{index_};
    DataBaseState state_;
    RecordStore records_{paths_, index_, state_};
    UserSet users_{paths_};
    FileNumbering numbering_{paths_};
    RCPNList recipes_;
};

// The message shown when an addition is refused (empty for `added`).
std::string addOutcomeMessage(FoodDataBase::AddOutcome outcome);

} // namespace korva
