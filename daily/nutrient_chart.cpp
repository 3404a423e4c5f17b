#include "daily/nutrient_chart.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace korva {

namespace {

// n/740 of the width and n/812 of the height, truncated.  The product goes
// first so that whole grid positions stay exact on the 740 x 812 grid.
int gx(double n, int w) { return static_cast<int>(n * w / kChartGridWidth); }
int gy(double n, int h) { return static_cast<int>(n * h / kChartGridHeight); }
int part(double f, int size) { return static_cast<int>(f * size); }

struct Group {
    int first;
    int count;
    int start;
    ChartColour colour;
};

struct LabelRow {
    int y;
    int x;
    int step;
    std::array<const char*, 5> labels;
};

class Builder {
public:
    Builder(ChartGeometry& g, ChartMedium medium) : g_(g), medium_(medium) {}

    void box(int l, int t, int r, int b, ChartColour fill, bool outlined = false) {
        g_.shapes.push_back(ChartBox{l, t, r, b, fill, outlined, kBlack});
    }
    void line(int x1, int y1, int x2, int y2, ChartPen pen = ChartPen::solid, ChartColour c = kBlack) {
        g_.shapes.push_back(ChartLine{x1, y1, x2, y2, pen, c});
    }
    void text(int x, int y, std::string t, ChartText::Anchor a = ChartText::Anchor::top, int room = 0) {
        g_.shapes.push_back(ChartText{x, y, std::move(t), a, std::max(room, 0)});
    }
    // A text that must end a small gap before `nextX`.
    void textBefore(int x, int y, std::string t, int nextX, int gap) {
        text(x, y, std::move(t), ChartText::Anchor::top, std::max(nextX - x - gap, 1));
    }
    void dashed(int x1, int x2, int y) {
        for (auto [from, to] : dashesOf(x1, x2, g_.width, medium_)) line(from, y, to, y);
    }

private:
    ChartGeometry& g_;
    ChartMedium medium_;
};

void frame(Builder& b, const ChartGeometry& g) {
    const int w = g.width, h = g.height;
    const int top = g.baseline - g.fullLength;
    b.line(gx(7.5, w), gy(734, h), gx(730, w), gy(734, h));
    b.line(gx(7.5, w), gy(620, h), gx(730, w), gy(620, h));
    b.line(0, top, gx(170, w), top, ChartPen::dotted, kRed);
    for (int k = 1; k <= 9; ++k) {
        const int y = g.baseline - k * g.fullLength / 10;
        b.dashed(gx(30, w), gx(730, w), y);
        b.text(gx(3.75, w), y, std::to_string(10 * k), ChartText::Anchor::middle);
    }
    b.dashed(gx(30, w), gx(730, w), top);
    b.text(gx(3.75, w), gy(10, h), "100%  AA / RDA");
}

void bar(Builder& b, const ChartGeometry& g, const ChartBar& c, ChartColour colour, double centre) {
    const int w = g.width, h = g.height;
    if (c.level.noTarget) {
        b.box(c.x, gy(400, h), c.x + c.width, g.baseline, kWhite, true);
        const int lx = c.x + 2;
        b.text(lx, gy(450, h), "N");
        b.text(lx, gy(480, h), "/");
        b.text(lx, gy(500, h), "A");
        return;
    }
    if (c.level.length > 0) b.box(c.x, g.baseline - c.level.length, c.x + c.width, g.baseline, colour);
    if (c.level.over) {
        const int cx = c.x + gx(centre, w);
        b.line(cx, gy(70, h), cx, gy(34, h));
        b.line(cx, gy(34, h), cx - gy(6, h), gy(46, h));
        b.line(cx, gy(34, h), cx + gy(6, h), gy(46, h));
    }
}

} // namespace

std::vector<BarLevel> barLevels(const NutrientRecord& values, const NutrientRecord& targets, int fullLength) {
    std::vector<BarLevel> out(kNutrientCount);
    for (int i = 0; i < kNutrientCount; ++i) {
        BarLevel& l = out[static_cast<std::size_t>(i)];
        const float target = targets.value(i);
        if (targets.level(i) == 0 || !(target > 0.0f) || !std::isfinite(target)) {
            l.noTarget = true;
            continue;
        }
        const float v = values.value(i);
        if (!(v > 0.0f)) continue;
        const double ratio = static_cast<double>(v / target);
        if (ratio > 1.0) {
            l.over = true;
            l.length = fullLength;
        } else {
            l.length = static_cast<int>(ratio * fullLength);
        }
    }
    return out;
}

std::vector<std::pair<int, int>> dashesOf(int x1, int x2, int width, ChartMedium medium) {
    // A chart too small for a whole dash gets dashes one pixel long rather
    // than a division by zero or a line that never ends.
    int d = 1;
    if (medium == ChartMedium::paper) {
        d = (x2 - x1) / 150;
    } else {
        const int parts = part(0.17229, width);
        if (parts > 0) d = (x2 - x1 + 1) / parts;
    }
    d = std::max(d, 1);
    std::vector<std::pair<int, int>> out;
    for (int x = x1; x < x2 - d / 2; x += 3 * d) out.emplace_back(x, x + d);
    return out;
}

