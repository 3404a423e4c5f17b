#include "ui/shop_dialog_widget.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/food_data_base.h"
#include "core/platform.h"
#include "daily/shop_dialog.h"
#include "lists/rcsl_dialog.h"
#include "lists/report_surface.h"
#include "ui/dialog_button.h"
#include "ui/help_window.h"
#include "ui/qt_text.h"
#include "ui/rcsl_dialog_widget.h"
#include "ui/tab_stop_delegate.h"

namespace korva {

namespace {

// The behaviour keeps a field's lines joined by CR LF; the edit joins them
// by line feeds.
QString shownText(const std::string& text) { return toQt(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }
std::string typedText(const QPlainTextEdit* field) {
    return fromQt(field->toPlainText().replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
}

QPlainTextEdit* textField(const QString& name, QWidget* parent) {
    auto* field = new QPlainTextEdit(parent);
    field->setObjectName(name);
    field->setLineWrapMode(QPlainTextEdit::NoWrap);
    field->setMinimumWidth(field->fontMetrics().averageCharWidth() * 48);
    return field;
}

// Only a text that differs replaces what the field shows, so typing keeps
// its place.
void showText(QPlainTextEdit* field, const std::string& text) {
    if (typedText(field) == text) return;
    const QSignalBlocker quiet(field);
    field->setPlainText(shownText(text));
}

// "Add  &Recipe" picks from the recipe catalogue; the entry takes the
// recipe's own name from its file.
class CatalogueRecipeChooser : public ShopRecipeChooser {
public:
    CatalogueRecipeChooser(FoodDataBase& db, QWidget* parent) : db_(db), parent_(parent) {}
    std::optional<RecipeChoice> chooseRecipe() override {
        // Over the shopping list, which is the modal window by then.
        QWidget* over = QApplication::activeModalWidget();
        QtRecipeChooser chooser(over ? over : parent_);
        const auto chosen = korva::chooseRecipe(db_, chooser);
        if (!chosen) return std::nullopt;
        return RecipeChoice{*chosen, {}};
    }

private:
    FoodDataBase& db_;
    QWidget* parent_;
};

} // namespace

ShopDialogWidget::ShopDialogWidget(ShopDialog& dialog, ReportPrinter& printer, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
    setObjectName(QStringLiteral("shopDialog"));

    currentEntry_ = new QLineEdit(this);
    currentEntry_->setObjectName(QStringLiteral("currentEntryField"));
    currentEntry_->setReadOnly(true);
    entries_ = new QListWidget(this);
    entries_->setObjectName(QStringLiteral("entryList"));
    entries_->setItemDelegate(
        new TabStopDelegate({std::begin(ShopDialog::kEntryTabStops), std::end(ShopDialog::kEntryTabStops)}, entries_));
    entries_->setMinimumWidth(entries_->fontMetrics().averageCharWidth() * 40);
    entries_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    factor_ = new QLineEdit(this);
    factor_->setObjectName(QStringLiteral("factorField"));
    factor_->setMaxLength(static_cast<int>(ShopDialog::kFactorFieldLength));
    factor_->setMinimumWidth(factor_->fontMetrics().averageCharWidth() * 11);
    auto* scroll = new QScrollBar(Qt::Horizontal, this);
    scroll->setObjectName(QStringLiteral("factorScroll"));
    scroll->setRange(-1, 1);
    scroll->setValue(0);
    scroll->setPageStep(1);
    scroll->setFixedWidth(scroll->sizeHint().height() * 3);
    auto* apply = dialogButton(ShopDialog::kApplyButton, "applyButton", this);

    shopText_ = textField(QStringLiteral("shopText"), this);
    extraText_ = textField(QStringLiteral("extraText"), this);

    auto* addFoodList = dialogButton(ShopDialog::kAddFoodListButton, "addFoodListButton", this);
    auto* addRecipe = dialogButton(ShopDialog::kAddRecipeButton, "addRecipeButton", this);
    auto* remove = dialogButton(ShopDialog::kDeleteButton, "deleteButton", this);
    auto* print = dialogButton(ShopDialog::kPrintButton, "printButton", this);
    auto* preview = dialogButton(kPrintPreviewCaption, "previewButton", this);
    auto* save = dialogButton(ShopDialog::kSaveButton, "saveButton", this);
    auto* saveAs = dialogButton(ShopDialog::kSaveAsButton, "saveAsButton", this);
    auto* close = dialogButton(ShopDialog::kCloseButton, "closeButton", this);
    auto* help = dialogButton(ShopDialog::kHelpButton, "helpButton", this);

    auto* factorRow = new QHBoxLayout;
    factorRow->addWidget(new QLabel(toQt(ShopDialog::kFactorLabel), this));
    factorRow->addWidget(factor_);
    factorRow->addWidget(scroll);
    factorRow->addWidget(apply);
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(toQt(ShopDialog::kEntriesLabel), this));
    left->addWidget(currentEntry_);
    left->addWidget(entries_, 1);
    left->addLayout(factorRow);
    for (QPushButton* b : {addFoodList, addRecipe, remove, print, preview, save, saveAs, close, help})
        left->addWidget(b);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(toQt(ShopDialog::kTextLabel), this));
    shopText_->setMinimumHeight(shopText_->fontMetrics().height() * 20);
    right->addWidget(shopText_, 3);
    right->addWidget(new QLabel(toQt(ShopDialog::kExtraLabel), this));
    right->addWidget(extraText_, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);

