#include "ui/protein_quality_widget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/protein_quality_dialog.h"
#include "lists/report_surface.h"
#include "ui/dialog_button.h"
#include "ui/help_window.h"
#include "ui/tab_stop_delegate.h"

namespace korva {

ProteinQualityWidget::ProteinQualityWidget(ProteinQualityDialog& dialog, ReportPrinter& printer, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("proteinQualityDialog"));
    setWindowTitle(toQt(ProteinQualityDialog::kCaption));

    auto* rows = new QListWidget(this);
    rows->setObjectName(QStringLiteral("proteinRows"));
    const auto& stops = ProteinQualityDialog::kTabStops;
    rows->setItemDelegate(new TabStopDelegate({std::begin(stops), std::end(stops)}, rows));
    for (const std::string& r : dialog.rows()) rows->addItem(toQt(r));
    rows->setMinimumWidth(rows->fontMetrics().averageCharWidth() * 76);
    rows->setMinimumHeight(rows->fontMetrics().height() * (static_cast<int>(dialog.rows().size()) + 2));

    auto* print = dialogButton(ProteinQualityDialog::kPrint, "printButton", this);
    auto* preview = dialogButton(kPrintPreviewCaption, "previewButton", this);
    auto* close = dialogButton(ProteinQualityDialog::kClose, "closeButton", this);
    auto* help = dialogButton(ProteinQualityDialog::kHelp, "helpButton", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {print, preview, close, help}) buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(toQt(dialog.title()), this));
    layout->addWidget(rows, 1);
    for (const std::string& line : dialog.summary()) layout->addWidget(new QLabel(toQt(line), this));
    layout->addLayout(buttons);

    connect(print, &QPushButton::clicked, this, [&dialog, &printer] { dialog.onPrint(printer); });
    connect(preview, &QPushButton::clicked, this, [&dialog, &printer] { dialog.onPrint(printer.previewing()); });
    connect(help, &QPushButton::clicked, this, [&dialog] { dialog.onHelp(); });
    setHelp(this, [&dialog] { dialog.onHelp(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace korva
