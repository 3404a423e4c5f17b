#pragma once

#include <functional>
#include <string>

#include "app/food_editor.h"
#include "ui/editor_dialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace korva {

// The face of FoodEditor: the food's fields of the mode above the value
// fields, and the mode's buttons.  Every control goes to one editor method;
// the face then shows the editor's state again.
class FoodEditorWidget : public EditorDialog {
    Q_OBJECT
public:
    FoodEditorWidget(FoodEditor& editor, QWidget* parent = nullptr);

private:
    QWidget* buildNewFoodFields();
    QWidget* buildModifyFields();
    void buildCommonFields(QWidget* box);
    QLineEdit* textField(const char* name, int maxLength, std::function<void(const std::string&)> edited);
    QWidget* stepped(QLineEdit* field, const char* name, std::function<void(bool)> step);
    void refresh() override;

    FoodEditor& editor_;
    QLineEdit* name_ = nullptr;
    QLineEdit* serving_ = nullptr;
    QLineEdit* gramsPerServing_ = nullptr;
    QWidget* gramsPerServingBox_ = nullptr;
    QLineEdit* gramsEntered_ = nullptr;
    QComboBox* category_ = nullptr;
    QListWidget* foods_ = nullptr;
    QLabel* servingsLine_ = nullptr;
};

} // namespace korva
