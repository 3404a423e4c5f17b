#include "core/food_index.h"

#include <algorithm>
#include <memory>

#include "archive/archive.h"

namespace korva {

namespace {

// The index is relied on to be grouped by category; a file that is not would
// map entries to the wrong records, so it counts as damaged.
bool wellFormedIndex(const CSFList& list) {
    if (list.entries.size() > kMaxRecords) return false;
    int previous = 0;
    for (const ShortFood& e : list.entries) {
        if (!isCategory(e.category) || e.category < previous) return false;
        previous = e.category;
    }
    return true;
}

} // namespace

bool FoodIndex::loadFromBytes(const std::vector<std::uint8_t>& bytes) {
    std::shared_ptr<CSFList> list;
    try {
        Archive ar = Archive::forReading(bytes);
        list = ar.readObject<CSFList>();
    } catch (const ArchiveError&) {
        return false;
    }
    if (!list || !wellFormedIndex(*list)) return false;
    list_.entries = std::move(list->entries);
    return true;
}

bool FoodIndex::save(const std::filesystem::path& path) {
    Archive ar = Archive::forWriting(path);
    ar.writeObject(&list_);
    return ar.close();
}

void FoodIndex::rebuildTables() {
    count_.fill(0);
    for (ShortFood& e : list_.entries) {
        // Entries put in by hand may carry any category; they are counted
        // nowhere rather than written out of bounds.
        if (!isCategory(e.category)) continue;
        int& n = count_[e.category];
        e.indexInCategory = static_cast<std::uint16_t>(n);
        ++n;
    }
    std::size_t ordinal = 0;
    for (int c = 0; c < kCategoryCount; ++c) {
        firstRecord_[static_cast<std::size_t>(c)] = static_cast<int>(ordinal);
        firstEntry_[static_cast<std::size_t>(c)] =
            ordinal < list_.entries.size() ? std::optional<std::size_t>(ordinal) : std::nullopt;
        ordinal += static_cast<std::size_t>(count_[static_cast<std::size_t>(c)]);
    }
}

std::optional<std::size_t> FoodIndex::firstEntry(int category) const {
    if (!isCategory(category)) return std::nullopt;
    return firstEntry_[static_cast<std::size_t>(category)];
}

std::optional<std::size_t> FoodIndex::positionInCategory(int category, int k) const {
    if (!isCategory(category)) return std::nullopt;
    const auto c = static_cast<std::size_t>(category);
    if (k < 0 || k >= count_[c]) return std::nullopt;
    const std::size_t pos = static_cast<std::size_t>(firstRecord_[c]) + static_cast<std::size_t>(k);
    if (pos >= list_.entries.size()) return std::nullopt;
    return pos;
}

std::optional<std::size_t> FoodIndex::findPositionById(std::uint16_t id) const {
    for (std::size_t i = 0; i < list_.entries.size(); ++i)
        if (list_.entries[i].id == id) return i;
    return std::nullopt;
}

const ShortFood* FoodIndex::findEntryById(std::uint16_t id) const {
    auto pos = findPositionById(id);
    return pos ? &list_.entries[*pos] : nullptr;
}

std::optional<std::uint16_t> FoodIndex::recipeIdAt(int k) const {
    auto pos = positionInCategory(kRecipeCategory, k);
    if (!pos) return std::nullopt;
    return list_.entries[*pos].id;
}

std::int32_t FoodIndex::highestUserFoodId() const {
    std::int32_t last = kFirstUserFoodId;
    for (const ShortFood& e : list_.entries)
        if (e.id >= kFirstUserFoodId && e.id <= kLastUserFoodId) last = std::max<std::int32_t>(last, e.id);
    return last;
}

std::size_t FoodIndex::insertInOrder(ShortFood entry) {
    auto& entries = list_.entries;
    auto at = std::find_if(entries.begin(), entries.end(),
                           [&](const ShortFood& e) { return e.category >= entry.category; });
    while (at != entries.end() && at->category == entry.category && compareNamesNoCase(at->name, entry.name) <= 0)
        ++at;
    const std::size_t pos = static_cast<std::size_t>(at - entries.begin());
    entries.insert(at, std::move(entry));
    return pos;
}

void FoodIndex::retireEntry(std::size_t position) {
    if (position >= list_.entries.size()) return;
    list_.entries.erase(list_.entries.begin() + static_cast<std::ptrdiff_t>(position));
}

} // namespace korva
