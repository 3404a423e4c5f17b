#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/nutrient_record.h"
#include "core/nutrients.h"

namespace korva {

class Platform;
class ReportPrinter;

// One button of an editor's row: what it says, the name tests find it by,
// whether it can be pressed, and what pressing it does.  Only the profile
// editor's print button uses the printer.
struct EditorButton {
    const char* caption;
    const char* name;
    bool enabled;
    std::function<void(ReportPrinter&)> press;
};

// A number typed into one of the editors' fields: the number its first
// `chars` characters start with, none when they hold no finite number.
std::optional<float> fieldNumber(const std::string& text, std::size_t chars);
// A grams field after one click on its arrows: 0.1 down or up.
std::string steppedField(const std::string& text, bool up);
bool blankField(const std::string& text);

// The 39 value fields of one record, on two pages (standard nutrients and
// amino acids), shared by the food editor and the profile editor.  A field
// takes digits, ".", blanks and "%"; what a "%" means and which label a typed
// value gets is the kind's own (FoodValueFields, TargetFields).
class NutrientFields {
public:
    enum class Page { standard, aminoAcids };

    static constexpr const char* kPageGroup = "Nutrient List :";
    static constexpr const char* kStandardPage = "S&tandard";
    static constexpr const char* kAminoPage = "&Amino Acids";
    static constexpr std::size_t kValueChars = 14;
    static constexpr const char* kNewFieldText = "0.00";

    virtual ~NutrientFields() = default;
    NutrientFields(const NutrientFields&) = delete;
    NutrientFields& operator=(const NutrientFields&) = delete;

    // "_cal", "_gm", "_mg", "_IU" or "_mcg".
    static std::string_view unitLabel(int n);
    static bool acceptedCharacter(char c);
    // "... Vit. C must be a number, can't save ..."
    static std::string notANumber(int n);

    Page page() const { return page_; }
    const std::string& fieldText(int n) const { return texts_[static_cast<std::size_t>(n)]; }
    const std::string& percentLabel(int n) const { return labels_[static_cast<std::size_t>(n)]; }
    bool valuesReadOnly() const { return readOnly_; }
    // A value was typed or the record replaced since the fields were shown.
    bool changed() const { return changed_; }
    void markChanged() { changed_ = true; }
    const NutrientRecord& record() const { return record_; }

    void onPageChosen(Page page);
    // What a value field holds after the user typed into it: characters the
    // field does not take are dropped.
    void onFieldEdited(int n, const std::string& text);

    // Shows `record` with the given texts; the typed state starts afresh.
    void show(const NutrientRecord& record, const NutrientTexts& texts, const NutrientTexts& labels);
    // Puts every typed value into the record as the nutrient's own value.
    // A field that holds no number refuses with its message and nothing is
    // stored.
    bool storeChangedFields();

protected:
    NutrientFields(Platform& platform, bool readOnly) : platform_(platform), readOnly_(readOnly) {}

    // The field holds a "%" after the number typed before it.
    virtual void percentTyped(int n) = 0;
    // The label beside a field after a value was typed into it; none keeps
    // the label shown.
    virtual std::optional<std::string> editedLabel(int n) const = 0;

    void setFieldText(int n, std::string text) { texts_[static_cast<std::size_t>(n)] = std::move(text); }
    // Back to what was shown, unchanged.
    void restoreField(int n);

    Platform& platform_;

private:
    bool onPage(int n, Page page) const;
    void storeField(int n);

    bool readOnly_;
    NutrientRecord record_;
    Page page_ = Page::standard;
    NutrientTexts texts_;
    NutrientTexts shownTexts_;
    NutrientTexts shownLabels_;
    NutrientTexts labels_;
    std::array<bool, kNutrientCount> fieldChanged_{};
    bool changed_ = false;
};

// A food's values: "%" takes that percentage of the current user's target,
// and the label shows the value as a percentage of it.
class FoodValueFields : public NutrientFields {
public:
    static constexpr const char* kPercentNegative = "... value must be positive, can't load ...";

    FoodValueFields(Platform& platform, const NutrientRecord& targets)
        : NutrientFields(platform, false), targets_(targets) {}

protected:
    void percentTyped(int n) override;
    std::optional<std::string> editedLabel(int n) const override;

private:
    const NutrientRecord& targets_;
};

// A user's targets: "%" has nothing to refer to, and a typed target is the
// user's own, an ODA, which its label says at once.
class TargetFields : public NutrientFields {
public:
    static constexpr const char* kNoPercentForTargets = "... cannot read % for RDA entry ...";
    static constexpr const char* kEditedLabel = "100% ODA";

    TargetFields(Platform& platform, bool readOnly) : NutrientFields(platform, readOnly) {}

protected:
    void percentTyped(int n) override;
    std::optional<std::string> editedLabel(int) const override { return kEditedLabel; }
};

} // namespace korva
