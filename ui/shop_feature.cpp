#include "ui/shop_feature.h"

#include "app/command_table.h"
#include "app/shop_commands.h"
#include "ui/main_window.h"
#include "ui/shop_dialog_widget.h"

namespace korva {

void installShoppingLists(MainWindow& window, FoodDataBase& db, Platform& platform) {
    MainWindow* w = &window;
    FoodDataBase* data = &db;
    Platform* p = &platform;
    window.addCommand(kCmdNewShoppingList,
                      [w, data, p] { runShopDialog(*data, *p, w->reportPrinter(), std::nullopt, w); });
    window.addCommand(kCmdOpenShoppingList, [w, data, p] {
        if (const auto file = chooseShoppingList(*data, *p)) runShopDialog(*data, *p, w->reportPrinter(), file, w);
    });
}

} // namespace korva
