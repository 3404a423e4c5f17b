#include "tests/ui/window_fit_check.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace korva::test {
namespace {

std::string name(const QWidget& w) {
    return (w.objectName().isEmpty() ? QString::fromLatin1(w.metaObject()->className()) : w.objectName()).toStdString();
}

bool isPlainText(const QLabel& l) {
    return l.textFormat() == Qt::PlainText || (l.textFormat() == Qt::AutoText && !Qt::mightBeRichText(l.text()));
}

// The label's widest line, as the label shows it.
int textWidth(const QLabel& l) {
    QString text = l.text();
    if (l.buddy()) text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, l.fontMetrics().horizontalAdvance(line));
    return widest;
}

void checkWindow(const QWidget& window) {
    if (const QScreen* s = window.screen()) {
        const QSize room = s->availableGeometry().size();
        const QSize size = window.frameGeometry().size();
        EXPECT_TRUE(size.width() <= room.width() && size.height() <= room.height())
            << name(window) << " is " << size.width() << "x" << size.height() << " on a screen of " << room.width()
            << "x" << room.height();
    }
    const qreal dpr = window.devicePixelRatioF();
    for (const QLabel* l : window.findChildren<QLabel*>()) {
        if (!l->isVisibleTo(&window)) continue;
        // A message's icon is the style's own.
        if (!l->pixmap().isNull() && !qobject_cast<const QMessageBox*>(&window)) {
            EXPECT_GE(l->pixmap().devicePixelRatio(), dpr) << name(window) << "/" << name(*l) << " scales a picture up";
        }
        if (l->wordWrap() || l->text().isEmpty() || !isPlainText(*l)) continue;
        const int room = l->contentsRect().width() - 2 * l->margin();
        EXPECT_LE(textWidth(*l), room) << name(window) << "/" << name(*l) << " clips \"" << l->text().toStdString()
                                       << "\"";
    }
    for (const QAbstractButton* b : window.findChildren<QAbstractButton*>()) {
        if (b->isVisibleTo(&window) && !b->text().isEmpty()) {
            EXPECT_GE(b->width(), b->minimumSizeHint().width())
                << name(window) << "/" << name(*b) << " clips \"" << b->text().toStdString() << "\"";
        }
    }
    for (const QMdiArea* area : window.findChildren<QMdiArea*>()) {
        const QBrush brush = area->background();
        if (brush.style() == Qt::TexturePattern) {
            EXPECT_GE(brush.texture().devicePixelRatio(), dpr) << name(window) << " scales its background up";
        }
    }
}

class WindowFitCheck : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* w = static_cast<QWidget*>(watched);
            if (w->isWindow() && (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog)) checkWindow(*w);
        }
        return false;
    }
};

} // namespace

void installWindowFitCheck() { qApp->installEventFilter(new WindowFitCheck(qApp)); }

} // namespace korva::test
