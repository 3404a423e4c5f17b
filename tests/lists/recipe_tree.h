#pragma once

// A data base on disk for the recipe tests: two foods, a state file, and the
// way start-up opens it again.

#include <filesystem>
#include <memory>

#include "core/food_data_base.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "lists/recipe_book.h"
#include "tests/lists/list_tree.h"
#include "tests/support/scripted_platform.h"

namespace korva::test {

inline constexpr std::uint16_t kMilk = 101;
inline constexpr std::uint16_t kApple = 102;

inline std::vector<ListFood> recipeFoods() {
    return {food(kMilk, 5, "Milk", 244, {50, 3.4f, 1.0f, 0, 0, 0, 5.0f}),
            food(kApple, 10, "Apple", 138, {52, 0.3f, 0.2f, 0, 0, 0, 14.0f}, "1 medium")};
}

// Opens a data folder the way start-up does, with its recipe catalogue.
inline bool reopen(FoodDataBase& db, const DataPaths& paths) {
    db.setPaths(paths);
    if (!db.readStateFile()) return false;
    if (!db.state().isSet(kNoInsertions) && !db.records().readUnconsolidatedFile()) return false;
    if (!db.loadIndex()) return false;
    ensureRecipeCatalogue(db);
    return true;
}

// A recipe document ready to save: two ingredients, instructions, a serving
// description and 2 servings.  "Soup" has 4 apples.
inline std::unique_ptr<CRecipeDoc> readyRecipe(FoodDataBase& db, Platform& platform, ActiveDocument& active,
                                               const std::string& name) {
    auto doc = std::make_unique<CRecipeDoc>(db, platform, active);
    doc->onNewDocument(name);
    FoodList& r = doc->list();
    r.addFood(*db.index().findEntryById(kMilk), kUnitServings);
    r.addFood(*db.index().findEntryById(kApple), kUnitServings);
    // Recipes of different names differ in their values too.
    int sum = 0;
    for (char c : name) sum += static_cast<unsigned char>(c);
    r.setCurrentAmount(static_cast<float>(sum % 5 + 1), kUnitServings);
    r.recipe().setInstructions({"Slice the apples.", "Pour the milk."});
    r.recipe().setServingDescription("one bowl");
    r.recipe().setServingCount(2.0f);
    return doc;
}

// The foods, state file and an empty recipe folder of a fresh data base.
class RecipeTree {
public:
    RecipeTree() {
        tree.db.state().archived = 2;
        tree.db.state().shippedRecords = 2;
        if (!tree.db.writeStateFile()) throw std::runtime_error("cannot write the state file");
    }
    DataPaths paths() const { return tree.paths(); }
    ListTree tree{recipeFoods()};
};

} // namespace korva::test
