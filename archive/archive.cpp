#include "archive/archive.h"

#include <cstring>

#include "archive/atomic_file.h"

namespace korva {

namespace {
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kBigTag = 0x7FFF;
constexpr std::uint16_t kClassBit = 0x8000;
constexpr std::uint32_t kBigClassBit = 0x80000000u;
constexpr std::size_t kMaxClassName = 63;
} // namespace

Archive::Archive(Mode m, std::filesystem::path path, std::vector<std::uint8_t> data)
    : mode_(m), path_(std::move(path)), data_(std::move(data)) {
    table_.emplace_back(); // index 0: the null reference
}

Archive::Archive(Archive&&) noexcept = default;
Archive& Archive::operator=(Archive&&) noexcept = default;
Archive::~Archive() = default;

Archive Archive::forWriting(std::filesystem::path path) { return Archive(Mode::storing, std::move(path), {}); }
Archive Archive::inMemory() { return Archive(Mode::storing, {}, {}); }
Archive Archive::forReading(std::vector<std::uint8_t> bytes) { return Archive(Mode::loading, {}, std::move(bytes)); }

bool Archive::openForReading(const std::filesystem::path& path, Archive& out) {
    auto bytes = readWholeFile(path);
    if (!bytes) return false;
    out = forReading(std::move(*bytes));
    return true;
}

bool Archive::close() {
    if (!isStoring() || path_.empty()) return true;
    return writeFileAtomically(path_, data_);
}

void Archive::need(std::size_t n) const {
    if (n > data_.size() - pos_) throw ArchiveError(ArchiveError::endOfFile);
}

void Archive::writeBytes(const void* data, std::size_t n) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    data_.insert(data_.end(), p, p + n);
}

void Archive::writeByte(std::uint8_t v) { data_.push_back(v); }

void Archive::writeWord(std::uint16_t v) {
    std::uint8_t b[2] = {std::uint8_t(v), std::uint8_t(v >> 8)};
    writeBytes(b, 2);
}

void Archive::writeDword(std::uint32_t v) {
    std::uint8_t b[4] = {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)};
    writeBytes(b, 4);
}

void Archive::writeF32(float v) {
    std::uint32_t bits;
    std::memcpy(&bits, &v, 4);
    writeDword(bits);
}

void Archive::readBytes(void* data, std::size_t n) {
    need(n);
    if (n) std::memcpy(data, data_.data() + pos_, n);
    pos_ += n;
}

std::uint8_t Archive::readByte() {
    need(1);
    return data_[pos_++];
}

std::uint16_t Archive::readWord() {
    need(2);
    std::uint16_t v = std::uint16_t(data_[pos_] | (data_[pos_ + 1] << 8));
    pos_ += 2;
    return v;
}

std::uint32_t Archive::readDword() {
    need(4);
    std::uint32_t v = std::uint32_t(data_[pos_]) | (std::uint32_t(data_[pos_ + 1]) << 8) |
                      (std::uint32_t(data_[pos_ + 2]) << 16) | (std::uint32_t(data_[pos_ + 3]) << 24);
    pos_ += 4;
    return v;
}

float Archive::readF32() {
    std::uint32_t bits = readDword();
    float v;
    std::memcpy(&v, &bits, 4);
    return v;
}

void Archive::writeString(std::string_view s) {
    const std::size_t n = s.size();
    if (n < 255) {
        writeByte(static_cast<std::uint8_t>(n));
    } else if (n < 0xFFFE) {
        writeByte(0xFF);
        writeWord(static_cast<std::uint16_t>(n));
    } else {
        writeByte(0xFF);
        writeWord(0xFFFF);
        writeDword(static_cast<std::uint32_t>(n));
    }
    writeBytes(s.data(), n);
}

std::string Archive::readString() {
    bool wide = false;
    std::uint32_t n = readByte();
    if (n == 0xFF) {
        n = readWord();
        if (n == 0xFFFE) {
            // 16-bit character form: the length prefix follows again.
            wide = true;
            n = readByte();
            if (n == 0xFF) {
                n = readWord();
                if (n == 0xFFFF) n = readDword();
            }
        } else if (n == 0xFFFF) {
            n = readDword();
        }
    }
    if (!wide) {
        need(n);
        std::string s(reinterpret_cast<const char*>(data_.data() + pos_), n);
        pos_ += n;
        return s;
    }
    if (n > bytesLeft() / 2) throw ArchiveError(ArchiveError::endOfFile);
    std::string s;
    s.reserve(n);
    for (std::uint32_t i = 0; i < n; ++i) {
        std::uint16_t c = readWord();
        s.push_back(c <= 0xFF ? static_cast<char>(c) : '?');
    }
    return s;
}

void Archive::writeCount(std::uint32_t n) {
    if (n < 0xFFFF) {
        writeWord(static_cast<std::uint16_t>(n));
    } else {
        writeWord(0xFFFF);
        writeDword(n);
    }
}

