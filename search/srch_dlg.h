#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/nutrient_coverage.h"
#include "core/nutrient_record.h"
#include "search/chosen_sets.h"
#include "search/search_request.h"

namespace korva {

class CtlDialog;
class FoodDataBase;
class FoodList;
class NtrDialog;
class Platform;
class ReportPrinter;
struct SearchSummary;

// What lives for the whole run: the result size, the basis handed back by
// the last addition, the type the dialog is on now (the printout reads it)
// and the type of the last opened search (for Repeat).
struct SearchSettings {
    int size = kDefaultSearchSize;
    ComparisonBasis basis = ComparisonBasis::OneServing;
    SearchType currentType = SearchType::Optimize;
    SearchType lastOpened = SearchType::Optimize;
};

// Runs the two choosers modally.  The Qt face shows dialogs; tests play the
// user's part on the behaviour objects.
class SearchChoosers {
public:
    virtual ~SearchChoosers() = default;
    virtual void run(NtrDialog& dialog) = 0;
    virtual void run(CtlDialog& dialog) = 0;
};

// The "NUTRIENT  SEARCH" dialog: the request, the search and its results.
class SrchDlg {
public:
    static constexpr const char* kCaption = "NUTRIENT  SEARCH";
    static constexpr const char* kMinimize = "MINIMIZE (&F)";
    static constexpr const char* kMinimizeAgain = "MINIMIZE";
    static constexpr const char* kOptimize = "OPTIMIZE";
    static constexpr const char* kAmountCaption = "Search Results (Amount)";
    static constexpr const char* kPercentCaption = "Search Results (%AA/RDA)";
    static constexpr const char* kNoServingLine = "1 Serving = 0.00gms : 00 Calories";
    static constexpr int kHelpContext = 53248;
    static constexpr const char* kNoFoodsToView = " ... error ... no foods to view ...";

    // The labels of the controls, with the value each radio button stands for.
    template <class Value>
    struct Choice {
        const char* label;
        Value value;
    };
    static constexpr const char* kTypeGroup = "Search  T&ype";
    static constexpr std::array<Choice<SearchType>, 6> kTypeChoices{{{"Mi&nimize One", SearchType::MinOne},
                                                                     {"Ma&ximize One", SearchType::MaxOne},
                                                                     {"&Min Several", SearchType::MinSeveral},
                                                                     {"Max Several (&B)", SearchType::MaxSeveral},
                                                                     {"M&in/Max Sev.", SearchType::MinMaxSeveral},
                                                                     {"&Optimize", SearchType::Optimize}}};
    static constexpr const char* kBasisGroup = "Com&parison";
    static constexpr std::array<Choice<ComparisonBasis>, 3> kBasisChoices{
        {{"1  S&erving", ComparisonBasis::OneServing},
         {"100  Ca&l.", ComparisonBasis::Per100Calories},
         {"100  &Gm", ComparisonBasis::Per100Grams}}};
    static constexpr const char* kMaximize = "MAXIMIZE (&D)";
    static constexpr const char* kCategories = "CATEGORIES (&J)";
    static constexpr const char* kSearchSize = "Search Si&ze";
    static constexpr const char* kSearch = "&SEARCH";
    static constexpr const char* kAdd = "&Add  to  FoodList";
    static constexpr const char* kHelp = "&HELP";
    static constexpr const char* kClear = "Clea&r";
    static constexpr const char* kView = "&View";
    static constexpr const char* kPrint = "Prin&t";
    static constexpr const char* kClose = "&Close";
    // The size is set from the main menu; the button only says where.
    static constexpr bool kSearchSizeEnabled = false;

    // A food of the data base by its category and its place in that
    // category's list, as the nutrient view opens it.
    struct FoodInCategory {
        int category = 0;
        int food = 0;
    };

    // `activeList` is the list of the active document window, if any.
    SrchDlg(FoodDataBase& db, Platform& platform, SearchChoosers& choosers, SearchSettings& settings, SearchType type,
            const FoodList* activeList);

