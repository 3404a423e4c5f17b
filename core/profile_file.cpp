#include "core/profile_file.h"

#include <cstring>

#include "archive/atomic_file.h"

namespace korva {

std::vector<std::uint8_t> ProfileFile::encode() const {
    std::vector<std::uint8_t> out(kBytes, 0);
    out[0] = std::uint8_t(kMagic1);
    out[1] = std::uint8_t(kMagic1 >> 8);
    out[2] = std::uint8_t(kMagic2);
    out[3] = std::uint8_t(kMagic2 >> 8);
    profile.toBytes(out.data() + 4);
    const std::size_t n = name.size() < kNameBytes - 1 ? name.size() : kNameBytes - 1;
    std::memcpy(out.data() + kNameOffset, name.data(), n);
    return out;
}

ProfileReadResult decodeProfileFile(const std::vector<std::uint8_t>& bytes) {
    ProfileReadResult r;
    if (bytes.size() < 4) {
        r.outcome = ProfileReadOutcome::truncated;
        return r;
    }
    const unsigned m1 = bytes[0] | (bytes[1] << 8);
    const unsigned m2 = bytes[2] | (bytes[3] << 8);
    if (m1 != ProfileFile::kMagic1 || m2 != ProfileFile::kMagic2) {
        r.outcome = ProfileReadOutcome::badMarkers;
        return r;
    }
    if (bytes.size() < ProfileFile::kBytes) {
        r.outcome = ProfileReadOutcome::truncated;
        return r;
    }
    r.file.profile = NutrientRecord::fromBytes(bytes.data() + 4);
    const char* name = reinterpret_cast<const char*>(bytes.data() + ProfileFile::kNameOffset);
    r.file.name.assign(name, strnlen(name, ProfileFile::kNameBytes - 1));
    r.outcome = ProfileReadOutcome::ok;
    return r;
}

ProfileReadResult readProfileFile(const std::filesystem::path& path) {
    auto bytes = readWholeFile(path, 1u << 20);
    if (!bytes) return {};
    return decodeProfileFile(*bytes);
}

bool writeProfileFile(const std::filesystem::path& path, const ProfileFile& file) {
    return writeFileAtomically(path, file.encode());
}

} // namespace korva
