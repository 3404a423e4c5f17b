#include "daily/indiv_dlg.h"

#include "core/nutrient_coverage.h"
#include "core/nutrients.h"
#include "core/platform.h"
#include "core/printf_text.h"
#include "lists/food_list.h"

namespace korva {

IndivDlg::IndivDlg(const FoodList& list, ViewUser user, Platform& platform)
    : list_(list), user_(std::move(user)), platform_(platform) {
    refresh();
}

std::vector<std::string> IndivDlg::nutrientLabels() {
    std::vector<std::string> out;
    for (int n = 0; n < kNutrientCount; ++n) out.emplace_back(nutrientName(n));
    return out;
}

void IndivDlg::onNutrientChosen(int nutrient) {
    if (nutrient < 0 || nutrient >= kNutrientCount) return;
    nutrient_ = nutrient;
    refresh();
}

void IndivDlg::onHelp() { platform_.openHelp(kHelpContext); }

void IndivDlg::refresh() {
    const int n = nutrient_;
    const std::string unit(nutrientUnit(n));
    const float total = list_.totals().value(n);
    nameText_ = nutrientName(n);
    totalText_ = printfText("%6.2f ", static_cast<double>(total)) + unit;
    // A target of zero has no share to show, like no target at all.
    const auto pct = user_.targets.level(n) == 0 ? std::nullopt : percentOfTarget(total, user_.targets.value(n));
    percentText_ = pct ? printfText("%3ld%% RDA", *pct) : "N / A";
    const NutrientCoverage& c = list_.coverage();
    if (c.reportedByNone(n)) totalText_ = percentText_ = "N / A";
    markText_ = coverageMark(c, n);
    noteText_ = coverageNote(c, n, 1, list_.isRecipe() ? "ingredients" : "foods");

    rows_.clear();
    for (const FoodItem& item : list_.items()) {
        const float amount = item.record().value(n) * item.gramsPerServing() / 100.0f * item.servings();
        const std::string figure = item.record().level(n) <= 0 ? std::string(kNoData)
                                   : n == 0 ? printfText("%ld", nearestInteger(static_cast<double>(amount))) + unit
                                            : printfText("%6.2f", static_cast<double>(amount)) + unit;
        rows_.push_back(item.name() + '\t' + figure + '\t' +
                        printfText("%5.2f Svg.", static_cast<double>(item.servings())));
    }
}

} // namespace korva
