#pragma once

#include <QDialog>

#include "app/user_commands.h"

class QLineEdit;
class QListWidget;

namespace korva {

class USelDialog;

// The face of USelDialog: the chosen name above the list of users, OK and
// Cancel.
class USelDialogWidget : public QDialog {
    Q_OBJECT
public:
    USelDialogWidget(USelDialog& dialog, QWidget* parent = nullptr);

    void reject() override;

private:
    void refresh();
    void finishIfDone();

    USelDialog& dialog_;
    QLineEdit* name_;
    QListWidget* list_;
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
