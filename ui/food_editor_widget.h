#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <string>

#include "app/food_editor.h"
#include "core/nutrient_record.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QStackedWidget;

namespace korva {

// The face of FoodEditor: the fields of the mode above the two pages of
// value fields, and the mode's buttons.  Every control goes to one editor
// method; the face then shows the editor's state again.
class FoodEditorWidget : public QDialog {
    Q_OBJECT
public:
    FoodEditorWidget(FoodEditor& editor, QWidget* parent = nullptr);

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildFoodFields();
    QWidget* buildPages();
    QWidget* buildButtons();
    QLineEdit* textField(const char* name, int maxLength, std::function<void(const std::string&)> edited);
    QWidget* stepped(QLineEdit* field, const char* name, std::function<void(bool)> step);
    void after();
    void refresh();

    FoodEditor& editor_;
    std::array<QLineEdit*, kNutrientCount> values_{};
    std::array<QLabel*, kNutrientCount> percents_{};
    QStackedWidget* pages_ = nullptr;
    QRadioButton* standard_ = nullptr;
    QRadioButton* amino_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* serving_ = nullptr;
    QLineEdit* gramsPerServing_ = nullptr;
    QLineEdit* gramsEntered_ = nullptr;
    QComboBox* category_ = nullptr;
    QListWidget* foods_ = nullptr;
    QLabel* servingsLine_ = nullptr;
};

} // namespace korva
