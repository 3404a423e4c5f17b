#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace korva {

// The File menu's list of the documents opened or saved last, newest first.
// It outlives the run in a small text file, one path a line.
class RecentFiles {
public:
    static constexpr std::size_t kCapacity = 4;

    RecentFiles() = default;
    explicit RecentFiles(std::filesystem::path store) : store_(std::move(store)) {}

    const std::vector<std::filesystem::path>& entries() const { return entries_; }
    // Puts the file first; an entry already listed moves up rather than
    // appearing twice, and the oldest drops off past four.
    void add(const std::filesystem::path& file);
    void remove(const std::filesystem::path& file);

    // Reads the list; a missing or damaged file gives what could be read.
    void load();
    // The same from the bytes of such a file.
    void loadFrom(const std::vector<std::uint8_t>& bytes);
    // Writes the list; false when it cannot be written.
    bool save() const;

    // The menu text of entry i: "&1 name".
    std::string menuText(std::size_t i) const;

private:
    std::filesystem::path store_;
    std::vector<std::filesystem::path> entries_;
};

} // namespace korva
