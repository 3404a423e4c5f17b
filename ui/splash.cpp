#include "ui/splash.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "ui/artwork.h"

namespace korva {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("splashWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Closing the main window ends the program even while the picture shows.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(splashPictureSize());
}

SplashWindow::~SplashWindow() { qApp->removeEventFilter(this); }

void SplashWindow::start() {
    if (QScreen* s = QGuiApplication::primaryScreen()) move(s->availableGeometry().center() - rect().center());
    qApp->installEventFilter(this);
    clock_.start();
    timer_.start(0);
    show();
    QTimer::singleShot(int(SplashTimer::kShowMillis), Qt::PreciseTimer, this, &SplashWindow::closeIfDue);
}

void SplashWindow::closeIfDue() {
    const qint64 elapsed = clock_.elapsed();
    if (timer_.due(elapsed)) {
        close();
        return;
    }
    // Timers may fire a little early; look again when the time is really up.
    const qint64 left = SplashTimer::kShowMillis - elapsed;
    QTimer::singleShot(int(left > 1 ? left : 1), Qt::PreciseTimer, this, &SplashWindow::closeIfDue);
}

bool SplashWindow::isPartOfMe(QObject* o) const {
    for (; o; o = o->parent())
        if (o == this) return true;
    return false;
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        // Key presses go to the focus widget, never to the picture.
        if (!watched->isWidgetType()) break;
        if (timer_.onPress(isPartOfMe(watched)) == SplashTimer::PressAction::closeNow)
            close();
        else
            QTimer::singleShot(0, this, &SplashWindow::closeIfDue);
        break;
    default: break;
    }
    return false;
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawSplashPicture(p);
}

} // namespace korva
