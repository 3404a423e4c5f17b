#include "app/food_editor.h"

#include <algorithm>

#include "app/usel_dialog.h"
#include "core/db_state.h"
#include "core/food_data_base.h"
#include "core/platform.h"
#include "core/printf_text.h"
#include "core/profile_file.h"
#include "lists/number_scan.h"
#include "lists/report_writer.h"
#include "search/category_food_picker.h"
#include "search/cset_dialog.h"

namespace korva {

namespace {

constexpr const char* kNewFieldText = "0.00";
constexpr const char* kNewPercentText = "00% RDA";
// The amino acids of a new food keep the label the window starts with.
constexpr const char* kNewAminoPercentText = "100% R";
constexpr const char* kTargetNotSet = " N / A ";
constexpr const char* kPrintTitle = "Korvana";
constexpr const char* kPrintHeading = "NUTRIENT  ODA/RDA  Levels for User : ";
constexpr const char* kServingsPrefix = "100 grams";
constexpr int kMainValues[] = {0, 1, 2, 6}; // calories, protein, total fat, carbohydrate
constexpr std::size_t kValueChars = 14;
constexpr std::size_t kStepChars = 11;
constexpr std::size_t kGramsChars = 12;
constexpr std::size_t kProfileNameChars = 127;

bool blank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

// A field's number as the program reads it: the number it starts with, read
// from its first `chars` characters.
std::optional<float> fieldNumber(const std::string& text, std::size_t chars) {
    return scanFloat(std::string_view(text).substr(0, chars));
}

std::string stepped(const std::string& text, bool up) {
    const double v = double(fieldNumber(text, kStepChars).value_or(0.0f)) + (up ? 0.1 : -0.1);
    return printfText("%4.1f", v);
}

std::string targetValueText(const NutrientRecord& r, int n) {
    if (r.level(n) == 0) return kTargetNotSet;
    return n < kFirstAminoAcid ? valueText(r.value(n)) : aminoValueText(r.value(n));
}

} // namespace

FoodEditor::FoodEditor(FoodDataBase& db, Platform& platform, EditorWindows& windows, Mode mode,
                       const NutrientRecord& profile)
    : db_(db), platform_(platform), windows_(windows), mode_(mode), record_(profile) {}

void FoodEditor::open() {
    page_ = Page::standard;
    switch (mode_) {
    case newFood: showNewFood(); break;
    case modifyFood:
        refillFoods();
        loadCurrentFood();
        break;
    case newUser:
    case modifyUser:
    case viewUser: showRecord(); break;
    }
}

std::string FoodEditor::title() const {
    const std::string& user = db_.users().current().name;
    switch (mode_) {
    case newFood: return "ENTER  New  Food  :  User  :  " + user;
    case modifyFood: return "MODIFY  Food Data Base : User : " + user;
    case newUser: return "NEW  User  ODA/RDA  Values";
    case modifyUser: return "EDIT  ODA/RDA  Values for User :  " + user;
    case viewUser: return "VIEW  ODA/RDA  VALUES for User : " + user;
    }
    return {};
}

std::string_view FoodEditor::unitLabel(int n) {
    std::string_view unit = nutrientUnit(n); // "__cal": the editor shows one underscore
    return unit.empty() ? unit : unit.substr(1);
}

int FoodEditor::category() const { return db_.selection().currentCategory(); }

bool FoodEditor::acceptedCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == ' ' || c == '\b' || c == '%';
}

// ---- Showing ------------------------------------------------------------------

std::optional<std::size_t> FoodEditor::currentPosition() const {
    auto pos = db_.selection().currentEntry();
    if (!pos || *pos >= db_.index().totalFoods()) return std::nullopt;
    return pos;
}

void FoodEditor::clearFieldFlags() {
    fieldChanged_.fill(false);
    changed_ = false;
    nameChanged_ = servingChanged_ = gramsPerServingChanged_ = false;
}

