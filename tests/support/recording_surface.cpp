#include "tests/support/recording_surface.h"

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
    for (const TextCell& c : expandTabs(x, text, tabStops, [this](std::string_view s) { return textWidth(s); }, right))
        starts.push_back(c.x);
    cellX.push_back(std::move(starts));
    return right - x;
}

std::vector<std::string> RecordingSurface::textLines() const {
    std::vector<std::string> out;
    for (const Text& t : texts) out.push_back(t.text);
    return out;
}

} // namespace korva::test
