#include "ui/qt_picker_dialogs.h"

#include "search/category_food_picker.h"
#include "search/mat_dialog.h"
#include "ui/category_picker_widget.h"
#include "ui/mat_dialog_widget.h"

namespace korva {

void QtPickerDialogs::run(MatDialog& dialog) { MatDialogWidget(dialog, parent_).run(); }

void QtPickerDialogs::run(CategoryFoodPicker& picker) {
    CategoryPickerWidget* shown = nullptr;
    if (viewer_) picker.setFoodViewer([this, &shown](int category, int food) { viewer_(category, food, shown); });
    CategoryPickerWidget face(picker, parent_);
    shown = &face;
    face.exec();
    if (!picker.finished()) picker.onClose();
}

} // namespace korva
