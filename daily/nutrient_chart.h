#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "core/nutrient_record.h"

namespace korva {

// The bar chart of the nutrient view as plain numbers.  Positions are laid
// out on a 740 x 812 grid scaled to the chart's size: every position is the
// truncated product of a fraction and the width or height, taken afresh for
// the size the chart has when it is drawn.

struct ChartColour {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const ChartColour&) const = default;
};

inline constexpr ChartColour kChartBackground{192, 192, 192};
inline constexpr ChartColour kOverallColour{255, 80, 80};
inline constexpr ChartColour kVitaminColour{80, 80, 255};
inline constexpr ChartColour kMineralColour{255, 255, 80};
inline constexpr ChartColour kAminoColour{255, 255, 80};
inline constexpr ChartColour kWhite{255, 255, 255};
inline constexpr ChartColour kBlack{0, 0, 0};
inline constexpr ChartColour kRed{255, 0, 0};

enum class ChartPen { solid, dotted };

// A filled rectangle, optionally outlined with a dotted one-pixel pen.
struct ChartBox {
    int left = 0, top = 0, right = 0, bottom = 0;
    ChartColour fill;
    bool dottedOutline = false;
    ChartColour outline;
};

struct ChartLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    ChartPen pen = ChartPen::solid;
    ChartColour colour;
};

// Text on a transparent background, its top (or its middle) at y.  A text
// with a room (maxWidth above 0) is drawn no wider than that, in a smaller
// font where needed, so that it never runs into the text beside it.
struct ChartText {
    enum class Anchor { top, middle };
    int x = 0, y = 0;
    std::string text;
    Anchor anchor = Anchor::top;
    int maxWidth = 0;
};

using ChartShape = std::variant<ChartBox, ChartLine, ChartText>;

// How far a nutrient reaches toward its target.
struct BarLevel {
    int length = 0;        // pixels, at most the 100 % length
    bool over = false;     // above the target: drawn full with an arrow
    bool noTarget = false; // the user has no target: an N/A box instead
};

// Levels of all 39 nutrients against the user's targets for a 100 % length
// of `fullLength`.  A target of zero counts as no target, as in the percent
// texts, rather than making every positive value endlessly "over".
std::vector<BarLevel> barLevels(const NutrientRecord& values, const NutrientRecord& targets, int fullLength);

struct ChartBar {
    int nutrient = 0;
    int x = 0;
    int width = 0;
    BarLevel level;
};

enum class ChartPage { standard = 0, amino = 1 };
// Dashes on screen are (x2 - x1 + 1) / trunc(0.17229 W) long; on paper (x2 - x1) / 150.
enum class ChartMedium { screen, paper };

struct ChartGeometry {
    int width = 0;
    int height = 0;
    int baseline = 0;
    int fullLength = 0;
    std::vector<ChartBar> bars;     // the page's nutrients, in catalogue order
    std::vector<ChartShape> shapes; // in drawing order
};

// Lays out the chart for a width x height area.
ChartGeometry layoutChart(int width, int height, ChartPage page, const NutrientRecord& values,
                          const NutrientRecord& targets, ChartMedium medium = ChartMedium::screen);

// The dashes of a dashed line from x1 to x2: [start, end) pairs.
std::vector<std::pair<int, int>> dashesOf(int x1, int x2, int width, ChartMedium medium);

// Where a chart goes on a page of paper: the chart's 740 x 812 grid mapped
// into `chart`, the header lines (standard page only) under `header`.
struct ChartViewport {
    int x = 0, y = 0, width = 0, height = 0;
};
struct ChartPrintLayout {
    ChartViewport chart;
    ChartViewport header;
    bool withHeader = false;
};
inline constexpr int kChartGridWidth = 740;
inline constexpr int kChartGridHeight = 812;
ChartPrintLayout chartPrintLayout(int pageWidth, int pageHeight, ChartPage page);

// A grid point mapped into a viewport.
int mapX(const ChartViewport& v, int x);
int mapY(const ChartViewport& v, int y);

// The three header lines printed under the chart of the standard page, in
// grid units of the header viewport.
std::vector<ChartText> chartHeaderTexts(std::span<const std::string, 3> lines);

} // namespace korva
