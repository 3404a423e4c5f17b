#include <gtest/gtest.h>

#include "app/command_line.h"

namespace korva {
namespace {

TEST(CommandLine, NamesAFoodListOrRecipeByCaseSensitiveExtension) {
    auto cl = parseCommandLine({"kvflist/fl0001.fls"});
    ASSERT_TRUE(cl.document);
    EXPECT_EQ(cl.document->kind, DocumentKind::foodList);
    EXPECT_EQ(cl.document->path, "kvflist/fl0001.fls");

    cl = parseCommandLine({"/data/rcp001.rcp"});
    ASSERT_TRUE(cl.document);
    EXPECT_EQ(cl.document->kind, DocumentKind::recipe);

    // The name is searched, not its ending: a FoodList mark anywhere wins.
    cl = parseCommandLine({"odd.rcp.fls.bak"});
    ASSERT_TRUE(cl.document);
    EXPECT_EQ(cl.document->kind, DocumentKind::foodList);

    for (const char* other : {"FL0001.FLS", "rcp001.RCP", "notes.txt", ""})
        EXPECT_FALSE(parseCommandLine({other}).document) << other;
    EXPECT_FALSE(parseCommandLine({}).document);
}

TEST(CommandLine, OnlyTheFirstNameCounts) {
    auto cl = parseCommandLine({"readme.txt", "fl0001.fls"});
    EXPECT_FALSE(cl.document);
    cl = parseCommandLine({"--", "-dash.fls"});
    ASSERT_TRUE(cl.document);
    EXPECT_EQ(cl.document->path, "-dash.fls");
}

TEST(CommandLine, HomeAndHelpOptions) {
    auto cl = parseCommandLine({"--home", "/srv/korva", "a.fls"});
    EXPECT_EQ(cl.home, std::filesystem::path("/srv/korva"));
    EXPECT_TRUE(cl.document);
    EXPECT_TRUE(cl.error.empty());

    EXPECT_EQ(parseCommandLine({"--home=/x"}).home, std::filesystem::path("/x"));
    EXPECT_FALSE(parseCommandLine({"--home"}).error.empty());
    EXPECT_FALSE(parseCommandLine({"--home="}).error.empty());
    cl = parseCommandLine({"--print-to", "/out", "--home=/x"});
    EXPECT_EQ(cl.printTo, std::filesystem::path("/out"));
    EXPECT_EQ(cl.home, std::filesystem::path("/x"));
    EXPECT_EQ(parseCommandLine({"--print-to=/pdf"}).printTo, std::filesystem::path("/pdf"));
    EXPECT_FALSE(parseCommandLine({"--print-to"}).error.empty());
    EXPECT_TRUE(parseCommandLine({"-h"}).help);
    EXPECT_TRUE(parseCommandLine({"x.fls", "--help"}).help);
    EXPECT_FALSE(parseCommandLine({"--unknown"}).help);
    EXPECT_NE(usageText("korva").find("--home DIR"), std::string::npos);
}

} // namespace
} // namespace korva
