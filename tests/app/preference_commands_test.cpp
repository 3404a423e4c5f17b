#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/preference_commands.h"
#include "tests/app/app_temp_dir.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

class PreferenceCommandsTest : public test::AppTempDir {
protected:
    void SetUp() override {
        AppTempDir::SetUp();
        platform.screen = {1024, 768};
        prefs.load(dir, platform);
        commands = std::make_unique<PreferenceCommands>(prefs, dir, platform);
    }
    // What the next start would see.
    DisplayPreferences restarted() {
        DisplayPreferences p;
        p.load(dir, platform);
        return p;
    }
    static FontChoice font(const std::string& face, int height, int charWidth, int charHeight) {
        FontChoice c;
        c.font.faceName = face;
        c.font.height = height;
        c.font.weight = 400;
        c.charWidth = charWidth;
        c.charHeight = charHeight;
        return c;
    }

    DisplayPreferences prefs;
    std::unique_ptr<PreferenceCommands> commands;
};

TEST_F(PreferenceCommandsTest, ScaleEntryTakesTheBoundsAndEndsTheProgramRefusesTheRest) {
    platform.answerText("0.8 1.2");
    EXPECT_EQ(commands->onXYScale(), CommandEnd::endProgram);
    EXPECT_EQ(platform.prompts, std::vector<std::string>{"Old Values : X =1.100, Y = 1.050"});
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{"... restart KORVA for scale changes; exiting ..."});
    EXPECT_EQ((std::array{restarted().factors().x, restarted().factors().y}), (std::array{0.8f, 1.2f}));

    // Read like a formatted scan: signs, tabs, a bare decimal point, trailing words.
    platform.answerText(std::string("  +1.05\t.9 trailing"));
    EXPECT_EQ(commands->onXYScale(), CommandEnd::endProgram);
    EXPECT_EQ((std::array{restarted().factors().x, restarted().factors().y}), (std::array{1.05f, 0.9f}));
    for (const char* text : {"0.79 1.0", "1.0 1.21", "1.0", "", "abc 1.0", "nan nan", "1.0,1.1"}) {
        platform.messages.clear();
        platform.answerText(std::string(text));
        EXPECT_EQ(commands->onXYScale(), CommandEnd::done) << text;
        EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{" ... error; values out of range (0.8 - 1.2) ..."})
            << text;
    }
    EXPECT_FLOAT_EQ(restarted().factors().x, 1.05f);

    platform.messages.clear();
    platform.answerText(std::nullopt);
    EXPECT_EQ(commands->onXYScale(), CommandEnd::done);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PreferenceCommandsTest, RestoreDefaultsDeletesEveryPreferenceFileAndNothingElse) {
    for (const char* name : {"default.bft", "pfont.bft", "xyscale.bft", "sfont.bft", "xyfile.bft", "OLD.BFT"})
        writeBytes(dir / name, {1, 2, 3});
    writeBytes(dir / "user00.rda", {1});
    writeBytes(dir / "user00" / "a.bft", {1});
    EXPECT_EQ(commands->onRestoreDefaults(), CommandEnd::endProgram);
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{"... restart KORVA for default font; exiting ..."});
    std::vector<std::string> left;
    for (auto& e : std::filesystem::directory_iterator(dir)) left.push_back(e.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"user00", "user00.rda"}));
    EXPECT_TRUE(std::filesystem::exists(dir / "user00" / "a.bft"));
}

