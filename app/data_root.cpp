#include "app/data_root.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <vector>
#include <system_error>
#include <unistd.h>

namespace korva {

namespace fs = std::filesystem;

namespace {

std::optional<std::string> variable(const char* name) {
    const char* v = std::getenv(name);
    if (!v || !*v) return std::nullopt;
    return std::string(v);
}

bool hasDataDir(const fs::path& tree) {
    std::error_code ec;
    return fs::is_directory(tree / "kvdata", ec);
}

fs::path installedTreeOf(const fs::path& programDir) {
    return programDir.parent_path() / "share" / "korva" / "data";
}

// The folders of a data tree; nothing else of a shipped tree is data.
constexpr const char* kDataFolders[] = {"kvdata", "kvuser", "kvflist", "kvrecipe", "kvshop"};

// The files without which start-up refuses the tree, in the order they are
// moved in: the state file last, so that a tree that has it has the rest.
constexpr const char* kEssentials[] = {"kvdata/foods.arc", "kvdata/index.ser", "kvdata/korva.ini"};

constexpr char kScratchPrefix[] = ".setup-";

bool isSetUp(const fs::path& root) {
    std::error_code ec;
    for (const char* file : kEssentials)
        if (!fs::is_regular_file(root / file, ec)) return false;
    return true;
}

void fail(std::string* error, const std::string& text) {
    if (error) *error = text;
}

// Copies the data folders of `from` into `to`.  Placeholders that only keep
// empty folders in version control are not data.
bool copyTree(const fs::path& from, const fs::path& to, std::string* error) {
    std::error_code ec;
    for (const char* folder : kDataFolders) {
        if (!fs::is_directory(from / folder, ec)) continue;
        fs::create_directories(to / folder, ec);
        for (fs::recursive_directory_iterator it(from / folder, ec), end; !ec && it != end; it.increment(ec)) {
            const fs::path target = to / fs::relative(it->path(), from, ec);
            if (ec) break;
            if (it->is_directory(ec))
                fs::create_directories(target, ec);
            else if (it->path().filename() != ".gitkeep")
                fs::copy_file(it->path(), target, ec);
            if (ec) {
                fail(error, "cannot copy " + it->path().string() + ": " + ec.message());
                return false;
            }
        }
        if (ec) {
            fail(error, "cannot read " + (from / folder).string() + ": " + ec.message());
            return false;
        }
    }
    return true;
}

bool isEssential(const fs::path& rel) {
    for (const char* file : kEssentials)
        if (rel == file) return true;
    return false;
}

// Moves what `root` lacks from `scratch` into it, each file by one rename,
// so no file is ever seen half-copied; files `root` has stay as they are.
bool moveMissing(const fs::path& scratch, const fs::path& root, std::string* error) {
    std::error_code ec;
    std::vector<fs::path> files;
    for (fs::recursive_directory_iterator it(scratch, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path rel = fs::relative(it->path(), scratch, ec);
        if (ec) break;
        if (it->is_directory(ec))
            fs::create_directories(root / rel, ec);
        else if (!isEssential(rel))
            files.push_back(rel);
        if (ec) break;
    }
    for (const char* file : kEssentials) files.emplace_back(file);
    for (const fs::path& rel : files) {
        if (ec) break;
        if (fs::exists(root / rel, ec) || !fs::exists(scratch / rel, ec)) continue;
        fs::rename(scratch / rel, root / rel, ec);
    }
    if (ec) fail(error, "cannot fill " + root.string() + ": " + ec.message());
    return !ec;
}

// Holds an exclusive lock on a folder for as long as it lives.
class FolderLock {
public:
    explicit FolderLock(const fs::path& folder)
        : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~FolderLock() {
        if (fd_ >= 0) ::close(fd_);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    bool held() const { return fd_ >= 0; }

private:
    int fd_;
};

// Scratch folders that earlier starts left when they were killed; only
// called under the lock, when no other start is copying.
void removeAbandonedScratch(const fs::path& root) {
    std::error_code ec;
    for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec))
        if (it->path().filename().string().rfind(kScratchPrefix, 0) == 0) {
            std::error_code ignored;
            fs::remove_all(it->path(), ignored);
        }
}

// A user root must not be the installed tree nor hold it: removing the data
// folder would remove the shipped data with it.
fs::path comparable(const fs::path& p) {
    std::error_code ec;
    fs::path real = fs::weakly_canonical(fs::absolute(p, ec), ec);
    std::string text = (ec ? p : real).lexically_normal().string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

bool within(const std::string& inner, const std::string& outer) {
    return inner == outer || (inner.size() > outer.size() && inner.compare(0, outer.size(), outer) == 0 &&
                              (outer.back() == '/' || inner[outer.size()] == '/'));
}

bool overlaps(const fs::path& root, const fs::path& shipped) {
    const std::string r = comparable(root).string();
    const std::string s = comparable(shipped).string();
    return within(s, r) || within(r, s);
}

} // namespace

RootEnvironment RootEnvironment::fromProcess() {
    return {variable("KORVA_HOME"), variable("XDG_DATA_HOME"), variable("HOME")};
}

fs::path executableDirectory(const char* argv0) {
    std::error_code ec;
    fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && !self.empty()) return self.parent_path();
    if (argv0 && *argv0) {
        fs::path p = fs::absolute(argv0, ec);
        if (!ec) return fs::weakly_canonical(p, ec).parent_path();
    }
    return fs::current_path(ec);
}

bool isInstalledLocation(const fs::path& programDir) {
    if (programDir.filename() == "bin" && hasDataDir(installedTreeOf(programDir))) return true;
    return ::access(programDir.c_str(), W_OK) != 0;
}

DataRootChoice chooseDataRoot(const std::optional<fs::path>& homeOption, const RootEnvironment& env,
                              const fs::path& programDir) {
    if (homeOption) return {*homeOption, RootSource::commandLine, std::nullopt};
    if (env.korvaHome) return {fs::path(*env.korvaHome), RootSource::environment, std::nullopt};
    if (!isInstalledLocation(programDir)) return {programDir, RootSource::besideProgram, std::nullopt};

    // XDG asks to ignore a relative XDG_DATA_HOME.
    fs::path base;
    if (env.xdgDataHome && fs::path(*env.xdgDataHome).is_absolute())
        base = *env.xdgDataHome;
    else if (env.home)
        base = fs::path(*env.home) / ".local" / "share";
    else
        return {programDir, RootSource::besideProgram, std::nullopt};

    std::optional<fs::path> shipped;
    if (hasDataDir(installedTreeOf(programDir)))
        shipped = installedTreeOf(programDir);
    else if (hasDataDir(programDir))
        shipped = programDir;
    fs::path root = base / "korva";
    if (shipped && overlaps(root, *shipped)) {
        // Installed into the user's own data folder (PREFIX=~/.local): the
        // data goes beside the program's folder instead.  A tree an earlier
        // version set up there is where the first copy comes from.
        const fs::path earlier = root;
        root = base / "korva-user";
        if (isSetUp(earlier)) shipped = earlier;
    }
    return {root, RootSource::userData, shipped};
}

SetupOutcome provideUserData(const fs::path& root, const fs::path& shippedTree, std::string* error) {
    if (isSetUp(root)) return SetupOutcome::alreadyThere;
    if (!hasDataDir(shippedTree)) return SetupOutcome::nothingToCopy;
    if (overlaps(root, shippedTree)) {
        fail(error, root.string() + " holds the installed data " + shippedTree.string());
        return SetupOutcome::failed;
    }

    std::error_code ec;
    fs::create_directories(root, ec);
    // Starts at the same moment (one per file opened from the desktop) take
    // turns; whoever comes second finds the tree complete.
    FolderLock lock(root);
    if (!lock.held()) {
        fail(error, "cannot use " + root.string() + ": " + (ec ? ec.message() : std::string("no access")));
        return SetupOutcome::failed;
    }
    if (isSetUp(root)) return SetupOutcome::alreadyThere;
    removeAbandonedScratch(root);

    std::string scratchName = (root / kScratchPrefix).string() + "XXXXXX";
    if (!::mkdtemp(scratchName.data())) {
        fail(error, "cannot write in " + root.string());
        return SetupOutcome::failed;
    }
    const fs::path scratch = scratchName;
    bool ok = copyTree(shippedTree, scratch, error) && moveMissing(scratch, root, error);
    fs::remove_all(scratch, ec);
    if (ok && !isSetUp(root)) {
        fail(error, shippedTree.string() + " lacks the foods data base");
        ok = false;
    }
    return ok ? SetupOutcome::copied : SetupOutcome::failed;
}

} // namespace korva
