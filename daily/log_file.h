#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/data_paths.h"
#include "core/nutrient_record.h"
#include "daily/daily_messages.h"
#include "daily/log_date.h"

namespace korva {

class Archive;
class FoodDataBase;
class Platform;
struct LocalDateTime;

// Whose log a day belongs to: the user folder and the base name of the
// user's profile file (user00 for user00.rda), which names the folder of
// that user's logs.
struct LogOwner {
    std::filesystem::path userDir;
    std::string profileBaseName;

    static LogOwner currentUserOf(const FoodDataBase& db);
    std::filesystem::path logFolder() const { return userDir / profileBaseName; }
    // <user folder>/<profile base name>/l<MMDDYY>.log
    std::filesystem::path logFilePath(const std::string& compactDate) const;
};

// The base name of a stored profile path: after its last '/' or '\', before
// its last dot.
std::string profileBaseName(const std::string& profilePath);

enum class LogRead { read, notFound, damaged };

// One day of the log: the FoodList files eaten that day and the sum of
// their nutrient totals, one .log file per user and date.
class LogFile {
public:
    std::string timestamp;
    std::string path;
    std::string userName;
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t day = 0;
    std::vector<std::string> foodListPaths;
    NutrientRecord totals;

    static constexpr std::size_t kMaxFoodLists = 0xFFFF;

    std::size_t foodListCount() const { return foodListPaths.size(); }

    // Today's log: the timestamp and date words from the local time (years
    // since 1900, month 0..11), the path of today's file.  The user's log
    // folder is made when today's file does not exist yet.
    void initToday(const LogOwner& owner, const LocalDateTime& now);
    // A day chosen by date: the two-digit year, month 1..12 and day, and
    // that day's path.
    void setDate(const LogOwner& owner, const LogDate& date);
    // Forgets the day's contents (strings, FoodLists and totals).
    void clear();

    bool exists() const;
    // Reads the file at path.  A damaged file leaves the log as it was.
    LogRead read();
    // Opens the day of `compactDate` for the owner: the path and user name
    // are the owner's, whatever the file says, so a save or a deletion can
    // only ever touch that user's own file.
    LogRead openDay(const LogOwner& owner, const std::string& compactDate);
    // Replaces the file atomically; a failure shows "... log file could not
    // be written ..." and leaves the old file whole.
    bool write(Platform& platform) const;
    // Removes the file at path, if there is one.
    void deleteFile() const;

    // Lists the FoodList and adds its totals.  A FoodList that cannot be
    // read stays listed without totals (the read has said why) and the
    // answer is false; so does a day already holding kMaxFoodLists.
    bool addFoodList(const std::string& foodListPath, FoodDataBase& db, Platform& platform);
    // Totals afresh from every listed FoodList file.  Files that cannot be
    // read add nothing; the rest are still summed.  False when any failed.
    bool recomputeTotals(FoodDataBase& db, Platform& platform);

    // The file's bytes, and the reader over bytes: `read` with anything
    // that could come off a disk.
    std::vector<std::uint8_t> toBytes() const;
    LogRead readBytes(std::vector<std::uint8_t> bytes);

private:
    void serialize(Archive& ar);
};

} // namespace korva
