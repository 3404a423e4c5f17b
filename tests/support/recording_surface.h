#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "lists/report_surface.h"

namespace korva::test {

// A report surface that keeps what was drawn.  Every character is w wide,
// so positions in the records are easy to predict.  The page is 80w wide,
// about what the default printer font gives on paper; a text or line drawn
// past it is kept in `pastEdge` and reported to `onPastEdge`, which the
// tests' support library sets to fail the running test.
class RecordingSurface : public ReportSurface {
public:
    static constexpr int kPageWidth = 800;
    static inline std::function<void(const std::string&)> onPastEdge;

    struct Text {
        int page; // 1-based
        int x;
        int y;
        std::string text; // tabs kept
    };
    struct Line {
        int page;
        int x1, y1, x2, y2;
    };

    explicit RecordingSurface(CharMetrics m = {10, 20}, int height = 2000, int width = kPageWidth)
        : glyphWidth(m.w), metrics_(m), height_(height), width_(width) {}

    CharMetrics charMetrics() override { return metrics_; }
    int printableHeight() override { return height_; }
    int printableWidth() override { return width_; }
    void startPage() override;
    void endPage() override;
    void selectFont() override { ++fontSelections; }
    int textWidth(std::string_view text) override { return static_cast<int>(text.size()) * glyphWidth; }
    int drawText(int x, int y, std::string_view text, std::span<const int> tabStops) override;
    void drawLine(int x1, int y1, int x2, int y2) override;

    // The texts alone, in drawing order.
    std::vector<std::string> textLines() const;

    // Width of every character as drawn; w unless a test narrows it.
    int glyphWidth;

    std::vector<Text> texts;
    std::vector<Line> lines;
    // Where each text's cells start, as expandTabs placed them.
    std::vector<std::vector<int>> cellX;
    int page = 0;
    int pagesEnded = 0;
    std::vector<std::string> pastEdge;
    int fontSelections = 0;
    bool pageOpen = false;
    // Set when a page was started inside another or drawn on while closed.
    bool misuse = false;

private:
    void passedEdge(std::string_view what);

    CharMetrics metrics_;
    int height_;
    int width_;
};

// A printer that answers the dialog as scripted and keeps every finished
// job, each on pages of the size given.
class KeepingPrinter : public ReportPrinter {
public:
    bool accept = true;
    int refusal = 0; // the error code of a refused job; 0 starts it
    int dialogs = 0;
    int pageHeight = 2000, pageWidth = RecordingSurface::kPageWidth;
    std::vector<std::string> jobNames;
    std::string jobName; // the last job's
    std::vector<RecordingSurface> finished;
    std::vector<std::string> texts; // of every job, in drawing order

    bool choosePrinter() override {
        ++dialogs;
        return accept;
    }
    std::unique_ptr<ReportSurface> startJob(const std::string& name, int& error) override {
        jobNames.push_back(name);
        jobName = name;
        error = refusal;
        if (refusal) return nullptr;
        return std::make_unique<Job>(*this);
    }

private:
    struct Job : RecordingSurface {
        explicit Job(KeepingPrinter& p) : RecordingSurface({10, 20}, p.pageHeight, p.pageWidth), to(p) {}
        ~Job() override { to.finished.push_back(*this); }
        int drawText(int x, int y, std::string_view text, std::span<const int> stops) override {
            to.texts.emplace_back(text);
            return RecordingSurface::drawText(x, y, text, stops);
        }
        KeepingPrinter& to;
    };
};

} // namespace korva::test
