#include "core/state_file.h"

#include <gtest/gtest.h>

#include <string>

namespace korva {
namespace {

const StateFileData kSample{.versionText = "2.10",
                            .dateText = "11/05/98",
                            .flags = kNoInsertions | kNoEdits,
                            .archived = 5212,
                            .deleted = 3,
                            .edited = 7,
                            .shippedRecords = 5100,
                            .lastUserFoodId = 25011,
                            .lastRecipeId = 29004,
                            .lastRecipeFileNumber = 4,
                            .lastUserFileNumber = 2,
                            .userFileName = "user02.rda"};

class StateFile : public ::testing::Test {
protected:
    // The sample file with one piece of text replaced, read back.
    StateFileData readWith(const std::string& from, const std::string& to) const {
        std::string t = text;
        t.replace(t.find(from), from.size(), to);
        return parseStateFile(t);
    }

    const std::string text = formatStateFile(kSample);
};

TEST_F(StateFile, WritesTheNineteenLinesExactly) {
    const std::string expected = "KORVA Version : 2.10\r\n"
                                 "\r\n"
                                 "DATE          : 11/05/98\r\n"
                                 "\r\n"
                                 "Data Base State Information\r\n"
                                 "  CONSOL STATE : DB_UNCONS\r\n"
                                 "  DELETE STATE : DB_DELETIONS \r\n"
                                 "  INSERT STATE : DB_NO_INSERT\r\n"
                                 "  EDIT STATE   : DB_NO_EDIT\r\n"
                                 "Food Record Information\r\n"
                                 "ARCHIVED         : 5212\r\n"
                                 "UNCONSOLIDATED   : 0\r\n"
                                 "DELETED          : 3\r\n"
                                 "EDITED           : 7\r\n"
                                 "USDA RECORDS     : 5100\r\n"
                                 "LAST UID, RCID   : 25011  29004\r\n"
                                 "LAST RCP,RDA F#s : 4 2\r\n"
                                 "User Preferences\r\n"
                                 "User ODA/RDA File : user02.rda\r\n";
    EXPECT_EQ(text, expected);

    StateFileData other = kSample;
    other.flags = kConsolidated | kNoDeletions;
    const std::string flipped = formatStateFile(other);
    for (const char* line : {"  CONSOL STATE : DB_CONSOL\r\n", "  DELETE STATE : DB_NO_DELETE\r\n",
                             "  INSERT STATE : DB_INSERTIONS\r\n", "  EDIT STATE   : DB_EDITED\r\n"})
        EXPECT_NE(flipped.find(line), std::string::npos) << line;
}

// Every field goes round: writing what was read gives the same bytes back,
// whether the lines ended in CR LF or LF.
TEST_F(StateFile, ReadsBackWhatItWroteWithEitherLineEnd) {
    for (std::uint16_t flags = 0; flags <= kAllStateFlags; ++flags) {
        SCOPED_TRACE(flags);
        StateFileData d = kSample;
        d.flags = flags;
        d.archived = -4; // carried as written, even when odd
        const std::string written = formatStateFile(d);
        std::string lf;
        for (char c : written)
            if (c != '\r') lf += c;
        int lines = 0;
        EXPECT_EQ(formatStateFile(parseStateFile(written, &lines)), written);
        EXPECT_EQ(lines, 19);
        EXPECT_EQ(formatStateFile(parseStateFile(lf)), written);
    }
}

// What hand-edited or damaged lines read as; cut files and junk at large
// are the fuzz target's.
TEST_F(StateFile, DamagedLinesReadAsFarAsTheyCan) {
    const StateFileData defaults;
    EXPECT_TRUE(readWith("DB_UNCONS", "XX_CONSOLIDATED").flags & kConsolidated);
    EXPECT_FALSE(readWith("DB_UNCONS", "db_consol").flags & kConsolidated);
    EXPECT_EQ(readWith("KORVA Version : 2.10", "KORVA Version :2.10").versionText, ".10");
    EXPECT_EQ(readWith("DATE          : 11/05/98", "DATE: a: b").dateText, "a: b");
    EXPECT_EQ(readWith("ARCHIVED         : 5212", "ARCHIVED :   17 records").archived, 17);
    EXPECT_EQ(readWith("ARCHIVED         : 5212", "ARCHIVED : 99999999999").archived, defaults.archived);
    const StateFileData half = readWith("25011  29004", "25011  x");
    EXPECT_EQ(half.lastUserFoodId, 25011);
    EXPECT_EQ(half.lastRecipeId, defaults.lastRecipeId);
    // A long line is cut, not spilled into the next.
    const StateFileData longDate = readWith("11/05/98", std::string(200, '7'));
    EXPECT_EQ(longDate.dateText.size(), 78u - 16u);
    EXPECT_EQ(longDate.archived, 5212);
    // A file cut short assumes pending work and the default user, and the
    // user's file is a plain name in the user folder.
    const StateFileData cut = parseStateFile(text.substr(0, text.find("  CONSOL STATE")));
    EXPECT_EQ(cut.flags, 0);
    EXPECT_EQ(cut.userFileName, "user00.rda");
    EXPECT_EQ(readWith("user02.rda", "user05.rda  ").userFileName, "user05.rda");
    for (const char* unsafe : {"../../etc/passwd", "..\\x.rda", ""})
        EXPECT_EQ(readWith("user02.rda", unsafe).userFileName, "user00.rda") << unsafe;
}

} // namespace
} // namespace korva
