#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "app/command_table.h"
#include "app/help_topics.h"
#include "tests/app/app_temp_dir.h"
#include "tests/support/data_tree.h"

namespace korva {
namespace {

namespace fs = std::filesystem;

const fs::path kSource(KORVA_SOURCE_DIR);

std::string textOf(const fs::path& file) {
    const auto bytes = test::fileBytes(file);
    return {bytes.begin(), bytes.end()};
}

// Every help context the program's code opens: the numbers its windows and
// dialogs name as help contexts, and the Help menu's.
std::set<int> contextsInTheCode() {
    std::set<int> found;
    const std::regex named(R"(kHelp\w*\s*=\s*(\d+))"), literal(R"(openHelp\(\s*(\d+)\s*\))");
    for (const char* folder : {"core", "lists", "search", "daily", "app", "ui"}) {
        for (const auto& e : fs::recursive_directory_iterator(kSource / folder)) {
            const std::string text = textOf(e.path());
            if (text.find("Help") == std::string::npos) continue;
            for (const std::regex* re : {&named, &literal})
                for (auto it = std::sregex_iterator(text.begin(), text.end(), *re); it != std::sregex_iterator(); ++it)
                    found.insert(std::stoi((*it)[1].str()));
        }
    }
    for (const CommandInfo& c : commandTable())
        if (auto context = helpContextOfCommand(c.id)) found.insert(*context);
    return found;
}

TEST(HelpTopics, EveryContextTheProgramOpensHasItsSectionInThePages) {
    const std::set<int> used = contextsInTheCode();
    // The windows and dialogs that have a help button, and the four Help items.
    EXPECT_GE(used.size(), 12u);
    for (int context : used) EXPECT_NE(findHelpTopic(context), nullptr) << context;

    std::set<int> contexts;
    for (const HelpTopic& t : helpTopics()) {
        EXPECT_TRUE(contexts.insert(t.context).second) << t.context;
        const fs::path page = kSource / "help" / t.page;
        ASSERT_TRUE(fs::is_regular_file(page)) << page;
        if (!t.anchor.empty()) {
            EXPECT_NE(textOf(page).find("id=\"" + std::string(t.anchor) + "\""), std::string::npos)
                << t.context << " " << t.anchor;
        }
    }
}

// Links between the pages lead somewhere: to a page of the folder and, with
// a section, to a section of that page.
TEST(HelpTopics, LinksBetweenThePagesLeadToPagesAndSectionsThatExist) {
    const std::regex link(R"(href="([^"#:]*)(#([^"]*))?")");
    int links = 0;
    for (const auto& e : fs::directory_iterator(kSource / "help")) {
        if (e.path().extension() != ".html") continue;
        const std::string text = textOf(e.path());
        for (auto it = std::sregex_iterator(text.begin(), text.end(), link); it != std::sregex_iterator(); ++it) {
            ++links;
            const fs::path target = (*it)[1].str().empty() ? e.path() : kSource / "help" / (*it)[1].str();
            ASSERT_TRUE(fs::is_regular_file(target)) << e.path().filename() << " -> " << (*it)[0];
            if ((*it)[3].matched) {
                EXPECT_NE(textOf(target).find("id=\"" + (*it)[3].str() + "\""), std::string::npos)
                    << e.path().filename() << " -> " << (*it)[0];
            }
        }
    }
    EXPECT_GT(links, 20);
}

class HelpFolderTest : public test::AppTempDir {};

TEST_F(HelpFolderTest, BesideTheProgramElseInTheInstalledShareFolder) {
    writeBytes(dir / "share/korva/help/index.html", {'x'});
    EXPECT_EQ(findHelpFolder(dir / "bin"), dir / "share/korva/help");
    writeBytes(dir / "bin/help/index.html", {'x'});
    EXPECT_EQ(findHelpFolder(dir / "bin"), dir / "bin/help");
    // A folder without its contents page is no help folder.
    fs::create_directories(dir / "other/build/help");
    EXPECT_EQ(findHelpFolder(dir / "other/build"), std::nullopt);
}

} // namespace
} // namespace korva
