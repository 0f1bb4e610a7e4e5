// Moves or resizes a form by the pointer while the left button is held, for window systems that
// leave it to the program: X11 without a window manager, the offscreen platform.
#pragma once

#include "framework/core/Messages.h"
#include "framework/core/Types.h"

#include <QEventLoop>
#include <QObject>
#include <QPoint>
#include <QPointer>

class TCustomForm;
class TSizeConstraints;
class QWidget;

class WindowMover : public QObject {
public:
    // Follows the pointer until the left button is released, returning at once when it is not
    // held. `hit` is HTCAPTION to move the form, or a border code to drag that edge or corner.
    static void Run(TCustomForm* form, LRESULT hit);
    // The window edges a border code drags (none for other codes).
    static Qt::Edges Edges(LRESULT hit);
    // The bounds after the pointer went `delta` from where the drag of `start` began: the
    // dragged edges follow it, the size stays within `limits` and the opposite edges stay put.
    static TRect DraggedBounds(const TRect& start, LRESULT hit, QPoint delta,
                               const TSizeConstraints& limits);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WindowMover(TCustomForm* form, LRESULT hit);

    TCustomForm* form_;
    QPointer<QWidget> window_; // the form's window; gone when the form is destroyed meanwhile
    LRESULT hit_;
    TRect start_;        // the form's bounds when the drag began
    QPoint startCursor_; // the screen position of the press that started the drag
    QEventLoop loop_;
};
