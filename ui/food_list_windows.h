#pragma once

#include <QObject>

#include <filesystem>
#include <vector>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QWidget;

namespace korva {

class ActiveDocument;
class FListChildWindow;
class FoodDataBase;
class Platform;
class RecentFiles;

// The food list commands of the main window: new, open, save, save as and
// merge of the active list, the recent-file entries, and the category
// picker in browse-only mode.  Each document lives in its own child window
// of the document area.
class FoodListWindows : public QObject {
    Q_OBJECT
public:
    FoodListWindows(QMdiArea* area, FoodDataBase& db, Platform& platform, ActiveDocument& active,
                    RecentFiles& recent, QObject* parent = nullptr);

    // Adds all food list entries to the File menu (in front of `before`,
    // when given) and "&Categories" to the Foods menu.
    void installMenus(QMenu* fileMenu, QAction* before, QMenu* foodsMenu);
    // Save, Save As and Merge of the active list, in front of `before`.
    void addDocumentItems(QMenu* fileMenu, QAction* before);
    // The recent files, in front of `before`.
    void addRecentFiles(QMenu* fileMenu, QAction* before);

    FListChildWindow* newFoodList();
    // Opens (or, when it is open already, shows) the list in `file`; null
    // when it cannot be read (the user was told why).
    FListChildWindow* openFoodList(const std::filesystem::path& file);
    void chooseAndOpenFoodList();
    void saveActive();
    void saveActiveAs();
    void mergeIntoActive();
    void showCategories();
    void openRecent(std::size_t i);

    // The food list window that has the focus, if any.
    FListChildWindow* activeWindow() const;
    std::vector<FListChildWindow*> windows() const;
    // Closes every window, each asking to save its changes; false when the
    // user kept one open.
    bool closeAll();

    QAction* newAction() const { return newAction_; }
    QAction* openAction() const { return openAction_; }
    QAction* saveAction() const { return saveAction_; }
    QAction* saveAsAction() const { return saveAsAction_; }
    QAction* mergeAction() const { return mergeAction_; }
    QAction* categoriesAction() const { return categoriesAction_; }

signals:
    // A document was opened, closed, activated or renamed: the main window
    // title may show it.
    void documentsChanged();

private:
    FListChildWindow* show(FListChildWindow* window);
    void onActivated(QMdiSubWindow* window);
    void updateActions();
    void rememberRecent(const std::filesystem::path& file);
    void rebuildRecentMenu();

    QMdiArea* area_;
    FoodDataBase& db_;
    Platform& platform_;
    ActiveDocument& active_;
    RecentFiles& recent_;
    QMenu* fileMenu_ = nullptr;
    QAction* recentAnchor_ = nullptr;
    std::vector<QAction*> recentActions_;
    QAction* newAction_;
    QAction* openAction_;
    QAction* saveAction_;
    QAction* saveAsAction_;
    QAction* mergeAction_;
    QAction* categoriesAction_;
};

} // namespace korva
