#include <gtest/gtest.h>

#include "archive/archive.h"

using korva::Archive;

TEST(ArchiveSmoke, WordIsLittleEndian) {
    Archive a = Archive::inMemory();
    a.writeWord(0x1234);
    ASSERT_EQ(a.bytes().size(), 2u);
    EXPECT_EQ(a.bytes()[0], 0x34);
    EXPECT_EQ(a.bytes()[1], 0x12);
}
