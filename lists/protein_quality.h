#pragma once

#include <array>
#include <span>
#include <string_view>

#include "lists/food_item.h"

namespace korva {

// One group of the essential amino acids as the adult scoring pattern counts
// them: one or two amino acids of the data base (positions in the amino-acid
// list) summed, and what a gram of protein should hold of them.
struct AminoGroup {
    std::string_view name;
    int first;
    int second; // -1 for a group of one amino acid
    float mgPerGramProtein;
};

inline constexpr int kAminoGroupCount = 8;

// The adult amino-acid scoring pattern of the FAO/WHO/UNU Expert Consultation,
// "Protein and amino acid requirements in human nutrition", WHO Technical
// Report Series 935 (2007), table 23, in mg per g of protein.  The pattern's
// ninth group, Histidine (15 mg/g), is left out: the data base holds no
// histidine values.  Positions: 0 Tyrosine, 1 Lysine, 2 Phenylalanine,
// 3 Leucine, 4 Valine, 5 Methionine, 6 Cystine, 7 Tryptophan, 8 Threonine,
// 9 Isoleucine.
inline constexpr std::array<AminoGroup, kAminoGroupCount> kAdultAminoPattern = {{
    {"Isoleucine", 9, -1, 30.0f},
    {"Leucine", 3, -1, 59.0f},
    {"Lysine", 1, -1, 45.0f},
    {"Methionine + Cystine", 5, 6, 22.0f},
    {"Phenylalanine + Tyrosine", 2, 0, 38.0f},
    {"Threonine", 8, -1, 23.0f},
    {"Tryptophan", 7, -1, 6.0f},
    {"Valine", 4, -1, 39.0f},
}};

// The amino-acid make-up of the protein of some food items.  Only items whose
// food reports protein and all ten amino acids count toward the groups: a
// missing value is unknown, not zero, and would make a protein look poorer
// than it is.
struct ProteinQuality {
    float totalProtein = 0.0f;   // g, of every item that reports protein
    float coveredProtein = 0.0f; // g, of the items that count
    std::array<float, kAminoGroupCount> mgPerGram{};
    std::array<float, kAminoGroupCount> ratio{}; // mgPerGram / the pattern
    int limiting = -1;                           // group with the lowest ratio; -1 without a score
    float score = 0.0f;                          // the lowest ratio

    bool scored() const { return limiting >= 0; }
};

ProteinQuality proteinQuality(std::span<const FoodItem> items);

} // namespace korva
