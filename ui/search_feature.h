#pragma once

#include <memory>

#include "app/search_commands.h"

namespace korva {

class ActiveDocument;
class FoodDataBase;
class FoodListWindows;
class MainWindow;
class Platform;
class QtSearchWindows;
class QtPlanAmountsWindows;

// The Search menu and "Search Size" as the main window offers them.
class SearchFeature {
public:
    SearchFeature(MainWindow& window, FoodDataBase& db, Platform& platform, ActiveDocument& active,
                  FoodListWindows& lists);
    ~SearchFeature();

    SearchCommands& commands() { return commands_; }

private:
    SearchCommands commands_;
    std::unique_ptr<QtSearchWindows> windows_;
    std::unique_ptr<QtPlanAmountsWindows> planWindows_;
};

} // namespace korva