    // ---- What the face shows -----------------------------------------------
    SearchType type() const { return type_; }
    ComparisonBasis basis() const { return basis_; }
    // Optimize and "Add to FoodList" work on the active list.
    bool listEnabled() const { return activeList_ != nullptr; }
    const std::string& minimizeCaption() const { return minimizeCaption_; }
    bool minimizeEnabled() const { return minimizeEnabled_; }
    bool maximizeEnabled() const { return maximizeEnabled_; }
    // The caption of the results shown, or of the chosen type before any.
    const std::string& resultsCaption() const;
    // Row 0 is the header once a search found something.
    const std::vector<std::string>& resultRows() const { return resultRows_; }
    // The rows as the screen shows them: the header marks with "*" each
    // nutrient that some of the foods found do not report, and the note
    // under the results says how many do.
    std::vector<std::string> screenRows() const;
    std::string coverageNote() const { return korva::coverageNote(coverage_, shownNutrients_); }
    // The selected results row, or -1.
    int selectedRow() const { return selectedRow_; }
    const std::string& servingLine() const { return servingLine_; }
    // The chosen nutrients and categories; the face takes rows out of them.
    const ChosenSets& chosen() const { return chosen_; }
    ChosenSets& chosen() { return chosen_; }

    // ---- Controls -------------------------------------------------------------
    void onTypeChosen(SearchType type);
    void onBasisChosen(ComparisonBasis basis);
    void onMinimize();
    void onMaximize();
    void onCategories();
    void onSearch();
    void onResultSelected(int row);
    void onAdd();
    void onClear();
    void onClose();
    void onHelp();
    // Prints the search and its results; false when cancelled or refused.
    bool onPrint(ReportPrinter& printer);
    // Makes the selected food the data base's current one and answers where
    // the nutrient view finds it; none (after a message) without one.
    std::optional<FoodInCategory> onView();

    // The search as the printout states it: the search that produced the
    // rows shown, or the dialog's settings while none are shown.
    SearchSummary summary() const;
    // The basis of the rows shown (the unit a found food is added in), or
    // the chosen one while none are shown.
    ComparisonBasis shownBasis() const { return shown_ ? shown_->basis : basis_; }

    // The food of the selected result (the first when the header is
    // selected): its index position and record; none without results.
    std::optional<std::size_t> selectedFood() const;
    const NutrientRecord* selectedRecord() const;

    // ---- How it ended -------------------------------------------------------
    bool finished() const { return finished_; }
    bool addRequested() const { return addRequested_; }
    // The food to add, when an addition was requested.
    std::optional<std::size_t> foodToAdd() const { return addRequested_ ? selectedFood() : std::nullopt; }

private:
    void setCaptionAndButtons(SearchType type);
    void updateServingLine();
    int selectedResult() const { return selectedRow_ > 1 ? selectedRow_ - 1 : 0; }
    std::optional<NutrientSet> chooseNutrients(const NutrientSet& set);

    FoodDataBase& db_;
    Platform& platform_;
    SearchChoosers& choosers_;
    SearchSettings& settings_;
    const FoodList* activeList_;
    SearchType type_;
    SearchType previousType_;
    ComparisonBasis basis_;
    ChosenSets chosen_;
    std::string minimizeCaption_ = kMinimize;
    bool minimizeEnabled_ = true;
    bool maximizeEnabled_ = true;
    std::string resultsCaption_;

    std::vector<std::optional<std::size_t>> entries_;
    std::vector<NutrientRecord> records_;
    std::vector<std::string> resultRows_;
    // The request whose results are listed.
    std::optional<SearchRequest> shown_;
    std::vector<int> shownNutrients_;
    NutrientCoverage coverage_;
    std::string shownCaption_;
    int selectedRow_ = -1;
    std::string servingLine_ = kNoServingLine;

    int savedCategory_;
    std::optional<std::size_t> savedEntry_;
    bool finished_ = false;
    bool addRequested_ = false;
};

} // namespace korva
