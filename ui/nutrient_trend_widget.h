#pragma once

#include <QDialog>

namespace korva {

class NutrientTrend;
class ReportPrinter;

// The face of NutrientTrend: the nutrient chooser, the chart, Print and Close.
class NutrientTrendWidget : public QDialog {
    Q_OBJECT
public:
    NutrientTrendWidget(NutrientTrend& trend, ReportPrinter& printer, QWidget* parent = nullptr);
};

} // namespace korva
