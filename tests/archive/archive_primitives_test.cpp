#include <gtest/gtest.h>

#include "tests/archive/archive_test_support.h"

namespace korva {
namespace {

using test::ByteBuilder;
using test::Bytes;
using test::loadCause;

Bytes stringBytes(const std::string& s) {
    Archive a = Archive::inMemory();
    a.writeString(s);
    return a.bytes();
}

Bytes countBytes(std::uint32_t n) {
    Archive a = Archive::inMemory();
    a.writeCount(n);
    return a.bytes();
}

TEST(ArchivePrimitives, LittleEndianWithoutPaddingAndBack) {
    Archive a = Archive::inMemory();
    a.writeByte(0xAB);
    a.writeWord(0x1234);
    a.writeDword(0xDEADBEEF);
    a.writeF32(1.0f);
    std::int32_t minusTwo = -2;
    a.io(minusTwo);
    EXPECT_EQ(a.bytes(),
              ByteBuilder().byte(0xAB).word(0x1234).dword(0xDEADBEEF).dword(0x3F800000).dword(0xFFFFFFFE).bytes());

    Archive r = Archive::forReading(a.bytes());
    EXPECT_EQ(r.readByte(), 0xAB);
    EXPECT_EQ(r.readWord(), 0x1234);
    EXPECT_EQ(r.readDword(), 0xDEADBEEFu);
    EXPECT_EQ(r.readF32(), 1.0f);
    std::int32_t back = 0;
    r.io(back);
    EXPECT_EQ(back, -2);
    EXPECT_THROW(r.readByte(), ArchiveError);
}

TEST(ArchiveStrings, PrefixWidthFollowsTheLengthAndRoundTrips) {
    const struct {
        std::size_t length;
        Bytes prefix;
    } cases[] = {
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        // Every byte value, zeros and 8-bit characters included.
        std::string s(c.length, '\0');
        for (std::size_t i = 0; i < c.length; ++i) s[i] = static_cast<char>(i * 7 + 1);
        const Bytes b = stringBytes(s);
        ASSERT_EQ(b.size(), c.prefix.size() + c.length);
        EXPECT_EQ(Bytes(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(c.prefix.size())), c.prefix);

        Bytes followed = b;
        followed.push_back(0x5A); // the next field must start where the string ends
        Archive r = Archive::forReading(followed);
        EXPECT_EQ(r.readString(), s);
        EXPECT_EQ(r.readByte(), 0x5A);
    }
}

TEST(ArchiveStrings, ReaderAcceptsTheWideCharacterForm) {
    Archive r =
        Archive::forReading(ByteBuilder().byte(0xFF).word(0xFFFE).byte(3).word('a').word(0xE9).word(0x263A).bytes());
    EXPECT_EQ(r.readString(), "a\xE9?");
    EXPECT_EQ(r.bytesLeft(), 0u);
}

TEST(ArchiveStrings, LengthsBeyondTheBytesLeftAreEndOfFile) {
    auto read = [](Archive& a) { a.readString(); };
    // A length of four billion must be refused before anything is allocated.
    for (const Bytes& b : {ByteBuilder().byte(0xFF).word(0xFFFF).dword(0xFFFFFFFF).chars("abc").bytes(),
                           ByteBuilder().byte(0xFF).word(0xFFFE).byte(0xFF).word(0xFFFF).dword(0x7FFFFFFF).bytes(),
                           ByteBuilder().byte(0xFF).word(0xFFFE).byte(3).word('a').byte('b').bytes()})
        EXPECT_EQ(loadCause(b, read), ArchiveError::endOfFile);
    for (std::size_t n : {5u, 300u}) test::expectEveryCutIsEndOfFile(stringBytes(std::string(n, 'q')), read);
}

TEST(ArchiveCounts, WordUpTo65534ThenEscapedDword) {
    const std::pair<std::uint32_t, Bytes> cases[] = {
        {65534, {0xFE, 0xFF}},
        {65535, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {0xFFFFFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
    };
    for (const auto& [n, bytes] : cases) {
        SCOPED_TRACE(n);
        EXPECT_EQ(countBytes(n), bytes);
        Archive r = Archive::forReading(bytes);
        EXPECT_EQ(r.readCount(0), n);
        EXPECT_EQ(r.bytesLeft(), 0u);
    }
}

TEST(ArchiveCounts, ACountTheBytesLeftCannotHoldIsEndOfFile) {
    // Three elements of at least two bytes need six bytes; five are left.
    Bytes b = ByteBuilder().word(3).chars("12345").bytes();
    EXPECT_EQ(loadCause(b, [](Archive& a) { a.readCount(2); }), ArchiveError::endOfFile);
    b.push_back('6');
    EXPECT_EQ(loadCause(b, [](Archive& a) { EXPECT_EQ(a.readCount(2), 3u); }), ArchiveError::none);
    EXPECT_EQ(loadCause(ByteBuilder().word(0xFFFF).dword(0xFFFFFFFF).bytes(), [](Archive& a) { a.readCount(1); }),
              ArchiveError::endOfFile);
    test::expectEveryCutIsEndOfFile(countBytes(70000), [](Archive& a) { a.readCount(0); });
}

TEST(ArchivePrimitives, AFailedReadLeavesThePositionWhereItWas) {
    Archive r = Archive::forReading(Bytes{0x01, 0x02, 0x03});
    EXPECT_THROW(r.readDword(), ArchiveError);
    EXPECT_EQ(r.position(), 0u);
    EXPECT_EQ(r.readWord(), 0x0201);
}

} // namespace
} // namespace korva
