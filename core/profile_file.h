#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/nutrient_record.h"

namespace korva {

// A user's profile file (.rda): two marker words, the targets as a
// NutrientRecord and a zero-terminated 128-byte name; 312 bytes.
struct ProfileFile {
    static constexpr std::size_t kBytes = 312;
    static constexpr std::uint16_t kMagic1 = 3503; // 0x0DAF
    static constexpr std::uint16_t kMagic2 = 3276; // 0x0CCC
    static constexpr std::size_t kNameOffset = 184;
    static constexpr std::size_t kNameBytes = 128;

    NutrientRecord profile;
    std::string name;

    std::vector<std::uint8_t> encode() const;
};

enum class ProfileReadOutcome { ok, cannotOpen, badMarkers, truncated };

struct ProfileReadResult {
    ProfileReadOutcome outcome = ProfileReadOutcome::cannotOpen;
    ProfileFile file;
};

// Reads a whole profile file.  A file shorter than 312 bytes is `truncated`;
// the name ends at the first zero byte or after 127 characters.
ProfileReadResult readProfileFile(const std::filesystem::path& path);
ProfileReadResult decodeProfileFile(const std::vector<std::uint8_t>& bytes);
bool writeProfileFile(const std::filesystem::path& path, const ProfileFile& file);

} // namespace korva
