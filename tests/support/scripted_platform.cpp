#include "tests/support/scripted_platform.h"

namespace korva::test {

namespace {
// The next scripted answer; an unscripted question fails the test and is
// answered as a user who backs out would.
template <class T>
T takeFront(std::deque<T>& queue, const std::string& question) {
    if (queue.empty()) {
        ADD_FAILURE() << "unscripted " << question;
        return T{};
    }
    T answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}
} // namespace

MsgAnswer ScriptedPlatform::messageBox(const std::string& text, const std::string& caption, MsgButtons buttons) {
    messages.push_back({text, caption, buttons});
    if (buttons == MsgButtons::ok) {
        // An OK box needs no script, but a queued OK answer is taken if present.
        if (!answers.empty() && answers.front().answer == MsgAnswer::ok) answers.pop_front();
        return MsgAnswer::ok;
    }
    const MsgAnswer backOut = buttons == MsgButtons::yesNo ? MsgAnswer::no : MsgAnswer::cancel;
    if (answers.empty()) {
        ADD_FAILURE() << "unscripted question: \"" << text << "\"";
        return backOut;
    }
    const ScriptedAnswer a = answers.front();
    answers.pop_front();
    if (!a.expectedText.empty() && a.expectedText != text)
        ADD_FAILURE() << "the answer meant for \"" << a.expectedText << "\" was asked by \"" << text << "\"";
    return a.answer;
}

void ScriptedPlatform::beginWaitCursor() {
    ++waitDepth;
    ++waitCount;
}

void ScriptedPlatform::endWaitCursor() {
    if (waitDepth == 0) {
        ADD_FAILURE() << "wait cursor ended more often than begun";
        return;
    }
    --waitDepth;
}

std::optional<std::filesystem::path> ScriptedPlatform::chooseOpenFile(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    return takeFront(files, "open-file chooser: " + request.caption);
}

std::optional<std::filesystem::path> ScriptedPlatform::chooseSaveFile(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    return takeFront(files, "save-file chooser: " + request.caption);
}

std::optional<std::string> ScriptedPlatform::textEntry(const std::string& prompt, const std::string&,
                                                       const std::string&) {
    prompts.push_back(prompt);
    if (texts.empty()) {
        ADD_FAILURE() << "unscripted text entry: " << prompt;
        return std::nullopt;
    }
    const ScriptedText t = texts.front();
    texts.pop_front();
    if (!t.expectedPrompt.empty() && t.expectedPrompt != prompt)
        ADD_FAILURE() << "the text meant for \"" << t.expectedPrompt << "\" was asked by \"" << prompt << "\"";
    return t.text;
}

std::optional<FontChoice> ScriptedPlatform::chooseFont(const FontDescription& initial, FontUse use) {
    fontRequests.push_back({initial, use});
    return takeFront(fonts, "font chooser");
}

std::vector<std::string> ScriptedPlatform::messageTexts() const {
    std::vector<std::string> out;
    for (const auto& m : messages) out.push_back(m.text);
    return out;
}

void ScriptedPlatform::expectAllAnswersUsed() const {
    for (const auto& a : answers)
        ADD_FAILURE() << "an answer was never asked for" << (a.expectedText.empty() ? "" : ": ") << a.expectedText;
    for (const auto& t : texts)
        ADD_FAILURE() << "a text answer was never asked for" << (t.expectedPrompt.empty() ? "" : ": ")
                      << t.expectedPrompt;
    if (!files.empty()) ADD_FAILURE() << files.size() << " file answer(s) never asked for";
    if (!fonts.empty()) ADD_FAILURE() << fonts.size() << " font answer(s) never asked for";
}

} // namespace korva::test
