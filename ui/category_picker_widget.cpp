#include "ui/category_picker_widget.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "search/category_food_picker.h"
#include "ui/dialog_button.h"
#include "ui/help_window.h"
#include "ui/qt_text.h"

namespace korva {

CategoryPickerWidget::CategoryPickerWidget(CategoryFoodPicker& picker, QWidget* parent)
    : QDialog(parent), picker_(picker) {
    setObjectName("categoryPicker");
    setWindowTitle(toQt(CategoryFoodPicker::kCaption));
    auto* layout = new QVBoxLayout(this);

    layout->addWidget(new QLabel(toQt(CategoryFoodPicker::kCategoryLabel), this));
    categories_ = new QComboBox(this);
    categories_->setObjectName("categoryCombo");
    for (const auto& name : picker_.categoryNames()) categories_->addItem(toQt(name));
    layout->addWidget(categories_);

    layout->addWidget(new QLabel(toQt(CategoryFoodPicker::kFoodLabel), this));
    name_ = new QLineEdit(this);
    name_->setObjectName("foodNameField");
    name_->setReadOnly(true);
    layout->addWidget(name_);

    foods_ = new QListWidget(this);
    foods_->setObjectName("foodList");
    foods_->setMinimumWidth(fontMetrics().averageCharWidth() * 44);
    foods_->setMinimumHeight(fontMetrics().height() * 14);
    layout->addWidget(foods_);

    auto* add = dialogButton(CategoryFoodPicker::kAddButton, "addButton", this);
    auto* view = dialogButton(CategoryFoodPicker::kViewButton, "viewButton", this);
    view->setVisible(picker_.viewAllowed());
    auto* help = dialogButton(CategoryFoodPicker::kHelpButton, "helpButton", this);
    auto* close = dialogButton(CategoryFoodPicker::kCloseButton, "closeButton", this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(view);
    buttons->addStretch();
    buttons->addWidget(help);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(categories_, &QComboBox::activated, this, [this](int c) {
        picker_.onCategoryChosen(c);
        refresh();
    });
    connect(foods_, &QListWidget::currentRowChanged, this, [this](int row) {
        picker_.onFoodSelected(row);
        name_->setText(toQt(picker_.nameText()));
    });
    connect(foods_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        picker_.onFoodDoubleClicked(foods_->row(item));
        finishIfDone();
    });
    connect(add, &QPushButton::clicked, this, [this] {
        picker_.onAdd();
        finishIfDone();
    });
    connect(view, &QPushButton::clicked, this, [this] { picker_.onView(); });
    connect(help, &QPushButton::clicked, this, [this] { picker_.onHelp(); });
    setHelp(this, [this] { picker_.onHelp(); });
    connect(close, &QPushButton::clicked, this, &CategoryPickerWidget::reject);
    refresh();
}

void CategoryPickerWidget::refresh() {
    {
        const QSignalBlocker block(categories_);
        categories_->setCurrentIndex(picker_.currentCategory());
    }
    if (shownCategory_ != picker_.currentCategory()) {
        const QSignalBlocker block(foods_);
        foods_->clear();
        for (const auto& name : picker_.foodNames()) foods_->addItem(toQt(name));
        foods_->setCurrentRow(picker_.selectedFood());
        shownCategory_ = picker_.currentCategory();
    }
    name_->setText(toQt(picker_.nameText()));
}

void CategoryPickerWidget::reject() {
    picker_.onClose();
    QDialog::reject();
}

void CategoryPickerWidget::finishIfDone() {
    if (picker_.finished()) done(picker_.addRequested() ? QDialog::Accepted : QDialog::Rejected);
}

} // namespace korva
