#include "ui/plan_amounts_widget.h"

#include <algorithm>

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "lists/report_surface.h"
#include "ui/dialog_button.h"
#include "ui/food_list_windows.h"
#include "ui/help_window.h"
#include "ui/qt_report_printer.h"
#include "ui/qt_text.h"

namespace korva {

namespace {

enum ItemColumn { kFood, kToday, kPlanned, kWeighs, kLock, kMin, kMax, kItemColumns };

template <std::size_t N>
QTableWidget* table(const char* name, const char* const (&headings)[N], QWidget* parent) {
    auto* t = new QTableWidget(0, int(N), parent);
    t->setObjectName(QString::fromLatin1(name));
    QStringList labels;
    for (const char* h : headings) labels << toQt(h);
    t->setHorizontalHeaderLabels(labels);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return t;
}

void setText(QTableWidget* t, int row, int column, const std::string& text) {
    if (QTableWidgetItem* cell = t->item(row, column)) {
        cell->setText(toQt(text));
        return;
    }
    t->setItem(row, column, new QTableWidgetItem(toQt(text)));
}

// The size that shows every column of `t` and `rows` of its rows.
QSize fullSize(const QTableWidget* t, int rows) {
    const int frame = 2 * t->frameWidth();
    return {t->horizontalHeader()->length() + frame + t->verticalScrollBar()->sizeHint().width(),
            t->horizontalHeader()->height() + rows * t->verticalHeader()->defaultSectionSize() + frame +
                t->horizontalScrollBar()->sizeHint().height()};
}

QDoubleSpinBox* servingsBox(const QString& name, QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(name);
    box->setDecimals(2);
    box->setSingleStep(double(kPlanStep));
    box->setRange(0.0, double(kMaxSteppedServings));
    return box;
}

} // namespace

PlanAmountsWidget::PlanAmountsWidget(PlanAmountsDialog& dialog, ReportPrinter& printer, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
    setObjectName(QStringLiteral("planAmountsDialog"));
    setWindowTitle(toQt(PlanAmountsDialog::kCaption));
    items_ = table("itemTable", PlanAmountsDialog::kItemHeadings, this);
    nutrients_ = table("nutrientTable", PlanAmountsDialog::kNutrientHeadings, this);
    band_ = new QSpinBox(this);
    band_->setObjectName(QStringLiteral("bandField"));
    band_->setRange(1, kMaxBandPercent);
    band_->setValue(dialog_.bandPercent());
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("statusLabel"));
    status_->setWordWrap(true);
    note_ = new QLabel(toQt(planmsg::kMissingNote), this);

    auto* plan = dialogButton(PlanAmountsDialog::kPlanButton, "planButton", this);
    apply_ = dialogButton(PlanAmountsDialog::kApplyButton, "applyButton", this);
    auto* print = dialogButton(PlanAmountsDialog::kPrintButton, "printButton", this);
    auto* preview = dialogButton(kPrintPreviewCaption, "previewButton", this);
    auto* close = dialogButton(PlanAmountsDialog::kCloseButton, "closeButton", this);
    auto* help = dialogButton(PlanAmountsDialog::kHelpButton, "helpButton", this);
    plan->setDefault(true);

    auto* bandRow = new QHBoxLayout;
    bandRow->addWidget(new QLabel(toQt(PlanAmountsDialog::kBandLabel), this));
    bandRow->addWidget(band_);
    bandRow->addStretch(1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {plan, apply_, print, preview, close, help}) buttons->addWidget(b);
    auto* tables = new QHBoxLayout;
    tables->addWidget(items_, 3);
    tables->addWidget(nutrients_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tables, 1);
    layout->addLayout(bandRow);
    layout->addWidget(note_);
    layout->addWidget(status_);
    layout->addLayout(buttons);

