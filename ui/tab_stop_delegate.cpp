#include "ui/tab_stop_delegate.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QPainter>

namespace korva {

std::vector<int> TabStopDelegate::columnStarts(const QAbstractItemModel& model, const QFontMetrics& metrics) const {
    const int unit = metrics.averageCharWidth();
    const int gap = 2 * unit;
    // widths[c]: the widest text of column c.
    std::vector<int> widths;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QStringList columns =
            model.data(model.index(row, 0), Qt::DisplayRole).toString().split(QLatin1Char('\t'));
        if (widths.size() < static_cast<std::size_t>(columns.size()))
            widths.resize(static_cast<std::size_t>(columns.size()));
        for (int c = 0; c < columns.size(); ++c)
            widths[static_cast<std::size_t>(c)] =
                std::max(widths[static_cast<std::size_t>(c)], metrics.horizontalAdvance(columns[c]));
    }
    std::vector<int> starts{0};
    for (std::size_t c = 1; c < widths.size(); ++c) {
        const int stop = c - 1 < stops_.size() ? stops_[c - 1] * unit : 0;
        starts.push_back(std::max(stop, starts.back() + widths[c - 1] + (widths[c - 1] ? gap : 0)));
    }
    starts.push_back(starts.back() + (widths.empty() ? 0 : widths.back()));
    return starts;
}

const std::vector<int>& TabStopDelegate::cachedStarts(const QAbstractItemModel& model,
                                                      const QFontMetrics& metrics) const {
    if (watched_ != &model) {
        watched_ = &model;
        auto markStale = [this] { stale_ = true; };
        connect(&model, &QAbstractItemModel::dataChanged, this, markStale);
        connect(&model, &QAbstractItemModel::rowsInserted, this, markStale);
        connect(&model, &QAbstractItemModel::rowsRemoved, this, markStale);
        connect(&model, &QAbstractItemModel::modelReset, this, markStale);
        connect(&model, &QAbstractItemModel::layoutChanged, this, markStale);
        stale_ = true;
    }
    if (stale_) {
        starts_ = columnStarts(model, metrics);
        stale_ = false;
    }
    return starts_;
}

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    const std::vector<int>& starts = cachedStarts(*index.model(), opt.fontMetrics);
    const QStringList columns = text.split(QLatin1Char('\t'));
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
    painter->save();
    painter->setPen(opt.palette.color(QPalette::Normal, (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText
                                                                                             : QPalette::Text));
    for (int i = 0; i < columns.size() && static_cast<std::size_t>(i) + 1 < starts.size(); ++i) {
        const int x = area.left() + starts[static_cast<std::size_t>(i)];
        QRect cell(x, area.top(), std::max(0, area.right() - x), area.height());
        painter->drawText(cell, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextDontClip, columns[i]);
    }
    painter->restore();
}

QSize TabStopDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const int unit = option.fontMetrics.averageCharWidth();
    // The widest row and the room a style leaves around its text.
    const int widest = cachedStarts(*index.model(), option.fontMetrics).back() + 4 * unit;
    size.setWidth(std::max(size.width(), widest));
    return size;
}

} // namespace korva
