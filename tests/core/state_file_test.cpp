#include "core/state_file.h"

#include <gtest/gtest.h>

#include <string>

namespace korva {
namespace {

StateFileData sample() {
    StateFileData d;
    d.versionText = "2.10";
    d.dateText = "11/05/98";
    d.flags = kNoInsertions | kNoEdits;
    d.archived = 5212;
    d.unconsolidated = 0;
    d.deleted = 3;
    d.edited = 7;
    d.shippedRecords = 5100;
    d.lastUserFoodId = 25011;
    d.lastRecipeId = 29004;
    d.lastRecipeFileNumber = 4;
    d.lastUserFileNumber = 2;
    d.userFileName = "user02.rda";
    return d;
}

void expectSame(const StateFileData& a, const StateFileData& b) {
    EXPECT_EQ(a.versionText, b.versionText);
    EXPECT_EQ(a.dateText, b.dateText);
    EXPECT_EQ(a.flags, b.flags);
    EXPECT_EQ(a.archived, b.archived);
    EXPECT_EQ(a.unconsolidated, b.unconsolidated);
    EXPECT_EQ(a.deleted, b.deleted);
    EXPECT_EQ(a.edited, b.edited);
    EXPECT_EQ(a.shippedRecords, b.shippedRecords);
    EXPECT_EQ(a.lastUserFoodId, b.lastUserFoodId);
    EXPECT_EQ(a.lastRecipeId, b.lastRecipeId);
    EXPECT_EQ(a.lastRecipeFileNumber, b.lastRecipeFileNumber);
    EXPECT_EQ(a.lastUserFileNumber, b.lastUserFileNumber);
    EXPECT_EQ(a.userFileName, b.userFileName);
}

std::string toLf(std::string s) {
    std::string out;
    for (char c : s)
        if (c != '\r')
            out += c;
    return out;
}

TEST(StateFile, WritesTheNineteenLinesExactly) {
    const std::string expected =
        "KORVA Version : 2.10\r\n"
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
    EXPECT_EQ(formatStateFile(sample()), expected);

    StateFileData other = sample();
    other.flags = kConsolidated | kNoDeletions;
    std::string text = formatStateFile(other);
    EXPECT_NE(text.find("  CONSOL STATE : DB_CONSOL\r\n"), std::string::npos);
    EXPECT_NE(text.find("  DELETE STATE : DB_NO_DELETE\r\n"), std::string::npos);
    EXPECT_NE(text.find("  INSERT STATE : DB_INSERTIONS\r\n"), std::string::npos);
    EXPECT_NE(text.find("  EDIT STATE   : DB_EDITED\r\n"), std::string::npos);
}

TEST(StateFile, ReadsBackWhatItWroteWithEitherLineEnd) {
    for (std::uint16_t flags = 0; flags <= kAllStateFlags; ++flags) {
        StateFileData d = sample();
        d.flags = flags;
        d.archived = -4;  // carried as written, even when odd
        std::string text = formatStateFile(d);
        int lines = 0;
        expectSame(parseStateFile(text, &lines), d);
        EXPECT_EQ(lines, 19);
        expectSame(parseStateFile(toLf(text)), d);
        // What goes round once comes out byte for byte.
        EXPECT_EQ(formatStateFile(parseStateFile(text)), text);
    }
}

TEST(StateFile, FlagTestsAreCaseSensitiveSubstrings) {
    std::string text = formatStateFile(sample());
    auto withLine = [&](const std::string& from, const std::string& to) {
        std::string t = text;
        t.replace(t.find(from), from.size(), to);
        return parseStateFile(t).flags;
    };
    // Any wording that holds the marker counts, and only that.
    EXPECT_TRUE(withLine("DB_UNCONS", "XX_CONSOLIDATED") & kConsolidated);
    EXPECT_FALSE(withLine("DB_UNCONS", "db_consol") & kConsolidated);
    EXPECT_FALSE(withLine("DB_DELETIONS ", "DB_NO_DELET") & kNoDeletions);
    EXPECT_TRUE(withLine("DB_NO_INSERT", "NO_INSERT") & kNoInsertions);
    EXPECT_FALSE(withLine("DB_NO_EDIT", "DB_EDITED") & kNoEdits);
}

TEST(StateFile, ValuesFollowTheFirstColonAndOneCharacter) {
    std::string text = formatStateFile(sample());
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string t = text;
        t.replace(t.find(from), from.size(), to);
        return parseStateFile(t);
    };
    EXPECT_EQ(replaced("KORVA Version : 2.10", "KORVA Version :2.10").versionText, ".10");
    EXPECT_EQ(replaced("KORVA Version : 2.10", "no colon here").versionText, "no colon here");
    EXPECT_EQ(replaced("DATE          : 11/05/98", "DATE: a: b").dateText, "a: b");
    EXPECT_EQ(replaced("ARCHIVED         : 5212", "ARCHIVED :   17 records").archived, 17);
    EXPECT_EQ(replaced("DELETED          : 3", "DELETED : -2").deleted, -2);
}

TEST(StateFile, DamagedNumbersKeepTheirDefaults) {
    const StateFileData defaults;
    std::string text = formatStateFile(sample());
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string t = text;
        t.replace(t.find(from), from.size(), to);
        return parseStateFile(t);
    };
    EXPECT_EQ(replaced("ARCHIVED         : 5212", "ARCHIVED         : many").archived, defaults.archived);
    EXPECT_EQ(replaced("ARCHIVED         : 5212", "ARCHIVED         : 99999999999").archived,
              defaults.archived);
    StateFileData half = replaced("LAST UID, RCID   : 25011  29004", "LAST UID, RCID   : 25011  x");
    EXPECT_EQ(half.lastUserFoodId, 25011);
    EXPECT_EQ(half.lastRecipeId, defaults.lastRecipeId);
}

