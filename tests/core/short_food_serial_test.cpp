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
    l.entries.push_back(food(0x1234, 5, "Milk", "1 cup", 1.0f));
    l.entries.push_back(food(25000, 10,
                             "Pear, r\xE9"
                             "cipe de grand-m\xE8re",
                             "1 medium", 166.5f));
    l.entries.push_back(food(29000, 23, "", "", 0.0f));
    return l;
}

// The file layout: the list's class tag and count, the first entry with its
// class tag, every later entry behind the class reference 0x8003.
TEST(ShortFoodSerial, IndexLaysOutEveryFieldInFileOrder) {
    CSFList index = sampleIndex();
    index.entries.resize(2);
    index.entries[1] = food(25004, 3, "my shake", "1 glass", 50.0f);
    index.entries[1].flags = 2;
    const Bytes expected = ByteBuilder()
                               .newClass("CSFList")
                               .word(2)
                               .newClass("ShortFood")
                               .word(0x1234)
                               .word(5)
                               .word(0x1234 % 1000)
                               .word(3) // id, category, record, position
                               .dword(0x3F800000)
                               .word(ShortFood::kArchived) // 1.0f grams, flags
                               .text("Milk")
                               .text("1 cup")
                               .word(0x8003)
                               .word(25004)
                               .word(3)
                               .word(4)
                               .word(3)
                               .dword(0x42480000)
                               .word(2)
                               .text("my shake")
                               .text("1 glass")
                               .bytes();
    EXPECT_EQ(test::writeTop(index), expected);
}

TEST(ShortFoodSerial, IndexRoundTripKeepsEveryFieldAndLatin1Names) {
    const Bytes written = test::writeTop(sampleIndex());
    Archive a = Archive::forReading(written);
    auto back = a.readObject<CSFList>();
    ASSERT_TRUE(back);
    EXPECT_EQ(a.bytesLeft(), 0u);
    ASSERT_EQ(back->entries.size(), 3u);
    EXPECT_EQ(back->entries[1].name, sampleIndex().entries[1].name);
    EXPECT_EQ(test::writeTop(*back), written);
}

TEST(ShortFoodSerial, DamagedIndexStreamsGiveTheirCause) {
    auto readIndex = [](Archive& a) { a.readObject<CSFList>(); };
    test::expectEveryCutIsEndOfFile(test::writeTop(sampleIndex()), readIndex);
    // A reference back to an entry already read: two bytes that would copy
    // the whole entry again.
    const Bytes twice = ByteBuilder()
                            .newClass("CSFList")
                            .word(2)
                            .newClass("ShortFood")
                            .word(1)
                            .word(1)
                            .word(1)
                            .word(1)
                            .dword(0)
                            .word(0)
                            .text(std::string(200, 'n'))
                            .text("")
                            .word(4)
                            .bytes();
    const struct {
        const char* what;
        Bytes bytes;
        ArchiveError::Cause cause;
    } cases[] = {
        {"null entry", ByteBuilder().newClass("CSFList").word(1).word(0).bytes(), ArchiveError::badIndex},
        {"entry read twice", twice, ArchiveError::badIndex},
        {"entry where the index belongs", test::writeTop(food(1, 1, "x", "y", 1.0f)), ArchiveError::badClass},
        {"index where an entry belongs", ByteBuilder().newClass("CSFList").word(1).newClass("CSFList").word(0).bytes(),
         ArchiveError::badClass},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(test::loadCause(c.bytes, readIndex), c.cause);
    }
}

} // namespace
} // namespace korva
