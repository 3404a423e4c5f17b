#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "archive/archive.h"

namespace korva::test {

using Bytes = std::vector<std::uint8_t>;

// Builds an expected byte stream field by field, little-endian.
class ByteBuilder {
public:
    ByteBuilder& byte(std::uint8_t v) {
        b_.push_back(v);
        return *this;
    }
    ByteBuilder& word(std::uint16_t v) { return byte(std::uint8_t(v)).byte(std::uint8_t(v >> 8)); }
    ByteBuilder& dword(std::uint32_t v) { return word(std::uint16_t(v)).word(std::uint16_t(v >> 16)); }
    ByteBuilder& chars(std::string_view s) {
        b_.insert(b_.end(), s.begin(), s.end());
        return *this;
    }
    // A short counted string (below 255 characters).
    ByteBuilder& text(std::string_view s) { return byte(std::uint8_t(s.size())).chars(s); }
    // The tag that introduces the first object of a class in a stream.
    ByteBuilder& newClass(std::string_view name, std::uint16_t schema = 0) {
        return word(0xFFFF).word(schema).word(std::uint16_t(name.size())).chars(name);
    }
    Bytes bytes() const { return b_; }

private:
    Bytes b_;
};

// An element shaped like a recipe catalogue entry: two strings and a dword.
class TItem : public Serializable {
public:
    static constexpr const char* kClassName = "TItem";
    static constexpr unsigned kSchema = 0;
    std::string path;
    std::string name;
    std::uint32_t id = 0;

    TItem() = default;
    TItem(std::string p, std::string n, std::uint32_t i) : path(std::move(p)), name(std::move(n)), id(i) {}
    void Serialize(Archive& ar) override {
        ar.io(path);
        ar.io(name);
        ar.io(id);
    }
    std::string_view className() const override { return kClassName; }
};

// A list of TItem references written through an element count, the way the
// recipe catalogue and the food index are.  Null elements are kept.
class TList : public Serializable {
public:
    static constexpr const char* kClassName = "TList";
    static constexpr unsigned kSchema = 0;
    std::vector<std::shared_ptr<TItem>> items;

    void Serialize(Archive& ar) override {
        if (ar.isStoring()) {
            ar.writeCount(std::uint32_t(items.size()));
            for (const auto& it : items) ar.writeObject(it.get());
            return;
        }
        const std::uint32_t n = ar.readCount(2);
        items.clear();
        for (std::uint32_t i = 0; i < n; ++i) items.push_back(ar.readObject<TItem>());
    }
    std::string_view className() const override { return kClassName; }
};

// Any class other than the one a reader expects.
class TOther : public Serializable {
public:
    static constexpr const char* kClassName = "TOther";
    static constexpr unsigned kSchema = 0;
    std::uint16_t mark = 0;
    void Serialize(Archive& ar) override { ar.io(mark); }
    std::string_view className() const override { return kClassName; }
};

inline void registerTestClasses() {
    registerSerializable<TItem>(TItem::kClassName);
    registerSerializable<TList>(TList::kClassName);
    registerSerializable<TOther>(TOther::kClassName);
}

inline Bytes writeTop(const Serializable& top) {
    Archive a = Archive::inMemory();
    a.writeObject(&top);
    return a.bytes();
}

// The cause of the ArchiveError that `read` raises on `bytes`, or none.
template <class Read>
ArchiveError::Cause loadCause(const Bytes& bytes, Read&& read) {
    Archive a = Archive::forReading(bytes);
    try {
        read(a);
    } catch (const ArchiveError& e) {
        return e.cause();
    }
    return ArchiveError::none;
}

// Every proper prefix of `bytes` must fail with endOfFile.
template <class Read>
void expectEveryCutIsEndOfFile(const Bytes& bytes, Read&& read) {
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        const Bytes part(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut));
        ASSERT_EQ(loadCause(part, read), ArchiveError::endOfFile) << "cut at " << cut << " of " << bytes.size();
    }
    ASSERT_EQ(loadCause(bytes, read), ArchiveError::none);
}

} // namespace korva::test
