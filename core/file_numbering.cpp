#include "core/file_numbering.h"

#include <algorithm>
#include <climits>
#include <system_error>

#include "core/ascii_text.h"

namespace korva {

namespace {

constexpr int kLastFoodListNumber = 999;

// Writes `number` into the template's digit places, from the right.
std::string fillTemplate(std::string_view pattern, std::size_t lastDigit, int number) {
    std::string out(pattern);
    for (std::size_t i = lastDigit + 1; i-- > 0 && number > 0;) {
        if (out[i] < '0' || out[i] > '9') break;
        out[i] = char('0' + number % 10);
        number /= 10;
    }
    return out;
}

NewFileName numbered(int number, int lowest, int highest, std::string_view pattern, std::size_t lastDigit,
                     const char* refusal) {
    if (number < lowest || number > highest) return {{}, refusal};
    return {fillTemplate(pattern, lastDigit, number), {}};
}

} // namespace

int fileNumberOf(std::string_view fileName) {
    std::size_t dot = fileName.find('.');
    std::string_view base = fileName.substr(0, dot);
    long long n = -1;
    for (char c : base) {
        if (c < '0' || c > '9') continue;
        n = (n < 0 ? 0 : n) * 10 + (c - '0');
        if (n > INT_MAX) n = INT_MAX;
    }
    return static_cast<int>(n);
}

int foodListNumberOf(std::string_view fileName) {
    const std::string_view base = fileName.substr(0, fileName.find('.'));
    if (base.size() < 3 || !startsWithNoCase(base, "fl")) return -1;
    int n = 0;
    for (char c : base.substr(2)) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
        if (n > kLastFoodListNumber) return -1;
    }
    return n >= 1 ? n : -1;
}

bool matchesPattern(std::string_view name, std::string_view pattern) {
    // Iterative match with one backtrack point for the last '*'.
    std::size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || lowerAscii(pattern[p]) == lowerAscii(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

int highestFileNumber(const std::filesystem::path& folder, std::string_view prefix, std::string_view pattern) {
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec), end;
    bool anyMatch = false;
    int highest = -1;
    for (; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!matchesPattern(name, pattern)) continue;
        anyMatch = true;
        if (startsWithNoCase(name, prefix)) highest = std::max(highest, fileNumberOf(name));
    }
    return anyMatch ? highest : 0;
}

NewFileName foodListFileName(int number) {
    return numbered(number, 1, kLastFoodListNumber, "fl0000.fls", 5,
                    "... no more FoodList file names, fl0999.fls is taken, move or delete old FoodLists ...");
}

NewFileName shoppingListFileName(int number) {
    return numbered(
        number, 0, 999, "shop000.sls", 6,
        "... no more shopping list file names, shop999.sls is taken, move or delete old shopping lists ...");
}

NewFileName recipeFileName(int number) {
    // The first recipe of a data base is rcp000.rcp.
    return numbered(number, 0, 99, "rcp000.rcp", 5, "... no more recipe file names, rcp099.rcp is taken ...");
}

std::string recipeTitle(int number) { return fillTemplate("Recipe 001", 9, std::clamp(number, 0, 99)); }

NewFileName userFileName(int number) {
    return numbered(number, 1, 99, "user00.rda", 5,
                    "... too many users, user99.rda is taken, delete a user before adding another ...");
}

NewFileName FileNumbering::nextFoodListName() {
    const std::filesystem::path dir = paths_->foodListDir();
    if (!scannedFoodLists_) {
        int found = 0;
        std::error_code ec;
        for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            if (matchesPattern(name, "*.fls")) found = std::max(found, foodListNumberOf(name));
        }
        lastFoodList_ = std::max(lastFoodList_.value_or(0), found);
        scannedFoodLists_ = true;
    }
    // Lists saved under numbered names since the scan hold the user's work.
    for (;;) {
        NewFileName name = foodListFileName(*lastFoodList_ + 1);
        if (!name) return name;
        ++*lastFoodList_;
        std::error_code ec;
        if (!std::filesystem::exists(std::filesystem::symlink_status(dir / name.name, ec))) return name;
    }
}

NewFileName FileNumbering::nextShoppingListName() {
    if (!lastShop_) {
        std::error_code ec;
        std::filesystem::create_directories(paths_->shopDir(), ec);
        // -1 when the folder holds only lists saved under other names: the
        // first new one is then the template itself, shop000.sls.
        lastShop_ = highestFileNumber(paths_->shopDir(), "shop", "*.sls");
    }
    NewFileName name = shoppingListFileName(*lastShop_ + 1);
    if (name) ++*lastShop_;
    return name;
}

void FileNumbering::noteFoodListName(std::string_view fileName) {
    // Stored paths may use either separator.
    std::size_t slash = fileName.find_last_of("/\\");
    if (slash != std::string_view::npos) fileName.remove_prefix(slash + 1);
    int n = foodListNumberOf(fileName);
    if (n > lastFoodList_.value_or(0)) lastFoodList_ = n;
}

} // namespace korva
