#include "daily/nutrient_view_print.h"

#include "core/nutrients.h"
#include "daily/nutrient_view_dialog.h"
#include "lists/report_surface.h"
#include "lists/report_writer.h"

namespace korva {

namespace {

// The shape drawn with what every report surface can draw: lines and text.
void drawPlain(ReportSurface& surface, const ChartShape& shape, int lineHeight) {
    if (const auto* b = std::get_if<ChartBox>(&shape)) {
        surface.drawLine(b->left, b->top, b->right, b->top);
        surface.drawLine(b->right, b->top, b->right, b->bottom);
        surface.drawLine(b->right, b->bottom, b->left, b->bottom);
        surface.drawLine(b->left, b->bottom, b->left, b->top);
    } else if (const auto* l = std::get_if<ChartLine>(&shape)) {
        surface.drawLine(l->x1, l->y1, l->x2, l->y2);
    } else if (const auto* t = std::get_if<ChartText>(&shape)) {
        const int y = t->anchor == ChartText::Anchor::middle ? t->y - lineHeight / 2 : t->y;
        surface.drawText(t->x, y, t->text, {});
    }
}

} // namespace

void paintChart(ChartCanvas& canvas, const ChartGeometry& chart) {
    for (const ChartShape& s : chart.shapes) canvas.paintShape(s);
}

ChartShape mapShape(const ChartShape& shape, const ChartViewport& v) {
    if (const auto* b = std::get_if<ChartBox>(&shape)) {
        ChartBox m = *b;
        m.left = mapX(v, b->left);
        m.right = mapX(v, b->right);
        m.top = mapY(v, b->top);
        m.bottom = mapY(v, b->bottom);
        return m;
    }
    if (const auto* l = std::get_if<ChartLine>(&shape)) {
        ChartLine m = *l;
        m.x1 = mapX(v, l->x1);
        m.x2 = mapX(v, l->x2);
        m.y1 = mapY(v, l->y1);
        m.y2 = mapY(v, l->y2);
        return m;
    }
    ChartText m = std::get<ChartText>(shape);
    if (m.maxWidth > 0) m.maxWidth = std::max(mapX(v, m.x + m.maxWidth) - mapX(v, m.x), 1);
    m.x = mapX(v, m.x);
    m.y = mapY(v, m.y);
    return m;
}

void writeNutrientTable(ReportWriter& out, const NutrientViewDialog& view) {
    const std::vector<std::string> headings = view.tableHeadings();
    const int advance[] = {0, 3, 1, 2};
    for (std::size_t i = 0; i < headings.size() && i < std::size(advance); ++i) out.heading(advance[i], headings[i]);
    out.useNutrientTabStops();
    int step = 2;
    for (ChartPage page : {ChartPage::standard, ChartPage::amino})
        for (const auto& r : view.tableRows(page)) {
            out.detail(step, r.name + '\t' + r.value + '\t' + r.unit + '\t' + r.percent);
            step = 1;
        }
    out.useStandardTabStops();
}

void drawNutrientChart(ReportSurface& surface, const NutrientViewDialog& view) {
    const ChartGeometry chart = layoutChart(kChartGridWidth, kChartGridHeight, view.page(), view.shown(),
                                            view.user().targets, ChartMedium::paper);
    const ChartPrintLayout layout = chartPrintLayout(surface.printableWidth(), surface.printableHeight(), view.page());
    std::vector<ChartShape> shapes;
    for (const ChartShape& s : chart.shapes) shapes.push_back(mapShape(s, layout.chart));
    if (layout.withHeader) {
        const std::array<std::string, 3> lines = view.chartHeaderLines();
        for (const ChartText& t : chartHeaderTexts(lines)) shapes.push_back(mapShape(t, layout.header));
    }
    drawChartShapes(surface, shapes);
}

void drawChartShapes(ReportSurface& surface, std::span<const ChartShape> shapes) {
    auto* canvas = dynamic_cast<ChartCanvas*>(&surface);
    const int lineHeight = surface.charMetrics().h;
    for (const ChartShape& s : shapes) {
        if (canvas)
            canvas->paintShape(s);
        else
            drawPlain(surface, s, lineHeight);
    }
}

bool printNutrientView(const NutrientViewDialog& view, Platform& platform, ReportPrinter& printer) {
    return runPrintJob(platform, printer, NutrientViewDialog::kJobName, [&](ReportWriter& out) {
        if (view.display() == NutrientViewDialog::kHistogram)
            drawNutrientChart(out.surface(), view);
        else
            writeNutrientTable(out, view);
    });
}

} // namespace korva
