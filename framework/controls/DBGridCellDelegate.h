// Draws the grid's cells as the toolkit does, but marks the current cell of a focused grid
// with the platform's dotted focus rectangle instead of the style's own focus frame.
#pragma once

#include <QStyledItemDelegate>

class DBGridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
