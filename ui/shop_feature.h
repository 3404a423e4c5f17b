#pragma once

namespace korva {

class FoodDataBase;
class MainWindow;
class Platform;

// File > Shopping List: "New" opens the shopping list dialog on a new list,
// "Open" on a list chosen in the shopping list folder.
void installShoppingLists(MainWindow& window, FoodDataBase& db, Platform& platform);

} // namespace korva
