#include "daily/log_file.h"

#include <system_error>

#include "archive/archive.h"
#include "archive/atomic_file.h"
#include "core/food_data_base.h"
#include "core/platform.h"
#include "lists/flist_doc.h"
#include "lists/food_list.h"

namespace korva {

namespace {

// A day's file is a few hundred bytes; anything near this is not a log.
constexpr std::size_t kMaxLogBytes = 16u << 20;

// Reads one FoodList file and answers its totals; none when it cannot be
// read.  A missing file is said here, a damaged one by the list's reader.
std::optional<NutrientRecord> foodListTotals(const std::string& path, FoodDataBase& db, Platform& platform) {
    FoodList list(&db);
    const int outcome = list.readFile(path, false, platform);
    if (outcome == kReadNotFound) platform.message(docmsg::kFoodListNotFoundLower);
    if (outcome != kReadOk) return std::nullopt;
    return list.totals();
}

} // namespace

std::string profileBaseName(const std::string& profilePath) {
    const std::size_t slash = profilePath.find_last_of("/\\");
    std::string name = slash == std::string::npos ? profilePath : profilePath.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

LogOwner LogOwner::currentUserOf(const FoodDataBase& db) {
    return {db.paths().userDir(), korva::profileBaseName(db.users().current().path.string())};
}

std::filesystem::path LogOwner::logFilePath(const std::string& compactDate) const {
    return logFolder() / ("l" + compactDate + ".log");
}

void LogFile::initToday(const LogOwner& owner, const LocalDateTime& now) {
    timestamp = asctimeText(now);
    year = static_cast<std::uint16_t>(now.year - 1900);
    month = static_cast<std::uint16_t>(now.month - 1);
    day = static_cast<std::uint16_t>(now.day);
    path = owner.logFilePath(LogDate::fromLocal(now).compact()).string();
    if (!exists()) {
        std::error_code ec;
        std::filesystem::create_directories(owner.logFolder(), ec);
    }
}

void LogFile::setDate(const LogOwner& owner, const LogDate& date) {
    year = static_cast<std::uint16_t>(date.year());
    month = static_cast<std::uint16_t>(date.month());
    day = static_cast<std::uint16_t>(date.day());
    path = owner.logFilePath(date.compact()).string();
}

void LogFile::clear() {
    timestamp.clear();
    userName.clear();
    foodListPaths.clear();
    totals.clear();
}

bool LogFile::exists() const {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

void LogFile::serialize(Archive& ar) {
    ar.io(timestamp);
    ar.io(path);
    ar.io(userName);
    ar.io(year);
    ar.io(month);
    ar.io(day);
    for (float& v : totals.values) ar.io(v);
    if (ar.isStoring()) {
        ar.writeBytes(totals.levels.data(), totals.levels.size());
        const std::size_t n = std::min(foodListPaths.size(), kMaxFoodLists);
        ar.writeWord(static_cast<std::uint16_t>(n));
        for (std::size_t i = 0; i < n; ++i) ar.writeString(foodListPaths[i]);
    } else {
        ar.readBytes(totals.levels.data(), totals.levels.size());
        const std::uint16_t n = ar.readWord();
        // Every string takes at least its length byte.
        if (ar.bytesLeft() < n) throw ArchiveError(ArchiveError::endOfFile);
        foodListPaths.clear();
        foodListPaths.reserve(n);
        for (std::uint16_t i = 0; i < n; ++i) foodListPaths.push_back(ar.readString());
    }
}

std::vector<std::uint8_t> LogFile::toBytes() const {
    Archive ar = Archive::inMemory();
    const_cast<LogFile*>(this)->serialize(ar);
    return ar.bytes();
}

LogRead LogFile::readBytes(std::vector<std::uint8_t> bytes) {
    // Read into a day of its own first, so a damaged file changes nothing.
    LogFile loaded;
    loaded.totals = totals;
    Archive ar = Archive::forReading(std::move(bytes));
    try {
        loaded.serialize(ar);
    } catch (const ArchiveError&) {
        return LogRead::damaged;
    }
    timestamp = std::move(loaded.timestamp);
    path = std::move(loaded.path);
    userName = std::move(loaded.userName);
    year = loaded.year;
    month = loaded.month;
    day = loaded.day;
    totals.values = loaded.totals.values;
    totals.levels = loaded.totals.levels;
    foodListPaths = std::move(loaded.foodListPaths);
    return LogRead::read;
}

LogRead LogFile::read() {
    std::optional<std::vector<std::uint8_t>> bytes = readWholeFile(path, kMaxLogBytes);
    if (!bytes) return LogRead::notFound;
    // The file is where it was found: the path inside it only records where
    // it was once written (another data folder, another system).
    const std::string here = path;
    const LogRead outcome = readBytes(std::move(*bytes));
    path = here;
    return outcome;
}

LogRead LogFile::openDay(const LogOwner& owner, const std::string& compactDate) {
    path = owner.logFilePath(compactDate).string();
    userName = owner.profileBaseName;
    totals.clear();
    return read();
}

bool LogFile::write(Platform& platform) const {
    if (path.empty() || !writeFileAtomically(path, toBytes())) {
        platform.message(dailymsg::kNotWritten);
        return false;
    }
    return true;
}

void LogFile::deleteFile() const {
    std::error_code ec;
    if (exists()) std::filesystem::remove(path, ec);
}

bool LogFile::addFoodList(const std::string& foodListPath, FoodDataBase& db, Platform& platform) {
    if (foodListPaths.size() >= kMaxFoodLists) return false;
    foodListPaths.push_back(foodListPath);
    const std::optional<NutrientRecord> listTotals = foodListTotals(foodListPath, db, platform);
    if (!listTotals) return false;
    totals.add(*listTotals);
    return true;
}

bool LogFile::recomputeTotals(FoodDataBase& db, Platform& platform) {
    totals.clear();
    bool all = true;
    for (const std::string& p : foodListPaths) {
        if (const std::optional<NutrientRecord> listTotals = foodListTotals(p, db, platform))
            totals.add(*listTotals);
        else
            all = false;
    }
    return all;
}

} // namespace korva
