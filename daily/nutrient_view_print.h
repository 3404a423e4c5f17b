#pragma once

#include "daily/nutrient_chart.h"

namespace korva {

class NutrientViewDialog;
class Platform;
class ReportPrinter;
class ReportSurface;
class ReportWriter;

// A device the chart's shapes can be painted on in colour: ui/ paints them
// with a QPainter on screen and on paper.  A print surface that is also a
// ChartCanvas gets the chart in colour; any other gets its lines and texts.
class ChartCanvas {
public:
    virtual ~ChartCanvas() = default;
    // `shape` is in the device's own units.
    virtual void paintShape(const ChartShape& shape) = 0;
};

void paintChart(ChartCanvas& canvas, const ChartGeometry& chart);

// A shape of the 740 x 812 grid placed in a viewport of the page.
ChartShape mapShape(const ChartShape& shape, const ChartViewport& v);

// Shapes in the surface's own units: in colour on a surface that is also a
// ChartCanvas, else as lines and texts.
void drawChartShapes(ReportSurface& surface, std::span<const ChartShape> shapes);

// The table of the view: headings, then all 39 nutrients whichever page is
// shown.
void writeNutrientTable(ReportWriter& out, const NutrientViewDialog& view);
// The chart of the page shown, on one page of paper.
void drawNutrientChart(ReportSurface& surface, const NutrientViewDialog& view);

// "&Print": the table or the chart, whichever is shown, as the job
// "NUTRIENT LEVELS".
bool printNutrientView(const NutrientViewDialog& view, Platform& platform, ReportPrinter& printer);

} // namespace korva
