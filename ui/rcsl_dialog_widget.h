#pragma once

#include "lists/rcsl_dialog.h"
#include "ui/list_choice_dialog.h"

class QLineEdit;

namespace korva {

// The face of RcSlDialog: the chosen recipe's name under its label, the
// list of recipes, OK and Cancel.
class RcSlDialogWidget : public ListChoiceDialog {
    Q_OBJECT
public:
    RcSlDialogWidget(RcSlDialog& dialog, QWidget* parent = nullptr);

private:
    void rowSelected(int row) override;
    void rowDoubleClicked(int row) override;
    void okPressed() override;
    void cancelled() override;
    bool finished() const override;
    bool chosen() const override;
    void refresh();

    RcSlDialog& dialog_;
    QLineEdit* name_;
};

// Runs the recipe chooser modally over `parent`.
class QtRecipeChooser : public RecipeChooser {
public:
    explicit QtRecipeChooser(QWidget* parent) : parent_(parent) {}
    void run(RcSlDialog& dialog) override;

private:
    QWidget* parent_;
};

} // namespace korva
