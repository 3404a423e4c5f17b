#pragma once

class QAction;
class QMenu;

namespace korva {

class ActiveDocument;
class FoodListWindows;
class ReportPrinter;

// "&Print FoodList..." of a food list window's File menu, in front of
// `before`: prints the active document on `printer`.  Offered while a list
// window is open, like the other document commands.
QAction* addPrintFoodListCommand(QMenu* fileMenu, QAction* before, FoodListWindows& windows,
                                 ActiveDocument& active, ReportPrinter& printer);

} // namespace korva
