#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/usel_dialog.h"
#include "app/user_commands.h"

namespace korva::test {

// Picks a row (or cancels) the way the user would in the real dialog.
class ScriptedUserChooser : public UserDialogRunner {
public:
    std::optional<int> pick;
    bool doubleClick = false;
    std::vector<std::string> rowsSeen;
    int selectedOnOpen = -2;

    void runUserSelection(USelDialog& dialog) override {
        rowsSeen = dialog.rows();
        selectedOnOpen = dialog.selectedRow();
        if (!pick) {
            dialog.onCancel();
        } else if (doubleClick) {
            dialog.onRowDoubleClicked(*pick);
        } else {
            dialog.onRowSelected(*pick);
            dialog.onOk();
        }
    }
};

} // namespace korva::test
