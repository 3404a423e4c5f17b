#include "ui/recipe_view_widget.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "lists/recipe_view.h"
#include "ui/qt_text.h"
#include "ui/status_note.h"
#include "ui/tab_stop_delegate.h"

namespace korva {

namespace {

constexpr std::array<const char*, CFLView::kTotalsLines> kPerServingNames = {
    "servingCalories",    "servingProtein", "servingFat", "servingCarbohydrate", "servingFiber",
    "servingCholesterol", "pctFat",         "pctProtein", "pctCarbohydrate"};

QPushButton* makeButton(const char* caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(toQt(caption), parent);
    b->setObjectName(name);
    b->setAutoDefault(true);
    return b;
}

QScrollBar* makeStepper(const char* name, QWidget* parent) {
    auto* s = new QScrollBar(Qt::Horizontal, parent);
    s->setObjectName(name);
    s->setRange(-1, 1);
    s->setValue(0);
    s->setFocusPolicy(Qt::TabFocus);
    s->setFixedWidth(parent->fontMetrics().averageCharWidth() * 8);
    return s;
}

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

RecipeViewWidget::RecipeViewWidget(CRecipeView& view, QWidget* parent) : QWidget(parent), view_(view) {
    setObjectName("recipeView");
    build();
    connectControls();
}

void RecipeViewWidget::build() {
    auto* grid = new QGridLayout(this);

    auto* nameLabel = new QLabel(toQt(CRecipeView::kIngredientLabel), this);
    ingredient_ = new QLineEdit(this);
    ingredient_->setObjectName("ingredientEdit");
    ingredient_->setMaxLength(static_cast<int>(CRecipeView::kFieldLength));
    nameLabel->setBuddy(ingredient_);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(ingredient_, 0, 1, 1, 3);

    auto* amountLabel = new QLabel(toQt(CRecipeView::kAmountLabel), this);
    amount_ = new QLineEdit(this);
    amount_->setObjectName("amountEdit");
    amount_->setMaxLength(static_cast<int>(CRecipeView::kFieldLength));
    amountLabel->setBuddy(amount_);
    amountScroll_ = makeStepper("amountScrollBar", this);
    amountScroll_->installEventFilter(this);
    addFromCategories_ = makeButton(CRecipeView::kAddFromCategories, "addFromCategoriesButton", this);
    grid->addWidget(amountLabel, 1, 0);
    grid->addWidget(amount_, 1, 1);
    grid->addWidget(amountScroll_, 1, 2);
    grid->addWidget(addFromCategories_, 1, 3);

    items_ = new QListWidget(this);
    items_->setObjectName("ingredientList");
    items_->setItemDelegate(new TabStopDelegate({CFLView::kTabStops.begin(), CFLView::kTabStops.end()}, items_));
    items_->setMinimumSize(fontMetrics().averageCharWidth() * 72, fontMetrics().height() * 6);
    grid->addWidget(items_, 2, 0, 1, 4);

    instructions_ = new QPlainTextEdit(this);
    instructions_->setObjectName("instructionsEdit");
    instructions_->setTabChangesFocus(true);

    // The figures of one serving beside the instructions.
    auto* box = new QGroupBox(toQt(CRecipeView::kTotalsGroup), this);
    box->setObjectName("perServingBox");
    auto* totals = new QGridLayout(box);
    totals->setVerticalSpacing(0);
    const auto& lines = view_.perServing();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int row = static_cast<int>(i);
        totals->addWidget(new QLabel(toQt(lines[i].label), box), row, 0);
        perServing_[i] = new QLabel(box);
        perServing_[i]->setObjectName(kPerServingNames[i]);
        perServing_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        totals->addWidget(perServing_[i], row, 1);
        totals->addWidget(new QLabel(toQt(lines[i].unit), box), row, 2);
    }
    auto* middle = new QHBoxLayout;
    middle->addWidget(instructions_, 3);
    middle->addWidget(box, 2);
    grid->addLayout(middle, 3, 0, 1, 4);

    auto* descriptionLabel = new QLabel(toQt(CRecipeView::kServingDescriptionLabel), this);
    servingDescription_ = new QLineEdit(this);
    servingDescription_->setObjectName("servingDescriptionEdit");
    servingDescription_->setMaxLength(static_cast<int>(CRecipeView::kServingFieldLength));
    descriptionLabel->setBuddy(servingDescription_);
    auto* servingsLabel = new QLabel(toQt(CRecipeView::kServingsLabel), this);
    servings_ = new QLineEdit(this);
    servings_->setObjectName("servingsEdit");
    servings_->setMaxLength(static_cast<int>(CRecipeView::kServingFieldLength));
    servingsLabel->setBuddy(servings_);
    servingsScroll_ = makeStepper("servingsScrollBar", this);
    auto* serving = new QHBoxLayout;
    serving->addWidget(descriptionLabel);
    serving->addWidget(servingDescription_, 2);
    serving->addWidget(servingsLabel);
    serving->addWidget(servings_, 1);
    serving->addWidget(servingsScroll_);
    grid->addLayout(serving, 4, 0, 1, 4);

