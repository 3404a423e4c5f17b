#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/file_numbering.h"
#include "daily/shop_list.h"

namespace korva {

class FoodDataBase;
class Platform;
class ReportPrinter;
class ReportWriter;

// A recipe the user chose for a shopping list: its file and the name that
// labels it (empty: the recipe's own name).
struct RecipeChoice {
    std::filesystem::path file;
    std::string name;
};

// How the shopping list asks for a recipe; none when the user cancels.
class ShopRecipeChooser {
public:
    virtual ~ShopRecipeChooser() = default;
    virtual std::optional<RecipeChoice> chooseRecipe() = 0;
};

namespace shopmsg {
inline constexpr const char* kNoRecipes = "... no recipes in data base, can't add ..";
inline constexpr const char* kNothingToDelete = " nothing in Shopping List, can't delete ...";
inline constexpr const char* kNoChanges = "... ERROR ... no changes, can' save ...";
inline constexpr const char* kNoText = "... no text in SHOPPLING LIST, cannot save ...";
inline constexpr const char* kNothingToPrint = "... no items in SHOPPING  LIST, can't print ...";
inline constexpr const char* kFactorNegative = " factor must be positive ...";
inline constexpr const char* kFactorTooHigh = " factor is too high ...";
inline constexpr const char* kSaveAsFilter = "All Files (*.*)|*.*|ShoppingList Files(*.SLS)|*.SLS||";
inline constexpr const char* kJobName = "SHOPPING  LIST";
inline constexpr const char* kReplaceTyped =
    "... the typed changes to the SHOPPING  LIST  Text will be replaced ... proceed?";
} // namespace shopmsg

// The shopping list dialog ("SHOPPING  LIST"): its entries with their
// factors, the text built from them and the extra text.  The two texts are
// held as their fields show them, lines joined by CR LF.  Nothing is
// written but by Save and Save As.
class ShopDialog {
public:
    static constexpr int kHelpContext = 61440;
    static constexpr float kStep = 0.1f;
    static constexpr float kMinStepped = 0.1f;
    static constexpr float kMaxStepped = 50.0f;
    static constexpr std::size_t kFactorFieldLength = 9;
    static constexpr std::size_t kPrintedLineLength = 128;
    // The face's labels and buttons.
    static constexpr const char* kEntriesLabel = "FoodLists & Recipes in List";
    static constexpr const char* kFactorLabel = "MULTIPLY Items by :";
    static constexpr const char* kTextLabel = "SHOPPING  LIST  Text";
    static constexpr const char* kExtraLabel = "EXTRA Text";
    static constexpr const char* kApplyButton = "APPLY";
    static constexpr const char* kAddFoodListButton = "Add  &FoodList";
    static constexpr const char* kAddRecipeButton = "Add  &Recipe";
    static constexpr const char* kDeleteButton = "&Delete";
    static constexpr const char* kPrintButton = "&Print";
    static constexpr const char* kSaveButton = "&Save";
    static constexpr const char* kSaveAsButton = "Save &As ...";
    static constexpr const char* kCloseButton = "&Close";
    static constexpr const char* kHelpButton = "&Help";
    // Tab stops of the entry list.
    static constexpr int kEntryTabStops[] = {18, 34, 52};

    ShopDialog(FoodDataBase& db, Platform& platform, ShopRecipeChooser& recipes);

    // A new list under the next free shopping list name; false, with the
    // reason shown, when the names are used up.
    bool openNew();
    // The list of a file; false, with "... file not in SHOPPING LIST
    // format ..", when it is not one: the dialog then closes.
    bool open(const std::filesystem::path& file);

    std::string caption() const;
    const ShopList& list() const { return list_; }
    bool changed() const { return changed_; }
    // "&Close" and the close box: a changed list asks to be saved first
    // (Yes saves, No drops the changes); false when the dialog stays open.
    bool canClose();

    // The entry list ("None" alone when empty), its selected row (-1 when
    // empty), the current entry's row and the factor field.
    const std::vector<std::string>& entryRows() const { return entryRows_; }
    int selectedRow() const { return list_.currentIndex(); }
    std::string currentRow() const;
    const std::string& factorField() const { return factorField_; }
    const std::string& shopText() const { return shopText_; }
    const std::string& extraText() const { return extraText_; }

    // Controls.
    void onSelectRow(int row);
    void onFactorLeft();
    void onFactorRight();
    void onFactorEdited(const std::string& text) { factorField_ = text; }
    void onApply();
    void onShopTextEdited(const std::string& text);
    void onExtraTextEdited(const std::string& text);
    void onAddFoodList();
    void onAddRecipe();
    void onDelete();
    bool onSave();
    bool onSaveAs();
    bool onPrint(ReportPrinter& printer);
    void onHelp();

private:
    void refill();
    // The next shopping list name no file holds yet.
    NewFileName freeName();
    // A rebuild replaces the shopping list text: typed changes to it go
    // only when the user agrees.
    bool mayRebuild();
    void showFactor();
    // Shows why not when the text is empty.
    bool hasText() const;
    bool store(const std::string& file);

    FoodDataBase& db_;
    Platform& platform_;
    ShopRecipeChooser& recipes_;
    ShopList list_;
    bool changed_ = false;
    // The list has a new name and was never written: a file that has taken
    // that name since is not the list's to replace.
    bool freshName_ = false;
    std::vector<std::string> entryRows_;
    std::string factorField_ = "0.00";
    std::string shopText_;
    std::string extraText_;
};

// The field text of a list of lines (CR LF between them; three blanks for
// none) and the lines of a field text.
std::string fieldText(const std::vector<std::string>& lines);
std::vector<std::string> fieldLines(const std::string& text);

// The printed shopping list: title, heading, the list's text, then the
// extra text.
void writeShopListReport(ReportWriter& out, const std::vector<std::string>& text,
                         const std::vector<std::string>& extra);

} // namespace korva
