// Clears the pixels of a translucent top-level window that lie outside its window region, after
// the window and every control in it have painted. That is what shapes a window on Wayland,
// where a mask only routes input and does not clip what is drawn. The clearer is the window's
// topmost child, covers all of it and takes no input.
#pragma once

#include <QRegion>
#include <QWidget>

class RegionClearer : public QWidget {
    Q_OBJECT
public:
    // The clearer of `window`, made on first use.
    static RegionClearer* Of(QWidget* window);
    void SetRegion(const QRegion& region);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    explicit RegionClearer(QWidget* window);

    QRegion region_; // what stays, in window coordinates
};
