// Any bytes given as a day's .log file either read whole or leave the day
// untouched; a day that was read writes back to the very same bytes it
// reads from.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "daily/log_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    korva::LogFile day;
    day.foodListPaths = {"kept"};
    const korva::LogRead outcome = day.readBytes(std::vector<std::uint8_t>(data, data + size));
    if (outcome == korva::LogRead::damaged) {
        if (day.foodListPaths.size() != 1 || day.foodListPaths[0] != "kept") std::abort();
        return 0;
    }
    const std::vector<std::uint8_t> written = day.toBytes();
    korva::LogFile again;
    if (again.readBytes(written) != korva::LogRead::read || again.toBytes() != written) std::abort();
    return 0;
}
