#include "ui/nutrient_trend_widget.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/nutrients.h"
#include "daily/nutrient_trend.h"
#include "lists/report_surface.h"
#include "ui/chart_painter.h"
#include "ui/dialog_button.h"

namespace korva {

NutrientTrendWidget::NutrientTrendWidget(NutrientTrend& trend, ReportPrinter& printer, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("nutrientTrendDialog"));
    setWindowTitle(toQt(NutrientTrend::kCaption));

    auto* nutrients = new QComboBox(this);
    nutrients->setObjectName(QStringLiteral("nutrientChoice"));
    for (int n = 0; n < kNutrientCount; ++n) nutrients->addItem(toQt(std::string(nutrientName(n))));
    nutrients->setCurrentIndex(trend.nutrient());

    auto* chart = new NutrientChartWidget(
        [this, &trend](int width, int height) {
            const QFontMetrics m = fontMetrics();
            ChartGeometry g;
            g.width = width;
            g.height = height;
            g.shapes = trend.layout(width, height, m.averageCharWidth(), m.height()).shapes;
            return g;
        },
        this);
    chart->setObjectName(QStringLiteral("trendChart"));
    chart->setMinimumSize(560, 320);

    auto* print = dialogButton(NutrientTrend::kPrint, "printButton", this);
    auto* preview = dialogButton(kPrintPreviewCaption, "previewButton", this);
    auto* close = dialogButton(NutrientTrend::kClose, "closeButton", this);
    auto* row = new QHBoxLayout;
    row->addWidget(nutrients);
    row->addStretch(1);
    row->addWidget(print);
    row->addWidget(preview);
    row->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(chart, 1);

    connect(nutrients, &QComboBox::currentIndexChanged, this, [&trend, chart](int n) {
        trend.onNutrient(n);
        chart->update();
    });
    connect(print, &QPushButton::clicked, this, [&trend, &printer] { trend.onPrint(printer); });
    connect(preview, &QPushButton::clicked, this, [&trend, &printer] { trend.onPrint(printer.previewing()); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace korva
