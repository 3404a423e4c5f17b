#pragma once

#include <memory>

#include "app/recent_files.h"

namespace korva {

class ActiveDocument;
class FoodDataBase;
class FoodListWindows;
class MainWindow;
class Platform;
struct DocumentRequest;

// The food lists as the main window offers them: the File menu's food list
// commands and recent files, "&Categories" of the Foods menu, the document
// named at start, and the save prompts when the program closes.
class FoodListFeature {
public:
    FoodListFeature(MainWindow& window, FoodDataBase& db, Platform& platform, ActiveDocument& active);
    ~FoodListFeature();

    // A FoodList named on the command line; false when it cannot be opened.
    bool openDocument(const DocumentRequest& request);
    // Every list window closes, each offering to save its changes; false
    // when the user kept one open.
    bool closeAll();

    FoodListWindows& windows() const { return *windows_; }
    RecentFiles& recentFiles() { return recent_; }

private:
    FoodDataBase& db_;
    RecentFiles recent_;
    std::unique_ptr<FoodListWindows> windows_;
};

} // namespace korva
