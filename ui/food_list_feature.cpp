#include "ui/food_list_feature.h"

#include <QAction>
#include <QMenu>

#include "app/command_line.h"
#include "app/command_table.h"
#include "core/food_data_base.h"
#include "ui/food_list_windows.h"
#include "ui/list_print_commands.h"
#include "ui/main_window.h"
#include "ui/nutrient_view_commands.h"
#include "ui/qt_report_printer.h"

namespace korva {

namespace {

// The action that follows `action` in `menu`, or null at the end.
QAction* actionAfter(QMenu* menu, QAction* action) {
    const auto all = menu->actions();
    const qsizetype i = all.indexOf(action);
    return (i >= 0 && i + 1 < all.size()) ? all[i + 1] : nullptr;
}

} // namespace

FoodListFeature::FoodListFeature(MainWindow& window, FoodDataBase& db, Platform& platform, ActiveDocument& active)
    : db_(db), recent_(db.paths().userDir() / "recent.lst") {
    recent_.load();
    windows_ = std::make_unique<FoodListWindows>(window.mdiArea(), db, platform, active, recent_);
    FoodListWindows* w = windows_.get();

    window.addCommand(kCmdNewFoodList, [w] { w->newFoodList(); });
    QAction* open = window.addCommand(kCmdOpenFoodList, [w] { w->chooseAndOpenFoodList(); });
    window.addCommand(kCmdCategories, [w] { w->showCategories(); });

    // The document commands of a list window sit under Open, the recent
    // files above Exit.
    QMenu* file = window.menu(MenuId::file);
    w->addDocumentItems(file, actionAfter(file, open));
    addPrintFoodListCommand(file, actionAfter(file, w->mergeAction()), *w, active, QtReportPrinter::shared());
    w->addRecentFiles(file, window.action(kCmdExit));

    QObject::connect(w, &FoodListWindows::documentsChanged, &window, &MainWindow::refresh);

    auto* views = new NutrientViews(db, platform, QtReportPrinter::shared(), &window);
    views->install(window, *w);
}

FoodListFeature::~FoodListFeature() = default;

bool FoodListFeature::openDocument(const DocumentRequest& request) {
    // Recipes come with their own view; until then a recipe named at start
    // is left for the recipe windows to open.
    if (request.kind != DocumentKind::foodList) return true;
    // A bare name the shell cannot find is looked for among the FoodLists,
    // where the program keeps them.
    std::filesystem::path file = request.path;
    std::error_code ec;
    if (file.is_relative() && !std::filesystem::exists(file, ec) &&
        std::filesystem::exists(db_.paths().foodListDir() / file, ec))
        file = db_.paths().foodListDir() / file;
    return windows_->openFoodList(file) != nullptr;
}

bool FoodListFeature::closeAll() { return windows_->closeAll(); }

} // namespace korva
