#include "ui/chart_painter.h"

#include <QPainter>

#include <algorithm>

#include "ui/qt_text.h"

namespace korva {

namespace {
QColor colour(const ChartColour& c) { return QColor(c.r, c.g, c.b); }
} // namespace

void QtChartCanvas::paintShape(const ChartShape& shape) {
    painter_.save();
    if (const auto* b = std::get_if<ChartBox>(&shape)) {
        const QRect r(QPoint(b->left, b->top), QPoint(b->right - 1, b->bottom - 1));
        painter_.fillRect(r, colour(b->fill));
        if (b->dottedOutline) {
            painter_.setPen(QPen(colour(b->outline), 0, Qt::DotLine));
            painter_.setBrush(Qt::NoBrush);
            painter_.drawRect(r);
        }
    } else if (const auto* l = std::get_if<ChartLine>(&shape)) {
        painter_.setPen(QPen(colour(l->colour), 0, l->pen == ChartPen::dotted ? Qt::DotLine : Qt::SolidLine));
        painter_.drawLine(l->x1, l->y1, l->x2, l->y2);
    } else if (const auto* t = std::get_if<ChartText>(&shape)) {
        const QString text = toQt(t->text);
        // A text wider than its room is drawn in a font small enough to fit.
        for (int tries = 0; tries < 8 && t->maxWidth > 0; ++tries) {
            const int wide = painter_.fontMetrics().horizontalAdvance(text);
            if (wide <= t->maxWidth) break;
            QFont f = painter_.font();
            const double scale = 0.95 * t->maxWidth / wide;
            if (f.pixelSize() > 0)
                f.setPixelSize(std::max(1, static_cast<int>(f.pixelSize() * scale)));
            else
                f.setPointSizeF(std::max(1.0, f.pointSizeF() * scale));
            painter_.setFont(f);
        }
        const QFontMetrics m = painter_.fontMetrics();
        const int top = t->anchor == ChartText::Anchor::middle ? t->y - m.height() / 2 : t->y;
        painter_.setPen(Qt::black);
        painter_.drawText(t->x, top + m.ascent(), text);
    }
    painter_.restore();
}

NutrientChartWidget::NutrientChartWidget(Layout layout, QWidget* parent) : QWidget(parent), layout_(std::move(layout)) {
    setObjectName("nutrientChart");
    setMinimumSize(370, 320);
}

void NutrientChartWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QtChartCanvas canvas(painter);
    paintChart(canvas, layout_(width(), height()));
}

} // namespace korva
