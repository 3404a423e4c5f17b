#include "daily/shop_list.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <system_error>

#include "archive/archive.h"
#include "archive/atomic_file.h"
#include "core/ascii_text.h"
#include "core/food_data_base.h"
#include "core/nutrients.h"
#include "core/platform.h"
#include "core/printf_text.h"
#include "lists/flist_doc.h"

namespace korva {

namespace {

// Smallest entry in the file: two empty strings, the kind and the factor.
constexpr std::size_t kMinEntryBytes = 1 + 1 + 2 + 4;

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string upperAscii(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// Case ignored for ASCII letters, over at most `n` characters; a name that
// is a prefix of the other sorts first.
int compareNoCase(const std::string& a, const std::string& b, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        const int ca = i < a.size() ? static_cast<unsigned char>(lowerAscii(a[i])) : 0;
        const int cb = i < b.size() ? static_cast<unsigned char>(lowerAscii(b[i])) : 0;
        if (ca != cb) return ca - cb;
        if (ca == 0) return 0;
    }
    return 0;
}

void checkLeft(Archive& ar, std::size_t count, std::size_t minBytes) {
    if (ar.bytesLeft() / minBytes < count) throw ArchiveError(ArchiveError::endOfFile);
}

void writeLines(Archive& ar, const std::vector<std::string>& lines) {
    ar.writeWord(static_cast<std::uint16_t>(lines.size()));
    for (const std::string& l : lines) ar.writeString(l);
}

std::vector<std::string> readLines(Archive& ar) {
    const std::uint16_t count = ar.readWord();
    checkLeft(ar, count, 1);
    std::vector<std::string> lines(count);
    for (std::string& l : lines) l = ar.readString();
    return lines;
}

struct GatheredItem {
    const FoodItem* item;
    float factor;
};

} // namespace

const ShopEntry* ShopList::current() const {
    return entries_.empty() ? nullptr : &entries_[static_cast<std::size_t>(current_)];
}

void ShopList::setCurrent(int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < entries_.size()) current_ = index;
}

void ShopList::setCurrentFactor(float factor) {
    if (!entries_.empty()) entries_[static_cast<std::size_t>(current_)].factor = factor;
}

bool ShopList::addFoodList(const std::filesystem::path& file, Platform& platform) {
    ShopEntry entry{FoodList(db_), ShopEntry::kFoodList, 1.0f, upperAscii(fileNameOf(file.string())), file.string()};
    return append(std::move(entry), platform);
}

bool ShopList::addRecipe(const std::filesystem::path& file, const std::string& name, Platform& platform) {
    ShopEntry entry{FoodList(db_), ShopEntry::kRecipe, 1.0f, name, file.string()};
    return append(std::move(entry), platform);
}

bool ShopList::append(ShopEntry entry, Platform& platform) {
    if (entries_.size() >= kMaxCount) return false;
    readContents(entry, platform);
    // A recipe chosen as a file is known by its own name, or by the file's
    // when it could not be read.
    if (entry.label.empty()) entry.label = entry.contents.recipe().name();
    if (entry.label.empty()) entry.label = upperAscii(fileNameOf(entry.path));
    entries_.push_back(std::move(entry));
    current_ = static_cast<int>(entries_.size()) - 1;
    return true;
}

void ShopList::readContents(ShopEntry& entry, Platform& platform) {
    const bool recipe = entry.kind == ShopEntry::kRecipe;
    entry.contents = FoodList(db_);
    if (recipe) entry.contents.setListType(FoodList::kRecipe);
    std::filesystem::path file = entry.path;
    // A list moved with its data tree, or saved where paths use the other
    // separator, is looked for by its name in the folder of its kind.
    std::error_code ec;
    if (db_ && !std::filesystem::exists(file, ec)) {
        const std::string name = fileNameOf(entry.path);
        const std::filesystem::path folder = recipe ? db_->paths().recipeDir() : db_->paths().foodListDir();
        if (!name.empty() && std::filesystem::exists(folder / name, ec)) {
            file = folder / name;
            entry.path = file.string();
        }
    }
    entry.contents.setPath(entry.path);
    const int outcome =
        recipe ? entry.contents.readRecipeFile(file, platform) : entry.contents.readFile(file, false, platform);
    if (outcome == kReadNotFound) platform.message(recipe ? docmsg::kRecipeNotFound : docmsg::kFoodListNotFound);
    if (outcome != kReadOk) {
        // Whatever the read kept before it failed is dropped: the entry
        // stays, with nothing to buy.
        entry.contents = FoodList(db_);
        if (recipe) entry.contents.setListType(FoodList::kRecipe);
        entry.contents.setPath(entry.path);
    }
}

