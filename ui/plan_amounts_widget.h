#pragma once

#include <QDialog>

#include "app/plan_amounts_dialog.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace korva {

class FoodListWindows;
class ReportPrinter;

// The face of "PLAN  AMOUNTS": a table of the list's foods with their lock
// and bounds, a table of the targeted nutrients, the calorie band and the
// plan's state in words.
class PlanAmountsWidget : public QDialog {
    Q_OBJECT
public:
    PlanAmountsWidget(PlanAmountsDialog& dialog, ReportPrinter& printer, QWidget* parent = nullptr);

private:
    void refresh();
    void buildItemRows();

    PlanAmountsDialog& dialog_;
    QTableWidget* items_ = nullptr;
    QTableWidget* nutrients_ = nullptr;
    QSpinBox* band_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* note_ = nullptr;
    QPushButton* apply_ = nullptr;
};

// Search > Plan Amounts in the main window.
class QtPlanAmountsWindows : public PlanAmountsWindows {
public:
    QtPlanAmountsWindows(QWidget* parent, FoodListWindows& lists) : parent_(parent), lists_(lists) {}
    void run(PlanAmountsDialog& dialog) override;
    void documentChanged(CFListDoc& doc) override;

private:
    QWidget* parent_;
    FoodListWindows& lists_;
};

} // namespace korva
