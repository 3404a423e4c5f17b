#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <vector>

#include "app/nutrient_fields.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class QStackedWidget;
class QVBoxLayout;

namespace korva {

// The face of NutrientFields: the page choice and the two pages of value
// fields with their units and labels.  `edited` runs after every change the
// user makes, so that the dialog shows its state again.
class NutrientFieldsWidget : public QWidget {
    Q_OBJECT
public:
    NutrientFieldsWidget(NutrientFields& fields, std::function<void()> edited, QWidget* parent);
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildPageChoice();
    QWidget* buildPage(std::initializer_list<NutrientGroup> groups);

    NutrientFields& fields_;
    std::function<void()> edited_;
    std::array<QLineEdit*, kNutrientCount> values_{};
    std::array<QLabel*, kNutrientCount> percents_{};
    QStackedWidget* pages_ = nullptr;
    QRadioButton* standard_ = nullptr;
    QRadioButton* amino_ = nullptr;
};

// What the food and the profile editor's faces share: the value fields
// below the editor's own fields, the editor's buttons below them, and an
// end when the editor is finished.
class EditorDialog : public QDialog {
    Q_OBJECT
public:
    void reject() override;

protected:
    EditorDialog(std::function<bool()> finished, std::function<void()> close, QWidget* parent);
    void addFieldsAndButtons(QVBoxLayout* layout, NutrientFields& fields, const std::vector<EditorButton>& buttons);
    // Shows the editor's state again.
    virtual void refresh();
    // After a button: closes when the editor is finished.
    void after();

private:
    std::function<bool()> finished_;
    std::function<void()> close_;
    NutrientFieldsWidget* fields_ = nullptr;
};

} // namespace korva
