#include "app/shop_commands.h"

#include <system_error>

#include "core/food_data_base.h"
#include "core/platform.h"

namespace korva {

std::optional<std::filesystem::path> chooseShoppingList(FoodDataBase& db, Platform& platform) {
    const std::filesystem::path folder = db.paths().shopDir();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    FileDialogRequest request;
    request.caption = "Open";
    request.filter = kShopOpenFilter;
    request.defaultExtension = "SLS";
    request.startFolder = folder;
    std::optional<std::filesystem::path> chosen = platform.chooseOpenFile(request);
    if (chosen && chosen->is_relative()) chosen = folder / *chosen;
    return chosen;
}

} // namespace korva
