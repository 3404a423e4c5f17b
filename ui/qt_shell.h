#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QPointer>

#include "app/korva_app.h"
#include "ui/splash.h"

namespace korva {

class MainWindow;
class QtPlatform;

// Start-up's window steps done with Qt: the main window in the screen font,
// the document named at start, the splash picture.
class QtShell : public AppShell {
public:
    // `qtPlatform`, when the program runs on one, gets the main window as
    // the parent of its dialogs and the printer of Print Setup.
    QtShell(KorvaApp& app, Platform& platform, QtPlatform* qtPlatform = nullptr);
    ~QtShell() override;

    bool createMainWindow() override;
    bool openDocument(const DocumentRequest& request) override;
    void showMainWindow() override;
    void showSplash() override;
    void prepareWindowSystem() override;

    // Documents come with their own windows; without them nothing opens.
    using DocumentOpener = std::function<bool(const DocumentRequest&)>;
    void setDocumentOpener(DocumentOpener opener) { opener_ = std::move(opener); }

    // Features that add their commands to the main window as soon as it
    // exists, before any document is opened.
    using WindowExtension = std::function<void(MainWindow&)>;
    void addWindowExtension(WindowExtension extension) { extensions_.push_back(std::move(extension)); }

    // A later start handed files over: the window the user looks at.
    void bringToFront();

    MainWindow* mainWindow() const { return window_.get(); }
    SplashWindow* splash() const { return splash_; }

private:
    KorvaApp& app_;
    Platform& platform_;
    QtPlatform* qtPlatform_;
    std::unique_ptr<MainWindow> window_;
    QPointer<SplashWindow> splash_;
    DocumentOpener opener_;
    std::vector<WindowExtension> extensions_;
};

} // namespace korva
