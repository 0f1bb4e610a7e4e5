#include "framework/core/RegionClearer.h"

#include <QChildEvent>
#include <QPaintEvent>
#include <QPainter>

RegionClearer::RegionClearer(QWidget* window) : QWidget(window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(window->rect());
    window->installEventFilter(this);
    show();
}

RegionClearer* RegionClearer::Of(QWidget* window) {
    auto* clearer = window->findChild<RegionClearer*>(QString(), Qt::FindDirectChildrenOnly);
    return clearer ? clearer : new RegionClearer(window);
}

void RegionClearer::SetRegion(const QRegion& region) {
    region_ = region;
    raise();
    update();
}

bool RegionClearer::eventFilter(QObject* watched, QEvent* event) {
    if (watched != parent())
        return false;
    if (event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    else if (event->type() == QEvent::ChildAdded &&
             static_cast<QChildEvent*>(event)->child() != this)
        raise(); // a control's window added later must not cover it
    return false;
}

void RegionClearer::paintEvent(QPaintEvent* event) {
    // Without an alpha channel clearing would paint black; the mask alone shapes such a window.
    if (region_.isEmpty() || !parentWidget()->testAttribute(Qt::WA_TranslucentBackground))
        return;
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    for (const QRect& r : event->region() - region_)
        painter.fillRect(r, Qt::transparent);
}
