// Any bytes as the recent-file list give at most four distinct, non-empty
// paths of sane length, never a crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "app/recent_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    korva::RecentFiles recent;
    recent.loadFrom(std::vector<std::uint8_t>(data, data + size));
    const auto& entries = recent.entries();
    if (entries.size() > korva::RecentFiles::kCapacity) std::abort();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].empty() || entries[i].string().size() > 4096) std::abort();
        for (std::size_t j = 0; j < i; ++j)
            if (entries[i].lexically_normal() == entries[j].lexically_normal()) std::abort();
        if (recent.menuText(i).empty()) std::abort();
    }
    return 0;
}
