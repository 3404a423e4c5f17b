#include <gtest/gtest.h>

#include "app/protein_quality_dialog.h"
#include "core/nutrient_totals.h"
#include "core/nutrients.h"
#include "core/short_food.h"
#include "lists/food_list.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

// Grams of protein and of the ten amino acids per 100 g, in amino-acid list
// order (Tyr Lys Phe Leu Val Met Cys Trp Thr Ile); a negative amino acid is
// one the food does not report.
struct Food {
    float protein;
    std::array<float, kAminoAcidCount> amino;
};
constexpr std::array<float, kAminoAcidCount> kNoAmino = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
constexpr Food kWheat{10, {.30f, .25f, .50f, .70f, .45f, .16f, .22f, .12f, .28f, .36f}};
constexpr Food kBean{20, {.60f, 1.6f, 1.0f, 1.6f, 1.0f, .10f, .10f, .20f, .80f, .90f}};
constexpr Food kEgg{12, {.50f, .90f, .65f, 1.1f, .85f, .40f, .30f, .06f, .60f, .70f}};
// Reports everything but Tryptophan: counted as zero it would be limiting.
constexpr Food kNoTryptophan{8, {.40f, 1.0f, .50f, .90f, .50f, .20f, .20f, -1, .40f, .40f}};
constexpr Food kNoAminoData{8, kNoAmino};

FoodItem item(const Food& f, float grams) {
    ShortFood e;
    e.gramsPerServing = 50.0f;
    NutrientRecord r;
    r.setValue(nutrient::kProtein, f.protein);
    r.setLevel(nutrient::kProtein, 1);
    for (int k = 0; k < kAminoAcidCount; ++k)
        if (f.amino[static_cast<std::size_t>(k)] >= 0) {
            r.setValue(aminoAcidNutrient(k), f.amino[static_cast<std::size_t>(k)]);
            r.setLevel(aminoAcidNutrient(k), 1);
        }
    FoodItem i;
    i.attach(e, r);
    i.setServings(grams / 50.0f);
    return i;
}

TEST(ProteinQuality, ScoreAndLimitingAminoAcidOfHandWorkedLists) {
    struct Case {
        std::vector<FoodItem> items;
        float score; // lowest mg per g protein over its pattern figure
        std::string_view limiting;
        float covered, total;
    };
    const Case cases[] = {
        // Plant only: 25 mg Lysine per g of 10 g protein; the 4 g without full data do not count.
        {{item(kWheat, 100), item(kNoTryptophan, 50)}, 25.0f / 45.0f, "Lysine", 10, 14},
        // Beans make up the Lysine; 0.38 + 0.10 g sulphur amino acids in 20 g protein.
        {{item(kWheat, 100), item(kBean, 50), item(kNoAminoData, 25)}, 24.0f / 22.0f, "Methionine + Cystine", 20, 22},
        // 0.06 g Tryptophan in 12 g protein: 5 mg/g.
        {{item(kEgg, 100)}, 5.0f / 6.0f, "Tryptophan", 12, 12},
    };
    for (const Case& c : cases) {
        const ProteinQuality q = proteinQuality(c.items);
        ASSERT_TRUE(q.scored());
        EXPECT_NEAR(q.score, c.score, 1e-4);
        EXPECT_EQ(kAdultAminoPattern[static_cast<std::size_t>(q.limiting)].name, c.limiting);
        EXPECT_NEAR(q.coveredProtein, c.covered, 1e-4);
        EXPECT_NEAR(q.totalProtein, c.total, 1e-4);
    }
}

TEST(ProteinQuality, DialogSaysWhatTheScoreRestsOn) {
    test::ScriptedPlatform platform;
    FoodList list;
    for (const FoodItem& i : {item(kWheat, 100), item(kNoTryptophan, 50)}) list.append(i);
    EXPECT_EQ(ProteinQualityDialog(list, "FOODLIST  :  bread", platform).summary(),
              (std::vector<std::string>{"Amino-acid score :  56%     Limiting amino acid :  Lysine",
                                        "score from 10 of 14 g protein"}));

    // Without a food that has amino-acid data there is no score, not a score of 0.
    FoodList bare;
    bare.append(item(kNoAminoData, 100));
    EXPECT_EQ(ProteinQualityDialog(bare, "", platform).summary(),
              (std::vector<std::string>{"Amino-acid score :  N / A     no food of the list has amino-acid data",
                                        "score from 0 of 8 g protein"}));
}

} // namespace
} // namespace korva
