#pragma once

#include <deque>
#include <functional>
#include <stdexcept>

#include "search/search_choosers.h"
#include "search/srch_dlg.h"

namespace korva::test {

// Plays the user's part in each chooser that opens; a chooser nobody
// expected, or one the moves leave open, fails the test.
class ScriptedChoosers : public SearchChoosers {
public:
    std::deque<std::function<void(NtrDialog&)>> nutrientMoves;
    std::deque<std::function<void(CtlDialog&)>> categoryMoves;

    void run(NtrDialog& d) override { play(nutrientMoves, d); }
    void run(CtlDialog& d) override { play(categoryMoves, d); }

private:
    template <class Moves, class Dialog>
    static void play(Moves& moves, Dialog& d) {
        if (moves.empty()) throw std::logic_error("unexpected chooser");
        auto move = std::move(moves.front());
        moves.pop_front();
        move(d);
        if (!d.finished()) throw std::logic_error("chooser left open");
    }
};

// Clicks the given rows selected, then ends with OK or Cancel.
inline std::function<void(NtrDialog&)> pickNutrients(std::vector<int> rows, bool ok = true) {
    return [rows, ok](NtrDialog& d) {
        for (int r : rows) d.onRowClicked(r, !d.isSelected(r));
        ok ? d.onOk() : d.onCancel();
    };
}

inline std::function<void(CtlDialog&)> pickCategories(std::vector<int> rows, bool ok = true) {
    return [rows, ok](CtlDialog& d) {
        for (int r : rows) d.onRowClicked(r, !d.isSelected(r));
        ok ? d.onOk() : d.onCancel();
    };
}

} // namespace korva::test
