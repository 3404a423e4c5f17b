// Any bytes given as korva.ini must read into a usable state, and what is
// written from that state must read back to the same state.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/state_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    int lines = 0;
    korva::StateFileData d = korva::parseStateFile(text, &lines);
    if (lines < 0 || d.userFileName.empty() || d.userFileName.find('/') != std::string::npos) std::abort();

    // Texts carried through may hold anything but a line feed of their own.
    if (d.versionText.find('\n') != std::string::npos || d.dateText.find('\n') != std::string::npos) std::abort();
    const std::string written = korva::formatStateFile(d);
    korva::StateFileData again = korva::parseStateFile(written);
    if (again.flags != d.flags || again.archived != d.archived || again.unconsolidated != d.unconsolidated ||
        again.deleted != d.deleted || again.lastRecipeFileNumber != d.lastRecipeFileNumber)
        std::abort();
    return 0;
}
