#include "core/data_base_state.h"

#include <algorithm>

#include "core/food_index.h"

namespace korva {

namespace {
constexpr std::int32_t kLastRecipeIdPossible = 0xFFFF;
} // namespace

std::optional<std::uint16_t> DataBaseState::nextUserFoodId(int category) {
    if (category == kRecipeCategory) {
        const std::int32_t next = std::max<std::int32_t>(lastRecipeId, kFirstRecipeId - 1) + 1;
        if (next > kLastRecipeIdPossible) return std::nullopt;
        lastRecipeId = next;
        return static_cast<std::uint16_t>(next);
    }
    const std::int32_t next = std::max<std::int32_t>(lastUserFoodId, kFirstUserFoodId) + 1;
    // Past 28999 the ids would be taken for recipes.
    if (next > kLastUserFoodId) return std::nullopt;
    lastUserFoodId = next;
    return static_cast<std::uint16_t>(next);
}

} // namespace korva
