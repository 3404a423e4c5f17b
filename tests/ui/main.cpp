#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QScreen>
#include <QTemporaryFile>
#include <clocale>
#include <gtest/gtest.h>

// Every window a test shows must fit the screen, show each label's text
// whole and draw the tile behind the documents at the screen's pixels.
class WindowCheck : public QObject {
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* w = qobject_cast<QWidget*>(o);
        if (e->type() != QEvent::Show || !w || (w->windowType() != Qt::Window && w->windowType() != Qt::Dialog))
            return false;
        const std::string name = w->objectName().toStdString();
        const QSize size = w->frameGeometry().size();
        const QSize room = w->screen()->availableGeometry().size();
        EXPECT_TRUE(size.width() <= room.width() && size.height() <= room.height())
            << name << " is " << size.width() << "x" << size.height() << ", taller or wider than the screen";
        const qreal dpr = w->devicePixelRatioF();
        for (const QLabel* l : w->findChildren<QLabel*>()) {
            if (!l->isVisibleTo(w)) continue;
            if (l->wordWrap() || Qt::mightBeRichText(l->text())) continue;
            const int flags = l->buddy() ? Qt::TextShowMnemonic : 0;
            EXPECT_LE(l->fontMetrics().size(flags, l->text()).width(), l->contentsRect().width())
                << name << " clips " << l->text().toStdString();
        }
        for (const QMdiArea* a : w->findChildren<QMdiArea*>())
            EXPECT_GE(a->background().texture().devicePixelRatio(), dpr) << name << "'s background";
        return false;
    }
};

// Widget tests run offscreen on a 2560 x 1600 screen (QT_SCALE_FACTOR scales
// it), in a fixed locale, with one QApplication.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryFile screens;
    if (screens.open()) {
        screens.write(R"({"windowFrameMargins": false, "screens": [{"name": "wide", "x": 0, "y": 0,)"
                      R"( "width": 2560, "height": 1600, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        screens.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    }
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C"); // as the program does after Qt starts
    WindowCheck check;
    app.installEventFilter(&check);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
