#pragma once

#include <array>
#include <optional>

#include "core/new_user_targets.h"
#include "core/nutrient_record.h"

namespace korva {

// "CREATE  NEW  USER": the questionnaire whose answers give a new user's
// starting targets.
class QuestDialog {
public:
    static constexpr const char* kCaption = "CREATE  NEW  USER";
    static constexpr const char* kSettingsFrame = "Customi&zed Settings";
    static constexpr const char* kHeightGroup = "&HEIGHT";
    static constexpr const char* kAgeGroup = "&AGE";
    static constexpr const char* kSexGroup = "SE&X";
    static constexpr const char* kFrameGroup = "&FRAME";
    static constexpr const char* kTypeGroup = "NE&W  USER  Type";
    static constexpr const char* kAccept = "Acce&pt";
    static constexpr const char* kCancel = "&Cancel";
    static constexpr std::array<const char*, 3> kHeightLabels = {"< 5' 4\"", "5' 4\" - 5' 9\"", "> 5' 9\""};
    static constexpr std::array<const char*, 3> kAgeLabels = {"15 - 2&0", "&20 - 50", "> 5&1"};
    static constexpr std::array<const char*, 2> kSexLabels = {"&Male", "F&emale"};
    static constexpr std::array<const char*, 3> kFrameLabels = {"&Small", "Me&dium", "&Large"};
    static constexpr std::array<const char*, 3> kTypeLabels = {"Food Label &Values (ignore settings)",
                                                               "20% Cal. Fa&t (Custom ODA from settings)",
                                                               "30% C&al. Fat (Custom RDA from settings)"};

    explicit QuestDialog(const NutrientRecord& defaultProfile) : defaultProfile_(defaultProfile) {}

    const NewUserAnswers& answers() const { return answers_; }

    void onHeight(int choice) { answers_.height = choice; }
    void onAge(int choice) { answers_.age = choice; }
    void onSex(int choice) { answers_.sex = choice; }
    void onFrame(int choice) { answers_.frame = choice; }
    void onType(int choice) { answers_.type = choice; }
    void onAccept();
    void onCancel();

    bool finished() const { return finished_; }
    // The new user's targets after Accept; nothing after Cancel.
    const std::optional<NutrientRecord>& result() const { return result_; }

private:
    NutrientRecord defaultProfile_;
    NewUserAnswers answers_;
    bool finished_ = false;
    std::optional<NutrientRecord> result_;
};

} // namespace korva
