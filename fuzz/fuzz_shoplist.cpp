// Any bytes given as a .sls file either read whole or leave the shopping
// list untouched; a list that was read writes back to bytes that read again
// to the very same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "daily/shop_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    korva::ShopList list;
    list.extraLines = {"kept"};
    if (!list.readBytes(std::vector<std::uint8_t>(data, data + size))) {
        if (list.entryCount() != 0 || list.extraLines.size() != 1 || list.extraLines[0] != "kept") std::abort();
        return 0;
    }
    const std::vector<std::uint8_t> written = list.toBytes();
    korva::ShopList again;
    if (!again.readBytes(written) || again.toBytes() != written) std::abort();
    return 0;
}
