#include "ui/list_choice_dialog.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/qt_text.h"

namespace korva {

ListChoiceDialog::ListChoiceDialog(const Look& look, const std::vector<std::string>& rows, int selectedRow,
                                   QWidget* parent)
    : QDialog(parent) {
    setObjectName(QLatin1String(look.dialogName));
    setWindowTitle(toQt(look.caption));
    layout_ = new QVBoxLayout(this);

    list_ = new QListWidget(this);
    list_->setObjectName(QLatin1String(look.listName));
    for (const auto& row : rows) list_->addItem(toQt(row));
    list_->setCurrentRow(selectedRow);
    list_->setMinimumWidth(fontMetrics().averageCharWidth() * look.listWidthChars);
    layout_->addWidget(list_);

    auto* ok = new QPushButton(toQt(look.okText), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(toQt(look.cancelText), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout_->addLayout(buttons);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { rowSelected(row); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        rowDoubleClicked(list_->row(item));
        finishIfDone();
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        okPressed();
        finishIfDone();
    });
    connect(cancel, &QPushButton::clicked, this, &ListChoiceDialog::reject);
}

void ListChoiceDialog::addAbove(QWidget* widget) { layout_->insertWidget(above_++, widget); }

void ListChoiceDialog::reject() {
    cancelled();
    QDialog::reject();
}

void ListChoiceDialog::run() {
    exec();
    if (!finished()) cancelled();
}

void ListChoiceDialog::finishIfDone() {
    if (finished()) done(chosen() ? QDialog::Accepted : QDialog::Rejected);
}

} // namespace korva
