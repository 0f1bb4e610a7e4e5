// The grid's table view. The data set alone decides the current row: the view neither searches
// for typed text, nor selects or scrolls by the mouse or the wheel on its own (the grid turns
// those into row moves), and its highlight is always exactly the current cell or row.
#pragma once

#include <QTableView>

class DBGridView : public QTableView {
    Q_OBJECT
public:
    explicit DBGridView(QWidget* parent);

    void keyboardSearch(const QString& search) override;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};
