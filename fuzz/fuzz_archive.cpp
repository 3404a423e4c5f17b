// Any bytes handed to the archive reader must either load or raise
// ArchiveError: no crash, no hang, no allocation sized by an unchecked count.
// Whatever loads must write back and load again to the same contents.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "archive/archive.h"
#include "core/short_food.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void check(bool ok) {
    if (!ok) std::abort();
}

bool sameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

bool sameEntry(const korva::ShortFood& x, const korva::ShortFood& y) {
    return x.id == y.id && x.category == y.category && x.recordNumber == y.recordNumber &&
           x.indexInCategory == y.indexInCategory && sameBits(x.gramsPerServing, y.gramsPerServing) &&
           x.flags == y.flags && x.name == y.name && x.servingText == y.servingText;
}

template <class T>
std::shared_ptr<T> load(const Bytes& bytes) {
    korva::Archive a = korva::Archive::forReading(bytes);
    try {
        return a.readObject<T>();
    } catch (const korva::ArchiveError&) {
        return nullptr;
    }
}

template <class T>
Bytes store(const T& obj) {
    korva::Archive a = korva::Archive::inMemory();
    a.writeObject(&obj);
    return a.bytes();
}

void fuzzIndex(const Bytes& bytes) {
    auto index = load<korva::CSFList>(bytes);
    if (!index) return;
    const Bytes written = store(*index);
    auto again = load<korva::CSFList>(written);
    check(again != nullptr);
    check(again->entries.size() == index->entries.size());
    for (std::size_t i = 0; i < index->entries.size(); ++i) check(sameEntry(again->entries[i], index->entries[i]));
    check(store(*again) == written);
}

void fuzzEntry(const Bytes& bytes) {
    auto entry = load<korva::ShortFood>(bytes);
    if (!entry) return;
    auto again = load<korva::ShortFood>(store(*entry));
    check(again != nullptr && sameEntry(*again, *entry));
}

// The primitive readers one after another until the bytes run out; each
// successful read must move forward, or a reader loop over a file could spin.
void fuzzPrimitives(const Bytes& bytes) {
    for (int kind = 0; kind < 3; ++kind) {
        korva::Archive a = korva::Archive::forReading(bytes);
        try {
            for (;;) {
                const std::size_t before = a.position();
                switch (kind) {
                case 0: {
                    const std::size_t left = a.bytesLeft();
                    const std::string s = a.readString();
                    check(s.size() < left);
                    break;
                }
                case 1: a.readCount(0); break;
                default: {
                    const std::size_t left = a.bytesLeft();
                    const std::uint32_t n = a.readCount(1);
                    check(n <= left);
                    a.readBytes(nullptr, 0);
                    break;
                }
                }
                check(a.position() > before);
            }
        } catch (const korva::ArchiveError& e) {
            check(e.cause() == korva::ArchiveError::endOfFile);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Bytes bytes(data, data + size);
    fuzzIndex(bytes);
    fuzzEntry(bytes);
    fuzzPrimitives(bytes);
    return 0;
}
