#include "ui/first_show_report.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QWindow>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace korva {

namespace {

class FirstShowWatcher : public QObject {
public:
    explicit FirstShowWatcher(int fd) : QObject(qApp), fd_(fd) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Expose || !isExposedMainWindow(watched)) return false;
        qApp->removeEventFilter(this);
        // Queued, so the report follows the paint the expose event starts.
        QMetaObject::invokeMethod(this, &FirstShowWatcher::report, Qt::QueuedConnection);
        return false;
    }

private:
    static bool isExposedMainWindow(QObject* watched) {
        auto* window = qobject_cast<QWindow*>(watched);
        if (!window || !window->isExposed()) return false;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->windowHandle() == window) return qobject_cast<QMainWindow*>(w) != nullptr;
        return false;
    }

    void report() {
        static const char line[] = "shown\n";
        ssize_t n;
        do n = ::write(fd_, line, sizeof line - 1);
        while (n < 0 && errno == EINTR);
        ::close(fd_);
        deleteLater();
    }

    int fd_;
};

} // namespace

void reportFirstShownMainWindow(const char* fdText) {
    if (!fdText || !*fdText) return;
    char* end = nullptr;
    errno = 0;
    const long fd = std::strtol(fdText, &end, 10);
    if (errno || *end || fd < 0 || fd > 1 << 20 || ::fcntl(static_cast<int>(fd), F_GETFD) < 0) return;
    qApp->installEventFilter(new FirstShowWatcher(static_cast<int>(fd)));
}

} // namespace korva
