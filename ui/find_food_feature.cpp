#include "ui/find_food_feature.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

#include "app/command_table.h"
#include "core/food_data_base.h"
#include "lists/flist_doc.h"
#include "lists/food_list.h"
#include "search/find_food_dialog.h"
#include "ui/find_food_widget.h"
#include "ui/flist_child_window.h"
#include "ui/food_list_windows.h"
#include "ui/main_window.h"

namespace korva {

FindFoodFeature::FindFoodFeature(MainWindow& window, FoodDataBase& db, FoodListWindows& windows)
    : window_(window), db_(db), windows_(windows) {
    action_ = window.addCommand(kCmdFindFood, [this] { open(); });
    connect(&windows, &FoodListWindows::documentsChanged, this, &FindFoodFeature::afterDocumentsChanged);
    afterDocumentsChanged();
}

void FindFoodFeature::afterDocumentsChanged() {
    if (!action_) return;
    action_->setEnabled(windows_.activeWindow() != nullptr);
    noteOpenLists();
    for (FListChildWindow* w : windows_.windows()) {
        QMenu* menu = w->systemMenu();
        if (menu && !menu->actions().contains(action_)) menu->addAction(action_);
    }
}

void FindFoodFeature::noteOpenLists() {
    for (FListChildWindow* w : windows_.windows())
        for (const FoodItem& item : w->document().list().items()) recent_.note(item.foodId());
}

void FindFoodFeature::open() {
    // The window could go while the finder is open; then nothing is added.
    QPointer<FListChildWindow> target = windows_.activeWindow();
    if (!target) return;
    noteOpenLists();
    FindFoodDialog dialog(db_, recent_);
    FindFoodWidget face(dialog, &window_);
    if (size_.isValid()) face.resize(size_);
    face.exec();
    size_ = face.size();
    const auto position = dialog.chosenEntry();
    if (!position || !target) return;
    recent_.note(db_.index().entries()[*position].id);
    target->addChosenFood(*position);
}

} // namespace korva
