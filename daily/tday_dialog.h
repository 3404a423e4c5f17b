#pragma once

#include <string>
#include <vector>

#include "core/platform.h"
#include "daily/daily_messages.h"
#include "daily/log_date.h"
#include "daily/log_file.h"

namespace korva {

class FoodDataBase;
class ReportPrinter;

// One day of the daily log as the day dialog edits it: today's
// ("TODAY's  FOODS") or, in edit mode ("Edit  One  Day's  Foods"), any day
// the user steps to or types.  Nothing is written but by save.
class TdayDialog {
public:
    enum Mode { today = 0, editDay = 1 };

    static constexpr int kHelpToday = 59392;
    static constexpr int kHelpEdit = 59395;
    // The face's own labels and buttons (dailylabel has the shared ones).
    static constexpr const char* kDateButton = "Date";
    static constexpr const char* kFilesLabel = "FoodList  Files  :";
    static constexpr const char* kSaveButton = "&SAVE";
    static constexpr const char* kAddButton = "&Add FoodList";
    static constexpr const char* kDeleteButton = "&Delete FoodList";

    TdayDialog(FoodDataBase& db, Platform& platform, Mode mode);

    // Today's log, read when its file exists.
    void open();

    Mode mode() const { return mode_; }
    std::string caption() const;
    // The "Date" button and its scroll bar: edit mode only.
    bool dateControlsShown() const { return mode_ == editDay; }
    const std::string& dateLabel() const { return dateLabel_; }
    const LogDate& date() const { return date_; }

    const std::vector<std::string>& foodListRows() const { return foodListRows_; }
    int selectedRow() const { return selectedRow_; }
    const std::string& fileNameField() const { return fileNameField_; }
    const std::vector<std::string>& totalsRows() const { return totalsRows_; }
    const LogFile& log() const { return log_; }
    // FoodLists added or deleted since the day was opened or saved.
    bool modified() const { return modified_; }
    // "&Close" and the close box: unsaved changes of the day shown ask to
    // be saved first (Yes saves, No drops them); false when the dialog
    // stays open.
    bool canClose() { return mayLeaveDay(); }

    // Controls.
    void onScrollLeft();
    void onScrollRight();
    void onScrollEnded();
    void onDateButton();
    void onAddFoodList();
    void onSelectRow(int row);
    void onDeleteFoodList();
    bool onSave();
    void onHelp();
    bool onPrint(ReportPrinter& printer);

private:
    bool mayLeaveDay();
    // Opens the day of the date chosen, or goes back to the day shown when
    // its changes are to be kept.
    void goToChosenDay();
    void openShownDay();
    void readDay(LogRead outcome);
    void refill();

    FoodDataBase& db_;
    Platform& platform_;
    Mode mode_;
    LogOwner owner_;
    LogFile log_;
    LogDate date_;
    // The day whose log is shown; date_ runs ahead while scrolling.
    LogDate shownDate_;
    bool modified_ = false;
    std::string dateLabel_;
    std::vector<std::string> foodListRows_;
    int selectedRow_ = -1;
    std::string fileNameField_ = " ";
    std::vector<std::string> totalsRows_;
};

} // namespace korva
