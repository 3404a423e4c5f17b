// The nutrient view's chart painted once, on an image and into a PDF file,
// against laying the view's table report out on a recording surface.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include "core/food_data_base.h"
#include "daily/nutrient_view_dialog.h"
#include "daily/nutrient_view_print.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "lists/report_writer.h"
#include "tests/support/quiet_platform.h"
#include "tests/support/recording_surface.h"
#include "ui/chart_painter.h"

namespace {

using namespace korva;

// A list of one food with every nutrient given and a target for most.
struct Fixture {
    FoodDataBase db;
    test::QuietPlatform platform;
    ActiveDocument active;
    CFoodListDoc doc{db, platform, active};
    ViewFoods foods{db};

    Fixture() {
        NutrientRecord r, targets;
        for (int n = 0; n < kNutrientCount; ++n) {
            r.setValue(n, 10.0f + float(n));
            r.setLevel(n, 1);
            if (n % 5 == 4) continue;
            targets.setValue(n, 15.0f + float(n % 7));
            targets.setLevel(n, 2);
        }
        db.users().current().profile = targets;
        ShortFood e;
        e.name = "food";
        e.gramsPerServing = 120.0f;
        FoodItem item(1);
        item.attach(e, r);
        doc.list().append(item);
        doc.list().recomputeTotals();
    }
};

void BM_ChartPaintedOnImage(benchmark::State& state) {
    Fixture f;
    NutrientViewDialog view(f.foods, f.platform, NutrientViewDialog::kHistogram, f.doc, NutrientViewDialog::kWhole);
    QImage image(740, 812, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        QtChartCanvas canvas(painter);
        paintChart(canvas, view.chart(image.width(), image.height()));
    }
}
BENCHMARK(BM_ChartPaintedOnImage)->Unit(benchmark::kMicrosecond);

void BM_ChartPaintedIntoPdf(benchmark::State& state) {
    Fixture f;
    NutrientViewDialog view(f.foods, f.platform, NutrientViewDialog::kHistogram, f.doc, NutrientViewDialog::kWhole);
    for (auto _ : state) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&out);
        QPainter painter(&pdf);
        QtChartCanvas canvas(painter);
        const ChartPrintLayout layout = chartPrintLayout(pdf.width(), pdf.height(), view.page());
        const ChartGeometry chart = layoutChart(kChartGridWidth, kChartGridHeight, view.page(), view.shown(),
                                                view.user().targets, ChartMedium::paper);
        for (const ChartShape& s : chart.shapes) canvas.paintShape(mapShape(s, layout.chart));
        painter.end();
        benchmark::DoNotOptimize(out.size());
    }
}
BENCHMARK(BM_ChartPaintedIntoPdf)->Unit(benchmark::kMicrosecond);

void BM_TableLaidOutOnRecordingSurface(benchmark::State& state) {
    Fixture f;
    NutrientViewDialog view(f.foods, f.platform, NutrientViewDialog::kTable, f.doc, NutrientViewDialog::kWhole);
    for (auto _ : state) {
        test::RecordingSurface surface;
        ReportWriter out(surface);
        out.begin();
        writeNutrientTable(out, view);
        out.end();
        benchmark::DoNotOptimize(surface.texts.size());
    }
}
BENCHMARK(BM_TableLaidOutOnRecordingSurface)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApp(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
