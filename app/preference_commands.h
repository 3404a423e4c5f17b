#pragma once

#include <filesystem>

#include "app/display_preferences.h"
#include "core/platform.h"

namespace korva {

// What a preference command asks of the program afterwards.
enum class CommandEnd {
    done,       // carry on
    endProgram, // end as File > Exit does: modified lists are offered for saving, then the exit saves
};

// The four commands of User > Preferences.  Font and scale changes take
// effect at the next start, so most of them end the program.
class PreferenceCommands {
public:
    PreferenceCommands(DisplayPreferences& prefs, std::filesystem::path userDir, Platform& platform)
        : prefs_(prefs), userDir_(std::move(userDir)), platform_(platform) {}

    // `current` is the main window's font with the size of its average
    // character, as the face measured it.
    CommandEnd onScreenFont(const FontChoice& current);
    CommandEnd onPrinterFont();
    CommandEnd onXYScale();
    CommandEnd onRestoreDefaults();

    // The factors a change of character size suggests, held to 0.8 .. 1.2.
    static ScaleFactors adjustedFactors(ScaleFactors old, const FontChoice& oldFont, const FontChoice& newFont);
    // Reads "x y" as the scale entry does: a number not given counts as 0.
    static ScaleFactors parseFactors(const std::string& text);

private:
    void reportWriteFailure(const char* fileName);

    DisplayPreferences& prefs_;
    std::filesystem::path userDir_;
    Platform& platform_;
};

} // namespace korva
