#include "daily/nutrient_view_dialog.h"

#include <algorithm>

#include "core/nutrients.h"
#include "core/platform.h"
#include "core/printf_text.h"
#include "daily/nutrient_view_print.h"
#include "lists/flist_doc.h"
#include "lists/food_list.h"

namespace korva {

namespace {

constexpr float kNoCalories = 1e-10f;

NutrientRecord scaled(const NutrientRecord& r, float factor) {
    NutrientRecord out = r;
    for (int n = 0; n < kNutrientCount; ++n) out.setValue(n, r.value(n) * factor);
    return out;
}

} // namespace

NutrientViewDialog::NutrientViewDialog(const ViewFoods& foods, Platform& platform, Display display, int category,
                                       int food)
    : foods_(foods), platform_(platform), user_(foods.user()), display_(display), source_(kDataBase) {
    if (category < 0 || category >= kCategoryCount) category = 0;
    category_ = category;
    foodNames_ = foods_.foodNames(category_);
    // Opened on a category without foods, the view starts at the next one
    // that has some, as choosing it would.
    if (foodNames_.empty()) {
        showCategory(category_);
        return;
    }
    food_ = (food >= 0 && food < foodCount()) ? food : 0;
    redisplay();
}

NutrientViewDialog::NutrientViewDialog(const ViewFoods& foods, Platform& platform, Display display, CFListDoc& doc,
                                       Data data)
    : foods_(foods), platform_(platform), user_(foods.user()), display_(display), source_(kDocument), doc_(&doc),
      data_(data) {
    redisplay();
}

FoodList& NutrientViewDialog::list() const { return doc_->list(); }

std::string NutrientViewDialog::caption() const { return kCaptionPrefix + user_.name; }

std::vector<std::string> nutrientviewtext::categoryLabels() {
    std::vector<std::string> out;
    for (int c = 0; c < kCategoryCount; ++c) out.emplace_back(categoryName(c));
    return out;
}

std::vector<std::string> NutrientViewDialog::dataLabels() const {
    if (doc_ && list().isRecipe()) return {"Ingredient", "Recipe"};
    return {"Food Item", "Food List"};
}

std::string NutrientViewDialog::itemBoxCaption() const {
    if (source_ != kDocument) return {};
    const bool recipe = list().isRecipe();
    if (data_ == kItem) return recipe ? "&Ingredient per 1 Rcp. Serving" : "Food &Item";
    return recipe ? "Rec&ipe" : "Food L&ist";
}

std::string NutrientViewDialog::itemName() const {
    if (source_ != kDocument) return foodName_;
    if (data_ == kWhole) return list().isRecipe() ? list().recipe().name() : list().fileName();
    const FoodItem* item = list().current();
    return item ? item->name() : std::string();
}

std::vector<NutrientViewDialog::TableRow> NutrientViewDialog::tableRows(ChartPage page) const {
    const bool amino = page == ChartPage::amino;
    const int first = amino ? kFirstAminoAcid : 0;
    const int count = amino ? kAminoAcidCount : kStandardNutrientCount;
    std::vector<TableRow> rows;
    for (int n = first; n < first + count; ++n) {
        const auto i = static_cast<std::size_t>(n);
        rows.push_back({std::string(nutrientName(n)), valueTexts_[i], std::string(nutrientUnit(n)), percentTexts_[i]});
    }
    return rows;
}

std::vector<NutrientViewDialog::ScreenRow> NutrientViewDialog::screenRows(ChartPage page) const {
    std::vector<ScreenRow> out;
    int n = page == ChartPage::amino ? kFirstAminoAcid : 0;
    for (TableRow& r : tableRows(page)) {
        if (coverage_.reportedByNone(n)) {
            r.value = std::string(kValueNotAvailable);
            r.percent = std::string(kPercentNotAvailable);
        }
        out.push_back({std::move(r), std::string(coverageMark(coverage_, n))});
        ++n;
    }
    return out;
}

std::string NutrientViewDialog::coverageNote() const {
    const bool amino = page_ == ChartPage::amino;
    const bool recipe = doc_ && list().isRecipe();
    return korva::coverageNote(coverage_, amino ? kFirstAminoAcid : 0, amino ? kAminoAcidCount : kStandardNutrientCount,
                               recipe ? "ingredients" : "foods");
}

ChartGeometry NutrientViewDialog::chart(int width, int height) const {
    ChartGeometry g = layoutChart(width, height, page_, shown_, user_.targets);
    // The mark stands above the bar's full length, where no bar reaches.
    const int y = std::max(g.baseline - g.fullLength - g.height * 40 / kChartGridHeight, 0);
    for (const ChartBar& bar : g.bars)
        if (coverage_.partial(bar.nutrient)) g.shapes.push_back(ChartText{bar.x, y, "*"});
    return g;
}

// ---- Shown values ----------------------------------------------------------------

void NutrientViewDialog::redisplay() {
    coverage_.clear();
    if (source_ == kDataBase)
        showFood();
    else
        showDocument();
    valueTexts_ = formatAllValueTexts(shown_);
    percentTexts_ = formatAllPercentTexts(shown_.values, user_.targets);
}

void NutrientViewDialog::showFood() {
    const std::optional<ViewFood> f = foods_.food(category_, food_);
    if (!f) {
        shown_.clear();
        foodName_.clear();
        servingText_.clear();
        gramsPerServing_ = 0.0f;
        amountLine_.clear();
        return;
    }
    coverage_.addItem(f->record);
    foodName_ = f->name;
    servingText_ = f->servingText;
    gramsPerServing_ = f->gramsPerServing;
    const float gps = gramsPerServing_;
    const float cal100 = f->record.value(0);
    if (basis_ == k100Calories && !(cal100 >= kNoCalories)) {
        platform_.messageBox(kZeroCaloriesShown, kWarningCaption, MsgButtons::ok);
        basis_ = k100Grams;
    }
    // A food without a weight per serving shows no servings rather than an
    // endless number of them.
    switch (basis_) {
    case k100Grams:
        shown_ = f->record;
        amountLine_ =
            std::string("Nutrient Levels for 100.0 grams of Food") +
            printfText(" = %4.1f Servings : %4.0f Calories", gps > 0.0f ? static_cast<double>(100.0f / gps) : 0.0,
                       static_cast<double>(shown_.value(0)));
        break;
    case kOneServing:
        shown_ = scaled(f->record, gps / 100.0f);
        amountLine_ = std::string("Nutrient Levels for 1 serving of Food") +
                      printfText(" = %s = %4.1f grams : %4.0f calories", servingText_.c_str(), static_cast<double>(gps),
                                 static_cast<double>(shown_.value(0)));
        break;
    case k100Calories:
        shown_ = scaled(f->record, 100.0f / cal100);
        shown_.setValue(0, 100.0f);
        amountLine_ = std::string("Nutrient Levels for 100 calories of Food") +
                      printfText(" : %5.1f grams = %4.1f servings", static_cast<double>(100.0f / cal100 * 100.0f),
                                 gps > 0.0f ? static_cast<double>(100.0f / (gps / 100.0f * cal100)) : 0.0);
        break;
    }
}

void NutrientViewDialog::showDocument() {
    const FoodList& l = list();
    const bool recipe = l.isRecipe();
    const float servings = l.recipe().servingCount();
    if (data_ == kWhole) {
        shown_ = recipe ? l.perServing().values : l.totals();
        coverage_ = l.coverage();
        gramsPerServing_ = 0.0f;
        amountLine_ = recipe ? "Nutrient Levels for ONE SERVING of Recipe"
                             : "Nutrient Levels for All Food Items in Food List (TOTAL)";
        return;
    }
    const FoodItem* item = l.current();
    if (!item) {
        shown_.clear();
        gramsPerServing_ = 0.0f;
        amountLine_.clear();
        return;
    }
    coverage_.addItem(item->record());
    gramsPerServing_ = item->gramsPerServing();
    float factor = gramsPerServing_ / 100.0f * item->servings();
    // A recipe that makes no servings shows zeros, never a division by zero.
    if (recipe) factor = servings > 0.0f ? factor / servings : 0.0f;
    shown_ = scaled(item->record(), factor);
    const double cal = static_cast<double>(shown_.value(0));
    if (recipe) {
        const float grams = servings > 0.0f ? gramsPerServing_ * item->servings() / servings : 0.0f;
        amountLine_ = std::string("Nutrient Levels per 1 Recipe Serving = ") +
                      printfText("%6.1f Grams : %6.1f Calories", static_cast<double>(grams), cal);
    } else {
        amountLine_ = std::string("Nutrient Levels for") +
                      printfText("%4.1f Servings = %6.1f Grams : %6.1f Calories", static_cast<double>(item->servings()),
                                 static_cast<double>(item->servings() * gramsPerServing_), cal);
    }
}

// ---- Controls --------------------------------------------------------------------

void NutrientViewDialog::onDisplayChosen(int display) { display_ = display == kHistogram ? kHistogram : kTable; }

void NutrientViewDialog::onPageChosen(int page) { page_ = page == 1 ? ChartPage::amino : ChartPage::standard; }

void NutrientViewDialog::showCategory(int category) {
    // An empty category moves the choice on to the next category that has
    // foods (wrapping after the last), with that category's foods listed, so
    // the names shown always belong to the category shown.
    if (foods_.foodCount(category) == 0) {
        platform_.message(kEmptyCategory);
        for (int k = 1; k < kCategoryCount; ++k) {
            const int next = (category + k) % kCategoryCount;
            if (foods_.foodCount(next) > 0) {
                category = next;
                break;
            }
        }
        if (foods_.foodCount(category) == 0) return; // no foods anywhere
    }
    category_ = category;
    foodNames_ = foods_.foodNames(category_);
    food_ = 0;
    redisplay();
}

void NutrientViewDialog::onCategoryChosen(int category) {
    if (source_ != kDataBase || category < 0 || category >= kCategoryCount) return;
    showCategory(category);
}

void NutrientViewDialog::onFoodChosen(int food) {
    if (source_ != kDataBase || food < 0 || food >= foodCount()) return;
    food_ = food;
    redisplay();
}

void NutrientViewDialog::onBasisChosen(int basis) {
    if (source_ != kDataBase || basis < k100Grams || basis > k100Calories) return;
    if (basis == k100Calories) {
        const std::optional<ViewFood> f = foods_.food(category_, food_);
        if (!f || !(f->record.value(0) >= kNoCalories)) {
            platform_.messageBox(kZeroCaloriesChosen, kErrorCaption, MsgButtons::ok);
            return;
        }
    }
    basis_ = static_cast<ViewBasis>(basis);
    redisplay();
}

void NutrientViewDialog::onDataChosen(int data) {
    if (source_ != kDocument) return;
    data_ = data == kItem ? kItem : kWhole;
    redisplay();
}

void NutrientViewDialog::onPrevious() {
    if (!stepButtonsShown()) return;
    list().step(false);
    redisplay();
}

void NutrientViewDialog::onNext() {
    if (!stepButtonsShown()) return;
    list().step(true);
    redisplay();
}

void NutrientViewDialog::onHelp() { platform_.openHelp(kHelpContext); }

bool NutrientViewDialog::onPrint(ReportPrinter& printer) { return printNutrientView(*this, platform_, printer); }

// ---- Printed lines ---------------------------------------------------------------

std::array<std::string, 3> NutrientViewDialog::chartHeaderLines() const {
    std::string data;
    if (source_ == kDataBase) {
        data = "Food Data Base Values for : " + foodName_;
    } else if (data_ == kItem) {
        data = (list().isRecipe() ? "INGREDIENT Data  : " : "FOOD  ITEM  Data  : ") + itemName();
    } else {
        data = (list().isRecipe() ? "RECIPE Data  : " : "FOOD  LIST Data  : ") + itemName();
    }
    return {data, amountLine_, "RDA / ODA Values for User : " + user_.name};
}

std::vector<std::string> NutrientViewDialog::tableHeadings() const {
    std::vector<std::string> out{"Korvana"};
    if (source_ == kDataBase) {
        out.push_back("NUTRIENT  DATA  for" + std::string("Food  :  ") + foodName_);
        out.push_back(amountLine_);
    } else {
        out.push_back("NUTRIENT  DATA  for" + amountLine_);
        out.push_back(itemName());
    }
    out.push_back("AA / RDA %Daily values based on User  :  " + user_.name);
    return out;
}

} // namespace korva