TEST_F(PreferenceCommandsTest, ChosenScreenFontWithAdjustmentTakesEffectAtTheNextStart) {
    const FontChoice current = font("Current", -16, 8, 16);
    platform.answerFont(font("Bigger", -20, 8, 18));
    platform.answer(MsgAnswer::yes);
    EXPECT_EQ(commands->onScreenFont(current), CommandEnd::endProgram);

    EXPECT_EQ(platform.fontRequests.at(0).initial, current.font);
    EXPECT_EQ(platform.messageTexts(),
              (std::vector<std::string>{" ... replace old scaling with adjustment?...",
                                        "... re-start KORVA for screen font change; exiting ..."}));
    auto next = restarted();
    EXPECT_EQ(next.screenFont().faceName, "Bigger");
    // X: 1.1 x 1.2 x 8/8 is held to 1.2; Y: 1.05 x 18/16.
    EXPECT_FLOAT_EQ(next.factors().x, 1.2f);
    EXPECT_FLOAT_EQ(next.factors().y, 1.05f * 18.0f / 16.0f);
    EXPECT_TRUE(std::filesystem::exists(dir / "xyfile.bft"));
}

TEST_F(PreferenceCommandsTest, ScreenFontWithoutAdjustmentKeepsTheScaleAndCancelChangesNothing) {
    platform.answerFont(std::nullopt);
    EXPECT_EQ(commands->onScreenFont(font("Swiss", 17, 7, 17)), CommandEnd::done);
    // The family name of the defaults opens the chooser on a real face at 10 points.
    EXPECT_EQ(platform.fontRequests.at(0).initial.faceName, "MS Sans Serif");
    EXPECT_EQ(platform.fontRequests.at(0).initial.height, -13);
    EXPECT_TRUE(platform.messages.empty() && std::filesystem::is_empty(dir));

    platform.answerFont(font("Other", -12, 6, 12));
    platform.answer(MsgAnswer::no);
    EXPECT_EQ(commands->onScreenFont(font("Current", -16, 8, 16)), CommandEnd::endProgram);
    EXPECT_FALSE(std::filesystem::exists(dir / "xyscale.bft") || std::filesystem::exists(dir / "xyfile.bft"));
    EXPECT_EQ(restarted().screenFont().faceName, "Other");
}

TEST(ScaleAdjustment, HeldWithinBoundsAndUnmeasuredSizesChangeNothing) {
    auto f = PreferenceCommands::adjustedFactors({1.0f, 1.0f}, FontChoice{{}, 10, 20}, FontChoice{{}, 5, 10});
    EXPECT_EQ((std::array{f.x, f.y}), (std::array{0.8f, 0.8f}));
    // Unmeasured sizes leave the factors as they were.
    f = PreferenceCommands::adjustedFactors({0.9f, 1.1f}, FontChoice{{}, 0, 0}, FontChoice{{}, 5, 10});
    EXPECT_EQ((std::array{f.x, f.y}), (std::array{0.9f, 1.1f}));
}

TEST_F(PreferenceCommandsTest, PrinterFontIsChosenInScreenUnitsStoredInPrinterUnitsAndNeedsAPrinter) {
    // 44 x 18 printer units at 600 dpi are 7 x 3 on a 96 dpi screen.
    FontChoice chosen = font("Printer Face", 8, 4, 8);
    chosen.font.width = 4;
    platform.answerFont(chosen);
    EXPECT_EQ(commands->onPrinterFont(), CommandEnd::done);
    ASSERT_EQ(platform.fontRequests.size(), 1u);
    EXPECT_EQ(platform.fontRequests[0].use, FontUse::printer);
    EXPECT_EQ((std::array{platform.fontRequests[0].initial.height, platform.fontRequests[0].initial.width,
                          prefs.printerFont().height, prefs.printerFont().width}),
              (std::array{7, 3, 50, 25}));
    EXPECT_EQ(restarted().printerFont(), prefs.printerFont());

    platform.fontRequests.clear();
    platform.printerDpi.reset();
    EXPECT_EQ(commands->onPrinterFont(), CommandEnd::done);
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{"Could not get printer defaults"});
    EXPECT_TRUE(platform.fontRequests.empty());

    platform.messages.clear();
    platform.printerDpi = DotsPerInch{0, 600};
    EXPECT_EQ(commands->onPrinterFont(), CommandEnd::done);
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{"Could not create printer DC"});
    EXPECT_EQ(restarted().printerFont(), prefs.printerFont());
}

} // namespace
} // namespace korva
