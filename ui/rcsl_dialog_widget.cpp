#include "ui/rcsl_dialog_widget.h"

#include <QLabel>
#include <QLineEdit>

#include "ui/qt_text.h"

namespace korva {

namespace {
constexpr int kListWidthChars = 36;
}

RcSlDialogWidget::RcSlDialogWidget(RcSlDialog& dialog, QWidget* parent)
    : ListChoiceDialog(
          {"rcslDialog", RcSlDialog::kCaption, "recipeList", RcSlDialog::kOk, RcSlDialog::kCancel, kListWidthChars},
          dialog.rows(), dialog.selectedRow(), parent),
      dialog_(dialog) {
    auto* label = new QLabel(toQt(RcSlDialog::kLabel), this);
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("selectedRecipe"));
    name_->setReadOnly(true);
    label->setBuddy(name_);
    addAbove(label);
    addAbove(name_);
    refresh();
}

void RcSlDialogWidget::rowSelected(int row) {
    dialog_.onRowSelected(row);
    refresh();
}
void RcSlDialogWidget::rowDoubleClicked(int row) { dialog_.onRowDoubleClicked(row); }
void RcSlDialogWidget::okPressed() { dialog_.onOk(); }
void RcSlDialogWidget::cancelled() { dialog_.onCancel(); }
bool RcSlDialogWidget::finished() const { return dialog_.finished(); }
bool RcSlDialogWidget::chosen() const { return dialog_.accepted(); }

void RcSlDialogWidget::refresh() { name_->setText(toQt(dialog_.selectedName())); }

void QtRecipeChooser::run(RcSlDialog& dialog) { RcSlDialogWidget(dialog, parent_).run(); }

} // namespace korva
