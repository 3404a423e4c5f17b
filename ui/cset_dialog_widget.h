#pragma once

#include "ui/list_choice_dialog.h"

namespace korva {

class CSetDialog;

// The face of CSetDialog: the categories, OK and Cancel.
class CSetDialogWidget : public ListChoiceDialog {
    Q_OBJECT
public:
    CSetDialogWidget(CSetDialog& dialog, QWidget* parent = nullptr);

private:
    void rowSelected(int row) override;
    void rowDoubleClicked(int row) override;
    void okPressed() override;
    void cancelled() override;
    bool finished() const override;
    bool chosen() const override;

    CSetDialog& dialog_;
};

} // namespace korva
