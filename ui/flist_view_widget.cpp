#include "ui/flist_view_widget.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "lists/flist_view.h"
#include "ui/qt_text.h"

namespace korva {

FListViewWidget::FListViewWidget(CFLView& view, QWidget* parent)
    : ListFormWidget(view,
                     {"flistView",
                      "foodNameEdit",
                      "itemList",
                      "totalsBox",
                      CFLView::kTotalsGroup,
                      {"totalCalories", "totalProtein", "totalFat", "totalCarbohydrate", "totalFiber",
                       "totalCholesterol", "pctFat", "pctProtein", "pctCarbohydrate"},
                      CFLView::kDeleteButton,
                      CFLView::kClearButton,
                      "clearButton",
                      CFLView::kSaveButton,
                      0},
                     parent),
      view_(view) {
    auto* grid = new QGridLayout(this);
    auto* nameLabel = new QLabel(toQt(CFLView::kFoodNameLabel), this);
    nameLabel->setBuddy(foodName_);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(foodName_, 0, 1, 1, 3);

    auto* amountLabel = new QLabel(toQt(CFLView::kAmountLabel), this);
    amountLabel->setBuddy(amount_);
    grid->addWidget(amountLabel, 1, 0);
    grid->addWidget(amount_, 1, 1);
    grid->addWidget(amountScroll_, 1, 2);
    grid->addWidget(addFromCategories_, 1, 3);

    items_->setMinimumSize(fontMetrics().averageCharWidth() * 72, fontMetrics().height() * 10);
    grid->addWidget(items_, 2, 0, 1, 4);

    servingLine_ = new QLabel(this);
    servingLine_->setObjectName("servingLine");
    grid->addWidget(servingLine_, 3, 0, 1, 4);

    auto* displayLabel = new QLabel(toQt(CFLView::kDisplayUnitsLabel), this);
    displayUnit_ = makeCombo(CFLView::displayUnitLabels(), "displayUnitCombo");
    displayLabel->setBuddy(displayUnit_);
    auto* entryLabel = new QLabel(toQt(CFLView::kEntryUnitsLabel), this);
    entryUnit_ = makeCombo(CFLView::entryUnitLabels(), "entryUnitCombo");
    auto* units = new QHBoxLayout;
    units->addWidget(displayLabel);
    units->addWidget(displayUnit_);
    units->addSpacing(12);
    units->addWidget(entryLabel);
    units->addWidget(entryUnit_);
    units->addStretch();
    grid->addLayout(units, 4, 0, 1, 4);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {delete_, clear_, save_, help_}) buttons->addWidget(b);
    buttons->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(buttons);
    bottom->addWidget(totalsBox_, 1);
    grid->addLayout(bottom, 5, 0, 1, 4);

    connect(displayUnit_, &QComboBox::activated, this, [this](int unit) {
        view_.onDisplayUnitChosen(unit);
        after();
    });
    connect(entryUnit_, &QComboBox::activated, this, [this](int unit) {
        view_.onEntryUnitChosen(unit);
        after();
    });
}

void FListViewWidget::refresh() {
    ListFormWidget::refresh();
    servingLine_->setText(toQt(view_.servingLine()));
    {
        const QSignalBlocker blockDisplay(displayUnit_);
        const QSignalBlocker blockEntry(entryUnit_);
        displayUnit_->setCurrentIndex(view_.displayUnit() < displayUnit_->count() ? view_.displayUnit() : -1);
        entryUnit_->setCurrentIndex(view_.entryUnit() < entryUnit_->count() ? view_.entryUnit() : -1);
    }
    entryUnit_->setEnabled(view_.entryUnitEnabled());
}

} // namespace korva
