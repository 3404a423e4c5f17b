#pragma once

#include "search/picker_dialogs.h"

class QWidget;

namespace korva {

// Runs the pickers as modal Qt dialogs over `parent`.
class QtPickerDialogs : public PickerDialogs {
public:
    explicit QtPickerDialogs(QWidget* parent) : parent_(parent) {}
    void run(MatDialog& dialog) override;
    void run(CategoryFoodPicker& picker) override;

private:
    QWidget* parent_;
};

} // namespace korva
