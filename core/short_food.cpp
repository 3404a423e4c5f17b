#include "core/short_food.h"

#include <set>

#include "archive/archive.h"

namespace korva {

void ShortFood::Serialize(Archive& ar) {
    ar.io(id);
    ar.io(category);
    ar.io(recordNumber);
    // The fourth number is the position in the category; it is written for
    // the file's sake and recomputed after reading, never trusted.
    ar.io(indexInCategory);
    ar.io(gramsPerServing);
    ar.io(flags);
    ar.io(name);
    ar.io(servingText);
}

void CSFList::Serialize(Archive& ar) {
    if (ar.isStoring()) {
        ar.writeCount(static_cast<std::uint32_t>(entries.size()));
        for (const ShortFood& e : entries) ar.writeObject(&e);
        return;
    }
    // Each element takes at least a two-byte tag.
    const std::uint32_t n = ar.readCount(2);
    entries.clear();
    // Entries are copied out of the archive, so a two-byte reference back to
    // an entry with long texts would cost its whole size again; a file of
    // such references could exhaust memory.  The index never lists one entry
    // twice, so a reference back is damage.
    std::set<const ShortFood*> seen;
    for (std::uint32_t i = 0; i < n; ++i) {
        auto e = ar.readObject<ShortFood>();
        if (!e) throw ArchiveError(ArchiveError::badIndex, "null entry in the food index");
        if (!seen.insert(e.get()).second)
            throw ArchiveError(ArchiveError::badIndex, "entry listed twice in the food index");
        entries.push_back(*e);
    }
}

int compareNamesNoCase(const std::string& a, const std::string& b) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

} // namespace korva
