#include "tests/support/scripted_platform.h"

namespace korva::test {

MsgAnswer ScriptedPlatform::messageBox(const std::string& text, const std::string& caption, MsgButtons buttons) {
    messages.push_back({text, caption, buttons});
    if (buttons == MsgButtons::ok) {
        // An OK box needs no script, but a queued OK answer is taken if present.
        if (!answers.empty() && answers.front() == MsgAnswer::ok) answers.pop_front();
        return MsgAnswer::ok;
    }
    if (answers.empty()) throw std::logic_error("unscripted question: " + text);
    MsgAnswer a = answers.front();
    answers.pop_front();
    return a;
}

void ScriptedPlatform::beginWaitCursor() {
    ++waitDepth;
    ++waitCount;
}

void ScriptedPlatform::endWaitCursor() {
    if (waitDepth == 0) throw std::logic_error("wait cursor ended more often than begun");
    --waitDepth;
}

std::optional<std::filesystem::path> ScriptedPlatform::chooseOpenFile(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (files.empty()) throw std::logic_error("unscripted open-file chooser: " + request.caption);
    auto f = files.front();
    files.pop_front();
    return f;
}

std::optional<std::filesystem::path> ScriptedPlatform::chooseSaveFile(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (files.empty()) throw std::logic_error("unscripted save-file chooser: " + request.caption);
    auto f = files.front();
    files.pop_front();
    return f;
}

std::optional<std::string> ScriptedPlatform::textEntry(const std::string& prompt, const std::string&,
                                                       const std::string&) {
    prompts.push_back(prompt);
    if (texts.empty()) throw std::logic_error("unscripted text entry: " + prompt);
    auto t = texts.front();
    texts.pop_front();
    return t;
}

std::optional<FontChoice> ScriptedPlatform::chooseFont(const FontDescription& initial, FontUse use) {
    fontRequests.push_back({initial, use});
    if (fonts.empty()) throw std::logic_error("unscripted font chooser");
    auto f = fonts.front();
    fonts.pop_front();
    return f;
}

std::vector<std::string> ScriptedPlatform::messageTexts() const {
    std::vector<std::string> out;
    for (const auto& m : messages) out.push_back(m.text);
    return out;
}

} // namespace korva::test
