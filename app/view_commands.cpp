#include "app/view_commands.h"

#include "app/protein_quality_dialog.h"
#include "core/food_data_base.h"
#include "daily/indiv_dlg.h"
#include "daily/view_foods.h"
#include "lists/flist_doc.h"

namespace korva {

bool ViewCommands::onViewDocument(CFListDoc& doc, NutrientViewDialog::Display display, ViewWindows& windows) {
    if (!doc.checkViewAllNutrients()) return false;
    const ViewFoods foods(db_);
    NutrientViewDialog view(foods, platform_, display, doc, NutrientViewDialog::kWhole);
    windows.run(view);
    return true;
}

bool ViewCommands::onViewOneNutrient(CFListDoc& doc, ViewWindows& windows) {
    if (!doc.checkViewOneNutrient()) return false;
    IndivDlg dialog(doc.list(), ViewFoods(db_).user(), platform_);
    windows.run(dialog);
    return true;
}

bool ViewCommands::onProteinQuality(CFListDoc& doc, ViewWindows& windows) {
    if (!doc.checkViewAllNutrients()) return false;
    ProteinQualityDialog dialog(doc.list(), doc.title(), platform_);
    windows.run(dialog);
    return true;
}

void ViewCommands::onViewFood(int category, int food, ViewWindows& windows) {
    const ViewFoods foods(db_);
    NutrientViewDialog view(foods, platform_, NutrientViewDialog::kTable, category, food);
    windows.run(view);
}

void ViewCommands::onViewCurrentFood(ViewWindows& windows) {
    const ViewFoods foods(db_);
    onViewFood(foods.currentCategory(), foods.currentFoodIndex(), windows);
}

} // namespace korva
