#pragma once

#include <QWidget>

#include <functional>

#include "daily/nutrient_chart.h"
#include "daily/nutrient_view_print.h"

class QPainter;

namespace korva {

// Paints the chart's shapes with a QPainter, on screen or on paper.
class QtChartCanvas : public ChartCanvas {
public:
    explicit QtChartCanvas(QPainter& painter) : painter_(painter) {}
    void paintShape(const ChartShape& shape) override;

private:
    QPainter& painter_;
};

// The chart of the nutrient view: laid out for its size at every paint.
class NutrientChartWidget : public QWidget {
    Q_OBJECT
public:
    using Layout = std::function<ChartGeometry(int width, int height)>;
    explicit NutrientChartWidget(Layout layout, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Layout layout_;
};

} // namespace korva
