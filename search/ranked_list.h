#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace korva {

// How an engine ranks: whether higher scores are better, and whether a
// score equal to the last kept one is admitted and one equal to the best
// goes to the head.  The tie order of the results follows from these two
// tests and the insertion walk, so they are part of each engine's contract.
template <bool HigherIsBetter, bool AdmitEqual, bool HeadEqual>
struct RankOrder {
    static bool admitted(float s, float tail) {
        if constexpr (HigherIsBetter)
            return AdmitEqual ? s >= tail : s > tail;
        else
            return AdmitEqual ? s <= tail : s < tail;
    }
    static bool toHead(float s, float head) {
        if constexpr (HigherIsBetter)
            return HeadEqual ? s >= head : s > head;
        else
            return HeadEqual ? s <= head : s < head;
    }
    // The walk stops in front of the first kept score not better than s.
    static bool between(float a, float s, float b) {
        if constexpr (HigherIsBetter)
            return a >= s && s >= b;
        else
            return a <= s && s <= b;
    }
};

// The best N foods seen so far, best first, in a pool of N nodes made once
// per search: every admission reuses the worst node, so ranking a food never
// allocates.
template <class Order>
class RankedList {
public:
    RankedList(int size, float sentinel) : nodes_(static_cast<std::size_t>(std::max(size, 2))) {
        const int n = static_cast<int>(nodes_.size());
        for (int i = 0; i < n; ++i) nodes_[static_cast<std::size_t>(i)] = {sentinel, kNoFood, i + 1, i - 1};
        nodes_.back().next = kNone;
        head_ = 0;
        tail_ = n - 1;
        headScore_ = tailScore_ = sentinel;
    }

    void offer(std::uint32_t food, float s) {
        if (!Order::admitted(s, tailScore_)) return;
        ++admitted_;
        const int moved = tail_;
        Node& t = node(moved);
        t.food = food;
        t.score = s;
        if (Order::toHead(s, headScore_)) {
            unlinkTail();
            t.prev = kNone;
            t.next = head_;
            node(head_).prev = moved;
            head_ = moved;
        } else {
            int a = head_;
            int b = node(a).next;
            while (b != tail_ && !Order::between(node(a).score, s, node(b).score)) {
                a = b;
                b = node(a).next;
            }
            if (b != tail_) {
                unlinkTail();
                t.prev = a;
                t.next = b;
                node(a).next = moved;
                node(b).prev = moved;
            }
        }
        headScore_ = node(head_).score;
        tailScore_ = node(tail_).score;
    }

    int admissions() const { return admitted_; }

    // The kept foods, best first: as many as were admitted, at most N.
    std::vector<std::size_t> ranked() const {
        const int k = std::min(admitted_, static_cast<int>(nodes_.size()));
        std::vector<std::size_t> out;
        out.reserve(static_cast<std::size_t>(k));
        for (int i = head_; static_cast<int>(out.size()) < k; i = node(i).next) out.push_back(node(i).food);
        return out;
    }

private:
    static constexpr int kNone = -1;
    static constexpr std::uint32_t kNoFood = UINT32_MAX;
    struct Node {
        float score;
        std::uint32_t food;
        int next;
        int prev;
    };

    Node& node(int i) { return nodes_[static_cast<std::size_t>(i)]; }
    const Node& node(int i) const { return nodes_[static_cast<std::size_t>(i)]; }
    void unlinkTail() {
        const int before = node(tail_).prev;
        node(before).next = kNone;
        tail_ = before;
    }

    std::vector<Node> nodes_;
    int head_ = 0;
    int tail_ = 0;
    float headScore_ = 0.0f;
    float tailScore_ = 0.0f;
    int admitted_ = 0;
};

} // namespace korva
