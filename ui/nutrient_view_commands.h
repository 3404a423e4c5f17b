#pragma once

#include <QObject>

#include "app/view_commands.h"

class QWidget;

namespace korva {

class FListChildWindow;
class FoodDataBase;
class FoodListWindows;
class MainWindow;
class Platform;
class ReportPrinter;

// The nutrient views' faces and the View menu's commands in the main
// window.  Windows that offer a food view are given this object.
class NutrientViews : public QObject, public ViewWindows {
    Q_OBJECT
public:
    NutrientViews(FoodDataBase& db, Platform& platform, ReportPrinter& printer, QObject* parent);

    // A food of the data base as a table, over `parent`.
    void showFood(int category, int food, QWidget* parent);

    // The commands in the main window's menus, acting on the active list
    // window of `windows`.
    void install(MainWindow& window, FoodListWindows& windows);

    void run(NutrientViewDialog& view) override;
    void run(IndivDlg& dialog) override;
    void run(ProteinQualityDialog& dialog) override;

private:
    ViewCommands commands_;
    ReportPrinter& printer_;
    QWidget* over_ = nullptr; // the window the next dialog opens over
};

} // namespace korva