ChartGeometry layoutChart(int width, int height, ChartPage page, const NutrientRecord& values,
                          const NutrientRecord& targets, ChartMedium medium) {
    ChartGeometry g;
    g.width = std::max(width, 0);
    g.height = std::max(height, 0);
    const int w = g.width, h = g.height;
    g.baseline = gy(600, h);
    g.fullLength = gy(530, h);
    const std::vector<BarLevel> levels = barLevels(values, targets, g.fullLength);

    Builder b(g, medium);
    b.box(0, 0, w, h, kChartBackground);
    frame(b, g);

    const bool standard = page == ChartPage::standard;
    const std::vector<Group> groups =
        standard ? std::vector<Group>{{0, 9, part(0.058, w), kOverallColour},
                                      {9, 10, part(0.364, w), kVitaminColour},
                                      {19, 10, gx(510, w), kMineralColour}}
                 : std::vector<Group>{{kFirstAminoAcid, kAminoAcidCount, gx(255, w), kAminoColour}};
    const int barWidth = standard ? gx(12.5, w) : gx(15, w);
    const int pitch = standard ? gx(20, w) : gx(21.25, w);
    const double centre = standard ? 6.25 : 7.5;
    for (const Group& grp : groups) {
        for (int k = 0; k < grp.count; ++k) {
            const int n = grp.first + k;
            ChartBar c{n, grp.start + k * pitch, barWidth, levels[static_cast<std::size_t>(n)]};
            g.bars.push_back(c);
            bar(b, g, c, grp.colour, centre);
        }
    }

    const int row1 = gy(630, h), row2 = gy(680, h), step = gx(40, w);
    const std::vector<LabelRow> rows =
        standard ? std::vector<LabelRow>{{row1, part(0.046, w), step, {"Cal", "TF", "MF", "Car", "Cho"}},
                                         {row2, part(0.0785, w), step, {"Pro", "SF", "PF", "Fib", nullptr}},
                                         {row1, part(0.358, w), step, {" A", "B12", " E", "Fol", "Ni"}},
                                         {row2, part(0.383, w), step - 1, {"B6", " C", "Thi", "Rib", "Pa"}},
                                         {row1, part(0.681, w), step, {"Ca", "Fe", "Mn", " K", "Na"}},
                                         {row2, part(0.708, w), step - 1, {"Cu", "Mg", "Ph", "Se", "Zn"}}}
                 : std::vector<LabelRow>{{row1, gx(255, w), step, {"Ty", "Ph", "Va", "Cy", "Thr"}},
                                         {row2, part(0.37, w), step, {"Ly", "Le", "Me", "Tr", "Iso"}}};
    // Every label and title has the room up to the next one on its row (or
    // the chart's right edge), less a gap.
    const int gap = std::max(gx(5, w), 1);
    for (const LabelRow& r : rows)
        for (std::size_t k = 0; k < r.labels.size() && r.labels[k]; ++k) {
            const int x = r.x + static_cast<int>(k) * r.step;
            b.textBefore(x, r.y, r.labels[k], x + r.step, gap);
        }

    const int titles = gy(750, h);
    if (standard) {
        b.textBefore(gx(33.75, w), titles, "OVERALL  NUTRIENTS", gx(318.75, w), gap);
        b.textBefore(gx(318.75, w), titles, "VITAMINS", gx(568.75, w), gap);
        b.textBefore(gx(568.75, w), titles, "MINERALS", w, gap);
    } else {
        b.textBefore(gx(310, w), titles, "AMINO  ACIDS", w, gap);
    }
    return g;
}

ChartPrintLayout chartPrintLayout(int pageWidth, int pageHeight, ChartPage page) {
    ChartPrintLayout out;
    if (page == ChartPage::standard) {
        out.chart = {pageWidth / 16, pageHeight / 11, pageWidth * 7 / 8, pageHeight / 2};
        out.header = {pageWidth / 16, pageHeight / 12, pageWidth * 7 / 8, pageHeight * 7 / 8};
        out.withHeader = true;
    } else {
        out.chart = {pageWidth / 10, pageHeight / 12, pageWidth * 3 / 4, pageHeight / 2};
    }
    return out;
}

int mapX(const ChartViewport& v, int x) {
    return v.x + static_cast<int>(static_cast<long long>(x) * v.width / kChartGridWidth);
}
int mapY(const ChartViewport& v, int y) {
    return v.y + static_cast<int>(static_cast<long long>(y) * v.height / kChartGridHeight);
}

std::vector<ChartText> chartHeaderTexts(std::span<const std::string, 3> lines) {
    const std::array<double, 3> at{0.60, 0.63, 0.66};
    std::vector<ChartText> out;
    for (std::size_t i = 0; i < 3; ++i)
        out.push_back(
            {-6, static_cast<int>(at[i] * kChartGridHeight), lines[i], ChartText::Anchor::top, kChartGridWidth + 6});
    return out;
}

} // namespace korva
