#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "daily/nutrient_chart.h"

namespace korva {
namespace {

std::vector<ChartBox> boxesAt(const ChartGeometry& g, int x) {
    std::vector<ChartBox> out;
    for (const ChartShape& s : g.shapes)
        if (const auto* b = std::get_if<ChartBox>(&s); b && b->left == x) out.push_back(*b);
    return out;
}

// Vertical lines at x (the arrow's shaft).
int shaftsAt(const ChartGeometry& g, int x) {
    return static_cast<int>(std::count_if(g.shapes.begin(), g.shapes.end(), [&](const ChartShape& s) {
        const auto* l = std::get_if<ChartLine>(&s);
        return l && l->x1 == x && l->x2 == x;
    }));
}

bool hasText(const ChartGeometry& g, int x, int y, const std::string& text) {
    return std::any_of(g.shapes.begin(), g.shapes.end(), [&](const ChartShape& s) {
        const auto* t = std::get_if<ChartText>(&s);
        return t && t->x == x && t->y == y && t->text == text;
    });
}

TEST(NutrientChartTest, BarsAtTargetAboveWithoutTargetAndEmptyAtEverySize) {
    NutrientRecord targets, values;
    for (int n : {0, 1, 3, 30}) targets.setLevel(n, 2);
    targets.setValue(0, 2000.0f);
    values.setValue(0, 2000.0f); // exactly at target
    targets.setValue(1, 50.0f);
    values.setValue(1, 50.01f); // just above
    values.setValue(2, 5.0f);   // no target
    targets.setValue(3, 10.0f); // value 0
    targets.setValue(30, 4.0f);
    values.setValue(30, 1.0f);

    targets.setLevel(4, 1); // a target of zero is no target
    values.setValue(4, 10.0f);
    const auto levels = barLevels(values, targets, 530);
    EXPECT_TRUE(levels[4].noTarget && !levels[4].over);

    // The chart is laid out for the size it has now, not the first one.
    for (auto [w, h] : {std::pair{740, 812}, std::pair{370, 406}, std::pair{1480, 812}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        const ChartGeometry g = layoutChart(w, h, ChartPage::standard, values, targets);
        ASSERT_EQ(g.bars.size(), 29u);
        EXPECT_EQ((std::array{g.baseline, g.fullLength, g.bars[1].x - g.bars[0].x}),
                  (std::array{600 * h / 812, 530 * h / 812, 20 * w / 740}));
        const int top = g.baseline - g.fullLength, centre = static_cast<int>(6.25 * w / 740);
        const auto x = [&](std::size_t n) { return g.bars[n].x; };

        // At the target a full bar and no arrow; just above, the arrow too.
        const auto at = boxesAt(g, x(0)), above = boxesAt(g, x(1));
        ASSERT_EQ(at.size() + above.size(), 2u);
        EXPECT_EQ((std::array{at[0].top, at[0].bottom, above[0].top}), (std::array{top, g.baseline, top}));
        EXPECT_EQ(at[0].fill, kOverallColour);
        EXPECT_EQ((std::array{shaftsAt(g, x(0) + centre), shaftsAt(g, x(1) + centre)}), (std::array{0, 1}));
        const auto na = boxesAt(g, x(2));
        ASSERT_EQ(na.size(), 1u);
        EXPECT_TRUE(na[0].fill == kWhite && na[0].dottedOutline);
        EXPECT_TRUE(hasText(g, x(2) + 2, 450 * h / 812, "N"));
        EXPECT_TRUE(boxesAt(g, x(3)).empty());
    }

    const ChartGeometry amino = layoutChart(740, 812, ChartPage::amino, values, targets);
    ASSERT_EQ(amino.bars.size(), 10u);
    EXPECT_EQ((std::array{amino.bars[1].nutrient, amino.bars[1].x, amino.bars[1].level.length}),
              (std::array{30, 255 + 21, 530 / 4}));
    EXPECT_TRUE(amino.bars[0].level.noTarget);
}

TEST(NutrientChartTest, LabelsAndTitlesKeepToTheirRoomOnEveryRow) {
    for (ChartPage page : {ChartPage::standard, ChartPage::amino})
        for (int w : {370, 740, 1480}) {
            const ChartGeometry g = layoutChart(w, w * 812 / 740, page, {}, {});
            std::map<int, std::vector<ChartText>> rows; // by y, the scale labels left out
            for (const ChartShape& s : g.shapes)
                if (const auto* t = std::get_if<ChartText>(&s);
                    t && t->anchor == ChartText::Anchor::top && t->y > 600 * w / 740)
                    rows[t->y].push_back(*t);
            EXPECT_EQ(rows.size(), 3u);
            for (auto& [y, texts] : rows) {
                std::sort(texts.begin(), texts.end(), [](auto& a, auto& b) { return a.x < b.x; });
                for (std::size_t k = 0; k < texts.size(); ++k) {
                    const int end = k + 1 < texts.size() ? texts[k + 1].x : w;
                    EXPECT_GT(texts[k].maxWidth, 0) << texts[k].text;
                    EXPECT_LT(texts[k].x + texts[k].maxWidth, end) << texts[k].text << " at " << w;
                }
            }
        }
}

TEST(NutrientChartTest, DashesOnScreenAndPaperAndOnTinyCharts) {
    // 701 / trunc(0.17229 * 740) = 5 pixels every 15, while below 730 - 2.
    const auto screen = dashesOf(30, 730, 740, ChartMedium::screen);
    ASSERT_FALSE(screen.empty());
    EXPECT_EQ(screen.front(), (std::pair{30, 35}));
    EXPECT_EQ(screen.back().first, 30 + 15 * 46);
    EXPECT_EQ(dashesOf(30, 730, 740, ChartMedium::paper).at(1), (std::pair{42, 46}));
    // No width for a dash: one-pixel dashes, and the layout ends.
    EXPECT_EQ(dashesOf(0, 3, 4, ChartMedium::screen).size(), 1u);
    const ChartGeometry tiny = layoutChart(3, 2, ChartPage::standard, {}, {});
    EXPECT_EQ(tiny.bars.size(), 29u);
}

} // namespace
} // namespace korva
