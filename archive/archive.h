#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "archive/archive_error.h"
#include "archive/class_registry.h"
#include "archive/serializable.h"

namespace korva {

// The byte encoder of every binary data file: little-endian primitives,
// counted strings, element counts and tagged object references.
//
// A storing archive collects bytes in memory; close() replaces the target file
// atomically.  A loading archive reads from a byte buffer (usually a whole
// file) and raises ArchiveError when the bytes run out or a tag is wrong.
// Nothing it reads is trusted: a count or length larger than the bytes left is
// endOfFile before anything is allocated.
class Archive {
public:
    enum class Mode { storing, loading };

    // A storing archive that writes to `path` on close().
    static Archive forWriting(std::filesystem::path path);
    // A storing archive that only collects bytes (see bytes()).
    static Archive inMemory();
    // A loading archive over bytes.
    static Archive forReading(std::vector<std::uint8_t> bytes);
    // A loading archive over the whole file; false when it cannot be read.
    static bool openForReading(const std::filesystem::path& path, Archive& out);

    Archive(Archive&&) noexcept;
    Archive& operator=(Archive&&) noexcept;
    ~Archive();

    bool isStoring() const { return mode_ == Mode::storing; }
    bool isLoading() const { return mode_ == Mode::loading; }

    // Primitives.
    void writeByte(std::uint8_t v);
    void writeWord(std::uint16_t v);
    void writeDword(std::uint32_t v);
    void writeF32(float v);
    void writeBytes(const void* data, std::size_t n);
    std::uint8_t readByte();
    std::uint16_t readWord();
    std::uint32_t readDword();
    float readF32();
    void readBytes(void* data, std::size_t n);

    // Read or write, by direction: an 8-, 16- or 32-bit integer (a signed
    // one as its 32 bits), a float or a counted string.
    template <class T>
    void io(T& v) {
        if constexpr (std::is_same_v<T, std::uint8_t>) {
            isStoring() ? writeByte(v) : void(v = readByte());
        } else if constexpr (std::is_same_v<T, std::uint16_t>) {
            isStoring() ? writeWord(v) : void(v = readWord());
        } else if constexpr (std::is_same_v<T, std::uint32_t>) {
            isStoring() ? writeDword(v) : void(v = readDword());
        } else if constexpr (std::is_same_v<T, std::int32_t>) {
            isStoring() ? writeDword(static_cast<std::uint32_t>(v)) : void(v = static_cast<std::int32_t>(readDword()));
        } else if constexpr (std::is_same_v<T, float>) {
            isStoring() ? writeF32(v) : void(v = readF32());
        } else {
            static_assert(std::is_same_v<T, std::string>, "Archive::io reads and writes only the stored kinds");
            isStoring() ? writeString(v) : void(v = readString());
        }
    }

    // Counted strings (8-bit characters).  The reader also accepts the 16-bit
    // character form; characters above 0xFF become '?'.
    void writeString(std::string_view s);
    std::string readString();

    // Element counts.  `minBytesPerElement` lets the reader refuse a count that
    // the bytes left cannot hold.
    void writeCount(std::uint32_t n);
    std::uint32_t readCount(std::size_t minBytesPerElement = 2);

    // Object references.  An object is known by its address: a second write
    // of the same address is a reference back to the first.  So every object
    // written must stay alive until the archive is done; a temporary that
    // reuses an earlier one's address would be written as that earlier one.
    void writeObject(const Serializable* obj);
    // Reads a reference to an object of class T (T must declare kClassName and
    // kSchema and be default-constructible).  Returns null for the null
    // reference.  A reference back to an object already read returns that
    // same object.
    template <class T>
    std::shared_ptr<T> readObject() {
        if (ClassRegistry::instance().find(T::kClassName) == nullptr) {
            registerSerializable<T>(T::kClassName, T::kSchema);
        }
        std::shared_ptr<Serializable> obj = readObjectOf(T::kClassName);
        if (!obj) return nullptr;
        auto typed = std::dynamic_pointer_cast<T>(obj);
        if (!typed) throw ArchiveError(ArchiveError::badClass);
        return typed;
    }
    // Reads a reference to a new object of class T into `into`, which should
    // be freshly made; false for the null reference.  The object is not kept
    // for references back: a reference back to it, or to any object read so,
    // is refused (badIndex), as is a reference back in place of a new object.
    // Long lists of objects that are never shared read so without an
    // allocation each.
    template <class T>
    bool readObjectInto(T& into) {
        // Once per class, not once per element of a long list.
        static const bool registered = [] {
            if (ClassRegistry::instance().find(T::kClassName) == nullptr)
                registerSerializable<T>(T::kClassName, T::kSchema);
            return true;
        }();
        (void)registered;
        return readObjectInto(T::kClassName, into);
    }

    std::size_t position() const { return pos_; }
    std::size_t bytesLeft() const { return data_.size() - pos_; }
    const std::vector<std::uint8_t>& bytes() const { return data_; }

    // Storing: writes the bytes to the target file (temporary file, flush,
    // rename).  False when the file cannot be written; the old file stays.
    bool close();

private:
    Archive(Mode m, std::filesystem::path path, std::vector<std::uint8_t> data);
    void need(std::size_t n) const;
    std::shared_ptr<Serializable> readObjectOf(std::string_view expected);
    bool readObjectInto(std::string_view expected, Serializable& into);
    const ClassRegistry::Entry* readObjectTag(std::string_view expected, std::shared_ptr<Serializable>& reference);
    void writeClassTag(std::uint32_t classIndex);

    Mode mode_;
    std::filesystem::path path_;
    std::vector<std::uint8_t> data_;
    std::size_t pos_ = 0;

    // Running index table.  Index 0 is the null reference.
    struct Slot {
        const ClassRegistry::Entry* cls = nullptr; // set for a class slot
        std::shared_ptr<Serializable> obj;         // set for an object slot (loading)
    };
    std::vector<Slot> table_;
    std::map<const Serializable*, std::uint32_t> writtenObjects_;
    std::map<std::string, std::uint32_t, std::less<>> writtenClasses_;
};

} // namespace korva
