#include "core/record_store.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "archive/atomic_file.h"

namespace korva {

namespace {

constexpr std::size_t kUnconsBytes = kUnconsolidatedSlots * NutrientRecord::kBytes;

FileHandle openFile(const std::filesystem::path& path, const char* mode) {
    return FileHandle(std::fopen(path.c_str(), mode));
}

// Size of an open file, or -1.
long fileSize(std::FILE* f) {
    if (std::fseek(f, 0, SEEK_END) != 0) return -1;
    return std::ftell(f);
}

long recordOffset(long recordNumber) { return recordNumber * static_cast<long>(NutrientRecord::kBytes); }

} // namespace

bool RecordStore::readUnconsolidatedFile() {
    FileHandle f = openFile(paths_->unconsArc(), "rb");
    if (!f) return false;
    std::vector<std::uint8_t> bytes(kUnconsBytes);
    if (std::fread(bytes.data(), 1, bytes.size(), f.get()) != bytes.size()) return false;
    for (std::size_t s = 0; s < uncons_.size(); ++s)
        uncons_[s] = NutrientRecord::fromBytes(bytes.data() + s * NutrientRecord::kBytes);
    return true;
}

bool RecordStore::storeInSlot(int slot, const NutrientRecord& record) {
    const auto s = static_cast<std::size_t>(slot);
    const NutrientRecord previous = uncons_[s];
    uncons_[s] = record;
    std::vector<std::uint8_t> bytes(kUnconsBytes);
    for (std::size_t i = 0; i < uncons_.size(); ++i) uncons_[i].toBytes(bytes.data() + i * NutrientRecord::kBytes);
    if (writeFileAtomically(paths_->unconsArc(), bytes)) return true;
    uncons_[s] = previous;
    return false;
}

bool RecordStore::readFoodRecord(const ShortFood& entry, NutrientRecord& record) const {
    FileHandle f = openFile(entry.isArchived() ? paths_->foodsArc() : paths_->unconsArc(), "rb");
    if (!f) return false;
    std::uint8_t bytes[NutrientRecord::kBytes];
    if (std::fseek(f.get(), recordOffset(entry.recordNumber), SEEK_SET) != 0) return false;
    if (std::fread(bytes, 1, sizeof bytes, f.get()) != sizeof bytes) return false;
    record = NutrientRecord::fromBytes(bytes);
    return true;
}

bool RecordStore::writeFoodRecord(const ShortFood& entry, const NutrientRecord& record) {
    std::uint8_t bytes[NutrientRecord::kBytes];
    record.toBytes(bytes);

    if (!entry.isArchived()) {
        // The slot file is always written whole from the buffer (addFood), so
        // an edit must land in the buffer too or the next addition undoes it.
        if (entry.recordNumber >= kUnconsolidatedSlots) return false;
        auto file = readWholeFile(paths_->unconsArc(), kUnconsBytes);
        if (!file || file->size() != kUnconsBytes) return false;
        std::memcpy(file->data() + recordOffset(entry.recordNumber), bytes, sizeof bytes);
        if (!writeFileAtomically(paths_->unconsArc(), *file)) return false;
        uncons_[entry.recordNumber] = record;
        return true;
    }

    FileHandle f = openFile(paths_->foodsArc(), "r+b");
    if (!f) return false;
    const long offset = recordOffset(entry.recordNumber);
    // Writing past the end would grow the file with a gap of zero records.
    const long size = fileSize(f.get());
    if (size < 0 || offset + static_cast<long>(sizeof bytes) > size) return false;
    if (std::fseek(f.get(), offset, SEEK_SET) != 0) return false;
    if (std::fwrite(bytes, 1, sizeof bytes, f.get()) != sizeof bytes) return false;
    if (std::fflush(f.get()) != 0) return false;
    return std::fclose(f.release()) == 0;
}

// ---- Block scan ---------------------------------------------------------------

bool RecordStore::startCategoryScan(int category) {
    if (!isCategory(category)) return false;
    if (!scanFile_) {
        scanFile_.reset(std::fopen(paths_->foodsArc().c_str(), "rb"));
        if (!scanFile_) return false;
    }
    blockPosition_ = index_->firstRecord(category);
    return std::fseek(scanFile_.get(), recordOffset(blockPosition_), SEEK_SET) == 0;
}

int RecordStore::readNextBlock() {
    if (!scanFile_) return 0;
    const std::int64_t left = std::int64_t(state_->archived) - blockPosition_;
    if (left <= 0) return 0;
    const int n = static_cast<int>(std::min<std::int64_t>(kBlockRecords, left));
    // Seek every time so that a short read before leaves no stray offset.
    if (std::fseek(scanFile_.get(), recordOffset(blockPosition_), SEEK_SET) != 0) return 0;
    std::uint8_t bytes[kBlockRecords * NutrientRecord::kBytes];
    const std::size_t want = static_cast<std::size_t>(n) * NutrientRecord::kBytes;
    if (std::fread(bytes, 1, want, scanFile_.get()) != want) return 0;
    for (int s = 0; s < n; ++s)
        block_[static_cast<std::size_t>(s)] =
            NutrientRecord::fromBytes(bytes + static_cast<std::size_t>(s) * NutrientRecord::kBytes);
    blockPosition_ += n;
    return n;
}

void RecordStore::endCategoryScan() {
    scanFile_.reset();
    blockPosition_ = 0;
}

} // namespace korva
