#include "app/preference_commands.h"

#include <algorithm>
#include <cmath>
#include <system_error>

#include "core/ascii_text.h"
#include "core/printf_text.h"
#include "lists/number_scan.h"

namespace korva {

namespace {

// Converts between device resolutions, rounding to nearest like the
// platform's multiply-divide does.
std::int32_t convertUnits(std::int32_t v, int to, int from) {
    if (from <= 0) return v;
    const double r = double(v) * to / from;
    return static_cast<std::int32_t>(std::lround(r));
}

// One number as "%f" reads it; none when the text holds none there.
std::optional<float> readNumber(const std::string& text, std::size_t& pos) {
    std::size_t used = 0;
    const std::optional<float> v = scanFloat(std::string_view(text).substr(pos), &used);
    if (v) pos += used;
    return v;
}

bool endsWithBft(const std::filesystem::path& p) { return lowerAscii(p.extension().string()) == ".bft"; }

} // namespace

ScaleFactors PreferenceCommands::parseFactors(const std::string& text) {
    ScaleFactors f{0.0f, 0.0f};
    std::size_t pos = 0;
    auto x = readNumber(text, pos);
    if (!x) return f;
    f.x = *x;
    if (auto y = readNumber(text, pos)) f.y = *y;
    return f;
}

ScaleFactors PreferenceCommands::adjustedFactors(ScaleFactors old, const FontChoice& oldFont,
                                                 const FontChoice& newFont) {
    ScaleFactors f = old;
    // A size nobody could measure leaves its factor alone.
    if (oldFont.charWidth > 0 && newFont.charWidth > 0)
        f.x = old.x * (1.2f * float(newFont.charWidth) / float(oldFont.charWidth));
    if (oldFont.charHeight > 0 && newFont.charHeight > 0)
        f.y = old.y * (float(newFont.charHeight) / float(oldFont.charHeight));
    // Both are held to the range start-up accepts, so the adjustment is
    // never thrown away as out of range at the next start.
    f.x = std::clamp(f.x, 0.8f, 1.2f);
    f.y = std::clamp(f.y, 0.8f, 1.2f);
    return f;
}

void PreferenceCommands::reportWriteFailure(const char* fileName) {
    platform_.message(std::string("... could not write ") + fileName + " ...");
}

CommandEnd PreferenceCommands::onScreenFont(const FontChoice& current) {
    FontDescription initial = current.font;
    if (initial.faceName == "Swiss") {
        // The default face names a family, not a font; start the chooser on
        // a real face at 10 points.
        initial.faceName = "MS Sans Serif";
        initial.height = -convertUnits(10, platform_.screenResolution().y, 72);
        initial.width = 0;
    }
    auto chosen = platform_.chooseFont(initial, FontUse::screen);
    if (!chosen) return CommandEnd::done;

    if (isUsableFont(chosen->font)) {
        if (!writeFontFile(userDir_ / kChosenScreenFontFile, chosen->font)) {
            reportWriteFailure(kChosenScreenFontFile);
        } else {
            const ScaleFactors adjusted = adjustedFactors(prefs_.factors(), current, *chosen);
            if (platform_.messageBox(" ... replace old scaling with adjustment?...", kAppTitle, MsgButtons::yesNo) ==
                MsgAnswer::yes) {
                // The adjustment also becomes the scale start-up reads, so
                // the answer takes effect with the new font.
                if (!writeScaleFile(userDir_ / kAdjustedScaleFile, adjusted) ||
                    !writeScaleFile(userDir_ / kScaleFile, adjusted))
                    reportWriteFailure(kScaleFile);
            }
        }
    }
    platform_.message("... re-start KORVA for screen font change; exiting ...");
    return CommandEnd::endProgram;
}

CommandEnd PreferenceCommands::onPrinterFont() {
    auto printer = platform_.printerResolution();
    if (!printer) {
        platform_.message("Could not get printer defaults");
        return CommandEnd::done;
    }
    if (printer->x <= 0 || printer->y <= 0) {
        platform_.message("Could not create printer DC");
        return CommandEnd::done;
    }
    const DotsPerInch screen = platform_.screenResolution();
    FontDescription initial = prefs_.printerFont();
    initial.height = convertUnits(initial.height, screen.y, printer->y);
    initial.width = convertUnits(initial.width, screen.x, printer->x);

    auto chosen = platform_.chooseFont(initial, FontUse::printer);
    if (!chosen) return CommandEnd::done;
    FontDescription font = chosen->font;
    font.height = convertUnits(font.height, printer->y, screen.y);
    font.width = convertUnits(font.width, printer->x, screen.x);
    if (!isUsableFont(font)) return CommandEnd::done;
    if (!writeFontFile(userDir_ / kPrinterFontFile, font)) reportWriteFailure(kPrinterFontFile);
    prefs_.setPrinterFont(font);
    return CommandEnd::done;
}

CommandEnd PreferenceCommands::onXYScale() {
    const ScaleFactors now = prefs_.factors();
    const std::string prompt = printfText("Old Values : X =%5.3f, Y = %5.3f", double(now.x), double(now.y));
    auto text = platform_.textEntry(prompt, "Enter X,Y Scale Factors (0.8-1.2):", "");
    if (!text) return CommandEnd::done;

    const ScaleFactors f = parseFactors(*text);
    if (!factorInRange(f.x) || !factorInRange(f.y)) {
        platform_.message(" ... error; values out of range (0.8 - 1.2) ...");
        return CommandEnd::done;
    }
    if (!writeScaleFile(userDir_ / kScaleFile, f)) {
        reportWriteFailure(kScaleFile);
        return CommandEnd::done;
    }
    platform_.message("... restart KORVA for scale changes; exiting ...");
    return CommandEnd::endProgram;
}

CommandEnd PreferenceCommands::onRestoreDefaults() {
    std::error_code ec;
    std::vector<std::filesystem::path> doomed;
    for (std::filesystem::directory_iterator it(userDir_, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec) && endsWithBft(it->path())) doomed.push_back(it->path());
    for (const auto& p : doomed) std::filesystem::remove(p, ec);
    platform_.message("... restart KORVA for default font; exiting ...");
    return CommandEnd::endProgram;
}

} // namespace korva
