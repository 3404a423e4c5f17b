#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>

#include "archive/atomic_file.h"
#include "core/food_data_base.h"
#include "search/search_engine.h"
#include "tests/search/search_tree.h"
#include "tests/support/shipped_data.h"

namespace korva::test {
namespace {

// A few searches on the shipped foods, each checked against every
// candidate scored plainly and sorted: the kept scores must be the best
// ones in order, and as many as the engine's admission allows.
class ShippedSearch : public ::testing::Test {
protected:
    void SetUp() override {
        if (!shippedTreePresent(paths)) GTEST_SKIP() << "no shipped data tree under " << paths.root;
        ASSERT_TRUE(loadShippedIndex(db));
        const auto bytes = readWholeFile(paths.foodsArc());
        ASSERT_TRUE(bytes);
        for (std::size_t k = 0; k + NutrientRecord::kBytes <= bytes->size(); k += NutrientRecord::kBytes)
            records.push_back(NutrientRecord::fromBytes(bytes->data() + k));
        for (int n = 0; n < kNutrientCount; ++n) {
            targets.setValue(n, 10.0f + float(n) * 7.5f);
            targets.setLevel(n, 1 + n % 2);
        }
    }

    using Scorer = std::function<std::optional<float>(const ShortFood&, const NutrientRecord&)>;

    // The engine's result against the plain ranking.
    void check(const SearchRequest& r, bool higher, const Scorer& score, const GapTable* gaps = nullptr) {
        std::vector<float> all;
        for (const ShortFood& e : db.index().entries()) {
            if (!r.categories.test(e.category)) continue;
            const NutrientRecord& rec = records.at(e.recordNumber);
            if (r.basis == ComparisonBasis::Per100Calories && rec.value(0) < 0.000001) continue;
            if (auto s = score(e, rec)) all.push_back(*s);
        }
        if (higher)
            std::sort(all.begin(), all.end(), std::greater<>());
        else
            std::sort(all.begin(), all.end());
        all.resize(std::min(all.size(), std::size_t(r.size)));

        const SearchOutcome out = runSearch(db, r, targets, gaps);
        ASSERT_TRUE(out.complete);
        std::vector<float> kept;
        for (std::size_t p : out.positions) {
            kept.push_back(*score(db.index().entries()[p], records.at(db.index().entries()[p].recordNumber)));
        }
        EXPECT_EQ(kept, all) << "type " << int(r.type) << " size " << r.size;
        EXPECT_EQ(std::set<std::size_t>(out.positions.begin(), out.positions.end()).size(), out.positions.size());
    }

    float p(const NutrientRecord& rec, const ShortFood& e, int n, ComparisonBasis basis) const {
        float v = rec.value(n);
        if (basis == ComparisonBasis::Per100Calories) v = 100.0f / rec.value(0) * v;
        if (basis == ComparisonBasis::OneServing) v = e.gramsPerServing / 100.0f * v;
        return 100.0f * (v / targets.value(n));
    }
    static bool present(const NutrientRecord& rec, const NutrientSet& set) {
        for (int n : membersOf(set))
            if (rec.level(n) == 0) return false;
        return true;
    }

    DataPaths paths = shippedPaths();
    FoodDataBase db{paths};
    NutrientRecord targets;
    std::vector<NutrientRecord> records; // by record number
};

float squared(float x) { return x * x; }

SearchRequest everywhere(SearchType type, ComparisonBasis basis, int size, NutrientSet min, NutrientSet max) {
    SearchRequest r;
    r.type = type;
    r.basis = basis;
    r.size = size;
    r.categories.set();
    r.minimize = min;
    r.maximize = max;
    return r;
}

TEST_F(ShippedSearch, KeptScoresAreTheBestInOrder) {
    using enum SearchType;
    using enum ComparisonBasis;
    for (int size : {20, 100}) {
        // One nutrient: the amount itself; the maximum keeps only amounts above 0.
        SearchRequest r = everywhere(MinOne, Per100Calories, size, nutrients(27), {});
        check(r, false, [&](const ShortFood&, const NutrientRecord& rec) -> std::optional<float> {
            if (rec.level(27) == 0) return std::nullopt;
            return 100.0f / rec.value(0) * rec.value(27);
        });
        r = everywhere(MaxOne, OneServing, size, {}, nutrients(12));
        check(r, true, [&](const ShortFood& e, const NutrientRecord& rec) -> std::optional<float> {
            const float v = e.gramsPerServing / 100.0f * rec.value(12);
            if (rec.level(12) == 0 || !(v > 0.0f)) return std::nullopt;
            return v;
        });
        r = everywhere(MaxSeveral, Per100Grams, size, {}, nutrients(1, 7, 12, 19, 21));
        check(r, true, [&](const ShortFood& e, const NutrientRecord& rec) -> std::optional<float> {
            if (!present(rec, r.maximize)) return std::nullopt;
            float product = 1.0f;
            for (int n : membersOf(r.maximize))
                product = product * std::clamp(p(rec, e, n, Per100Grams), 0.0001f, 100.0f);
            return product;
        });
        r = everywhere(MinMaxSeveral, OneServing, size, nutrients(2, 8, 27), nutrients(1, 19));
        check(r, false, [&](const ShortFood& e, const NutrientRecord& rec) -> std::optional<float> {
            if (!present(rec, r.minimize) || !present(rec, r.maximize)) return std::nullopt;
            float sum = 0.0f;
            for (int n : membersOf(r.maximize)) sum = sum + squared(std::max(100.0f - p(rec, e, n, OneServing), 0.0f));
            for (int n : membersOf(r.minimize)) sum = sum + squared(std::max(p(rec, e, n, OneServing), 0.0f));
            return float(std::sqrt(double(sum)));
        });
        GapTable gaps{};
        gaps[1] = 40.0f;
        gaps[21] = 75.0f;
        gaps[12] = 10.0f;
        r = everywhere(Optimize, OneServing, size, nutrients(1, 12, 21), {});
        check(
            r, false,
            [&](const ShortFood& e, const NutrientRecord& rec) -> std::optional<float> {
                if (!present(rec, r.minimize)) return std::nullopt;
                float sum = 0.0f;
                for (int n : membersOf(r.minimize))
                    sum = sum + squared(std::max(gaps[std::size_t(n)] - p(rec, e, n, OneServing), 0.0f));
                return sum;
            },
            &gaps);
    }
}

} // namespace
} // namespace korva::test
