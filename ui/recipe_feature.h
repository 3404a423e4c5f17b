#pragma once

#include <QObject>

#include <memory>
#include <vector>

class QAction;

namespace korva {

class ActiveDocument;
class FoodDataBase;
class FoodListWindows;
class MainWindow;
class Platform;
class RecipeCommands;
struct DocumentRequest;

// The recipes as the main window offers them: New Recipe, Open Recipe and
// Restore, the recipe window's own commands in the Recipe menu, Merge Recipe
// of the File menu, and a recipe named at start.
class RecipeFeature : public QObject {
    Q_OBJECT
public:
    RecipeFeature(MainWindow& window, FoodDataBase& db, Platform& platform, ActiveDocument& active,
                  FoodListWindows& windows);
    ~RecipeFeature() override;

    // A recipe named on the command line; false when it cannot be opened.
    bool openDocument(const DocumentRequest& request);
    RecipeCommands& commands() const { return *commands_; }

private:
    void updateActions();
    // The focused recipe form's typed fields, taken before a menu command.
    void commitFocusedForm();

    MainWindow& window_;
    FoodListWindows& windows_;
    std::unique_ptr<RecipeCommands> commands_;
    std::vector<QAction*> documentActions_;
};

} // namespace korva
