#pragma once

#include "ui/list_choice_dialog.h"

namespace korva {

class MatDialog;

// The face of MatDialog: the matching foods in a list, OK and Cancel.
class MatDialogWidget : public ListChoiceDialog {
    Q_OBJECT
public:
    MatDialogWidget(MatDialog& dialog, QWidget* parent = nullptr);

private:
    void rowSelected(int row) override;
    void rowDoubleClicked(int row) override;
    void okPressed() override;
    void cancelled() override;
    bool finished() const override;
    bool chosen() const override;

    MatDialog& dialog_;
};

} // namespace korva
