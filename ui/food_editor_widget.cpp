#include "ui/food_editor_widget.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "search/category_food_picker.h"
#include "ui/dialog_button.h"
#include "ui/help_window.h"
#include "ui/qt_report_printer.h"
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
    if (field->text() != t) field->setText(t);
}

} // namespace

FoodEditorWidget::FoodEditorWidget(FoodEditor& editor, QWidget* parent) : QDialog(parent), editor_(editor) {
    setObjectName("foodEditor");
    auto* layout = new QVBoxLayout(this);
    if (editor_.foodMode()) {
        layout->addWidget(buildFoodFields());
    } else {
        auto* note = new QLabel(toQt(FoodEditor::kAllowanceNote), this);
        note->setObjectName("allowanceNote");
        layout->addWidget(note);
    }
    layout->addWidget(buildPages());
    layout->addWidget(buildButtons());
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

QWidget* FoodEditorWidget::buildFoodFields() {
    const bool modify = editor_.mode() == FoodEditor::modifyFood;
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);

    category_ = new QComboBox(box);
    category_->setObjectName("categoryCombo");
    for (const auto& name : categoryNameList()) category_->addItem(toQt(name));
    connect(category_, &QComboBox::activated, this, [this](int c) {
        editor_.onCategoryChosen(c);
        refresh();
    });
    // A stored name may be one character longer than a new one; shown whole.
    const auto nameLength = static_cast<int>(FoodEditor::kMaxNameTyped) + (modify ? 1 : 0);
    name_ = textField("nameEdit", nameLength, [this](const std::string& t) { editor_.onNameEdited(t); });
    serving_ = textField("servingEdit", static_cast<int>(FoodEditor::kMaxServingTyped),
                         [this](const std::string& t) { editor_.onServingEdited(t); });
    gramsPerServing_ =
        textField("gramsPerServingEdit", 12, [this](const std::string& t) { editor_.onGramsPerServingEdited(t); });
    QWidget* gps = stepped(gramsPerServing_, "gramsPerServing", [this](bool up) { editor_.onGramsPerServingStep(up); });

    if (!modify) {
        gramsEntered_ =
            textField("gramsEnteredEdit", 11, [this](const std::string& t) { editor_.onGramsEnteredEdited(t); });
        grid->addWidget(labelFor(FoodEditor::kNameLabel, name_, box), 0, 0);
        grid->addWidget(name_, 0, 1);
        grid->addWidget(labelFor(FoodEditor::kCategoryLabel, category_, box), 0, 2);
        grid->addWidget(category_, 0, 3);
        grid->addWidget(labelFor(FoodEditor::kServingLabel, serving_, box), 1, 0);
        grid->addWidget(serving_, 1, 1);
        grid->addWidget(labelFor(FoodEditor::kGramsPerServingLabel, gramsPerServing_, box), 1, 2);
        grid->addWidget(gps, 1, 3);
        grid->addWidget(labelFor(FoodEditor::kGramsEnteredLabel, gramsEntered_, box), 2, 2);
        grid->addWidget(stepped(gramsEntered_, "gramsEntered", [this](bool up) { editor_.onGramsEnteredStep(up); }), 2,
                        3);
        return box;
    }

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
    form->addWidget(gps, 2, 1);
    servingsLine_ = new QLabel(edit);
    servingsLine_->setObjectName("servingsLine");
    form->addWidget(servingsLine_, 3, 0, 1, 2);
    grid->addWidget(edit, 0, 2, 2, 1);
    return box;
}

QWidget* FoodEditorWidget::buildPages() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* choice = new QGroupBox(toQt(FoodEditor::kPageGroup), box);
    auto* choiceRow = new QHBoxLayout(choice);
    standard_ = new QRadioButton(toQt(FoodEditor::kStandardPage), choice);
    standard_->setObjectName("standardPage");
    amino_ = new QRadioButton(toQt(FoodEditor::kAminoPage), choice);
    amino_->setObjectName("aminoPage");
    auto* group = new QButtonGroup(choice);
    group->addButton(standard_, 0);
    group->addButton(amino_, 1);
    choiceRow->addWidget(standard_);
    choiceRow->addWidget(amino_);
    choiceRow->addStretch();
    connect(group, &QButtonGroup::idClicked, this, [this](int id) {
        editor_.onPageChosen(id == 0 ? FoodEditor::Page::standard : FoodEditor::Page::aminoAcids);
        refresh();
    });
    layout->addWidget(choice);

    pages_ = new QStackedWidget(box);
    pages_->setObjectName("valuePages");
    auto* standardPage = new QWidget(pages_);
    auto* standardRow = new QHBoxLayout(standardPage);
    standardRow->setContentsMargins(0, 0, 0, 0);
    standardRow->setSpacing(4);
    auto* aminoPage = new QWidget(pages_);
    auto* aminoRow = new QHBoxLayout(aminoPage);
    for (NutrientGroup g :
         {NutrientGroup::overall, NutrientGroup::vitamins, NutrientGroup::minerals, NutrientGroup::aminoAcids}) {
        QWidget* page = g == NutrientGroup::aminoAcids ? aminoPage : standardPage;
        auto* groupBox = new QGroupBox(toQt(groupEditorLabel(g)), page);
        auto* grid = new QGridLayout(groupBox);
        // Three groups side by side must fit a 1280 pixel screen.
        grid->setHorizontalSpacing(4);
        grid->setContentsMargins(6, 6, 6, 6);
        const int first = firstNutrientOf(g);
        for (int k = 0; k < nutrientCountOf(g); ++k) {
            const int n = first + k;
            auto* field = new QLineEdit(groupBox);
            field->setObjectName(QStringLiteral("value%1").arg(n));
            field->setMaxLength(14);
            field->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000.00")) + 10);
            field->installEventFilter(this);
            connect(field, &QLineEdit::textEdited, this, [this, n](const QString& text) {
                editor_.onFieldEdited(n, fromQt(text));
                refresh();
            });
            auto* percent = new QLabel(groupBox);
            percent->setObjectName(QStringLiteral("percent%1").arg(n));
            percent->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("100% ODA ")));
            grid->addWidget(labelFor(std::string(nutrientName(n)).c_str(), field, groupBox), k, 0);
            grid->addWidget(field, k, 1);
            grid->addWidget(new QLabel(toQt(FoodEditor::unitLabel(n)), groupBox), k, 2);
            grid->addWidget(percent, k, 3);
            values_[std::size_t(n)] = field;
            percents_[std::size_t(n)] = percent;
        }
        (g == NutrientGroup::aminoAcids ? aminoRow : standardRow)->addWidget(groupBox, 0, Qt::AlignTop);
    }
    aminoRow->addStretch();
    pages_->addWidget(standardPage);
    pages_->addWidget(aminoPage);
    layout->addWidget(pages_);
    return box;
}

