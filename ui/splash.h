#pragma once

#include <QElapsedTimer>
#include <QWidget>

#include "app/splash_timer.h"

namespace korva {

// The borderless start-up picture, centred on the screen.  It goes after
// 5000 ms or at the first key or mouse press anywhere in the program; the
// press still reaches its target.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);
    ~SplashWindow() override;

    void start();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void closeIfDue();
    bool isPartOfMe(QObject* o) const;

    SplashTimer timer_;
    QElapsedTimer clock_;
};

} // namespace korva
