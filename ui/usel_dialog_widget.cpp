#include "ui/usel_dialog_widget.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/usel_dialog.h"
#include "ui/qt_text.h"

namespace korva {

USelDialogWidget::USelDialogWidget(USelDialog& dialog, QWidget* parent) : QDialog(parent), dialog_(dialog) {
    setObjectName("uselDialog");
    setWindowTitle(toQt(USelDialog::kCaption));
    auto* layout = new QVBoxLayout(this);

    name_ = new QLineEdit(this);
    name_->setObjectName("selectedName");
    name_->setReadOnly(true);
    layout->addWidget(name_);

    list_ = new QListWidget(this);
    list_->setObjectName("userList");
    for (const auto& row : dialog_.rows())
        list_->addItem(toQt(row));
    list_->setCurrentRow(dialog_.selectedRow());
    list_->setMinimumWidth(fontMetrics().averageCharWidth() * 32);
    layout->addWidget(list_);

    auto* ok = new QPushButton(toQt(USelDialog::kOk), this);
    ok->setObjectName("okButton");
    ok->setDefault(true);
    auto* cancel = new QPushButton(toQt(USelDialog::kCancel), this);
    cancel->setObjectName("cancelButton");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        dialog_.onRowSelected(row);
        refresh();
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        dialog_.onRowDoubleClicked(list_->row(item));
        finishIfDone();
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        dialog_.onOk();
        finishIfDone();
    });
    connect(cancel, &QPushButton::clicked, this, &USelDialogWidget::reject);
    refresh();
}

void USelDialogWidget::refresh() { name_->setText(toQt(dialog_.selectedName())); }

void USelDialogWidget::reject() {
    dialog_.onCancel();
    QDialog::reject();
}

void USelDialogWidget::finishIfDone() {
    if (dialog_.finished())
        done(dialog_.result() ? QDialog::Accepted : QDialog::Rejected);
}

void QtUserDialogRunner::runUserSelection(USelDialog& dialog) {
    USelDialogWidget widget(dialog, parent_);
    widget.exec();
}

} // namespace korva
