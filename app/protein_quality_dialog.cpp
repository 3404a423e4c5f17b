#include "app/protein_quality_dialog.h"

#include "core/nutrients.h"
#include "core/platform.h"
#include "core/printf_text.h"
#include "lists/food_list.h"
#include "lists/report_writer.h"

namespace korva {

ProteinQualityDialog::ProteinQualityDialog(const FoodList& list, std::string title, Platform& platform)
    : title_(std::move(title)), platform_(platform), figures_(proteinQuality(list.items())), rows_(makeRows()),
      summary_(makeSummary()) {}

std::vector<std::string> ProteinQualityDialog::makeRows() const {
    const ProteinQuality& q = figures_;
    std::vector<std::string> rows{"Amino acid\tmg / g protein\tPattern\tRatio"};
    for (std::size_t g = 0; g < kAdultAminoPattern.size(); ++g) {
        const AminoGroup& group = kAdultAminoPattern[g];
        const long need = nearestInteger(static_cast<double>(group.mgPerGramProtein));
        if (q.scored())
            rows.push_back(printfText("%s\t%6.1f\t%3ld\t%4ld%%", std::string(group.name).c_str(),
                                      static_cast<double>(q.mgPerGram[g]), need,
                                      nearestInteger(100.0 * static_cast<double>(q.ratio[g]))));
        else
            rows.push_back(printfText("%s\t   N / A\t%3ld\t  N / A", std::string(group.name).c_str(), need));
    }
    rows.emplace_back("Histidine\tnot in the data base");
    return rows;
}

std::vector<std::string> ProteinQualityDialog::makeSummary() const {
    const ProteinQuality& q = figures_;
    std::vector<std::string> rows;
    if (q.scored())
        rows.push_back(printfText("Amino-acid score :  %ld%%     Limiting amino acid :  %s",
                                  nearestInteger(100.0 * static_cast<double>(q.score)),
                                  std::string(kAdultAminoPattern[static_cast<std::size_t>(q.limiting)].name).c_str()));
    else
        rows.emplace_back("Amino-acid score :  N / A     no food of the list has amino-acid data");
    rows.push_back(printfText("score from %ld of %ld g protein", nearestInteger(static_cast<double>(q.coveredProtein)),
                              nearestInteger(static_cast<double>(q.totalProtein))));
    return rows;
}

void ProteinQualityDialog::write(ReportWriter& out) const {
    out.heading(0, kCaption);
    out.heading(2, title_);
    const std::vector<int> stops{std::begin(kTabStops), std::end(kTabStops)};
    out.setTabStops(stops);
    int step = 2;
    for (const std::string& r : rows_) {
        out.detail(step, r);
        step = 1;
    }
    out.useStandardTabStops();
    step = 2;
    for (const std::string& r : summary_) {
        out.detail(step, r);
        step = 1;
    }
}

bool ProteinQualityDialog::onPrint(ReportPrinter& printer) {
    return runPrintJob(platform_, printer, kJobName, [this](ReportWriter& out) { write(out); });
}

void ProteinQualityDialog::onHelp() { platform_.openHelp(kHelpContext); }

} // namespace korva
