#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/font_description.h"

namespace korva {

// The caption of the program's own messages.
inline constexpr const char* kAppTitle = "KORVA";

enum class MsgButtons { ok, yesNo, yesNoCancel };
enum class MsgAnswer { ok, yes, no, cancel };

struct LocalDateTime {
    int year = 2000; // four digits
    int month = 1;   // 1..12
    int day = 1;     // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
};

struct ScreenSize {
    int width = 1280;
    int height = 1024;
};

// What a file chooser is asked for.  `filter` is a list of descriptions and
// patterns such as "FoodLists (*.fls)"; `defaultExtension` without the dot.
struct FileDialogRequest {
    std::string caption;
    std::string filter;
    std::string defaultExtension;
    std::filesystem::path startFolder;
    std::string initialName;
};

// The few desktop services the program asks for.  The Qt face implements it
// with real dialogs; tests script the answers.
class Platform {
public:
    virtual ~Platform() = default;

    virtual MsgAnswer messageBox(const std::string& text, const std::string& caption,
                                 MsgButtons buttons = MsgButtons::ok) = 0;
    virtual void beginWaitCursor() = 0;
    virtual void endWaitCursor() = 0;
    virtual std::optional<std::filesystem::path> chooseOpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::filesystem::path> chooseSaveFile(const FileDialogRequest& request) = 0;
    // One line of text; no value when the user cancels.
    virtual std::optional<std::string> textEntry(const std::string& prompt, const std::string& caption,
                                                 const std::string& initial = {}) = 0;
    virtual LocalDateTime now() = 0;
    virtual ScreenSize screenSize() = 0;
    virtual void openHelp(int context) = 0;

    // The font chooser, opened on `initial`; no value when the user cancels.
    // Platforms without one answer as if cancelled.
    virtual std::optional<FontChoice> chooseFont(const FontDescription& initial, FontUse use) {
        (void)initial;
        (void)use;
        return std::nullopt;
    }
    // Resolution of the printer the program prints on; none when no printer
    // can be had.
    virtual std::optional<DotsPerInch> printerResolution() { return std::nullopt; }
    virtual DotsPerInch screenResolution() { return {}; }

    // A message with the program's title and an OK button.
    void message(const std::string& text) { messageBox(text, kAppTitle, MsgButtons::ok); }
};

// Shows the wait cursor for the lifetime of the object.
class WaitCursor {
public:
    explicit WaitCursor(Platform& p) : platform_(p) { platform_.beginWaitCursor(); }
    ~WaitCursor() { platform_.endWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    Platform& platform_;
};

} // namespace korva
