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
        // The window paints and flushes while it handles the expose event;
        // it handles it here, so the report follows the first paint at once.
        auto* window = static_cast<QWindow*>(watched);
        static_cast<QObject*>(window)->event(event);
        report(window->size());
        return true;
    }

private:
    static bool isExposedMainWindow(QObject* watched) {
        auto* window = qobject_cast<QWindow*>(watched);
        if (!window || !window->isExposed()) return false;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->windowHandle() == window) return qobject_cast<QMainWindow*>(w) != nullptr;
        return false;
    }

    void report(QSize size) {
        const QByteArray line =
            "shown " + QByteArray::number(size.width()) + 'x' + QByteArray::number(size.height()) + '\n';
        ssize_t n;
        do n = ::write(fd_, line.constData(), static_cast<std::size_t>(line.size()));
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
