#pragma once

#include <QStyledItemDelegate>

#include <vector>

class QAbstractItemModel;
class QFontMetrics;

namespace korva {

// Draws list rows whose columns are separated by tabs.  Each column starts
// at its stop (in average character widths of the list's font) or, when a
// text of the column before is wider than that leaves room for, a gap after
// the widest such text as the font measures it: the columns of every row
// stay lined up whatever the length of a name or a value.
class TabStopDelegate : public QStyledItemDelegate {
public:
    TabStopDelegate(std::vector<int> stops, QObject* parent = nullptr)
        : QStyledItemDelegate(parent), stops_(std::move(stops)) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The x of each column's start from the row's left, in pixels, over all
    // rows of `model`; the last entry is where the widest row ends.
    std::vector<int> columnStarts(const QAbstractItemModel& model, const QFontMetrics& metrics) const;

private:
    const std::vector<int>& cachedStarts(const QAbstractItemModel& model, const QFontMetrics& metrics) const;

    std::vector<int> stops_;
    // Measured again after any change of the rows.
    mutable const QAbstractItemModel* watched_ = nullptr;
    mutable bool stale_ = true;
    mutable std::vector<int> starts_;
};

} // namespace korva
