#include "ui/qt_shell.h"

#include <QApplication>

#include <cstdio>

#include "ui/dialog_look.h"
#include "ui/font_conversion.h"
#include "ui/main_window.h"
#include "ui/qt_platform.h"
#include "ui/splash.h"

namespace korva {

QtShell::QtShell(KorvaApp& app, Platform& platform, QtPlatform* qtPlatform)
    : app_(app), platform_(platform), qtPlatform_(qtPlatform) {}

QtShell::~QtShell() {
    if (splash_) delete splash_.data();
    if (qtPlatform_) {
        qtPlatform_->setParentWidget(nullptr);
        qtPlatform_->setPrinter(nullptr);
    }
}

bool QtShell::createMainWindow() {
    const DisplayPreferences& prefs = app_.preferences();
    // The screen font and the factors are read once, before any window
    // exists, so every window and dialog is made with them.
    QApplication::setFont(toQFont(prefs.screenFont(), QApplication::font()));
    window_ = std::make_unique<MainWindow>(app_, platform_);
    qApp->installEventFilter(new DialogLook(prefs.factors(), window_.get()));
    if (qtPlatform_) {
        qtPlatform_->setParentWidget(window_.get());
        qtPlatform_->setPrinter(&window_->printer());
    }
    for (const auto& extend : extensions_) extend(*window_);
    return true;
}

bool QtShell::openDocument(const DocumentRequest& request) {
    return opener_ && opener_(request);
}

void QtShell::showMainWindow() {
    window_->show();
    window_->refresh();
}

void QtShell::bringToFront() {
    if (!window_) return;
    if (window_->isMinimized()) window_->showNormal();
    window_->raise();
    window_->activateWindow();
}

void QtShell::showSplash() {
    window_->refresh(); // the title now names the user
    splash_ = new SplashWindow;
    splash_->start();
}

} // namespace korva
