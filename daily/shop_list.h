#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "lists/food_list.h"

namespace korva {

class FoodDataBase;
class Platform;

// One FoodList or Recipe of a shopping list, with the factor its items are
// multiplied by.  The contents are read from the file when the entry is
// added or loaded; a file that cannot be read leaves them empty.
struct ShopEntry {
    enum Kind : std::uint16_t { kFoodList = 0, kRecipe = 1 };

    FoodList contents;
    std::uint16_t kind = kFoodList;
    float factor = 1.0f;
    // For a FoodList its file name in capitals, for a Recipe its name.
    std::string label;
    // The file the contents come from.
    std::string path;
};

// The messages of the shopping list files.
namespace shopmsg {
inline constexpr const char* kNotShopList = "... file not in SHOPPING LIST format ..";
inline constexpr const char* kCantWrite = "... cannot write shopping list ...";
} // namespace shopmsg

// A shopping list: FoodLists and Recipes with their factors, the text of
// foods to buy built from them, and a free extra text.  Stored as one .sls
// file in the shopping list folder.
class ShopList {
public:
    static constexpr std::uint16_t kMagic = 3503;
    static constexpr std::uint16_t kListType = 3549;
    // Every count is a single word in the file.
    static constexpr std::size_t kMaxCount = 0xFFFF;
    // Names compare over at most this many characters when sorted.
    static constexpr std::size_t kNameCompareLength = 36;
    // Factors lie between 0 and this.
    static constexpr float kMaxFactor = 100.0f;

    explicit ShopList(FoodDataBase* db = nullptr) : db_(db) {}

    std::string fileName = "shop000.sls";
    std::string path;
    std::vector<std::string> textLines;
    std::vector<std::string> extraLines;

    const std::vector<ShopEntry>& entries() const { return entries_; }
    std::size_t entryCount() const { return entries_.size(); }
    // Null when the list has no entry.
    const ShopEntry* current() const;
    int currentIndex() const { return entries_.empty() ? -1 : current_; }
    void setCurrent(int index);
    // The current entry takes the factor (the caller keeps it in bounds).
    void setCurrentFactor(float factor);

    // Appends an entry read from `file` and makes it current; a file that
    // cannot be read has said why and stays listed without contents.  False
    // when the list is full.
    bool addFoodList(const std::filesystem::path& file, Platform& platform);
    // `name` labels the entry; an empty one takes the recipe's own name.
    bool addRecipe(const std::filesystem::path& file, const std::string& name, Platform& platform);
    // Removes the current entry; the one after it becomes current, or the
    // first when it was the last.  Then the text is rebuilt.
    void deleteCurrent();

    // The foods of every entry multiplied by its factor, grouped by
    // category and sorted by name.
    void rebuildText();

    // The file's bytes, and the reader over bytes.  A read that fails
    // (wrong marks, cut short, a count the bytes cannot hold) leaves the
    // list as it was; one that succeeds replaces the entries, with empty
    // contents, and both texts (see loadContents).
    std::vector<std::uint8_t> toBytes() const;
    bool readBytes(std::vector<std::uint8_t> bytes);
    // Reads each entry's contents from its file.
    void loadContents(Platform& platform);

    // readBytes and loadContents over a file; path and fileName become the
    // file's.  False when it is missing or not a shopping list (nothing
    // shown: the caller says so).
    bool read(const std::filesystem::path& file, Platform& platform);
    // Replaces the file at path atomically; on failure "... cannot write
    // shopping list ..." and false.
    bool write(Platform& platform) const;

private:
    bool append(ShopEntry entry, Platform& platform);
    void readContents(ShopEntry& entry, Platform& platform);

    FoodDataBase* db_ = nullptr;
    std::vector<ShopEntry> entries_;
    int current_ = 0;
};

// "   %3.2f" of the factor after the label and a tab; a Recipe adds
// ", serves %d" with its servings times the factor, rounded.
std::string shopEntryRow(const ShopEntry& entry);

} // namespace korva
