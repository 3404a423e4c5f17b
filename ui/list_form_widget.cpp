#include "ui/list_form_widget.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "lists/list_form.h"
#include "ui/qt_text.h"
#include "ui/status_note.h"
#include "ui/tab_stop_delegate.h"

namespace korva {

namespace {

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

void setIfDifferent(QLineEdit* edit, const std::string& text) {
    if (edit->text() != toQt(text)) edit->setText(toQt(text));
}

} // namespace

ListFormWidget::ListFormWidget(CListForm& form, const Names& names, QWidget* parent) : QWidget(parent), form_(form) {
    const FormTexts& texts = form_.texts();
    setObjectName(names.form);
    foodName_ = new QLineEdit(this);
    foodName_->setObjectName(names.nameEdit);
    amount_ = new QLineEdit(this);
    amount_->setObjectName("amountEdit");
    if (texts.fieldLength != std::string::npos) {
        foodName_->setMaxLength(static_cast<int>(texts.fieldLength));
        amount_->setMaxLength(static_cast<int>(texts.fieldLength));
    }
    nameLabel_ = new QLabel(toQt(texts.nameLabel), this);
    nameLabel_->setBuddy(foodName_);
    amountLabel_ = new QLabel(toQt(texts.amountLabel), this);
    amountLabel_->setBuddy(amount_);
    displayUnit_ = makeCombo(form_.displayChoices(), "displayUnitCombo");
    displayLabel_ = new QLabel(toQt(texts.displayUnitsLabel), this);
    displayLabel_->setBuddy(displayUnit_);
    amountScroll_ = makeStepper("amountScrollBar");
    amountScroll_->installEventFilter(this);
    addFromCategories_ = makeButton(CListForm::kAddFromCategories, "addFromCategoriesButton");
    items_ = new QListWidget(this);
    items_->setObjectName(names.itemList);
    items_->setItemDelegate(new TabStopDelegate({CListForm::kTabStops.begin(), CListForm::kTabStops.end()}, items_));
    items_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    totalsBox_ = new QGroupBox(toQt(texts.totalsGroup), this);
    totalsBox_->setObjectName(names.totalsBox);
    auto* totals = new QGridLayout(totalsBox_);
    totals->setVerticalSpacing(0);
    const TotalsBox& lines = form_.totals();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int row = static_cast<int>(i);
        totals->addWidget(new QLabel(toQt(lines[i].label), totalsBox_), row, 0);
        totals_[i] = new QLabel(totalsBox_);
        totals_[i]->setObjectName(names.totals[i]);
        totals_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        totals->addWidget(totals_[i], row, 1);
        totals->addWidget(new QLabel(toQt(lines[i].unit), totalsBox_), row, 2);
    }

    connect(foodName_, &QLineEdit::textEdited, this, [this](const QString& t) { form_.onFoodNameEdited(fromQt(t)); });
    connect(amount_, &QLineEdit::textEdited, this, [this](const QString& t) { form_.onAmountEdited(fromQt(t)); });
    connect(items_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        form_.onLineSelected(row);
        after();
    });
    connect(amountScroll_, &QScrollBar::actionTriggered, this, [this](int action) {
        if (action != QAbstractSlider::SliderSingleStepAdd && action != QAbstractSlider::SliderSingleStepSub) return;
        form_.onScrollStep(action == QAbstractSlider::SliderSingleStepAdd);
        scrollPending_ = true;
        amount_->setText(toQt(form_.amountText()));
    });
    delete_ = makeButton(texts.deleteButton, "deleteButton");
    clear_ = makeButton(texts.clearButton, names.clearButton);
    save_ = makeButton(texts.saveButton, "saveButton");
    help_ = makeButton(CListForm::kHelpButton, "helpButton");
    connect(displayUnit_, &QComboBox::activated, this, [this](int choice) {
        form_.onDisplayChosen(choice);
        after();
    });
    onClick(addFromCategories_, [this] { form_.onAddFromCategories(); });
    onClick(help_, [this] { form_.onEnter(true); });
    onClick(delete_, [this] { form_.onDelete(); });
    onClick(clear_, [this] { form_.onClear(); });
    onClick(save_, [this] { form_.onSave(); });
}

QPushButton* ListFormWidget::makeButton(const char* caption, const char* name) {
    // A focused button takes Enter for itself, as buttons do in a dialog;
    // from every other control Enter goes to the form (keyPressEvent).
    auto* b = new QPushButton(toQt(caption), this);
    b->setObjectName(name);
    b->setAutoDefault(true);
    return b;
}

