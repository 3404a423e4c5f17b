#include "core/state_file.h"

#include <charconv>
#include <optional>
#include <vector>

namespace korva {

namespace {

constexpr const char* kEol = "\r\n";
// Lines longer than this are cut: the file is read through a
// fixed line buffer, and nothing the program writes comes near it.
constexpr std::size_t kMaxLineLength = 78;

void addLine(std::string& out, std::string_view text) {
    out.append(text);
    out.append(kEol);
}

std::string numberLine(const char* label, std::int32_t value) { return std::string(label) + std::to_string(value); }

// Splits into lines, dropping the line ends (LF or CR LF).  A last line
// without a line end still counts: a file cut short keeps what it has.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.size() > kMaxLineLength) line = line.substr(0, kMaxLineLength);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

// The text after the first colon and one more character; a line without a
// colon is its own value.
std::string_view valueOf(std::string_view line) {
    std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) return line;
    std::size_t start = colon + 2;
    return start >= line.size() ? std::string_view{} : line.substr(start);
}

// Reads a decimal integer after leading blanks, as a formatted scan does, and
// moves `text` past it.  A value with no digits or out of range is refused so
// that the caller keeps its default instead of a made-up zero.
std::optional<std::int32_t> takeInt(std::string_view& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    text.remove_prefix(i);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    std::int32_t value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{}) return std::nullopt;
    text.remove_prefix(static_cast<std::size_t>(ptr - text.data()));
    return value;
}

void readInt(std::string_view line, std::int32_t& target) {
    std::string_view v = valueOf(line);
    if (auto n = takeInt(v)) target = *n;
}

void setFlag(std::uint16_t& flags, std::uint16_t flag, bool on) {
    flags = on ? std::uint16_t(flags | flag) : std::uint16_t(flags & ~flag);
}

} // namespace

std::string formatStateFile(const StateFileData& d) {
    std::string out;
    addLine(out, "KORVA Version : " + d.versionText);
    addLine(out, "");
    addLine(out, "DATE          : " + d.dateText);
    addLine(out, "");
    addLine(out, "Data Base State Information");
    addLine(out, std::string("  CONSOL STATE : ") + ((d.flags & kConsolidated) ? "DB_CONSOL" : "DB_UNCONS"));
    addLine(out, std::string("  DELETE STATE : ") + ((d.flags & kNoDeletions) ? "DB_NO_DELETE" : "DB_DELETIONS "));
    addLine(out, std::string("  INSERT STATE : ") + ((d.flags & kNoInsertions) ? "DB_NO_INSERT" : "DB_INSERTIONS"));
    addLine(out, std::string("  EDIT STATE   : ") + ((d.flags & kNoEdits) ? "DB_NO_EDIT" : "DB_EDITED"));
    addLine(out, "Food Record Information");
    addLine(out, numberLine("ARCHIVED         : ", d.archived));
    addLine(out, numberLine("UNCONSOLIDATED   : ", d.unconsolidated));
    addLine(out, numberLine("DELETED          : ", d.deleted));
    addLine(out, numberLine("EDITED           : ", d.edited));
    addLine(out, numberLine("USDA RECORDS     : ", d.shippedRecords));
    addLine(out, "LAST UID, RCID   : " + std::to_string(d.lastUserFoodId) + "  " + std::to_string(d.lastRecipeId));
    addLine(out, "LAST RCP,RDA F#s : " + std::to_string(d.lastRecipeFileNumber) + " " +
                     std::to_string(d.lastUserFileNumber));
    addLine(out, "User Preferences");
    addLine(out, "User ODA/RDA File : " + d.userFileName);
    return out;
}

StateFileData parseStateFile(std::string_view text, int* linesRead) {
    StateFileData d;
    std::vector<std::string_view> lines = splitLines(text);
    if (linesRead) *linesRead = static_cast<int>(lines.size());
    auto line = [&](int n) -> std::optional<std::string_view> {
        if (n > static_cast<int>(lines.size())) return std::nullopt;
        return lines[static_cast<std::size_t>(n - 1)];
    };

    if (auto l = line(1)) d.versionText = std::string(valueOf(*l));
    if (auto l = line(3)) d.dateText = std::string(valueOf(*l));

    // A flag line that is missing says nothing about the data base, so the
    // pending work is assumed: a needless consolidation costs time, a skipped
    // one leaves records unreachable.
    const struct {
        int line;
        std::uint16_t flag;
        std::string_view marker;
    } flagLines[] = {
        {6, kConsolidated, "_CONSOL"},
        {7, kNoDeletions, "NO_DELETE"},
        {8, kNoInsertions, "NO_INSERT"},
        {9, kNoEdits, "NO_EDIT"},
    };
    for (const auto& f : flagLines) {
        auto l = line(f.line);
        setFlag(d.flags, f.flag, l && l->find(f.marker) != std::string_view::npos);
    }

    std::int32_t* counters[] = {&d.archived, &d.unconsolidated, &d.deleted, &d.edited, &d.shippedRecords};
    for (int i = 0; i < 5; ++i)
        if (auto l = line(11 + i)) readInt(*l, *counters[i]);

    if (auto l = line(16)) {
        std::string_view v = valueOf(*l);
        if (auto uid = takeInt(v)) {
            d.lastUserFoodId = *uid;
            if (auto rcid = takeInt(v)) d.lastRecipeId = *rcid;
        }
    }
    if (auto l = line(17)) {
        std::string_view v = valueOf(*l);
        if (auto rcp = takeInt(v)) {
            d.lastRecipeFileNumber = *rcp;
            if (auto rda = takeInt(v)) d.lastUserFileNumber = *rda;
        }
    }
    if (auto l = line(19)) {
        std::string_view name = valueOf(*l);
        while (!name.empty() && (name.back() == ' ' || name.back() == '\t' || name.back() == '\r'))
            name.remove_suffix(1);
        // Only a plain file name: the value is joined to the user folder, and
        // a hand-edited path must not lead the program out of it.
        bool plain =
            !name.empty() && name != "." && name != ".." && name.find_first_of("/\\") == std::string_view::npos;
        if (plain) d.userFileName = std::string(name);
    }
    return d;
}

} // namespace korva
