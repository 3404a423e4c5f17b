#pragma once

#include <cstdint>
#include <optional>

#include "core/state_file.h"

namespace korva {

// The bookkeeping of pending work: the flags, counters and last numbers kept
// in korva.ini, and the two marks of this run that say what must be written
// at exit.
class DataBaseState : public StateFileData {
public:
    // Takes the values read from (or about to go into) korva.ini.
    void assign(StateFileData data) { static_cast<StateFileData&>(*this) = std::move(data); }

    bool isSet(StateFlag flag) const { return (flags & flag) != 0; }
    void setFlag(StateFlag flag, bool on) {
        flags = on ? std::uint16_t(flags | flag) : std::uint16_t(flags & ~flag);
    }

    // Next id for a new food of `category`; none when the user-food range is
    // used up (or, for recipes, the recipe range).
    std::optional<std::uint16_t> nextUserFoodId(int category);

    bool indexModified() const { return indexModified_; }
    void setIndexModified(bool on) { indexModified_ = on; }
    bool stateDirty() const { return stateDirty_; }
    void setStateDirty(bool on) { stateDirty_ = on; }

private:
    bool indexModified_ = false;
    bool stateDirty_ = false;
};

} // namespace korva
