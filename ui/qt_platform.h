#pragma once

#include <QPointer>

#include <filesystem>
#include <functional>
#include <memory>

#include "core/platform.h"

class QObject;
class QPrinter;
class QWidget;

namespace korva {

class HelpWindow;

// The Platform of the running program: Qt message boxes, file choosers and
// the wait cursor.  Texts cross the boundary as Latin-1, file names in the
// file system's own encoding.
class QtPlatform : public Platform {
public:
    // F1 opens help from here on (HelpKey).
    explicit QtPlatform(QWidget* parent = nullptr);
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;
    void setParentWidget(QWidget* parent) { parent_ = parent; }

    MsgAnswer messageBox(const std::string& text, const std::string& caption, MsgButtons buttons) override;
    void beginWaitCursor() override;
    void endWaitCursor() override;
    std::optional<std::filesystem::path> chooseOpenFile(const FileDialogRequest& request) override;
    std::optional<std::filesystem::path> chooseSaveFile(const FileDialogRequest& request) override;
    std::optional<std::string> textEntry(const std::string& prompt, const std::string& caption,
                                         const std::string& initial) override;
    LocalDateTime now() override;
    ScreenSize screenSize() override;
    void openHelp(int context) override;
    std::optional<FontChoice> chooseFont(const FontDescription& initial, FontUse use) override;
    std::optional<DotsPerInch> printerResolution() override;
    DotsPerInch screenResolution() override;

    // The printer the program prints on (kept by the main window, which
    // makes it when first asked).
    using PrinterSource = std::function<QPrinter&()>;
    void setPrinter(PrinterSource printer) { printer_ = std::move(printer); }

    // The folder of the help pages; by default the one beside the program or
    // of its installation.
    void setHelpFolder(std::filesystem::path folder) { helpFolder_ = std::move(folder); }
    // The help window, once help has been shown.
    HelpWindow* helpWindow() const;

private:
    QWidget* parent_;
    PrinterSource printer_;
    std::filesystem::path helpFolder_;
    QPointer<HelpWindow> helpWindow_;
    std::unique_ptr<QObject> helpKey_;
};

} // namespace korva
