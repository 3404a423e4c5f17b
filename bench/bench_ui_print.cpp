// Printing a 50-item FoodList report: to a PDF file through the program's
// printer (fonts, QPainter, the PDF writer) against laying the same report
// out on a surface that only counts what it is asked to draw.

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "core/short_food.h"
#include "lists/food_list.h"
#include "lists/list_report.h"
#include "lists/report_writer.h"
#include "ui/qt_report_printer.h"

namespace {

namespace fs = std::filesystem;

korva::FoodList fiftyItems() {
    korva::FoodList list;
    list.setPath("bench.fls");
    for (int i = 0; i < 50; ++i) {
        korva::ShortFood entry;
        entry.setName("Food number " + std::to_string(i));
        entry.servingText = "1 cup";
        entry.gramsPerServing = 100.0f + float(i);
        entry.id = std::uint16_t(100 + i);
        korva::NutrientRecord r;
        for (int n = 0; n < korva::kNutrientCount; ++n) {
            r.setValue(n, float(n + i) * 1.5f);
            r.setLevel(n, 1);
        }
        korva::FoodItem item(entry.id);
        item.attach(entry, r);
        list.append(item);
    }
    list.recomputeTotals();
    return list;
}

korva::ReportUser benchUser() {
    korva::ReportUser u{"Bench", {}};
    for (int n = 0; n < korva::kNutrientCount; ++n) {
        u.targets.setValue(n, 100.0f);
        u.targets.setLevel(n, 2);
    }
    return u;
}

// Measures text as a fixed-pitch font would and draws nothing.
class CountingSurface : public korva::ReportSurface {
public:
    korva::CharMetrics charMetrics() override { return {18, 44}; }
    int printableHeight() override { return 3300; }
    int printableWidth() override { return 2550; }
    void startPage() override { ++pages; }
    void endPage() override {}
    void selectFont() override {}
    int textWidth(std::string_view text) override { return int(text.size()) * 18; }
    int drawText(int x, int, std::string_view text, std::span<const int> stops) override {
        int right = x;
        cells += korva::expandTabs(x, text, stops, [this](std::string_view s) { return textWidth(s); }, right).size();
        return right - x;
    }
    void drawLine(int, int, int, int) override { ++lines; }
    int pages = 0;
    std::size_t cells = 0;
    int lines = 0;
};

void BM_PrintFoodListToPdf(benchmark::State& state) {
    const korva::FoodList list = fiftyItems();
    const korva::ReportUser user = benchUser();
    const fs::path folder = fs::temp_directory_path() / ("korva-bench-print-" + std::to_string(::getpid()));
    korva::QtReportPrinter printer;
    printer.sendJobsTo(folder);
    for (auto _ : state) {
        int error = 0;
        {
            auto job = printer.startJob(korva::kListJobName, error);
            if (!job) {
                state.SkipWithError("the PDF job did not start");
                break;
            }
            korva::ReportWriter out(*job);
            out.begin();
            korva::writeFoodListReport(out, list, user);
            out.end();
        }
        fs::remove(printer.lastFile());
    }
    fs::remove_all(folder);
}
BENCHMARK(BM_PrintFoodListToPdf)->Unit(benchmark::kMillisecond);

void BM_LayOutFoodListOnly(benchmark::State& state) {
    const korva::FoodList list = fiftyItems();
    const korva::ReportUser user = benchUser();
    for (auto _ : state) {
        CountingSurface surface;
        korva::ReportWriter out(surface);
        out.begin();
        korva::writeFoodListReport(out, list, user);
        out.end();
        benchmark::DoNotOptimize(surface.cells);
    }
}
BENCHMARK(BM_LayOutFoodListOnly)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
