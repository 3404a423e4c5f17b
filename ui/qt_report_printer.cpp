#include "ui/qt_report_printer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>
#include <vector>

#include "app/display_preferences.h"
#include "core/printf_text.h"
#include "daily/nutrient_view_print.h"
#include "ui/chart_painter.h"
#include "ui/font_conversion.h"
#include "ui/qt_text.h"

namespace korva {

namespace {

// Qt reports no cause when a job cannot start; this stands for "failed".
constexpr int kJobFailed = -1;

// One print job: pages of a QPrinter painted with QPainter.  The job starts
// with the first page when the painter begins and ends when the surface goes.
// Paints the nutrient chart in its colours too, where a report draws one.
class PainterSurface : public ReportSurface, public ChartCanvas {
public:
    PainterSurface(QPrinter& printer, std::unique_ptr<QPrinter> owned, const QFont& font)
        : owned_(std::move(owned)), printer_(printer), font_(font) {
        painter_.begin(&printer_);
        painter_.setFont(font_);
        QPen pen(Qt::black);
        pen.setWidth(std::max(1, painter_.fontMetrics().height() / 20));
        painter_.setPen(pen);
    }
    ~PainterSurface() override {
        if (painter_.isActive()) painter_.end();
    }
    bool started() const { return painter_.isActive(); }

    CharMetrics charMetrics() override {
        const QFontMetrics m = painter_.fontMetrics();
        return {m.horizontalAdvance(QLatin1Char('M')), m.height()};
    }
    int printableHeight() override { return printer_.height(); }
    int printableWidth() override { return printer_.width(); }
    void startPage() override {
        // The painter opened the first page itself.
        if (pages_++ > 0) printer_.newPage();
    }
    void endPage() override {}
    void selectFont() override { painter_.setFont(font_); }
    void paintShape(const ChartShape& shape) override {
        painter_.save();
        QtChartCanvas(painter_).paintShape(shape);
        painter_.restore();
    }
    int textWidth(std::string_view text) override {
        return painter_.fontMetrics().horizontalAdvance(QString::fromLatin1(text.data(), qsizetype(text.size())));
    }
    int drawText(int x, int y, std::string_view text, std::span<const int> tabStops) override {
        int right = x;
        const auto cells = expandTabs(
            x, text, tabStops, [this](std::string_view s) { return textWidth(s); }, right);
        const int baseline = y + painter_.fontMetrics().ascent();
        // Each cell is its own run of text, so a PDF reader sees the columns.
        for (const TextCell& c : cells)
            if (!c.text.empty())
                painter_.drawText(c.x, baseline, QString::fromLatin1(c.text.data(), qsizetype(c.text.size())));
        return right - x;
    }
    void drawLine(int x1, int y1, int x2, int y2) override { painter_.drawLine(x1, y1, x2, y2); }

private:
    std::unique_ptr<QPrinter> owned_;
    QPrinter& printer_;
    QFont font_;
    QPainter painter_;
    int pages_ = 0;
};

// Ligatures would turn "fl" into one glyph that a PDF reader gives back as
// a character nobody typed.
QFont reportFont(const FontDescription& d) {
    QFont f = toQFont(d, QApplication::font());
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

std::unique_ptr<ReportSurface> started(std::unique_ptr<PainterSurface> s, int& error) {
    if (s->started()) return s;
    error = kJobFailed;
    return nullptr;
}

} // namespace

QtReportPrinter::QtReportPrinter() = default;
QtReportPrinter::~QtReportPrinter() = default;

QtReportPrinter& QtReportPrinter::shared() {
    static QtReportPrinter printer;
    return printer;
}

QPrinter& QtReportPrinter::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setResolution(kPrinterDpi);
    }
    return *printer_;
}

FontDescription QtReportPrinter::printerFont() const { return fontSource_ ? fontSource_() : defaultPrinterFont(1280); }

std::string QtReportPrinter::fileStem(const std::string& jobName) {
    // A run of blanks or separators becomes one '_': "SHOPPING  LIST" ->
    // "SHOPPING_LIST".
    std::string stem;
    for (char c : jobName) {
        const bool gap = c == ' ' || c == '/' || c == '\\';
        if (!gap)
            stem += c;
        else if (stem.empty() || stem.back() != '_')
            stem += '_';
    }
    return stem;
}

void QtReportPrinter::setup(QWidget* parent) {
    QPrintDialog dialog(&printer(), parent);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // Setting up prints nothing: the accepting button says so.
    for (auto* box : dialog.findChildren<QDialogButtonBox*>())
        for (QAbstractButton* b : box->buttons())
            if (box->buttonRole(b) == QDialogButtonBox::AcceptRole) b->setText(QStringLiteral("OK"));
    dialog.exec();
}

QPrinter& QtReportPrinter::printerForJob() {
    QPrinter& p = printer();
    p.setCopyCount(1);
    p.setPrintRange(QPrinter::AllPages);
    return p;
}

bool QtReportPrinter::choosePrinter() {
    if (pdfFolder_) return true;
    QPrintDialog dialog(&printerForJob(), QApplication::activeWindow());
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

std::unique_ptr<ReportSurface> QtReportPrinter::startJob(const std::string& jobName, int& error) {
    error = 0;
    if (pdfFolder_) return startPdfJob(jobName, error);
    QPrinter& p = printer();
    p.setDocName(toQt(jobName));
    return started(std::make_unique<PainterSurface>(p, nullptr, reportFont(printerFont())), error);
}

std::unique_ptr<ReportSurface> QtReportPrinter::startPdfJob(const std::string& jobName, int& error) {
    std::error_code ec;
    std::filesystem::create_directories(*pdfFolder_, ec);
    const std::string stem = fileStem(jobName);
    std::filesystem::path file;
    for (int n = 1; n < 100000; ++n) {
        file = *pdfFolder_ / printfText("%s-%03d.pdf", stem.c_str(), n);
        if (!std::filesystem::exists(file, ec)) break;
    }
    auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
    pdf->setOutputFormat(QPrinter::PdfFormat);
    pdf->setResolution(kPrinterDpi);
    pdf->setOutputFileName(QString::fromStdString(file.string()));
    pdf->setDocName(toQt(jobName));
    pdf->setCreator(QStringLiteral("Korvana"));
    QPrinter& target = *pdf;
    auto job = started(std::make_unique<PainterSurface>(target, std::move(pdf), reportFont(printerFont())), error);
    if (job) lastFile_ = file;
    return job;
}

std::optional<bool> QtReportPrinter::Preview::showPreview(const std::string& jobName, const JobDrawer& draw) {
    if (printer_.pdfFolder_) return std::nullopt;
    QPrinter& p = printer_.printerForJob();
    p.setDocName(toQt(jobName));
    QPrintPreviewDialog dialog(&p, QApplication::activeWindow());
    dialog.setObjectName(QStringLiteral("printPreviewDialog"));
    dialog.setWindowTitle(toQt(jobName));
    // Qt asks for the pages again after each change of the page set-up, and
    // once more on the printer when the user prints from the preview.
    bool drawn = true;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
        int error = 0;
        auto job =
            started(std::make_unique<PainterSurface>(*target, nullptr, reportFont(printer_.printerFont())), error);
        drawn = draw(std::move(job), error);
    });
    return dialog.exec() == QDialog::Accepted && drawn;
}

} // namespace korva
