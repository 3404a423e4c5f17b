#include "core/recipe_catalogue.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "archive/archive.h"
#include "archive/atomic_file.h"
#include "archive/class_registry.h"
#include "core/file_numbering.h"

namespace korva {

namespace {

const bool kRegistered = registerSerializable<RCPNList>(RCPNList::kClassName, RCPNList::kSchema) &&
                         registerSerializable<RCPNItem>(RCPNItem::kClassName, RCPNItem::kSchema);

// A catalogue far larger than any recipe folder is not one of ours.
constexpr std::uint32_t kMaxItems = 0xFFFF;

} // namespace

std::string fileNamePart(std::string_view path) {
    const std::size_t sep = path.find_last_of("\\/");
    return std::string(sep == std::string_view::npos ? path : path.substr(sep + 1));
}

void RCPNItem::Serialize(Archive& ar) {
    ar.io(filePath);
    ar.io(recipeName);
    ar.io(foodId);
}

void RCPNList::Serialize(Archive& ar) {
    (void)kRegistered;
    if (ar.isStoring()) {
        ar.writeCount(static_cast<std::uint32_t>(items_.size()));
        for (const RCPNItem& item : items_) ar.writeObject(&item);
        return;
    }
    // Each element takes at least a two-byte tag; the items are read in place
    // and a reference back to an earlier item is refused.
    const std::uint32_t n = ar.readCount(2);
    if (n > kMaxItems) throw ArchiveError(ArchiveError::badIndex);
    items_.clear();
    items_.reserve(std::min<std::size_t>(n, ar.bytesLeft() / 2));
    for (std::uint32_t i = 0; i < n; ++i)
        if (!ar.readObjectInto(items_.emplace_back())) throw ArchiveError(ArchiveError::badIndex);
}

RCPNItem& RCPNList::add(const std::string& filePath) {
    RCPNItem& item = items_.emplace_back();
    item.filePath = filePath;
    maxFileNumber = std::max(maxFileNumber, fileNumberOf(fileNamePart(filePath)));
    return item;
}

RCPNItem& RCPNList::addRecipe(const std::string& filePath, std::uint32_t foodId, const std::string& name,
                              std::size_t recipeCount) {
    RCPNItem& item = add(filePath);
    item.foodId = foodId;
    item.recipeName = name;
    recomputeCounters(recipeCount);
    return items_.back();
}

bool RCPNList::removeById(std::uint32_t id) {
    auto it = std::find_if(items_.begin(), items_.end(), [id](const RCPNItem& i) { return i.foodId == id; });
    if (it == items_.end()) return false;
    items_.erase(it);
    return true;
}

int RCPNList::indexOfName(std::string_view name) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].recipeName == name) return static_cast<int>(i);
    return -1;
}

const RCPNItem* RCPNList::findById(std::uint32_t id) const {
    for (const RCPNItem& i : items_)
        if (i.foodId == id) return &i;
    return nullptr;
}

std::string RCPNList::pathForId(std::uint32_t id) const {
    const RCPNItem* item = findById(id);
    return item ? item->filePath : std::string(kNoPath);
}

void RCPNList::recomputeCounters(std::size_t recipeCount) {
    maxFoodId = kFirstId;
    maxFileNumber = 0;
    for (const RCPNItem& i : items_) {
        const auto id = static_cast<std::int32_t>(std::min<std::uint32_t>(i.foodId, 0xFFFF));
        maxFoodId = std::max(maxFoodId, id);
        maxFileNumber = std::max(maxFileNumber, fileNumberOf(fileNamePart(i.filePath)));
    }
    // A name with absurdly many digits saturates; the next number may not
    // wrap past it (the file name template refuses it anyway).
    nextFileNumber = recipeCount > 0 && maxFileNumber < INT32_MAX ? maxFileNumber + 1 : maxFileNumber;
    nextFoodId = recipeCount > 0 ? maxFoodId + 1 : maxFoodId;
}

void RCPNList::sortById() {
    std::stable_sort(items_.begin(), items_.end(),
                     [](const RCPNItem& a, const RCPNItem& b) { return a.foodId < b.foodId; });
}

bool RCPNList::readFile(const std::filesystem::path& file, const std::filesystem::path& recipeDir) {
    auto bytes = readWholeFile(file, 16u << 20);
    return bytes && readBytes(std::move(*bytes), recipeDir);
}

bool RCPNList::readBytes(std::vector<std::uint8_t> bytes, const std::filesystem::path& recipeDir) {
    std::shared_ptr<RCPNList> read;
    try {
        Archive ar = Archive::forReading(std::move(bytes));
        read = ar.readObject<RCPNList>();
    } catch (const ArchiveError&) {
        return false;
    }
    if (!read) return false;
    items_ = std::move(read->items_);
    // The catalogue may come from another data folder: its recipes are the
    // files of the same name in this one.
    for (RCPNItem& item : items_) {
        const std::string name = fileNamePart(item.filePath);
        maxFileNumber = std::max(maxFileNumber, fileNumberOf(name));
        item.filePath = (recipeDir / name).string();
    }
    return true;
}

bool RCPNList::writeFile(const std::filesystem::path& file) const {
    Archive ar = Archive::forWriting(file);
    ar.writeObject(this);
    return ar.close();
}

} // namespace korva
