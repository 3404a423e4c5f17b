#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lists/report_surface.h"

namespace korva {

class Platform;

// Lays a report out line by line in units of the printer font's "M" (w wide,
// h high), the same way for every report the program prints:
//  - before each line the position moves down by n lines; when the running
//    line count reaches the page's capacity, (printable height - h) / h, the
//    page ends, a new one starts in the printer font and the line goes at
//    the top;
//  - headings start at 2w and are underlined from their left end to their
//    right end, one line height below their top;
//  - detail lines start at 4w, their tabs expanded on the current tab stops
//    (positions in w);
//  - nothing is drawn past the printable width: a line too wide goes on in
//    the lines under it, broken before the first cell that does not fit
//    (or at a blank of a cell too wide by itself).
class ReportWriter {
public:
    static constexpr int kHeadingX = 2;
    static constexpr int kDetailX = 4;
    // Where the part of a line that passes the printable width goes on, in
    // w from the line's own start.
    static constexpr int kContinuationIndent = 4;

    explicit ReportWriter(ReportSurface& surface);

    // Starts the first page in the printer font; the first line goes at the
    // top with no advance.
    void begin();
    // Ends the last page.
    void end();

    void heading(int n, std::string_view text) { line(n, kHeadingX, text, true); }
    void detail(int n, std::string_view text) { line(n, kDetailX, text, false); }
    // Any line: `x` in w, optionally underlined.
    void line(int n, int x, std::string_view text, bool underline);
    // Moves down n lines (a page break when the page is full) without
    // drawing: the line position a caller then draws on itself.
    void advance(int n);
    // Whether moving down n lines from here starts a new page.
    bool endsPage(int n) const { return count_ + n >= capacity_; }
    // Ends the page now: the next line goes at the top of a new one.
    void breakPage() { newPage(); }

    // Tab stops in w.  The default ten are 40w, then every 12w up to 148w.
    void setTabStops(std::span<const int> stopsInW);
    void useStandardTabStops();
    // The nutrient table's: 15w, 20w and 27w, then every 7w from 34w.
    void useNutrientTabStops();

    int w() const { return metrics_.w; }
    // The printable width in whole w.
    int widthInW() const;
    int h() const { return metrics_.h; }
    int linesPerPage() const { return capacity_; }
    // Line count on the current page (0 = top) and its y.
    int lineOnPage() const { return count_; }
    int y() const { return count_ * metrics_.h; }
    int pageCount() const { return pages_; }
    ReportSurface& surface() { return surface_; }

private:
    void newPage();

    ReportSurface& surface_;
    CharMetrics metrics_;
    int capacity_ = 1;
    int count_ = 0;
    int pages_ = 0;
    bool open_ = false;
    std::vector<int> stops_;
};

// The ten tab stops of a report, in w.
std::vector<int> standardTabStops();
std::vector<int> nutrientTabStops();

inline constexpr const char* kJobRefusedFormat = "Unable to Begin printing - Error[%d]";

// One print job from the print dialog to the last page: the dialog (false
// when cancelled), the job under `jobName` ("Unable to Begin printing -
// Error[%d]" and false when the printer refuses it), then `layout` draws
// the report under the wait cursor between begin() and end().  A printer
// with a preview shows the report first and prints it from there.
bool runPrintJob(Platform& platform, ReportPrinter& printer, const std::string& jobName,
                 const std::function<void(ReportWriter&)>& layout);

} // namespace korva
