#pragma once

#include <string>

#include "core/nutrient_record.h"

namespace korva {

class CFListDoc;
class FoodList;
class ReportPrinter;
class ReportWriter;

// Whose targets a report measures the nutrients against.
struct ReportUser {
    std::string name;
    NutrientRecord targets;
};

inline constexpr const char* kListJobName = "FOOD LIST TOTALS";

// The printed report of a food list: title, list and user, the items in the
// current item's display unit, the calorie split and the 39 nutrients with
// their share of the user's targets.
void writeFoodListReport(ReportWriter& out, const FoodList& list, const ReportUser& user);
// The same for a recipe, with its directions; the nutrients are those of one
// serving while the calorie split stays that of the whole recipe.
void writeRecipeReport(ReportWriter& out, const FoodList& recipe, const ReportUser& user);

// Print FoodList... and Print of the Recipe menu on the active document:
// each refusal shows its message before any dialog and answers false.
bool printFoodList(const CFListDoc& active, ReportPrinter& printer);
bool printRecipe(const CFListDoc& active, ReportPrinter& printer);
// The report of the active document's own kind: a recipe's or a food list's.
bool printDocument(const CFListDoc& active, ReportPrinter& printer);

namespace printmsg {
inline constexpr const char* kUseRecipeMenu = "Use RECIPE menu entries ...";
inline constexpr const char* kNoFoodItems = "... no FOOD ITEMS in Food List, can't print ...";
inline constexpr const char* kRecipeAsFoodList = "... can't print a RECIPE as a FOOD LIST...";
inline constexpr const char* kNoIngredients = "... no ingredients in RECIPE, can't print ...";
inline constexpr const char* kFoodListAsRecipe = "... can't print a FOOD LIST as a RECIPE ...";
} // namespace printmsg

} // namespace korva
