#include "ui/tab_stop_delegate.h"

#include <QApplication>
#include <QPainter>

namespace korva {

int TabStopDelegate::nextStop(int left, int x, int unit) const {
    // Like a tab on paper: the first stop right of the pen, else one more
    // character on.
    for (int stop : stops_)
        if (left + stop * unit > x) return left + stop * unit;
    return x + unit;
}

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    const int unit = opt.fontMetrics.averageCharWidth();
    const QStringList columns = text.split(QLatin1Char('\t'));
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
    painter->save();
    painter->setPen(opt.palette.color(QPalette::Normal, (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText
                                                                                             : QPalette::Text));
    int x = area.left();
    for (int i = 0; i < columns.size(); ++i) {
        if (i > 0) x = nextStop(area.left(), x, unit);
        QRect cell(x, area.top(), std::max(0, area.right() - x), area.height());
        painter->drawText(cell, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextDontClip, columns[i]);
        x += opt.fontMetrics.horizontalAdvance(columns[i]);
    }
    painter->restore();
}

QSize TabStopDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const int unit = option.fontMetrics.averageCharWidth();
    const int widest = stops_.empty() ? 0 : stops_.back() * unit + 16 * unit;
    size.setWidth(std::max(size.width(), widest));
    return size;
}

} // namespace korva
