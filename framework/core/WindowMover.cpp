#include "framework/core/WindowMover.h"

#include "framework/core/EventTranslator.h"
#include "framework/core/TCustomForm.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>
#include <algorithm>

WindowMover::WindowMover(TCustomForm* form, LRESULT hit)
    : form_(form), window_(form->Handle()), hit_(hit), start_(form->BoundsRect()),
      // From the press itself: on a busy machine the pointer may have gone on before the drag
      // starts, and measuring from there would leave the window behind by that much.
      startCursor_(EventTranslator::MessagePos()) {}

void WindowMover::Run(TCustomForm* form, LRESULT hit) {
    if (!(QGuiApplication::mouseButtons() & Qt::LeftButton))
        return;
    WindowMover mover(form, hit);
    // The grab brings the pointer's moves and its release also from outside the window.
    mover.window_->grabMouse();
    qApp->installEventFilter(&mover);
    QObject::connect(mover.window_, &QObject::destroyed, &mover.loop_, &QEventLoop::quit);
    mover.loop_.exec();
    qApp->removeEventFilter(&mover);
    if (mover.window_)
        mover.window_->releaseMouse();
}

bool WindowMover::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove: {
        if (!window_)
            return true;
        const QPoint delta =
            static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - startCursor_;
        const TRect r = DraggedBounds(start_, hit_, delta, *form_->Constraints());
        form_->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            loop_.quit();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return true; // the drag owns the pointer until it ends
    default:
        return false;
    }
}

Qt::Edges WindowMover::Edges(LRESULT hit) {
    switch (hit) {
    case HTLEFT:
        return Qt::LeftEdge;
    case HTRIGHT:
        return Qt::RightEdge;
    case HTTOP:
        return Qt::TopEdge;
    case HTBOTTOM:
        return Qt::BottomEdge;
    case HTTOPLEFT:
        return Qt::TopEdge | Qt::LeftEdge;
    case HTTOPRIGHT:
        return Qt::TopEdge | Qt::RightEdge;
    case HTBOTTOMLEFT:
        return Qt::BottomEdge | Qt::LeftEdge;
    case HTBOTTOMRIGHT:
        return Qt::BottomEdge | Qt::RightEdge;
    default:
        return {};
    }
}

TRect WindowMover::DraggedBounds(const TRect& start, LRESULT hit, QPoint delta,
                                 const TSizeConstraints& limits) {
    TRect r = start;
    if (hit == HTCAPTION)
        return {r.Left + delta.x(), r.Top + delta.y(), r.Right + delta.x(), r.Bottom + delta.y()};
    const Qt::Edges edges = Edges(hit);
    const int width = start.Width() + (edges & Qt::LeftEdge ? -delta.x() : 0) +
                      (edges & Qt::RightEdge ? delta.x() : 0);
    const int height = start.Height() + (edges & Qt::TopEdge ? -delta.y() : 0) +
                       (edges & Qt::BottomEdge ? delta.y() : 0);
    const int w = std::max(0, limits.ConstrainWidth(width));
    const int h = std::max(0, limits.ConstrainHeight(height));
    if (edges & Qt::LeftEdge)
        r.Left = r.Right - w;
    else
        r.Right = r.Left + w;
    if (edges & Qt::TopEdge)
        r.Top = r.Bottom - h;
    else
        r.Bottom = r.Top + h;
    return r;
}
