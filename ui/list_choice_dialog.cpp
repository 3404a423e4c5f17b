#include "ui/list_choice_dialog.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "search/search_choosers.h"
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

void runMultiChoice(const MultiChoice& choice, QWidget* parent) {
    QDialog face(parent);
    face.setObjectName(QLatin1String(choice.dialogName));
    face.setWindowTitle(toQt(choice.caption));
    auto* layout = new QVBoxLayout(&face);
    auto* list = new QListWidget(&face);
    list->setObjectName(QStringLiteral("chooserList"));
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    for (const auto& r : choice.rows) list->addItem(toQt(r));
    list->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    layout->addWidget(list);
    const auto show = [&] {
        const QSignalBlocker quiet(list);
        for (int i = 0; i < list->count(); ++i) list->item(i)->setSelected(choice.isChosen(i));
    };
    show();
    // The mouse and Space both change the selection: each row that now
    // differs from the behaviour's choice was turned on or off.
    QObject::connect(list, &QListWidget::itemSelectionChanged, &face, [&] {
        std::vector<int> changed;
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->isSelected() != choice.isChosen(i)) changed.push_back(i);
        for (int i : changed) choice.toggled(i, list->item(i)->isSelected());
        show();
    });
    auto* buttons = new QHBoxLayout;
    const auto button = [&](const char* text, const char* name) {
        auto* b = new QPushButton(QString::fromLatin1(text), &face);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    QPushButton* ok = button(kChooserOk, "okButton");
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &face, [&] {
        choice.ok();
        face.accept();
    });
    if (choice.clear) {
        QObject::connect(button(kChooserClear, "clearButton"), &QPushButton::clicked, &face, [&] {
            choice.clear();
            show();
        });
    }
    QObject::connect(button(kChooserCancel, "cancelButton"), &QPushButton::clicked, &face, &QDialog::reject);
    layout->addLayout(buttons);
    face.exec();
    if (!choice.finished()) choice.cancel();
}

} // namespace korva
