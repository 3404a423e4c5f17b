#include <gtest/gtest.h>

#include "daily/shop_dialog.h"
#include "lists/report_writer.h"
#include "tests/support/recording_surface.h"

namespace korva::test {
namespace {

// Nine lines a page (0 to 8): title, heading and a blank line before the
// text, so "Fruits" would be the last line of the first page.
TEST(ShopPrint, HeadingsNeverStayAloneAndIndentationHoldsOnEveryPage) {
    RecordingSurface page({10, 20}, 200);
    ReportWriter out(page);
    out.begin();
    const std::string longLine(120, 'x');
    writeShopListReport(
        out, {"Beverages", "  Milk", "    1 cup  times   1.00", "Fruits", "  Apples", "    1 medium  times   2.00"},
        {"extra " + longLine});
    out.end();
    std::vector<std::pair<int, std::string>> fruits;
    for (const auto& t : page.texts)
        if (t.page == 2) fruits.emplace_back(t.x, t.text);
    ASSERT_GE(fruits.size(), 3u);
    EXPECT_EQ(
        std::vector(fruits.begin(), fruits.begin() + 3),
        (std::vector<std::pair<int, std::string>>{{40, "Fruits"}, {60, "Apples"}, {80, "1 medium  times   2.00"}}));
    EXPECT_EQ(page.texts[3].x, 60); // "  Milk" on page 1 alike
    // The extra line, too wide for the page, goes on under itself.
    EXPECT_EQ(fruits.back().first, 80);
    EXPECT_EQ(fruits.back().second, std::string(longLine, longLine.size() - fruits.back().second.size()));
}

} // namespace
} // namespace korva::test
