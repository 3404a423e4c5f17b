#include "ui/usel_dialog_widget.h"

#include <QLineEdit>

#include "app/usel_dialog.h"
#include "ui/qt_text.h"

namespace korva {

namespace {
constexpr int kListWidthChars = 32;
}

USelDialogWidget::USelDialogWidget(USelDialog& dialog, QWidget* parent)
    : ListChoiceDialog({"uselDialog", USelDialog::kCaption, "userList", USelDialog::kOk, USelDialog::kCancel,
                        kListWidthChars},
                       dialog.rows(), dialog.selectedRow(), parent),
      dialog_(dialog) {
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("selectedName"));
    name_->setReadOnly(true);
    addAbove(name_);
    refresh();
}

void USelDialogWidget::rowSelected(int row) {
    dialog_.onRowSelected(row);
    refresh();
}
void USelDialogWidget::rowDoubleClicked(int row) { dialog_.onRowDoubleClicked(row); }
void USelDialogWidget::okPressed() { dialog_.onOk(); }
void USelDialogWidget::cancelled() { dialog_.onCancel(); }
bool USelDialogWidget::finished() const { return dialog_.finished(); }
bool USelDialogWidget::chosen() const { return dialog_.result().has_value(); }

void USelDialogWidget::refresh() { name_->setText(toQt(dialog_.selectedName())); }

void QtUserDialogRunner::runUserSelection(USelDialog& dialog) { USelDialogWidget(dialog, parent_).run(); }

} // namespace korva
