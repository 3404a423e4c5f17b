#include "ui/editor_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <string_view>

#include "ui/dialog_button.h"
#include "ui/help_window.h"
#include "ui/qt_report_printer.h"
#include "ui/qt_text.h"

namespace korva {

NutrientFieldsWidget::NutrientFieldsWidget(NutrientFields& fields, std::function<void()> edited, QWidget* parent)
    : QWidget(parent), fields_(fields), edited_(std::move(edited)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildPageChoice());
    pages_ = new QStackedWidget(this);
    pages_->setObjectName("valuePages");
    pages_->addWidget(buildPage({NutrientGroup::overall, NutrientGroup::vitamins, NutrientGroup::minerals}));
    pages_->addWidget(buildPage({NutrientGroup::aminoAcids}));
    layout->addWidget(pages_);
}

QWidget* NutrientFieldsWidget::buildPageChoice() {
    auto* choice = new QGroupBox(toQt(NutrientFields::kPageGroup), this);
    auto* row = new QHBoxLayout(choice);
    standard_ = new QRadioButton(toQt(NutrientFields::kStandardPage), choice);
    standard_->setObjectName("standardPage");
    amino_ = new QRadioButton(toQt(NutrientFields::kAminoPage), choice);
    amino_->setObjectName("aminoPage");
    auto* group = new QButtonGroup(choice);
    group->addButton(standard_, 0);
    group->addButton(amino_, 1);
    row->addWidget(standard_);
    row->addWidget(amino_);
    row->addStretch();
    connect(group, &QButtonGroup::idClicked, this, [this](int id) {
        fields_.onPageChosen(id == 0 ? NutrientFields::Page::standard : NutrientFields::Page::aminoAcids);
        edited_();
    });
    return choice;
}

QWidget* NutrientFieldsWidget::buildPage(std::initializer_list<NutrientGroup> groups) {
    auto* page = new QWidget(pages_);
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    for (NutrientGroup g : groups) {
        auto* groupBox = new QGroupBox(toQt(groupEditorLabel(g)), page);
        auto* grid = new QGridLayout(groupBox);
        // Three groups side by side must fit a 1280 pixel screen.
        grid->setHorizontalSpacing(4);
        grid->setContentsMargins(6, 6, 6, 6);
        for (int k = 0; k < nutrientCountOf(g); ++k) {
            const int n = firstNutrientOf(g) + k;
            auto* field = new QLineEdit(groupBox);
            field->setObjectName(QStringLiteral("value%1").arg(n));
            field->setMaxLength(static_cast<int>(NutrientFields::kValueChars));
            field->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000.00")) + 10);
            field->setReadOnly(fields_.valuesReadOnly());
            field->installEventFilter(this);
            connect(field, &QLineEdit::textEdited, this, [this, n](const QString& text) {
                fields_.onFieldEdited(n, fromQt(text));
                edited_();
            });
            auto* percent = new QLabel(groupBox);
            percent->setObjectName(QStringLiteral("percent%1").arg(n));
            percent->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("100% ODA ")));
            auto* name = new QLabel(toQt(nutrientName(n)), groupBox);
            name->setBuddy(field);
            grid->addWidget(name, k, 0);
            grid->addWidget(field, k, 1);
            grid->addWidget(new QLabel(toQt(NutrientFields::unitLabel(n)), groupBox), k, 2);
            grid->addWidget(percent, k, 3);
            values_[std::size_t(n)] = field;
            percents_[std::size_t(n)] = percent;
        }
        row->addWidget(groupBox, 0, Qt::AlignTop);
    }
    row->addStretch();
    return page;
}

bool NutrientFieldsWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (text.size() == 1 && text[0].isPrint() && !NutrientFields::acceptedCharacter(text[0].toLatin1()))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void NutrientFieldsWidget::refresh() {
    const bool amino = fields_.page() == NutrientFields::Page::aminoAcids;
    pages_->setCurrentIndex(amino ? 1 : 0);
    standard_->setChecked(!amino);
    amino_->setChecked(amino);
    for (int n = 0; n < kNutrientCount; ++n) {
        const auto i = std::size_t(n);
        const QString text = toQt(fields_.fieldText(n));
        if (values_[i]->text() != text) values_[i]->setText(text);
        percents_[i]->setText(toQt(fields_.percentLabel(n)));
    }
}

// ---- The dialog ---------------------------------------------------------------

EditorDialog::EditorDialog(std::function<bool()> finished, std::function<void()> close, QWidget* parent)
    : QDialog(parent), finished_(std::move(finished)), close_(std::move(close)) {}

void EditorDialog::addFieldsAndButtons(QVBoxLayout* layout, NutrientFields& fields,
                                       const std::vector<EditorButton>& buttons) {
    fields_ = new NutrientFieldsWidget(
        fields, [this] { refresh(); }, this);
    layout->addWidget(fields_);
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    for (std::size_t k = 0; k < buttons.size(); ++k) {
        const EditorButton& button = buttons[k];
        // Help and Close stand apart at the right.
        if (k + 2 == buttons.size()) row->addStretch();
        QPushButton* b = dialogButton(button.caption, button.name, box);
        b->setEnabled(button.enabled);
        connect(b, &QPushButton::clicked, this, [this, press = button.press] {
            press(QtReportPrinter::shared());
            after();
        });
        row->addWidget(b);
        // F1 does what the dialog's own HELP button does.
        if (std::string_view(button.name) == "helpButton")
            setHelp(this, [press = button.press] { press(QtReportPrinter::shared()); });
    }
    layout->addWidget(box);
}

void EditorDialog::refresh() {
    if (fields_) fields_->refresh();
}

void EditorDialog::after() {
    if (finished_())
        accept();
    else
        refresh();
}

void EditorDialog::reject() {
    close_();
    QDialog::reject();
}

} // namespace korva
