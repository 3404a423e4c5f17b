#include "ui/daily_feature.h"

#include "app/command_table.h"
#include "app/daily_commands.h"
#include "daily/dntr_dialog.h"
#include "daily/tday_dialog.h"
#include "ui/daily_widgets.h"
#include "ui/main_window.h"

namespace korva {

namespace {

void runDay(MainWindow& window, FoodDataBase& db, Platform& platform, TdayDialog::Mode mode) {
    TdayDialog dialog(db, platform, mode);
    dialog.open();
    TdayDialogWidget face(dialog, window.reportPrinter(), &window);
    face.exec();
}

} // namespace

DailyFeature::DailyFeature(MainWindow& window, FoodDataBase& db, Platform& platform) {
    MainWindow* w = &window;
    FoodDataBase* data = &db;
    Platform* p = &platform;
    window.addCommand(kCmdDailyEnter, [w, data, p] {
        if (DailyCommands(*data, *p).mayEnter()) runDay(*w, *data, *p, TdayDialog::today);
    });
    window.addCommand(kCmdDailyEdit, [w, data, p] {
        if (DailyCommands(*data, *p).mayEdit()) runDay(*w, *data, *p, TdayDialog::editDay);
    });
    window.addCommand(kCmdDailyView, [w, data, p] {
        if (!DailyCommands(*data, *p).mayView()) return;
        DNtrDialog dialog(*data, *p);
        dialog.open();
        DNtrDialogWidget face(dialog, w->reportPrinter(), w);
        face.exec();
    });
}

} // namespace korva
