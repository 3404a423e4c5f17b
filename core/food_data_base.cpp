#include "core/food_data_base.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "archive/archive.h"
#include "archive/atomic_file.h"

namespace korva {

namespace {

constexpr std::uint16_t kProgramMadeClear = 0x4 | 0x1;
constexpr std::uint16_t kProgramMadeSet = 0x2;
constexpr std::size_t kUnconsBytes = kUnconsolidatedSlots * NutrientRecord::kBytes;
constexpr std::int32_t kLastRecipeIdPossible = 0xFFFF;

bool validCategory(int c) { return c >= 0 && c < kCategoryCount; }

// A std::FILE that closes itself, for the open-seek-read-close record access.
struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

FileHandle openFile(const std::filesystem::path& path, const char* mode) {
    return FileHandle(std::fopen(path.c_str(), mode));
}

// Size of an open file, or -1.
long fileSize(std::FILE* f) {
    if (std::fseek(f, 0, SEEK_END) != 0) return -1;
    return std::ftell(f);
}

long recordOffset(long recordNumber) { return recordNumber * static_cast<long>(NutrientRecord::kBytes); }

// The index is relied on to be grouped by category; a file that is not would
// map entries to the wrong records, so it counts as damaged.
bool wellFormedIndex(const CSFList& list) {
    if (list.entries.size() > kMaxRecords) return false;
    int previous = 0;
    for (const ShortFood& e : list.entries) {
        if (!validCategory(e.category) || e.category < previous) return false;
        previous = e.category;
    }
    return true;
}

} // namespace

FoodDataBase::~FoodDataBase() { endCategoryScan(); }

// ---- Index ------------------------------------------------------------------

bool FoodDataBase::loadIndex() {
    auto bytes = readWholeFile(paths_.indexSer());
    if (!bytes) return false;
    return loadIndexFromBytes(std::move(*bytes));
}

bool FoodDataBase::loadIndexFromBytes(std::vector<std::uint8_t> bytes) {
    std::shared_ptr<CSFList> list;
    try {
        Archive ar = Archive::forReading(std::move(bytes));
        list = ar.readObject<CSFList>();
    } catch (const ArchiveError&) {
        return false;
    }
    if (!list || !wellFormedIndex(*list)) return false;

    index_.entries = std::move(list->entries);
    std::int32_t lastUser = kFirstUserFoodId;
    for (const ShortFood& e : index_.entries)
        if (e.id >= kFirstUserFoodId && e.id <= kLastUserFoodId) lastUser = std::max<std::int32_t>(lastUser, e.id);
    state_.lastUserFoodId = lastUser;
    rebuildCategoryTables();
    return true;
}

bool FoodDataBase::saveIndex() {
    Archive ar = Archive::forWriting(paths_.indexSer());
    ar.writeObject(&index_);
    return ar.close();
}

bool FoodDataBase::readUnconsolidatedFile() {
    FileHandle f = openFile(paths_.unconsArc(), "rb");
    if (!f) return false;
    std::vector<std::uint8_t> bytes(kUnconsBytes);
    if (std::fread(bytes.data(), 1, bytes.size(), f.get()) != bytes.size()) return false;
    for (std::size_t s = 0; s < uncons_.size(); ++s)
        uncons_[s] = NutrientRecord::fromBytes(bytes.data() + s * NutrientRecord::kBytes);
    return true;
}

void FoodDataBase::rebuildCategoryTables() {
    count_.fill(0);
    for (ShortFood& e : index_.entries) {
        // Entries put in by hand may carry any category; they are counted
        // nowhere rather than written out of bounds.
        if (!validCategory(e.category)) continue;
        int& n = count_[e.category];
        e.indexInCategory = static_cast<std::uint16_t>(n);
        ++n;
    }
    std::size_t ordinal = 0;
    for (int c = 0; c < kCategoryCount; ++c) {
        firstRecord_[static_cast<std::size_t>(c)] = static_cast<int>(ordinal);
        firstEntry_[static_cast<std::size_t>(c)] =
            ordinal < index_.entries.size() ? std::optional<std::size_t>(ordinal) : std::nullopt;
        ordinal += static_cast<std::size_t>(count_[static_cast<std::size_t>(c)]);
    }
    if (!validCategory(currentCategory_)) currentCategory_ = 0;
    // One step only: the pickers show the next category, empty or not.
    if (count_[static_cast<std::size_t>(currentCategory_)] == 0)
        currentCategory_ = (currentCategory_ + 1) % kCategoryCount;
    currentEntry_ = positionInCurrentCategory(0);
}

std::optional<std::size_t> FoodDataBase::firstEntry(int category) const {
    if (!validCategory(category)) return std::nullopt;
    return firstEntry_[static_cast<std::size_t>(category)];
}

std::optional<std::size_t> FoodDataBase::positionInCurrentCategory(int k) const {
    if (!validCategory(currentCategory_)) return std::nullopt;
    const auto c = static_cast<std::size_t>(currentCategory_);
    if (k < 0 || k >= count_[c]) return std::nullopt;
    const std::size_t pos = static_cast<std::size_t>(firstRecord_[c]) + static_cast<std::size_t>(k);
    if (pos >= index_.entries.size()) return std::nullopt;
    return pos;
}

const ShortFood* FoodDataBase::entryInCurrentCategory(int k) const {
    auto pos = positionInCurrentCategory(k);
    return pos ? &index_.entries[*pos] : nullptr;
}

std::vector<std::string> FoodDataBase::categoryNames() const {
    std::vector<std::string> names;
    if (!validCategory(currentCategory_)) return names;
    const int n = count_[static_cast<std::size_t>(currentCategory_)];
    names.reserve(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k)
        if (const ShortFood* e = entryInCurrentCategory(k)) names.push_back(e->name);
    return names;
}

std::optional<std::size_t> FoodDataBase::findPositionById(std::uint16_t id) const {
    for (std::size_t i = 0; i < index_.entries.size(); ++i)
        if (index_.entries[i].id == id) return i;
    return std::nullopt;
}

const ShortFood* FoodDataBase::findEntryById(std::uint16_t id) const {
    auto pos = findPositionById(id);
    return pos ? &index_.entries[*pos] : nullptr;
}

std::optional<std::uint16_t> FoodDataBase::recipeIdAt(int k) const {
    const auto c = static_cast<std::size_t>(kRecipeCategory);
    if (k < 0 || k >= count_[c]) return std::nullopt;
    const std::size_t pos = static_cast<std::size_t>(firstRecord_[c]) + static_cast<std::size_t>(k);
    if (pos >= index_.entries.size()) return std::nullopt;
    return index_.entries[pos].id;
}

// ---- Records ----------------------------------------------------------------

bool FoodDataBase::readFoodRecord(const ShortFood& entry, NutrientRecord& record) const {
    FileHandle f = openFile(entry.isArchived() ? paths_.foodsArc() : paths_.unconsArc(), "rb");
    if (!f) return false;
    std::uint8_t bytes[NutrientRecord::kBytes];
    if (std::fseek(f.get(), recordOffset(entry.recordNumber), SEEK_SET) != 0) return false;
    if (std::fread(bytes, 1, sizeof bytes, f.get()) != sizeof bytes) return false;
    record = NutrientRecord::fromBytes(bytes);
    return true;
}

bool FoodDataBase::writeFoodRecord(const ShortFood& entry, const NutrientRecord& record) {
    std::uint8_t bytes[NutrientRecord::kBytes];
    record.toBytes(bytes);

    if (!entry.isArchived()) {
        // The slot file is always written whole from the buffer (addFood), so
        // an edit must land in the buffer too or the next addition undoes it.
        if (entry.recordNumber >= kUnconsolidatedSlots) return false;
        auto file = readWholeFile(paths_.unconsArc(), kUnconsBytes);
        if (!file || file->size() != kUnconsBytes) return false;
        std::memcpy(file->data() + recordOffset(entry.recordNumber), bytes, sizeof bytes);
        if (!writeFileAtomically(paths_.unconsArc(), *file)) return false;
        uncons_[entry.recordNumber] = record;
        return true;
    }

    FileHandle f = openFile(paths_.foodsArc(), "r+b");
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

FoodDataBase::AddOutcome FoodDataBase::canAddFood() const {
    if (state_.unconsolidated >= kUnconsolidatedSlots) return AddOutcome::tooManyUnconsolidated;
    // Record numbers are 16-bit: a consolidated foods.arc holds at most 65536.
    if (index_.entries.size() >= kMaxRecords) return AddOutcome::tooManyRecords;
    return AddOutcome::added;
}

FoodDataBase::AddOutcome FoodDataBase::addFood(ShortFood entry, NutrientRecord record, std::size_t* position) {
    if (AddOutcome why = canAddFood(); why != AddOutcome::added) return why;
    // A damaged state file may carry a negative count; slot 0 is then the
    // only sound place to start.
    const int slot = std::max(0, state_.unconsolidated);

    entry.flags = static_cast<std::uint16_t>((entry.flags & ~kProgramMadeClear) | kProgramMadeSet);
    entry.recordNumber = static_cast<std::uint16_t>(slot);
    record.id = entry.id;
    record.category = entry.category;

    // The slot file first: if it cannot be written, nothing else changes.
    const NutrientRecord previous = uncons_[static_cast<std::size_t>(slot)];
    uncons_[static_cast<std::size_t>(slot)] = record;
    std::vector<std::uint8_t> bytes(kUnconsBytes);
    for (std::size_t s = 0; s < uncons_.size(); ++s) uncons_[s].toBytes(bytes.data() + s * NutrientRecord::kBytes);
    if (!writeFileAtomically(paths_.unconsArc(), bytes)) {
        uncons_[static_cast<std::size_t>(slot)] = previous;
        return AddOutcome::writeFailed;
    }
    state_.unconsolidated = slot + 1;

    auto& entries = index_.entries;
    auto at = std::find_if(entries.begin(), entries.end(),
                           [&](const ShortFood& e) { return e.category >= entry.category; });
    while (at != entries.end() && at->category == entry.category && compareNamesNoCase(at->name, entry.name) <= 0)
        ++at;
    const std::size_t pos = static_cast<std::size_t>(at - entries.begin());
    entries.insert(at, std::move(entry));
    rebuildCategoryTables();

    setFlag(kConsolidated, false);
    setFlag(kNoInsertions, false);
    indexModified_ = true;
    if (position) *position = pos;
    return AddOutcome::added;
}

void FoodDataBase::retireEntry(std::size_t position) {
    if (position >= index_.entries.size()) return;
    index_.entries.erase(index_.entries.begin() + static_cast<std::ptrdiff_t>(position));
}

std::optional<std::uint16_t> FoodDataBase::nextUserFoodId(int category) {
    if (category == kRecipeCategory) {
        const std::int32_t next = std::max<std::int32_t>(state_.lastRecipeId, kFirstRecipeId - 1) + 1;
        if (next > kLastRecipeIdPossible) return std::nullopt;
        state_.lastRecipeId = next;
        return static_cast<std::uint16_t>(next);
    }
    const std::int32_t next = std::max<std::int32_t>(state_.lastUserFoodId, kFirstUserFoodId) + 1;
    // Past 28999 the ids would be taken for recipes.
    if (next > kLastUserFoodId) return std::nullopt;
    state_.lastUserFoodId = next;
    return static_cast<std::uint16_t>(next);
}

// ---- Block scan ---------------------------------------------------------------

bool FoodDataBase::startCategoryScan(int category) {
    if (!validCategory(category)) return false;
    if (!scanFile_) {
        scanFile_ = std::fopen(paths_.foodsArc().c_str(), "rb");
        if (!scanFile_) return false;
    }
    blockPosition_ = firstRecord_[static_cast<std::size_t>(category)];
    return std::fseek(scanFile_, recordOffset(blockPosition_), SEEK_SET) == 0;
}

int FoodDataBase::readNextBlock() {
    if (!scanFile_) return 0;
    const std::int64_t left = std::int64_t(state_.archived) - blockPosition_;
    if (left <= 0) return 0;
    const int n = static_cast<int>(std::min<std::int64_t>(kBlockRecords, left));
    // Seek every time so that a short read before leaves no stray offset.
    if (std::fseek(scanFile_, recordOffset(blockPosition_), SEEK_SET) != 0) return 0;
    std::uint8_t bytes[kBlockRecords * NutrientRecord::kBytes];
    const std::size_t want = static_cast<std::size_t>(n) * NutrientRecord::kBytes;
    if (std::fread(bytes, 1, want, scanFile_) != want) return 0;
    for (int s = 0; s < n; ++s)
        block_[static_cast<std::size_t>(s)] = NutrientRecord::fromBytes(bytes + static_cast<std::size_t>(s) * NutrientRecord::kBytes);
    blockPosition_ += n;
    return n;
}

void FoodDataBase::endCategoryScan() {
    if (scanFile_) std::fclose(scanFile_);
    scanFile_ = nullptr;
    blockPosition_ = 0;
}

// ---- Messages -------------------------------------------------------------------

std::string addOutcomeMessage(FoodDataBase::AddOutcome outcome) {
    switch (outcome) {
    case FoodDataBase::AddOutcome::added: return {};
    case FoodDataBase::AddOutcome::tooManyUnconsolidated:
        return "... too many new foods, you must CONSOLIDATE before next add ...";
    case FoodDataBase::AddOutcome::tooManyRecords:
        return "... the Foods Data Base is full (65536 foods), no more foods can be added ...";
    case FoodDataBase::AddOutcome::writeFailed:
        return "... could not write the new foods file, the food was not added ...";
    case FoodDataBase::AddOutcome::idsUsedUp:
        return "... all food numbers for new foods are used up, no more can be added ...";
    }
    return {};
}

} // namespace korva
