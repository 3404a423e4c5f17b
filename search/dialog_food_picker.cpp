#include "search/dialog_food_picker.h"

#include "core/food_data_base.h"
#include "core/platform.h"
#include "search/category_food_picker.h"
#include "search/food_finder.h"
#include "search/mat_dialog.h"
#include "search/picker_dialogs.h"

namespace korva {

DialogFoodPicker::DialogFoodPicker(FoodDataBase& db, Platform& platform, PickerDialogs& dialogs)
    : db_(db), platform_(platform), dialogs_(dialogs) {}

std::optional<std::size_t> DialogFoodPicker::pickByName(const std::string& typed) {
    if (typed.empty()) return pickFromCategories();
    std::vector<std::size_t> matches;
    {
        WaitCursor wait(platform_);
        matches = findFoodsByName(db_, typed);
    }
    if (matches.empty()) {
        platform_.messageBox(kNoMatch, kNoMatchCaption, MsgButtons::ok);
        note_ = kFinderHint;
        return std::nullopt;
    }
    if (matches.size() == 1) return matches.front();
    MatDialog dialog(db_, std::move(matches), typed);
    dialogs_.run(dialog);
    return dialog.chosenEntry();
}

std::optional<std::size_t> DialogFoodPicker::pickFromCategories() {
    CategoryFoodPicker picker(db_, platform_, categoryNameList(), true, true);
    dialogs_.run(picker);
    return picker.chosenEntry();
}

} // namespace korva
