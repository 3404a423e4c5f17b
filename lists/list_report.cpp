#include "lists/list_report.h"

#include "core/food_data_base.h"
#include "core/nutrients.h"
#include "core/platform.h"
#include "core/printf_text.h"
#include "lists/flist_doc.h"
#include "lists/food_list.h"
#include "lists/report_writer.h"

namespace korva {

namespace {

constexpr const char* kTitle = "Korvana";

// Every item as the list shows it now: in the current item's display unit.
void writeItems(ReportWriter& out, const FoodList& list) {
    const std::uint16_t unit = list.currentDisplayUnit();
    for (const FoodItem& item : list.items()) out.detail(1, item.lineText(unit));
}

void writeCalorieSplit(ReportWriter& out, int firstAdvance, const FoodList& list) {
    out.detail(firstAdvance, printfText("Percent Calories from Fat\t  %d%%", list.pctFat()));
    out.detail(1, printfText("Percent Calories from Protein\t  %d%%", list.pctProtein()));
    out.detail(1, printfText("Percent Calories from Carbohydrates\t  %d%%", list.pctCarbohydrate()));
}

void writeNutrients(ReportWriter& out, const NutrientRecord& values, const NutrientRecord& targets) {
    const NutrientTexts valueTexts = formatAllValueTexts(values);
    const NutrientTexts percentTexts = formatAllPercentTexts(values.values, targets);
    out.useNutrientTabStops();
    for (int n = 0; n < kNutrientCount; ++n) {
        const auto i = static_cast<std::size_t>(n);
        out.detail(1, std::string(nutrientName(n)) + '\t' + valueTexts[i] + '\t' + std::string(nutrientUnit(n)) + '\t' +
                          percentTexts[i]);
    }
    out.useStandardTabStops();
}

ReportUser currentUser(const CFListDoc& doc) {
    const UserSet& users = doc.dataBase().users();
    return {users.current().name, users.current().profile};
}

} // namespace

void writeFoodListReport(ReportWriter& out, const FoodList& list, const ReportUser& user) {
    out.heading(0, kTitle);
    out.heading(3, "FOOD  LIST  DATA  for  " + list.fileName());
    out.heading(2, "NUTRIENT  ODA/RDA  Levels for User : " + user.name);
    out.heading(2, "FOOD  LIST  ITEMS");
    writeItems(out, list);
    out.heading(4, "CALORIE  PERCENTAGE  BREAKDOWN");
    writeCalorieSplit(out, 2, list);
    out.heading(4, "NUTRIENT  VALUES");
    writeNutrients(out, list.totals(), user.targets);
}

void writeRecipeReport(ReportWriter& out, const FoodList& recipe, const ReportUser& user) {
    out.heading(0, kTitle);
    out.heading(3, "RECIPE  DATA  for  " + recipe.recipe().name());
    out.heading(2, "NUTRIENT  ODA/RDA%  Levels for User : " + user.name);
    out.heading(3, "INGREDIENTS\t1 Serv.");
    writeItems(out, recipe);
    out.heading(3, "DIRECTIONS");
    for (const std::string& line : recipe.recipe().instructions()) out.detail(1, line);
    out.heading(2, "CALORIE  PERCENTAGE  BREAKDOWN");
    writeCalorieSplit(out, 2, recipe);
    out.heading(3, "NUTRIENT  VALUES  per  SERVING");
    // A recipe that makes no servings prints zeros rather than dividing by
    // zero (perServing answers zeros then).
    writeNutrients(out, recipe.perServing().values, user.targets);
}

bool printFoodList(const CFListDoc& active, ReportPrinter& printer) {
    Platform& platform = active.platform();
    const FoodList& list = active.list();
    const char* refusal = active.isRecipe() ? printmsg::kUseRecipeMenu
                          : list.empty()    ? printmsg::kNoFoodItems
                          : list.isRecipe() ? printmsg::kRecipeAsFoodList
                                            : nullptr;
    if (refusal) {
        platform.message(refusal);
        return false;
    }
    const ReportUser user = currentUser(active);
    return runPrintJob(platform, printer, kListJobName,
                       [&](ReportWriter& out) { writeFoodListReport(out, list, user); });
}

bool printRecipe(const CFListDoc& active, ReportPrinter& printer) {
    Platform& platform = active.platform();
    const FoodList& list = active.list();
    const char* refusal = list.empty()       ? printmsg::kNoIngredients
                          : !list.isRecipe() ? printmsg::kFoodListAsRecipe
                                             : nullptr;
    if (refusal) {
        platform.message(refusal);
        return false;
    }
    const ReportUser user = currentUser(active);
    return runPrintJob(platform, printer, kListJobName, [&](ReportWriter& out) { writeRecipeReport(out, list, user); });
}

bool printDocument(const CFListDoc& active, ReportPrinter& printer) {
    return active.isRecipe() ? printRecipe(active, printer) : printFoodList(active, printer);
}

} // namespace korva
