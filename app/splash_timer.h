#pragma once

#include <cstdint>

namespace korva {

// When the start-up picture goes away: after 5000 ms, or at the first key
// or mouse press.  A press elsewhere closes it at once; a press on the
// picture itself lets its time run out, so the next idle moment closes it.
// The press itself is passed on either way.
class SplashTimer {
public:
    static constexpr std::int64_t kShowMillis = 5000;

    enum class PressAction { closeNow, expire };

    void start(std::int64_t nowMillis) {
        shownAt_ = nowMillis;
        expired_ = false;
    }
    PressAction onPress(bool aimedAtSplash) {
        if (aimedAtSplash) {
            expired_ = true;
            return PressAction::expire;
        }
        return PressAction::closeNow;
    }
    // Asked at idle moments: whether the picture should go now.
    bool due(std::int64_t nowMillis) const { return expired_ || nowMillis - shownAt_ >= kShowMillis; }

private:
    std::int64_t shownAt_ = 0;
    bool expired_ = false;
};

} // namespace korva
