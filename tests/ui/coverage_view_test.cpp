#include <QTableWidget>

#include "daily/nutrient_view_dialog.h"
#include "tests/support/data_tree.h"
#include "tests/support/recording_surface.h"
#include "tests/support/scripted_platform.h"
#include "tests/ui/ui_support.h"
#include "ui/nutrient_view_dialog_widget.h"

namespace korva {
namespace {

constexpr int kSelenium = 26;

// A list read from its file, two of its three foods without Selenium data.
TEST(CoverageViewTest, TableOfAListReadFromItsFileMarksWhatSomeFoodsLack) {
    test::DataTree tree{{test::DataFood(1, "Nuts", 100, {{0, 600}, {kSelenium, 20}}),
                         test::DataFood(1, "Rice", 100, {{0, 130}}), test::DataFood(1, "Tea", 100, {{0, 1}})}};
    test::ScriptedPlatform platform;
    ActiveDocument active;
    CFoodListDoc doc(tree.db, platform, active);
    for (std::size_t k = 0; k < 3; ++k) ASSERT_TRUE(doc.list().addFood(tree.entry(tree.idOf(k)), 0));
    ASSERT_TRUE(doc.list().writeFile(tree.listFile("mix.fls"), platform));
    ASSERT_EQ(doc.list().readFile(tree.listFile("mix.fls"), false, platform), kReadOk);
    const ViewFoods foods(tree.db);
    NutrientViewDialog view(foods, platform, NutrientViewDialog::kTable, doc, NutrientViewDialog::kWhole);
    test::KeepingPrinter printer;
    NutrientViewDialogWidget face(view, printer);
    EXPECT_EQ(test::child<QTableWidget>(&face, "nutrientTable")->item(kSelenium, 3)->text(), QStringLiteral("*"));
    EXPECT_EQ(test::label(&face, "coverageNote"), QStringLiteral("* 1 of 3 foods report Selenium"));
}

} // namespace
} // namespace korva
