#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace korva {

// The help pages: plain HTML files in the program's help folder, one section
// (an anchor) for each numeric help context that a window, a dialog or a Help
// menu item opens.
struct HelpTopic {
    int context;
    std::string_view page;   // file name inside the help folder
    std::string_view anchor; // section of the page; empty for the page's top
    std::string_view title;
};

namespace help_contexts {
inline constexpr int kContents = 62464;
inline constexpr int kGettingStarted = 50176;
inline constexpr int kReference = 64512;
inline constexpr int kWindowsAndDialogs = 63488;
// Sections for the food editor and the editor of a user's targets.
inline constexpr int kFoodEditor = 55296;
inline constexpr int kUserTargets = 58368;
} // namespace help_contexts

inline constexpr std::string_view kHelpContentsPage = "index.html";

std::span<const HelpTopic> helpTopics();
const HelpTopic* findHelpTopic(int context);
// The help context a Help menu item opens; none for other commands.
std::optional<int> helpContextOfCommand(int commandId);

// Where the help pages are: `help` beside the program (a build), else the
// installed share/korva/help beside its bin folder.  None when neither
// holds the contents page.
std::optional<std::filesystem::path> findHelpFolder(const std::filesystem::path& programDir);

namespace help_texts {
inline constexpr const char* kWindowTitle = "KORVA Help";
std::string noTopic(int context);
// The pages were looked for in `folder`.
std::string noFolder(const std::filesystem::path& folder);
} // namespace help_texts

} // namespace korva
