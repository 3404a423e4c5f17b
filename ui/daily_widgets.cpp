#include "ui/daily_widgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "daily/dntr_dialog.h"
#include "daily/tday_dialog.h"
#include "daily/totals_rows.h"
#include "lists/report_surface.h"
#include "ui/dialog_button.h"
#include "ui/help_window.h"
#include "ui/nutrient_trend_widget.h"
#include "ui/qt_text.h"
#include "ui/tab_stop_delegate.h"

namespace korva {

namespace {

QListWidget* totalsList(QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QStringLiteral("totalsList"));
    list->setItemDelegate(new TabStopDelegate({std::begin(kTotalsTabStops), std::end(kTotalsTabStops)}, list));
    list->setMinimumWidth(list->fontMetrics().averageCharWidth() * 44);
    list->setMinimumHeight(list->fontMetrics().height() * 16);
    return list;
}

void fill(QListWidget* list, const std::vector<std::string>& rows) {
    list->clear();
    for (const std::string& r : rows) list->addItem(toQt(r));
}

// A scroll bar of two arrows: each click is one day, and each is the end of
// a scroll.
QScrollBar* dayScroller(QWidget* parent, const QString& name, std::function<void(int)> step) {
    auto* s = new QScrollBar(Qt::Horizontal, parent);
    s->setObjectName(name);
    s->setRange(-1, 1);
    s->setValue(0);
    s->setPageStep(1);
    s->setFixedWidth(s->sizeHint().height() * 3);
    QObject::connect(s, &QScrollBar::actionTriggered, s, [s, step = std::move(step)](int action) {
        if (action == QAbstractSlider::SliderSingleStepAdd || action == QAbstractSlider::SliderPageStepAdd)
            step(1);
        else if (action == QAbstractSlider::SliderSingleStepSub || action == QAbstractSlider::SliderPageStepSub)
            step(-1);
        s->setSliderPosition(0);
    });
    return s;
}

} // namespace

// ---- TdayDialogWidget ---------------------------------------------------------

