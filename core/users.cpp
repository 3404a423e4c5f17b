#include "core/users.h"

#include <algorithm>
#include <cstring>
#include <system_error>

#include "archive/atomic_file.h"
#include "core/ascii_text.h"
#include "core/platform.h"
#include "core/profile_file.h"

namespace korva {

namespace {

bool samePathNoCase(const std::filesystem::path& a, const std::filesystem::path& b) {
    return lowerAscii(a.lexically_normal().string()) == lowerAscii(b.lexically_normal().string());
}

// The name stored in a profile, whatever its markers say; a file too short
// to hold one is shown by its file name so that it can still be chosen and
// deleted.
std::string storedName(const std::vector<std::uint8_t>& bytes, const std::filesystem::path& path) {
    if (bytes.size() <= ProfileFile::kNameOffset) return path.stem().string();
    const char* p = reinterpret_cast<const char*>(bytes.data() + ProfileFile::kNameOffset);
    std::size_t room = std::min(bytes.size() - ProfileFile::kNameOffset, ProfileFile::kNameBytes - 1);
    return std::string(p, strnlen(p, room));
}

const std::string kNoName;

} // namespace

bool UserSet::scanUsers() {
    const std::filesystem::path dir = paths_->userDir();
    names_.clear();
    userPaths_.clear();
    scanned_ = false;
    lastFileNumber_ = std::max(lastFileNumber_, highestFileNumber(dir, "user", "*.rda"));

    std::error_code ec;
    std::vector<std::filesystem::path> found;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string file = it->path().filename().string();
        if (!matchesPattern(file, "*.rda")) continue;
        if (lowerAscii(it->path().stem().string()).find("user") == std::string::npos) continue;
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        found.push_back(it->path());
    }
    if (found.empty()) return false;
    // Directory order is arbitrary here; list users by file name, ignoring
    // case as the data tree's original file system did, and by the exact
    // bytes only to break ties.
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        const std::string x = a.filename().string(), y = b.filename().string();
        const std::string lx = lowerAscii(x), ly = lowerAscii(y);
        return lx != ly ? lx < ly : x < y;
    });

    std::vector<std::string> names;
    std::optional<int> defaultAt;
    for (std::size_t i = 0; i < found.size(); ++i) {
        auto bytes = readWholeFile(found[i], 1u << 20);
        if (!bytes) return false;
        names.push_back(storedName(*bytes, found[i]));
        if (names.back() == kDefaultName && !defaultAt) defaultAt = static_cast<int>(i);
        if (samePathNoCase(found[i], current_.path)) currentIndex_ = static_cast<int>(i);
    }
    names_ = std::move(names);
    userPaths_ = std::move(found);
    if (defaultAt) defaultIndex_ = *defaultAt;
    if (!validIndex(currentIndex_))
        currentIndex_ = 0;
    else if (samePathNoCase(userPaths_[std::size_t(currentIndex_)], current_.path))
        // The name in the state file may differ in case from the file itself;
        // on a case-sensitive disk only the listed spelling opens.
        current_.path = userPaths_[std::size_t(currentIndex_)];
    if (!validIndex(defaultIndex_)) defaultIndex_ = 0;

    // Only the targets are wanted here; the markers are checked when a
    // profile becomes the current one.
    if (auto bytes = readWholeFile(userPaths_[std::size_t(defaultIndex_)], 1u << 20);
        bytes && bytes->size() >= 4 + NutrientRecord::kBytes)
        defaultProfile_ = NutrientRecord::fromBytes(bytes->data() + 4);
    scanned_ = true;
    return true;
}

ProfileLoad UserSet::loadCurrentProfile(Platform& platform) {
    ProfileReadResult r = readProfileFile(current_.path);
    if (r.outcome == ProfileReadOutcome::cannotOpen) {
        current_.profile = defaultProfile_;
        current_.name = kDefaultName;
        currentIndex_ = defaultIndex_;
        // Later saves and the state file must name the default's own file,
        // not the one that went missing.
        if (validIndex(defaultIndex_)) current_.path = userPaths_[std::size_t(defaultIndex_)];
        platform.message(kNotFoundMessage);
        return ProfileLoad::missingUsedDefault;
    }
    if (r.outcome != ProfileReadOutcome::ok) return ProfileLoad::damaged;
    current_.profile = r.file.profile;
    current_.name = r.file.name;
    return ProfileLoad::read;
}

