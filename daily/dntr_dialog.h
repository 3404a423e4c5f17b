#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/platform.h"
#include "daily/daily_messages.h"
#include "daily/log_date.h"
#include "daily/log_file.h"
#include "daily/log_set.h"
#include "daily/nutrient_trend.h"

namespace korva {

class FoodDataBase;
class ReportPrinter;

// "NUTRIENTS  by  DATE": the totals of one logged day, or the daily
// averages of the past week, the past month or a date range, from the
// current user's logs; deletes the logs of a range and prints the totals.
class DNtrDialog {
public:
    enum Mode { oneDay = 0, pastWeek = 1, pastMonth = 2, dateRange = 3 };
    // The date fields, each with its scroll bar.
    enum Field { oneDayField = 0, rangeStart, rangeEnd, deleteStart, deleteEnd };
    static constexpr int kFieldCount = 5;
    static constexpr std::size_t kFieldChars = 20;
    static constexpr int kHelpContext = 60416;
    // The face's own labels and buttons (dailylabel has the shared ones):
    // the mode buttons in Mode order and each date field's label.
    static constexpr const char* kCaption = "NUTRIENTS  by  DATE";
    static constexpr std::array<const char*, 4> kModeButtons = {"&One  Day", "Past  &Week", "Past  &Month",
                                                                "SET  DATE  RAN&GE  :"};
    static constexpr std::array<const char*, kFieldCount> kFieldLabels = {
        "", "Start  Date  :", "End  Date  :", "Start  Date  :", "End  Date  :"};
    static constexpr const char* kDeleteRangeButton = "&Delete  Range";
    static constexpr const char* kExportCsvButton = "Export &CSV...";
    static constexpr const char* kChartButton = "C&hart";

    DNtrDialog(FoodDataBase& db, Platform& platform);

    // Every date today, One Day, and its totals.
    void open();

    Mode mode() const { return mode_; }
    const std::string& fieldText(Field f) const { return texts_[static_cast<std::size_t>(f)]; }
    bool fieldEnabled(Field f) const;
    const std::vector<std::string>& totalsRows() const { return rows_; }
    bool resultsShown() const { return resultsShown_; }
    const LogSet& logSet() const { return set_; }
    const LogDate& date(Field f) const { return dates_[static_cast<std::size_t>(f)]; }

    // Controls.  A typed field text reaches the dialog through setFieldText
    // and onFieldEdited (a key other than Enter).
    void onOneDay();
    void onPastWeek();
    void onPastMonth();
    void onDateRange();
    // The mode button of `mode`.
    void onMode(Mode mode);
    void setFieldText(Field f, std::string text);
    void onFieldEdited();
    void onEnter();
    void onScroll(Field f, int days);
    void onScrollEnded(Field f);
    void onDeleteRange();
    void onHelp();
    bool onPrint(ReportPrinter& printer);
    // "Export &CSV...": the days found and their average as a spreadsheet.
    bool onExportCsv();
    // "C&hart": the days of the range shown, even while the list asks for
    // an update; none, with a message, when none of them has a log.
    std::optional<NutrientTrend> onChart();

private:
    LogDate& dateOf(Field f) { return dates_[static_cast<std::size_t>(f)]; }
    std::string& textOf(Field f) { return texts_[static_cast<std::size_t>(f)]; }
    // Takes a typed field into its date; a text that does not parse keeps
    // the date (and the field shows it again when `showKept`).
    bool takeField(Field f, bool showKept);
    void update();
    // The rows as printed, or with the items' coverage as the screen shows them.
    std::vector<std::string> resultRows(const NutrientCoverage* coverage = nullptr) const;

    FoodDataBase& db_;
    Platform& platform_;
    LogOwner owner_;
    Mode mode_ = oneDay;
    LogDate today_;
    std::array<LogDate, kFieldCount> dates_{};
    std::array<std::string, kFieldCount> texts_{};
    LogSet set_;
    // The range the shown totals were found for.
    Mode shownMode_ = oneDay;
    LogDate shownStart_;
    LogDate shownEnd_;
    std::vector<std::string> rows_;
    bool resultsShown_ = false;
};

} // namespace korva
