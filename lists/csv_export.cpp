#include "lists/csv_export.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "archive/atomic_file.h"
#include "core/nutrients.h"
#include "core/platform.h"
#include "lists/food_list.h"
#include "lists/text_export.h"

namespace korva {

namespace csv {

std::string field(std::string_view latin1) {
    const bool quoted = latin1.find_first_of(",\"\r\n") != std::string_view::npos;
    std::string out;
    if (quoted) out += '"';
    for (char c : latin1) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"') {
            out += "\"\"";
        } else if (u < 0x80) {
            out += c;
        } else {
            // Latin-1 is the first 256 code points: two bytes each above 127.
            out += static_cast<char>(0xC0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    if (quoted) out += '"';
    return out;
}

std::string number(float value) {
    // to_chars ignores the locale; fixed, because some spreadsheets take
    // "1e-05" for text.  The smallest float takes 47 characters.
    std::array<char, 64> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    if (ec != std::errc()) return {};
    return std::string(buffer.data(), end);
}

void appendNutrientHeadings(std::string& line) {
    for (int n = 0; n < kNutrientCount; ++n) {
        std::string_view unit = nutrientUnit(n);
        unit.remove_prefix(std::min(unit.find_first_not_of('_'), unit.size()));
        line += ',';
        line += field(std::string(nutrientName(n)) + " (" + std::string(unit) + ")");
    }
}

void appendNutrients(std::string& line, const NutrientRecord& record) {
    for (int n = 0; n < kNutrientCount; ++n) {
        line += ',';
        if (record.level(n) != 0) line += number(record.value(n));
    }
}

} // namespace csv

namespace {

constexpr const char* kLineEnd = "\r\n";

// The amount as the item was entered.
void appendAmount(std::string& line, const FoodItem& item) {
    switch (item.entryUnit()) {
    case kUnitGrams: line += csv::number(item.grams()) + ",grams"; break;
    case kUnitCalories: line += csv::number(item.calories()) + ",calories"; break;
    default: line += csv::number(item.servings()) + ",servings"; break;
    }
}

// The item's share of the totals, computed as the totals add it up.
NutrientRecord itemNutrients(const FoodItem& item) {
    NutrientRecord out = item.record();
    const float f = item.gramsPerServing() / 100.0f;
    for (int n = 0; n < kNutrientCount; ++n) out.setValue(n, item.record().value(n) * f * item.servings());
    return out;
}

} // namespace

std::string listCsv(const FoodList& list) {
    std::string out = "Name,Amount,Unit,Grams";
    csv::appendNutrientHeadings(out);
    out += kLineEnd;
    for (const FoodItem& item : list.items()) {
        out += csv::field(item.name()) + ',';
        appendAmount(out, item);
        out += ',' + csv::number(item.grams());
        csv::appendNutrients(out, itemNutrients(item));
        out += kLineEnd;
    }
    out += "Totals,,," + csv::number(list.totalGrams());
    csv::appendNutrients(out, list.totals());
    out += kLineEnd;
    return out;
}

std::string proposedCsvName(const FoodList& list) {
    std::string name = proposedTextName(list);
    return name.substr(0, name.rfind('.')) + ".csv";
}

bool saveCsvAs(Platform& platform, const std::filesystem::path& folder, const std::string& name,
               std::string_view text) {
    FileDialogRequest request;
    request.caption = csvmsg::kCaption;
    request.filter = csvmsg::kFilter;
    request.defaultExtension = csvmsg::kExtension;
    request.startFolder = folder;
    request.initialName = name;
    const auto chosen = platform.chooseSaveFile(request);
    if (!chosen) return false;
    // A bare name lies in the folder the dialog opened in.
    const std::filesystem::path file = chosen->is_relative() ? folder / *chosen : *chosen;
    if (!writeFileAtomically(file, text)) {
        platform.message(exportmsg::kCantCreate);
        return false;
    }
    platform.message(csvmsg::kSaved);
    return true;
}

} // namespace korva
