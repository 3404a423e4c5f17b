#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace korva {

// What a recipe holds beside its ingredients: its name, the description and
// the number of its servings, and its instruction lines.  Every change
// counts toward the list's revision, so a document can tell it changed.
class RecipeFields {
public:
    const std::string& name() const { return name_; }
    void setName(std::string n) {
        name_ = std::move(n);
        ++revision_;
    }
    const std::string& servingDescription() const { return servingDescription_; }
    void setServingDescription(std::string s) {
        servingDescription_ = std::move(s);
        ++revision_;
    }
    float servingCount() const { return servingCount_; }
    void setServingCount(float n) {
        servingCount_ = n;
        ++revision_;
    }
    const std::vector<std::string>& instructions() const { return instructions_; }
    void setInstructions(std::vector<std::string> lines) {
        instructions_ = std::move(lines);
        ++revision_;
    }
    // Whether the data base held the recipe's own food when it was read or
    // last saved; not a change of the recipe.
    bool hasEntry() const { return hasEntry_; }
    void setHasEntry(bool on) { hasEntry_ = on; }

    std::uint64_t revision() const { return revision_; }

private:
    std::string name_;
    std::string servingDescription_;
    float servingCount_ = 1.0f;
    std::vector<std::string> instructions_;
    bool hasEntry_ = false;
    std::uint64_t revision_ = 0;
};

} // namespace korva
