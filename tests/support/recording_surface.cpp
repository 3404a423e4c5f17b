#include "tests/support/recording_surface.h"

#include <algorithm>

namespace korva::test {

void RecordingSurface::startPage() {
    if (pageOpen) misuse = true;
    pageOpen = true;
    ++page;
}

void RecordingSurface::endPage() {
    if (!pageOpen) misuse = true;
    pageOpen = false;
    ++pagesEnded;
}

int RecordingSurface::drawText(int x, int y, std::string_view text, std::span<const int> tabStops) {
    if (!pageOpen) misuse = true;
    texts.push_back({page, x, y, std::string(text)});
    int right = x;
    std::vector<int> starts;
    for (const TextCell& c : expandTabs(
             x, text, tabStops, [this](std::string_view s) { return textWidth(s); }, right))
        starts.push_back(c.x);
    cellX.push_back(std::move(starts));
    if (right > width_) passedEdge(text);
    return right - x;
}

void RecordingSurface::drawLine(int x1, int y1, int x2, int y2) {
    lines.push_back({page, x1, y1, x2, y2});
    if (std::max(x1, x2) > width_) passedEdge("a line to x = " + std::to_string(std::max(x1, x2)));
}

void RecordingSurface::passedEdge(std::string_view what) {
    pastEdge.emplace_back(what);
    if (onPastEdge) onPastEdge("drawn past the printable width " + std::to_string(width_) + ": " + std::string(what));
}

std::vector<std::string> RecordingSurface::textLines() const {
    std::vector<std::string> out;
    for (const Text& t : texts) out.push_back(t.text);
    return out;
}

} // namespace korva::test
