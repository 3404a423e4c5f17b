#include "tools/usda_source.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "archive/atomic_file.h"
#include "core/nutrients.h"

namespace korva::importer {

namespace {

// ABBREV.txt columns in file order.
constexpr std::array<std::string_view, 51> kAbbrevColumns = {
    "NDB_No",     "Shrt_Desc",  "Water",      "Energ_Kcal",  "Protein",     "Lipid_Tot",  "Ash",         "Carbohydrt",
    "Fiber_TD",   "Sugar_Tot",  "Calcium",    "Iron",        "Magnesium",   "Phosphorus", "Potassium",   "Sodium",
    "Zinc",       "Copper",     "Manganese",  "Selenium",    "Vit_C",       "Thiamin",    "Riboflavin",  "Niacin",
    "Panto_Acid", "Vit_B6",     "Folate_Tot", "Folic_Acid",  "Food_Folate", "Folate_DFE", "Choline_Tot", "Vit_B12",
    "Vit_A_IU",   "Vit_A_RAE",  "Retinol",    "Alpha_Carot", "Beta_Carot",  "Beta_Crypt", "Lycopene",    "Lut+Zea",
    "Vit_E",      "Vit_K",      "FA_Sat",     "FA_Mono",     "FA_Poly",     "Cholestrl",  "GmWt_1",      "GmWt_Desc1",
    "GmWt_2",     "GmWt_Desc2", "Refuse_Pct"};

// The standard nutrients in catalogue order, by their ABBREV column.
constexpr std::array<std::string_view, kStandardNutrientCount> kStandardSources = {
    "Energ_Kcal", "Protein",   "Lipid_Tot",  "FA_Sat",  "FA_Mono", "FA_Poly", "Carbohydrt", "Fiber_TD",
    "Cholestrl",  "Vit_A_IU",  "Vit_B6",     "Vit_B12", "Vit_C",   "Vit_E",   "Thiamin",    "Folate_Tot",
    "Riboflavin", "Niacin",    "Panto_Acid", "Calcium", "Copper",  "Iron",    "Magnesium",  "Manganese",
    "Phosphorus", "Potassium", "Selenium",   "Sodium",  "Zinc"};

// AMINO.txt columns in file order; they are matched to the catalogue by name,
// so a file with another column order only needs this table changed.
constexpr std::array<std::string_view, 11> kAminoColumns = {"NDB_No",     "Tyrosine",  "Lysine",     "Phenylalanine",
                                                            "Leucine",    "Valine",    "Methionine", "Cystine",
                                                            "Tryptophan", "Threonine", "Isoleucine"};

constexpr double kLargestSourceNumber = 1e9;
constexpr std::size_t kFoodDesFields = 14;
constexpr std::size_t kWeightFields = 7;

int abbrevColumn(std::string_view name) {
    auto it = std::find(kAbbrevColumns.begin(), kAbbrevColumns.end(), name);
    return it == kAbbrevColumns.end() ? -1 : int(it - kAbbrevColumns.begin());
}

int catalogueIndexOfAmino(std::string_view name) {
    for (int i = kFirstAminoAcid; i < kNutrientCount; ++i)
        if (nutrientName(i) == name) return i;
    return -1;
}

template <class Fn>
void forEachLine(std::string_view text, Fn fn) {
    int lineNo = 0;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ++lineNo;
        if (!line.empty()) fn(line, lineNo);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}

bool isNdb(std::string_view s) {
    return s.size() == 5 && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

class SourceParser {
public:
    UsdaSource result;

    void problem(std::string_view file, int line, std::string_view why) {
        result.problems.push_back(std::string(file) + " line " + std::to_string(line) + ": " + std::string(why));
    }

    SourceFood* find(std::string_view ndb) {
        auto it = byNdb_.find(std::string(ndb));
        return it == byNdb_.end() ? nullptr : &result.foods[it->second];
    }

    void descriptions(std::string_view text) {
        std::map<std::string, SourceFood> sorted;
        forEachLine(text, [&](std::string_view line, int n) {
            auto f = splitSourceLine(line);
            if (f.size() != kFoodDesFields || !isNdb(f[0])) return problem("FOOD_DES.txt", n, "not a food line");
            if (sorted.count(f[0])) return problem("FOOD_DES.txt", n, "food listed twice");
            SourceFood food;
            food.ndb = f[0];
            food.group = f[1];
            food.longDesc = f[2];
            sorted.emplace(f[0], std::move(food));
        });
        for (auto& [ndb, food] : sorted) {
            byNdb_.emplace(ndb, result.foods.size());
            result.foods.push_back(std::move(food));
        }
    }

    void nutrients(std::string_view text) {
        std::array<int, kStandardNutrientCount> columns{};
        for (int i = 0; i < kStandardNutrientCount; ++i)
            columns[std::size_t(i)] = abbrevColumn(kStandardSources[std::size_t(i)]);
        forEachLine(text, [&](std::string_view line, int n) {
            auto f = splitSourceLine(line);
            if (f.size() != kAbbrevColumns.size()) return problem("ABBREV.txt", n, "wrong number of fields");
            SourceFood* food = find(f[0]);
            if (!food) return problem("ABBREV.txt", n, "food not in FOOD_DES.txt");
            if (food->hasNutrientLine) return problem("ABBREV.txt", n, "food listed twice");
            food->hasNutrientLine = true;
            for (int i = 0; i < kStandardNutrientCount; ++i) {
                auto v = parseSourceNumber(f[std::size_t(columns[std::size_t(i)])]);
                if (v) food->nutrients[std::size_t(i)] = float(*v);
            }
        });
    }

    void aminoAcids(std::string_view text) {
        std::array<int, kAminoColumns.size()> target{};
        for (std::size_t c = 1; c < kAminoColumns.size(); ++c) target[c] = catalogueIndexOfAmino(kAminoColumns[c]);
        forEachLine(text, [&](std::string_view line, int n) {
            auto f = splitSourceLine(line);
            if (f.size() != kAminoColumns.size()) return problem("AMINO.txt", n, "wrong number of fields");
            SourceFood* food = find(f[0]);
            if (!food) return problem("AMINO.txt", n, "food not in FOOD_DES.txt");
            for (std::size_t c = 1; c < f.size(); ++c) {
                auto v = parseSourceNumber(f[c]);
                if (v && target[c] >= 0) food->nutrients[std::size_t(target[c])] = float(*v);
            }
        });
    }

    void measures(std::string_view text) {
        forEachLine(text, [&](std::string_view line, int n) {
            auto f = splitSourceLine(line);
            if (f.size() != kWeightFields) return problem("WEIGHT.txt", n, "wrong number of fields");
            SourceFood* food = find(f[0]);
            if (!food) return problem("WEIGHT.txt", n, "food not in FOOD_DES.txt");
            auto seq = parseSourceNumber(f[1]);
            auto amount = parseSourceNumber(f[2]);
            auto grams = parseSourceNumber(f[4]);
            if (!seq || !amount || !grams)
                return problem("WEIGHT.txt", n, "measure without sequence, amount or weight");
            food->measures.push_back({int(*seq), *amount, f[3], *grams});
        });
        for (SourceFood& food : result.foods)
            std::stable_sort(food.measures.begin(), food.measures.end(),
                             [](const SourceMeasure& a, const SourceMeasure& b) { return a.seq < b.seq; });
    }

private:
    std::map<std::string, std::size_t> byNdb_;
};

} // namespace

std::vector<std::string> splitSourceLine(std::string_view line) {
    std::vector<std::string> fields;
    while (true) {
        std::size_t end = line.find('^');
        std::string_view f = line.substr(0, end);
        if (f.size() >= 2 && f.front() == '~' && f.back() == '~') f = f.substr(1, f.size() - 2);
        fields.emplace_back(f);
        if (end == std::string_view::npos) break;
        line.remove_prefix(end + 1);
    }
    return fields;
}

std::optional<double> parseSourceNumber(std::string_view field) {
    if (field.empty()) return std::nullopt;
    double v = 0;
    auto [p, ec] = std::from_chars(field.data(), field.data() + field.size(), v);
    if (ec != std::errc() || p != field.data() + field.size()) return std::nullopt;
    // Nothing in the release comes near this; "inf", "nan" or 1e300 would
    // not survive the trip into single precision.
    if (!(std::fabs(v) <= kLargestSourceNumber)) return std::nullopt;
    return v;
}

UsdaSource parseUsdaSource(std::string_view foodDes, std::string_view abbrev, std::string_view weight,
                           std::string_view amino) {
    SourceParser p;
    p.descriptions(foodDes);
    p.nutrients(abbrev);
    p.aminoAcids(amino);
    p.measures(weight);
    return std::move(p.result);
}

UsdaSource readUsdaSource(const std::filesystem::path& folder) {
    const char* names[] = {"FOOD_DES.txt", "ABBREV.txt", "WEIGHT.txt", "AMINO.txt"};
    std::string texts[4];
    std::vector<std::string> missing;
    for (int i = 0; i < 4; ++i) {
        auto bytes = readWholeFile(folder / names[i]);
        if (!bytes) {
            missing.push_back(std::string(names[i]) + ": cannot be read");
            continue;
        }
        texts[i].assign(bytes->begin(), bytes->end());
    }
    if (!missing.empty()) {
        UsdaSource none;
        none.problems = std::move(missing);
        return none;
    }
    return parseUsdaSource(texts[0], texts[1], texts[2], texts[3]);
}

} // namespace korva::importer