    auto* displayLabel = new QLabel(toQt(CRecipeView::kDisplayUnitsLabel), this);
    displayUnit_ = new QComboBox(this);
    displayUnit_->setObjectName("displayUnitCombo");
    for (const auto& l : CRecipeView::displayUnitLabels()) displayUnit_->addItem(toQt(l));
    displayLabel->setBuddy(displayUnit_);
    clear_ = makeButton(CRecipeView::kClearButton, "clearRecipeButton", this);
    delete_ = makeButton(CRecipeView::kDeleteButton, "deleteButton", this);
    save_ = makeButton(CRecipeView::kSaveButton, "saveButton", this);
    help_ = makeButton(CRecipeView::kHelpButton, "helpButton", this);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(displayLabel);
    bottom->addWidget(displayUnit_);
    bottom->addStretch();
    for (QPushButton* b : {clear_, delete_, save_, help_}) bottom->addWidget(b);
    grid->addLayout(bottom, 5, 0, 1, 4);
}

void RecipeViewWidget::connectControls() {
    connect(ingredient_, &QLineEdit::textEdited, this,
            [this](const QString& t) { view_.onIngredientEdited(fromQt(t)); });
    connect(amount_, &QLineEdit::textEdited, this, [this](const QString& t) { view_.onAmountEdited(fromQt(t)); });
    connect(instructions_, &QPlainTextEdit::textChanged, this, [this] {
        const std::string text = fromQt(instructions_->toPlainText());
        if (text != view_.instructionsText()) view_.onInstructionsEdited(text);
    });
    connect(servingDescription_, &QLineEdit::textEdited, this,
            [this](const QString& t) { view_.onServingDescriptionEdited(fromQt(t)); });
    connect(servings_, &QLineEdit::textEdited, this, [this](const QString& t) { view_.onServingsEdited(fromQt(t)); });
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
    connect(amountScroll_, &QScrollBar::actionTriggered, this, [this](int action) {
        if (action != QAbstractSlider::SliderSingleStepAdd && action != QAbstractSlider::SliderSingleStepSub) return;
        view_.onScrollStep(action == QAbstractSlider::SliderSingleStepAdd);
        scrollPending_ = true;
        amount_->setText(toQt(view_.amountText()));
    });
    connect(servingsScroll_, &QScrollBar::actionTriggered, this, [this](int action) {
        if (action != QAbstractSlider::SliderSingleStepAdd && action != QAbstractSlider::SliderSingleStepSub) return;
        view_.onServingsStep(action == QAbstractSlider::SliderSingleStepAdd);
        after();
    });
    // The bars only step; they never show a position.
    for (QScrollBar* bar : {amountScroll_, servingsScroll_}) {
        connect(bar, &QScrollBar::valueChanged, this, [bar](int value) {
            if (value == 0) return;
            const QSignalBlocker block(bar);
            bar->setValue(0);
        });
    }
    connect(displayUnit_, &QComboBox::activated, this, [this](int choice) {
        view_.onDisplayChosen(choice);
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

void RecipeViewWidget::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    view_.onEnter(help_->hasFocus());
    after();
}

bool RecipeViewWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == amountScroll_ && scrollPending_ && endsScrolling(event)) {
        scrollPending_ = false;
        view_.onScrollEnd();
        after();
    }
    return QWidget::eventFilter(watched, event);
}

void RecipeViewWidget::start() {
    view_.onInitialUpdate();
    refresh();
    applyFocusRequest();
}

void RecipeViewWidget::commit() {
    view_.commitFields();
    refresh();
}

void RecipeViewWidget::after() {
    refresh();
    applyFocusRequest();
    if (const std::string note = view_.takeStatusText(); !note.empty()) showStatusNote(this, note);
    emit documentTouched();
}

void RecipeViewWidget::refresh() {
    setIfDifferent(ingredient_, view_.ingredientName());
    setIfDifferent(amount_, view_.amountText());
    setIfDifferent(servingDescription_, view_.servingDescriptionText());
    setIfDifferent(servings_, view_.servingsText());
    if (instructions_->toPlainText() != toQt(view_.instructionsText())) {
        const QSignalBlocker block(instructions_);
        instructions_->setPlainText(toQt(view_.instructionsText()));
    }
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
        items_->setCurrentRow(view_.selectedLine() > 0 ? view_.selectedLine() : -1);
    }
    {
        const QSignalBlocker block(displayUnit_);
        displayUnit_->setCurrentIndex(view_.displayChoice());
    }
    delete_->setEnabled(view_.deleteEnabled());
    const auto& lines = view_.perServing();
    for (std::size_t i = 0; i < lines.size(); ++i) perServing_[i]->setText(toQt(lines[i].value));
}

void RecipeViewWidget::applyFocusRequest() {
    QLineEdit* target = nullptr;
    switch (view_.takeFocusRequest()) {
    case CRecipeView::Focus::ingredient: target = ingredient_; break;
    case CRecipeView::Focus::amount: target = amount_; break;
    case CRecipeView::Focus::instructions:
        instructions_->setFocus();
        instructions_->selectAll();
        return;
    case CRecipeView::Focus::none: return;
    }
    target->setFocus();
    target->selectAll();
}

} // namespace korva
