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
                      "clearButton",
                      {"totalCalories", "totalProtein", "totalFat", "totalCarbohydrate", "totalFiber",
                       "totalCholesterol", "pctFat", "pctProtein", "pctCarbohydrate"}},
                     parent),
      view_(view) {
    QGridLayout* grid = layOutTop(10);

    servingLine_ = new QLabel(this);
    servingLine_->setObjectName("servingLine");
    grid->addWidget(servingLine_, 3, 0, 1, 4);

    auto* entryLabel = new QLabel(toQt(CFLView::kEntryUnitsLabel), this);
    entryUnit_ = makeCombo(CFLView::entryUnitLabels(), "entryUnitCombo");
    auto* units = new QHBoxLayout;
    units->addWidget(displayLabel_);
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

    connect(entryUnit_, &QComboBox::activated, this, [this](int unit) {
        view_.onEntryUnitChosen(unit);
        after();
    });
    chainTabs({foodName_, amount_, amountScroll_, addFromCategories_, items_, displayUnit_, entryUnit_, delete_, clear_,
               save_, help_});
}

void FListViewWidget::refresh() {
    ListFormWidget::refresh();
    servingLine_->setText(toQt(view_.servingLine()));
    {
        const QSignalBlocker block(entryUnit_);
        entryUnit_->setCurrentIndex(view_.entryUnit() < entryUnit_->count() ? view_.entryUnit() : -1);
    }
    entryUnit_->setEnabled(view_.entryUnitEnabled());
}

} // namespace korva
