#pragma once

#include <QObject>

#include "daily/nutrient_view_dialog.h"

class QWidget;

namespace korva {

class CFListDoc;
class FListChildWindow;
class FoodDataBase;
class FoodListWindows;
class MainWindow;
class Platform;
class ReportPrinter;

// Opens the nutrient views: of a food list window's document, of a food of
// the data base, and the one-nutrient view.  One lives in the main window;
// pickers find it there.
class NutrientViews : public QObject {
    Q_OBJECT
public:
    NutrientViews(FoodDataBase& db, Platform& platform, ReportPrinter& printer, QObject* parent);

    // The one of the main window that holds `w`, if any.
    static NutrientViews* of(QWidget* w);

    // View All Nutrients - Table / - Chart: refused on a list without items;
    // afterwards the window shows the item the view stepped to.
    void showDocument(FListChildWindow& window, NutrientViewDialog::Display display);
    // View One Nutrient, refused likewise.
    void showOneNutrient(FListChildWindow& window);
    // A food of the data base as a table per 100 g.
    void showFood(int category, int food, QWidget* parent);
    // Foods > View: the current category and food.
    void showCurrentFood(QWidget* parent);

    // The commands in the main window's menus, acting on the active list
    // window of `windows`.
    void install(MainWindow& window, FoodListWindows& windows);

private:
    void run(NutrientViewDialog& view, QWidget* parent);

    FoodDataBase& db_;
    Platform& platform_;
    ReportPrinter& printer_;
};

} // namespace korva
