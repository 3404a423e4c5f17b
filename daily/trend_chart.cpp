#include "daily/trend_chart.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "core/printf_text.h"

namespace korva {

namespace {

std::string dayText(const LogDate& d) { return printfText("%02d/%02d", d.month(), d.day()); }
// Small amounts (grams of an amino acid) keep a second decimal.
std::string amountText(double v, double scale) { return printfText(scale < 10.0 ? "%.2f" : "%.1f", v); }
int widthOf(const std::string& s, int charWidth) { return static_cast<int>(s.size()) * charWidth; }
// A value a damaged log could hold draws as nothing rather than as a wild bar.
double drawable(float v) { return std::isfinite(v) && v > 0.0f ? static_cast<double>(v) : 0.0; }

void text(TrendGeometry& g, int x, int y, std::string s) {
    ChartText t;
    t.x = x;
    t.y = y;
    t.text = std::move(s);
    g.shapes.emplace_back(std::move(t));
}

void hline(TrendGeometry& g, int x1, int x2, int y, ChartPen pen, ChartColour c) {
    g.shapes.emplace_back(ChartLine{x1, y, x2, y, pen, c});
}

// Title, then the legend of the two lines and of the mark, on a second line
// where the first is full.
void layoutHeader(TrendGeometry& g, const TrendInput& in, bool anyMarked, double scale, int cw, int lh) {
    text(g, g.plotLeft, lh / 2, in.title);
    int x = g.plotLeft;
    int y = 2 * lh;
    const auto entry = [&](std::string s, std::optional<ChartPen> pen, ChartColour c) {
        if (x > g.plotLeft && x + widthOf(s, cw) + (pen ? 4 * cw : 0) > g.plotRight) {
            x = g.plotLeft;
            y += lh;
        }
        if (pen) {
            hline(g, x, x + 3 * cw, y + lh / 2, *pen, c);
            x += 4 * cw;
        }
        const int w = widthOf(s, cw);
        text(g, x, y, std::move(s));
        x += w + 3 * cw;
    };
    if (g.targetY)
        entry("target  " + amountText(drawable(*in.target), scale) + " " + in.unit, ChartPen::dotted,
              kTrendTargetColour);
    else
        entry("no target", std::nullopt, kBlack);
    if (g.averageY)
        entry("average  " + amountText(static_cast<double>(g.average), scale) + " " + in.unit, ChartPen::solid,
              kTrendAverageColour);
    if (anyMarked) entry(kTrendMarkNote, std::nullopt, kBlack);
}

} // namespace

TrendGeometry layoutTrend(int width, int height, const TrendInput& in, int cw, int lh) {
    TrendGeometry g;
    cw = std::max(cw, 1);
    lh = std::max(lh, 1);
    g.plotLeft = 9 * cw;
    g.plotRight = std::max(g.plotLeft + 1, width - 2 * cw);
    g.plotTop = 6 * lh;
    g.baseline = std::max(g.plotTop + 1, height - 2 * lh);

    double sum = 0.0, top = 0.0;
    int logged = 0;
    for (const TrendDay& d : in.days)
        if (d.logged) {
            sum += drawable(d.value);
            top = std::max(top, drawable(d.value));
            ++logged;
        }
    const bool hasTarget = in.target && drawable(*in.target) > 0.0;
    if (hasTarget) top = std::max(top, drawable(*in.target));
    if (logged > 0) g.average = static_cast<float>(sum / logged);
    // Room above the highest bar or line for its figure and mark.
    top = top > 0.0 ? top * 1.1 : 1.0;
    const int plotHeight = g.baseline - g.plotTop;
    const auto yOf = [&](double v) {
        return g.baseline - static_cast<int>(std::clamp(v / top, 0.0, 1.0) * plotHeight);
    };
    if (hasTarget) g.targetY = yOf(drawable(*in.target));
    if (logged > 0) g.averageY = yOf(static_cast<double>(g.average));

    // The title and legend first, so that a reader of the printed text
    // meets them before the figures.
    const bool anyMarked =
        std::any_of(in.days.begin(), in.days.end(), [](const TrendDay& d) { return d.logged && d.incomplete; });
    layoutHeader(g, in, anyMarked, top, cw, lh);
    g.shapes.emplace_back(ChartBox{g.plotLeft, g.plotTop, g.plotRight, g.baseline, kWhite, false, kBlack});
    const double slot =
        static_cast<double>(g.plotRight - g.plotLeft) / static_cast<double>(std::max<std::size_t>(in.days.size(), 1));
    for (std::size_t i = 0; i < in.days.size(); ++i) {
        const TrendDay& d = in.days[i];
        if (!d.logged) continue;
        const double at = static_cast<double>(i) * slot;
        TrendBar b;
        b.day = i;
        b.left = g.plotLeft + static_cast<int>(at + 0.15 * slot);
        b.right = std::max(b.left + 1, g.plotLeft + static_cast<int>(at + 0.85 * slot));
        b.top = yOf(drawable(d.value));
        b.marked = d.incomplete;
        g.bars.push_back(b);
        g.shapes.emplace_back(ChartBox{b.left, b.top, b.right, g.baseline, kTrendBarColour, false, kBlack});
    }
    if (g.targetY) hline(g, g.plotLeft, g.plotRight, *g.targetY, ChartPen::dotted, kTrendTargetColour);
    if (g.averageY) hline(g, g.plotLeft, g.plotRight, *g.averageY, ChartPen::solid, kTrendAverageColour);
    g.shapes.emplace_back(ChartLine{g.plotLeft, g.plotTop, g.plotLeft, g.baseline, ChartPen::solid, kBlack});
    hline(g, g.plotLeft, g.plotRight, g.baseline, ChartPen::solid, kBlack);

    // The scale: its top and its foot.
    text(g, cw / 2, g.plotTop, amountText(top, top));
    text(g, cw / 2, g.baseline - lh, "0");

    // Above each bar its figure where it fits and the mark; under it the
    // date where that does not run into the date before.
    int lastRight = INT_MIN / 2;
    for (const TrendBar& b : g.bars) {
        const TrendDay& d = in.days[b.day];
        const int centre = (b.left + b.right) / 2;
        if (b.marked) text(g, centre - cw / 2, b.top - lh, "*");
        const std::string figure = amountText(drawable(d.value), top);
        if (const int w = widthOf(figure, cw); w + cw / 2 <= static_cast<int>(slot))
            text(g, centre - w / 2, b.top - (b.marked ? 2 : 1) * lh, figure);
        const std::string date = dayText(d.date);
        const int w = widthOf(date, cw);
        const int x = centre - w / 2;
        if (x < 0 || x < lastRight + cw || x + w > width) continue;
        text(g, x, g.baseline + lh / 4, date);
        g.datedDays.push_back(b.day);
        lastRight = x + w;
    }
    return g;
}

void shiftShapes(std::vector<ChartShape>& shapes, int dy) {
    for (ChartShape& s : shapes) {
        if (auto* b = std::get_if<ChartBox>(&s)) {
            b->top += dy;
            b->bottom += dy;
        } else if (auto* l = std::get_if<ChartLine>(&s)) {
            l->y1 += dy;
            l->y2 += dy;
        } else {
            std::get<ChartText>(s).y += dy;
        }
    }
}

} // namespace korva
