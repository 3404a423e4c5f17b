#include "app/nutrient_fields.h"

#include "core/platform.h"
#include "core/printf_text.h"
#include "lists/number_scan.h"

namespace korva {

namespace {
constexpr std::size_t kStepChars = 11;
} // namespace

std::optional<float> fieldNumber(const std::string& text, std::size_t chars) {
    return scanFloat(std::string_view(text).substr(0, chars));
}

std::string steppedField(const std::string& text, bool up) {
    const double v = double(fieldNumber(text, kStepChars).value_or(0.0f)) + (up ? 0.1 : -0.1);
    return printfText("%4.1f", v);
}

bool blankField(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

std::string_view NutrientFields::unitLabel(int n) {
    std::string_view unit = nutrientUnit(n); // "__cal": the editor shows one underscore
    return unit.empty() ? unit : unit.substr(1);
}

bool NutrientFields::acceptedCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == ' ' || c == '\b' || c == '%';
}

std::string NutrientFields::notANumber(int n) {
    return "... " + std::string(nutrientName(n)) + " must be a number, can't save ...";
}

bool NutrientFields::onPage(int n, Page page) const {
    return page == Page::standard ? n < kFirstAminoAcid : n >= kFirstAminoAcid;
}

void NutrientFields::show(const NutrientRecord& record, const NutrientTexts& texts, const NutrientTexts& labels) {
    record_ = record;
    texts_ = shownTexts_ = texts;
    labels_ = shownLabels_ = labels;
    fieldChanged_.fill(false);
    changed_ = false;
}

void NutrientFields::restoreField(int n) {
    const auto i = std::size_t(n);
    texts_[i] = shownTexts_[i];
    labels_[i] = shownLabels_[i];
    fieldChanged_[i] = false;
}

void NutrientFields::onFieldEdited(int n, const std::string& text) {
    if (readOnly_ || !isNutrient(n)) return;
    std::string kept;
    for (char c : text)
        if (acceptedCharacter(c) && c != '\b') kept += c;
    const auto i = std::size_t(n);
    texts_[i] = kept;
    fieldChanged_[i] = true;
    changed_ = true;
    if (kept.find('%') != std::string::npos) percentTyped(n);
    if (!fieldChanged_[i]) return;
    if (auto label = editedLabel(n)) labels_[i] = *label;
}

void NutrientFields::storeField(int n) {
    const auto i = std::size_t(n);
    record_.setValue(n, *fieldNumber(texts_[i], kValueChars));
    // A food's value is simply there; a target the user set is the user's
    // own (ODA), no longer the approved RDA.
    record_.setLevel(n, 1);
    fieldChanged_[i] = false;
}

void NutrientFields::onPageChosen(Page page) {
    if (page == page_) return;
    // What the page being left holds goes into the record; a field without a
    // number stays typed and is refused when the record is saved.
    for (int n = 0; n < kNutrientCount; ++n)
        if (fieldChanged_[std::size_t(n)] && onPage(n, page_) && fieldNumber(texts_[std::size_t(n)], kValueChars))
            storeField(n);
    page_ = page;
}

bool NutrientFields::storeChangedFields() {
    for (int n = 0; n < kNutrientCount; ++n) {
        if (!fieldChanged_[std::size_t(n)] || fieldNumber(texts_[std::size_t(n)], kValueChars)) continue;
        page_ = n < kFirstAminoAcid ? Page::standard : Page::aminoAcids;
        platform_.message(notANumber(n));
        return false;
    }
    for (int n = 0; n < kNutrientCount; ++n)
        if (fieldChanged_[std::size_t(n)]) storeField(n);
    return true;
}

// ---- The two kinds ------------------------------------------------------------

void FoodValueFields::percentTyped(int n) {
    const std::string& text = fieldText(n);
    const auto p = fieldNumber(text.substr(0, text.find('%')), kValueChars);
    if (!p || *p < 0.0f) {
        platform_.message(kPercentNegative);
        restoreField(n);
        return;
    }
    setFieldText(n, printfText("%6.3f", double(*p) / 100.0 * double(targets_.value(n))));
}

std::optional<std::string> FoodValueFields::editedLabel(int n) const {
    const float v = fieldNumber(fieldText(n), kValueChars).value_or(0.0f);
    return percentText(v, targets_, n);
}

void TargetFields::percentTyped(int n) {
    platform_.message(kNoPercentForTargets);
    setFieldText(n, kNewFieldText);
}

} // namespace korva
