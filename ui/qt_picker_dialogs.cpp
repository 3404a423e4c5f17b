#include "ui/qt_picker_dialogs.h"

#include "search/category_food_picker.h"
#include "search/mat_dialog.h"
#include "ui/category_picker_widget.h"
#include "ui/mat_dialog_widget.h"
#include "ui/nutrient_view_commands.h"

namespace korva {

void QtPickerDialogs::run(MatDialog& dialog) { MatDialogWidget(dialog, parent_).run(); }

void QtPickerDialogs::run(CategoryFoodPicker& picker) {
    CategoryPickerWidget* shown = nullptr;
    // "&VIEW" is offered where the program's nutrient views are at hand.
    if (NutrientViews* views = NutrientViews::of(parent_))
        picker.setFoodViewer([views, &shown](int category, int food) { views->showFood(category, food, shown); });
    CategoryPickerWidget face(picker, parent_);
    shown = &face;
    face.exec();
    if (!picker.finished()) picker.onClose();
}

} // namespace korva
