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
    // A name too long for its column moves the value, unit and percent one
    // stop on each; the stops after 27w stay close, so the percent stays on
    // the paper (the standard stops would put it at 76w).
    std::vector<int> stops{15, 20, 27};
    for (int k = 0; k < 7; ++k) stops.push_back(34 + 7 * k);
    return stops;
}

ReportWriter::ReportWriter(ReportSurface& surface) : surface_(surface) { useStandardTabStops(); }

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

namespace {

// The longest head of `text` that, drawn from `at`, ends by `limit`: up to
// the tab before the first cell that does not fit, or, when the first cell
// alone is too wide, up to its last blank that fits (a character at least,
// so that every line makes progress).  `rest` receives what follows, the
// separating tab or blank dropped.
std::string_view fittingHead(int at, std::string_view text, std::span<const int> stops, int limit,
                             const std::function<int(std::string_view)>& width, std::string_view& rest) {
    int right = at;
    const std::vector<TextCell> cells = expandTabs(at, text, stops, width, right);
    rest = {};
    if (right <= limit) return text;
    std::size_t start = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const TextCell& c = cells[i];
        if (c.x + width(c.text) <= limit) {
            start += c.text.size() + 1;
            continue;
        }
        if (i > 0) {
            rest = text.substr(start);
            return text.substr(0, start - 1);
        }
        std::size_t fit = 0;
        while (fit < c.text.size() && c.x + width(c.text.substr(0, fit + 1)) <= limit) ++fit;
        std::size_t cut = std::max<std::size_t>(fit, 1);
        if (const std::size_t blank = c.text.substr(0, fit + 1).rfind(' ');
            blank != std::string_view::npos && blank > 0)
            cut = blank;
        rest = text.substr(cut);
        if (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
        return text.substr(0, cut);
    }
    return text; // a trailing tab alone passed the edge: nothing visible does
}

} // namespace

void ReportWriter::line(int n, int x, std::string_view text, bool underline) {
    advance(n);
    std::vector<int> stops(stops_.size());
    std::transform(stops_.begin(), stops_.end(), stops.begin(), [this](int s) { return s * metrics_.w; });
    const auto width = [this](std::string_view s) { return surface_.textWidth(s); };
    const int limit = surface_.printableWidth();
    int left = x * metrics_.w;
    // What does not fit on the page's width goes on under it, indented, so
    // nothing is cut at the edge.  A page too narrow for even that is left
    // to the printer.
    const bool wraps = limit >= left + kContinuationIndent * metrics_.w + 8 * metrics_.w;
    for (std::string_view rest = text;;) {
        std::string_view piece = rest;
        if (wraps)
            piece = fittingHead(left, rest, stops, limit, width, rest);
        else
            rest = {};
        const int top = y();
        const int drawn = surface_.drawText(left, top, piece, stops);
        if (underline) surface_.drawLine(left, top + metrics_.h, left + drawn, top + metrics_.h);
        if (rest.empty()) break;
        advance(1);
        left = (x + kContinuationIndent) * metrics_.w;
    }
}

int ReportWriter::widthInW() const { return surface_.printableWidth() / metrics_.w; }

void ReportWriter::setTabStops(std::span<const int> stopsInW) { stops_.assign(stopsInW.begin(), stopsInW.end()); }

void ReportWriter::useStandardTabStops() { stops_ = standardTabStops(); }

void ReportWriter::useNutrientTabStops() { stops_ = nutrientTabStops(); }

bool runPrintJob(Platform& platform, ReportPrinter& printer, const std::string& jobName,
                 const std::function<void(ReportWriter&)>& layout) {
    // The preview and the printer draw the same layout, page breaks and all.
    const ReportPrinter::JobDrawer draw = [&](std::unique_ptr<ReportSurface> job, int error) {
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
    };
    if (const std::optional<bool> printed = printer.showPreview(jobName, draw)) return *printed;
    if (!printer.choosePrinter()) return false;
    int error = 0;
    std::unique_ptr<ReportSurface> job = printer.startJob(jobName, error);
    return draw(std::move(job), error);
}

} // namespace korva