TdayDialogWidget::TdayDialogWidget(TdayDialog& dialog, ReportPrinter& printer, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
    setObjectName(QStringLiteral("tdayDialog"));
    setWindowTitle(toQt(dialog.caption()));

    dateButton_ = dialogButton(TdayDialog::kDateButton, "dateButton", this);
    dateScroll_ = dayScroller(this, QStringLiteral("dateScroll"), [this](int days) {
        days < 0 ? dialog_.onScrollLeft() : dialog_.onScrollRight();
        dialog_.onScrollEnded();
        refresh();
    });
    dateLabel_ = new QLabel(this);
    dateLabel_->setObjectName(QStringLiteral("dateLabel"));
    dateButton_->setVisible(dialog.dateControlsShown());
    dateScroll_->setVisible(dialog.dateControlsShown());

    fileName_ = new QLineEdit(this);
    fileName_->setObjectName(QStringLiteral("fileNameField"));
    fileName_->setReadOnly(true);
    foodLists_ = new QListWidget(this);
    foodLists_->setObjectName(QStringLiteral("foodListList"));
    totals_ = totalsList(this);

    auto* save = dialogButton(TdayDialog::kSaveButton, "saveButton", this);
    save->setDefault(true);
    auto* add = dialogButton(TdayDialog::kAddButton, "addButton", this);
    auto* remove = dialogButton(TdayDialog::kDeleteButton, "deleteButton", this);
    auto* print = dialogButton(dailylabel::kPrint, "printButton", this);
    auto* preview = dialogButton(kPrintPreviewCaption, "previewButton", this);
    auto* help = dialogButton(dailylabel::kHelp, "helpButton", this);
    auto* close = dialogButton(dailylabel::kClose, "closeButton", this);

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(dateButton_);
    dateRow->addWidget(dateScroll_);
    dateRow->addWidget(dateLabel_, 1);
    auto* left = new QVBoxLayout;
    left->addLayout(dateRow);
    left->addWidget(new QLabel(toQt(TdayDialog::kFilesLabel), this));
    left->addWidget(fileName_);
    left->addWidget(foodLists_, 1);
    for (QPushButton* b : {add, remove, save, print, preview, help, close}) left->addWidget(b);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(toQt(dailylabel::kTotals), this));
    right->addWidget(totals_, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);

    connect(dateButton_, &QPushButton::clicked, this, [this] {
        dialog_.onDateButton();
        refresh();
    });
    connect(add, &QPushButton::clicked, this, [this] {
        dialog_.onAddFoodList();
        refresh();
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        dialog_.onDeleteFoodList();
        refresh();
    });
    connect(save, &QPushButton::clicked, this, [this] { dialog_.onSave(); });
    connect(print, &QPushButton::clicked, this, [this, &printer] { dialog_.onPrint(printer); });
    connect(preview, &QPushButton::clicked, this, [this, &printer] { dialog_.onPrint(printer.previewing()); });
    connect(help, &QPushButton::clicked, this, [this] { dialog_.onHelp(); });
    setHelp(this, [this] { dialog_.onHelp(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(foodLists_, &QListWidget::currentRowChanged, this, [this](int row) {
        dialog_.onSelectRow(row);
        fileName_->setText(toQt(dialog_.fileNameField()));
    });
    refresh();
}

void TdayDialogWidget::reject() {
    if (dialog_.canClose()) QDialog::reject();
}

void TdayDialogWidget::refresh() {
    dateLabel_->setText(toQt(dialog_.dateLabel()));
    const QSignalBlocker quiet(foodLists_);
    fill(foodLists_, dialog_.foodListRows());
    foodLists_->setCurrentRow(dialog_.selectedRow());
    fileName_->setText(toQt(dialog_.fileNameField()));
    fill(totals_, dialog_.totalsRows());
}

// ---- DNtrDialogWidget ---------------------------------------------------------

DNtrDialogWidget::DNtrDialogWidget(DNtrDialog& dialog, ReportPrinter& printer, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
    setObjectName(QStringLiteral("dntrDialog"));
    setWindowTitle(toQt(DNtrDialog::kCaption));

    const char* modeNames[] = {"oneDayRadio", "pastWeekRadio", "pastMonthRadio", "dateRangeRadio"};
    for (std::size_t m = 0; m < modes_.size(); ++m) {
        modes_[m] = new QRadioButton(toQt(DNtrDialog::kModeButtons[m]), this);
        modes_[m]->setObjectName(QString::fromLatin1(modeNames[m]));
        connect(modes_[m], &QRadioButton::clicked, this, [this, m] {
            dialog_.onMode(static_cast<DNtrDialog::Mode>(m));
            refresh();
        });
    }

    auto* modeBox = new QVBoxLayout;
    modeBox->addWidget(modes_[0]);
    modeBox->addWidget(dateRow(DNtrDialog::oneDayField));
    modeBox->addWidget(modes_[1]);
    modeBox->addWidget(modes_[2]);
    modeBox->addWidget(modes_[3]);
    modeBox->addWidget(dateRow(DNtrDialog::rangeStart));
    modeBox->addWidget(dateRow(DNtrDialog::rangeEnd));

    auto* deleteRange = dialogButton(DNtrDialog::kDeleteRangeButton, "deleteRangeButton", this);
    modeBox->addSpacing(12);
    modeBox->addWidget(deleteRange);
    modeBox->addWidget(dateRow(DNtrDialog::deleteStart));
    modeBox->addWidget(dateRow(DNtrDialog::deleteEnd));
    modeBox->addStretch(1);
    auto* chart = dialogButton(DNtrDialog::kChartButton, "chartButton", this);
    auto* print = dialogButton(dailylabel::kPrint, "printButton", this);
    auto* preview = dialogButton(kPrintPreviewCaption, "previewButton", this);
    auto* exportCsv = dialogButton(DNtrDialog::kExportCsvButton, "exportCsvButton", this);
    auto* help = dialogButton(dailylabel::kHelp, "helpButton", this);
    auto* close = dialogButton(dailylabel::kClose, "closeButton", this);
    modeBox->addWidget(chart);
    modeBox->addWidget(print);
    modeBox->addWidget(preview);
    modeBox->addWidget(exportCsv);
    modeBox->addWidget(help);
    modeBox->addWidget(close);

    totals_ = totalsList(this);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(toQt(dailylabel::kTotals), this));
    right->addWidget(totals_, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(modeBox);
    layout->addLayout(right, 1);

    connect(deleteRange, &QPushButton::clicked, this, [this] {
        dialog_.onDeleteRange();
        refresh();
    });
    connect(chart, &QPushButton::clicked, this, [this, &printer] {
        if (std::optional<NutrientTrend> trend = dialog_.onChart()) NutrientTrendWidget(*trend, printer, this).exec();
    });
    connect(print, &QPushButton::clicked, this, [this, &printer] { dialog_.onPrint(printer); });
    connect(preview, &QPushButton::clicked, this, [this, &printer] { dialog_.onPrint(printer.previewing()); });
    connect(exportCsv, &QPushButton::clicked, this, [this] { dialog_.onExportCsv(); });
    connect(help, &QPushButton::clicked, this, [this] { dialog_.onHelp(); });
    setHelp(this, [this] { dialog_.onHelp(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    refresh();
}

QWidget* DNtrDialogWidget::dateRow(int f) {
    const auto field = static_cast<DNtrDialog::Field>(f);
    const auto i = static_cast<std::size_t>(f);
    const QString names[] = {QStringLiteral("oneDay"), QStringLiteral("rangeStart"), QStringLiteral("rangeEnd"),
                             QStringLiteral("deleteStart"), QStringLiteral("deleteEnd")};
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(16, 0, 0, 0);
    if (const char* label = DNtrDialog::kFieldLabels[i]; *label) layout->addWidget(new QLabel(toQt(label), row));
    fields_[i] = new QLineEdit(row);
    fields_[i]->setObjectName(names[i] + QStringLiteral("Field"));
    fields_[i]->setMaxLength(static_cast<int>(DNtrDialog::kFieldChars));
    scrolls_[i] = dayScroller(row, names[i] + QStringLiteral("Scroll"), [this, field](int days) {
        dialog_.onScroll(field, days);
        dialog_.onScrollEnded(field);
        refresh();
    });
    layout->addWidget(fields_[i], 1);
    layout->addWidget(scrolls_[i]);
    connect(fields_[i], &QLineEdit::textEdited, this, [this, field](const QString& text) {
        dialog_.setFieldText(field, fromQt(text));
        dialog_.onFieldEdited();
        fill(totals_, dialog_.totalsRows());
    });
    connect(fields_[i], &QLineEdit::returnPressed, this, [this] {
        dialog_.onEnter();
        refresh();
    });
    return row;
}

void DNtrDialogWidget::refresh() {
    for (std::size_t m = 0; m < modes_.size(); ++m) modes_[m]->setChecked(static_cast<int>(m) == dialog_.mode());
    for (int f = 0; f < DNtrDialog::kFieldCount; ++f) {
        const auto field = static_cast<DNtrDialog::Field>(f);
        const auto i = static_cast<std::size_t>(f);
        if (fields_[i]->text() != toQt(dialog_.fieldText(field))) fields_[i]->setText(toQt(dialog_.fieldText(field)));
        fields_[i]->setEnabled(dialog_.fieldEnabled(field));
        scrolls_[i]->setEnabled(dialog_.fieldEnabled(field));
    }
    fill(totals_, dialog_.totalsRows());
}

} // namespace korva
