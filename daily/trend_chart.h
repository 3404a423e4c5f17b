#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "daily/log_date.h"
#include "daily/nutrient_chart.h"

namespace korva {

// One nutrient day by day over a range of days, as plain numbers: a bar
// per logged day, nothing for a day without a log, a line at the user's
// target and one at the average of the logged days.  Positions are pixels
// (or device units on paper) of a width x height area; texts are measured
// in the character cell the caller gives.

struct TrendDay {
    LogDate date;
    bool logged = false;
    float value = 0.0f;
    bool incomplete = false; // some items of the day do not report the nutrient
};

struct TrendInput {
    std::vector<TrendDay> days; // every day of the range, in order
    std::optional<float> target;
    std::string title;
    std::string unit;
};

struct TrendBar {
    std::size_t day = 0; // index into the input's days
    int left = 0, right = 0, top = 0;
    bool marked = false;
};

struct TrendGeometry {
    int plotLeft = 0, plotRight = 0, plotTop = 0, baseline = 0;
    std::vector<TrendBar> bars;
    std::optional<int> targetY;
    std::optional<int> averageY;
    float average = 0.0f;
    std::vector<std::size_t> datedDays; // days whose date is drawn under their bar
    std::vector<ChartShape> shapes;     // in drawing order
};

inline constexpr ChartColour kTrendBarColour{80, 80, 255};
inline constexpr ChartColour kTrendTargetColour{255, 0, 0};
inline constexpr ChartColour kTrendAverageColour{0, 128, 0};
inline constexpr const char* kTrendMarkNote = "*  some foods of the day lack data";

// `charWidth` and `lineHeight` are the size of a character of the font the
// texts are drawn in.
TrendGeometry layoutTrend(int width, int height, const TrendInput& input, int charWidth, int lineHeight);

// Every shape moved down by dy (a chart drawn under the lines of a report).
void shiftShapes(std::vector<ChartShape>& shapes, int dy);

} // namespace korva