void ShopList::deleteCurrent() {
    if (entries_.empty()) return;
    entries_.erase(entries_.begin() + current_);
    if (static_cast<std::size_t>(current_) >= entries_.size()) current_ = 0;
    rebuildText();
}

void ShopList::rebuildText() {
    textLines.clear();
    if (entries_.empty()) return;

    // Grouped by category, each group in the order gathered.
    std::array<std::vector<GatheredItem>, kCategoryCount> byCategory;
    for (const ShopEntry& e : entries_)
        for (const FoodItem& item : e.contents.items())
            if (isCategory(item.category())) byCategory[item.category()].push_back({&item, e.factor});

    bool first = true;
    for (int c = 0; c < kCategoryCount; ++c) {
        std::vector<GatheredItem>& items = byCategory[static_cast<std::size_t>(c)];
        if (items.empty()) continue;
        // An exchange sort that also swaps equal names: the same food from
        // two lists comes out in a fixed order users know.
        for (std::size_t a = 0; a + 1 < items.size(); ++a)
            for (std::size_t b = a; b < items.size(); ++b)
                if (compareNoCase(items[a].item->name(), items[b].item->name(), kNameCompareLength) >= 0)
                    std::swap(items[a], items[b]);
        if (!first) textLines.push_back("  ");
        first = false;
        textLines.emplace_back(categoryName(c));
        for (const GatheredItem& g : items) {
            textLines.push_back("  " + g.item->name());
            textLines.push_back("    " + g.item->householdMeasure() +
                                printfText("  times  %5.2f", static_cast<double>(g.item->servings() * g.factor)));
        }
    }
}

std::vector<std::uint8_t> ShopList::toBytes() const {
    Archive ar = Archive::inMemory();
    ar.writeWord(kMagic);
    ar.writeWord(kListType);
    ar.writeWord(static_cast<std::uint16_t>(entries_.size()));
    for (const ShopEntry& e : entries_) {
        ar.writeString(e.label);
        ar.writeString(e.path);
        ar.writeWord(e.kind);
        ar.writeF32(e.factor);
    }
    writeLines(ar, textLines);
    writeLines(ar, extraLines);
    return ar.bytes();
}

bool ShopList::readBytes(std::vector<std::uint8_t> bytes) {
    Archive ar = Archive::forReading(std::move(bytes));
    std::vector<ShopEntry> entries;
    std::vector<std::string> text;
    std::vector<std::string> extra;
    try {
        if (ar.readWord() != kMagic || ar.readWord() != kListType) throw ArchiveError(ArchiveError::badIndex);
        const std::uint16_t count = ar.readWord();
        checkLeft(ar, count, kMinEntryBytes);
        entries.reserve(count);
        for (std::uint16_t i = 0; i < count; ++i) {
            ShopEntry e{FoodList(db_), ShopEntry::kFoodList, 1.0f, {}, {}};
            e.label = ar.readString();
            e.path = ar.readString();
            e.kind = ar.readWord();
            e.factor = ar.readF32();
            // No factor the dialog hands out lies outside these.
            if (!std::isfinite(e.factor) || e.factor < 0.0f || e.factor > kMaxFactor)
                throw ArchiveError(ArchiveError::generic);
            entries.push_back(std::move(e));
        }
        text = readLines(ar);
        extra = readLines(ar);
    } catch (const ArchiveError&) {
        return false;
    }
    entries_ = std::move(entries);
    textLines = std::move(text);
    extraLines = std::move(extra);
    current_ = 0;
    return true;
}

void ShopList::loadContents(Platform& platform) {
    for (ShopEntry& e : entries_) readContents(e, platform);
}

bool ShopList::read(const std::filesystem::path& file, Platform& platform) {
    std::optional<std::vector<std::uint8_t>> bytes = readWholeFile(file);
    if (!bytes || !readBytes(std::move(*bytes))) return false;
    loadContents(platform);
    path = file.string();
    fileName = file.filename().string();
    return true;
}

bool ShopList::write(Platform& platform) const {
    const bool fits = entries_.size() <= kMaxCount && textLines.size() <= kMaxCount && extraLines.size() <= kMaxCount;
    if (!fits || path.empty() || !writeFileAtomically(path, toBytes())) {
        platform.message(shopmsg::kCantWrite);
        return false;
    }
    return true;
}

std::string shopEntryRow(const ShopEntry& entry) {
    const auto factor = static_cast<double>(entry.factor);
    if (entry.kind == ShopEntry::kRecipe) {
        const long serves = nearestInteger(static_cast<double>(entry.contents.recipe().servingCount() * entry.factor));
        return entry.label + '\t' + printfText("   %3.2f, serves %ld", factor, serves);
    }
    return entry.label + '\t' + printfText("   %3.2f", factor);
}

} // namespace korva
