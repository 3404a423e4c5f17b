#include <QTableWidget>

#include "daily/nutrient_view_dialog.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "tests/support/data_tree.h"
#include "tests/support/recording_surface.h"
#include "tests/support/scripted_platform.h"
#include "tests/ui/ui_support.h"
#include "ui/nutrient_view_dialog_widget.h"

namespace korva {
namespace {

constexpr int kSelenium = 26;

// A list read from its file, two of whose three foods lack Selenium: its
// table marks Selenium and says below how many foods report it.
TEST(CoverageViewTest, TableOfAListReadFromItsFileMarksWhatSomeFoodsLack) {
    test::DataTree tree{{test::DataFood(1, "Nuts", 100, {{0, 600}, {kSelenium, 20}}),
                         test::DataFood(1, "Rice", 100, {{0, 130}}), test::DataFood(1, "Tea", 100, {{0, 1}})}};
    test::ScriptedPlatform platform;
    FoodList saved(&tree.db);
    for (std::size_t k = 0; k < 3; ++k) ASSERT_TRUE(saved.addFood(tree.entry(test::DataTree::idOf(k)), 0));
    ASSERT_TRUE(saved.writeFile(tree.listFile("mix.fls"), platform));
    ActiveDocument active;
    CFoodListDoc doc(tree.db, platform, active);
    ASSERT_EQ(doc.list().readFile(tree.listFile("mix.fls"), false, platform), kReadOk);

    const ViewFoods foods(tree.db);
    NutrientViewDialog view(foods, platform, NutrientViewDialog::kTable, doc, NutrientViewDialog::kWhole);
    test::KeepingPrinter printer;
    NutrientViewDialogWidget face(view, printer);
    face.show();
    auto* table = test::child<QTableWidget>(&face, "nutrientTable");
    ASSERT_EQ(table->rowCount(), kStandardNutrientCount);
    EXPECT_EQ(table->item(kSelenium, 3)->text(), QStringLiteral("*"));
    EXPECT_EQ(table->item(0, 3)->text(), QString());
    EXPECT_EQ(test::label(&face, "coverageNote"), QStringLiteral("* 1 of 3 foods report Selenium"));
    EXPECT_TRUE(test::child<QLabel>(&face, "coverageNote")->isVisible());
}

} // namespace
} // namespace korva
