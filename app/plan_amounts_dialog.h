#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "plan/amount_plan.h"

namespace korva {

class ActiveDocument;
class CFListDoc;
class FoodDataBase;
class MipSolver;
class Platform;
class ReportPrinter;
class ReportWriter;

namespace planmsg {
inline constexpr const char* kNoList = "No Food List active - can't plan amounts ...";
inline constexpr const char* kRecipe = "... can't plan the amounts of a RECIPE ...";
inline constexpr const char* kNoFoods = "... no foods in Food List, can't plan amounts ...";
inline constexpr const char* kNoTargets = "... the current user has no targets, can't plan amounts ...";
inline constexpr const char* kAllLocked = "... every food is locked, nothing to plan ...";
inline constexpr const char* kJobName = "PLAN  AMOUNTS";
inline constexpr const char* kMissingNote = "* data missing for some foods, counted as 0";
} // namespace planmsg

// "PLAN  AMOUNTS" over a FoodList: one row per item with its lock and its
// bounds, one row per nutrient with a target; Plan solves, Apply writes
// the planned amounts into the list (which then counts as modified).
class PlanAmountsDialog {
public:
    static constexpr int kHelpContext = 53249;
    static constexpr const char* kCaption = "PLAN  AMOUNTS";
    static constexpr const char* kPlanButton = "&Plan";
    static constexpr const char* kApplyButton = "&Apply";
    static constexpr const char* kPrintButton = "Prin&t";
    static constexpr const char* kCloseButton = "&Close";
    static constexpr const char* kHelpButton = "&Help";
    static constexpr const char* kBandLabel = "Calories within +/- %";
    static constexpr const char* kItemHeadings[] = {"Food", "Today", "Planned", "Weight, Calories",
                                                    "Lock", "Min",   "Max"};
    static constexpr const char* kNutrientHeadings[] = {"Nutrient", "Today", "Planned"};

    struct ItemRow {
        std::string food, today, planned, weighs;
        bool locked = false;
        float minServings = 0.0f, maxServings = kPlanDefaultMax;
    };
    struct NutrientRow {
        std::string name, today, planned;
    };

    // The refusal that keeps the dialog from opening, if any.
    static std::optional<std::string> refusal(const CFListDoc* doc, const NutrientRecord& targets);

    PlanAmountsDialog(CFListDoc& doc, const NutrientRecord& targets, std::string userName, const MipSolver& solver);

    const std::vector<ItemRow>& itemRows() const { return itemRows_; }
    const std::vector<NutrientRow>& nutrientRows() const { return nutrientRows_; }
    // The plan's state in words: empty, "may not be the best", or why
    // there is no plan.
    const std::string& status() const { return status_; }
    int bandPercent() const { return bandPercent_; }
    bool applyEnabled() const { return !planned_.empty(); }
    bool missingData() const { return missing_; }
    bool applied() const { return applied_; }

    // Each change of a lock, a bound or the band drops the plan.
    void onLock(std::size_t row, bool locked);
    void onMin(std::size_t row, float servings);
    void onMax(std::size_t row, float servings);
    void onBand(int percent);
    void onPlan();
    // Writes the plan into the list; false when there is none.
    bool onApply();
    bool onPrint(ReportPrinter& printer);
    void onHelp();

    void writeReport(ReportWriter& out) const;

private:
    void refresh();
    void dropPlan();
    PlanRequest request() const;

    CFListDoc& doc_;
    NutrientRecord targets_;
    std::string userName_;
    const MipSolver& solver_;
    std::vector<PlanBounds> bounds_;
    std::vector<float> planned_; // servings per item; empty without a plan
    int bandPercent_ = kDefaultBandPercent;
    std::string status_;
    bool missing_ = false;
    bool applied_ = false;
    std::vector<ItemRow> itemRows_;
    std::vector<NutrientRow> nutrientRows_;
};

// What Search > Plan Amounts asks of the window system.
class PlanAmountsWindows {
public:
    virtual ~PlanAmountsWindows() = default;
    // Shows the dialog modally until it is closed.
    virtual void run(PlanAmountsDialog& dialog) = 0;
    // The list's items changed from outside its window.
    virtual void documentChanged(CFListDoc& doc) = 0;
};

// The command is offered for a FoodList, never for a recipe.
bool planAmountsEnabled(const CFListDoc* doc);
void onPlanAmounts(FoodDataBase& db, Platform& platform, ActiveDocument& active, PlanAmountsWindows& windows);

} // namespace korva
