#include "framework/controls/DBGridView.h"

#include <QMouseEvent>
#include <QWheelEvent>

DBGridView::DBGridView(QWidget* parent) : QTableView(parent) {}

void DBGridView::keyboardSearch(const QString&) {
    // Typing a letter or committing a word from an input method would otherwise jump the
    // highlight to a matching row, away from the data set's current row.
}

QItemSelectionModel::SelectionFlags DBGridView::selectionCommand(const QModelIndex&,
                                                                 const QEvent*) const {
    // Whatever key or button asks, the current cell (or row) is the one selection: Ctrl+Space
    // must not toggle the highlight off, nor Shift extend it over other rows.
    return QItemSelectionModel::ClearAndSelect |
           (selectionBehavior() == SelectRows ? QItemSelectionModel::Rows
                                              : QItemSelectionModel::NoUpdate);
}

void DBGridView::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void DBGridView::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void DBGridView::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void DBGridView::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void DBGridView::wheelEvent(QWheelEvent* event) {
    event->accept();
}
