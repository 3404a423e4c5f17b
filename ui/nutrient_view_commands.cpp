#include "ui/nutrient_view_commands.h"

#include <QAction>
#include <QMdiArea>

#include "app/command_table.h"
#include "daily/indiv_dlg.h"
#include "ui/flist_child_window.h"
#include "ui/food_list_windows.h"
#include "ui/main_window.h"
#include "ui/nutrient_view_dialog_widget.h"
#include "ui/protein_quality_widget.h"

namespace korva {

NutrientViews::NutrientViews(FoodDataBase& db, Platform& platform, ReportPrinter& printer, QObject* parent)
    : QObject(parent), commands_(db, platform), printer_(printer) {}

void NutrientViews::run(NutrientViewDialog& view) {
    NutrientViewDialogWidget face(view, printer_, over_);
    face.exec();
}

void NutrientViews::run(IndivDlg& dialog) {
    IndivDlgWidget face(dialog, over_);
    face.exec();
}

void NutrientViews::run(ProteinQualityDialog& dialog) {
    ProteinQualityWidget face(dialog, printer_, over_);
    face.exec();
}

void NutrientViews::showFood(int category, int food, QWidget* parent) {
    over_ = parent;
    commands_.onViewFood(category, food, *this);
}

void NutrientViews::install(MainWindow& window, FoodListWindows& windows) {
    FoodListWindows* lists = &windows;
    // A document view ends with the window showing the item it stepped to.
    const auto onActive = [this, lists](auto act) {
        return [this, lists, act] {
            FListChildWindow* w = lists->activeWindow();
            if (!w) return;
            over_ = w;
            if (act(w->document())) w->documentChanged();
        };
    };
    QAction* table = window.addCommand(kCmdViewTable, onActive([this](CFListDoc& d) {
                                           return commands_.onViewDocument(d, NutrientViewDialog::kTable, *this);
                                       }));
    QAction* chart = window.addCommand(kCmdViewChart, onActive([this](CFListDoc& d) {
                                           return commands_.onViewDocument(d, NutrientViewDialog::kHistogram, *this);
                                       }));
    QAction* one = window.addCommand(kCmdViewOneNutrient,
                                     onActive([this](CFListDoc& d) { return commands_.onViewOneNutrient(d, *this); }));
    QAction* protein = window.addCommand(
        kCmdProteinQuality, onActive([this](CFListDoc& d) { return commands_.onProteinQuality(d, *this); }));
    window.addCommand(kCmdViewFoods, [this, &window] {
        over_ = &window;
        commands_.onViewCurrentFood(*this);
    });

    // The document commands act on a list window; without one they rest.
    const auto enable = [lists, table, chart, one, protein] {
        const bool list = lists->activeWindow() != nullptr;
        for (QAction* a : {table, chart, one, protein})
            if (a) a->setEnabled(list);
    };
    connect(window.mdiArea(), &QMdiArea::subWindowActivated, this, enable);
    enable();
}

} // namespace korva
