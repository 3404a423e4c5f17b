#include "ui/artwork.h"

#include <QFont>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace korva {

namespace {

const QColor kLeaf(0x3f, 0x8f, 0x3a);
const QColor kLeafDark(0x25, 0x5e, 0x22);
const QColor kPlate(0xf7, 0xf3, 0xe8);
const QColor kRim(0xc9, 0xb8, 0x8f);
const QColor kApple(0xc8, 0x3a, 0x2a);

// A plate with an apple and a leaf, the program's mark, in a square of `side`.
void drawMark(QPainter& p, const QRectF& box) {
    const qreal s = box.width();
    p.save();
    p.translate(box.topLeft());
    p.setRenderHint(QPainter::Antialiasing);

    QRadialGradient plate(QPointF(s * 0.45, s * 0.45), s * 0.5);
    plate.setColorAt(0.0, Qt::white);
    plate.setColorAt(1.0, kPlate);
    p.setPen(QPen(kRim, s * 0.03));
    p.setBrush(plate);
    p.drawEllipse(QRectF(s * 0.05, s * 0.05, s * 0.9, s * 0.9));
    p.setPen(QPen(kRim.lighter(115), s * 0.015));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(s * 0.18, s * 0.18, s * 0.64, s * 0.64));

    QRadialGradient apple(QPointF(s * 0.44, s * 0.5), s * 0.25);
    apple.setColorAt(0.0, kApple.lighter(140));
    apple.setColorAt(1.0, kApple);
    p.setPen(Qt::NoPen);
    p.setBrush(apple);
    QPainterPath body;
    body.moveTo(s * 0.5, s * 0.36);
    body.cubicTo(s * 0.64, s * 0.28, s * 0.76, s * 0.42, s * 0.7, s * 0.58);
    body.cubicTo(s * 0.66, s * 0.7, s * 0.56, s * 0.76, s * 0.5, s * 0.71);
    body.cubicTo(s * 0.44, s * 0.76, s * 0.34, s * 0.7, s * 0.3, s * 0.58);
    body.cubicTo(s * 0.24, s * 0.42, s * 0.36, s * 0.28, s * 0.5, s * 0.36);
    p.drawPath(body);

    p.setPen(QPen(kLeafDark, s * 0.025, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * 0.5, s * 0.37), QPointF(s * 0.52, s * 0.26));
    QPainterPath leaf;
    leaf.moveTo(s * 0.52, s * 0.3);
    leaf.cubicTo(s * 0.58, s * 0.2, s * 0.7, s * 0.2, s * 0.74, s * 0.23);
    leaf.cubicTo(s * 0.68, s * 0.32, s * 0.58, s * 0.33, s * 0.52, s * 0.3);
    p.setPen(Qt::NoPen);
    p.setBrush(kLeaf);
    p.drawPath(leaf);
    p.restore();
}

} // namespace

QSize splashPictureSize() { return {480, 300}; }

void drawSplashPicture(QPainter& p) {
    const QRect all(QPoint(0, 0), splashPictureSize());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient bg(0, 0, 0, all.height());
    bg.setColorAt(0.0, QColor(0xfb, 0xf8, 0xef));
    bg.setColorAt(1.0, QColor(0xe4, 0xee, 0xd8));
    p.fillRect(all, bg);
    p.setPen(QPen(kLeafDark, 3));
    p.drawRect(all.adjusted(1, 1, -2, -2));

    drawMark(p, QRectF(28, 60, 180, 180));

    QFont title(QStringLiteral("Sans Serif"));
    title.setStyleHint(QFont::SansSerif);
    title.setPixelSize(52);
    title.setBold(true);
    p.setFont(title);
    p.setPen(kLeafDark);
    p.drawText(QRectF(220, 80, 250, 70), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Korvana"));

    QFont sub(title);
    sub.setPixelSize(18);
    sub.setBold(false);
    p.setFont(sub);
    p.setPen(QColor(0x55, 0x55, 0x55));
    p.drawText(QRectF(222, 150, 250, 28), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("your daily diet planner"));
    p.drawText(QRectF(222, 180, 250, 28), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Version 2.0"));
    p.restore();
}

namespace {

// Draws the mark at the size asked for, when it is asked for: most sizes
// are never needed.
class MarkIconEngine : public QIconEngine {
public:
    void paint(QPainter* p, const QRect& rect, QIcon::Mode, QIcon::State) override {
        const int side = qMin(rect.width(), rect.height());
        drawMark(*p, QRectF(rect.x(), rect.y(), side, side));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pix(size);
        pix.fill(Qt::transparent);
        QPainter p(&pix);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pix;
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}};
    }
    QIconEngine* clone() const override { return new MarkIconEngine; }
};

} // namespace

QIcon programIcon() { return QIcon(new MarkIconEngine); }

QPixmap backgroundTile(qreal devicePixelRatio) {
    QPixmap tile(QSize(96, 96) * devicePixelRatio);
    tile.setDevicePixelRatio(devicePixelRatio);
    tile.fill(QColor(0xd9, 0xe2, 0xd0));
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(0.18);
    drawMark(p, QRectF(12, 12, 40, 40));
    p.setOpacity(0.10);
    drawMark(p, QRectF(60, 60, 28, 28));
    return tile;
}

} // namespace korva
