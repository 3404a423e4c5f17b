#include "core/profile_file.h"

#include <gtest/gtest.h>

#include "tests/support/data_tree.h"

namespace korva {
namespace {

// The profile file laid out byte for byte, written and read back.
TEST(ProfileFileLayout, FixedBytes) {
    std::vector<std::uint8_t> bytes(312, 0);
    const std::pair<std::size_t, std::vector<std::uint8_t>> pieces[] = {
        {0, {0xAF, 0x0D, 0xCC, 0x0C}},          // the two marker words
        {4, {0x00, 0x00, 0xFA, 0x44}},          // value 0: 2000.0f
        {4 + 38 * 4, {0x00, 0x00, 0xC0, 0x3F}}, // value 38: 1.5f
        {4 + 156, {0x12}},                      // levels of nutrients 0 (high nibble) and 1 (low)
        {4 + 175, {0x20}},                      // level of nutrient 38
        {4 + 176, {0x34, 0x12, 0x17, 0x00}},    // id, category
        {184, {'A', 'n', 'n'}},
    };
    for (const auto& [at, piece] : pieces) std::copy(piece.begin(), piece.end(), bytes.begin() + long(at));

    ProfileFile f;
    f.profile.setValue(0, 2000.0f);
    f.profile.setValue(38, 1.5f);
    f.profile.setLevel(0, 1);
    f.profile.setLevel(1, 2);
    f.profile.setLevel(38, 2);
    f.profile.id = 0x1234;
    f.profile.category = 23;
    f.name = "Ann";
    EXPECT_EQ(f.encode(), bytes);

    test::DataTree tree;
    const auto path = tree.paths().userDir() / "user01.rda";
    ASSERT_TRUE(writeProfileFile(path, f));
    EXPECT_EQ(test::fileBytes(path), bytes);
    const ProfileReadResult back = decodeProfileFile(bytes);
    ASSERT_EQ(back.outcome, ProfileReadOutcome::ok);
    EXPECT_EQ(back.file.profile, f.profile);
    EXPECT_EQ(back.file.name, "Ann");
}

} // namespace
} // namespace korva
