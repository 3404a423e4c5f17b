#include "ui/flist_view_widget.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "lists/flist_view.h"
#include "ui/qt_text.h"
#include "ui/status_note.h"
#include "ui/tab_stop_delegate.h"

namespace korva {

namespace {

constexpr std::array<const char*, CFLView::kTotalsLines> kTotalsNames = {
    "totalCalories",    "totalProtein", "totalFat",   "totalCarbohydrate", "totalFiber",
    "totalCholesterol", "pctFat",       "pctProtein", "pctCarbohydrate"};

// A focused button takes Enter for itself, as buttons do in a dialog; from
// every other control Enter goes to the form (keyPressEvent).
QPushButton* makeButton(const char* caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(toQt(caption), parent);
    b->setObjectName(name);
    b->setAutoDefault(true);
    return b;
}

QComboBox* makeCombo(const std::vector<std::string>& labels, const char* name, QWidget* parent) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    for (const auto& l : labels) c->addItem(toQt(l));
    return c;
}

// Holding an arrow key repeats presses and releases; only the last release
// ends the scrolling.
bool endsScrolling(const QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
    case QEvent::FocusOut: return true;
    case QEvent::KeyRelease: return !static_cast<const QKeyEvent*>(event)->isAutoRepeat();
    default: return false;
    }
}

} // namespace

FListViewWidget::FListViewWidget(CFLView& view, QWidget* parent) : QWidget(parent), view_(view) {
    setObjectName("flistView");
    build();
    connectControls();
}

void FListViewWidget::build() {
    auto* grid = new QGridLayout(this);

    auto* nameLabel = new QLabel(toQt(CFLView::kFoodNameLabel), this);
    foodName_ = new QLineEdit(this);
    foodName_->setObjectName("foodNameEdit");
    nameLabel->setBuddy(foodName_);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(foodName_, 0, 1, 1, 3);

    auto* amountLabel = new QLabel(toQt(CFLView::kAmountLabel), this);
    amount_ = new QLineEdit(this);
    amount_->setObjectName("amountEdit");
    amountLabel->setBuddy(amount_);
    scroll_ = new QScrollBar(Qt::Horizontal, this);
    scroll_->setObjectName("amountScrollBar");
    scroll_->setRange(-1, 1);
    scroll_->setValue(0);
    // Right steps up, left steps down, from the keyboard as from the arrows.
    scroll_->setInvertedControls(false);
    // In the tab order, so the arrow keys can step; a click on an arrow
    // leaves the focus where it was.
    scroll_->setFocusPolicy(Qt::TabFocus);
    scroll_->setFixedWidth(fontMetrics().averageCharWidth() * 8);
    scroll_->installEventFilter(this);
    addFromCategories_ = makeButton(CFLView::kAddFromCategories, "addFromCategoriesButton", this);
    grid->addWidget(amountLabel, 1, 0);
    grid->addWidget(amount_, 1, 1);
    grid->addWidget(scroll_, 1, 2);
    grid->addWidget(addFromCategories_, 1, 3);

    items_ = new QListWidget(this);
    items_->setObjectName("itemList");
    items_->setItemDelegate(new TabStopDelegate({CFLView::kTabStops.begin(), CFLView::kTabStops.end()}, items_));
    items_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    items_->setMinimumSize(fontMetrics().averageCharWidth() * 72, fontMetrics().height() * 10);
    grid->addWidget(items_, 2, 0, 1, 4);

    servingLine_ = new QLabel(this);
    servingLine_->setObjectName("servingLine");
    grid->addWidget(servingLine_, 3, 0, 1, 4);

    auto* displayLabel = new QLabel(toQt(CFLView::kDisplayUnitsLabel), this);
    displayUnit_ = makeCombo(CFLView::displayUnitLabels(), "displayUnitCombo", this);
    displayLabel->setBuddy(displayUnit_);
    auto* entryLabel = new QLabel(toQt(CFLView::kEntryUnitsLabel), this);
    entryUnit_ = makeCombo(CFLView::entryUnitLabels(), "entryUnitCombo", this);
    auto* units = new QHBoxLayout;
    units->addWidget(displayLabel);
    units->addWidget(displayUnit_);
    units->addSpacing(12);
    units->addWidget(entryLabel);
    units->addWidget(entryUnit_);
    units->addStretch();
    grid->addLayout(units, 4, 0, 1, 4);

    delete_ = makeButton(CFLView::kDeleteButton, "deleteButton", this);
    clear_ = makeButton(CFLView::kClearButton, "clearButton", this);
    save_ = makeButton(CFLView::kSaveButton, "saveButton", this);
    help_ = makeButton(CFLView::kHelpButton, "helpButton", this);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {delete_, clear_, save_, help_}) buttons->addWidget(b);
    buttons->addStretch();

    auto* box = new QGroupBox(toQt(CFLView::kTotalsGroup), this);
    box->setObjectName("totalsBox");
    auto* totals = new QGridLayout(box);
    const auto& lines = view_.totals();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int row = static_cast<int>(i);
        totals->addWidget(new QLabel(toQt(lines[i].label), box), row, 0);
        totals_[i] = new QLabel(box);
        totals_[i]->setObjectName(kTotalsNames[i]);
        totals_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        totals->addWidget(totals_[i], row, 1);
        totals->addWidget(new QLabel(toQt(lines[i].unit), box), row, 2);
    }

    auto* bottom = new QHBoxLayout;
    bottom->addLayout(buttons);
    bottom->addWidget(box, 1);
    grid->addLayout(bottom, 5, 0, 1, 4);
}

