#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "archive/serializable.h"
#include "core/nutrient_record.h"
#include "core/nutrient_totals.h"
#include "lists/item_list.h"
#include "lists/recipe_fields.h"

namespace korva {

class FoodDataBase;
class Platform;
struct LocalDateTime;

// "MM/DD/YY", the form of a list's creation date.
std::string listDateText(const LocalDateTime& t);

// One serving of a recipe: its totals divided by the number of servings,
// whole calories, and the calorie split taken from the calories themselves.
using ServingFigures = TotalsFigures;

// Outcomes of reading a list or recipe file.
enum ReadOutcome : int { kReadFormatError = -1, kReadNotFound = 0, kReadOk = 1 };

// A FoodList or a recipe: its items and totals (ItemList), its kind, path
// and date, and the files that hold it.  A recipe's own fields are a part of
// their own (RecipeFields).  Reading a file resolves its food ids against the
// data base.
class FoodList : public Serializable, public ItemList {
public:
    static constexpr const char* kClassName = "FoodList";
    static constexpr unsigned kSchema = 0;

    static constexpr std::uint16_t kLeadingWord = 0x0DAF;
    static constexpr std::uint16_t kFoodListMark = 0x0AAA;
    static constexpr std::uint16_t kRecipeMark = 0x0BBB;
    enum ListType : std::uint16_t { kFoodList = 0, kRecipe = 1 };
    // The count is a single word in the file.
    static constexpr std::size_t kMaxInstructions = 0xFFFF;

    explicit FoodList(FoodDataBase* db = nullptr, std::string date = {});

    // ---- Totals of a recipe --------------------------------------------
    // A recipe's figures for one serving; all zero while it makes no
    // servings, and no calorie split while a serving has no calories.
    ServingFigures perServing() const;

    // ---- List fields ------------------------------------------------------
    bool isRecipe() const { return listType_ == kRecipe; }
    void setListType(std::uint16_t t);
    const std::string& path() const { return path_; }
    void setPath(std::string p) { path_ = std::move(p); }
    // The part after the last separator ('\' or '/'), or the whole path.
    std::string fileName() const;
    const std::string& date() const { return date_; }
    void setDate(std::string d) { date_ = std::move(d); }

    // The recipe's food id, held in its totals record.
    std::uint16_t recipeFoodId() const { return totals_.id; }
    void setRecipeFoodId(std::uint16_t id);
    // A recipe's own fields; a food list keeps them empty.
    RecipeFields& recipe() { return recipe_; }
    const RecipeFields& recipe() const { return recipe_; }

    // Grows with every change of items, amounts, units or fields (not with
    // moving the selection), so a document can tell whether it changed.
    std::uint64_t revision() const { return revision_ + recipe_.revision(); }

    // ---- Files ------------------------------------------------------------
    // Reads a file of the list's own kind.  On any damage the message is
    // shown, the list is left exactly as it was and the answer is -1.  A
    // merge appends the file's items after the list's own.  The file's
    // stored totals stand unless items were dropped (droppedItems).
    int readFile(const std::filesystem::path& file, bool merge, Platform& platform);
    // The same over the bytes of a file already in memory; `source` is the
    // path the list then records.
    int readFileBytes(const std::filesystem::path& source, std::vector<std::uint8_t> bytes, bool merge,
                      Platform& platform);
    int readRecipeFile(const std::filesystem::path& file, Platform& platform);
    // Appends copies of the items of a file of the other kind (a recipe
    // into a food list, a food list into a recipe) and adds them to the
    // totals.  Same answers as readFile.
    int mergeOtherKind(const std::filesystem::path& file, Platform& platform);
    // Writes atomically; on failure shows " can't open file for writing ...".
    bool writeFile(const std::filesystem::path& file, Platform& platform) const;
    // Writes to the list's own path (a bare name in the recipe folder); on
    // failure "... can't write recipe file ...".
    bool writeRecipeFile(Platform& platform) const;

    // The serial form.  Loading checks the leading word and the type mark
    // against the list's own kind and reads items as stored, unresolved
    // (readFile resolves them against the data base).
    void Serialize(Archive& ar) override;
    std::string_view className() const override { return kClassName; }

    // Items the last read dropped because the data base no longer knows
    // their food.
    std::size_t droppedItems() const { return droppedItems_; }

private:
    // Reads the bytes into a fresh list of this list's kind; -1 or 1.
    int loadBytes(std::vector<std::uint8_t> bytes, Platform& platform, FoodList& into) const;
    void adoptItems(const FoodList& loaded, Platform& platform);

    std::string path_;
    std::string date_;
    std::uint16_t listType_ = kFoodList;
    RecipeFields recipe_;
    std::size_t droppedItems_ = 0;
};

// The messages of the list files, shared with the document.
namespace listmsg {
inline constexpr const char* kItemNotFound = " ... FOOD ITEM not found for Recipe or FoodList ... ";
inline constexpr const char* kAmountOutOfBounds = " ERROR - food item amount out of bounds";
inline constexpr const char* kErrorCaption = "ERROR MESSAGE";
inline constexpr const char* kCantOpenForWriting = " can't open file for writing ...";
inline constexpr const char* kCantWriteRecipe = "... can't write recipe file ...";
inline constexpr const char* kTruncated = "... input file has been truncated, can't read ...";
inline constexpr const char* kNotFoodListFormat = "... input file is not in FOOD LIST format ...";
inline constexpr const char* kNotRecipeFormat = "... input file is not in RECIPE format ...";
inline constexpr const char* kNotFoodListFile = "... input file is NOT a FOOD LIST file ...";
inline constexpr const char* kNotRecipeFile = "... input file is NOT a RECIPE file ...";
} // namespace listmsg

} // namespace korva
