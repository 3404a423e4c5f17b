#include <gtest/gtest.h>

#include "archive/archive.h"
#include "core/short_food.h"
#include "tests/archive/archive_test_support.h"

namespace korva {
namespace {

using test::ByteBuilder;
using test::Bytes;

ShortFood food(std::uint16_t id, std::uint16_t category, std::string name, std::string serving, float grams) {
    ShortFood f;
    f.id = id;
    f.category = category;
    f.recordNumber = static_cast<std::uint16_t>(id % 1000);
    f.indexInCategory = 3;
    f.gramsPerServing = grams;
    f.flags = ShortFood::kArchived;
    f.name = std::move(name);
    f.servingText = std::move(serving);
    return f;
}

CSFList sampleIndex() {
    CSFList l;
    l.entries.push_back(food(1001, 0, "Apple juice", "1 cup", 248.0f));
    l.entries.push_back(food(25000, 10, "Pear, r\xE9" "cipe de grand-m\xE8re", "1 medium", 166.5f));
    l.entries.push_back(food(29000, 23, "", "", 0.0f));
    return l;
}

TEST(ShortFoodSerial, FieldsInFileOrder) {
    const Bytes b = test::writeTop(food(0x1234, 5, "Milk", "1 cup", 1.0f));
    EXPECT_EQ(b, ByteBuilder()
                     .newClass("ShortFood")
                     .word(0x1234)     // id
                     .word(5)          // category
                     .word(0x1234 % 1000) // record number
                     .word(3)          // position in the category
                     .dword(0x3F800000) // grams per serving
                     .word(ShortFood::kArchived)
                     .text("Milk")
                     .text("1 cup")
                     .bytes());
}

TEST(ShortFoodSerial, IndexListsEntriesAfterTheFirstWithTheClassTag0x8003) {
    const CSFList index = sampleIndex();
    const Bytes b = test::writeTop(index);
    const Bytes start = ByteBuilder().newClass("CSFList").word(3).newClass("ShortFood").bytes();
    ASSERT_GT(b.size(), start.size());
    EXPECT_EQ(Bytes(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(start.size())), start);
    // First entry: 5 words, an f32 and two counted strings.
    const std::size_t second = start.size() + 14 + 1 + index.entries[0].name.size() + 1 +
                               index.entries[0].servingText.size();
    ASSERT_GT(b.size(), second + 2);
    EXPECT_EQ(b[second], 0x03);
    EXPECT_EQ(b[second + 1], 0x80);
    EXPECT_EQ(b.size(), second + 2 + 14 + 1 + index.entries[1].name.size() + 1 + index.entries[1].servingText.size() +
                            2 + 14 + 2);
}

TEST(ShortFoodSerial, IndexRoundTripKeepsEveryField) {
    const CSFList index = sampleIndex();
    Archive a = Archive::forReading(test::writeTop(index));
    auto back = a.readObject<CSFList>();
    ASSERT_TRUE(back);
    EXPECT_EQ(a.bytesLeft(), 0u);
    ASSERT_EQ(back->entries.size(), index.entries.size());
    for (std::size_t i = 0; i < index.entries.size(); ++i) {
        const ShortFood& x = index.entries[i];
        const ShortFood& y = back->entries[i];
        EXPECT_EQ(y.id, x.id);
        EXPECT_EQ(y.category, x.category);
        EXPECT_EQ(y.recordNumber, x.recordNumber);
        EXPECT_EQ(y.indexInCategory, x.indexInCategory);
        EXPECT_EQ(y.gramsPerServing, x.gramsPerServing);
        EXPECT_EQ(y.flags, x.flags);
        EXPECT_EQ(y.name, x.name);
        EXPECT_EQ(y.servingText, x.servingText);
    }
}

TEST(ShortFoodSerial, DamagedIndexStreamsGiveTheirCause) {
    auto readIndex = [](Archive& a) { a.readObject<CSFList>(); };
    test::expectEveryCutIsEndOfFile(test::writeTop(sampleIndex()), readIndex);
    // A null entry has no place in the index.
    EXPECT_EQ(test::loadCause(ByteBuilder().newClass("CSFList").word(1).word(0).bytes(), readIndex),
              ArchiveError::badIndex);
    // A reference back to an entry already read: two bytes that would copy the
    // whole entry again.
    const Bytes twice = ByteBuilder()
                            .newClass("CSFList")
                            .word(2)
                            .newClass("ShortFood")
                            .word(1).word(1).word(1).word(1).dword(0).word(0).text(std::string(200, 'n')).text("")
                            .word(4)
                            .bytes();
    EXPECT_EQ(test::loadCause(twice, readIndex), ArchiveError::badIndex);
    // An entry where the index itself is expected, and the reverse.
    EXPECT_EQ(test::loadCause(test::writeTop(food(1, 1, "x", "y", 1.0f)), readIndex), ArchiveError::badClass);
    EXPECT_EQ(test::loadCause(ByteBuilder().newClass("CSFList").word(1).newClass("CSFList").word(0).bytes(),
                              readIndex),
              ArchiveError::badClass);
}

} // namespace
} // namespace korva
