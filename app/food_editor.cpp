#include "app/food_editor.h"

#include "app/cset_dialog.h"
#include "core/db_state.h"
#include "core/food_data_base.h"
#include "core/platform.h"
#include "core/printf_text.h"
#include "search/category_food_picker.h"

namespace korva {

namespace {

constexpr const char* kNewPercentText = "00% RDA";
// The amino acids of a new food keep the label the window starts with.
constexpr const char* kNewAminoPercentText = "100% R";
constexpr const char* kServingsPrefix = "100 grams";
constexpr int kMainValues[] = {0, 1, 2, 6}; // calories, protein, total fat, carbohydrate

} // namespace

FoodEditor::FoodEditor(FoodDataBase& db, Platform& platform, EditorWindows& windows, Mode mode)
    : db_(db), platform_(platform), windows_(windows), mode_(mode), fields_(platform, db.users().current().profile) {}

void FoodEditor::open() {
    fields_.onPageChosen(NutrientFields::Page::standard);
    if (mode_ == newFood) return showNewFood();
    refillFoods();
    loadCurrentFood();
}

std::string FoodEditor::title() const {
    const std::string& user = db_.users().current().name;
    return (mode_ == newFood ? "ENTER  New  Food  :  User  :  " : "MODIFY  Food Data Base : User : ") + user;
}

int FoodEditor::nameMaxLength() const { return static_cast<int>(kMaxNameTyped) + (mode_ == modifyFood ? 1 : 0); }

std::vector<EditorButton> FoodEditor::buttons() {
    std::vector<EditorButton> row;
    auto add = [&](const char* caption, const char* name, void (FoodEditor::*action)()) {
        row.push_back({caption, name, true, [this, action](ReportPrinter&) { (this->*action)(); }});
    };
    if (mode_ == newFood) {
        add(kSaveNewFood, "saveNewButton", &FoodEditor::onSaveNewFood);
    } else {
        add(kSave, "saveButton", &FoodEditor::onSaveFood);
        add(kDelete, "deleteButton", &FoodEditor::onDelete);
        add(kChangeCategory, "changeCategoryButton", &FoodEditor::onChangeCategory);
    }
    add(kHelp, "helpButton", &FoodEditor::onHelp);
    add(kClose, "closeButton", &FoodEditor::onClose);
    return row;
}

int FoodEditor::category() const { return db_.selection().currentCategory(); }

void FoodEditor::onHelp() { platform_.openHelp(kHelpContext); }

// ---- Showing ------------------------------------------------------------------

std::optional<std::size_t> FoodEditor::currentPosition() const {
    auto pos = db_.selection().currentEntry();
    if (!pos || *pos >= db_.index().totalFoods()) return std::nullopt;
    return pos;
}

void FoodEditor::showNewFood() {
    NutrientTexts texts;
    NutrientTexts labels;
    texts.fill(NutrientFields::kNewFieldText);
    for (int n = 0; n < kNutrientCount; ++n)
        labels[std::size_t(n)] = n < kFirstAminoAcid ? kNewPercentText : kNewAminoPercentText;
    fields_.show({}, texts, labels);
}

void FoodEditor::refillFoods() {
    foodNames_ = db_.selection().categoryNames();
    const auto pos = currentPosition();
    selectedFood_ = pos ? db_.index().entries()[*pos].indexInCategory : -1;
}

void FoodEditor::loadCurrentFood() {
    const auto pos = currentPosition();
    foodChanged_ = nameChanged_ = servingChanged_ = gramsPerServingChanged_ = false;
    if (!pos) {
        recordRead_ = false;
        selectedFood_ = -1;
        fields_.show({}, {}, {});
        name_.clear();
        serving_.clear();
        gramsPerServing_.clear();
        servingsLine_.clear();
        return;
    }
    const ShortFood& entry = db_.index().entries()[*pos];
    selectedFood_ = entry.indexInCategory;
    NutrientRecord record;
    recordRead_ = db_.records().readFoodRecord(entry, record);
    if (!recordRead_) record.clear();
    fields_.show(record, formatAllValueTexts(record),
                 formatAllPercentTexts(record.values, db_.users().current().profile));
    const float g = entry.gramsPerServing;
    servingsLine_ = g > 0.0f ? kServingsPrefix + printfText(" = %4.1f Servings", 100.0 / double(g)) : "";
    gramsPerServing_ = printfText("%5.2f", double(g));
    name_ = entry.name;
    serving_ = entry.servingText;
}

// ---- Food fields ---------------------------------------------------------------

void FoodEditor::onNameEdited(const std::string& text) {
    name_ = text;
    nameChanged_ = foodChanged_ = true;
}

void FoodEditor::onServingEdited(const std::string& text) {
    serving_ = text;
    servingChanged_ = foodChanged_ = true;
}

void FoodEditor::onGramsPerServingEdited(const std::string& text) {
    gramsPerServing_ = text;
    gramsPerServingChanged_ = foodChanged_ = true;
}

void FoodEditor::onGramsEnteredEdited(const std::string& text) {
    gramsEntered_ = text;
    foodChanged_ = true;
}

void FoodEditor::onGramsPerServingStep(bool up) { onGramsPerServingEdited(steppedField(gramsPerServing_, up)); }

void FoodEditor::onGramsEnteredStep(bool up) { onGramsEnteredEdited(steppedField(gramsEntered_, up)); }

void FoodEditor::onCategoryChosen(int c) {
    if (!isCategory(c)) return;
    FoodSelection& sel = db_.selection();
    if (mode_ == modifyFood && db_.index().foodCount(c) == 0) {
        platform_.message(kEmptyCategory);
        return;
    }
    sel.setCurrentCategory(c);
    sel.setCurrentEntry(db_.index().positionInCategory(c, 0));
    if (mode_ == modifyFood) {
        refillFoods();
        loadCurrentFood();
    }
}

void FoodEditor::onFoodSelected(int row) {
    const auto pos = db_.selection().positionInCurrentCategory(row);
    if (mode_ != modifyFood || !pos) return;
    db_.selection().setCurrentEntry(pos);
    loadCurrentFood();
}

// ---- Food saves ---------------------------------------------------------------

void FoodEditor::finishWith(const char* text, const char* caption) {
    platform_.messageBox(text, caption, MsgButtons::ok);
    succeeded_ = true;
    finished_ = true;
}

void FoodEditor::onSaveNewFood() {
    if (mode_ != newFood) return;
    if (auto why = db_.canAddFood(); why != FoodDataBase::AddOutcome::added) {
        platform_.message(why == FoodDataBase::AddOutcome::tooManyUnconsolidated ? kConsolidateBeforeNew
                                                                                 : addOutcomeMessage(why));
        return;
    }
    // A recipe food without its recipe file would be found nowhere.
    if (category() == kRecipeCategory) return platform_.message(kNewNotARecipe);
    if (blankField(name_)) return platform_.message(kNeedNewName);
    if (blankField(gramsPerServing_)) return platform_.message(kNeedGramsPerServing);
    const auto grams = fieldNumber(gramsPerServing_, kGramsChars);
    if (!grams || *grams <= 0.0f) return platform_.message(kGramsPerServingPositive);
    const float entered = fieldNumber(gramsEntered_, kGramsEnteredChars).value_or(0.0f);
    if (entered <= 0.0f) return platform_.message(kGramsEnteredPositive);
    if (!fields_.storeChangedFields()) return;
    const std::string serving = serving_.substr(0, kMaxServingTyped);
    if (blankField(serving)) return platform_.message(kNeedNewServing);
    for (int n : kMainValues)
        if (fields_.record().level(n) == 0) return platform_.message(kNeedMainValues);

    // The values typed refer to the grams entered; the data base keeps them
    // per 100 grams.  The record on screen stays as typed until the food is
    // stored, so a refused save never converts twice.
    NutrientRecord stored = fields_.record();
    for (int n = 0; n < kNutrientCount; ++n)
        if (stored.level(n) != 0) stored.setValue(n, float(double(stored.value(n)) * 100.0 / double(entered)));

    const int c = category();
    DataBaseState& state = db_.state();
    const DataBaseState before = state;
    const auto id = state.nextUserFoodId(c);
    if (!id) return platform_.message(addOutcomeMessage(FoodDataBase::AddOutcome::idsUsedUp));
    ShortFood entry;
    entry.setName(name_.substr(0, kMaxNameTyped));
    entry.servingText = serving;
    entry.gramsPerServing = *grams;
    entry.id = *id;
    entry.category = static_cast<std::uint16_t>(c);
    std::size_t position = 0;
    if (auto out = db_.addFood(entry, stored, &position); out != FoodDataBase::AddOutcome::added) {
        state.lastUserFoodId = before.lastUserFoodId;
        state.lastRecipeId = before.lastRecipeId;
        return platform_.message(addOutcomeMessage(out));
    }
    db_.selection().setCurrentEntry(position);
    finishWith(kFoodSaved, kFoodSavedCaption);
}

void FoodEditor::onSaveFood() {
    if (mode_ != modifyFood) return;
    const auto pos = currentPosition();
    if (!pos) return;
    if (!recordRead_) return platform_.message(kFoodUnreadable);
    if (!changed()) return platform_.message(kNoEditChange);
    if (blankField(name_)) return platform_.message(kNeedFoodName);
    if (name_.size() > 36) return platform_.message(kNameTooLong);
    if (blankField(serving_)) return platform_.message(kNeedServing);
    const auto grams = fieldNumber(gramsPerServing_, kGramsChars);
    if (gramsPerServingChanged_ && (!grams || *grams <= 0.0f)) return platform_.message(kGramsPerServingPositive);
    if (!fields_.storeChangedFields()) return;

    // Only what was edited: the shown grams per serving are rounded.
    ShortFood updated = db_.index().entries()[*pos];
    if (nameChanged_) updated.setName(name_);
    if (servingChanged_) updated.servingText = serving_.substr(0, kMaxServingTyped);
    if (gramsPerServingChanged_) updated.gramsPerServing = *grams;
    // The record first: an entry that names values never written would lie.
    if (!db_.records().writeFoodRecord(updated, fields_.record())) return platform_.message(kFoodNotWritten);
    db_.index().mutableEntries()[*pos] = updated;
    db_.state().setFlag(kNoEdits, false);
    db_.state().setIndexModified(true);
    finishWith(kFoodSaved, kFoodSavedCaption);
}

void FoodEditor::onChangeCategory() {
    if (mode_ != modifyFood) return;
    const auto pos = currentPosition();
    if (!pos) return;
    if (!recordRead_) return platform_.message(kFoodUnreadable);
    if (auto why = db_.canAddFood(); why != FoodDataBase::AddOutcome::added)
        return platform_.message(why == FoodDataBase::AddOutcome::tooManyUnconsolidated ? kTooManyForChange
                                                                                        : addOutcomeMessage(why));
    const ShortFood old = db_.index().entries()[*pos];
    CSetDialog dialog(categoryNameList(), old.category);
    windows_.runCategoryChoice(dialog);
    if (!dialog.ok()) return;
    const int c = dialog.chosen();
    if (c == old.category) return platform_.message(kSameCategory);
    if (c == kRecipeCategory) return platform_.message(kNotToRecipes);

    // Every check comes before the food leaves its category: a refusal
    // after that would lose it.
    ShortFood moved = old;
    moved.category = static_cast<std::uint16_t>(c);
    if (gramsPerServingChanged_) {
        const auto grams = fieldNumber(gramsPerServing_, kGramsChars);
        if (!grams || *grams <= 0.0f) return platform_.message(kGramsPerServingPositive);
        moved.gramsPerServing = *grams;
    }
    if (nameChanged_ && !blankField(name_)) moved.setName(name_.substr(0, kMaxNameTyped));
    if (servingChanged_ && !blankField(serving_)) moved.servingText = serving_.substr(0, kMaxServingTyped);
    if (!fields_.storeChangedFields()) return;

    // Added before the old entry is retired, so that a failed write leaves
    // the food where it was.
    std::size_t added = 0;
    if (auto out = db_.addFood(moved, fields_.record(), &added); out != FoodDataBase::AddOutcome::added)
        return platform_.message(addOutcomeMessage(out));
    std::size_t oldPos = *pos;
    if (added <= oldPos) ++oldPos;
    retireFood(db_, oldPos);
    if (added > oldPos) --added;
    if (old.category == kRecipeCategory && recipeFoodRemoved_) recipeFoodRemoved_(old.id, false);

    db_.selection().setCurrentCategory(c);
    db_.selection().setCurrentEntry(added);
    refillFoods();
    loadCurrentFood();
    succeeded_ = true;
    platform_.messageBox(kFoodSaved, kFoodSavedCaption, MsgButtons::ok);
}

void FoodEditor::onDelete() {
    if (mode_ != modifyFood) return;
    const auto pos = currentPosition();
    if (!pos) return;
    if (db_.state().deleted >= kMaxDeletions) return platform_.message(kConsolidateBeforeDelete);
    if (platform_.messageBox(kDeleteQuestion, kWarningCaption, MsgButtons::yesNo) != MsgAnswer::yes) return;
    const ShortFood old = db_.index().entries()[*pos];
    retireFood(db_, *pos);
    if (old.category == kRecipeCategory && recipeFoodRemoved_) recipeFoodRemoved_(old.id, true);
    succeeded_ = true;

    // The editor goes on with a category that still has foods.
    FoodSelection& sel = db_.selection();
    for (int step = 0; step < kCategoryCount && db_.index().foodCount(sel.currentCategory()) == 0; ++step)
        sel.setCurrentCategory((sel.currentCategory() + 1) % kCategoryCount);
    sel.setCurrentEntry(db_.index().positionInCategory(sel.currentCategory(), 0));
    refillFoods();
    loadCurrentFood();
}

} // namespace korva
