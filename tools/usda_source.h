#pragma once

#include <array>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/nutrient_record.h"

namespace korva::importer {

// The fields of one line in the USDA release files: separated by '^', text
// fields wrapped in '~'.  The wrapping tildes are removed; the line end (CR LF
// or LF) must already be gone.
std::vector<std::string> splitSourceLine(std::string_view line);

// A numeric field; empty or unreadable text means "no value".
std::optional<double> parseSourceNumber(std::string_view field);

struct SourceMeasure {
    int seq = 0;
    double amount = 0;
    std::string description; // Msre_Desc, e.g. "cup, chopped"
    double grams = 0;        // weight of amount x description
};

struct SourceFood {
    std::string ndb;      // five digits, leading zeros kept
    std::string group;    // FdGrp_Cd, four digits
    std::string longDesc; // 8-bit Latin-1 as in the file
    // The 39 nutrients in catalogue order; no value where the source has none.
    std::array<std::optional<float>, kNutrientCount> nutrients{};
    bool hasNutrientLine = false;
    std::vector<SourceMeasure> measures; // by Seq
};

struct UsdaSource {
    std::vector<SourceFood> foods; // by NDB_No ascending
    // Lines that could not be used (wrong field count, unknown food ...),
    // each as "FILE line N: reason".  The import stops when there are any.
    std::vector<std::string> problems;
};

// Reads FOOD_DES.txt, ABBREV.txt, WEIGHT.txt and AMINO.txt from `folder`.
// A missing file is a problem; so is any line that does not fit its format.
UsdaSource readUsdaSource(const std::filesystem::path& folder);

// The same from the files' bytes, for tests that bring their own lines.
UsdaSource parseUsdaSource(std::string_view foodDes, std::string_view abbrev, std::string_view weight,
                           std::string_view amino);

} // namespace korva::importer
