#include "core/short_food.h"

#include <algorithm>

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
    // Entries are read in place, none kept by the archive: a reference back
    // to an entry is refused, since the index never lists one entry twice
    // (and a file of two-byte references to entries with long texts could
    // otherwise exhaust memory).  A new entry takes at least its tag, six
    // numbers and two text lengths.
    entries.reserve(std::min<std::size_t>(n, ar.bytesLeft() / 18));
    for (std::uint32_t i = 0; i < n; ++i)
        if (!ar.readObjectInto(entries.emplace_back()))
            throw ArchiveError(ArchiveError::badIndex, "null entry in the food index");
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
