#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "archive/serializable.h"

namespace korva {

// One entry of the recipe catalogue: the recipe's file, its name and the id
// of its food in the data base.
class RCPNItem : public Serializable {
public:
    static constexpr const char* kClassName = "RCPNItem";
    static constexpr unsigned kSchema = 0;

    std::string filePath;
    std::string recipeName;
    std::uint32_t foodId = 0;

    void Serialize(Archive& ar) override;
    std::string_view className() const override { return kClassName; }
};

// The recipe catalogue (rclist.ser): ties each recipe food to its .rcp file
// and hands out the numbers of new recipe files and the ids of new recipe
// foods.  Only the items are stored; the counters are worked out again from
// them after every change.
class RCPNList : public Serializable {
public:
    static constexpr const char* kClassName = "RCPNList";
    static constexpr unsigned kSchema = 0;
    static constexpr std::int32_t kFirstId = 29000;
    static constexpr const char* kNoPath = "None";

    const std::vector<RCPNItem>& items() const { return items_; }
    std::size_t size() const { return items_.size(); }

    bool rebuilt = false;
    bool modified = false;
    std::int32_t maxFileNumber = 0;
    std::int32_t nextFileNumber = 0;
    std::int32_t maxFoodId = kFirstId;
    std::int32_t nextFoodId = kFirstId;

    // Appends an item for the file; the number in its name raises
    // maxFileNumber.
    RCPNItem& add(const std::string& filePath);
    // add(path) with the recipe's id and name, then the counters for a data
    // base that now holds `recipeCount` recipes.
    RCPNItem& addRecipe(const std::string& filePath, std::uint32_t foodId, const std::string& name,
                        std::size_t recipeCount);
    // False when no item has that id.
    bool removeById(std::uint32_t id);
    int indexOfName(std::string_view name) const;
    const RCPNItem* findById(std::uint32_t id) const;
    std::string pathForId(std::uint32_t id) const;
    void recomputeCounters(std::size_t recipeCount);
    void clear() { items_.clear(); }
    // Keeps items in order of their food ids (the restore sorts after adding).
    void sortById();

    // rclist.ser.  Reading replaces the items, or leaves them as they were
    // when the file is missing or damaged; each path read is moved into
    // `recipeDir` (its file name kept).
    bool readFile(const std::filesystem::path& file, const std::filesystem::path& recipeDir);
    bool readBytes(std::vector<std::uint8_t> bytes, const std::filesystem::path& recipeDir);
    bool writeFile(const std::filesystem::path& file) const;

    // Set once the catalogue was read or rebuilt in this run.
    bool loaded() const { return loaded_; }
    void setLoaded(bool on) { loaded_ = on; }

    void Serialize(Archive& ar) override;
    std::string_view className() const override { return kClassName; }

private:
    std::vector<RCPNItem> items_;
    bool loaded_ = false;
};

// The file name part of a stored path, which may use either separator.
std::string fileNamePart(std::string_view path);

} // namespace korva
