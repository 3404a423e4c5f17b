#include <QMdiArea>

#include <string>
#include <vector>

#include "app/cset_dialog.h"
#include "app/quest_dialog.h"
#include "core/nutrient_record.h"
#include "core/nutrients.h"
#include "tests/ui/ui_support.h"
#include "ui/about_dialog.h"
#include "ui/cset_dialog_widget.h"
#include "ui/food_list_windows.h"
#include "ui/quest_dialog_widget.h"
#include "ui/srch_dlg_widget.h"

namespace korva {
namespace {

// The dialogs no other test opens, shown once each, so that the check every
// shown window gets (window_fit_check.h) sees them at each scale the tests
// run at: About with its picture, the categories, the questionnaire and the
// search size.
TEST(DialogsAtEveryScale, AboutCategoriesQuestionnaireAndSearchSize) {
    std::vector<std::string> names;
    for (int c = 0; c < kCategoryCount; ++c) names.emplace_back(categoryName(c));
    CSetDialog categories(names, 0);
    QuestDialog quest(NutrientRecord{});
    AboutDialog about;
    CSetDialogWidget categoryFace(categories);
    QuestDialogWidget questFace(quest);
    for (QDialog* d : std::initializer_list<QDialog*>{&about, &categoryFace, &questFace}) {
        d->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(d)) << d->objectName().toStdString();
        d->reject();
    }

    QMdiArea area;
    FoodListWindows lists(&area);
    QtSearchWindows search(&area, lists);
    test::DialogAnswer cancel(QStringLiteral("searchSizeDialog"),
                              [](QWidget* d) { static_cast<QDialog*>(d)->reject(); });
    EXPECT_EQ(search.askSearchSize(50), std::nullopt);
}

} // namespace
} // namespace korva
