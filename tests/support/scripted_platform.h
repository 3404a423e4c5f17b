#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/platform.h"

namespace korva::test {

// A Platform that answers from queues and records every question.  A
// question nobody scripted fails the test and is answered as a user who
// backs out would (No, Cancel, no file, no text), so the run goes on to
// report everything else instead of dying inside a modal loop.
class ScriptedPlatform : public Platform {
public:
    struct Message {
        std::string text;
        std::string caption;
        MsgButtons buttons;
    };

    // Scripting.  An answer that names the text it expects fails the test
    // when a different question takes it.
    void answer(MsgAnswer a, std::string expectedText = {}) { answers.push_back({a, std::move(expectedText)}); }
    void answerFile(std::optional<std::filesystem::path> p) { files.push_back(std::move(p)); }
    void answerText(std::optional<std::string> t, std::string expectedPrompt = {}) {
        texts.push_back({std::move(t), std::move(expectedPrompt)});
    }
    void answerFont(std::optional<FontChoice> f) { fonts.push_back(std::move(f)); }

    // Platform.
    MsgAnswer messageBox(const std::string& text, const std::string& caption, MsgButtons buttons) override;
    void beginWaitCursor() override;
    void endWaitCursor() override;
    std::optional<std::filesystem::path> chooseOpenFile(const FileDialogRequest& request) override;
    std::optional<std::filesystem::path> chooseSaveFile(const FileDialogRequest& request) override;
    std::optional<std::string> textEntry(const std::string& prompt, const std::string& caption,
                                         const std::string& initial) override;
    LocalDateTime now() override { return clock; }
    ScreenSize screenSize() override { return screen; }
    void openHelp(int context) override { helpContexts.push_back(context); }
    std::optional<FontChoice> chooseFont(const FontDescription& initial, FontUse use) override;
    std::optional<DotsPerInch> printerResolution() override { return printerDpi; }
    DotsPerInch screenResolution() override { return screenDpi; }

    // What happened.
    std::vector<Message> messages;
    std::vector<FileDialogRequest> fileRequests;
    std::vector<std::string> prompts;
    std::vector<int> helpContexts;
    struct FontRequest {
        FontDescription initial;
        FontUse use;
    };
    std::vector<FontRequest> fontRequests;
    int waitDepth = 0;
    int waitCount = 0;

    LocalDateTime clock{1999, 1, 2, 12, 0, 0};
    ScreenSize screen{1280, 1024};
    std::optional<DotsPerInch> printerDpi = DotsPerInch{600, 600};
    DotsPerInch screenDpi{96, 96};

    // Texts of all messages, in order.
    std::vector<std::string> messageTexts() const;
    bool allAnswersUsed() const { return answers.empty() && files.empty() && texts.empty() && fonts.empty(); }
    // Fails the test for every answer still queued.
    void expectAllAnswersUsed() const;

private:
    struct ScriptedAnswer {
        MsgAnswer answer;
        std::string expectedText;
    };
    struct ScriptedText {
        std::optional<std::string> text;
        std::string expectedPrompt;
    };
    std::deque<ScriptedAnswer> answers;
    std::deque<std::optional<std::filesystem::path>> files;
    std::deque<ScriptedText> texts;
    std::deque<std::optional<FontChoice>> fonts;
};

// A test with a scripted platform whose every scripted answer must have been
// asked for by the end of the test.
class ScriptedTest : public ::testing::Test {
protected:
    void TearDown() override { platform.expectAllAnswersUsed(); }
    ScriptedPlatform platform;
};

} // namespace korva::test
