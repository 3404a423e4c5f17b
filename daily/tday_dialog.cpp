#include "daily/tday_dialog.h"

#include <algorithm>

#include "core/food_data_base.h"
#include "daily/daily_report.h"
#include "daily/totals_rows.h"
#include "lists/flist_doc.h"

namespace korva {

namespace {

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

TdayDialog::TdayDialog(FoodDataBase& db, Platform& platform, Mode mode)
    : db_(db), platform_(platform), mode_(mode), owner_(LogOwner::currentUserOf(db)) {}

std::string TdayDialog::caption() const { return mode_ == today ? "TODAY's  FOODS" : "Edit  One  Day's  Foods"; }

void TdayDialog::open() {
    const LocalDateTime now = platform_.now();
    date_ = LogDate::fromLocal(now);
    shownDate_ = date_;
    log_.initToday(owner_, now);
    dateLabel_ = mode_ == today ? longDateText(now) : date_.slashed();
    if (log_.exists())
        readDay(log_.read());
    else
        refill();
}

void TdayDialog::readDay(LogRead outcome) {
    if (outcome == LogRead::damaged) {
        // The day shows empty; its file stays as it is unless saved over.
        platform_.message(dailymsg::kDamaged);
        log_.foodListPaths.clear();
        log_.totals.clear();
    }
    refill();
}

bool TdayDialog::mayLeaveDay() {
    if (!modified_) return true;
    const std::string question = "Save changes to the log of " + shownDate_.slashed() + " ?";
    switch (platform_.messageBox(question, kAppTitle, MsgButtons::yesNoCancel)) {
    case MsgAnswer::yes: return onSave();
    case MsgAnswer::no: return true;
    default: return false;
    }
}

void TdayDialog::goToChosenDay() {
    if (!mayLeaveDay()) {
        date_ = shownDate_;
        dateLabel_ = date_.slashed();
        return;
    }
    dateLabel_ = date_.slashed();
    openShownDay();
}

void TdayDialog::openShownDay() {
    shownDate_ = date_;
    modified_ = false;
    log_.clear();
    log_.setDate(owner_, date_);
    readDay(log_.openDay(owner_, date_.compact()));
}

void TdayDialog::onScrollLeft() {
    if (mode_ != editDay) return;
    date_.addDays(-1);
    dateLabel_ = date_.slashed();
}

void TdayDialog::onScrollRight() {
    if (mode_ != editDay) return;
    date_.addDays(1);
    dateLabel_ = date_.slashed();
}

void TdayDialog::onScrollEnded() {
    if (mode_ == editDay) goToChosenDay();
}

void TdayDialog::onDateButton() {
    if (mode_ != editDay) return;
    const std::optional<std::string> text =
        platform_.textEntry(dailymsg::kDatePrompt, dailymsg::kDateCaption, date_.slashed());
    if (!text || text->empty()) return;
    if (!std::all_of(text->begin(), text->end(), [](char c) { return (c >= '0' && c <= '9') || c == '/'; })) {
        platform_.message(dailymsg::kWrongFormat);
        return;
    }
    if (!date_.parseDate(*text)) {
        platform_.message(dailymsg::kOutOfRange);
        return;
    }
    goToChosenDay();
}

void TdayDialog::onAddFoodList() {
    const std::optional<std::filesystem::path> chosen =
        platform_.chooseOpenFile(foodListFileRequest(db_, "Open", "*.*"));
    if (!chosen) return;
    // A list that cannot be read stays listed without totals; the lists
    // show it either way.
    log_.addFoodList(chosen->string(), db_, platform_);
    modified_ = true;
    refill();
}

void TdayDialog::onSelectRow(int row) {
    if (row < 0 || row >= static_cast<int>(foodListRows_.size())) return;
    selectedRow_ = row;
    fileNameField_ = foodListRows_[static_cast<std::size_t>(row)];
}

void TdayDialog::onDeleteFoodList() {
    if (log_.foodListPaths.empty()) return;
    const auto at = static_cast<std::size_t>(std::max(selectedRow_, 0));
    if (at >= log_.foodListPaths.size()) return;
    log_.foodListPaths.erase(log_.foodListPaths.begin() + static_cast<std::ptrdiff_t>(at));
    log_.recomputeTotals(db_, platform_);
    modified_ = true;
    refill();
}

bool TdayDialog::onSave() {
    if (!log_.write(platform_)) return false;
    modified_ = false;
    return true;
}

void TdayDialog::onHelp() { platform_.openHelp(mode_ == today ? kHelpToday : kHelpEdit); }

bool TdayDialog::onPrint(ReportPrinter& printer) {
    if (log_.foodListPaths.empty()) {
        platform_.message(dailymsg::kNoDataCantPrint);
        return false;
    }
    return printDayTotals(platform_, printer, db_.users().current().name, date_, totalsRows_);
}

void TdayDialog::refill() {
    foodListRows_.clear();
    for (const std::string& p : log_.foodListPaths) foodListRows_.push_back(fileNameOf(p));
    selectedRow_ = foodListRows_.empty() ? -1 : 0;
    fileNameField_ = foodListRows_.empty() ? " " : foodListRows_.front();
    if (log_.foodListPaths.empty()) {
        totalsRows_ = {dailymsg::kNoFoodLists + date_.slashed()};
        return;
    }
    totalsRows_ = nutrientTotalsRows({"Daily Totals for " + date_.slashed(), std::string(62, '-')}, log_.totals,
                                     db_.users().current().profile);
}

} // namespace korva
