// The grid's row indicator column: a narrow button-face strip with a mark at the current row.
#pragma once

#include <QHeaderView>

class DBGridIndicator : public QHeaderView {
    Q_OBJECT
public:
    explicit DBGridIndicator(QWidget* parent);
    void SetCurrentRow(int row);
    QSize sizeHint() const override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    int currentRow_ = -1;
};
