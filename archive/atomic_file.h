#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace korva {

// Replaces `path` with `bytes`: writes a temporary file of its own in the same
// folder (`<name>.tmp...~`), flushes it to disk and renames it over the target.  A crash leaves either
// the old file or the new one, never a half-written one.
bool writeFileAtomically(const std::filesystem::path& path, const void* data, std::size_t size);
inline bool writeFileAtomically(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    return writeFileAtomically(path, bytes.data(), bytes.size());
}
inline bool writeFileAtomically(const std::filesystem::path& path, std::string_view text) {
    return writeFileAtomically(path, text.data(), text.size());
}

// Removes the temporary files that writes of `path` cut short by a crash
// left behind; true when there were any.
bool removeUnfinishedWrites(const std::filesystem::path& path);

// The whole file, or nothing when it cannot be opened or read.  Files larger
// than `maxBytes` are refused.
std::optional<std::vector<std::uint8_t>> readWholeFile(const std::filesystem::path& path,
                                                       std::size_t maxBytes = 256u << 20);

} // namespace korva
