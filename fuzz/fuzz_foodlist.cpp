// The food list and recipe reader over any bytes: each input is read as a
// food list and as a recipe against a three-food data base; whatever is read
// is listed in every unit and written back, which must read again.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "archive/archive.h"
#include "core/food_data_base.h"
#include "core/platform.h"
#include "core/short_food.h"
#include "lists/food_list.h"
#include "tests/support/data_tree.h"
#include "tests/support/quiet_platform.h"

namespace {

using namespace korva;

using test::QuietPlatform;
using test::TempRoot;
using test::writeFoodFiles;

struct World {
    TempRoot root{TempRoot::dataFolders, "korva-fuzz-lists"};
    FoodDataBase db;
    QuietPlatform platform;

    World() {
        std::vector<ShortFood> entries;
        std::vector<NutrientRecord> records;
        const char* measures[] = {"1 1/2 cups", "4\" piece", "1/0 oz"};
        for (std::uint16_t i = 0; i < 3; ++i) {
            ShortFood e;
            e.id = static_cast<std::uint16_t>(i + 1);
            e.category = i;
            e.name = "Food " + std::to_string(i);
            e.servingText = measures[i];
            e.gramsPerServing = i == 2 ? 0.0f : 50.0f * (i + 1);
            entries.push_back(e);
            NutrientRecord r;
            for (int n = 0; n < kNutrientCount; ++n) {
                r.setValue(n, float(n + i));
                r.setLevel(n, (n + i) % 3);
            }
            records.push_back(r);
        }
        if (!writeFoodFiles(root.paths(), std::move(entries), std::move(records))) std::abort();
        db.setPaths(root.paths());
        if (!db.loadIndex()) std::abort();
    }
};

void exercise(World& w, const std::vector<std::uint8_t>& bytes, bool recipe) {
    FoodList list(&w.db, "01/02/99");
    if (recipe) list.setListType(FoodList::kRecipe);
    if (list.readFileBytes("in.fls", bytes, false, w.platform) != kReadOk) return;
    std::size_t textBytes = 0;
    for (std::size_t i = 0; i < list.itemCount(); ++i) {
        list.select(static_cast<int>(i));
        for (std::uint16_t u = 0; u <= kUnitFoodUnits + 1; ++u) textBytes += list.currentLineText(u).size();
        textBytes += list.currentServingLine().size();
    }
    if (textBytes == SIZE_MAX) std::abort();
    list.stepCurrentAmount(true);

    // What was read writes back and reads again, item for item.
    Archive out = Archive::inMemory();
    list.Serialize(out);
    FoodList again(&w.db);
    if (recipe) again.setListType(FoodList::kRecipe);
    if (again.readFileBytes("out.fls", out.bytes(), false, w.platform) != kReadOk) std::abort();
    if (again.itemCount() != list.itemCount()) std::abort();

    // A merge of the same bytes doubles the items (up to the list's limit).
    if (!recipe && list.readFileBytes("in.fls", bytes, true, w.platform) != kReadOk) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static World world;
    const std::vector<std::uint8_t> bytes(data, data + size);
    exercise(world, bytes, false);
    exercise(world, bytes, true);
    return 0;
}
