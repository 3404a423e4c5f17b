#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "app/display_preferences.h"
#include "app/main_frame_size.h"
#include "tests/app/app_temp_dir.h"

namespace korva {
namespace {

std::vector<std::uint8_t> floats(float x, float y) {
    std::vector<std::uint8_t> b(8);
    std::memcpy(b.data(), &x, 4);
    std::memcpy(b.data() + 4, &y, 4);
    return b;
}

std::vector<std::uint8_t> fontBytes(const FontDescription& f) {
    auto a = f.encode();
    return {a.begin(), a.end()};
}

FontDescription namedFont(const std::string& face, int height) {
    FontDescription f;
    f.faceName = face;
    f.height = height;
    f.weight = 700;
    f.italic = 1;
    return f;
}

class DisplayPreferencesTest : public test::AppTempDir {
protected:
    DisplayPreferences loadOn(int width, int height) {
        platform.screen = {width, height};
        DisplayPreferences prefs;
        prefs.load(dir, platform);
        return prefs;
    }
};

TEST_F(DisplayPreferencesTest, ScreenWidthDecidesFactorsAndDefaultFontsAndHalfPixelsRoundDown) {
    auto p1024 = loadOn(1024, 768);
    EXPECT_EQ(p1024.scaleX(1100), 968);
    EXPECT_EQ(p1024.scaleY(1024), 806); // 768 x 1.05 = 806.4
    EXPECT_EQ(p1024.screenFont().faceName, "Swiss");
    EXPECT_EQ(p1024.scaleDialogRect({-10, -20, 0, 40}), (DesignRect{-11, 0, 0, 42})); // the top stays on screen
    EXPECT_EQ(loadOn(640, 480).screenFont().faceName, "Arial");
    EXPECT_EQ(loadOn(1920, 1080).scaleX(1280), 1920);
    auto p1280 = loadOn(1280, 1024);
    EXPECT_EQ((std::array{p1280.scaleX(2.5), p1280.scaleX(2.51), p1280.scaleY(3.5)}), (std::array{2, 3, 3}));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DisplayPreferencesTest, FontFileDependsOnScreenWidthAndChosenFontWins) {
    writeBytes(dir / "default.bft", fontBytes(namedFont("Default Face", 21)));
    writeBytes(dir / "sf640d.bft", fontBytes(namedFont("Small Face", 13)));
    EXPECT_EQ(loadOn(640, 480).screenFont().faceName, "Small Face");
    EXPECT_EQ(loadOn(800, 600).screenFont().faceName, "Default Face");

    writeBytes(dir / "sfont.bft", fontBytes(namedFont("Chosen Face", 19)));
    EXPECT_EQ(loadOn(800, 600).screenFont(), namedFont("Chosen Face", 19));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DisplayPreferencesTest, FontFilesThatYieldNoFontFallBackWithTheirMessage) {
    writeBytes(dir / "default.bft", {1, 2, 3});
    auto absurd = namedFont("Big", 0);
    absurd.height = 1 << 30;
    writeBytes(dir / "pfont.bft", fontBytes(absurd));
    auto prefs = loadOn(1280, 1024);
    EXPECT_EQ(platform.messageTexts(), (std::vector<std::string>{
                                           ".. could not create screen font - using default...",
                                           ".. could not create PRINTER font - using default...",
                                       }));
    EXPECT_TRUE(prefs.screenFont() == defaultScreenFont(1280) && prefs.printerFont() == defaultPrinterFont(1280));
}

TEST_F(DisplayPreferencesTest, ScaleFileIsUsedInRangeElseReportedAndDeleted) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        std::vector<std::uint8_t> bytes;
        bool good;
    } cases[] = {// clang-format off
        {floats(0.8f, 1.2f), true},     {floats(1.21f, 1.0f), false}, {floats(1.0f, 0.79f), false},
        {floats(nan, 1.0f), false},     {{0x00, 0x00, 0x80}, false}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.bytes));
        platform.messages.clear();
        writeBytes(dir / "xyscale.bft", c.bytes);
        auto prefs = loadOn(1024, 768);
        EXPECT_EQ(std::filesystem::exists(dir / "xyscale.bft"), c.good);
        EXPECT_EQ((std::array{prefs.factors().x, prefs.factors().y}),
                  (c.good ? std::array{0.8f, 1.2f} : std::array{1.1f, 1.05f}));
        EXPECT_EQ(platform.messageTexts(),
                  std::vector<std::string>(c.good ? 0 : 1,
                                           " ... ERROR : X/Y factor out of range(.8-1.2); restoring default ..."));
    }
}

TEST_F(DisplayPreferencesTest, MainWindowSizeByScreenWidthWithTheFactors) {
    const PixelSize free{1900, 1000}; // a wider screen's free area is used only off the table
    EXPECT_EQ(mainFrameSize(loadOn(640, 480), free), (PixelSize{600, 441})); // 1200 x 940 design units
    writeBytes(dir / "xyscale.bft", floats(0.8f, 1.2f));
    EXPECT_EQ(mainFrameSize(loadOn(800, 600), free), (PixelSize{600, 682}));    // 1200 x 970
    EXPECT_EQ(mainFrameSize(loadOn(1920, 1080), free), (PixelSize{1216, 960})); // 4/5 of 1900 x 1000, factors on top
    EXPECT_EQ(mainFrameSize(loadOn(1280, 800), {1280, 770}).height, 770);       // 850 x 1.2 design units would not fit
}

TEST(FontDescription, SixtyBytesRoundTripAndFaceEndsInsideTheRecord) {
    FontDescription f = namedFont("A face name that is much too long for the record", -13);
    f.escapement = -1;
    f.charSet = 0xEE;
    auto bytes = f.encode();
    ASSERT_EQ(bytes.size(), 60u);
    EXPECT_EQ(bytes[59], 0);   // the face keeps its terminator
    EXPECT_EQ(bytes[3], 0xFF); // heights are signed little-endian
    auto back = FontDescription::decode({bytes.begin(), bytes.end()});
    ASSERT_TRUE(back);
    f.faceName.resize(31);
    EXPECT_EQ(*back, f);

    // A record whose face fills all 32 bytes without a zero is read to its end.
    std::vector<std::uint8_t> full(bytes.begin(), bytes.end());
    std::fill(full.begin() + 28, full.end(), 'x');
    EXPECT_EQ(FontDescription::decode(full)->faceName, std::string(32, 'x'));
    full.pop_back();
    EXPECT_FALSE(FontDescription::decode(full));
}

} // namespace
} // namespace korva
