#pragma once

#include <QStyledItemDelegate>

#include <vector>

namespace korva {

// Draws list rows whose columns are separated by tabs at fixed stops,
// given in average character widths of the list's font, as the item lists
// of the food list windows lay out name, measure and amount.
class TabStopDelegate : public QStyledItemDelegate {
public:
    TabStopDelegate(std::vector<int> stops, QObject* parent = nullptr)
        : QStyledItemDelegate(parent), stops_(std::move(stops)) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int nextStop(int left, int x, int unit) const;

    std::vector<int> stops_;
};

} // namespace korva
