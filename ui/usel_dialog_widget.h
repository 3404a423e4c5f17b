#pragma once

#include "app/user_commands.h"
#include "ui/list_choice_dialog.h"

class QLineEdit;

namespace korva {

class USelDialog;

// The face of USelDialog: the chosen name above the list of users, OK and
// Cancel.
class USelDialogWidget : public ListChoiceDialog {
    Q_OBJECT
public:
    USelDialogWidget(USelDialog& dialog, QWidget* parent = nullptr);

private:
    void rowSelected(int row) override;
    void rowDoubleClicked(int row) override;
    void okPressed() override;
    void cancelled() override;
    bool finished() const override;
    bool chosen() const override;
    void refresh();

    USelDialog& dialog_;
    QLineEdit* name_;
};

// Runs the selection dialog modally over the main window.
class QtUserDialogRunner : public UserDialogRunner {
public:
    explicit QtUserDialogRunner(QWidget* parent) : parent_(parent) {}
    void runUserSelection(USelDialog& dialog) override;

private:
    QWidget* parent_;
};

} // namespace korva
