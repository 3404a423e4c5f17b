#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace korva {

// Command ids of the main menu.
enum CommandId : int {
    kCmdNewFoodList = 57600,
    kCmdOpenFoodList = 57601,
    // The food list window's own commands, in the File menu under Open.
    kCmdSaveFoodList = 57603,
    kCmdSaveFoodListAs = 57604,
    kCmdMergeFoodList = 32804,
    kCmdMergeRecipe = 32805,
    kCmdExportFoodList = 32806,
    kCmdPrintFoodList = 57607,
    kCmdNewShoppingList = 32771,
    kCmdOpenShoppingList = 32772,
    kCmdPrintSetup = 57606,
    kCmdRecentFile = 57616,
    kCmdExit = 57665,
    kCmdOptimize = 32773,
    kCmdMinOne = 32774,
    kCmdMaxOne = 32775,
    kCmdMinSeveral = 32776,
    kCmdMaxSeveral = 32777,
    kCmdMinMaxSeveral = 32778,
    kCmdRepeatSearch = 32779,
    kCmdPlanAmounts = 32828,
    kCmdNewFood = 32780,
    kCmdViewFoods = 32781,
    kCmdModifyFood = 32782,
    kCmdCategories = 32783,
    kCmdBackup = 32827,
    kCmdConsolidate = 32784,
    // The food finder of a FoodList or Recipe window.
    kCmdFindFood = 32840,
    kCmdNewRecipe = 32786,
    kCmdOpenRecipe = 32787,
    kCmdRestoreRecipe = 32788,
    // The recipe window's own commands, in the Recipe menu.
    kCmdRecipeMergeFoodList = 32812,
    kCmdRecipeSave = 32813,
    kCmdRecipeSaveAs = 32814,
    kCmdRecipeBackup = 32815,
    kCmdRecipePrint = 32816,
    kCmdRecipeExport = 32817,
    kCmdRecipeClose = 32818,
    kCmdDailyEnter = 32789,
    kCmdDailyEdit = 32790,
    kCmdDailyView = 32791,
    kCmdUserNew = 32792,
    kCmdUserSet = 32793,
    kCmdUserModify = 32811,
    kCmdUserDelete = 32795,
    kCmdUserView = 32819,
    kCmdScreenFont = 32796,
    kCmdPrinterFont = 32797,
    kCmdXYScale = 32798,
    kCmdRestoreDefaults = 32799,
    kCmdSearchSize = 32825,
    kCmdStringMatching = 32826,
    kCmdAbout = 57664,
    kCmdHelpContents = 32820,
    kCmdHelpGettingStarted = 32821,
    kCmdHelpReference = 32822,
    kCmdHelpWindows = 32823,
    // Nutrition menu of a food list or recipe window.
    kCmdViewTable = 32808,
    kCmdViewChart = 32809,
    kCmdViewOneNutrient = 32810,
    kCmdProteinQuality = 32830,
    // Window menu of the document area.
    kCmdCascade = 57650,
    kCmdTile = 57651,
    kCmdArrangeIcons = 57649,
    // File menu: the active document's report before it prints, and its
    // items as a spreadsheet.
    kCmdPrintPreview = 32861,
    kCmdExportCsv = 32862,
};

// Where a command sits in the menu bar: its top-level menu and, for the
// nested ones, the submenu inside it.
enum class MenuId { file, search, nutrition, foods, recipe, daily, user, window, help };

struct CommandInfo {
    int id;
    MenuId menu;
    std::string_view submenu;    // empty when the item sits in the menu itself
    std::string_view menuText;   // with its mnemonic and, after a tab, its accelerator
    std::string_view statusText; // the prompt, then after a line end the tool tip
};

// The main menu in menu order.
std::span<const CommandInfo> commandTable();
const CommandInfo* findCommand(int id);

// Caption of each top-level menu, in menu-bar order.
std::string_view menuCaption(MenuId menu);
std::span<const MenuId> menuBarOrder();

// The status-bar prompt of a command (the text before any line end); the
// idle text when the command has none.
std::string commandPrompt(int id);
inline constexpr std::string_view kIdlePrompt = "Ready";

// Parts of a menu text: the caption and the accelerator after the tab.
std::string_view menuCaptionOf(std::string_view menuText);
std::string_view acceleratorOf(std::string_view menuText);

// A numbered entry ("&1 lunch.fls") of the recent files or the open windows.
// An "&" in the label is doubled, so that it shows instead of marking a key.
std::string numberedMenuText(std::size_t n, std::string_view label);

} // namespace korva
