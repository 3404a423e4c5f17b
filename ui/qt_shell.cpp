#include "ui/qt_shell.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QTimer>
#include <QWindow>

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
        qtPlatform_->setPrinter({});
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
        qtPlatform_->setPrinter([window = window_.get()]() -> QPrinter& { return window->printer(); });
    }
    for (const auto& extend : extensions_) extend(*window_);
    return true;
}

void QtShell::prepareWindowSystem() {
    // The first text measured loads the font data base, the longest step of
    // making the main window.
    (void)QFontMetrics(toQFont(app_.preferences().screenFont(), QApplication::font())).height();
}

bool QtShell::openDocument(const DocumentRequest& request) { return opener_ && opener_(request); }

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

namespace {

// Calls `then` once, from the event loop, after the main window is first on
// the screen, or after a short while if the window system never says so.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget* window, std::function<void()> then)
        : QObject(window), window_(window), then_(std::move(then)) {
        qApp->installEventFilter(this);
        QTimer::singleShot(kLatestMs, this, &AfterFirstPaint::fire);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && window_ && watched == window_->windowHandle() &&
            window_->windowHandle()->isExposed())
            // The paint follows this event; the call waits for the next turn.
            QTimer::singleShot(0, this, &AfterFirstPaint::fire);
        return false;
    }

private:
    static constexpr int kLatestMs = 300;

    void fire() {
        if (!then_) return;
        qApp->removeEventFilter(this);
        auto then = std::move(then_);
        then_ = nullptr;
        deleteLater();
        then();
    }

    QPointer<QWidget> window_;
    std::function<void()> then_;
};

} // namespace

void QtShell::showSplash() {
    window_->refresh(); // the title now names the user
    // The picture comes a moment after the main window, so that the window
    // the user works in is on the screen first.
    new AfterFirstPaint(window_.get(), [this] {
        splash_ = new SplashWindow;
        splash_->start();
    });
}

} // namespace korva
