#include <gtest/gtest.h>

#include <filesystem>

#include "app/recent_files.h"
#include "archive/atomic_file.h"
#include "tests/support/temp_root.h"

namespace korva {
namespace {

using Paths = std::vector<std::filesystem::path>;

class RecentFilesTest : public ::testing::Test {
protected:
    test::TempRoot temp{test::TempRoot::empty, "korva-recent"};
    std::filesystem::path dir = temp.root();
};

TEST_F(RecentFilesTest, NewestFirstNoRepeatsAtMostFour) {
    RecentFiles r;
    for (const char* f : {"/d/a.fls", "/d/b.fls", "/d/c.fls", "/d/./a.fls", "/d/e.fls", "/d/f.fls"}) r.add(f);
    EXPECT_EQ(r.entries(), (Paths{"/d/f.fls", "/d/e.fls", "/d/./a.fls", "/d/c.fls"}));
    EXPECT_EQ(r.menuText(3), "&4 c.fls");
    EXPECT_EQ(r.menuText(4), "");
    r.remove("/d/a.fls");
    EXPECT_EQ(r.entries(), (Paths{"/d/f.fls", "/d/e.fls", "/d/c.fls"}));
    r.add("/d/R&D lunch.fls");
    EXPECT_EQ(r.menuText(0), "&1 R&&D lunch.fls");
}

TEST_F(RecentFilesTest, SurvivesTheRunAndDamage) {
    RecentFiles r(dir / "recent.lst");
    r.add("/d/one.fls");
    r.add("/d/two words.fls");
    ASSERT_TRUE(r.save());
    RecentFiles again(dir / "recent.lst");
    again.load();
    EXPECT_EQ(again.entries(), r.entries());

    const std::string damaged = std::string("/x/a.fls\r\n\n/x/a.fls\nbad\0line\n", 29) + std::string(5000, 'z') +
                                "\n/x/b.fls\n/x/c.fls\n/x/d.fls\n/x/e.fls";
    ASSERT_TRUE(writeFileAtomically(dir / "recent.lst", std::string_view(damaged)));
    again.load();
    EXPECT_EQ(again.entries(), (Paths{"/x/a.fls", "/x/b.fls", "/x/c.fls", "/x/d.fls"}));

    RecentFiles missing(dir / "none.lst");
    missing.load();
    EXPECT_TRUE(missing.entries().empty());
}

} // namespace
} // namespace korva
