#include <gtest/gtest.h>

#include "app/command_line.h"

namespace korva {
namespace {

TEST(CommandLine, TheFirstNameIsAFoodListOrRecipeByCaseSensitiveMark) {
    const struct {
        std::vector<std::string> args;
        std::optional<DocumentKind> kind;
    } cases[] = {
        {{"kvflist/fl0001.fls"}, DocumentKind::foodList},
        {{"/data/rcp001.rcp"}, DocumentKind::recipe},
        {{"odd.rcp.fls.bak"}, DocumentKind::foodList}, // a FoodList mark anywhere wins
        {{"FL0001.FLS"}, {}},
        {{"rcp001.RCP"}, {}},
        {{""}, {}},
        {{}, {}},
        {{"readme.txt", "fl0001.fls"}, {}}, // only the first name counts
        {{"--", "-dash.fls"}, DocumentKind::foodList},
    };
    for (const auto& c : cases) {
        const auto cl = parseCommandLine(c.args);
        EXPECT_EQ(cl.document ? std::optional(cl.document->kind) : std::nullopt, c.kind)
            << testing::PrintToString(c.args);
        EXPECT_TRUE(!cl.document || cl.document->path == c.args.back());
    }
}

TEST(CommandLine, HomeAndHelpOptions) {
    auto cl = parseCommandLine({"--home", "/srv/korva", "a.fls"});
    EXPECT_TRUE(cl.home == "/srv/korva" && cl.document && cl.error.empty());
    cl = parseCommandLine({"--print-to", "/out", "--home=/x"});
    EXPECT_TRUE(cl.printTo == "/out" && cl.home == "/x");
    EXPECT_EQ(parseCommandLine({"--print-to=/pdf"}).printTo, std::filesystem::path("/pdf"));
    for (const char* incomplete : {"--home", "--home=", "--print-to"})
        EXPECT_FALSE(parseCommandLine({incomplete}).error.empty()) << incomplete;
    EXPECT_TRUE(parseCommandLine({"-h"}).help);
    EXPECT_TRUE(parseCommandLine({"x.fls", "--help"}).help);
    EXPECT_FALSE(parseCommandLine({"--unknown"}).help);
    EXPECT_NE(usageText("korva").find("--home DIR"), std::string::npos);
}

} // namespace
} // namespace korva