QWidget* FoodEditorWidget::buildButtons() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto add = [this, row, box](const char* caption, const char* name, std::function<void(FoodEditor&)> action) {
        QPushButton* b = dialogButton(caption, name, box);
        connect(b, &QPushButton::clicked, this, [this, action = std::move(action)] {
            action(editor_);
            after();
        });
        row->addWidget(b);
        return b;
    };
    switch (editor_.mode()) {
    case FoodEditor::newFood:
        add(FoodEditor::kSaveNewFood, "saveNewButton", [](FoodEditor& e) { e.onSaveNewFood(); });
        break;
    case FoodEditor::modifyFood:
        add(FoodEditor::kSave, "saveButton", [](FoodEditor& e) { e.onSaveFood(); });
        add(FoodEditor::kDelete, "deleteButton", [](FoodEditor& e) { e.onDelete(); });
        add(FoodEditor::kChangeCategory, "changeCategoryButton", [](FoodEditor& e) { e.onChangeCategory(); });
        break;
    case FoodEditor::newUser:
    case FoodEditor::modifyUser:
    case FoodEditor::viewUser: {
        const bool saves = editor_.userSavesEnabled();
        add(FoodEditor::kUserSave, "saveUserButton", [](FoodEditor& e) { e.onSaveUser(); })->setEnabled(saves);
        add(FoodEditor::kUserSaveAs, "saveAsButton", [](FoodEditor& e) { e.onSaveUserAs(); })->setEnabled(saves);
        add(FoodEditor::kLoadUser, "loadUserButton", [](FoodEditor& e) { e.onLoadUser(); })->setEnabled(saves);
        QPushButton* print = dialogButton(FoodEditor::kPrintTargets, "printButton", box);
        connect(print, &QPushButton::clicked, this, [this] { editor_.onPrint(QtReportPrinter::shared()); });
        row->addWidget(print);
        break;
    }
    }
    row->addStretch();
    add(FoodEditor::kHelp, "helpButton", [](FoodEditor& e) { e.onHelp(); });
    setHelp(this, [this] { editor_.onHelp(); });
    QPushButton* close =
        dialogButton(editor_.foodMode() ? FoodEditor::kClose : FoodEditor::kUserClose, "closeButton", box);
    connect(close, &QPushButton::clicked, this, &FoodEditorWidget::reject);
    row->addWidget(close);
    return box;
}

bool FoodEditorWidget::eventFilter(QObject* watched, QEvent* event) {
    // The value fields take digits, the point, blanks, backspace and "%".
    if (event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (text.size() == 1 && text[0].isPrint() && !FoodEditor::acceptedCharacter(text[0].toLatin1())) return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FoodEditorWidget::after() {
    if (editor_.finished()) {
        accept();
        return;
    }
    refresh();
}

void FoodEditorWidget::reject() {
    editor_.onClose();
    QDialog::reject();
}

void FoodEditorWidget::refresh() {
    setWindowTitle(toQt(editor_.title()));
    const bool amino = editor_.page() == FoodEditor::Page::aminoAcids;
    pages_->setCurrentIndex(amino ? 1 : 0);
    standard_->setChecked(!amino);
    amino_->setChecked(amino);
    for (int n = 0; n < kNutrientCount; ++n) {
        const auto i = std::size_t(n);
        showText(values_[i], editor_.fieldText(n));
        values_[i]->setReadOnly(editor_.valuesReadOnly());
        percents_[i]->setText(toQt(editor_.percentLabel(n)));
    }
    if (!editor_.foodMode()) return;

    showText(name_, editor_.name());
    showText(serving_, editor_.servingText());
    showText(gramsPerServing_, editor_.gramsPerServingText());
    if (gramsEntered_) showText(gramsEntered_, editor_.gramsEnteredText());
    {
        const QSignalBlocker block(category_);
        category_->setCurrentIndex(editor_.category());
    }
    if (foods_) {
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
}

} // namespace korva
