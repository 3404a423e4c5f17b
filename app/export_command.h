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

} // namespace korva
