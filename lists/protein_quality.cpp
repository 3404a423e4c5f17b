#include "lists/protein_quality.h"

#include <cmath>

#include "core/nutrient_totals.h"
#include "core/nutrients.h"

namespace korva {

namespace {

bool reportsAminoAcids(const NutrientRecord& r) {
    if (r.level(nutrient::kProtein) <= 0) return false;
    for (int k = 0; k < kAminoAcidCount; ++k)
        if (r.level(aminoAcidNutrient(k)) <= 0) return false;
    return true;
}

} // namespace

ProteinQuality proteinQuality(std::span<const FoodItem> items) {
    ProteinQuality q;
    // Grams of each amino acid in the protein that counts; doubles, so that
    // a long list sums without losing its small items.
    std::array<double, kAminoAcidCount> grams{};
    double total = 0.0, covered = 0.0;
    for (const FoodItem& item : items) {
        const NutrientRecord& r = item.record();
        if (r.level(nutrient::kProtein) <= 0) continue;
        const double f = static_cast<double>(item.grams()) / 100.0;
        const double protein = static_cast<double>(r.value(nutrient::kProtein)) * f;
        total += protein;
        if (!reportsAminoAcids(r)) continue;
        covered += protein;
        for (int k = 0; k < kAminoAcidCount; ++k)
            grams[static_cast<std::size_t>(k)] += static_cast<double>(r.value(aminoAcidNutrient(k))) * f;
    }
    q.totalProtein = static_cast<float>(total);
    q.coveredProtein = static_cast<float>(covered);
    if (!(covered > 0.0) || !std::isfinite(covered)) return q;

    for (std::size_t g = 0; g < kAdultAminoPattern.size(); ++g) {
        const AminoGroup& group = kAdultAminoPattern[g];
        double sum = grams[static_cast<std::size_t>(group.first)];
        if (group.second >= 0) sum += grams[static_cast<std::size_t>(group.second)];
        const double mg = sum * 1000.0 / covered;
        if (!std::isfinite(mg)) { // damaged values give no score rather than a wrong one
            q.limiting = -1;
            return q;
        }
        q.mgPerGram[g] = static_cast<float>(mg);
        q.ratio[g] = static_cast<float>(mg / static_cast<double>(group.mgPerGramProtein));
        if (q.limiting < 0 || q.ratio[g] < q.score) {
            q.limiting = static_cast<int>(g);
            q.score = q.ratio[g];
        }
    }
    return q;
}

} // namespace korva
