#include "framework/controls/DBGridCellDelegate.h"

#include "framework/graphics/TCanvas.h"

#include <QPainter>

void DBGridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyleOptionViewItem plain = option;
    plain.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, plain, index);
    if (!option.state.testFlag(QStyle::State_HasFocus))
        return;
    const QRect cell = option.rect;
    TCanvas canvas(painter);
    canvas.DrawFocusRect(Bounds(cell.x(), cell.y(), cell.width(), cell.height()));
}
