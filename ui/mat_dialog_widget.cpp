#include "ui/mat_dialog_widget.h"

#include <QLabel>

#include "search/mat_dialog.h"
#include "ui/qt_text.h"

namespace korva {

namespace {
constexpr int kListWidthChars = 48;
}

MatDialogWidget::MatDialogWidget(MatDialog& dialog, QWidget* parent)
    : ListChoiceDialog({"matDialog", MatDialog::kCaption, "matchList", MatDialog::kOk, MatDialog::kCancel,
                        kListWidthChars},
                       dialog.rows(), dialog.selectedRow(), parent),
      dialog_(dialog) {
    addAbove(new QLabel(toQt(MatDialog::kPrompt), this));
}

void MatDialogWidget::rowSelected(int row) { dialog_.onRowSelected(row); }
void MatDialogWidget::rowDoubleClicked(int row) { dialog_.onRowDoubleClicked(row); }
void MatDialogWidget::okPressed() { dialog_.onOk(); }
void MatDialogWidget::cancelled() { dialog_.onCancel(); }
bool MatDialogWidget::finished() const { return dialog_.finished(); }
bool MatDialogWidget::chosen() const { return dialog_.ok(); }

} // namespace korva
