#pragma once

#include <string>
#include <vector>

#include "lists/protein_quality.h"

namespace korva {

class FoodList;
class Platform;
class ReportPrinter;
class ReportWriter;

// "PROTEIN  QUALITY" of a FoodList or a recipe: each essential amino-acid
// group of the list's protein against the adult pattern, the amino-acid score
// with its limiting amino acid, and how much of the protein the score rests on.
class ProteinQualityDialog {
public:
    static constexpr const char* kCaption = "PROTEIN  QUALITY";
    static constexpr const char* kJobName = "PROTEIN  QUALITY";
    static constexpr const char* kPrint = "Prin&t";
    static constexpr const char* kClose = "&Close";
    static constexpr const char* kHelp = "&Help";
    static constexpr int kHelpContext = 54784;
    // Columns of the rows, in average character widths.
    static constexpr int kTabStops[] = {30, 44, 52};

    // `title` names the list as its window does.
    ProteinQualityDialog(const FoodList& list, std::string title, Platform& platform);

    const std::string& title() const { return title_; }
    const ProteinQuality& figures() const { return figures_; }
    // Heading, one row per group and the Histidine note; cells separated
    // by tabs.
    const std::vector<std::string>& rows() const { return rows_; }
    // The score with its limiting amino acid, and the protein it rests on.
    const std::vector<std::string>& summary() const { return summary_; }

    bool onPrint(ReportPrinter& printer);
    void onHelp();

private:
    std::vector<std::string> makeRows() const;
    std::vector<std::string> makeSummary() const;
    void write(ReportWriter& out) const;

    std::string title_;
    Platform& platform_;
    ProteinQuality figures_;
    std::vector<std::string> rows_;
    std::vector<std::string> summary_;
};

} // namespace korva