void FListViewWidget::connectControls() {
    connect(foodName_, &QLineEdit::textEdited, this, [this](const QString& t) { view_.onFoodNameEdited(fromQt(t)); });
    connect(amount_, &QLineEdit::textEdited, this, [this](const QString& t) { view_.onAmountEdited(fromQt(t)); });
    connect(help_, &QPushButton::clicked, this, [this] {
        view_.onEnter(true);
        after();
    });
    connect(addFromCategories_, &QPushButton::clicked, this, [this] {
        view_.onAddFromCategories();
        after();
    });
    connect(items_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        view_.onLineSelected(row);
        after();
    });
    connect(scroll_, &QScrollBar::actionTriggered, this, [this](int action) {
        if (action != QAbstractSlider::SliderSingleStepAdd && action != QAbstractSlider::SliderSingleStepSub) return;
        view_.onScrollStep(action == QAbstractSlider::SliderSingleStepAdd);
        scrollPending_ = true;
        amount_->setText(toQt(view_.amountText()));
    });
    // The bar only steps; it never shows a position.
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int value) {
        if (value == 0) return;
        const QSignalBlocker block(scroll_);
        scroll_->setValue(0);
    });
    connect(displayUnit_, &QComboBox::activated, this, [this](int unit) {
        view_.onDisplayUnitChosen(unit);
        after();
    });
    connect(entryUnit_, &QComboBox::activated, this, [this](int unit) {
        view_.onEntryUnitChosen(unit);
        after();
    });
    connect(delete_, &QPushButton::clicked, this, [this] {
        view_.onDelete();
        after();
    });
    connect(clear_, &QPushButton::clicked, this, [this] {
        view_.onClear();
        after();
    });
    connect(save_, &QPushButton::clicked, this, [this] {
        view_.onSave();
        after();
    });
}

// Enter that no control took for itself (the edits, the item list, the
// drop-down lists and the scroll bar let it pass) is the form's default
// button's: HELP, which searches or takes a typed amount first.
void FListViewWidget::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    view_.onEnter(help_->hasFocus());
    after();
}

bool FListViewWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_ && scrollPending_ && endsScrolling(event)) {
        scrollPending_ = false;
        view_.onScrollEnd();
        after();
    }
    return QWidget::eventFilter(watched, event);
}

void FListViewWidget::start() {
    view_.onInitialUpdate();
    refresh();
    applyFocusRequest();
}

void FListViewWidget::after() {
    refresh();
    applyFocusRequest();
    if (const std::string note = view_.takeStatusText(); !note.empty()) showStatusNote(this, note);
    emit documentTouched();
}

void FListViewWidget::refresh() {
    if (foodName_->text() != toQt(view_.foodName())) foodName_->setText(toQt(view_.foodName()));
    if (amount_->text() != toQt(view_.amountText())) amount_->setText(toQt(view_.amountText()));

    {
        const QSignalBlocker block(items_);
        const auto& lines = view_.lines();
        bool same = items_->count() == static_cast<int>(lines.size());
        for (int i = 0; same && i < items_->count(); ++i)
            same = items_->item(i)->text() == toQt(lines[static_cast<std::size_t>(i)]);
        if (!same) {
            items_->clear();
            for (const auto& l : lines) items_->addItem(toQt(l));
        }
        // The header is never a selection; with no items nothing is selected.
        if (view_.selectedLine() > 0)
            items_->setCurrentRow(view_.selectedLine());
        else
            items_->setCurrentRow(-1);
    }
    servingLine_->setText(toQt(view_.servingLine()));

    {
        const QSignalBlocker blockDisplay(displayUnit_);
        const QSignalBlocker blockEntry(entryUnit_);
        displayUnit_->setCurrentIndex(view_.displayUnit() < displayUnit_->count() ? view_.displayUnit() : -1);
        entryUnit_->setCurrentIndex(view_.entryUnit() < entryUnit_->count() ? view_.entryUnit() : -1);
    }
    entryUnit_->setEnabled(view_.entryUnitEnabled());
    delete_->setEnabled(view_.deleteEnabled());

    const auto& totals = view_.totals();
    for (std::size_t i = 0; i < totals.size(); ++i) totals_[i]->setText(toQt(totals[i].value));
}

void FListViewWidget::applyFocusRequest() {
    switch (view_.takeFocusRequest()) {
    case CFLView::Focus::foodName:
        foodName_->setFocus();
        foodName_->selectAll();
        break;
    case CFLView::Focus::amount:
        amount_->setFocus();
        amount_->selectAll();
        break;
    case CFLView::Focus::none: break;
    }
}

} // namespace korva
