#pragma once

namespace korva {

class CategoryFoodPicker;
class MatDialog;

// Runs a picker modally until it has finished.  The Qt face shows a dialog;
// tests play the user's part on the behaviour object directly.
class PickerDialogs {
public:
    virtual ~PickerDialogs() = default;
    virtual void run(MatDialog& dialog) = 0;
    virtual void run(CategoryFoodPicker& picker) = 0;
};

} // namespace korva
