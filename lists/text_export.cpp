#include "lists/text_export.h"

#include <algorithm>

#include "archive/atomic_file.h"
#include "core/nutrients.h"
#include "core/platform.h"
#include "core/printf_text.h"
#include "lists/food_list.h"

namespace korva {

namespace {

constexpr std::size_t kItemNameWidth = 36;
constexpr std::size_t kNutrientNameWidth = 16;
constexpr std::size_t kUnitWidth = 8;
constexpr std::size_t kProposedNameLength = 8;

// The column headings go out as they stand: the percent sign is text.
constexpr const char* kNutrientHeader = "\nNUTRIENT  TOTALS  :\n"
                                        "\n\t\t\t\t\tAbs. Values\t\t%ODA/RDA\n\n";

// Blanks and punctuation of ASCII, whatever the locale says: the texts are
// 8-bit and a letter above 127 is kept.
bool isBlankOrPunctuation(char c) {
    const auto u = static_cast<unsigned char>(c);
    const bool alnum = (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
    return u == ' ' || (u >= '\t' && u <= '\r') || (u > ' ' && u < 0x7F && !alnum);
}

// Pads with blanks to `width`; a longer text stays whole.
std::string padded(std::string_view text, std::size_t width) {
    std::string out(text);
    if (out.size() < width) out.append(width - out.size(), ' ');
    return out;
}

// Every line feed becomes CR LF, as a text-mode file writes it.
std::string withCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

void appendNutrients(std::string& out, const FoodList& list, const NutrientRecord& targets) {
    const NutrientRecord& totals = list.totals();
    const NutrientTexts percents = formatAllPercentTexts(totals.values, targets);
    for (int n = 0; n < kNutrientCount; ++n) {
        out += padded(nutrientName(n), kNutrientNameWidth);
        if (totals.level(n) == 0) {
            out += "\tN / A\n";
            continue;
        }
        out += printfText("\t%7.2f", static_cast<double>(totals.value(n)));
        out += padded(nutrientUnit(n), kUnitWidth);
        out += '\t';
        out += percents[static_cast<std::size_t>(n)];
        out += '\n';
    }
}

void appendRecipeFields(std::string& out, const FoodList& recipe) {
    out += printfText("USDA Number = %d\n", static_cast<int>(recipe.recipeFoodId()));
    out += "Serving Desc : " + recipe.recipe().servingDescription() + '\n';
    out += "\n\nINSTRUCTIONS : \n";
    for (const std::string& line : recipe.recipe().instructions()) out += line + '\n';
}

} // namespace

std::string textReport(const FoodList& list, const NutrientRecord& targets) {
    std::string out = list.isRecipe() ? "RECIPE      :  " + list.recipe().name() : "Food  List  :  " + list.fileName();
    out += '\n';
    out += "      DATE  :  " + list.date() + '\n';
    out += printfText("Num. Foods  :  %d\n", static_cast<int>(list.itemCount()));
    int number = 0;
    for (const FoodItem& item : list.items()) {
        out += printfText("Food #%d : ", ++number);
        out += padded(item.name(), kItemNameWidth);
        out += printfText("\t %4.1f servings\n", static_cast<double>(item.servings()));
    }
    out += kNutrientHeader;
    appendNutrients(out, list, targets);
    if (list.isRecipe()) appendRecipeFields(out, list);
    return withCrLf(out);
}

std::string proposedTextName(const FoodList& list) {
    std::string base;
    if (list.isRecipe()) {
        for (char c : list.recipe().name()) {
            if (base.size() == kProposedNameLength) break;
            if (!isBlankOrPunctuation(c)) base += c;
        }
    } else {
        const std::string name = list.fileName();
        base = name.substr(0, std::min(name.find('.'), kProposedNameLength));
    }
    return base + ".txt";
}

bool writeTextReport(const std::filesystem::path& file, const FoodList& list, const NutrientRecord& targets,
                     Platform& platform) {
    if (!writeFileAtomically(file, textReport(list, targets))) {
        platform.message(exportmsg::kCantCreate);
        return false;
    }
    return true;
}

} // namespace korva
