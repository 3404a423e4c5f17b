#include "ui/list_print_commands.h"

#include <QAction>
#include <QMenu>

#include "lists/active_document.h"
#include "lists/list_report.h"
#include "ui/food_list_windows.h"

namespace korva {

QAction* addPrintFoodListCommand(QMenu* fileMenu, QAction* before, FoodListWindows& windows,
                                 ActiveDocument& active, ReportPrinter& printer) {
    auto* action = new QAction(QStringLiteral("&Print FoodList...\tCtrl+P"), &windows);
    action->setObjectName(QStringLiteral("printFoodListAction"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    action->setStatusTip(QStringLiteral("Print the active document"));
    QObject::connect(action, &QAction::triggered, &windows, [&active, &printer] {
        if (const CFListDoc* doc = active.document()) printFoodList(*doc, printer);
    });
    const auto update = [action, &windows] { action->setEnabled(windows.activeWindow() != nullptr); };
    QObject::connect(&windows, &FoodListWindows::documentsChanged, action, update);
    update();
    fileMenu->insertAction(before, action);
    return action;
}

} // namespace korva