void FoodEditor::showNewFood() {
    texts_.fill(kNewFieldText);
    for (int n = 0; n < kNutrientCount; ++n)
        labels_[std::size_t(n)] = n < kFirstAminoAcid ? kNewPercentText : kNewAminoPercentText;
    record_.clear();
    clearFieldFlags();
}

void FoodEditor::showRecord() {
    for (int n = 0; n < kNutrientCount; ++n) texts_[std::size_t(n)] = targetValueText(record_, n);
    labels_ = formatTargetLabels(record_);
    clearFieldFlags();
}

void FoodEditor::refillFoods() {
    foodNames_ = db_.selection().categoryNames();
    const auto pos = currentPosition();
    selectedFood_ = pos ? db_.index().entries()[*pos].indexInCategory : -1;
}

void FoodEditor::loadCurrentFood() {
    const auto pos = currentPosition();
    record_.clear();
    clearFieldFlags();
    if (!pos) {
        recordRead_ = false;
        selectedFood_ = -1;
        texts_.fill({});
        labels_.fill({});
        name_.clear();
        serving_.clear();
        gramsPerServing_.clear();
        servingsLine_.clear();
        return;
    }
    const ShortFood& entry = db_.index().entries()[*pos];
    selectedFood_ = entry.indexInCategory;
    recordRead_ = db_.records().readFoodRecord(entry, record_);
    if (!recordRead_) record_.clear();
    texts_ = formatAllValueTexts(record_);
    labels_ = formatAllPercentTexts(record_.values, db_.users().current().profile);
    const float g = entry.gramsPerServing;
    servingsLine_ = g > 0.0f ? kServingsPrefix + printfText(" = %4.1f Servings", 100.0 / double(g)) : "";
    gramsPerServing_ = printfText("%5.2f", double(g));
    name_ = entry.name;
    serving_ = entry.servingText;
}

void FoodEditor::updateLabel(int n) {
    const auto i = std::size_t(n);
    if (foodMode()) {
        const float v = fieldNumber(texts_[i], kValueChars).value_or(0.0f);
        if (auto text = percentText(v, db_.users().current().profile, n)) labels_[i] = *text;
    } else {
        // An edited target is stored as the user's own.
        labels_[i] = "100% ODA";
    }
}

// ---- Value fields ---------------------------------------------------------------

bool FoodEditor::isPagesField(int n, Page page) const {
    return page == Page::standard ? n < kFirstAminoAcid : n >= kFirstAminoAcid;
}

float FoodEditor::targetOf(int n) const { return db_.users().current().profile.value(n); }

void FoodEditor::onFieldEdited(int n, const std::string& text) {
    if (valuesReadOnly() || !isNutrient(n)) return;
    std::string kept;
    for (char c : text)
        if (acceptedCharacter(c) && c != '\b') kept += c;
    const auto i = std::size_t(n);
    texts_[i] = kept;
    fieldChanged_[i] = true;
    changed_ = true;
    if (kept.find('%') != std::string::npos) takeOverPercent(n);
    updateLabel(n);
}

void FoodEditor::takeOverPercent(int n) {
    const auto i = std::size_t(n);
    if (mode_ == newUser || mode_ == modifyUser) {
        platform_.message(kNoPercentForTargets);
        texts_[i] = kNewFieldText;
        return;
    }
    const std::string before = texts_[i].substr(0, texts_[i].find('%'));
    const float p = fieldNumber(before, kValueChars).value_or(0.0f);
    if (p < 0.0f) {
        platform_.message(kPercentNegative);
        texts_[i] = mode_ == newFood ? std::string(kNewFieldText) : formatAllValueTexts(record_)[i];
        fieldChanged_[i] = false;
        return;
    }
    texts_[i] = printfText("%6.3f", double(p) / 100.0 * double(targetOf(n)));
}

