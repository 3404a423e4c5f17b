#include "ui/recipe_feature.h"

#include <QAction>

#include <system_error>

#include "app/command_line.h"
#include "app/command_table.h"
#include "app/export_command.h"
#include "app/recipe_commands.h"
#include "core/food_data_base.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "lists/list_report.h"
#include "ui/flist_child_window.h"
#include "ui/food_list_windows.h"
#include "ui/main_window.h"
#include "ui/qt_report_printer.h"
#include "ui/rcsl_dialog_widget.h"

namespace korva {

RecipeFeature::RecipeFeature(MainWindow& window, FoodDataBase& db, Platform& platform, ActiveDocument& active,
                             FoodListWindows& windows)
    : window_(window), windows_(windows) {
    commands_ = std::make_unique<RecipeCommands>(db, platform, active, windows);
    RecipeCommands* c = commands_.get();

    window.addCommand(kCmdNewRecipe, [this, c] {
        c->onNewRecipe();
        window_.refresh();
    });
    window.addCommand(kCmdOpenRecipe, [this, c] {
        QtRecipeChooser chooser(&window_);
        c->onOpenRecipe(chooser);
        window_.refresh();
    });
    window.addCommand(kCmdRestoreRecipe, [this, c] {
        c->onRestore();
        window_.refresh();
    });

    documentActions_ = {
        window.addCommand(kCmdMergeRecipe,
                          [this, c] {
                              QtRecipeChooser chooser(&window_);
                              c->onMergeRecipe(chooser);
                          }),
        window.addCommand(kCmdRecipeMergeFoodList, [c] { c->onMergeFoodList(); }),
        window.addCommand(kCmdRecipeSave,
                          [this, c] {
                              commitFocusedForm();
                              c->onSave();
                              window_.refresh();
                          }),
        window.addCommand(kCmdRecipeSaveAs,
                          [this, c] {
                              commitFocusedForm();
                              c->onSaveAs();
                              window_.refresh();
                          }),
        window.addCommand(kCmdRecipeBackup, [c] { c->onBackup(); }),
        window.addCommand(kCmdRecipePrint,
                          [&active] {
                              if (const CFListDoc* doc = active.document())
                                  printRecipe(*doc, QtReportPrinter::shared());
                          }),
        window.addCommand(kCmdRecipeExport,
                          [this, &active, &platform] {
                              commitFocusedForm();
                              onExportRecipe(active, platform);
                          }),
        window.addCommand(kCmdRecipeClose,
                          [this, c] {
                              FListChildWindow* w = windows_.activeWindow();
                              if (w && c->onClose()) w->closeWithoutAsking();
                          }),
    };
    connect(&windows, &FoodListWindows::documentsChanged, this, &RecipeFeature::updateActions);
    updateActions();
}

RecipeFeature::~RecipeFeature() = default;

bool RecipeFeature::openDocument(const DocumentRequest& request) {
    if (request.kind != DocumentKind::recipe) return false;
    const bool opened = commands_->openRecipe(request.path) != nullptr;
    window_.refresh();
    return opened;
}

void RecipeFeature::commitFocusedForm() {
    if (FListChildWindow* w = windows_.activeWindow()) w->commitForm();
}

void RecipeFeature::updateActions() {
    const bool enabled = windows_.activeWindow() != nullptr;
    for (QAction* a : documentActions_)
        if (a) a->setEnabled(enabled);
}

} // namespace korva
