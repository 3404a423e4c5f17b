#include "app/data_backup.h"

#include <filesystem>
#include <system_error>

#include "archive/atomic_file.h"
#include "core/data_paths.h"
#include "core/platform.h"

namespace korva {

namespace fs = std::filesystem;

std::string backup_texts::copyError(const std::string& file, const std::string& from, const std::string& to) {
    return "Error copying " + file + ",\n from '" + from + "',\n to '" + to + "'!!!";
}

namespace {

// The folder is made inside kvdata and nowhere else: a typed name that is
// empty, climbs out or names a path is refused as a folder that cannot be
// made.
bool createFolderIn(const fs::path& dataDir, const std::string& name, fs::path& made) {
    if (name.empty() || name == "." || name == ".." || name.find_first_of("/\\") != std::string::npos) return false;
    std::error_code ec;
    made = dataDir / name;
    return fs::create_directory(made, ec) && !ec;
}

bool copyInto(const fs::path& source, const fs::path& target) {
    const auto bytes = readWholeFile(source);
    if (!bytes || !writeFileAtomically(target, *bytes)) return false;
    // A copy the user can later change or remove, whatever its source was.
    std::error_code ec;
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
    return true;
}

bool holdsRecords(const fs::path& file) {
    std::error_code ec;
    const auto size = fs::file_size(file, ec);
    return !ec && size > 0;
}

} // namespace

BackupOutcome backupData(const DataPaths& paths, Platform& platform) {
    using namespace backup_texts;
    fs::path target;
    if (!createFolderIn(paths.dataDir(), kFolder, target)) {
        if (platform.messageBox(kFolderExists, kAppTitle, MsgButtons::yesNo) != MsgAnswer::yes)
            return BackupOutcome::declined;
        // Cancel keeps the name that was taken, which then cannot be made.
        const auto name = platform.textEntry(kNamePrompt, kNameCaption, kNameInitial);
        if (!createFolderIn(paths.dataDir(), name.value_or(kFolder), target)) {
            platform.message(kCannotCreate);
            return BackupOutcome::noFolder;
        }
    }

    // The state file first and the unconsolidated records last, as they are
    // read at start-up.  A data base without recipes has no catalogue yet.
    std::vector<fs::path> files{paths.stateFile(), paths.foodsArc(), paths.indexSer()};
    std::error_code ec;
    if (fs::exists(paths.recipeCatalogue(), ec)) files.push_back(paths.recipeCatalogue());
    if (holdsRecords(paths.unconsArc())) files.push_back(paths.unconsArc());

    for (const fs::path& source : files) {
        const fs::path copy = target / source.filename();
        if (!copyInto(source, copy)) {
            platform.message(copyError(source.filename().string(), source.string(), copy.string()));
            platform.message(kCopyFailed);
            return BackupOutcome::copyFailed;
        }
    }
    platform.message(kDone);
    return BackupOutcome::done;
}

} // namespace korva
