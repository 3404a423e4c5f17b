#include <gtest/gtest.h>

#include <algorithm>

#include "daily/trend_chart.h"

namespace korva {
namespace {

// A week with no log on its fourth day; the second day's foods lack data.
TrendInput week() {
    const float values[] = {10, 20, 5, -1, 40, 0, 20};
    TrendInput in;
    for (int i = 0; i < 7; ++i) {
        TrendDay d;
        d.date = LogDate(12, i + 1, 26);
        d.logged = values[i] >= 0;
        d.value = std::max(values[i], 0.0f);
        d.incomplete = i == 1;
        in.days.push_back(d);
    }
    in.target = 30.0f;
    return in;
}

TEST(TrendChart, BarsGapsAndLinesAtTwoSizes) {
    struct Size {
        int width, height;
        bool everyDateFits;
    };
    for (const Size s : {Size{700, 400, true}, Size{220, 150, false}}) {
        SCOPED_TRACE(s.width);
        const TrendGeometry g = layoutTrend(s.width, s.height, week(), 7, 14);
        ASSERT_EQ(g.bars.size(), 6u);
        std::vector<std::size_t> days;
        for (const TrendBar& b : g.bars) days.push_back(b.day);
        EXPECT_EQ(days, (std::vector<std::size_t>{0, 1, 2, 4, 5, 6}));
        // The day without a log keeps its place: two steps from day 3 to day 5.
        const int step = g.bars[1].left - g.bars[0].left;
        EXPECT_NEAR(g.bars[3].left - g.bars[2].left, 2 * step, 1);
        for (std::size_t i = 0; i < g.bars.size(); ++i) {
            EXPECT_LT(g.bars[i].left, g.bars[i].right);
            if (i > 0) {
                EXPECT_LE(g.bars[i - 1].right, g.bars[i].left);
            }
            EXPECT_GE(g.bars[i].top, g.plotTop);
            EXPECT_EQ(g.bars[i].marked, g.bars[i].day == 1);
        }
        EXPECT_LE(g.bars.back().right, g.plotRight);

        // Heights in proportion: 10, 20 and 0 on the bars, 30 target, 95/6 average.
        const auto height = [&](int y) { return g.baseline - y; };
        const int ten = height(g.bars[0].top);
        EXPECT_NEAR(height(g.bars[1].top), 2 * ten, 2);
        EXPECT_EQ(height(g.bars[4].top), 0);
        ASSERT_TRUE(g.targetY && g.averageY);
        EXPECT_NEAR(height(*g.targetY), 3 * ten, 3);
        EXPECT_NEAR(height(*g.averageY), 95.0 / 60.0 * ten, 2);

        // Dates only where they do not run into each other.
        EXPECT_EQ(g.datedDays.size() == 6, s.everyDateFits);
        EXPECT_FALSE(g.datedDays.empty());
        const auto marks = std::count_if(g.shapes.begin(), g.shapes.end(), [](const ChartShape& sh) {
            const auto* t = std::get_if<ChartText>(&sh);
            return t && t->text == "*";
        });
        EXPECT_EQ(marks, 1);
    }
}

TEST(TrendChart, RangeWithoutLogsOrTargetDrawsNoBarsNorLines) {
    TrendInput in = week();
    for (TrendDay& d : in.days) d.logged = false;
    in.target.reset();
    const TrendGeometry g = layoutTrend(300, 200, in, 7, 14);
    EXPECT_TRUE(g.bars.empty());
    EXPECT_FALSE(g.targetY || g.averageY);
}

} // namespace
} // namespace korva
