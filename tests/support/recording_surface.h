#pragma once

#include <string>
#include <vector>

#include "lists/report_surface.h"

namespace korva::test {

// A report surface that keeps what was drawn.  Every character is w wide,
// so positions in the records are easy to predict.
class RecordingSurface : public ReportSurface {
public:
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

    explicit RecordingSurface(CharMetrics m = {10, 20}, int height = 2000, int width = 1600)
        : glyphWidth(m.w), metrics_(m), height_(height), width_(width) {}

    CharMetrics charMetrics() override { return metrics_; }
    int printableHeight() override { return height_; }
    int printableWidth() override { return width_; }
    void startPage() override;
    void endPage() override;
    void selectFont() override { ++fontSelections; }
    int textWidth(std::string_view text) override { return static_cast<int>(text.size()) * glyphWidth; }
    int drawText(int x, int y, std::string_view text, std::span<const int> tabStops) override;
    void drawLine(int x1, int y1, int x2, int y2) override { lines.push_back({page, x1, y1, x2, y2}); }

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
    int fontSelections = 0;
    bool pageOpen = false;
    // Set when a page was started inside another or drawn on while closed.
    bool misuse = false;

private:
    CharMetrics metrics_;
    int height_;
    int width_;
};

} // namespace korva::test
