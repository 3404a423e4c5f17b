#include "lists/report_writer.h"

#include <algorithm>

#include "core/platform.h"
#include "core/printf_text.h"

namespace korva {

std::vector<TextCell> expandTabs(int x, std::string_view text, std::span<const int> tabStops,
                                 const std::function<int(std::string_view)>& width, int& right) {
    std::vector<TextCell> cells;
    int at = x;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = text.find('\t', start);
        const std::string_view cell = text.substr(start, tab == std::string_view::npos ? tab : tab - start);
        cells.push_back({at, cell});
        at += width(cell);
        if (tab == std::string_view::npos) break;
        const auto next = std::upper_bound(tabStops.begin(), tabStops.end(), at);
        at = next != tabStops.end() ? *next : at + width(" ");
        start = tab + 1;
    }
    // A trailing tab still moves the right end (nothing is drawn there).
    right = at;
    return cells;
}

std::vector<int> standardTabStops() {
    std::vector<int> stops;
    for (int k = 0; k < 10; ++k) stops.push_back(40 + 12 * k);
    return stops;
}

std::vector<int> nutrientTabStops() {
    std::vector<int> stops = standardTabStops();
    stops[0] = 15;
    stops[1] = 20;
    stops[2] = 27;
    return stops;
}

ReportWriter::ReportWriter(ReportSurface& surface) : surface_(surface) {
    useStandardTabStops();
}

void ReportWriter::begin() {
    surface_.startPage();
    surface_.selectFont();
    metrics_ = surface_.charMetrics();
    // A font without height would make every page hold no line at all.
    metrics_.h = std::max(metrics_.h, 1);
    metrics_.w = std::max(metrics_.w, 1);
    capacity_ = std::max((surface_.printableHeight() - metrics_.h) / metrics_.h, 1);
    count_ = 0;
    pages_ = 1;
    open_ = true;
}

void ReportWriter::end() {
    if (!open_) return;
    surface_.endPage();
    open_ = false;
}

void ReportWriter::newPage() {
    surface_.endPage();
    surface_.startPage();
    surface_.selectFont();
    ++pages_;
    count_ = 0;
}

void ReportWriter::advance(int n) {
    count_ += n;
    if (count_ >= capacity_) newPage();
}

void ReportWriter::line(int n, int x, std::string_view text, bool underline) {
    advance(n);
    std::vector<int> stops(stops_.size());
    std::transform(stops_.begin(), stops_.end(), stops.begin(), [this](int s) { return s * metrics_.w; });
    const int left = x * metrics_.w;
    const int top = y();
    const int width = surface_.drawText(left, top, text, stops);
    if (underline) surface_.drawLine(left, top + metrics_.h, left + width, top + metrics_.h);
}

void ReportWriter::setTabStops(std::span<const int> stopsInW) {
    stops_.assign(stopsInW.begin(), stopsInW.end());
}

void ReportWriter::useStandardTabStops() {
    stops_ = standardTabStops();
}

void ReportWriter::useNutrientTabStops() {
    stops_ = nutrientTabStops();
}

bool runPrintJob(Platform& platform, ReportPrinter& printer, const std::string& jobName,
                 const std::function<void(ReportWriter&)>& layout) {
    if (!printer.choosePrinter()) return false;
    int error = 0;
    std::unique_ptr<ReportSurface> job = printer.startJob(jobName, error);
    if (!job) {
        platform.message(printfText(kJobRefusedFormat, error));
        return false;
    }
    WaitCursor wait(platform);
    ReportWriter out(*job);
    out.begin();
    layout(out);
    out.end();
    job.reset(); // the job ends here, while the wait cursor still shows
    return true;
}

} // namespace korva
