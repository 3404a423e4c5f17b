#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korva {

// Size of the printer font's "M" in device units: every report position is
// a multiple of these.
struct CharMetrics {
    int w = 0;
    int h = 0;
};

// Where a report is drawn: a page of a print job (ui/ paints on a printer or
// a PDF file) or a recording for tests.  Coordinates are device units with
// the origin at the top left of the printable area and y growing downwards;
// text is drawn with its top at y.
class ReportSurface {
public:
    virtual ~ReportSurface() = default;

    // Measured in the printer font.
    virtual CharMetrics charMetrics() = 0;
    virtual int printableHeight() = 0;
    virtual int printableWidth() = 0;

    virtual void startPage() = 0;
    virtual void endPage() = 0;
    // Selects the printer font (again after each new page).
    virtual void selectFont() = 0;

    // Width of a text without tabs as the surface would draw it.
    virtual int textWidth(std::string_view text) = 0;
    // Draws one line at (x, y): a tab moves the rest to the next of
    // `tabStops` (absolute x positions, ascending) beyond what was drawn so
    // far.  Answers the width from x to the right end of the drawn text.
    // Surfaces that draw cells lay them out with expandTabs().
    virtual int drawText(int x, int y, std::string_view text, std::span<const int> tabStops) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;
};

// One piece of a tabbed line with the x it starts at.
struct TextCell {
    int x = 0;
    std::string_view text;
};

// Splits a line at its tabs and places each cell at the first tab stop
// beyond the end of the cell before it; past the last stop a cell follows
// after the width of one blank.  `width` measures a cell.  `right` receives
// the x of the line's right end.
std::vector<TextCell> expandTabs(int x, std::string_view text, std::span<const int> tabStops,
                                 const std::function<int(std::string_view)>& width, int& right);

// The printer as the print commands see it.  ui/ shows the print dialog and
// prints on the chosen printer or into a PDF file; tests script it.
class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;

    // The print dialog (one copy, no page range, no selection); false when
    // the user cancels.
    virtual bool choosePrinter() = 0;
    // Starts a job under `jobName` on the chosen printer, drawn in the
    // printer font.  None, with the platform's error code in `error`, when
    // the printer refuses.  The job ends when the surface is destroyed.
    virtual std::unique_ptr<ReportSurface> startJob(const std::string& jobName, int& error) = 0;

    // Draws one job on a started surface, or reports the printer's refusal
    // (no surface, its error code); answers whether the job was drawn.
    using JobDrawer = std::function<bool(std::unique_ptr<ReportSurface> job, int error)>;
    // A printer that shows each job before it prints lays the job out
    // through `draw` as often as its preview needs, on pages of the chosen
    // printer, and once more on the printer itself when the user prints from
    // the preview; it answers whether the job was printed.  None from a
    // printer that prints at once: the job then goes through choosePrinter
    // and startJob.
    virtual std::optional<bool> showPreview(const std::string& jobName, const JobDrawer& draw) {
        (void)jobName;
        (void)draw;
        return std::nullopt;
    }
    // The same printer showing each job first; itself when it has no preview.
    virtual ReportPrinter& previewing() { return *this; }
};

// The caption of the commands and buttons that show a report before it prints.
inline constexpr const char* kPrintPreviewCaption = "Print Pre&view...";

} // namespace korva
