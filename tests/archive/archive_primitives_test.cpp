#include <gtest/gtest.h>

#include <cstring>
#include <limits>

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

Bytes head(const Bytes& b, std::size_t n) { return Bytes(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(n)); }

TEST(ArchivePrimitives, LittleEndianWithoutPadding) {
    Archive a = Archive::inMemory();
    a.writeByte(0xAB);
    a.writeWord(0x1234);
    a.writeDword(0xDEADBEEF);
    a.writeF32(1.0f);
    std::int32_t minusTwo = -2;
    a.io(minusTwo);
    EXPECT_EQ(a.bytes(), ByteBuilder()
                             .byte(0xAB)
                             .word(0x1234)
                             .dword(0xDEADBEEF)
                             .dword(0x3F800000)
                             .dword(0xFFFFFFFE)
                             .bytes());

    Archive r = Archive::forReading(a.bytes());
    EXPECT_EQ(r.readByte(), 0xAB);
    EXPECT_EQ(r.readWord(), 0x1234);
    EXPECT_EQ(r.readDword(), 0xDEADBEEFu);
    EXPECT_EQ(r.readF32(), 1.0f);
    std::int32_t back = 0;
    r.io(back);
    EXPECT_EQ(back, -2);
    EXPECT_EQ(r.bytesLeft(), 0u);
    EXPECT_THROW(r.readByte(), ArchiveError);
}

TEST(ArchivePrimitives, FloatBitsSurviveIncludingNaNPayloads) {
    const std::uint32_t patterns[] = {0x7FC00001u, 0xFF800000u, 0x00000001u, 0x80000000u};
    for (std::uint32_t bits : patterns) {
        float f;
        std::memcpy(&f, &bits, 4);
        Archive a = Archive::inMemory();
        a.writeF32(f);
        Archive r = Archive::forReading(a.bytes());
        const float g = r.readF32();
        std::uint32_t back;
        std::memcpy(&back, &g, 4);
        EXPECT_EQ(back, bits);
    }
}

TEST(ArchiveStrings, PrefixWidthFollowsTheLength) {
    EXPECT_EQ(stringBytes(""), Bytes{0x00});
    const Bytes b254 = stringBytes(std::string(254, 'x'));
    EXPECT_EQ(b254.size(), 255u);
    EXPECT_EQ(b254[0], 0xFE);
    EXPECT_EQ(head(stringBytes(std::string(255, 'x')), 3), (Bytes{0xFF, 0xFF, 0x00}));
    EXPECT_EQ(head(stringBytes(std::string(65533, 'x')), 3), (Bytes{0xFF, 0xFD, 0xFF}));
    EXPECT_EQ(stringBytes(std::string(65533, 'x')).size(), 65533u + 3);
    EXPECT_EQ(head(stringBytes(std::string(65534, 'x')), 7), (Bytes{0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(head(stringBytes(std::string(70000, 'x')), 7), (Bytes{0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}));
    EXPECT_EQ(stringBytes(std::string(70000, 'x')).size(), 70000u + 7);
}

TEST(ArchiveStrings, RoundTripAtEveryPrefixBoundary) {
    for (std::size_t n : {0u, 1u, 254u, 255u, 256u, 65533u, 65534u, 65535u, 65536u, 70000u}) {
        std::string s(n, '\0');
        for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<char>(i * 7 + 1);
        Archive a = Archive::inMemory();
        a.writeString(s);
        a.writeByte(0x5A); // the next field must start where the string ends
        Archive r = Archive::forReading(a.bytes());
        EXPECT_EQ(r.readString(), s) << n;
        EXPECT_EQ(r.readByte(), 0x5A) << n;
    }
}

TEST(ArchiveStrings, EightBitCharactersAndEmbeddedZerosAreKept) {
    const std::string latin1 = std::string("Cr\xE8me br\xFBl\xE9") + '\0' + "e";
    Archive a = Archive::inMemory();
    a.writeString(latin1);
    Archive r = Archive::forReading(a.bytes());
    EXPECT_EQ(r.readString(), latin1);
}

TEST(ArchiveStrings, ReaderAcceptsTheWideCharacterForm) {
    const Bytes wide = ByteBuilder().byte(0xFF).word(0xFFFE).byte(3).word('a').word(0xE9).word(0x263A).bytes();
    Archive r = Archive::forReading(wide);
    EXPECT_EQ(r.readString(), "a\xE9?");
    EXPECT_EQ(r.bytesLeft(), 0u);

    const Bytes longWide = ByteBuilder().byte(0xFF).word(0xFFFE).byte(0xFF).word(2).word('o').word('k').bytes();
    Archive r2 = Archive::forReading(longWide);
    EXPECT_EQ(r2.readString(), "ok");
}

TEST(ArchiveStrings, LengthsBeyondTheBytesLeftAreEndOfFile) {
    auto read = [](Archive& a) { a.readString(); };
    // A length of four billion must be refused before anything is allocated.
    EXPECT_EQ(loadCause(ByteBuilder().byte(0xFF).word(0xFFFF).dword(0xFFFFFFFF).chars("abc").bytes(), read),
              ArchiveError::endOfFile);
    EXPECT_EQ(loadCause(ByteBuilder().byte(0xFF).word(0xFFFE).byte(0xFF).word(0xFFFF).dword(0x7FFFFFFF).bytes(),
                        read),
              ArchiveError::endOfFile);
    EXPECT_EQ(loadCause(ByteBuilder().byte(0xFF).word(0xFFFE).byte(3).word('a').byte('b').bytes(), read),
              ArchiveError::endOfFile);
    for (std::size_t n : {5u, 300u}) test::expectEveryCutIsEndOfFile(stringBytes(std::string(n, 'q')), read);
}

TEST(ArchiveCounts, WordUpTo65534ThenEscapedDword) {
    EXPECT_EQ(countBytes(0), (Bytes{0x00, 0x00}));
    EXPECT_EQ(countBytes(65534), (Bytes{0xFE, 0xFF}));
    EXPECT_EQ(countBytes(65535), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(countBytes(0x12345678), (Bytes{0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12}));
    for (std::uint32_t n : {0u, 1u, 65534u, 65535u, 65536u, 0xFFFFFFFFu}) {
        Archive r = Archive::forReading(countBytes(n));
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

TEST(ArchivePrimitives, EveryCutOfAMixedRecordIsEndOfFile) {
    Archive a = Archive::inMemory();
    a.writeWord(0x0DAF);
    a.writeString("kvflist/fl0001.fls");
    a.writeDword(7);
    a.writeF32(2.5f);
    a.writeString(std::string(300, 'z'));
    a.writeByte(1);
    test::expectEveryCutIsEndOfFile(a.bytes(), [](Archive& r) {
        r.readWord();
        r.readString();
        r.readDword();
        r.readF32();
        r.readString();
        r.readByte();
    });
}

TEST(ArchivePrimitives, AFailedReadLeavesThePositionWhereItWas) {
    Archive r = Archive::forReading(Bytes{0x01, 0x02, 0x03});
    EXPECT_THROW(r.readDword(), ArchiveError);
    EXPECT_EQ(r.position(), 0u);
    EXPECT_EQ(r.readWord(), 0x0201);
}

} // namespace
} // namespace korva
