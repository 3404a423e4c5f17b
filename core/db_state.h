#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "core/food_data_base.h"

namespace korva {

// Takes the entry at `position` out of the index and keeps the books: the
// tables are rebuilt, the deletion is counted and the data base is no longer
// consolidated.  Its record stays on disk until the next consolidation.
void retireFood(FoodDataBase& db, std::size_t position);

// The state as it goes into korva.ini: the data base's own, with the current
// user's file and the last user file number taken from the user list once it
// has been scanned.
StateFileData stateForWriting(const FoodDataBase& db);

// The message for a data file that could not be written; what it should
// have held stays marked unsaved.
std::string notSavedMessage(const std::filesystem::path& file);

} // namespace korva
