#include "app/export_command.h"

#include "core/food_data_base.h"
#include "core/platform.h"
#include "lists/active_document.h"
#include "lists/csv_export.h"
#include "lists/flist_doc.h"
#include "lists/text_export.h"

namespace korva {

bool exportAsText(const FoodList& list, FoodDataBase& db, Platform& platform) {
    FileDialogRequest request;
    request.filter = exportmsg::kFilter;
    request.defaultExtension = exportmsg::kExtension;
    request.startFolder = db.paths().foodListDir();
    request.initialName = proposedTextName(list);
    const auto chosen = platform.chooseSaveFile(request);
    if (!chosen) return false;
    // A bare name lies in the food list folder, where the dialog opened.
    const std::filesystem::path file = chosen->is_relative() ? request.startFolder / *chosen : *chosen;
    if (!writeTextReport(file, list, db.users().current().profile, platform)) return false;
    platform.message(exportmsg::kSaved);
    return true;
}

bool onExportFoodList(const ActiveDocument& active, Platform& platform) {
    const CFListDoc* doc = active.document();
    if (!doc) {
        platform.message(docmsg::kNoActiveList);
        return false;
    }
    if (!doc->checkExportFoodList()) return false;
    return exportAsText(doc->list(), doc->dataBase(), platform);
}

bool onExportRecipe(const ActiveDocument& active, Platform& platform) {
    const CFListDoc* doc = active.document();
    if (!doc) {
        platform.message(docmsg::kNoActiveList);
        return false;
    }
    if (!doc->checkExportRecipe()) return false;
    return exportAsText(doc->list(), doc->dataBase(), platform);
}

bool onExportCsv(const ActiveDocument& active, Platform& platform) {
    const CFListDoc* doc = active.document();
    if (!doc) {
        platform.message(docmsg::kNoActiveList);
        return false;
    }
    const FoodList& list = doc->list();
    return saveCsvAs(platform, doc->dataBase().paths().foodListDir(), proposedCsvName(list), listCsv(list));
}

} // namespace korva
