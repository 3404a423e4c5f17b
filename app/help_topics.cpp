#include "app/help_topics.h"

#include <array>
#include <system_error>

#include "app/command_table.h"

namespace korva {

namespace {

// clang-format off
constexpr std::array<HelpTopic, 18> kTopics{{
    {help_contexts::kContents,          "index.html",           "",               "Contents"},
    {help_contexts::kGettingStarted,    "getting-started.html", "",               "Getting Started"},
    {help_contexts::kReference,         "reference.html",       "",               "Reference: the menus"},
    {help_contexts::kWindowsAndDialogs, "windows.html",         "",               "Windows and Dialog Boxes"},
    {51200,                             "windows.html",         "foodlist",       "The FoodList window"},
    {52224,                             "windows.html",         "recipe",         "The Recipe window"},
    {53248,                             "windows.html",         "search",         "Nutrient Search"},
    {54272,                             "windows.html",         "nutrient-view",  "All nutrients: table and chart"},
    {help_contexts::kFoodEditor,        "windows.html",         "food-editor",    "Adding and changing foods"},
    {56320,                             "windows.html",         "one-nutrient",   "One nutrient"},
    {57344,                             "windows.html",         "categories",     "Categories and foods"},
    {help_contexts::kUserTargets,       "windows.html",         "user-targets",   "A user's targets"},
    {59392,                             "windows.html",         "daily-enter",    "Today's foods"},
    {59395,                             "windows.html",         "daily-edit",     "Editing a day's log"},
    {60416,                             "windows.html",         "daily-view",     "Nutrients by date"},
    {61440,                             "windows.html",         "shopping-list",  "Shopping lists"},
    {53249,                             "plan-amounts.html",    "",               "Planning the amounts"},
    {54784,                             "windows.html",         "protein-quality", "Protein quality"},
}};
// clang-format on

} // namespace

std::span<const HelpTopic> helpTopics() { return kTopics; }

const HelpTopic* findHelpTopic(int context) {
    for (const HelpTopic& t : kTopics)
        if (t.context == context) return &t;
    return nullptr;
}

std::optional<int> helpContextOfCommand(int commandId) {
    switch (commandId) {
    case kCmdHelpContents: return help_contexts::kContents;
    case kCmdHelpGettingStarted: return help_contexts::kGettingStarted;
    case kCmdHelpReference: return help_contexts::kReference;
    case kCmdHelpWindows: return help_contexts::kWindowsAndDialogs;
    default: return std::nullopt;
    }
}

std::optional<std::filesystem::path> findHelpFolder(const std::filesystem::path& programDir) {
    for (const auto& folder : {programDir / "help", programDir.parent_path() / "share" / "korva" / "help"}) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(folder / kHelpContentsPage, ec)) return folder;
    }
    return std::nullopt;
}

std::string help_texts::noTopic(int context) {
    return "There is no help page for topic " + std::to_string(context) + "; the contents are shown instead.";
}

std::string help_texts::noFolder(const std::filesystem::path& folder) {
    return "... help pages not found in " + folder.string() + " ... reinstall KORVA to read help ..";
}

} // namespace korva
