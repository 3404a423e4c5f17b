#include "app/data_root.h"

#include <cstdlib>
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

// Copies `from` into `to` file by file; files `to` already has stay as they
// are.  Placeholders that only keep empty folders in version control are
// not data.
bool copyMissing(const fs::path& from, const fs::path& to, std::string* error) {
    std::error_code ec;
    fs::create_directories(to, ec);
    if (ec) {
        if (error) *error = "cannot create " + to.string() + ": " + ec.message();
        return false;
    }
    for (fs::recursive_directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path rel = fs::relative(it->path(), from, ec);
        if (ec) break;
        const fs::path target = to / rel;
        if (it->is_directory(ec)) {
            fs::create_directories(target, ec);
        } else if (it->path().filename() != ".gitkeep" && !fs::exists(target, ec)) {
            fs::copy_file(it->path(), target, ec);
        }
        if (ec) {
            if (error) *error = "cannot copy " + it->path().string() + ": " + ec.message();
            return false;
        }
    }
    if (ec) {
        if (error) *error = "cannot read " + from.string() + ": " + ec.message();
        return false;
    }
    return true;
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
    return {base / "korva", RootSource::userData, shipped};
}

SetupOutcome provideUserData(const fs::path& root, const fs::path& shippedTree, std::string* error) {
    if (hasDataDir(root)) return SetupOutcome::alreadyThere;
    if (!hasDataDir(shippedTree)) return SetupOutcome::nothingToCopy;

    std::error_code ec;
    const fs::path scratch = root.parent_path() / (root.filename().string() + ".partial");
    fs::remove_all(scratch, ec); // what an interrupted first start left
    if (!copyMissing(shippedTree, scratch, error)) {
        fs::remove_all(scratch, ec);
        return SetupOutcome::failed;
    }
    if (!fs::exists(root, ec)) {
        fs::rename(scratch, root, ec);
        if (!ec) return SetupOutcome::copied;
    }
    // The root exists already (made by hand, perhaps with files in it): move
    // in what it lacks, keeping what it has.
    const bool ok = copyMissing(scratch, root, error);
    fs::remove_all(scratch, ec);
    return ok ? SetupOutcome::copied : SetupOutcome::failed;
}

} // namespace korva
