#include "app/plan_amounts_dialog.h"

#include <algorithm>
#include <cmath>

#include "core/food_data_base.h"
#include "core/nutrients.h"
#include "core/platform.h"
#include "core/printf_text.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "lists/report_writer.h"
#include "plan/mip_solver.h"

namespace korva {

namespace {

float toQuarter(float servings) {
    const float s = std::round(std::clamp(servings, 0.0f, kMaxSteppedServings) / kPlanStep) * kPlanStep;
    return std::isfinite(s) ? s : 0.0f;
}

std::string percentOf(const NutrientRecord& totals, const NutrientRecord& targets, int n) {
    const auto p = percentOfTarget(totals.value(n), targets.value(n));
    return p ? printfText("%ld %%", *p) : std::string("N / A");
}

std::string weighs(const FoodItem& item) {
    return printfText("%.1f g, %ld cal", static_cast<double>(item.grams()), nearestInteger(item.calories()));
}

} // namespace

std::optional<std::string> PlanAmountsDialog::refusal(const CFListDoc* doc, const NutrientRecord& targets) {
    if (!doc) return planmsg::kNoList;
    if (doc->isRecipe()) return planmsg::kRecipe;
    if (!doc->hasItems()) return planmsg::kNoFoods;
    for (int n = 0; n < kNutrientCount; ++n)
        if (isPlanTarget(targets, n)) return std::nullopt;
    return planmsg::kNoTargets;
}

PlanAmountsDialog::PlanAmountsDialog(CFListDoc& doc, const NutrientRecord& targets, std::string userName,
                                     const MipSolver& solver)
    : doc_(doc), targets_(targets), userName_(std::move(userName)), solver_(solver) {
    for (const FoodItem& item : doc_.list().items()) {
        PlanBounds b;
        // Today's amount always lies within the bounds it starts with.
        b.maxServings = std::max(kPlanDefaultMax, std::ceil(item.servings() / kPlanStep) * kPlanStep);
        bounds_.push_back(b);
    }
    refresh();
}

void PlanAmountsDialog::onLock(std::size_t row, bool locked) {
    if (row >= bounds_.size()) return;
    bounds_[row].locked = locked;
    dropPlan();
}

void PlanAmountsDialog::onMin(std::size_t row, float servings) {
    if (row >= bounds_.size()) return;
    PlanBounds& b = bounds_[row];
    b.minServings = toQuarter(servings);
    b.maxServings = std::max(b.maxServings, b.minServings);
    dropPlan();
}

void PlanAmountsDialog::onMax(std::size_t row, float servings) {
    if (row >= bounds_.size()) return;
    PlanBounds& b = bounds_[row];
    b.maxServings = toQuarter(servings);
    b.minServings = std::min(b.minServings, b.maxServings);
    dropPlan();
}

void PlanAmountsDialog::onBand(int percent) {
    bandPercent_ = std::clamp(percent, 1, kMaxBandPercent);
    dropPlan();
}

PlanRequest PlanAmountsDialog::request() const {
    PlanRequest r;
    r.items = doc_.list().items();
    r.bounds = bounds_;
    r.targets = targets_;
    r.bandPercent = bandPercent_;
    return r;
}

void PlanAmountsDialog::onPlan() {
    dropPlan();
    if (std::all_of(bounds_.begin(), bounds_.end(), [](const PlanBounds& b) { return b.locked; })) {
        doc_.platform().message(planmsg::kAllLocked);
        return;
    }
    PlanOutcome out;
    {
        WaitCursor wait(doc_.platform());
        out = planAmounts(request(), solver_);
    }
    planned_ = out.servings;
    status_ = out.explanation;
    refresh();
}

bool PlanAmountsDialog::onApply() {
    if (planned_.empty()) return false;
    FoodList& list = doc_.list();
    const int current = list.currentIndex();
    // From the last item back, so that a removal moves none still to come.
    for (std::size_t i = planned_.size(); i-- > 0;) {
        if (bounds_[i].locked || planned_[i] == list.item(i).servings()) continue;
        list.select(static_cast<int>(i));
        if (!(planned_[i] > 0.0f)) {
            list.deleteCurrent();
            bounds_.erase(bounds_.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        const std::uint16_t entryUnit = list.currentEntryUnit();
        list.setCurrentAmount(planned_[i], kUnitServings);
        list.setCurrentEntryUnit(entryUnit);
    }
    if (!list.empty()) list.select(std::min(current, static_cast<int>(list.itemCount()) - 1));
    applied_ = true;
    dropPlan();
    return true;
}

bool PlanAmountsDialog::onPrint(ReportPrinter& printer) {
    return runPrintJob(doc_.platform(), printer, planmsg::kJobName, [this](ReportWriter& out) { writeReport(out); });
}

void PlanAmountsDialog::onHelp() { doc_.platform().openHelp(kHelpContext); }

void PlanAmountsDialog::dropPlan() {
    planned_.clear();
    status_.clear();
    refresh();
}

void PlanAmountsDialog::refresh() {
    const std::vector<FoodItem>& items = doc_.list().items();
    const std::vector<FoodItem> planned = plannedItems(items, planned_);
    const NutrientRecord plannedTotals = totalsOf(planned);
    itemRows_.clear();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const FoodItem& item = items[i];
        ItemRow row{item.name(),
                    item.amountText(item.displayUnit()),
                    "",
                    "",
                    bounds_[i].locked,
                    bounds_[i].minServings,
                    bounds_[i].maxServings};
        if (!planned_.empty()) {
            FoodItem after = item;
            after.setServings(planned_[i]);
            row.planned = planned_[i] > 0.0f ? after.amountText(item.displayUnit()) : "none";
            row.weighs = weighs(after);
        }
        itemRows_.push_back(std::move(row));
    }
    nutrientRows_.clear();
    missing_ = false;
    for (int n = 0; n < kNutrientCount; ++n) {
        if (!isPlanTarget(targets_, n)) continue;
        const bool gap =
            std::any_of(items.begin(), items.end(), [n](const FoodItem& f) { return f.record().level(n) <= 0; });
        missing_ = missing_ || gap;
        nutrientRows_.push_back({std::string(nutrientName(n)) + (gap ? " *" : ""),
                                 percentOf(doc_.list().totals(), targets_, n),
                                 planned_.empty() ? "" : percentOf(plannedTotals, targets_, n)});
    }
}

void PlanAmountsDialog::writeReport(ReportWriter& out) const {
    out.heading(0, kCaption);
    out.detail(2, "FoodList: " + doc_.title());
    out.detail(1, "User: " + userName_ + "   " + calorieBandText(bandPercent_));
    out.heading(2, "Foods");
    out.detail(1, "\tToday\tPlanned");
    for (const ItemRow& r : itemRows_)
        out.detail(1, r.food + '\t' + r.today + '\t' + (r.locked ? "locked" : r.planned) + "   " + r.weighs);
    out.heading(2, "Nutrients");
    out.detail(1, "\tToday\tPlanned");
    for (const NutrientRow& r : nutrientRows_) out.detail(1, r.name + '\t' + r.today + '\t' + r.planned);
    if (missing_) out.detail(2, planmsg::kMissingNote);
    if (!status_.empty()) out.detail(2, status_);
}

bool planAmountsEnabled(const CFListDoc* doc) { return doc && !doc->isRecipe(); }

void onPlanAmounts(FoodDataBase& db, Platform& platform, ActiveDocument& active, PlanAmountsWindows& windows) {
    CFListDoc* doc = active.document();
    const CurrentUser& user = db.users().current();
    if (const auto refused = PlanAmountsDialog::refusal(doc, user.profile)) {
        platform.message(*refused);
        return;
    }
    const auto solver = makeGlpkSolver();
    PlanAmountsDialog dialog(*doc, user.profile, user.name, *solver);
    windows.run(dialog);
    if (dialog.applied()) windows.documentChanged(*doc);
}

} // namespace korva