TEST(StateFile, TruncatedFileAssumesPendingWorkAndDefaultUser) {
    std::string text = formatStateFile(sample());
    // Cut after every line and in the middle of lines: always a usable state.
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        int lines = -1;
        StateFileData d = parseStateFile(std::string_view(text).substr(0, cut), &lines);
        EXPECT_GE(lines, 0);
        EXPECT_LE(lines, 19);
        EXPECT_FALSE(d.userFileName.empty());
    }
    // Only the head survived: nothing may be taken as done.
    std::string head = text.substr(0, text.find("  CONSOL STATE"));
    StateFileData d = parseStateFile(head);
    EXPECT_EQ(d.versionText, "2.10");
    EXPECT_EQ(d.flags, 0);
    EXPECT_EQ(d.userFileName, "user00.rda");
    EXPECT_EQ(parseStateFile("").flags, 0);
}

TEST(StateFile, UserFileNameIsAPlainName) {
    std::string text = formatStateFile(sample());
    auto withUser = [&](const std::string& name) {
        std::string t = text;
        t.replace(t.find("user02.rda"), 10, name);
        return parseStateFile(t).userFileName;
    };
    EXPECT_EQ(withUser("user05.rda  "), "user05.rda");
    EXPECT_EQ(withUser("../../etc/passwd"), "user00.rda");
    EXPECT_EQ(withUser("..\\x.rda"), "user00.rda");
    EXPECT_EQ(withUser(""), "user00.rda");
}

TEST(StateFile, LongLinesAreCutNotSpilledIntoTheNext) {
    std::string text = formatStateFile(sample());
    std::string longDate(200, '7');
    text.replace(text.find("11/05/98"), 8, longDate);
    StateFileData d = parseStateFile(text);
    EXPECT_EQ(d.dateText.size(), 78u - 16u);
    EXPECT_EQ(d.archived, 5212);
    EXPECT_EQ(d.userFileName, "user02.rda");
}

TEST(StateFile, SurvivesArbitraryBytes) {
    std::string junk;
    for (int i = 0; i < 4096; ++i)
        junk += static_cast<char>((i * 131 + 7) & 0xFF);
    StateFileData d = parseStateFile(junk);
    EXPECT_FALSE(d.userFileName.empty());
}

} // namespace
} // namespace korva
