#include "ui/search_feature.h"

#include "app/command_table.h"
#include "ui/food_list_windows.h"
#include "ui/main_window.h"
#include "ui/plan_amounts_widget.h"
#include "ui/srch_dlg_widget.h"

namespace korva {

SearchFeature::SearchFeature(MainWindow& window, FoodDataBase& db, Platform& platform, ActiveDocument& active,
                             FoodListWindows& lists)
    : commands_(db, platform, active), windows_(std::make_unique<QtSearchWindows>(&window, lists)) {
    SearchCommands* c = &commands_;
    QtSearchWindows* w = windows_.get();
    window.addCommand(kCmdOptimize, [c, w] { c->onOptimize(*w); });
    const std::pair<int, SearchType> searches[] = {{kCmdMinOne, SearchType::MinOne},
                                                   {kCmdMaxOne, SearchType::MaxOne},
                                                   {kCmdMinSeveral, SearchType::MinSeveral},
                                                   {kCmdMaxSeveral, SearchType::MaxSeveral},
                                                   {kCmdMinMaxSeveral, SearchType::MinMaxSeveral}};
    for (const auto& [id, type] : searches) window.addCommand(id, [c, w, t = type] { c->onSearch(t, *w); });
    window.addCommand(kCmdRepeatSearch, [c, w] { c->onRepeat(*w); });
    window.addCommand(kCmdSearchSize, [c, w] { c->onSearchSize(*w); });

    planWindows_ = std::make_unique<QtPlanAmountsWindows>(&window, lists);
    QtPlanAmountsWindows* p = planWindows_.get();
    QAction* plan =
        window.addCommand(kCmdPlanAmounts, [&db, &platform, &active, p] { onPlanAmounts(db, platform, active, *p); });
    const auto follow = [plan, &lists] { plan->setEnabled(planAmountsEnabled(lists.focusedDocument())); };
    QObject::connect(&lists, &FoodListWindows::documentsChanged, plan, follow);
    follow();
}

SearchFeature::~SearchFeature() = default;

} // namespace korva
