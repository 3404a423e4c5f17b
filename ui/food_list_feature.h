#pragma once

#include <QObject>

#include <memory>
#include <vector>

#include "app/recent_files.h"

class QAction;
class QMenu;

namespace korva {

class ActiveDocument;
class FoodDataBase;
class FindFoodFeature;
class FoodListCommands;
class FoodListWindows;
class MainWindow;
class Platform;
struct DocumentRequest;

// The food lists as the main window offers them: the File menu's food list
// commands and recent files, "&Categories" of the Foods menu, the open lists
// in the Window menu, the document named at start, and the save questions
// when the program ends.
class FoodListFeature : public QObject {
    Q_OBJECT
public:
    FoodListFeature(MainWindow& window, FoodDataBase& db, Platform& platform, ActiveDocument& active);
    ~FoodListFeature() override;

    // A FoodList named on the command line; false when it cannot be opened.
    bool openDocument(const DocumentRequest& request);
    // Asks about every modified list first, then closes them all; false,
    // with nothing closed, when the user cancelled.
    bool closeAll();

    FoodListWindows& windows() const { return *windows_; }
    FoodListCommands& commands() const { return *commands_; }
    RecentFiles& recentFiles() { return recent_; }

private:
    void updateActions();
    void listRecentFiles();
    void listWindows();

    MainWindow& window_;
    RecentFiles recent_;
    std::unique_ptr<FoodListWindows> windows_;
    std::unique_ptr<FoodListCommands> commands_;
    std::unique_ptr<FindFoodFeature> finder_;
    std::vector<QAction*> documentActions_;
    std::vector<QAction*> recentActions_;
    std::vector<QAction*> windowActions_;
};

} // namespace korva
