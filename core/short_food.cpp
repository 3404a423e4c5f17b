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

} // namespace korva