    connect(plan, &QPushButton::clicked, this, [this] {
        dialog_.onPlan();
        refresh();
    });
    connect(apply_, &QPushButton::clicked, this, [this] {
        dialog_.onApply();
        buildItemRows();
        refresh();
    });
    connect(print, &QPushButton::clicked, this, [this, &printer] { dialog_.onPrint(printer); });
    connect(preview, &QPushButton::clicked, this, [this, &printer] { dialog_.onPrint(printer.previewing()); });
    connect(help, &QPushButton::clicked, this, [this] { dialog_.onHelp(); });
    setHelp(this, [this] { dialog_.onHelp(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(band_, &QSpinBox::valueChanged, this, [this](int v) {
        dialog_.onBand(v);
        refresh();
    });
    buildItemRows();
    refresh();
    // Every column and up to 16 rows in view, as far as the screen allows.
    const int rows = std::min(std::max(items_->rowCount(), nutrients_->rowCount()), 16);
    const QSize itemsSize = fullSize(items_, rows);
    const QSize nutrientsSize = fullSize(nutrients_, rows);
    const QSize hint = sizeHint();
    const QSize wanted(std::max(hint.width(), itemsSize.width() + nutrientsSize.width() + 3 * layout->spacing() +
                                                  layout->contentsMargins().left() + layout->contentsMargins().right()),
                       hint.height() - items_->sizeHint().height() + itemsSize.height());
    resize(wanted.boundedTo(screen()->availableGeometry().size() * 9 / 10));
}

// The lock and bound controls of each row; made again only when the rows
// themselves change (after Apply took a food out).
void PlanAmountsWidget::buildItemRows() {
    const auto& rows = dialog_.itemRows();
    items_->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const std::size_t row = std::size_t(r);
        auto* lock = new QCheckBox(items_);
        lock->setObjectName(QStringLiteral("lock%1").arg(r));
        auto* min = servingsBox(QStringLiteral("min%1").arg(r), items_);
        auto* max = servingsBox(QStringLiteral("max%1").arg(r), items_);
        items_->setCellWidget(r, kLock, lock);
        items_->setCellWidget(r, kMin, min);
        items_->setCellWidget(r, kMax, max);
        connect(lock, &QCheckBox::toggled, this, [this, row](bool on) {
            dialog_.onLock(row, on);
            refresh();
        });
        connect(min, &QDoubleSpinBox::valueChanged, this, [this, row](double v) {
            dialog_.onMin(row, float(v));
            refresh();
        });
        connect(max, &QDoubleSpinBox::valueChanged, this, [this, row](double v) {
            dialog_.onMax(row, float(v));
            refresh();
        });
    }
}

void PlanAmountsWidget::refresh() {
    const auto& rows = dialog_.itemRows();
    for (int r = 0; r < int(rows.size()) && r < items_->rowCount(); ++r) {
        const PlanAmountsDialog::ItemRow& row = rows[std::size_t(r)];
        setText(items_, r, kFood, row.food);
        setText(items_, r, kToday, row.today);
        setText(items_, r, kPlanned, row.planned);
        setText(items_, r, kWeighs, row.weighs);
        auto* lock = static_cast<QCheckBox*>(items_->cellWidget(r, kLock));
        auto* min = static_cast<QDoubleSpinBox*>(items_->cellWidget(r, kMin));
        auto* max = static_cast<QDoubleSpinBox*>(items_->cellWidget(r, kMax));
        const QSignalBlocker q1(lock), q2(min), q3(max);
        lock->setChecked(row.locked);
        min->setValue(double(row.minServings));
        max->setValue(double(row.maxServings));
    }
    const auto& nutrients = dialog_.nutrientRows();
    nutrients_->setRowCount(int(nutrients.size()));
    for (int r = 0; r < int(nutrients.size()); ++r) {
        const PlanAmountsDialog::NutrientRow& row = nutrients[std::size_t(r)];
        setText(nutrients_, r, 0, row.name);
        setText(nutrients_, r, 1, row.today);
        setText(nutrients_, r, 2, row.planned);
    }
    note_->setVisible(dialog_.missingData());
    status_->setText(toQt(dialog_.status()));
    apply_->setEnabled(dialog_.applyEnabled());
}

void QtPlanAmountsWindows::run(PlanAmountsDialog& dialog) {
    PlanAmountsWidget face(dialog, QtReportPrinter::shared(), parent_);
    face.exec();
}

void QtPlanAmountsWindows::documentChanged(CFListDoc& doc) { lists_.documentChanged(doc); }

} // namespace korva
