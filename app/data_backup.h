#pragma once

#include <string>

namespace korva {

struct DataPaths;
class Platform;

// Foods > Backup: copies the foods data base into a new folder inside kvdata
// ("backup", or a name the user gives when that one exists).  The backup is
// whole: uncons.arc goes with it whenever it holds records, since the copied
// index names them.  Each copy is written through a temporary file; the first
// copy that fails is named and ends the backup, the copies before it stay.
namespace backup_texts {
inline constexpr const char* kFolder = "backup";
inline constexpr const char* kFolderExists = "directory already exists - create another?";
inline constexpr const char* kNamePrompt = "Enter new directory name :";
inline constexpr const char* kNameCaption = "KORVA  DATA  BACKUP";
inline constexpr const char* kNameInitial = "backup1";
inline constexpr const char* kCannotCreate = " .. couldn't create backup directory";
inline constexpr const char* kCopyFailed = "Error copying files to backup directory.";
inline constexpr const char* kDone = " .. backup of KORVA data has been performed ... ";
std::string copyError(const std::string& file, const std::string& from, const std::string& to);
} // namespace backup_texts

enum class BackupOutcome { done, declined, noFolder, copyFailed, notSaved };

BackupOutcome backupData(const DataPaths& paths, Platform& platform);

} // namespace korva
