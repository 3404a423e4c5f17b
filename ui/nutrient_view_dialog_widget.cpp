#include "ui/nutrient_view_dialog_widget.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/nutrients.h"
#include "daily/indiv_dlg.h"
#include "daily/key_dialog.h"
#include "daily/nutrient_view_dialog.h"
#include "lists/report_surface.h"
#include "ui/chart_painter.h"
#include "ui/dialog_button.h"
#include "ui/help_window.h"
#include "ui/qt_text.h"
#include "ui/tab_stop_delegate.h"

namespace korva {

namespace {

void fill(QComboBox* c, const std::vector<std::string>& labels) {
    const QSignalBlocker block(c);
    c->clear();
    for (const auto& l : labels) c->addItem(toQt(l));
}

// Dialog units are a quarter of the average character width.
std::vector<int> inCharacters(std::span<const int> dialogUnits) {
    std::vector<int> out;
    for (int u : dialogUnits) out.push_back(u / 4);
    return out;
}

} // namespace

NutrientViewDialogWidget::NutrientViewDialogWidget(NutrientViewDialog& view, ReportPrinter& printer, QWidget* parent)
    : QDialog(parent), view_(view), printer_(printer) {
    setObjectName("nutrientViewDialog");
    setWindowTitle(toQt(view_.caption()));
    auto* layout = new QVBoxLayout(this);

    auto* choices = new QFormLayout;
    display_ = combo("displayCombo", nutrientviewtext::displayLabels());
    page_ = combo("pageCombo", nutrientviewtext::pageLabels());
    choices->addRow(toQt(NutrientViewDialog::kDisplayLabel), display_);
    choices->addRow(toQt(NutrientViewDialog::kPageLabel), page_);
    layout->addLayout(choices);

    if (view_.source() == NutrientViewDialog::kDataBase) {
        foodBox_ = new QGroupBox(toQt(NutrientViewDialog::kFoodBox), this);
        auto* box = new QFormLayout(foodBox_);
        category_ = combo("categoryCombo", nutrientviewtext::categoryLabels());
        food_ = combo("foodCombo", {});
        basis_ = combo("basisCombo", nutrientviewtext::basisLabels());
        box->addRow(category_);
        box->addRow(food_);
        box->addRow(toQt(NutrientViewDialog::kBasisLabel), basis_);
        layout->addWidget(foodBox_);
        connect(category_, &QComboBox::activated, this, [this](int c) {
            view_.onCategoryChosen(c);
            refresh();
        });
        connect(food_, &QComboBox::activated, this, [this](int f) {
            view_.onFoodChosen(f);
            refresh();
        });
        connect(basis_, &QComboBox::activated, this, [this](int b) {
            view_.onBasisChosen(b);
            refresh();
        });
    } else {
        itemBox_ = new QGroupBox(this);
        itemBox_->setObjectName("itemBox");
        auto* box = new QHBoxLayout(itemBox_);
        itemName_ = new QLabel(itemBox_);
        itemName_->setObjectName("itemName");
        previous_ = dialogButton(NutrientViewDialog::kPrevious, "previousButton", itemBox_);
        next_ = dialogButton(NutrientViewDialog::kNext, "nextButton", itemBox_);
        box->addWidget(itemName_, 1);
        box->addWidget(previous_);
        box->addWidget(next_);
        layout->addWidget(itemBox_);
        data_ = combo("dataCombo", view_.dataLabels());
        choices->addRow(toQt(NutrientViewDialog::kDataLabel), data_);
        connect(previous_, &QPushButton::clicked, this, [this] {
            view_.onPrevious();
            refresh();
        });
        connect(next_, &QPushButton::clicked, this, [this] {
            view_.onNext();
            refresh();
        });
        connect(data_, &QComboBox::activated, this, [this](int d) {
            view_.onDataChosen(d);
            refresh();
        });
    }

    amountLine_ = new QLabel(this);
    amountLine_->setObjectName("amountLine");
    layout->addWidget(amountLine_);

    table_ = new QTableWidget(this);
    table_->setObjectName("nutrientTable");
    table_->setColumnCount(4);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->hide();
    // Room for the data base's food box above it on a screen 800 pixels high.
    table_->setMinimumHeight(fontMetrics().height() * 14);
    // Rows as close as a list's, so that most of the nutrients are in view.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_, 1);
    chart_ = new NutrientChartWidget([this](int w, int h) { return view_.chart(w, h); }, this);
    layout->addWidget(chart_, 1);
    note_ = new QLabel(this);
    note_->setObjectName("coverageNote");
    note_->setWordWrap(true);
    layout->addWidget(note_);

    auto* buttons = new QHBoxLayout;
    auto* key = dialogButton(NutrientViewDialog::kKeyButton, "keyButton", this);
    auto* print = dialogButton(NutrientViewDialog::kPrintButton, "printButton", this);
    auto* preview = dialogButton(kPrintPreviewCaption, "previewButton", this);
    auto* help = dialogButton(NutrientViewDialog::kHelpButton, "helpButton", this);
    auto* close = dialogButton(NutrientViewDialog::kCloseButton, "closeButton", this);
    for (QPushButton* b : {key, print, preview, help, close}) buttons->addWidget(b);
    layout->addLayout(buttons);

    connect(display_, &QComboBox::activated, this, [this](int d) {
        view_.onDisplayChosen(d);
        refresh();
    });
    connect(page_, &QComboBox::activated, this, [this](int p) {
        view_.onPageChosen(p);
        refresh();
    });
    connect(key, &QPushButton::clicked, this, [this] {
        KeyDialogWidget face(view_.onKey(), this);
        face.exec();
    });
    connect(print, &QPushButton::clicked, this, [this] { view_.onPrint(printer_); });
    connect(preview, &QPushButton::clicked, this, [this] { view_.onPrint(printer_.previewing()); });
    connect(help, &QPushButton::clicked, this, [this] { view_.onHelp(); });
    setHelp(this, [this] { view_.onHelp(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    refresh();
}

QComboBox* NutrientViewDialogWidget::combo(const char* name, const std::vector<std::string>& labels) {
    auto* c = new QComboBox(this);
    c->setObjectName(name);
    fill(c, labels);
    return c;
}

void NutrientViewDialogWidget::refreshFoods() {
    if (!foodBox_) return;
    if (shownCategory_ != view_.category() || food_->count() != static_cast<int>(view_.foodNames().size())) {
        fill(food_, view_.foodNames());
        shownCategory_ = view_.category();
    }
    const QSignalBlocker b1(category_), b2(food_), b3(basis_);
    category_->setCurrentIndex(view_.category());
    food_->setCurrentIndex(view_.food());
    basis_->setCurrentIndex(view_.basis());
}

void NutrientViewDialogWidget::refresh() {
    {
        const QSignalBlocker b1(display_), b2(page_);
        display_->setCurrentIndex(view_.display());
        page_->setCurrentIndex(static_cast<int>(view_.page()));
    }
    refreshFoods();
    if (itemBox_) {
        const QSignalBlocker block(data_);
        data_->setCurrentIndex(view_.data());
        itemBox_->setTitle(toQt(view_.itemBoxCaption()));
        itemName_->setText(toQt(view_.itemName()));
        previous_->setVisible(view_.stepButtonsShown());
        next_->setVisible(view_.stepButtonsShown());
    }
    amountLine_->setText(toQt(view_.amountLine()));

    const auto rows = view_.screenRows(view_.page());
    table_->setRowCount(static_cast<int>(rows.size()));
    QStringList names;
    for (int k = 0; k < static_cast<int>(rows.size()); ++k) {
        const auto& [r, mark] = rows[static_cast<std::size_t>(k)];
        names << toQt(r.name);
        const std::string* cells[] = {&r.value, &r.unit, &r.percent, &mark};
        for (int c = 0; c < 4; ++c) table_->setItem(k, c, new QTableWidgetItem(toQt(*cells[c])));
    }
    note_->setText(toQt(view_.coverageNote()));
    note_->setVisible(!note_->text().isEmpty());
    table_->setVerticalHeaderLabels(names);
    table_->resizeColumnsToContents();
    table_->setVisible(view_.display() == NutrientViewDialog::kTable);
    chart_->setVisible(view_.display() == NutrientViewDialog::kHistogram);
    chart_->update();
}

// ---- Key -------------------------------------------------------------------------

KeyDialogWidget::KeyDialogWidget(const KeyDialog& key, QWidget* parent) : QDialog(parent) {
    setObjectName("keyDialog");
    setWindowTitle(toQt(KeyDialog::kCaption));
    auto* layout = new QVBoxLayout(this);
    auto* list = new QListWidget(this);
    list->setObjectName("keyList");
    list->setItemDelegate(new TabStopDelegate(inCharacters(KeyDialog::kTabStops), list));
    for (std::string_view line : key.lines()) list->addItem(toQt(std::string(line)));
    list->setMinimumHeight(fontMetrics().height() * 16);
    list->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    layout->addWidget(list);
    // Nothing stays selected.
    const auto clear = [list] {
        list->setCurrentRow(-1);
        list->clearSelection();
    };
    connect(list, &QListWidget::itemSelectionChanged, this, clear, Qt::QueuedConnection);
    connect(list, &QListWidget::itemDoubleClicked, this, clear);
    auto* close = dialogButton(KeyDialog::kCloseButton, "closeButton", this);
    layout->addWidget(close);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    clear();
}

// ---- One nutrient ----------------------------------------------------------------

IndivDlgWidget::IndivDlgWidget(IndivDlg& dialog, QWidget* parent) : QDialog(parent), dialog_(dialog) {
    setObjectName("indivDialog");
    setWindowTitle(toQt(IndivDlg::kCaption));
    auto* layout = new QFormLayout(this);
    auto* nutrients = new QComboBox(this);
    nutrients->setObjectName("nutrientCombo");
    fill(nutrients, IndivDlg::nutrientLabels());
    layout->addRow(toQt(IndivDlg::kPickLabel), nutrients);
    name_ = new QLabel(this);
    name_->setObjectName("nutrientName");
    layout->addRow(toQt(IndivDlg::kNameLabel), name_);
    total_ = new QLabel(this);
    total_->setObjectName("totalField");
    percent_ = new QLabel(this);
    percent_->setObjectName("percentField");
    auto* totals = new QHBoxLayout;
    totals->addWidget(total_);
    totals->addWidget(percent_);
    mark_ = new QLabel(this);
    mark_->setObjectName("coverageMark");
    totals->addWidget(mark_);
    layout->addRow(toQt(IndivDlg::kTotalLabel), totals);
    note_ = new QLabel(this);
    note_->setObjectName("coverageNote");
    layout->addRow(note_);
    layout->addRow(new QLabel(toQt(IndivDlg::kItemsLabel), this));
    items_ = new QListWidget(this);
    items_->setObjectName("itemList");
    items_->setItemDelegate(new TabStopDelegate(inCharacters(IndivDlg::kTabStops), items_));
    items_->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    layout->addRow(items_);
    auto* buttons = new QHBoxLayout;
    auto* help = dialogButton(IndivDlg::kHelpButton, "helpButton", this);
    auto* close = dialogButton(IndivDlg::kCloseButton, "closeButton", this);
    buttons->addWidget(help);
    buttons->addWidget(close);
    layout->addRow(buttons);
    connect(nutrients, &QComboBox::activated, this, [this](int n) {
        dialog_.onNutrientChosen(n);
        refresh();
    });
    connect(help, &QPushButton::clicked, this, [this] { dialog_.onHelp(); });
    setHelp(this, [this] { dialog_.onHelp(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    refresh();
}

void IndivDlgWidget::refresh() {
    name_->setText(toQt(dialog_.nameText()));
    total_->setText(toQt(dialog_.totalText()));
    percent_->setText(toQt(dialog_.percentText()));
    mark_->setText(toQt(dialog_.markText()));
    note_->setText(toQt(dialog_.noteText()));
    note_->setVisible(!dialog_.noteText().empty());
    items_->clear();
    for (const auto& row : dialog_.rows()) items_->addItem(toQt(row));
}

} // namespace korva
