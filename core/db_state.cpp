#include "core/db_state.h"

#include <algorithm>
#include <string_view>
#include <system_error>

#include "archive/atomic_file.h"
#include "core/consolidation.h"

namespace korva {

namespace {

// Whole records in a file; 0 when it is missing.
std::int32_t recordsIn(const std::filesystem::path& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) return 0;
    return static_cast<std::int32_t>(std::min<std::uintmax_t>(size / NutrientRecord::kBytes, kMaxRecords));
}

// Counts from a hand-edited or damaged file are held to what the files on
// disk can back, so that no later read runs past a file's end.
void holdCountsToFiles(StateFileData& d, const DataPaths& paths) {
    d.archived = std::clamp(d.archived, 0, recordsIn(paths.foodsArc()));
    d.unconsolidated = std::clamp(d.unconsolidated, 0, kUnconsolidatedSlots);
    std::error_code ec;
    if (std::filesystem::exists(paths.unconsArc(), ec))
        d.unconsolidated = std::min(d.unconsolidated, recordsIn(paths.unconsArc()));
    d.deleted = std::max(d.deleted, 0);
}

int nextFreeRecipeNumber(const FoodDataBase& db) {
    const RCPNList& book = db.recipes();
    // A number once handed out stays taken after its recipe is deleted: the
    // state file remembers the last one (rcp000.rcp is the first of all).
    // A number past the template is damage and counts for nothing.
    const DataBaseState& state = db.state();
    const std::int32_t last = state.lastRecipeFileNumber <= 99 ? state.lastRecipeFileNumber : -1;
    const bool anyIssued = state.lastRecipeId >= kFirstRecipeId || last > 0;
    int n = std::max({book.loaded() ? book.nextFileNumber : 0, anyIssued ? last + 1 : 0, 0});
    // A recipe file left by a run whose state file was lost must not be
    // overwritten by a new recipe.
    for (; n <= 99; ++n) {
        NewFileName name = recipeFileName(n);
        std::error_code ec;
        if (!std::filesystem::exists(db.paths().recipeDir() / name.name, ec)) break;
    }
    return n;
}

} // namespace

bool FoodDataBase::readStateFile() {
    // A consolidation cut short by a crash is finished or undone first, so
    // that the state read matches the files beside it.
    recoverInterruptedConsolidation(paths_);
    auto bytes = readWholeFile(paths_.stateFile(), 1u << 20);
    if (!bytes) return false;
    std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    StateFileData d = parseStateFile(text);
    holdCountsToFiles(d, paths_);
    state_.assign(std::move(d));
    users_.setCurrentFileName(state_.userFileName);
    // The scan of the user folder only raises it: a user file number stays
    // taken after its user was deleted.
    const std::int32_t lastUser = state_.lastUserFileNumber;
    users_.setLastFileNumber(lastUser >= 0 && lastUser <= 99 ? lastUser : 0);
    return true;
}

bool FoodDataBase::writeStateFile() {
    state_.assign(stateForWriting(*this));
    return writeFileAtomically(paths_.stateFile(), formatStateFile(state_));
}

NewFileName FoodDataBase::nextRecipeFileName() const { return recipeFileName(nextFreeRecipeNumber(*this)); }

std::string FoodDataBase::nextRecipeTitle() const {
    // The first two numbers share a title ("Recipe 001"), and the title
    // of a saved recipe must not be offered again for a new one.
    for (int n = nextFreeRecipeNumber(*this); n <= 99; ++n) {
        std::string title = recipeTitle(n);
        if (recipes_.indexOfName(title) < 0) return title;
    }
    return recipeTitle(99);
}

StateFileData stateForWriting(const FoodDataBase& db) {
    StateFileData d = db.state();
    if (db.users().scanned()) {
        d.userFileName = db.users().currentUserFileName();
        d.lastUserFileNumber = db.users().lastFileNumber();
    }
    return d;
}

std::string notSavedMessage(const std::filesystem::path& file) {
    return "... can't write " + file.string() + ", changes not saved ..";
}

void retireFood(FoodDataBase& db, std::size_t position) {
    if (position >= db.index().totalFoods()) return;
    db.index().retireEntry(position);
    db.rebuildCategoryTables();
    db.state().deleted += 1;
    db.state().setFlag(kNoDeletions, false);
    db.state().setFlag(kConsolidated, false);
    db.state().setIndexModified(true);
}

} // namespace korva
