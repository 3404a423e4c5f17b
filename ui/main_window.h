#pragma once

#include <QMainWindow>

#include <functional>
#include <map>
#include <memory>
#include <string_view>

#include "app/command_table.h"
#include "app/preference_commands.h"

class QLabel;
class QMdiArea;
class QMenu;
class QPrinter;

namespace korva {

class KorvaApp;
class Platform;
class ReportPrinter;

// The main window: a document area with the menu bar, accelerators and
// status bar of the command table.  Its state (title, greyed items, size)
// comes from the app's CMainFrame; commands are added as their functions
// exist, and each lands at its place in the command table's order.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(KorvaApp& app, Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    QMdiArea* mdiArea() const { return area_; }
    // A top-level menu, made on first use and put in its place on the bar.
    QMenu* menu(MenuId id);
    // The command's menu item, with its text, accelerator and prompt from the
    // table; `handler` runs when it is chosen.
    QAction* addCommand(int id, std::function<void()> handler);
    QAction* action(int id) const;

    // The printer the program prints on, made on first use: making one
    // loads the print system's client and asks it for printers, which no
    // start-up needs.
    QPrinter& printer();
    // The printer the windows opened from here print on.
    ReportPrinter& reportPrinter();

    // Title and greyed items afresh from the frame.
    void refresh();
    // Asked before the window closes (documents that want saving); the
    // window stays open when it answers false.
    void setCloseGuard(std::function<bool()> guard) { closeGuard_ = std::move(guard); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QMenu* submenu(MenuId id, std::string_view caption, int order);
    void addOwnCommands();
    void placeInOrder(QMenu* menu, QAction* action, int order);
    void sizeForScreen();
    void onPrintSetup();
    void onAbout();
    void tile();
    void cascade();
    void arrangeIcons();
    void afterPreference(CommandEnd end);

    KorvaApp& app_;
    Platform& platform_;
    QMdiArea* area_;
    QLabel* prompt_;
    std::map<MenuId, QMenu*> menus_;
    std::map<int, QAction*> actions_;
    std::function<bool()> closeGuard_;
};

} // namespace korva
