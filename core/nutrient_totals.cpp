#include "core/nutrient_totals.h"

#include "core/printf_text.h"

namespace korva {

namespace {

std::string format1(float v) { return printfText("%6.1f", static_cast<double>(v)); }

} // namespace

TotalsBox totalsBox(const TotalsFigures& f) {
    using namespace nutrient;
    const NutrientRecord& v = f.values;
    return {{{"Calories", printfText("%ld", f.calories), "_cal"},
             {"Protein", format1(v.value(kProtein)), "_gm"},
             {"Total Fat", format1(v.value(kTotalFat)), "_gm"},
             {"Carbohydrate", format1(v.value(kCarbohydrate)), "_gm"},
             {"Fiber", format1(v.value(kFiber)), "_gm"},
             {"Cholesterol", format1(v.value(kCholesterol)), "_mg"},
             {"% cal, Fat", printfText("%d%%", f.pctFat), ""},
             {"% cal, Protein", printfText("%d%%", f.pctProtein), ""},
             {"% cal, Carbohydrate", printfText("%d%%", f.pctCarbohydrate), ""}}};
}

} // namespace korva
