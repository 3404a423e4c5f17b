#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "archive/serializable.h"
#include "core/ascii_text.h"

namespace korva {

// One entry of the food index.
class ShortFood : public Serializable {
public:
    static constexpr const char* kClassName = "ShortFood";
    static constexpr unsigned kSchema = 0;

    static constexpr std::uint16_t kArchived = 0x4;
    static constexpr std::size_t kMaxNameOnSet = 37; // longer names keep their first 36
    static constexpr std::size_t kMaxServingText = 12;

    std::string name;
    std::string servingText;
    float gramsPerServing = 100.0f;
    std::uint16_t id = 0;
    std::uint16_t category = 0;
    std::uint16_t indexInCategory = 0;
    std::uint16_t recordNumber = 0;
    std::uint16_t flags = 0;

    void setName(const std::string& n) { name = n.size() > kMaxNameOnSet ? n.substr(0, 36) : n; }
    bool isArchived() const { return (flags & kArchived) != 0; }

    void Serialize(Archive& ar) override;
    std::string_view className() const override { return kClassName; }
};

// The whole food index, in index order (category, then name without case).
class CSFList : public Serializable {
public:
    static constexpr const char* kClassName = "CSFList";
    static constexpr unsigned kSchema = 0;

    std::vector<ShortFood> entries;

    void Serialize(Archive& ar) override;
    std::string_view className() const override { return kClassName; }
};

} // namespace korva
