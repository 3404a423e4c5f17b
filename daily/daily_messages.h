#pragma once

namespace korva::dailymsg {

inline constexpr const char* kNotWritten = "... log file could not be written ...";
inline constexpr const char* kDamaged = "... log file is damaged, can't read ...";
inline constexpr const char* kWrongFormat = " .. wrong format ... use mo./day/year, e.g.5/14/96";
inline constexpr const char* kOutOfRange = " ... error ... date values out of range ...";
inline constexpr const char* kNoDataCantPrint = "... no data, can't print ...";
inline constexpr const char* kDatePrompt = "Enter date (month/day/year) :";
inline constexpr const char* kDateCaption = "DAILY EDIT";
inline constexpr const char* kNoFoodLists = "No Food List Files for ";
inline constexpr const char* kNoLogFiles = "No LOG FILES were found for date range.";
inline constexpr const char* kFilesFound = "%d Log file(s) found.";
inline constexpr const char* kHitUpdate = "Hit UPDATE to find files for current date range.";
inline constexpr const char* kStartAfterEndUpdate = "... StartDate is greater than EndDate, can't update ...";
inline constexpr const char* kNoDataCantDelete = "... no data, cannot delete ...";
inline constexpr const char* kStartAfterEndDelete = "... StartDate is greater than EndDate, can't delete range ...";
inline constexpr const char* kDeleteWarning = " ... WARNING ... data will be lost ...proceed?";
inline constexpr const char* kNoDataCannotPrint = "... no data, cannot print ...";
inline constexpr const char* kNoDataCannotExport = "... no data, cannot export ...";

} // namespace korva::dailymsg

// Labels and buttons the day and by-date dialogs share.
namespace korva::dailylabel {

inline constexpr const char* kTotals = "NUTRIENT  TOTALS";
inline constexpr const char* kPrint = "&Print";
inline constexpr const char* kHelp = "&HELP";
inline constexpr const char* kClose = "&Close";

} // namespace korva::dailylabel
