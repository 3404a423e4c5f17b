#include "ui/food_list_feature.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>

#include "app/command_line.h"
#include "app/command_table.h"
#include "app/export_command.h"
#include "app/food_list_commands.h"
#include "core/food_data_base.h"
#include "lists/active_document.h"
#include "lists/list_report.h"
#include "ui/find_food_feature.h"
#include "ui/flist_child_window.h"
#include "ui/food_list_windows.h"
#include "ui/main_window.h"
#include "ui/nutrient_view_commands.h"
#include "ui/qt_picker_dialogs.h"
#include "ui/qt_report_printer.h"
#include "ui/qt_text.h"

namespace korva {

namespace {

void removeAll(QMenu* menu, std::vector<QAction*>& actions) {
    for (QAction* a : actions) {
        menu->removeAction(a);
        a->deleteLater();
    }
    actions.clear();
}

} // namespace

FoodListFeature::FoodListFeature(MainWindow& window, FoodDataBase& db, Platform& platform, ActiveDocument& active)
    : window_(window), recent_(db.paths().userDir() / "recent.lst") {
    recent_.load();
    windows_ = std::make_unique<FoodListWindows>(window.mdiArea());
    commands_ = std::make_unique<FoodListCommands>(db, platform, active, recent_, *windows_);
    FoodListCommands* c = commands_.get();

    window.addCommand(kCmdNewFoodList, [c] { c->onNewFoodList(); });
    window.addCommand(kCmdOpenFoodList, [c] { c->onOpenFoodList(); });
    documentActions_ = {window.addCommand(kCmdSaveFoodList, [c] { c->onSaveFoodList(); }),
                        window.addCommand(kCmdSaveFoodListAs, [c] { c->onSaveFoodListAs(); }),
                        window.addCommand(kCmdMergeFoodList, [c] { c->onMergeFoodList(); }),
                        window.addCommand(kCmdPrintFoodList, [&active] {
                            if (const CFListDoc* doc = active.document())
                                printFoodList(*doc, QtReportPrinter::shared());
                        })};
    documentActions_.push_back(
        window.addCommand(kCmdExportFoodList, [&active, &platform] { onExportFoodList(active, platform); }));
    documentActions_.push_back(window.addCommand(kCmdPrintPreview, [&active] {
        if (const CFListDoc* doc = active.document()) printDocument(*doc, QtReportPrinter::shared().previewing());
    }));
    documentActions_.push_back(window.addCommand(kCmdExportCsv, [this, &active, &platform] {
        // A recipe's form fields reach its list before it is written.
        if (FListChildWindow* w = windows_->activeWindow()) w->commitForm();
        onExportCsv(active, platform);
    }));
    finder_ = std::make_unique<FindFoodFeature>(window, db, *windows_);
    window.addCommand(kCmdCategories, [this, c] {
        QtPickerDialogs dialogs(&window_, windows_->foodViewer());
        c->onCategories(dialogs);
    });

    // The lists named in the File and Window menus are read as the menus
    // open, so they are never stale.
    connect(window.menu(MenuId::file), &QMenu::aboutToShow, this, &FoodListFeature::listRecentFiles);
    connect(window.menu(MenuId::window), &QMenu::aboutToShow, this, &FoodListFeature::listWindows);
    window.setCloseGuard([this] { return closeAll(); });
    connect(windows_.get(), &FoodListWindows::documentsChanged, this, [this] {
        updateActions();
        window_.refresh();
    });
    updateActions();

    auto* views = new NutrientViews(db, platform, QtReportPrinter::shared(), &window);
    views->install(window, *windows_);
    windows_->setFoodViewer([views](int category, int food, QWidget* over) { views->showFood(category, food, over); });
}

FoodListFeature::~FoodListFeature() = default;

bool FoodListFeature::openDocument(const DocumentRequest& request) {
    // Recipes are opened by the recipe commands.
    if (request.kind != DocumentKind::foodList) return false;
    return commands_->openFoodList(request.path) != nullptr;
}

bool FoodListFeature::closeAll() {
    for (FListChildWindow* w : windows_->windows()) w->commitForm();
    if (!commands_->confirmCloseAll()) return false;
    windows_->closeAnswered();
    return true;
}

void FoodListFeature::updateActions() {
    const bool enabled = commands_->documentCommandsEnabled();
    for (QAction* a : documentActions_)
        if (a) a->setEnabled(enabled);
}

void FoodListFeature::listRecentFiles() {
    QMenu* file = window_.menu(MenuId::file);
    removeAll(file, recentActions_);
    const std::vector<std::string> texts = commands_->recentFileTexts();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        // The texts are file names: bytes in the file system's encoding.
        auto* a = new QAction(pathToQt(texts[i]), this);
        a->setObjectName(QStringLiteral("recentFileAction%1").arg(i + 1));
        a->setStatusTip(toQt(commandPrompt(kCmdRecentFile)));
        a->setToolTip(pathToQt(recent_.entries()[i]));
        connect(a, &QAction::triggered, this, [this, i] { commands_->onRecentFile(i); });
        recentActions_.push_back(a);
    }
    if (recentActions_.empty()) return;
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    recentActions_.push_back(separator);
    // Above Exit, as the last group of the menu.
    for (QAction* a : recentActions_) file->insertAction(window_.action(kCmdExit), a);
}

void FoodListFeature::listWindows() {
    QMenu* menu = window_.menu(MenuId::window);
    removeAll(menu, windowActions_);
    const std::vector<FListChildWindow*> open = windows_->windows();
    const std::vector<std::string> texts = commands_->windowListTexts();
    if (open.empty() || texts.size() != open.size()) return;
    windowActions_.push_back(menu->addSeparator());
    for (std::size_t i = 0; i < open.size(); ++i) {
        QAction* a = menu->addAction(toQt(texts[i]));
        a->setObjectName(QStringLiteral("windowListAction%1").arg(i + 1));
        a->setCheckable(true);
        a->setChecked(open[i] == windows_->activeWindow());
        FListChildWindow* w = open[i];
        connect(a, &QAction::triggered, this, [this, w] { window_.mdiArea()->setActiveSubWindow(w); });
        windowActions_.push_back(a);
    }
}

} // namespace korva
