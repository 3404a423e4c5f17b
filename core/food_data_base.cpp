#include "core/food_data_base.h"

#include <algorithm>

#include "archive/atomic_file.h"

namespace korva {

namespace {
constexpr std::uint16_t kProgramMadeClear = 0x4 | 0x1;
constexpr std::uint16_t kProgramMadeSet = 0x2;
} // namespace

bool FoodDataBase::loadIndex() {
    auto bytes = readWholeFile(paths_.indexSer());
    if (!bytes) return false;
    return loadIndexFromBytes(std::move(*bytes));
}

bool FoodDataBase::loadIndexFromBytes(std::vector<std::uint8_t> bytes) {
    if (!index_.loadFromBytes(std::move(bytes))) return false;
    // The state file remembers ids handed out to foods deleted since: such an
    // id must not come back, or an older FoodList naming it would silently
    // show the new food.  A number outside the user-food range is damage.
    const std::int32_t fromIndex = index_.highestUserFoodId();
    const std::int32_t fromState = state_.lastUserFoodId;
    const bool stateSound = fromState >= kFirstUserFoodId && fromState <= kLastUserFoodId;
    state_.lastUserFoodId = stateSound ? std::max(fromState, fromIndex) : fromIndex;
    rebuildCategoryTables();
    return true;
}

void FoodDataBase::rebuildCategoryTables() {
    index_.rebuildTables();
    selection_.followTables();
}

FoodDataBase::AddOutcome FoodDataBase::canAddFood() const {
    if (state_.unconsolidated >= kUnconsolidatedSlots) return AddOutcome::tooManyUnconsolidated;
    // Record numbers are 16-bit: a consolidated foods.arc holds at most 65536.
    if (index_.totalFoods() >= kMaxRecords) return AddOutcome::tooManyRecords;
    return AddOutcome::added;
}

FoodDataBase::AddOutcome FoodDataBase::addFood(ShortFood entry, NutrientRecord record, std::size_t* position) {
    if (AddOutcome why = canAddFood(); why != AddOutcome::added) return why;
    // A damaged state file may carry a negative count; slot 0 is then the
    // only sound place to start.
    const int slot = std::max(0, state_.unconsolidated);

    entry.flags = static_cast<std::uint16_t>((entry.flags & ~kProgramMadeClear) | kProgramMadeSet);
    entry.recordNumber = static_cast<std::uint16_t>(slot);
    record.id = entry.id;
    record.category = entry.category;

    // The slot file first: if it cannot be written, nothing else changes.
    if (!records_.storeInSlot(slot, record)) return AddOutcome::writeFailed;
    state_.unconsolidated = slot + 1;

    const std::size_t pos = index_.insertInOrder(std::move(entry));
    rebuildCategoryTables();

    state_.setFlag(kConsolidated, false);
    state_.setFlag(kNoInsertions, false);
    state_.setIndexModified(true);
    if (position) *position = pos;
    return AddOutcome::added;
}

std::string addOutcomeMessage(FoodDataBase::AddOutcome outcome) {
    switch (outcome) {
    case FoodDataBase::AddOutcome::added: return {};
    case FoodDataBase::AddOutcome::tooManyUnconsolidated:
        return "... too many new foods, you must CONSOLIDATE before next add ...";
    case FoodDataBase::AddOutcome::tooManyRecords:
        return "... the Foods Data Base is full (65536 foods), no more foods can be added ...";
    case FoodDataBase::AddOutcome::writeFailed:
        return "... could not write the new foods file, the food was not added ...";
    case FoodDataBase::AddOutcome::idsUsedUp:
        return "... all food numbers for new foods are used up, no more can be added ...";
    }
    return {};
}

} // namespace korva
