#include "ui/mat_dialog_widget.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "search/mat_dialog.h"
#include "ui/qt_text.h"

namespace korva {

MatDialogWidget::MatDialogWidget(MatDialog& dialog, QWidget* parent) : QDialog(parent), dialog_(dialog) {
    setObjectName("matDialog");
    setWindowTitle(toQt(MatDialog::kCaption));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(toQt(MatDialog::kPrompt), this));

    list_ = new QListWidget(this);
    list_->setObjectName("matchList");
    for (const auto& row : dialog_.rows()) list_->addItem(toQt(row));
    list_->setCurrentRow(dialog_.selectedRow());
    list_->setMinimumWidth(fontMetrics().averageCharWidth() * 48);
    layout->addWidget(list_);

    auto* ok = new QPushButton(tr("&OK"), this);
    ok->setObjectName("okButton");
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("cancelButton");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { dialog_.onRowSelected(row); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        dialog_.onRowDoubleClicked(list_->row(item));
        finishIfDone();
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        dialog_.onOk();
        finishIfDone();
    });
    connect(cancel, &QPushButton::clicked, this, &MatDialogWidget::reject);
}

void MatDialogWidget::reject() {
    dialog_.onCancel();
    QDialog::reject();
}

void MatDialogWidget::finishIfDone() {
    if (dialog_.finished()) done(dialog_.ok() ? QDialog::Accepted : QDialog::Rejected);
}

} // namespace korva
