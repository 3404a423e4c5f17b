#include "app/daily_commands.h"

#include "core/food_data_base.h"
#include "core/platform.h"

namespace korva {

bool DailyCommands::allowed(const char* refusal) const {
    if (db_.users().current().name != UserSet::kDefaultName) return true;
    platform_.message(refusal);
    return false;
}

} // namespace korva
