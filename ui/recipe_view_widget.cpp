#include "ui/recipe_view_widget.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "lists/recipe_view.h"
#include "ui/qt_text.h"

namespace korva {

namespace {

QLineEdit* makeField(const char* name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaxLength(static_cast<int>(CRecipeView::kServingFieldLength));
    return e;
}

} // namespace

RecipeViewWidget::RecipeViewWidget(CRecipeView& view, QWidget* parent)
    : ListFormWidget(view,
                     {"recipeView",
                      "ingredientEdit",
                      "ingredientList",
                      "perServingBox",
                      "clearRecipeButton",
                      {"servingCalories", "servingProtein", "servingFat", "servingCarbohydrate", "servingFiber",
                       "servingCholesterol", "pctFat", "pctProtein", "pctCarbohydrate"}},
                     parent),
      view_(view) {
    QGridLayout* grid = layOutTop(6);

    // The figures of one serving beside the instructions.
    instructions_ = new QPlainTextEdit(this);
    instructions_->setObjectName("instructionsEdit");
    instructions_->setTabChangesFocus(true);
    auto* middle = new QHBoxLayout;
    middle->addWidget(instructions_, 3);
    middle->addWidget(totalsBox_, 2);
    grid->addLayout(middle, 3, 0, 1, 4);

    auto* descriptionLabel = new QLabel(toQt(CRecipeView::kServingDescriptionLabel), this);
    servingDescription_ = makeField("servingDescriptionEdit", this);
    descriptionLabel->setBuddy(servingDescription_);
    auto* servingsLabel = new QLabel(toQt(CRecipeView::kServingsLabel), this);
    servings_ = makeField("servingsEdit", this);
    servingsLabel->setBuddy(servings_);
    servingsScroll_ = makeStepper("servingsScrollBar");
    auto* serving = new QHBoxLayout;
    serving->addWidget(descriptionLabel);
    serving->addWidget(servingDescription_, 2);
    serving->addWidget(servingsLabel);
    serving->addWidget(servings_, 1);
    serving->addWidget(servingsScroll_);
    grid->addLayout(serving, 4, 0, 1, 4);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(displayLabel_);
    bottom->addWidget(displayUnit_);
    bottom->addStretch();
    for (QPushButton* b : {clear_, delete_, save_, help_}) bottom->addWidget(b);
    grid->addLayout(bottom, 5, 0, 1, 4);

    connect(instructions_, &QPlainTextEdit::textChanged, this, [this] {
        const std::string text = fromQt(instructions_->toPlainText());
        if (text != view_.instructionsText()) view_.onInstructionsEdited(text);
    });
    connect(servingDescription_, &QLineEdit::textEdited, this,
            [this](const QString& t) { view_.onServingDescriptionEdited(fromQt(t)); });
    connect(servings_, &QLineEdit::textEdited, this, [this](const QString& t) { view_.onServingsEdited(fromQt(t)); });
    // Enter in the field reaches the form as well; leaving it takes it too.
    connect(servings_, &QLineEdit::editingFinished, this, [this] {
        view_.onServingsLeft();
        after();
    });
    connect(servingsScroll_, &QScrollBar::actionTriggered, this, [this](int action) {
        if (action != QAbstractSlider::SliderSingleStepAdd && action != QAbstractSlider::SliderSingleStepSub) return;
        view_.onServingsStep(action == QAbstractSlider::SliderSingleStepAdd);
        after();
    });
    chainTabs({foodName_, amount_, amountScroll_, addFromCategories_, items_, instructions_, servingDescription_,
               servings_, servingsScroll_, displayUnit_, clear_, delete_, save_, help_});
}

void RecipeViewWidget::refresh() {
    ListFormWidget::refresh();
    for (auto [edit, text] :
         {std::pair{servingDescription_, &view_.servingDescriptionText()}, std::pair{servings_, &view_.servingsText()}})
        if (edit->text() != toQt(*text)) edit->setText(toQt(*text));
    if (instructions_->toPlainText() != toQt(view_.instructionsText())) {
        const QSignalBlocker block(instructions_);
        instructions_->setPlainText(toQt(view_.instructionsText()));
    }
}

} // namespace korva
