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

} // namespace korva
