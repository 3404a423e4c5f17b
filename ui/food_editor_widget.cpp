#include "ui/food_editor_widget.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "search/category_food_picker.h"
#include "ui/qt_text.h"

namespace korva {

namespace {

QLabel* labelFor(const char* caption, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(toQt(caption), parent);
    label->setBuddy(buddy);
    return label;
}

void showText(QLineEdit* field, const std::string& text) {
    const QString t = toQt(text);
    if (field && field->text() != t) field->setText(t);
}

} // namespace

FoodEditorWidget::FoodEditorWidget(FoodEditor& editor, QWidget* parent)
    : EditorDialog([&editor] { return editor.finished(); }, [&editor] { editor.onClose(); }, parent), editor_(editor) {
    setObjectName("foodEditor");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(editor_.mode() == FoodEditor::newFood ? buildNewFoodFields() : buildModifyFields());
    addFieldsAndButtons(layout, editor_.fields(), editor_.buttons());
    refresh();
}

QLineEdit* FoodEditorWidget::textField(const char* name, int maxLength,
                                       std::function<void(const std::string&)> edited) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(name));
    field->setMaxLength(maxLength);
    connect(field, &QLineEdit::textEdited, this, [this, edited = std::move(edited)](const QString& text) {
        edited(fromQt(text));
        refresh();
    });
    return field;
}

QWidget* FoodEditorWidget::stepped(QLineEdit* field, const char* name, std::function<void(bool)> step) {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(field);
    for (bool up : {false, true}) {
        auto* arrow = new QToolButton(box);
        arrow->setArrowType(up ? Qt::RightArrow : Qt::LeftArrow);
        arrow->setObjectName(QString::fromLatin1(name) + (up ? QStringLiteral("Up") : QStringLiteral("Down")));
        connect(arrow, &QToolButton::clicked, this, [this, step, up] {
            step(up);
            refresh();
        });
        row->addWidget(arrow);
    }
    return box;
}

void FoodEditorWidget::buildCommonFields(QWidget* box) {
    category_ = new QComboBox(box);
    category_->setObjectName("categoryCombo");
    for (const auto& name : categoryNameList()) category_->addItem(toQt(name));
    connect(category_, &QComboBox::activated, this, [this](int c) {
        editor_.onCategoryChosen(c);
        refresh();
    });
    name_ = textField("nameEdit", editor_.nameMaxLength(), [this](const std::string& t) { editor_.onNameEdited(t); });
    serving_ = textField("servingEdit", static_cast<int>(FoodEditor::kMaxServingTyped),
                         [this](const std::string& t) { editor_.onServingEdited(t); });
    gramsPerServing_ = textField("gramsPerServingEdit", static_cast<int>(FoodEditor::kGramsChars),
                                 [this](const std::string& t) { editor_.onGramsPerServingEdited(t); });
    gramsPerServingBox_ =
        stepped(gramsPerServing_, "gramsPerServing", [this](bool up) { editor_.onGramsPerServingStep(up); });
}

QWidget* FoodEditorWidget::buildNewFoodFields() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    buildCommonFields(box);
    gramsEntered_ = textField("gramsEnteredEdit", static_cast<int>(FoodEditor::kGramsEnteredChars),
                              [this](const std::string& t) { editor_.onGramsEnteredEdited(t); });
    grid->addWidget(labelFor(FoodEditor::kNameLabel, name_, box), 0, 0);
    grid->addWidget(name_, 0, 1);
    grid->addWidget(labelFor(FoodEditor::kCategoryLabel, category_, box), 0, 2);
    grid->addWidget(category_, 0, 3);
    grid->addWidget(labelFor(FoodEditor::kServingLabel, serving_, box), 1, 0);
    grid->addWidget(serving_, 1, 1);
    grid->addWidget(labelFor(FoodEditor::kGramsPerServingLabel, gramsPerServing_, box), 1, 2);
    grid->addWidget(gramsPerServingBox_, 1, 3);
    grid->addWidget(labelFor(FoodEditor::kGramsEnteredLabel, gramsEntered_, box), 2, 2);
    grid->addWidget(stepped(gramsEntered_, "gramsEntered", [this](bool up) { editor_.onGramsEnteredStep(up); }), 2, 3);
    return box;
}

QWidget* FoodEditorWidget::buildModifyFields() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    buildCommonFields(box);
    foods_ = new QListWidget(box);
    foods_->setObjectName("foodList");
    foods_->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    foods_->setMaximumHeight(fontMetrics().height() * 8);
    connect(foods_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0 || row == editor_.selectedFood()) return;
        editor_.onFoodSelected(row);
        refresh();
    });
    grid->addWidget(labelFor(FoodEditor::kSelectCategoryLabel, category_, box), 0, 0);
    grid->addWidget(category_, 0, 1);
    grid->addWidget(labelFor(FoodEditor::kSelectFoodLabel, foods_, box), 1, 0, Qt::AlignTop);
    grid->addWidget(foods_, 1, 1);

    auto* edit = new QGroupBox(toQt(FoodEditor::kEditGroup), box);
    auto* form = new QGridLayout(edit);
    form->addWidget(labelFor(FoodEditor::kNameLabel, name_, edit), 0, 0);
    form->addWidget(name_, 0, 1);
    form->addWidget(labelFor(FoodEditor::kModifyServingLabel, serving_, edit), 1, 0);
    form->addWidget(serving_, 1, 1);
    form->addWidget(labelFor(FoodEditor::kGpsLabel, gramsPerServing_, edit), 2, 0);
    form->addWidget(gramsPerServingBox_, 2, 1);
    servingsLine_ = new QLabel(edit);
    servingsLine_->setObjectName("servingsLine");
    form->addWidget(servingsLine_, 3, 0, 1, 2);
    grid->addWidget(edit, 0, 2, 2, 1);
    return box;
}

void FoodEditorWidget::refresh() {
    setWindowTitle(toQt(editor_.title()));
    EditorDialog::refresh();
    showText(name_, editor_.name());
    showText(serving_, editor_.servingText());
    showText(gramsPerServing_, editor_.gramsPerServingText());
    showText(gramsEntered_, editor_.gramsEnteredText());
    {
        const QSignalBlocker block(category_);
        category_->setCurrentIndex(editor_.category());
    }
    if (!foods_) return;
    const QSignalBlocker block(foods_);
    QStringList names;
    for (const auto& food : editor_.foodNames()) names << toQt(food);
    QStringList shown;
    for (int r = 0; r < foods_->count(); ++r) shown << foods_->item(r)->text();
    if (names != shown) {
        foods_->clear();
        foods_->addItems(names);
    }
    foods_->setCurrentRow(editor_.selectedFood());
    servingsLine_->setText(toQt(editor_.servingsLine()));
}

} // namespace korva
