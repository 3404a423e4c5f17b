#include "search/srch_dlg.h"

#include <algorithm>

#include "core/food_data_base.h"
#include "core/nutrients.h"
#include "core/platform.h"
#include "lists/food_list.h"
#include "lists/report_writer.h"
#include "search/food_finder.h"
#include "search/result_rows.h"
#include "search/search_choosers.h"
#include "search/search_engine.h"
#include "search/search_report.h"
#include "search/search_validation.h"

namespace korva {

namespace {

bool usesAmounts(SearchType t) { return t == SearchType::MinOne || t == SearchType::MaxOne; }

} // namespace

SrchDlg::SrchDlg(FoodDataBase& db, Platform& platform, SearchChoosers& choosers, SearchSettings& settings,
                 SearchType type, const FoodList* activeList)
    : db_(db), platform_(platform), choosers_(choosers), settings_(settings), activeList_(activeList), type_(type),
      previousType_(type), basis_(settings.basis), savedCategory_(db.selection().currentCategory()),
      savedEntry_(db.selection().currentEntry()) {
    setCaptionAndButtons(type);
    settings_.currentType = type;
    const auto n = static_cast<std::size_t>(std::clamp(settings.size, kMinSearchSize, kMaxSearchSize));
    entries_.assign(n, std::nullopt);
    records_.assign(n, NutrientRecord{});
}

void SrchDlg::setCaptionAndButtons(SearchType type) {
    if (type == SearchType::Optimize) {
        minimizeCaption_ = kOptimize;
    } else if (previousType_ == SearchType::Optimize) {
        minimizeCaption_ = kMinimizeAgain;
    }
    switch (type) {
    case SearchType::Optimize:
    case SearchType::MinOne:
    case SearchType::MinSeveral:
        minimizeEnabled_ = true;
        maximizeEnabled_ = false;
        break;
    case SearchType::MaxOne:
    case SearchType::MaxSeveral:
        minimizeEnabled_ = false;
        maximizeEnabled_ = true;
        break;
    case SearchType::MinMaxSeveral: minimizeEnabled_ = maximizeEnabled_ = true; break;
    }
    resultsCaption_ = usesAmounts(type) ? kAmountCaption : kPercentCaption;
}

const std::string& SrchDlg::resultsCaption() const { return shown_ ? shownCaption_ : resultsCaption_; }

void SrchDlg::onTypeChosen(SearchType type) {
    if (type == SearchType::Optimize && !listEnabled()) return;
    setCaptionAndButtons(type);
    type_ = type;
    previousType_ = type;
    settings_.currentType = type;
}

void SrchDlg::onBasisChosen(ComparisonBasis basis) { basis_ = basis; }

std::optional<NutrientSet> SrchDlg::chooseNutrients(const NutrientSet& set) {
    NtrDialog chooser(set);
    choosers_.run(chooser);
    // Cancel keeps the set as it was, whatever was clicked meanwhile.
    if (!chooser.ok() || chooser.result() == 0) return std::nullopt;
    return chooser.set();
}

void SrchDlg::onMinimize() {
    if (!minimizeEnabled_) return;
    if (auto set = chooseNutrients(chosen_.minimize())) chosen_.setMinimize(*set);
}

void SrchDlg::onMaximize() {
    if (!maximizeEnabled_) return;
    if (auto set = chooseNutrients(chosen_.maximize())) chosen_.setMaximize(*set);
}

void SrchDlg::onCategories() {
    CtlDialog chooser(chosen_.categories());
    choosers_.run(chooser);
    if (chooser.ok()) chosen_.setCategories(chooser.set());
}

void SrchDlg::onSearch() {
    SearchRequest request;
    request.type = type_;
    request.basis = basis_;
    request.size = static_cast<int>(entries_.size());
    request.categories = chosen_.categories();
    request.minimize = chosen_.minimize();
    request.maximize = chosen_.maximize();
    const NutrientRecord& targets = db_.users().current().profile;
    if (auto refusal = validateSearchRequest(request, targets, activeList_)) {
        platform_.message(*refusal);
        return;
    }
    SearchOutcome found;
    {
        WaitCursor wait(platform_);
        GapTable gaps{};
        if (type_ == SearchType::Optimize) gaps = computeGaps(activeList_->totals(), chosen_.minimize(), targets);
        found = runSearch(db_, request, targets, &gaps);
    }
    if (!found.complete) {
        platform_.message(searchmsg::kRecordsUnreadable);
        return;
    }
    if (!found.positions.empty()) {
        const std::vector<int> shown = displayedNutrients(type_, chosen_.minimize(), chosen_.maximize());
        shown_ = request;
        shownCaption_ = resultsCaption_;
        resultRows_.assign(1, resultHeader(shown));
        shownNutrients_ = shown;
        coverage_.clear();
        servingLine_ = " ";
        std::fill(entries_.begin(), entries_.end(), std::nullopt);
        for (std::size_t i = 0; i < found.positions.size() && i < entries_.size(); ++i) {
            const ShortFood& food = db_.index().entries()[found.positions[i]];
            entries_[i] = found.positions[i];
            if (!db_.records().readFoodRecord(food, records_[i])) records_[i] = NutrientRecord{};
            coverage_.addItem(records_[i]);
            resultRows_.push_back(resultRow(type_, basis_, food, records_[i], shown, targets));
        }
    }
    selectedRow_ = resultRows_.size() > 1 ? 1 : -1;
    updateServingLine();
}

std::optional<std::size_t> SrchDlg::selectedFood() const {
    const auto i = static_cast<std::size_t>(selectedResult());
    if (i >= entries_.size() || !entries_[i] || *entries_[i] >= db_.index().entries().size()) return std::nullopt;
    return entries_[i];
}

const NutrientRecord* SrchDlg::selectedRecord() const {
    return selectedFood() ? &records_[static_cast<std::size_t>(selectedResult())] : nullptr;
}

std::vector<std::string> SrchDlg::screenRows() const {
    std::vector<std::string> rows = resultRows_;
    if (rows.empty()) return rows;
    std::string header = "FOOD NAME ";
    for (int n : shownNutrients_) header += "\t " + std::string(nutrientAbbreviation(n)) += coverageMark(coverage_, n);
    rows.front() = std::move(header);
    return rows;
}

void SrchDlg::updateServingLine() {
    if (auto food = selectedFood())
        servingLine_ = korva::servingLine(basis_, db_.index().entries()[*food].gramsPerServing, *selectedRecord());
}

void SrchDlg::onResultSelected(int row) {
    if (row < 0 || row >= static_cast<int>(resultRows_.size())) return;
    selectedRow_ = row;
    updateServingLine();
}

void SrchDlg::onAdd() {
    if (!listEnabled()) return;
    const auto food = selectedFood();
    if (!food) return;
    settings_.basis = shownBasis();
    db_.selection().setCurrentCategory(db_.index().entries()[*food].category);
    db_.selection().setCurrentEntry(*food);
    addRequested_ = true;
    finished_ = true;
}

void SrchDlg::onClear() {
    std::fill(entries_.begin(), entries_.end(), std::nullopt);
    resultRows_.clear();
    shown_.reset();
    shownNutrients_.clear();
    coverage_.clear();
    selectedRow_ = -1;
}

void SrchDlg::onClose() {
    db_.selection().setCurrentCategory(savedCategory_);
    db_.selection().setCurrentEntry(savedEntry_);
    addRequested_ = false;
    finished_ = true;
}

void SrchDlg::onHelp() { platform_.openHelp(kHelpContext); }

SearchSummary SrchDlg::summary() const {
    const std::string& user = db_.users().current().name;
    if (shown_)
        return {shown_->type, shown_->basis, user, shown_->minimize, shown_->maximize, shown_->categories, resultRows_};
    return {settings_.currentType, basis_,     user, chosen_.minimize(), chosen_.maximize(),
            chosen_.categories(),  resultRows_};
}

bool SrchDlg::onPrint(ReportPrinter& printer) {
    const SearchSummary s = summary();
    return runPrintJob(platform_, printer, kSearchJobName, [&s](ReportWriter& out) { writeSearchReport(out, s); });
}

std::optional<SrchDlg::FoodInCategory> SrchDlg::onView() {
    const auto food = selectedFood();
    if (!food) {
        platform_.message(kNoFoodsToView);
        return std::nullopt;
    }
    const FoodIndex& index = db_.index();
    const int category = index.entries()[*food].category;
    // A food missing from its category's list would open the view on some
    // other food; saying there is nothing to view is the honest answer.
    for (int k = 0; k < index.foodCount(category); ++k) {
        if (index.positionInCategory(category, k) != food) continue;
        db_.selection().setCurrentCategory(category);
        db_.selection().setCurrentEntry(*food);
        return FoodInCategory{category, k};
    }
    platform_.message(kNoFoodsToView);
    return std::nullopt;
}

} // namespace korva
