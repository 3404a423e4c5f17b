#pragma once

#include <memory>
#include <string>
#include <vector>

#include "lists/report_surface.h"
#include "tests/support/recording_surface.h"

namespace korva::test {

// A printer whose dialog always answers OK and whose one page keeps the
// texts drawn (tabs kept) and where each text's cells start.  Characters
// are 10 units wide, lines 20 high, the page as wide as a RecordingSurface's.
class ReportRecorder : public ReportPrinter {
public:
    int dialogs = 0;
    std::string jobName;
    std::vector<std::string> texts;
    std::vector<std::vector<int>> cellX;

    bool choosePrinter() override {
        ++dialogs;
        return true;
    }
    std::unique_ptr<ReportSurface> startJob(const std::string& name, int&) override {
        jobName = name;
        return std::make_unique<Page>(*this);
    }

private:
    struct Page : ReportSurface {
        explicit Page(ReportRecorder& r) : to(r) {}
        CharMetrics charMetrics() override { return {10, 20}; }
        int printableHeight() override { return 20000; }
        int printableWidth() override { return RecordingSurface::kPageWidth; }
        void startPage() override {}
        void endPage() override {}
        void selectFont() override {}
        int textWidth(std::string_view t) override { return static_cast<int>(t.size()) * 10; }
        int drawText(int x, int, std::string_view text, std::span<const int> stops) override {
            int right = 0;
            std::vector<int> xs;
            for (const TextCell& c : expandTabs(
                     x, text, stops, [this](std::string_view t) { return textWidth(t); }, right))
                xs.push_back(c.x);
            to.texts.emplace_back(text);
            if (right > printableWidth() && RecordingSurface::onPastEdge)
                RecordingSurface::onPastEdge("drawn past the printable width: " + std::string(text));
            to.cellX.push_back(std::move(xs));
            return right - x;
        }
        void drawLine(int, int, int, int) override {}
        ReportRecorder& to;
    };
};

} // namespace korva::test
