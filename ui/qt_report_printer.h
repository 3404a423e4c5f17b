#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/font_description.h"
#include "lists/report_surface.h"

class QPrinter;
class QWidget;

namespace korva {

// The program's printer: the print dialog with the system's printers and
// printing to a PDF file, print jobs drawn with QPainter in the printer
// font, and "P&rint Setup...".  Run with --print-to, every job goes to a
// numbered PDF file in one folder without a dialog.
class QtReportPrinter : public ReportPrinter {
public:
    // Printer fonts are stored in device units of a 300 dpi printer (the
    // default one is 44 units high, about 10 points).
    static constexpr int kPrinterDpi = 300;

    QtReportPrinter();
    ~QtReportPrinter() override;

    // The one printer of the run, so every report and Print Setup share the
    // chosen printer and its options.
    static QtReportPrinter& shared();

    // Where the printer font comes from; the default printer font until set.
    void setFontSource(std::function<FontDescription()> source) { fontSource_ = std::move(source); }
    // Every later job becomes "<job name, a run of blanks as one '_'>-NNN.pdf" in
    // `folder`, numbered from 001 past the files already there; no dialog.
    void sendJobsTo(std::filesystem::path folder) { pdfFolder_ = std::move(folder); }
    void printOnPrinter() { pdfFolder_.reset(); }
    const std::optional<std::filesystem::path>& pdfFolder() const { return pdfFolder_; }
    // The file of the last job sent to the PDF folder.
    const std::filesystem::path& lastFile() const { return lastFile_; }

    // Made on first use: finding the system's printers can take a while.
    QPrinter& printer();
    // "P&rint Setup...": chooses the printer and its options for later jobs.
    void setup(QWidget* parent);

    bool choosePrinter() override;
    std::unique_ptr<ReportSurface> startJob(const std::string& jobName, int& error) override;
    // "Print Pre&view...": each job shows in a preview of the chosen printer's
    // pages first; with --print-to each job goes to its file without one.
    ReportPrinter& previewing() override { return preview_; }

    // "FOOD LIST TOTALS" -> "FOOD_LIST_TOTALS", "SHOPPING  LIST" -> "SHOPPING_LIST".
    static std::string fileStem(const std::string& jobName);

private:
    // This printer with a preview before each job.
    class Preview : public ReportPrinter {
    public:
        explicit Preview(QtReportPrinter& printer) : printer_(printer) {}
        bool choosePrinter() override { return printer_.choosePrinter(); }
        std::unique_ptr<ReportSurface> startJob(const std::string& jobName, int& error) override {
            return printer_.startJob(jobName, error);
        }
        std::optional<bool> showPreview(const std::string& jobName, const JobDrawer& draw) override;
        ReportPrinter& previewing() override { return *this; }

    private:
        QtReportPrinter& printer_;
    };

    FontDescription printerFont() const;
    std::unique_ptr<ReportSurface> startPdfJob(const std::string& jobName, int& error);
    // The printer as a print job finds it: one copy, every page.
    QPrinter& printerForJob();

    std::unique_ptr<QPrinter> printer_;
    std::function<FontDescription()> fontSource_;
    std::optional<std::filesystem::path> pdfFolder_;
    std::filesystem::path lastFile_;
    Preview preview_{*this};
};

} // namespace korva