bool UserSet::writeCurrentProfile() const {
    if (current_.path.empty()) return false;
    ProfileFile file;
    file.profile = current_.profile;
    file.name = current_.name;
    return writeProfileFile(current_.path, file);
}

NewFileName UserSet::nextUserFileName() {
    NewFileName name = userFileName(lastFileNumber_ + 1);
    if (name) ++lastFileNumber_;
    return name;
}

UserSet::Allocation UserSet::allocateUserFileName() {
    // Numbers only count up; a profile or log folder already holding the
    // next number (put there by hand, or left behind) is stepped over: a new
    // user starts with nothing of another's.
    for (;;) {
        NewFileName name = nextUserFileName();
        if (!name) return {{}, name.refusal};
        std::filesystem::path path = paths_->userDir() / name.name;
        std::error_code ec;
        if (!std::filesystem::exists(path, ec) && !std::filesystem::exists(logFolderOf(path), ec)) return {path, {}};
    }
}

void UserSet::addUser(const std::string& name, const std::filesystem::path& path) {
    names_.push_back(name);
    userPaths_.push_back(path);
    current_.name = name;
    current_.path = path;
    // The new user is the current one from now on, and the state file must
    // say so.
    currentIndex_ = count() - 1;
    current_.changed = true;
}

ProfileLoad UserSet::setCurrentUser(int index, Platform& platform) {
    if (!validIndex(index)) return ProfileLoad::damaged;
    const int oldIndex = currentIndex_;
    const std::filesystem::path oldPath = current_.path;
    const std::string oldName = current_.name;
    currentIndex_ = index;
    current_.path = userPaths_[std::size_t(index)];
    current_.name = names_[std::size_t(index)];
    ProfileLoad load = loadCurrentProfile(platform);
    if (load == ProfileLoad::read) current_.changed = true;
    if (load == ProfileLoad::damaged) {
        currentIndex_ = oldIndex;
        current_.path = oldPath;
        current_.name = oldName;
    }
    return load;
}

bool UserSet::deleteUser(int index, Platform& platform) {
    if (!validIndex(index) || index == defaultIndex_) return false;
    const std::filesystem::path deleted = userPaths_[std::size_t(index)];
    const bool deletingCurrent = index == currentIndex_;
    // A file that is already gone counts as deleted: a user who cannot be
    // removed from the list would stay there for good.
    std::error_code ec;
    std::filesystem::remove(deleted, ec);
    if (ec) return false;

    names_.erase(names_.begin() + index);
    userPaths_.erase(userPaths_.begin() + index);
    // Positions after the removed one move up; the default and the current
    // user must follow their own entries rather than the numbers.
    if (defaultIndex_ > index) --defaultIndex_;
    if (currentIndex_ > index) --currentIndex_;
    if (currentIndex_ > count() - 1) currentIndex_ = 0;
    // A damaged profile in the place of the deleted user would leave the
    // deleted user current, and a later save would bring its file back: the
    // default user takes over instead.
    if (setCurrentUser(currentIndex_, platform) == ProfileLoad::damaged && deletingCurrent) useDefaultUser();
    current_.changed = true;

    const std::filesystem::path logs = logFolderOf(deleted);
    if (std::filesystem::is_directory(logs, ec)) {
        std::vector<std::filesystem::path> logFiles;
        for (std::filesystem::directory_iterator it(logs, ec), end; !ec && it != end; it.increment(ec))
            if (matchesPattern(it->path().filename().string(), "*.log")) logFiles.push_back(it->path());
        for (const auto& f : logFiles) std::filesystem::remove(f, ec);
        // Anything else the user put there stays, and so does the folder.
        std::filesystem::remove(logs, ec);
    }
    return true;
}

void UserSet::useDefaultUser() {
    currentIndex_ = defaultIndex_;
    current_.path = userPath(defaultIndex_);
    current_.name = kDefaultName;
    current_.profile = defaultProfile_;
}

const std::string& UserSet::userName(int index) const {
    return validIndex(index) ? names_[std::size_t(index)] : kNoName;
}

std::filesystem::path UserSet::userPath(int index) const {
    return validIndex(index) ? userPaths_[std::size_t(index)] : std::filesystem::path{};
}

std::string UserSet::currentUserFileName() const {
    if (validIndex(currentIndex_)) return userPaths_[std::size_t(currentIndex_)].filename().string();
    return current_.path.filename().string();
}

std::filesystem::path UserSet::logFolderOf(const std::filesystem::path& profilePath) {
    return profilePath.parent_path() / profilePath.stem();
}

} // namespace korva
