// The recipe catalogue reader over any bytes: whatever it reads has counters
// in range and writes back to bytes that read to the same items.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "archive/archive.h"
#include "core/recipe_catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korva;
    RCPNList book;
    if (!book.readBytes(std::vector<std::uint8_t>(data, data + size), "/recipes")) return 0;
    book.recomputeCounters(book.size());
    if (book.nextFoodId < RCPNList::kFirstId || book.nextFoodId > 0x10000 || book.maxFileNumber < 0) std::abort();
    (void)book.pathForId(29000);
    (void)book.indexOfName("x");

    Archive out = Archive::inMemory();
    out.writeObject(&book);
    RCPNList again;
    if (!again.readBytes(out.bytes(), "/recipes") || again.size() != book.size()) std::abort();
    for (std::size_t i = 0; i < book.size(); ++i)
        if (again.items()[i].filePath != book.items()[i].filePath || again.items()[i].foodId != book.items()[i].foodId)
            std::abort();
    return 0;
}
