#include <gtest/gtest.h>

#include "archive/archive.h"
#include "core/short_food.h"
#include "tests/archive/archive_test_support.h"

namespace korva {
namespace {

using test::ByteBuilder;

ShortFood food(std::uint16_t id, std::uint16_t category, std::uint16_t flags, std::string name, std::string serving,
               float grams) {
    ShortFood f;
    f.id = id;
    f.category = category;
    f.recordNumber = static_cast<std::uint16_t>(id % 1000);
    f.indexInCategory = 3;
    f.gramsPerServing = grams;
    f.flags = flags;
    f.name = std::move(name);
    f.servingText = std::move(serving);
    return f;
}

// The file layout: the list's class tag and count, the first entry with its
// class tag, every later entry behind the class reference 0x8003; and the
// same bytes read back, Latin-1 names and all.
TEST(ShortFoodSerial, IndexLaysOutEveryFieldInFileOrderAndReadsBack) {
    CSFList index;
    index.entries = {food(0x1234, 5, ShortFood::kArchived, "Milk", "1 cup", 1.0f),
                     food(25004, 3, 2, "my cr\xE8me", "1 glass", 50.0f)};
    ByteBuilder want; // id, category, record, position, grams, flags, name, serving
    want.newClass("CSFList").word(2).newClass("ShortFood").word(0x1234).word(5).word(0x1234 % 1000).word(3);
    want.dword(0x3F800000).word(ShortFood::kArchived).text("Milk").text("1 cup");
    want.word(0x8003).word(25004).word(3).word(4).word(3).dword(0x42480000).word(2).text("my cr\xE8me").text("1 glass");
    const test::Bytes expected = want.bytes();
    EXPECT_EQ(test::writeTop(index), expected);
    Archive a = Archive::forReading(expected);
    auto back = a.readObject<CSFList>();
    ASSERT_TRUE(back);
    EXPECT_EQ(a.bytesLeft(), 0u);
    EXPECT_EQ(test::writeTop(*back), expected);
    EXPECT_EQ(back->entries[1].name, "my cr\xE8me");
}

} // namespace
} // namespace korva
