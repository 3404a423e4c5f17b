#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/data_paths.h"
#include "core/file_numbering.h"
#include "core/nutrient_record.h"

namespace korva {

class Platform;

// How reading the current user's profile went.
// The user whose targets are in use: name, profile file and targets.
struct CurrentUser {
    std::string name;
    std::filesystem::path path;
    NutrientRecord profile;
    // Chosen during this run: the state file must name the user at exit.
    bool changed = false;
};

enum class ProfileLoad {
    read,               // profile and name taken from the file
    missingUsedDefault, // no file: the default user took its place, with a message
    damaged,            // wrong markers or cut short: nothing changed
};

// The users found in the user folder, the current user with its targets,
// and the default user's targets that stand in when a profile is missing.
class UserSet {
public:
    static constexpr const char* kDefaultName = "default";
    static constexpr const char* kNotFoundMessage = "User file not found, using default ...";

    explicit UserSet(const DataPaths& paths) : paths_(&paths) {}

    // Lists every *.rda whose base name holds "user" (any case), sorted by
    // file name: the folder's own order is arbitrary on Linux and the list
    // must not reshuffle between runs.  False when none is found or one of
    // them cannot be read.
    bool scanUsers();

    bool readCurrentProfile(Platform& platform) { return loadCurrentProfile(platform) == ProfileLoad::read; }
    ProfileLoad loadCurrentProfile(Platform& platform);
    bool writeCurrentProfile() const;

    // The path for a new user's profile; refused past user99.rda.
    struct Allocation {
        std::filesystem::path path;
        std::string refusal;
        explicit operator bool() const { return !path.empty(); }
    };
    Allocation allocateUserFileName();
    NewFileName nextUserFileName();

    // Lists the new user and makes it current.
    void addUser(const std::string& name, const std::filesystem::path& path);
    // Makes user `index` current and reads its profile.  A damaged profile
    // leaves the previous user current (the targets in use must belong to the
    // user shown).
    ProfileLoad setCurrentUser(int index, Platform& platform);
    // Removes user `index`, its profile file and its log folder; the default
    // user cannot be removed.  When the user who takes the deleted current
    // user's place cannot be read, the default user becomes current.  False
    // when nothing was removed.
    bool deleteUser(int index, Platform& platform);

    int count() const { return static_cast<int>(names_.size()); }
    bool scanned() const { return scanned_; }
    int currentIndex() const { return currentIndex_; }
    int defaultIndex() const { return defaultIndex_; }
    const std::vector<std::string>& names() const { return names_; }
    const std::string& userName(int index) const;
    std::filesystem::path userPath(int index) const;
    // File name of the user at the current index (what the state file keeps).
    std::string currentUserFileName() const;

    // Names the current user's profile file, as the state file does.
    void setCurrentFileName(const std::string& fileName) { current_.path = paths_->userDir() / fileName; }

    CurrentUser& current() { return current_; }
    const CurrentUser& current() const { return current_; }
    const NutrientRecord& defaultProfile() const { return defaultProfile_; }

    int lastFileNumber() const { return lastFileNumber_; }
    void setLastFileNumber(int n) { lastFileNumber_ = n; }

    // The log folder of the user whose profile is `profilePath`.
    static std::filesystem::path logFolderOf(const std::filesystem::path& profilePath);

private:
    bool validIndex(int index) const { return index >= 0 && index < count(); }
    void useDefaultUser();

    const DataPaths* paths_;
    std::vector<std::string> names_;
    std::vector<std::filesystem::path> userPaths_;
    int currentIndex_ = 0;
    int defaultIndex_ = 0;
    CurrentUser current_;
    NutrientRecord defaultProfile_;
    bool scanned_ = false;
    int lastFileNumber_ = 0;
};

} // namespace korva