QScrollBar* ListFormWidget::makeStepper(const char* name) {
    auto* s = new QScrollBar(Qt::Horizontal, this);
    s->setObjectName(name);
    s->setRange(-1, 1);
    s->setValue(0);
    // Right steps up, left steps down, from the keyboard as from the arrows.
    s->setInvertedControls(false);
    // In the tab order, so the arrow keys can step; a click on an arrow
    // leaves the focus where it was.
    s->setFocusPolicy(Qt::TabFocus);
    s->setFixedWidth(fontMetrics().averageCharWidth() * 8);
    connect(s, &QScrollBar::valueChanged, this, [s](int value) {
        if (value == 0) return;
        const QSignalBlocker block(s);
        s->setValue(0);
    });
    return s;
}

QComboBox* ListFormWidget::makeCombo(const std::vector<std::string>& labels, const char* name) {
    auto* c = new QComboBox(this);
    c->setObjectName(name);
    for (const auto& l : labels) c->addItem(toQt(l));
    return c;
}

QGridLayout* ListFormWidget::layOutTop(int itemRows) {
    auto* grid = new QGridLayout(this);
    grid->addWidget(nameLabel_, 0, 0);
    grid->addWidget(foodName_, 0, 1, 1, 3);
    grid->addWidget(amountLabel_, 1, 0);
    grid->addWidget(amount_, 1, 1);
    grid->addWidget(amountScroll_, 1, 2);
    grid->addWidget(addFromCategories_, 1, 3);
    items_->setMinimumSize(fontMetrics().averageCharWidth() * 72, fontMetrics().height() * itemRows);
    grid->addWidget(items_, 2, 0, 1, 4);
    return grid;
}

void ListFormWidget::chainTabs(std::initializer_list<QWidget*> order) {
    QWidget* previous = nullptr;
    for (QWidget* w : order) {
        if (previous) setTabOrder(previous, w);
        previous = w;
    }
}

void ListFormWidget::onClick(QPushButton* button, std::function<void()> command) {
    connect(button, &QPushButton::clicked, this, [this, command = std::move(command)] {
        command();
        after();
    });
}

// Enter that no control took for itself (the edits, the item list, the
// drop-down lists and the scroll bars let it pass) is the form's default
// button's: HELP, which searches or takes a typed amount first.
void ListFormWidget::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    form_.onEnter(help_->hasFocus());
    after();
}

bool ListFormWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == amountScroll_ && scrollPending_ && endsScrolling(event)) {
        scrollPending_ = false;
        form_.onScrollEnd();
        after();
    }
    return QWidget::eventFilter(watched, event);
}

void ListFormWidget::start() {
    form_.onInitialUpdate();
    refresh();
    applyFocusRequest();
}

void ListFormWidget::addChosenFood(std::size_t position) {
    form_.addChosenFood(position);
    after();
}

void ListFormWidget::after() {
    refresh();
    applyFocusRequest();
    if (const std::string note = form_.takeStatusText(); !note.empty()) showStatusNote(this, note);
    emit documentTouched();
}

void ListFormWidget::refresh() {
    setIfDifferent(foodName_, form_.foodName());
    setIfDifferent(amount_, form_.amountText());
    {
        const QSignalBlocker block(items_);
        const auto& lines = form_.lines();
        bool same = items_->count() == static_cast<int>(lines.size());
        for (int i = 0; same && i < items_->count(); ++i)
            same = items_->item(i)->text() == toQt(lines[static_cast<std::size_t>(i)]);
        if (!same) {
            items_->clear();
            for (const auto& l : lines) items_->addItem(toQt(l));
        }
        // The header is never a selection; with no items nothing is selected.
        items_->setCurrentRow(form_.selectedLine() > 0 ? form_.selectedLine() : -1);
    }
    {
        const QSignalBlocker block(displayUnit_);
        displayUnit_->setCurrentIndex(form_.displayChoice());
    }
    delete_->setEnabled(form_.deleteEnabled());
    const TotalsBox& totals = form_.totals();
    for (std::size_t i = 0; i < totals.size(); ++i) totals_[i]->setText(toQt(totals[i].value));
}

void ListFormWidget::applyFocusRequest() {
    QLineEdit* target = nullptr;
    switch (form_.takeFocusRequest()) {
    case CListForm::Focus::foodName: target = foodName_; break;
    case CListForm::Focus::amount: target = amount_; break;
    case CListForm::Focus::none: return;
    }
    target->setFocus();
    target->selectAll();
}

} // namespace korva
