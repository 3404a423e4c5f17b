// The .fls and .rcp files: the serial form of one FoodList, nothing before
// or after it.

#include <cmath>

#include "archive/archive.h"
#include "archive/atomic_file.h"
#include "core/food_data_base.h"
#include "core/platform.h"
#include "lists/food_list.h"

namespace korva {

namespace {

constexpr std::size_t kItemBytes = 10;
constexpr std::size_t kTotalsBytes = kNutrientCount * 4 + kLevelBytes;

const char* readFailureMessage(ArchiveError::Cause cause, bool recipe) {
    switch (cause) {
    case ArchiveError::endOfFile: return listmsg::kTruncated;
    case ArchiveError::badIndex: return recipe ? listmsg::kNotRecipeFormat : listmsg::kNotFoodListFormat;
    default:
        // badClass, badSchema, and anything else the archive could not make
        // sense of: the file is not one of ours.
        return recipe ? listmsg::kNotRecipeFile : listmsg::kNotFoodListFile;
    }
}

} // namespace

void FoodList::Serialize(Archive& ar) {
    const std::uint16_t mark = isRecipe() ? kRecipeMark : kFoodListMark;
    if (ar.isStoring()) {
        ar.writeWord(kLeadingWord);
        ar.writeWord(mark);
        ar.writeString(path_);
        ar.writeString(date_);
        ar.writeWord(static_cast<std::uint16_t>(items_.size()));
        ar.writeF32(totalGrams_);
        ar.writeWord(listType_);
        // Storing reads nothing into the item.
        for (const FoodItem& item : items_) const_cast<FoodItem&>(item).Serialize(ar);
        for (float v : totals_.values) ar.writeF32(v);
        ar.writeBytes(totals_.levels.data(), totals_.levels.size());
        if (isRecipe()) {
            ar.writeWord(totals_.id);
            ar.writeString(recipe_.servingDescription());
            ar.writeF32(recipe_.servingCount());
            const std::vector<std::string>& lines = recipe_.instructions();
            const std::size_t m = std::min(lines.size(), kMaxInstructions);
            ar.writeWord(static_cast<std::uint16_t>(m));
            ar.writeString(recipe_.name());
            for (std::size_t i = 0; i < m; ++i) ar.writeString(lines[i]);
        }
        return;
    }

    // A list accepts only files of its own kind.
    if (ar.readWord() != kLeadingWord || ar.readWord() != mark) throw ArchiveError(ArchiveError::badIndex);
    path_ = ar.readString();
    date_ = ar.readString();
    const std::uint16_t n = ar.readWord();
    totalGrams_ = ar.readF32();
    // The recipe fields follow when this word says so; a food list file that
    // claims them (or a recipe that does not) would come back as the other
    // kind and be saved under the wrong mark.
    if (ar.readWord() != listType_) throw ArchiveError(ArchiveError::badIndex);
    // Refuse a count the file cannot hold before any item is looked at.
    if (ar.bytesLeft() < n * kItemBytes + kTotalsBytes) throw ArchiveError(ArchiveError::endOfFile);
    items_.clear();
    items_.reserve(n);
    for (std::uint16_t i = 0; i < n; ++i) {
        FoodItem item;
        item.Serialize(ar);
        items_.push_back(std::move(item));
    }
    current_ = 0;
    for (float& v : totals_.values) v = ar.readF32();
    ar.readBytes(totals_.levels.data(), totals_.levels.size());
    if (isRecipe()) {
        totals_.id = ar.readWord();
        recipe_.setServingDescription(ar.readString());
        recipe_.setServingCount(ar.readF32());
        const std::uint16_t m = ar.readWord();
        recipe_.setName(ar.readString());
        std::vector<std::string> lines;
        for (std::uint16_t i = 0; i < m; ++i) lines.push_back(ar.readString());
        recipe_.setInstructions(std::move(lines));
    }
}

int FoodList::loadBytes(std::vector<std::uint8_t> bytes, Platform& platform, FoodList& into) const {
    into = FoodList(db_);
    into.listType_ = listType_;
    Archive ar = Archive::forReading(std::move(bytes));
    try {
        into.Serialize(ar);
    } catch (const ArchiveError& e) {
        platform.message(readFailureMessage(e.cause(), isRecipe()));
        return kReadFormatError;
    }
    return kReadOk;
}

// Resolves the ids of a loaded file against the data base and appends the
// foods found, adding each to the totals.  Name, weight per serving and
// values come from the data base, never from the file.
void FoodList::adoptItems(const FoodList& loaded, Platform& platform) {
    for (const FoodItem& stored : loaded.items_) {
        const ShortFood* entry = db_ ? db_->index().findEntryById(stored.foodId()) : nullptr;
        if (!entry) {
            platform.message(listmsg::kItemNotFound);
            ++droppedItems_;
            continue;
        }
        // An unreadable record leaves the item in the list (so saving keeps
        // it) with no values to add.
        NutrientRecord record;
        if (!db_->records().readFoodRecord(*entry, record)) record.clear();
        FoodItem item = stored;
        item.attach(*entry, record);
        if (!append(std::move(item))) break;
        addCurrentToTotals();
    }
}

int FoodList::readFile(const std::filesystem::path& file, bool merge, Platform& platform) {
    WaitCursor wait(platform);
    // A bare recipe name lies in the recipe folder, where writeRecipeFile
    // puts it.
    std::filesystem::path source = file;
    if (isRecipe() && source.is_relative() && db_) source = db_->paths().recipeDir() / source;
    std::optional<std::vector<std::uint8_t>> bytes = readWholeFile(source);
    if (!bytes) return kReadNotFound;
    return readFileBytes(source, std::move(*bytes), merge, platform);
}

int FoodList::readFileBytes(const std::filesystem::path& file, std::vector<std::uint8_t> bytes, bool merge,
                            Platform& platform) {
    // The file is read whole into a list of its own first, so a damaged file
    // leaves this list exactly as it was.
    FoodList loaded;
    const int outcome = loadBytes(std::move(bytes), platform, loaded);
    if (outcome != kReadOk) return outcome;

    droppedItems_ = 0;
    std::string date = loaded.date_.empty() ? listDateText(platform.now()) : loaded.date_;
    if (merge) {
        date_ = std::move(date);
        adoptItems(loaded, platform);
        recomputeTotals();
    } else {
        items_.clear();
        resetTotals();
        adoptItems(loaded, platform);
        // The stored totals stand until the list next changes; the weight
        // and the calorie split are those of the items found.  Totals that
        // still count a dropped food would disagree with both.
        if (droppedItems_ == 0) {
            totals_.values = loaded.totals_.values;
            totals_.levels = loaded.totals_.levels;
        } else {
            recomputeTotals();
        }
        totals_.id = isRecipe() ? loaded.totals_.id : 0;
        date_ = std::move(date);
        recipe_.setServingDescription(loaded.recipe_.servingDescription());
        recipe_.setServingCount(loaded.recipe_.servingCount());
        recipe_.setName(loaded.recipe_.name());
        recipe_.setInstructions(loaded.recipe_.instructions());
        recipe_.setHasEntry(isRecipe() && db_ && db_->index().findEntryById(totals_.id) != nullptr);
        path_ = file.string();
    }
    current_ = 0;
    publishCurrentFood();
    touch();
    return kReadOk;
}

int FoodList::readRecipeFile(const std::filesystem::path& file, Platform& platform) {
    return readFile(file, false, platform);
}

int FoodList::mergeOtherKind(const std::filesystem::path& file, Platform& platform) {
    FoodList other(db_);
    other.listType_ = isRecipe() ? kFoodList : kRecipe;
    const int outcome = other.readFile(file, false, platform);
    if (outcome != kReadOk) return outcome;
    // A recipe comes in with its ingredients' amounts as stored: the whole
    // recipe, not one serving of it.
    for (const FoodItem& item : other.items_) {
        if (!append(item)) break;
        addCurrentToTotals();
    }
    publishCurrentFood();
    touch();
    return kReadOk;
}

bool FoodList::writeFile(const std::filesystem::path& file, Platform& platform) const {
    Archive ar = Archive::forWriting(file);
    const_cast<FoodList*>(this)->Serialize(ar);
    if (!ar.close()) {
        platform.message(listmsg::kCantOpenForWriting);
        return false;
    }
    return true;
}

bool FoodList::writeRecipeFile(Platform& platform) const {
    // A bare name belongs in the recipe folder, not wherever the program
    // happened to be started.
    std::filesystem::path target(path_);
    if (target.is_relative() && db_) target = db_->paths().recipeDir() / target;
    Archive ar = Archive::forWriting(target);
    const_cast<FoodList*>(this)->Serialize(ar);
    if (path_.empty() || !ar.close()) {
        platform.message(listmsg::kCantWriteRecipe);
        return false;
    }
    return true;
}

} // namespace korva
