#include <QTableWidget>

#include "app/command_table.h"
#include "app/korva_app.h"
#include "lists/flist_doc.h"
#include "tests/support/data_tree.h"
#include "tests/support/scripted_platform.h"
#include "tests/ui/ui_support.h"
#include "ui/flist_child_window.h"
#include "ui/food_list_feature.h"
#include "ui/food_list_windows.h"
#include "ui/main_window.h"
#include "ui/search_feature.h"

namespace korva {
namespace {

// A list of two foods planned to 1000 calories and protein: Apply
// puts the planned amounts into the window, whose totals follow.
TEST(PlanAmountsWidget, PlanAppliedShowsInTheListWindow) {
    test::ScriptedPlatform platform;
    test::DataTree tree{{{0, "Apple juice", "1 cup", 248.0f, 46.0f, 0.1f, 0.1f, 11.3f},
                         {5, "Lentils", "1 cup", 200.0f, 50.0f, 9.0f, 0.4f, 20.0f, 7.9f}}};
    FoodDataBase db;
    ASSERT_TRUE(tree.load(db));
    db.users().current().profile = test::targetsOf({0, 1}, 1000.0f);
    ActiveDocument active;
    KorvaApp app{db, platform};
    MainWindow window{app, platform};
    FoodListFeature lists(window, db, platform, active);
    SearchFeature search(window, db, platform, active, lists.windows());
    window.show();
    EXPECT_FALSE(window.action(kCmdPlanAmounts)->isEnabled());
    ASSERT_TRUE(lists.commands().onNewFoodList());
    FListChildWindow* list = lists.windows().activeWindow();
    for (std::uint16_t id : {tree.idOf(0), tree.idOf(1)})
        ASSERT_TRUE(list->document().list().addFood(tree.entry(id), kUnitServings));
    lists.windows().documentChanged(list->document());
    const QString before = test::label(list, "totalCalories");

    QString planned;
    test::DialogAnswer play(QStringLiteral("planAmountsDialog"), [&](QWidget* d) {
        test::click(d, "planButton");
        auto* nutrients = test::child<QTableWidget>(d, "nutrientTable");
        planned = nutrients->item(0, 2)->text();
        test::click(d, "applyButton");
        EXPECT_EQ(nutrients->item(0, 1)->text(), planned);
        test::click(d, "closeButton");
    });
    ASSERT_TRUE(test::triggerAction(window.action(kCmdPlanAmounts)));
    const int calories = test::label(list, "totalCalories").toInt();
    EXPECT_NE(test::label(list, "totalCalories"), before);
    EXPECT_EQ(QString::number((calories + 4) / 10) + QStringLiteral(" %"), planned);
    EXPECT_TRUE(list->document().isModified());
    lists.windows().closeAnswered();
}

} // namespace
} // namespace korva
