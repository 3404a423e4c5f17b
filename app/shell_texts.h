#pragma once

#include <string>

// The texts the application shell shows or prints, in one place so that the
// faces only display them.
namespace korva::shell_texts {

inline constexpr const char* kNarrowScreen = "KORVA 2.0 for WINDOWS can't run at EGA/CGA; use MSDOS version ..";
inline constexpr const char* kDataFilesBroken = "... data files corrupted or missing ... exiting ..";
inline constexpr const char* kIndexUnreadable = "... something went wrong in read of index file .. exiting ..";
inline constexpr const char* kConsolidateFirst = "WARNING! you must CONSOLIDATE before editing FOODS ...";

inline constexpr const char* kNoDisplay = "korva: no display found; set DISPLAY (or run under Xvfb) and start again.\n";

inline constexpr const char* kScreenFontCaption = "Screen Font";
inline constexpr const char* kPrinterFontCaption = "Printer Font";

inline std::string setupFailed(const std::string& root, const std::string& reason) {
    return "... could not set up the data folder " + root + " ...\n" + reason;
}

inline std::string runningProgramSilent(const std::string& root) {
    return "... KORVA is already running on the data folder " + root +
           " but does not answer ...\nend it, or wait until it answers, and start again ..";
}

} // namespace korva::shell_texts
