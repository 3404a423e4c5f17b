#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/nutrient_coverage.h"
#include "core/nutrient_record.h"
#include "core/nutrients.h"
#include "daily/key_dialog.h"
#include "daily/nutrient_chart.h"
#include "daily/view_foods.h"

namespace korva {

class CFListDoc;
class FoodList;
class Platform;
class ReportPrinter;

// The fixed choices of the view's combo boxes, in the order of their values.
namespace nutrientviewtext {
inline std::vector<std::string> displayLabels() { return {"Table", "Histogram"}; }
inline std::vector<std::string> pageLabels() { return {"Standard", "Amino Acids"}; }
inline std::vector<std::string> basisLabels() { return {"100 gms.", "1 Serving", "100 calories"}; }
std::vector<std::string> categoryLabels();
} // namespace nutrientviewtext

// All 39 nutrients of one thing against the current user's targets, as a
// table or a bar chart: a food of the data base (chosen by category and
// name, per 100 g, one serving or 100 calories) or a food list or recipe
// document (item by item or as a whole).
class NutrientViewDialog {
public:
    enum Display { kTable = 0, kHistogram = 1 };
    enum Source { kDocument = 0, kDataBase = 1 };
    enum Data { kItem = 0, kWhole = 1 };
    enum ViewBasis { k100Grams = 0, kOneServing = 1, k100Calories = 2 };

    static constexpr const char* kCaptionPrefix = "VIEW  ALL  NUTRIENTS  :  User  :  ";
    static constexpr const char* kDisplayLabel = "&Display : ";
    static constexpr const char* kPageLabel = "&Nutrients : ";
    static constexpr const char* kFoodBox = "&Select CATEGORY and FOOD :";
    static constexpr const char* kBasisLabel = "&Amount : ";
    static constexpr const char* kDataLabel = "Da&ta : ";
    static constexpr const char* kPrevious = "< &Previous";
    static constexpr const char* kNext = "Ne&xt  >";
    static constexpr const char* kKeyButton = "&Key";
    static constexpr const char* kPrintButton = "&Print";
    static constexpr const char* kHelpButton = "&HELP";
    static constexpr const char* kCloseButton = "&CLOSE";
    static constexpr int kHelpContext = 54272;
    static constexpr const char* kJobName = "NUTRIENT LEVELS";

    static constexpr const char* kZeroCaloriesShown = " Food has zero calories - dislaying for 100 gms. ..";
    static constexpr const char* kZeroCaloriesChosen = "ERROR - calories are zero, can't display for 100 cal ...";
    static constexpr const char* kEmptyCategory = "... no data base foods in this category...";
    static constexpr const char* kWarningCaption = "WARNING  MESSAGE";
    static constexpr const char* kErrorCaption = "ERROR MESSAGE";

    // A food of the data base: the k-th food of `category`.
    NutrientViewDialog(const ViewFoods& foods, Platform& platform, Display display, int category, int food);
    // A document, item by item or whole.
    NutrientViewDialog(const ViewFoods& foods, Platform& platform, Display display, CFListDoc& doc, Data data);

    // ---- What the face shows ----------------------------------------------
    std::string caption() const;
    Display display() const { return display_; }
    Source source() const { return source_; }
    ChartPage page() const { return page_; }
    Data data() const { return data_; }
    ViewBasis basis() const { return basis_; }
    int category() const { return category_; }
    int food() const { return food_; }
    const std::vector<std::string>& foodNames() const { return foodNames_; }
    // "Food Item", "Food List" or, for a recipe, "Ingredient", "Recipe".
    std::vector<std::string> dataLabels() const;

    // The item box of a document: its caption and the name shown in it.
    std::string itemBoxCaption() const;
    std::string itemName() const;
    bool stepButtonsShown() const { return source_ == kDocument && data_ == kItem; }
    const std::string& amountLine() const { return amountLine_; }

    const NutrientRecord& shown() const { return shown_; }
    // A row of the table: name, value, unit and percent of target.
    struct TableRow {
        std::string name, value, unit, percent;
    };
    // The rows of a page as printed, in catalogue order.
    std::vector<TableRow> tableRows(ChartPage page) const;
    // The rows the screen shows: a nutrient no item reports reads "N / A",
    // one that only some items report ends in its mark.
    struct ScreenRow {
        TableRow row;
        std::string mark;
    };
    std::vector<ScreenRow> screenRows(ChartPage page) const;
    // The note under the screen's table or chart for page(); empty when
    // every item reports every nutrient of it.
    std::string coverageNote() const;
    const NutrientCoverage& coverage() const { return coverage_; }
    // The chart laid out for the size it has now, with the marks.
    ChartGeometry chart(int width, int height) const;
    const ViewUser& user() const { return user_; }

    // ---- Controls ---------------------------------------------------------
    void onDisplayChosen(int display);
    void onPageChosen(int page);
    void onCategoryChosen(int category);
    void onFoodChosen(int food);
    void onBasisChosen(int basis);
    void onDataChosen(int data);
    void onPrevious();
    void onNext();
    KeyDialog onKey() const { return KeyDialog(page_); }
    // Prints the table or the chart, whichever is shown.
    bool onPrint(ReportPrinter& printer);
    void onHelp();

    // The lines printed under the chart: data, amount and user.
    std::array<std::string, 3> chartHeaderLines() const;
    // The heading lines of the printed table, before the nutrient rows.
    std::vector<std::string> tableHeadings() const;

private:
    void showCategory(int category);
    void redisplay();
    void showFood();
    void showDocument();
    FoodList& list() const;
    int foodCount() const { return static_cast<int>(foodNames_.size()); }

    const ViewFoods& foods_;
    Platform& platform_;
    ViewUser user_;
    Display display_;
    Source source_;
    CFListDoc* doc_ = nullptr;
    Data data_ = kWhole;
    ViewBasis basis_ = k100Grams;
    ChartPage page_ = ChartPage::standard;
    int category_ = 0;
    int food_ = 0;
    std::vector<std::string> foodNames_;
    std::string foodName_;
    std::string servingText_;
    NutrientRecord shown_;
    NutrientCoverage coverage_;
    float gramsPerServing_ = 0.0f;
    std::string amountLine_;
    NutrientTexts valueTexts_ = initialValueTexts();
    NutrientTexts percentTexts_ = initialPercentTexts();
};

} // namespace korva
