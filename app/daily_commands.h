#pragma once

namespace korva {

class FoodDataBase;
class Platform;

// The Daily menu's entry rules: no log is kept for the user named
// "default", whose targets are the food-label fallback of every user.
// Each answers whether its dialog may open; a refusal has shown its message.
class DailyCommands {
public:
    DailyCommands(const FoodDataBase& db, Platform& platform) : db_(db), platform_(platform) {}

    bool mayEnter() const { return allowed(kCannotLogDefault); }
    bool mayEdit() const { return allowed(kCannotLogDefault); }
    bool mayView() const { return allowed(kCantLogDefault); }

    static constexpr const char* kCannotLogDefault = "... cannot perform log operations for default user ...";
    static constexpr const char* kCantLogDefault = "... can't perform log operations for default user ...";

private:
    bool allowed(const char* refusal) const;

    const FoodDataBase& db_;
    Platform& platform_;
};

} // namespace korva
