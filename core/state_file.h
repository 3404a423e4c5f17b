#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korva {

// Data-base state flags (one 16-bit word; a set bit means the state holds).
enum StateFlag : std::uint16_t {
    kConsolidated = 0x1,
    kNoDeletions = 0x2,
    kNoInsertions = 0x4,
    kNoEdits = 0x8,
    kAllStateFlags = 0xF,
};

// The contents of korva.ini.  The version and date texts are carried through
// unchanged (without their line ends).
struct StateFileData {
    std::string versionText;
    std::string dateText;
    std::uint16_t flags = kAllStateFlags;
    std::int32_t archived = 0;
    std::int32_t unconsolidated = 0;
    std::int32_t deleted = 0;
    std::int32_t edited = 0;
    std::int32_t shippedRecords = 0;
    std::int32_t lastUserFoodId = 25000;
    std::int32_t lastRecipeId = 28999;
    std::int32_t lastRecipeFileNumber = 0;
    std::int32_t lastUserFileNumber = 0;
    std::string userFileName = "user00.rda";
};

// The 19 lines, each ended by CR LF.
std::string formatStateFile(const StateFileData& data);

// Reads the lines back; accepts LF or CR LF.  Numbers and names that are
// missing or damaged keep the defaults of StateFileData; a missing flag line
// counts as pending work (flag clear).  `linesRead` tells how many lines were
// present.
StateFileData parseStateFile(std::string_view text, int* linesRead = nullptr);

} // namespace korva
