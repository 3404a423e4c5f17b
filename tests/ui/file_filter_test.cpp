#include <gtest/gtest.h>

#include "ui/file_filter.h"

namespace korva {
namespace {

TEST(FileFilter, BarPairsBecomeQtFiltersMatchingEitherCase) {
    EXPECT_EQ(qtFileFilter("All Files (*.*)|*.*|Food List Files(*.FLS)|*.FLS||"),
              QStringLiteral("All Files (*);;Food List Files (*.FLS *.fls)"));
    EXPECT_EQ(qtFileFilter("Recipe Files(*.RCP)|*.RCP|All Files(*.*)|*.*||"),
              QStringLiteral("Recipe Files (*.RCP *.rcp);;All Files (*)"));
    EXPECT_EQ(qtFileFilter("FoodLists (*.fls)"), QStringLiteral("FoodLists (*.fls)"));
    EXPECT_EQ(qtFileFilter("Lists|*.fls;*.SLS|"), QStringLiteral("Lists (*.fls *.FLS *.SLS *.sls)"));
    EXPECT_EQ(qtFileFilter("|"), QString());
}

} // namespace
} // namespace korva