std::uint32_t Archive::readCount(std::size_t minBytesPerElement) {
    std::uint32_t n = readWord();
    if (n == 0xFFFF) n = readDword();
    if (minBytesPerElement > 0 && n > bytesLeft() / minBytesPerElement) throw ArchiveError(ArchiveError::endOfFile);
    return n;
}

void Archive::writeClassTag(std::uint32_t classIndex) {
    if (classIndex < kBigTag) {
        writeWord(static_cast<std::uint16_t>(kClassBit | classIndex));
    } else {
        writeWord(kBigTag);
        writeDword(kBigClassBit | classIndex);
    }
}

void Archive::writeObject(const Serializable* obj) {
    if (obj == nullptr) {
        writeWord(0);
        return;
    }
    if (auto it = writtenObjects_.find(obj); it != writtenObjects_.end()) {
        if (it->second < kBigTag) {
            writeWord(static_cast<std::uint16_t>(it->second));
        } else {
            writeWord(kBigTag);
            writeDword(it->second);
        }
        return;
    }
    const std::string_view name = obj->className();
    if (auto it = writtenClasses_.find(name); it != writtenClasses_.end()) {
        writeClassTag(it->second);
    } else {
        const auto* entry = ClassRegistry::instance().find(name);
        writeWord(kNewClassTag);
        writeWord(static_cast<std::uint16_t>(entry ? entry->schema : 0));
        writeWord(static_cast<std::uint16_t>(name.size()));
        writeBytes(name.data(), name.size());
        writtenClasses_.emplace(std::string(name), static_cast<std::uint32_t>(table_.size()));
        table_.emplace_back();
    }
    writtenObjects_.emplace(obj, static_cast<std::uint32_t>(table_.size()));
    table_.emplace_back();
    const_cast<Serializable*>(obj)->Serialize(*this);
}

// The class of a new object, or none for a reference: the null reference or
// one back to an object already read, which lands in `reference`.
const ClassRegistry::Entry* Archive::readObjectTag(std::string_view expected,
                                                   std::shared_ptr<Serializable>& reference) {
    std::uint32_t tag = readWord();
    bool isClass = false;
    std::uint32_t index = 0;
    const ClassRegistry::Entry* cls = nullptr;

    if (tag == kBigTag) {
        std::uint32_t big = readDword();
        isClass = (big & kBigClassBit) != 0;
        index = big & ~kBigClassBit;
    } else if (tag == kNewClassTag) {
        std::uint16_t schema = readWord();
        std::uint16_t len = readWord();
        need(len);
        std::string name(reinterpret_cast<const char*>(data_.data() + pos_), len);
        pos_ += len;
        cls = ClassRegistry::instance().find(name);
        if (len > kMaxClassName || cls == nullptr || name != expected) throw ArchiveError(ArchiveError::badClass);
        if (schema != cls->schema) throw ArchiveError(ArchiveError::badSchema);
        table_.push_back(Slot{cls, nullptr});
    } else {
        isClass = (tag & kClassBit) != 0;
        index = tag & ~std::uint32_t(kClassBit);
    }

    if (cls == nullptr) {
        if (!isClass && index == 0) return nullptr; // the null reference
        if (index >= table_.size()) throw ArchiveError(ArchiveError::badIndex);
        const Slot& slot = table_[index];
        if (isClass) {
            if (slot.cls == nullptr) throw ArchiveError(ArchiveError::badIndex);
            if (slot.cls->name != expected) throw ArchiveError(ArchiveError::badClass);
            cls = slot.cls;
        } else {
            if (!slot.obj) throw ArchiveError(ArchiveError::badIndex);
            reference = slot.obj;
            return nullptr;
        }
    }

    return cls;
}

std::shared_ptr<Serializable> Archive::readObjectOf(std::string_view expected) {
    std::shared_ptr<Serializable> reference;
    const ClassRegistry::Entry* cls = readObjectTag(expected, reference);
    if (!cls) return reference;
    std::shared_ptr<Serializable> obj = cls->create();
    // The object is registered before its fields are read; a reference back to
    // it from inside its own fields would find a half-read object, which is
    // still a valid object of its class.
    table_.push_back(Slot{nullptr, obj});
    obj->Serialize(*this);
    return obj;
}

bool Archive::readObjectInto(std::string_view expected, Serializable& into) {
    std::shared_ptr<Serializable> reference;
    if (!readObjectTag(expected, reference)) {
        if (reference) throw ArchiveError(ArchiveError::badIndex);
        return false;
    }
    // The slot keeps the numbering of later objects; it holds nothing, so a
    // reference back to it is refused.
    table_.push_back(Slot{});
    into.Serialize(*this);
    return true;
}

} // namespace korva
