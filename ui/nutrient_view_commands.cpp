#include "ui/nutrient_view_commands.h"

#include <QAction>
#include <QMdiArea>

#include "app/command_table.h"
#include "core/food_data_base.h"
#include "daily/indiv_dlg.h"
#include "lists/flist_doc.h"
#include "ui/flist_child_window.h"
#include "ui/food_list_windows.h"
#include "ui/main_window.h"
#include "ui/nutrient_view_dialog_widget.h"

namespace korva {

NutrientViews::NutrientViews(FoodDataBase& db, Platform& platform, ReportPrinter& printer, QObject* parent)
    : QObject(parent), db_(db), platform_(platform), printer_(printer) {
    setObjectName("nutrientViews");
}

NutrientViews* NutrientViews::of(QWidget* w) {
    if (!w) return nullptr;
    return w->window()->findChild<NutrientViews*>(QStringLiteral("nutrientViews"));
}

void NutrientViews::run(NutrientViewDialog& view, QWidget* parent) {
    NutrientViewDialogWidget face(view, printer_, parent);
    face.exec();
}

void NutrientViews::showDocument(FListChildWindow& window, NutrientViewDialog::Display display) {
    CFListDoc& doc = window.document();
    if (!doc.checkViewAllNutrients()) return;
    const ViewFoods foods(db_);
    NutrientViewDialog view(foods, platform_, display, doc, NutrientViewDialog::kWhole);
    run(view, &window);
    window.documentChanged();
}

void NutrientViews::showOneNutrient(FListChildWindow& window) {
    CFListDoc& doc = window.document();
    if (!doc.checkViewOneNutrient()) return;
    IndivDlg dialog(doc.list(), ViewFoods(db_).user(), platform_);
    IndivDlgWidget face(dialog, &window);
    face.exec();
    window.documentChanged();
}

void NutrientViews::showFood(int category, int food, QWidget* parent) {
    const ViewFoods foods(db_);
    NutrientViewDialog view(foods, platform_, NutrientViewDialog::kTable, category, food);
    run(view, parent);
}

void NutrientViews::showCurrentFood(QWidget* parent) {
    const ViewFoods foods(db_);
    showFood(foods.currentCategory(), foods.currentFoodIndex(), parent);
}

void NutrientViews::install(MainWindow& window, FoodListWindows& windows) {
    FoodListWindows* lists = &windows;
    const auto onActive = [lists](auto act) {
        return [lists, act] {
            if (FListChildWindow* w = lists->activeWindow()) act(*w);
        };
    };
    QAction* table = window.addCommand(
        kCmdViewTable, onActive([this](FListChildWindow& w) { showDocument(w, NutrientViewDialog::kTable); }));
    QAction* chart = window.addCommand(
        kCmdViewChart, onActive([this](FListChildWindow& w) { showDocument(w, NutrientViewDialog::kHistogram); }));
    QAction* one =
        window.addCommand(kCmdViewOneNutrient, onActive([this](FListChildWindow& w) { showOneNutrient(w); }));
    window.addCommand(kCmdViewFoods, [this, &window] { showCurrentFood(&window); });

    // The document commands act on a list window; without one they rest.
    const auto enable = [lists, table, chart, one] {
        const bool list = lists->activeWindow() != nullptr;
        for (QAction* a : {table, chart, one})
            if (a) a->setEnabled(list);
    };
    connect(window.mdiArea(), &QMdiArea::subWindowActivated, this, enable);
    enable();
}

} // namespace korva
