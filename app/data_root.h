#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace korva {

// The parts of the process environment that decide the data root.
struct RootEnvironment {
    std::optional<std::string> korvaHome;   // KORVA_HOME
    std::optional<std::string> xdgDataHome; // XDG_DATA_HOME
    std::optional<std::string> home;        // HOME

    static RootEnvironment fromProcess();
};

enum class RootSource { commandLine, environment, besideProgram, userData };

struct DataRootChoice {
    std::filesystem::path root;
    RootSource source = RootSource::besideProgram;
    // For an installed program: the shipped tree that fills an empty root.
    std::optional<std::filesystem::path> shippedTree;
};

// The folder that holds the running executable.
std::filesystem::path executableDirectory(const char* argv0);

// Whether the program runs from an installed location: its folder cannot
// be written, or it is a `bin` folder beside an installed data tree.
bool isInstalledLocation(const std::filesystem::path& programDir);

// Where the data lives: --home, else KORVA_HOME, else beside the program,
// or for an installed program $XDG_DATA_HOME/korva (~/.local/share/korva);
// $XDG_DATA_HOME/korva-user when the program itself is installed there
// (PREFIX=~/.local), so that the data folder never holds the installed tree.
DataRootChoice chooseDataRoot(const std::optional<std::filesystem::path>& homeOption, const RootEnvironment& env,
                              const std::filesystem::path& programDir);

enum class SetupOutcome { alreadyThere, copied, nothingToCopy, failed };

// Gives a user data root its first data: unless `root` holds the foods data
// base and its state file, the data folders of the shipped tree are copied
// there.  Any number of starts may do this at once: they take turns under a
// lock on the root, each copies into a scratch folder of its own inside the
// root and moves in file by file what the root lacks, the state file last,
// so a root counts as set up only when it is complete.  Existing files are
// never replaced.
SetupOutcome provideUserData(const std::filesystem::path& root, const std::filesystem::path& shippedTree,
                             std::string* error = nullptr);

} // namespace korva
