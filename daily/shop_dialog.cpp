#include "daily/shop_dialog.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <system_error>

#include "core/food_data_base.h"
#include "core/platform.h"
#include "core/printf_text.h"
#include "lists/flist_doc.h"
#include "lists/number_scan.h"
#include "lists/report_writer.h"

namespace korva {

namespace {

constexpr const char* kCaption = "SHOPPING  LIST  :  ";
constexpr const char* kTitle = "Korvana";
constexpr const char* kNoEntries = "None";

bool onlyBlanks(const std::string& text) { return text.find_first_not_of(" \t\r\n") == std::string::npos; }

} // namespace

std::string fieldText(const std::vector<std::string>& lines) {
    if (lines.empty()) return "   ";
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) out += "\r\n";
        out += lines[i];
    }
    return out;
}

std::vector<std::string> fieldLines(const std::string& text) {
    std::vector<std::string> lines;
    if (onlyBlanks(text)) return lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

void writeShopListReport(ReportWriter& out, const std::vector<std::string>& text,
                         const std::vector<std::string>& extra) {
    std::vector<int> stops;
    for (int k = 0; k < 10; ++k) stops.push_back(30 + 10 * k);
    out.setTabStops(stops);
    out.heading(0, kTitle);
    out.heading(3, shopmsg::kJobName);
    int advance = 2;
    for (const auto* lines : {&text, &extra}) {
        for (std::size_t i = 0; i < lines->size(); ++i) {
            const std::string_view line = std::string_view((*lines)[i]).substr(0, ShopDialog::kPrintedLineLength);
            // Leading blanks become a position, a w each, so the indentation
            // is the same on every page whatever the font.
            const std::size_t blanks = std::min(line.find_first_not_of(' '), line.size());
            // A heading (a line the next one is indented under) never stays
            // alone at the foot of a page.
            const bool heading =
                i + 1 < lines->size() && blanks == 0 && !line.empty() && (*lines)[i + 1].find_first_not_of(' ') > 0;
            if (heading && out.endsPage(advance + 1)) {
                out.breakPage();
                advance = 0;
            }
            out.line(advance, ReportWriter::kDetailX + static_cast<int>(blanks), line.substr(blanks), false);
            advance = 1;
        }
    }
    out.useStandardTabStops();
}

ShopDialog::ShopDialog(FoodDataBase& db, Platform& platform, ShopRecipeChooser& recipes)
    : db_(db), platform_(platform), recipes_(recipes), list_(&db) {}

NewFileName ShopDialog::freeName() {
    // Lists saved under numbered names during the run hold the user's work.
    for (;;) {
        NewFileName name = db_.numbering().nextShoppingListName();
        std::error_code ec;
        if (!name || !std::filesystem::exists(std::filesystem::symlink_status(db_.paths().shopDir() / name.name, ec)))
            return name;
    }
}

bool ShopDialog::openNew() {
    const NewFileName name = freeName();
    if (!name) {
        platform_.message(name.refusal);
        return false;
    }
    list_.fileName = name.name;
    list_.path = (db_.paths().shopDir() / name.name).string();
    freshName_ = true;
    extraText_ = fieldText(list_.extraLines);
    refill();
    return true;
}

bool ShopDialog::open(const std::filesystem::path& file) {
    if (!list_.read(file, platform_)) {
        platform_.message(shopmsg::kNotShopList);
        return false;
    }
    extraText_ = fieldText(list_.extraLines);
    refill();
    return true;
}

std::string ShopDialog::caption() const { return kCaption + list_.fileName; }

bool ShopDialog::canClose() {
    if (!changed_) return true;
    switch (platform_.messageBox("Save changes to " + list_.fileName + " ?", kAppTitle, MsgButtons::yesNoCancel)) {
    case MsgAnswer::yes: return onSave();
    case MsgAnswer::no: return true;
    default: return false;
    }
}

bool ShopDialog::mayRebuild() {
    if (shopText_ == fieldText(list_.textLines)) return true;
    return platform_.messageBox(shopmsg::kReplaceTyped, kAppTitle, MsgButtons::yesNo) == MsgAnswer::yes;
}

std::string ShopDialog::currentRow() const {
    const ShopEntry* e = list_.current();
    return e ? shopEntryRow(*e) : std::string();
}

void ShopDialog::onSelectRow(int row) {
    list_.setCurrent(row);
    showFactor();
}

void ShopDialog::onFactorLeft() {
    const ShopEntry* e = list_.current();
    if (!e || e->factor <= kMinStepped) return;
    list_.setCurrentFactor(std::max(e->factor - kStep, kMinStepped));
    showFactor();
}

void ShopDialog::onFactorRight() {
    const ShopEntry* e = list_.current();
    if (!e || e->factor >= kMaxStepped) return;
    list_.setCurrentFactor(std::min(e->factor + kStep, kMaxStepped));
    showFactor();
}

void ShopDialog::onApply() {
    if (!list_.current()) return;
    const std::string text = factorField_.substr(0, kFactorFieldLength);
    // A field that holds no number keeps the factor as it was.
    const std::optional<float> typed = scanFloat(text);
    if (!typed) {
        showFactor();
        return;
    }
    const float factor = *typed;
    if (factor < 0.0f || factor > ShopList::kMaxFactor) {
        platform_.message(factor < 0.0f ? shopmsg::kFactorNegative : shopmsg::kFactorTooHigh);
        showFactor();
        return;
    }
    if (!mayRebuild()) return;
    list_.setCurrentFactor(factor);
    list_.rebuildText();
    changed_ = true;
    refill();
}

void ShopDialog::onShopTextEdited(const std::string& text) {
    if (text == shopText_) return;
    shopText_ = text;
    changed_ = true;
}

void ShopDialog::onExtraTextEdited(const std::string& text) {
    if (text == extraText_) return;
    extraText_ = text;
    changed_ = true;
}

void ShopDialog::onAddFoodList() {
    if (!mayRebuild()) return;
    const std::optional<std::filesystem::path> chosen =
        platform_.chooseOpenFile(foodListFileRequest(db_, "Open", "*.*"));
    if (!chosen) return;
    // A numbered list picked here is one no new FoodList may be named after.
    db_.numbering().noteFoodListName(chosen->filename().string());
    if (!list_.addFoodList(*chosen, platform_)) return;
    list_.rebuildText();
    changed_ = true;
    refill();
}

void ShopDialog::onAddRecipe() {
    if (db_.index().foodCount(kRecipeCategory) == 0) {
        platform_.message(shopmsg::kNoRecipes);
        return;
    }
    if (!mayRebuild()) return;
    const std::optional<RecipeChoice> chosen = recipes_.chooseRecipe();
    if (!chosen || !list_.addRecipe(chosen->file, chosen->name, platform_)) return;
    list_.rebuildText();
    changed_ = true;
    refill();
}

void ShopDialog::onDelete() {
    if (list_.entryCount() == 0) {
        platform_.message(shopmsg::kNothingToDelete);
        return;
    }
    if (!mayRebuild()) return;
    list_.deleteCurrent();
    changed_ = true;
    refill();
}

bool ShopDialog::onSave() {
    if (!changed_) {
        platform_.message(shopmsg::kNoChanges);
        return false;
    }
    if (!hasText()) return false;
    std::error_code ec;
    if (freshName_ && std::filesystem::exists(std::filesystem::symlink_status(list_.path, ec))) {
        const NewFileName name = freeName();
        if (!name) {
            platform_.message(name.refusal);
            return false;
        }
        list_.fileName = name.name;
        list_.path = (db_.paths().shopDir() / name.name).string();
    }
    return store(list_.path);
}

bool ShopDialog::onSaveAs() {
    if (!hasText()) return false;
    FileDialogRequest request;
    request.caption = "Save As";
    request.filter = shopmsg::kSaveAsFilter;
    request.defaultExtension = "SLS";
    request.startFolder = db_.paths().shopDir();
    request.initialName = list_.fileName;
    const std::optional<std::filesystem::path> chosen = platform_.chooseSaveFile(request);
    if (!chosen) return false;
    // A bare name lies in the shopping list folder, where the dialog opened.
    const std::filesystem::path file = chosen->is_relative() ? request.startFolder / *chosen : *chosen;
    return store(file.string());
}

bool ShopDialog::hasText() const {
    if (!fieldLines(shopText_).empty()) return true;
    platform_.message(shopmsg::kNoText);
    return false;
}

bool ShopDialog::store(const std::string& file) {
    list_.textLines = fieldLines(shopText_);
    list_.extraLines = fieldLines(extraText_);
    const std::string previous = list_.path;
    list_.path = file;
    if (!list_.write(platform_)) {
        list_.path = previous;
        return false;
    }
    // The file written is the list's own from now on.
    list_.fileName = std::filesystem::path(file).filename().string();
    changed_ = false;
    freshName_ = false;
    return true;
}

bool ShopDialog::onPrint(ReportPrinter& printer) {
    if (list_.entryCount() == 0) {
        platform_.message(shopmsg::kNothingToPrint);
        return false;
    }
    const std::vector<std::string> text = fieldLines(shopText_);
    const std::vector<std::string> extra = fieldLines(extraText_);
    return runPrintJob(platform_, printer, shopmsg::kJobName,
                       [&](ReportWriter& out) { writeShopListReport(out, text, extra); });
}

void ShopDialog::onHelp() { platform_.openHelp(kHelpContext); }

void ShopDialog::refill() {
    entryRows_.clear();
    for (const ShopEntry& e : list_.entries()) entryRows_.push_back(shopEntryRow(e));
    if (entryRows_.empty()) entryRows_.push_back(kNoEntries);
    // The text follows the entries; the extra text stays as typed.
    shopText_ = fieldText(list_.textLines);
    showFactor();
}

void ShopDialog::showFactor() {
    const ShopEntry* e = list_.current();
    factorField_ = e ? printfText("%5.2f", static_cast<double>(e->factor)) : "0.00";
}

} // namespace korva
