#pragma once

#include "daily/nutrient_view_dialog.h"

namespace korva {

class CFListDoc;
class FoodDataBase;
class IndivDlg;
class Platform;
class ProteinQualityDialog;

// What the view commands ask of the window system: each dialog shown
// modally until it ends.
class ViewWindows {
public:
    virtual ~ViewWindows() = default;
    virtual void run(NutrientViewDialog& view) = 0;
    virtual void run(IndivDlg& dialog) = 0;
    virtual void run(ProteinQualityDialog& dialog) = 0;
};

// The View menu and the views other dialogs open: all nutrients of a
// document as a table or a chart, one nutrient of a document, and a food of
// the data base as a table.
class ViewCommands {
public:
    ViewCommands(FoodDataBase& db, Platform& platform) : db_(db), platform_(platform) {}

    // View All Nutrients - Table / - Chart on the whole document; false when
    // the document refuses (a list without items), with its message.
    bool onViewDocument(CFListDoc& doc, NutrientViewDialog::Display display, ViewWindows& windows);
    // View One Nutrient, refused likewise.
    bool onViewOneNutrient(CFListDoc& doc, ViewWindows& windows);
    // Protein Quality of the whole document, refused likewise.
    bool onProteinQuality(CFListDoc& doc, ViewWindows& windows);
    // A food of the data base, by category and place in it, per 100 g.
    void onViewFood(int category, int food, ViewWindows& windows);
    // Foods > View: the data base's current category and food.
    void onViewCurrentFood(ViewWindows& windows);

private:
    FoodDataBase& db_;
    Platform& platform_;
};

} // namespace korva
