#include "search/search_engine.h"

#include <cmath>

#include "core/food_data_base.h"
#include "search/food_scan.h"
#include "search/ranked_list.h"

namespace korva {

namespace {

// Amounts this small count as nothing: a food without calories is never
// compared per 100 calories, and tiny percentages add nothing to a score.
constexpr double kTiny = 0.000001;

// The nutrients an engine reads, with their targets, fixed at the start of
// a search so that scoring a food touches no container.
struct Chosen {
    std::array<int, kNutrientCount> n{};
    std::array<float, kNutrientCount> target{};
    int count = 0;

    Chosen(const NutrientSet& set, const NutrientRecord& targets) {
        for (int i = 0; i < kNutrientCount; ++i)
            if (set.test(static_cast<std::size_t>(i))) {
                n[static_cast<std::size_t>(count)] = i;
                target[static_cast<std::size_t>(count)] = targets.value(i);
                ++count;
            }
    }
    bool presentIn(const NutrientRecord& r) const {
        for (int k = 0; k < count; ++k)
            if (r.level(n[static_cast<std::size_t>(k)]) == 0) return false;
        return true;
    }
    float percent(const NutrientRecord& r, float g, int k, ComparisonBasis basis) const {
        const auto i = static_cast<std::size_t>(k);
        return 100.0f * (amountOnBasis(r, g, n[i], basis) / target[i]);
    }
};

// Scores every candidate of the chosen categories and keeps the best N.
// `score(entry, record, out)` answers false for a food it must skip.
template <class Order, class Score>
SearchOutcome rankFoods(FoodDataBase& db, const SearchRequest& request, float sentinel, Score&& score) {
    RankedList<Order> list(request.size, sentinel);
    const bool per100Calories = request.basis == ComparisonBasis::Per100Calories;
    SearchOutcome out;
    FoodScan scan(db);
    for (int c = 0; c < kCategoryCount; ++c) {
        if (!request.categories.test(static_cast<std::size_t>(c))) continue;
        const bool read = scan.category(c, [&](std::size_t position, const ShortFood& entry, const NutrientRecord& r) {
            if (per100Calories && static_cast<double>(r.value(0)) < kTiny) return;
            float s = 0.0f;
            if (!score(entry, r, s)) return;
            list.offer(static_cast<std::uint32_t>(position), s);
        });
        if (!read) out.complete = false;
    }
    out.positions = list.ranked();
    return out;
}

int firstMember(const NutrientSet& set) {
    for (int i = 0; i < kNutrientCount; ++i)
        if (set.test(static_cast<std::size_t>(i))) return i;
    return -1;
}

float rootOf(float sum) { return static_cast<float>(std::sqrt(static_cast<double>(sum))); }

} // namespace

float amountOnBasis(const NutrientRecord& r, float g, int n, ComparisonBasis basis) {
    switch (basis) {
    case ComparisonBasis::Per100Grams: return r.value(n);
    case ComparisonBasis::Per100Calories: return 100.0f / r.value(0) * r.value(n);
    case ComparisonBasis::OneServing: return g / 100.0f * r.value(n);
    }
    return r.value(n);
}

float percentOnBasis(const NutrientRecord& r, float g, int n, ComparisonBasis basis, const NutrientRecord& targets) {
    return 100.0f * (amountOnBasis(r, g, n, basis) / targets.value(n));
}

SearchOutcome searchOneNutrient(FoodDataBase& db, const SearchRequest& request, int n, bool minimize) {
    const ComparisonBasis basis = request.basis;
    auto score = [n, basis](const ShortFood& e, const NutrientRecord& r, float& s) {
        if (r.level(n) == 0) return false;
        s = amountOnBasis(r, e.gramsPerServing, n, basis);
        return true;
    };
    if (minimize) return rankFoods<RankOrder<false, false, false>>(db, request, 1000000.0f, score);
    return rankFoods<RankOrder<true, false, false>>(db, request, 0.0f, score);
}

SearchOutcome searchMinSeveral(FoodDataBase& db, const SearchRequest& request, const NutrientRecord& targets) {
    const Chosen chosen(request.minimize, targets);
    const ComparisonBasis basis = request.basis;
    return rankFoods<RankOrder<false, true, true>>(
        db, request, 10000000000.0f, [&](const ShortFood& e, const NutrientRecord& r, float& s) {
            if (!chosen.presentIn(r)) return false;
            float sum = 0.0f;
            for (int k = 0; k < chosen.count; ++k) {
                const float p = chosen.percent(r, e.gramsPerServing, k, basis);
                if (static_cast<double>(p) >= kTiny) sum = sum + p * p;
            }
            s = rootOf(sum);
            return true;
        });
}

SearchOutcome searchMaxSeveral(FoodDataBase& db, const SearchRequest& request, const NutrientRecord& targets) {
    const Chosen chosen(request.maximize, targets);
    const ComparisonBasis basis = request.basis;
    return rankFoods<RankOrder<true, true, true>>(db, request, -100.0f,
                                                  [&](const ShortFood& e, const NutrientRecord& r, float& s) {
                                                      if (!chosen.presentIn(r)) return false;
                                                      float product = 1.0f;
                                                      for (int k = 0; k < chosen.count; ++k) {
                                                          float q = chosen.percent(r, e.gramsPerServing, k, basis);
                                                          if (q > 100.0f)
                                                              q = 100.0f;
                                                          else if (static_cast<double>(q) < kTiny)
                                                              q = 0.0001f;
                                                          product = product * q;
                                                      }
                                                      s = product;
                                                      return true;
                                                  });
}

SearchOutcome searchMinMaxSeveral(FoodDataBase& db, const SearchRequest& request, const NutrientRecord& targets) {
    const Chosen lower(request.minimize, targets);
    const Chosen higher(request.maximize, targets);
    const ComparisonBasis basis = request.basis;
    return rankFoods<RankOrder<false, true, false>>(
        db, request, 100000000.0f, [&](const ShortFood& e, const NutrientRecord& r, float& s) {
            if (!higher.presentIn(r) || !lower.presentIn(r)) return false;
            float sum = 0.0f;
            for (int k = 0; k < higher.count; ++k) {
                float a = 100.0f - higher.percent(r, e.gramsPerServing, k, basis);
                if (static_cast<double>(a) < kTiny) a = 0.0f;
                sum = sum + a * a;
            }
            for (int k = 0; k < lower.count; ++k) {
                float b = lower.percent(r, e.gramsPerServing, k, basis);
                if (static_cast<double>(b) < kTiny) b = 0.0f;
                sum = sum + b * b;
            }
            s = rootOf(sum);
            return true;
        });
}

SearchOutcome searchOptimize(FoodDataBase& db, const SearchRequest& request, const NutrientRecord& targets,
                             const GapTable& gaps) {
    const Chosen chosen(request.minimize, targets);
    const ComparisonBasis basis = request.basis;
    return rankFoods<RankOrder<false, true, true>>(
        db, request, 1000000.0f, [&](const ShortFood& e, const NutrientRecord& r, float& s) {
            if (!chosen.presentIn(r)) return false;
            float sum = 0.0f;
            for (int k = 0; k < chosen.count; ++k) {
                const float d = gaps[static_cast<std::size_t>(chosen.n[static_cast<std::size_t>(k)])] -
                                chosen.percent(r, e.gramsPerServing, k, basis);
                if (static_cast<double>(d) >= kTiny) sum = sum + d * d;
            }
            s = sum;
            return true;
        });
}

SearchOutcome runSearch(FoodDataBase& db, const SearchRequest& request, const NutrientRecord& targets,
                        const GapTable* gaps) {
    switch (request.type) {
    case SearchType::MinOne:
        if (const int n = firstMember(request.minimize); n >= 0) return searchOneNutrient(db, request, n, true);
        break;
    case SearchType::MaxOne:
        if (const int n = firstMember(request.maximize); n >= 0) return searchOneNutrient(db, request, n, false);
        break;
    case SearchType::MinSeveral: return searchMinSeveral(db, request, targets);
    case SearchType::MaxSeveral: return searchMaxSeveral(db, request, targets);
    case SearchType::MinMaxSeveral: return searchMinMaxSeveral(db, request, targets);
    case SearchType::Optimize:
        if (gaps) return searchOptimize(db, request, targets, *gaps);
        break;
    }
    return {};
}

} // namespace korva
