#include "app/recent_files.h"

#include <algorithm>

#include "app/command_table.h"
#include "archive/atomic_file.h"

namespace korva {

namespace {

bool samePath(const std::filesystem::path& a, const std::filesystem::path& b) {
    return a.lexically_normal() == b.lexically_normal();
}

constexpr std::size_t kMaxStoreBytes = 64 * 1024;
constexpr std::size_t kMaxPathLength = 4096;

} // namespace

void RecentFiles::add(const std::filesystem::path& file) {
    remove(file);
    entries_.insert(entries_.begin(), file);
    if (entries_.size() > kCapacity) entries_.resize(kCapacity);
}

void RecentFiles::remove(const std::filesystem::path& file) {
    std::erase_if(entries_, [&](const std::filesystem::path& p) { return samePath(p, file); });
}

void RecentFiles::load() {
    entries_.clear();
    if (store_.empty()) return;
    if (const auto bytes = readWholeFile(store_, kMaxStoreBytes)) loadFrom(*bytes);
}

void RecentFiles::loadFrom(const std::vector<std::uint8_t>& bytes) {
    entries_.clear();
    std::string line;
    auto take = [&] {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // Only whole paths are kept: a line with a NUL byte or of absurd
        // length is damage, not a file name.
        if (!line.empty() && line.size() <= kMaxPathLength && line.find('\0') == std::string::npos &&
            entries_.size() < kCapacity) {
            std::filesystem::path p(line);
            const bool listed = std::any_of(entries_.begin(), entries_.end(),
                                            [&](const std::filesystem::path& e) { return samePath(e, p); });
            if (!listed) entries_.push_back(p);
        }
        line.clear();
    };
    for (std::uint8_t b : bytes) {
        if (b == '\n') take();
        else line.push_back(static_cast<char>(b));
    }
    take();
}

bool RecentFiles::save() const {
    if (store_.empty()) return false;
    std::string text;
    for (const auto& p : entries_) text += p.string() + "\n";
    return writeFileAtomically(store_, std::string_view(text));
}

std::string RecentFiles::menuText(std::size_t i) const {
    if (i >= entries_.size()) return {};
    std::string name = entries_[i].filename().string();
    if (name.empty()) name = entries_[i].string(); // a folder, or a path ending in a separator
    return numberedMenuText(i + 1, name);
}

} // namespace korva
