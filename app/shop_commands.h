#pragma once

#include <filesystem>
#include <optional>

namespace korva {

class FoodDataBase;
class Platform;

inline constexpr const char* kShopOpenFilter = "Food List Files(*.SLS)|*.SLS|All Files(*.*)|*.*||";

// File > Shopping List > Open: the file chooser in the shopping list folder,
// made first when it is missing.  None when the user cancels.
std::optional<std::filesystem::path> chooseShoppingList(FoodDataBase& db, Platform& platform);

} // namespace korva
