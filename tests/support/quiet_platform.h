#pragma once

#include "core/platform.h"

namespace korva::test {

// A Platform that answers every question with "nothing" and shows nothing:
// for benchmarks and fuzz targets, where a message is no failure and no one
// is there to answer.
class QuietPlatform : public Platform {
public:
    MsgAnswer messageBox(const std::string&, const std::string&, MsgButtons) override { return MsgAnswer::ok; }
    void beginWaitCursor() override {}
    void endWaitCursor() override {}
    std::optional<std::filesystem::path> chooseOpenFile(const FileDialogRequest&) override { return {}; }
    std::optional<std::filesystem::path> chooseSaveFile(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> textEntry(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    LocalDateTime now() override { return {}; }
    ScreenSize screenSize() override { return {}; }
    void openHelp(int) override {}
};

} // namespace korva::test