void FoodEditor::storeChangedFields() {
    for (int n = 0; n < kNutrientCount; ++n) {
        const auto i = std::size_t(n);
        if (!fieldChanged_[i] || !isPagesField(n, page_)) continue;
        record_.setValue(n, fieldNumber(texts_[i], kValueChars).value_or(0.0f));
        // A food's value is simply there; a target the user set is the
        // user's own (ODA), no longer the approved RDA.
        record_.setLevel(n, 1);
        fieldChanged_[i] = false;
    }
}

void FoodEditor::onPageChosen(Page page) {
    if (page == page_) return;
    storeChangedFields();
    page_ = page;
}

// ---- Food fields ---------------------------------------------------------------

void FoodEditor::onNameEdited(const std::string& text) {
    name_ = text;
    nameChanged_ = changed_ = true;
}

void FoodEditor::onServingEdited(const std::string& text) {
    serving_ = text;
    servingChanged_ = changed_ = true;
}

void FoodEditor::onGramsPerServingEdited(const std::string& text) {
    gramsPerServing_ = text;
    gramsPerServingChanged_ = changed_ = true;
}

void FoodEditor::onGramsEnteredEdited(const std::string& text) {
    gramsEntered_ = text;
    changed_ = true;
}

void FoodEditor::onGramsPerServingStep(bool up) { onGramsPerServingEdited(stepped(gramsPerServing_, up)); }

void FoodEditor::onGramsEnteredStep(bool up) { onGramsEnteredEdited(stepped(gramsEntered_, up)); }

