#pragma once

namespace korva {

class ActiveDocument;
class FoodDataBase;
class FoodList;
class Platform;

// Export of a food list or recipe as a text report: proposes a name, asks
// for the file in the food list folder, writes the report against the
// current user's targets and confirms.  A recipe's window commits its form
// fields before it calls this.  Answers whether a file was written.
bool exportAsText(const FoodList& list, FoodDataBase& db, Platform& platform);

// "Export FoodList" on the active document: refused without one and on a
// recipe, else exportAsText of its list.
bool onExportFoodList(const ActiveDocument& active, Platform& platform);

// Export of the recipe menu on the active document: refused without one and
// on a food list, else exportAsText of its list (its form committed by the
// caller).
bool onExportRecipe(const ActiveDocument& active, Platform& platform);

// "Export &CSV..." on the active document, a food list or a recipe (its form
// committed by the caller): refused without one, else its items and totals
// as a spreadsheet in the food list folder.
bool onExportCsv(const ActiveDocument& active, Platform& platform);

} // namespace korva
