#include "core/consolidation.h"

#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <system_error>
#include <unistd.h>
#include <vector>

#include "archive/archive.h"
#include "archive/atomic_file.h"
#include "core/db_state.h"
#include "core/food_data_base.h"

namespace korva {

namespace {

constexpr std::size_t kRecordBytes = NutrientRecord::kBytes;

// Renames and removals are only durable once the folder itself is flushed.
void syncFolder(const std::filesystem::path& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool fileExists(const std::filesystem::path& p) {
    std::error_code ec;
    return std::filesystem::exists(p, ec);
}

void removeQuietly(const std::filesystem::path& p) {
    std::error_code ec;
    std::filesystem::remove(p, ec);
}

// The leftovers of an atomic write cut short.
void removeWithScratch(const std::filesystem::path& p) {
    removeQuietly(p);
    removeUnfinishedWrites(p);
}

// A replacement whose source is gone was renamed before the interruption.
bool renameIfPresent(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (!fileExists(from))
        return true;
    std::error_code ec;
    std::filesystem::rename(from, to, ec);
    return !ec;
}

bool stopAt(const ConsolidationInterrupt& interrupt, ConsolidationStep step) {
    return interrupt && interrupt(step);
}

// Finishes a committed consolidation.  False when it was interrupted or a
// rename failed; the marker then stays for start-up to finish.
bool rollForward(const DataPaths& paths, const ConsolidationFiles& files, const ConsolidationInterrupt& interrupt) {
    if (!renameIfPresent(files.records, paths.foodsArc()))
        return false;
    if (stopAt(interrupt, ConsolidationStep::recordsReplaced))
        return false;
    if (!renameIfPresent(files.index, paths.indexSer()))
        return false;
    if (stopAt(interrupt, ConsolidationStep::indexReplaced))
        return false;
    if (!renameIfPresent(files.state, paths.stateFile()))
        return false;
    if (stopAt(interrupt, ConsolidationStep::stateReplaced))
        return false;
    removeQuietly(paths.unconsArc());
    if (stopAt(interrupt, ConsolidationStep::slotsRemoved))
        return false;
    syncFolder(paths.dataDir());
    removeQuietly(files.marker);
    syncFolder(paths.dataDir());
    return !stopAt(interrupt, ConsolidationStep::finished);
}

// Reads foods.arc a block of 32 records at a time, moving on to the block
// that holds the record wanted.  The walk goes forward in index order, so
// each block is normally read once.
class BlockReader {
public:
    explicit BlockReader(const std::filesystem::path& path) : file_(std::fopen(path.c_str(), "rb")) {}
    ~BlockReader() {
        if (file_)
            std::fclose(file_);
    }
    BlockReader(const BlockReader&) = delete;
    BlockReader& operator=(const BlockReader&) = delete;

    bool isOpen() const { return file_ != nullptr; }

    // The bytes of record `n`, or null when the file does not hold it.
    const std::uint8_t* record(std::size_t n) {
        const std::size_t block = n / kBlockRecords;
        if (block != block_ && !load(block))
            return nullptr;
        const std::size_t slot = n % kBlockRecords;
        if (slot >= recordsInBlock_)
            return nullptr;
        return buffer_.data() + slot * kRecordBytes;
    }

private:
    bool load(std::size_t block) {
        block_ = block;
        recordsInBlock_ = 0;
        const long offset = static_cast<long>(block * kBlockRecords * kRecordBytes);
        if (std::fseek(file_, offset, SEEK_SET) != 0)
            return false;
        const std::size_t got = std::fread(buffer_.data(), 1, buffer_.size(), file_);
        recordsInBlock_ = got / kRecordBytes;
        return true;
    }

    std::FILE* file_;
    std::vector<std::uint8_t> buffer_ = std::vector<std::uint8_t>(kBlockRecords * kRecordBytes);
    std::size_t block_ = SIZE_MAX;
    std::size_t recordsInBlock_ = 0;
};

// Already in the form a consolidation would give: nothing to do.
bool inIndexOrder(const std::vector<ShortFood>& entries) {
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (!entries[i].isArchived() || entries[i].recordNumber != i)
            return false;
    return true;
}

// The new records file and the entries pointing into it, or nothing when a
// record cannot be found where its entry says it is.
bool buildNewRecords(const FoodDataBase& db, std::vector<ShortFood>& entries, std::vector<std::uint8_t>& out) {
    BlockReader archived(db.paths().foodsArc());
    std::optional<std::vector<std::uint8_t>> slots;
    out.clear();
    out.reserve(entries.size() * kRecordBytes);
    for (std::size_t k = 0; k < entries.size(); ++k) {
        ShortFood& e = entries[k];
        const std::uint8_t* bytes = nullptr;
        if (e.isArchived()) {
            if (!archived.isOpen())
                return false;
            bytes = archived.record(e.recordNumber);
        } else {
            if (!slots)
                slots = readWholeFile(db.paths().unconsArc(), kUnconsolidatedSlots * kRecordBytes);
            if (!slots || e.recordNumber >= kUnconsolidatedSlots ||
                (std::size_t(e.recordNumber) + 1) * kRecordBytes > slots->size())
                return false;
            bytes = slots->data() + std::size_t(e.recordNumber) * kRecordBytes;
            e.flags = static_cast<std::uint16_t>(e.flags | ShortFood::kArchived);
        }
        if (!bytes)
            return false;
        out.insert(out.end(), bytes, bytes + kRecordBytes);
        e.recordNumber = static_cast<std::uint16_t>(k);
    }
    return true;
}

bool writeIndexFile(const std::filesystem::path& path, const std::vector<ShortFood>& entries) {
    CSFList list;
    list.entries = entries;
    Archive ar = Archive::forWriting(path);
    ar.writeObject(&list);
    return ar.close();
}

} // namespace

ConsolidationFiles::ConsolidationFiles(const DataPaths& paths)
    : records(paths.tempArc()),
      index(paths.dataDir() / "index.new"),
      state(paths.dataDir() / "korva.new"),
      marker(paths.dataDir() / "consol.cmt") {}

RecoveryAction recoverInterruptedConsolidation(const DataPaths& paths) {
    const ConsolidationFiles files(paths);
    if (fileExists(files.marker))
        return rollForward(paths, files, {}) ? RecoveryAction::rolledForward : RecoveryAction::failed;
    bool found = false;
    for (const auto* p : {&files.records, &files.index, &files.state}) {
        found = fileExists(*p) || found;
        removeQuietly(*p);
        found = removeUnfinishedWrites(*p) || found;
    }
    removeWithScratch(files.marker);
    return found ? RecoveryAction::rolledBack : RecoveryAction::nothing;
}

bool consolidateDataBase(FoodDataBase& db, const ConsolidationInterrupt& interrupt) {
    if (db.state().isSet(kConsolidated) && inIndexOrder(db.index().entries()))
        return true;
    const DataPaths& paths = db.paths();
    const ConsolidationFiles files(paths);
    // A marker at this point belongs to an earlier run that start-up could
    // not finish; writing over its files would mix two consolidations.
    if (fileExists(files.marker))
        return false;

    std::vector<ShortFood> entries = db.index().entries();
    std::vector<std::uint8_t> records;
    if (!buildNewRecords(db, entries, records))
        return false;

    StateFileData state = stateForWriting(db);
    state.flags = static_cast<std::uint16_t>(state.flags | kConsolidated | kNoDeletions | kNoInsertions);
    state.archived = static_cast<std::int32_t>(entries.size());
    state.unconsolidated = 0;
    state.deleted = 0;

    auto abandon = [&] {
        removeWithScratch(files.records);
        removeWithScratch(files.index);
        removeWithScratch(files.state);
        return false;
    };
    if (!writeFileAtomically(files.records, records))
        return abandon();
    if (stopAt(interrupt, ConsolidationStep::recordsWritten))
        return false;
    if (!writeIndexFile(files.index, entries))
        return abandon();
    if (stopAt(interrupt, ConsolidationStep::indexWritten))
        return false;
    if (!writeFileAtomically(files.state, formatStateFile(state)))
        return abandon();
    if (stopAt(interrupt, ConsolidationStep::stateWritten))
        return false;
    if (!writeFileAtomically(files.marker, std::string_view("consolidation committed\r\n")))
        return abandon();
    if (stopAt(interrupt, ConsolidationStep::committed))
        return false;

    // Committed: the data base on disk is the new one, even if a rename below
    // fails and start-up has to finish it, so memory follows it now.
    const bool finished = rollForward(paths, files, interrupt);
    db.records().endCategoryScan();
    db.index().mutableEntries() = std::move(entries);
    db.state().assign(state);
    return finished;
}

bool FoodDataBase::consolidate() { return consolidateDataBase(*this); }

} // namespace korva
