#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace korva {

class CategoryFoodPicker;

// The face of CategoryFoodPicker: categories in a drop-down list, the foods
// of the chosen one below, and the ADD, HELP and CLOSE buttons.
class CategoryPickerWidget : public QDialog {
    Q_OBJECT
public:
    CategoryPickerWidget(CategoryFoodPicker& picker, QWidget* parent = nullptr);

    void reject() override;

private:
    void refresh();
    void finishIfDone();

    CategoryFoodPicker& picker_;
    QComboBox* categories_;
    QLineEdit* name_;
    QListWidget* foods_;
    int shownCategory_ = -1;
};

} // namespace korva
