#pragma once

#include <functional>

#include "search/picker_dialogs.h"

class QWidget;

namespace korva {

// Shows a food of the data base (its category and its place in that
// category's list) in the nutrient view, over a window.
using FoodViewer = std::function<void(int category, int food, QWidget* over)>;

// Runs the pickers as modal Qt dialogs over `parent`.  With a viewer the
// category picker offers "&VIEW".
class QtPickerDialogs : public PickerDialogs {
public:
    explicit QtPickerDialogs(QWidget* parent, FoodViewer viewer = {}) : parent_(parent), viewer_(std::move(viewer)) {}
    void run(MatDialog& dialog) override;
    void run(CategoryFoodPicker& picker) override;

private:
    QWidget* parent_;
    FoodViewer viewer_;
};

} // namespace korva