    const auto act = [this](QPushButton* button, auto handler) {
        connect(button, &QPushButton::clicked, this, [this, handler] {
            handler();
            refresh();
        });
    };
    act(addFoodList, [this] { dialog_.onAddFoodList(); });
    act(addRecipe, [this] { dialog_.onAddRecipe(); });
    act(remove, [this] { dialog_.onDelete(); });
    act(apply, [this] { dialog_.onApply(); });
    act(save, [this] { dialog_.onSave(); });
    act(saveAs, [this] { dialog_.onSaveAs(); });
    connect(print, &QPushButton::clicked, this, [this, &printer] { dialog_.onPrint(printer); });
    connect(preview, &QPushButton::clicked, this, [this, &printer] { dialog_.onPrint(printer.previewing()); });
    connect(help, &QPushButton::clicked, this, [this] { dialog_.onHelp(); });
    setHelp(this, [this] { dialog_.onHelp(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(factor_, &QLineEdit::textEdited, this, [this](const QString& t) { dialog_.onFactorEdited(fromQt(t)); });
    connect(scroll, &QScrollBar::actionTriggered, this, [this, scroll](int action) {
        if (action == QAbstractSlider::SliderSingleStepAdd || action == QAbstractSlider::SliderPageStepAdd)
            dialog_.onFactorRight();
        else if (action == QAbstractSlider::SliderSingleStepSub || action == QAbstractSlider::SliderPageStepSub)
            dialog_.onFactorLeft();
        scroll->setSliderPosition(0);
        factor_->setText(toQt(dialog_.factorField()));
    });
    connect(entries_, &QListWidget::currentRowChanged, this, [this](int row) {
        dialog_.onSelectRow(row);
        showEntry();
    });
    connect(shopText_, &QPlainTextEdit::textChanged, this, [this] { dialog_.onShopTextEdited(typedText(shopText_)); });
    connect(extraText_, &QPlainTextEdit::textChanged, this,
            [this] { dialog_.onExtraTextEdited(typedText(extraText_)); });
    refresh();
}

void ShopDialogWidget::reject() {
    if (dialog_.canClose()) QDialog::reject();
}

void ShopDialogWidget::refresh() {
    setWindowTitle(toQt(dialog_.caption()));
    {
        const QSignalBlocker quiet(entries_);
        entries_->clear();
        for (const std::string& row : dialog_.entryRows()) entries_->addItem(toQt(row));
        entries_->setCurrentRow(dialog_.selectedRow());
    }
    showEntry();
    showText(shopText_, dialog_.shopText());
    showText(extraText_, dialog_.extraText());
}

void ShopDialogWidget::showEntry() {
    currentEntry_->setText(toQt(dialog_.currentRow()));
    factor_->setText(toQt(dialog_.factorField()));
}

void runShopDialog(FoodDataBase& db, Platform& platform, ReportPrinter& printer,
                   const std::optional<std::filesystem::path>& file, QWidget* parent) {
    CatalogueRecipeChooser recipes(db, parent);
    ShopDialog dialog(db, platform, recipes);
    if (!(file ? dialog.open(*file) : dialog.openNew())) return;
    ShopDialogWidget face(dialog, printer, parent);
    face.exec();
}

} // namespace korva