void FoodEditor::onCategoryChosen(int c) {
    if (!isCategory(c) || !foodMode()) return;
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
    if (mode_ != modifyFood) return;
    const auto pos = db_.selection().positionInCurrentCategory(row);
    if (!pos) return;
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
    if (blank(name_)) return platform_.message(kNeedNewName);
    const auto grams = fieldNumber(gramsPerServing_, kGramsChars);
    if (!grams) return platform_.message(kNeedGramsPerServing);
    if (*grams <= 0.0f) return platform_.message(kGramsPerServingPositive);
    const float entered = fieldNumber(gramsEntered_, kStepChars).value_or(0.0f);
    if (entered <= 0.0f) return platform_.message(kGramsEnteredPositive);
    storeChangedFields();
    const std::string serving = serving_.substr(0, kMaxServingTyped);
    if (blank(serving)) return platform_.message(kNeedNewServing);
    for (int n : kMainValues)
        if (record_.level(n) == 0) return platform_.message(kNeedMainValues);

    // The values typed refer to the grams entered; the data base keeps them
    // per 100 grams.  The record on screen stays as typed until the food is
    // stored, so a refused save never converts twice.
    NutrientRecord stored = record_;
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
    if (!changed_) return platform_.message(kNoEditChange);
    if (blank(name_)) return platform_.message(kNeedFoodName);
    if (name_.size() > 36) return platform_.message(kNameTooLong);
    if (blank(serving_)) return platform_.message(kNeedServing);
    const auto grams = fieldNumber(gramsPerServing_, kGramsChars);
    if (gramsPerServingChanged_ && (!grams || *grams <= 0.0f)) return platform_.message(kGramsPerServingPositive);
    storeChangedFields();

    // Only what was edited: the shown grams per serving are rounded.
    ShortFood updated = db_.index().entries()[*pos];
    if (nameChanged_) updated.setName(name_);
    if (servingChanged_) updated.servingText = serving_.substr(0, kMaxServingTyped);
    if (gramsPerServingChanged_) updated.gramsPerServing = *grams;
    // The record first: an entry that names values never written would lie.
    if (!db_.records().writeFoodRecord(updated, record_)) return platform_.message(kFoodNotWritten);
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
    if (nameChanged_ && !blank(name_)) moved.setName(name_.substr(0, kMaxNameTyped));
    if (servingChanged_ && !blank(serving_)) moved.servingText = serving_.substr(0, kMaxServingTyped);
    storeChangedFields();

    // Added before the old entry is retired, so that a failed write leaves
    // the food where it was.
    std::size_t added = 0;
    if (auto out = db_.addFood(moved, record_, &added); out != FoodDataBase::AddOutcome::added)
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

// ---- User values ---------------------------------------------------------------

void FoodEditor::onLoadUser() {
    if (!userSavesEnabled() || foodMode()) return;
    UserSet& users = db_.users();
    USelDialog dialog(users.names(), users.currentIndex());
    windows_.runUserSelection(dialog);
    if (!dialog.result() || *dialog.result() == users.currentIndex()) return;
    ProfileReadResult read = readProfileFile(users.userPath(*dialog.result()));
    if (read.outcome != ProfileReadOutcome::ok) return;
    record_ = read.file.profile;
    showRecord();
    changed_ = true;
}

void FoodEditor::userSaved() {
    succeeded_ = true;
    platform_.messageBox(kUserSaved, kUserSavedCaption, MsgButtons::ok);
}

void FoodEditor::onSaveUser() {
    if (!userSavesEnabled() || foodMode()) return;
    storeChangedFields();
    if (mode_ == newUser && !newUserNamed_) {
        saveNewUser();
        return;
    }
    CurrentUser& current = db_.users().current();
    const NutrientRecord before = current.profile;
    current.profile = record_;
    if (!db_.users().writeCurrentProfile()) {
        current.profile = before;
        return platform_.message(kUserNotWritten);
    }
    userSaved();
}

void FoodEditor::onSaveUserAs() {
    if (!userSavesEnabled() || foodMode()) return;
    storeChangedFields();
    saveNewUser();
}

bool FoodEditor::saveNewUser() {
    UserSet& users = db_.users();
    auto typed = platform_.textEntry(kNewUserPrompt, kNewUserCaption, {});
    if (!typed) return false;
    const std::string name = typed->substr(0, kProfileNameChars);
    if (blank(name)) {
        platform_.message(kNeedUserName);
        return false;
    }
    if (name == UserSet::kDefaultName) {
        platform_.message(kNotAsDefault);
        return false;
    }
    if (name == users.current().name) {
        platform_.message(kSameUserName);
        return false;
    }
    UserSet::Allocation file = users.allocateUserFileName();
    if (!file) {
        platform_.message(file.refusal);
        return false;
    }
    // The file first: a user listed without one would vanish at the next
    // start, and with it the targets typed.
    if (!writeProfileFile(file.path, ProfileFile{record_, name})) {
        platform_.message(kUserNotWritten);
        return false;
    }
    users.addUser(name, file.path);
    users.current().profile = record_;
    db_.state().setStateDirty(true);
    newUserNamed_ = true;
    userSaved();
    return true;
}

bool FoodEditor::onPrint(ReportPrinter& printer) {
    if (foodMode()) return false;
    storeChangedFields();
    const std::string user = mode_ == newUser && !newUserNamed_ ? std::string() : db_.users().current().name;
    static constexpr int kStops[] = {22, 34, 42};
    return runPrintJob(platform_, printer, kPrintJobName, [&](ReportWriter& out) {
        out.heading(0, kPrintTitle);
        out.heading(3, kPrintHeading + user);
        out.setTabStops(kStops);
        for (int n = 0; n < kNutrientCount; ++n) {
            const auto i = std::size_t(n);
            const int advance = n == 0 || n == kFirstAminoAcid ? 2 : 1;
            out.detail(advance, std::string(nutrientName(n)) + '\t' + targetValueText(record_, n) + '\t' +
                                    std::string(unitLabel(n)) + '\t' + labels_[i]);
        }
        out.useStandardTabStops();
    });
}

void FoodEditor::onHelp() { platform_.openHelp(foodMode() ? kFoodHelpContext : kUserHelpContext); }

void FoodEditor::onClose() { finished_ = true; }

} // namespace korva
