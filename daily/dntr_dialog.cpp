#include "daily/dntr_dialog.h"

#include "core/food_data_base.h"
#include "core/printf_text.h"
#include "daily/daily_report.h"
#include "daily/days_csv.h"
#include "daily/tday_dialog.h"
#include "daily/totals_rows.h"
#include "lists/csv_export.h"
#include "lists/report_writer.h"

namespace korva {

namespace {

const char* modeTitle(DNtrDialog::Mode m) {
    switch (m) {
    case DNtrDialog::oneDay: return "Nutrient Values for ONE DAY.";
    case DNtrDialog::pastWeek: return "Daily Averages for PAST WEEK.";
    case DNtrDialog::pastMonth: return "Daily Averages for PAST MONTH.";
    case DNtrDialog::dateRange: return "Daily Averages for DATE RANGE.";
    }
    return "";
}

} // namespace

DNtrDialog::DNtrDialog(FoodDataBase& db, Platform& platform)
    : db_(db), platform_(platform), owner_(LogOwner::currentUserOf(db)) {}

void DNtrDialog::open() {
    today_ = LogDate::fromLocal(platform_.now());
    for (int f = 0; f < kFieldCount; ++f) {
        dates_[static_cast<std::size_t>(f)] = today_;
        texts_[static_cast<std::size_t>(f)] = today_.slashed();
    }
    mode_ = oneDay;
    update();
}

bool DNtrDialog::fieldEnabled(Field f) const {
    switch (f) {
    case oneDayField: return mode_ == oneDay;
    case rangeStart:
    case rangeEnd: return mode_ == dateRange;
    default: return true;
    }
}

bool DNtrDialog::takeField(Field f, bool showKept) {
    std::string& text = textOf(f);
    if (dateOf(f).parseDate(std::string_view(text).substr(0, kFieldChars))) {
        text = dateOf(f).slashed();
        return true;
    }
    if (showKept) text = dateOf(f).slashed();
    return false;
}

void DNtrDialog::onOneDay() {
    mode_ = oneDay;
    takeField(oneDayField, false);
    update();
}

void DNtrDialog::onPastWeek() {
    mode_ = pastWeek;
    update();
}

void DNtrDialog::onPastMonth() {
    mode_ = pastMonth;
    update();
}

void DNtrDialog::onDateRange() {
    mode_ = dateRange;
    takeField(rangeStart, false);
    takeField(rangeEnd, false);
    update();
}

void DNtrDialog::onMode(Mode mode) {
    switch (mode) {
    case oneDay: onOneDay(); break;
    case pastWeek: onPastWeek(); break;
    case pastMonth: onPastMonth(); break;
    case dateRange: onDateRange(); break;
    }
}

void DNtrDialog::setFieldText(Field f, std::string text) { textOf(f) = std::move(text); }

void DNtrDialog::onFieldEdited() {
    if (!resultsShown_) return;
    rows_ = {dailymsg::kHitUpdate};
    resultsShown_ = false;
}

void DNtrDialog::onEnter() {
    // What the fields show is what is looked up: Enter takes them as the
    // mode's own button does.
    switch (mode_) {
    case oneDay: onOneDay(); break;
    case pastWeek: onPastWeek(); break;
    case pastMonth: onPastMonth(); break;
    case dateRange: onDateRange(); break;
    }
}

void DNtrDialog::onScroll(Field f, int days) {
    if (!fieldEnabled(f)) return;
    dateOf(f).addDays(days < 0 ? -1 : 1);
    textOf(f) = dateOf(f).slashed();
}

void DNtrDialog::onScrollEnded(Field f) {
    if (f == deleteStart || f == deleteEnd || !fieldEnabled(f)) return;
    update();
}

void DNtrDialog::update() {
    LogDate start = today_, end = today_;
    switch (mode_) {
    case oneDay: start = end = dateOf(oneDayField); break;
    case pastWeek: start.addDays(-6); break;
    case pastMonth:
        // The same day a month back, lowered to that month's length.
        start = today_.month() == 1 ? LogDate(12, today_.day(), today_.year() == 0 ? 99 : today_.year() - 1)
                                    : LogDate(today_.month() - 1, today_.day(), today_.year());
        start.clamp();
        break;
    case dateRange:
        start = dateOf(rangeStart);
        end = dateOf(rangeEnd);
        if (start.isAfter(end)) {
            platform_.message(dailymsg::kStartAfterEndUpdate);
            return;
        }
        break;
    }
    set_.update(owner_, start, end, &db_);
    shownMode_ = mode_;
    shownStart_ = start;
    shownEnd_ = end;
    rows_ = resultRows(&set_.coverage().items);
    resultsShown_ = true;
}

std::vector<std::string> DNtrDialog::resultRows(const NutrientCoverage* coverage) const {
    if (set_.found() == 0) return {dailymsg::kNoLogFiles};
    return nutrientTotalsRows(
        {modeTitle(shownMode_), printfText(dailymsg::kFilesFound, set_.found()), std::string(65, '-')}, set_.totals(),
        db_.users().current().profile, coverage);
}

void DNtrDialog::onDeleteRange() {
    if (set_.found() == 0) {
        platform_.message(dailymsg::kNoDataCantDelete);
        return;
    }
    // The range deleted is the one the fields show.
    if (!takeField(deleteStart, true) || !takeField(deleteEnd, true)) {
        platform_.message(dailymsg::kOutOfRange);
        return;
    }
    const LogDate from = dateOf(deleteStart), to = dateOf(deleteEnd);
    if (from.isAfter(to)) {
        platform_.message(dailymsg::kStartAfterEndDelete);
        return;
    }
    // Only shown days inside the delete range go: never a day the user
    // cannot see, nor one outside the range asked for.
    auto inRange = [&](const LogDate& d) { return !from.isAfter(d) && !d.isAfter(to); };
    bool any = false;
    for (const LogSet::Day& d : set_.days()) any = any || inRange(d.date);
    if (!any) {
        platform_.message(dailymsg::kNoDataCantDelete);
        return;
    }
    if (platform_.messageBox(dailymsg::kDeleteWarning, kAppTitle, MsgButtons::yesNo) != MsgAnswer::yes) return;
    set_.deleteFiles(inRange);
    update();
}

void DNtrDialog::onHelp() { platform_.openHelp(kHelpContext); }

bool DNtrDialog::onPrint(ReportPrinter& printer) {
    if (set_.found() == 0) {
        platform_.message(dailymsg::kNoDataCannotPrint);
        return false;
    }
    // The totals found, even while the list asks for an update.
    const std::string user = db_.users().current().name;
    const std::vector<std::string> rows = resultRows();
    return runPrintJob(platform_, printer, kDailyJobName, [&](ReportWriter& out) {
        writeRangeTotalsReport(out, user, shownMode_ == oneDay, shownStart_, shownEnd_, rows);
    });
}

bool DNtrDialog::onExportCsv() {
    if (set_.found() == 0) {
        platform_.message(dailymsg::kNoDataCannotExport);
        return false;
    }
    const std::string name = shownStart_ == shownEnd_ ? "days" + shownStart_.compact()
                                                      : "days" + shownStart_.compact() + "-" + shownEnd_.compact();
    return saveCsvAs(platform_, db_.paths().foodListDir(), name + ".csv", daysCsv(set_));
}

std::optional<NutrientTrend> DNtrDialog::onChart() {
    if (set_.found() == 0) {
        platform_.message(dailymsg::kNoLogFiles);
        return std::nullopt;
    }
    const CurrentUser& user = db_.users().current();
    return NutrientTrend(set_, shownStart_, shownEnd_, user.profile, user.name, platform_);
}

} // namespace korva
