#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

namespace korva {

class MatDialog;

// The face of MatDialog: the matching foods in a list, OK and Cancel.
class MatDialogWidget : public QDialog {
    Q_OBJECT
public:
    MatDialogWidget(MatDialog& dialog, QWidget* parent = nullptr);

    void reject() override;

private:
    void finishIfDone();

    MatDialog& dialog_;
    QListWidget* list_;
};

} // namespace korva
