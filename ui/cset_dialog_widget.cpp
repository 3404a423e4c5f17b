#include "ui/cset_dialog_widget.h"

#include "app/cset_dialog.h"

namespace korva {

namespace {
constexpr int kListWidthChars = 30;
}

CSetDialogWidget::CSetDialogWidget(CSetDialog& dialog, QWidget* parent)
    : ListChoiceDialog(
          {"csetDialog", CSetDialog::kCaption, "categoryList", CSetDialog::kOk, CSetDialog::kCancel, kListWidthChars},
          dialog.rows(), dialog.chosen(), parent),
      dialog_(dialog) {}

void CSetDialogWidget::rowSelected(int row) { dialog_.onRowSelected(row); }
void CSetDialogWidget::rowDoubleClicked(int row) {
    dialog_.onRowSelected(row);
    dialog_.onOk();
}
void CSetDialogWidget::okPressed() { dialog_.onOk(); }
void CSetDialogWidget::cancelled() { dialog_.onCancel(); }
bool CSetDialogWidget::finished() const { return dialog_.finished(); }
bool CSetDialogWidget::chosen() const { return dialog_.ok(); }

} // namespace korva
