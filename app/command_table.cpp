#include "app/command_table.h"

#include <array>

namespace korva {

namespace {

// Sized by its rows, so that commands added apart never clash over a count.
constexpr CommandInfo kCommands[] = {
    {kCmdNewFoodList, MenuId::file, "", "&New FoodList\tCtrl+N", "Create a new FoodList document\nNew"},
    {kCmdOpenFoodList, MenuId::file, "", "&Open FoodList...\tCtrl+O", "Open an existing FoodList document\nOpen"},
    {kCmdSaveFoodList, MenuId::file, "", "&Save FoodList\tCtrl+S", "Save the active FoodList\nSave"},
    {kCmdSaveFoodListAs, MenuId::file, "", "Save FoodList &As...", "Save the active FoodList with a new name\nSave As"},
    {kCmdMergeFoodList, MenuId::file, "", "&Merge FoodList", "Add the foods of a FoodList file to the active FoodList"},
    {kCmdMergeRecipe, MenuId::file, "", "Merge &Recipe", ""},
    {kCmdExportFoodList, MenuId::file, "", "&Export FoodList...", "Write the active FoodList as a text file"},
    {kCmdExportCsv, MenuId::file, "", "Export &CSV...",
     "Write the items and totals of the active FoodList or Recipe as a spreadsheet (CSV) file"},
    {kCmdPrintFoodList, MenuId::file, "", "&Print FoodList...\tCtrl+P", "Print the active FoodList\nPrint"},
    {kCmdPrintPreview, MenuId::file, "", "Print Pre&view...",
     "Show the active FoodList or Recipe as it will print\nPrint Preview"},
    {kCmdNewShoppingList, MenuId::file, "Shopping &List", "New", "Create a new Shopping List"},
    {kCmdOpenShoppingList, MenuId::file, "Shopping &List", "Open", "Open an existing Shopping List file"},
    {kCmdPrintSetup, MenuId::file, "", "P&rint Setup...", "Change the printer and printing options\nPrint Setup"},
    {kCmdRecentFile, MenuId::file, "", "Recent File", "Open this document"},
    {kCmdExit, MenuId::file, "", "E&xit", "Quit the application; prompts to save documents\nExit"},
    {kCmdOptimize, MenuId::search, "", "&Optimize", "Optimize a FoodList or a Recipe"},
    {kCmdMinOne, MenuId::search, "", "&Min One", "Find foods with lowest value of one nutrient"},
    {kCmdMaxOne, MenuId::search, "", "Ma&x One", "Find foods with highest value of one nutrient"},
    {kCmdMinSeveral, MenuId::search, "", "M&in Several", "Find foods with minimum values of several nutrients"},
    {kCmdMaxSeveral, MenuId::search, "", "Max &Several", "Find foods with maximum values of several nutrients"},
    {kCmdMinMaxSeveral, MenuId::search, "", "Min/Max Se&veral",
     "Find foods with minimum values of 1-5 nutrients, maximum values of 1-5 nutrients"},
    {kCmdRepeatSearch, MenuId::search, "", "&Repeat", "Repeat last search"},
    {kCmdPlanAmounts, MenuId::search, "", "&Plan Amounts...",
     "Plan how much of each food of the FoodList meets the targets"},
    {kCmdViewTable, MenuId::nutrition, "", "View All Nutrients - &Table", ""},
    {kCmdViewChart, MenuId::nutrition, "", "View All Nutrients - &Chart", ""},
    {kCmdViewOneNutrient, MenuId::nutrition, "", "View &One Nutrient", ""},
    {kCmdProteinQuality, MenuId::nutrition, "", "Protein &Quality",
     "The amino-acid score of the protein of the active FoodList or Recipe"},
    {kCmdNewFood, MenuId::foods, "", "&New", "Add a new food to the Foods Data Base"},
    {kCmdViewFoods, MenuId::foods, "", "&View", "View foods in the Foods Data Base"},
    {kCmdModifyFood, MenuId::foods, "", "&Modify", "Edit foods in the Foods Data Base"},
    {kCmdCategories, MenuId::foods, "", "&Categories", "View foods in Foods Data Base, by Categories"},
    {kCmdBackup, MenuId::foods, "", "&Backup", ""},
    {kCmdConsolidate, MenuId::foods, "", "C&onsolidate", "Consolidate Foods Data Base"},
    {kCmdFindFood, MenuId::foods, "", "&Find Food...\tCtrl+F",
     "Find a food by the words of its name and add it to the active FoodList or Recipe\nFind Food"},
    {kCmdNewRecipe, MenuId::recipe, "", "&New Recipe", "Create a new Recipe"},
    {kCmdOpenRecipe, MenuId::recipe, "", "&Open Recipe", "Open an existing Recipe file"},
    {kCmdRestoreRecipe, MenuId::recipe, "", "&Restore", "Restore a Recipe from backup"},
    {kCmdRecipeMergeFoodList, MenuId::recipe, "", "&Merge Foodlist", ""},
    {kCmdRecipeSave, MenuId::recipe, "", "&Save", ""},
    {kCmdRecipeSaveAs, MenuId::recipe, "", "Save &as ...", ""},
    {kCmdRecipeBackup, MenuId::recipe, "", "&Backup", ""},
    {kCmdRecipePrint, MenuId::recipe, "", "&Print", ""},
    {kCmdRecipeExport, MenuId::recipe, "", "&Export", ""},
    {kCmdRecipeClose, MenuId::recipe, "", "&Close", ""},
    {kCmdDailyEnter, MenuId::daily, "", "&Enter", "Enter Daily FoodList log data"},
    {kCmdDailyEdit, MenuId::daily, "", "E&dit", "Edit daily FoodList log data"},
    {kCmdDailyView, MenuId::daily, "", "&View", "View daily FoodList log data"},
    {kCmdUserNew, MenuId::user, "", "&New", "Create a new KORVA user (customized %RDA values)"},
    {kCmdUserSet, MenuId::user, "", "&Set", "Set current KORVA user"},
    {kCmdUserModify, MenuId::user, "", "&Modify", "Modify %RDA values for current KORVA user"},
    {kCmdUserDelete, MenuId::user, "", "&Delete", "Delete a KORVA user"},
    {kCmdUserView, MenuId::user, "", "&View", "View %Rda/ODA values for current KORVA user"},
    {kCmdScreenFont, MenuId::user, "&Preferences", "&Screen Font", "Set Screen Font"},
    {kCmdPrinterFont, MenuId::user, "&Preferences", "&Printer Font", "Set Printer Font"},
    {kCmdXYScale, MenuId::user, "&Preferences", "&X/Y Scale", "Set screen X/Y scaling"},
    {kCmdRestoreDefaults, MenuId::user, "&Preferences", "&Restore Defaults", "Restore default font and X/Y scaling"},
    {kCmdSearchSize, MenuId::user, "&Preferences", "Search Size", ""},
    {kCmdStringMatching, MenuId::user, "&Preferences", "String Matching", ""},
    {kCmdCascade, MenuId::window, "", "&Cascade", "Arrange windows so they overlap\nCascade Windows"},
    {kCmdTile, MenuId::window, "", "&Tile", "Arrange windows as non-overlapping tiles\nTile Windows"},
    {kCmdArrangeIcons, MenuId::window, "", "&Arrange Icons",
     "Arrange icons at the bottom of the window\nArrange Icons"},
    {kCmdAbout, MenuId::help, "", "&About KORVA...",
     "Display program information, version number and copyright\nAbout"},
    {kCmdHelpContents, MenuId::help, "", "&Contents", ""},
    {kCmdHelpGettingStarted, MenuId::help, "", "Getting &Started", ""},
    {kCmdHelpReference, MenuId::help, "", "&Reference", ""},
    {kCmdHelpWindows, MenuId::help, "", "&Windows && Dialog Boxes", ""},
};

constexpr std::array<MenuId, 9> kMenuBar{MenuId::file,  MenuId::search, MenuId::nutrition,
                                         MenuId::foods, MenuId::recipe, MenuId::daily,
                                         MenuId::user,  MenuId::window, MenuId::help};

} // namespace

std::span<const CommandInfo> commandTable() { return kCommands; }

const CommandInfo* findCommand(int id) {
    for (const auto& c : kCommands)
        if (c.id == id) return &c;
    return nullptr;
}

std::string_view menuCaption(MenuId menu) {
    switch (menu) {
    case MenuId::file: return "&File";
    case MenuId::search: return "&Search";
    case MenuId::nutrition: return "&Nutrition";
    case MenuId::foods: return "F&oods";
    case MenuId::recipe: return "&Recipe";
    case MenuId::daily: return "&Daily";
    case MenuId::user: return "&User";
    case MenuId::window: return "&Window";
    case MenuId::help: return "&Help";
    }
    return "";
}

std::span<const MenuId> menuBarOrder() { return kMenuBar; }

std::string commandPrompt(int id) {
    const CommandInfo* c = findCommand(id);
    if (!c || c->statusText.empty()) return std::string(kIdlePrompt);
    return std::string(c->statusText.substr(0, c->statusText.find('\n')));
}

std::string_view menuCaptionOf(std::string_view menuText) { return menuText.substr(0, menuText.find('\t')); }

std::string_view acceleratorOf(std::string_view menuText) {
    const auto tab = menuText.find('\t');
    return tab == std::string_view::npos ? std::string_view{} : menuText.substr(tab + 1);
}

std::string numberedMenuText(std::size_t n, std::string_view label) {
    // Built step by step: GCC 12 warns falsely (-Wrestrict) on the chained form.
    std::string text = "&";
    text += std::to_string(n);
    text += ' ';
    for (char c : label) {
        if (c == '&') text += '&';
        text += c;
    }
    return text;
}

} // namespace korva
