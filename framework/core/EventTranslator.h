// Turns toolkit events into the window messages that procedures and hooks understand.
#pragma once

#include "framework/core/Messages.h"
#include "framework/core/Types.h"

#include <QPoint>
#include <Qt>
#include <vector>

class QEvent;
class QWidget;

class EventTranslator {
public:
    // The messages one event stands for, in the order they are delivered (a key press gives
    // WM_KEYDOWN then WM_CHAR). `window` is the control's window, `source` the widget that
    // received the event (the window itself or a viewport inside it). Empty when the event has
    // no message counterpart.
    static std::vector<TMessage> Translate(QEvent* event, QWidget* window, QWidget* source);

    // The Windows virtual-key code of a key; 0 for a key that has none (it still reaches the
    // control). The keypad modifier and the hardware code tell keys that type alike apart.
    static WPARAM VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers = {},
                             quint32 nativeScanCode = 0);
    // The shift state of a key message: its own event's when it came from the keyboard, the
    // keyboard's state now when the program sent it.
    static TShiftState KeyShiftState(const TMessage& message);
    // The shift state of a mouse message from its key bits; Alt, which they lack, from the
    // keyboard.
    static TShiftState MouseShiftState(WPARAM keys);
    // Where on the screen the pointer was at the latest pointer input translated: the input
    // being handled, as GetMessagePos tells it. The pointer may have gone on since.
    static QPoint MessagePos();
    static Qt::CursorShape CursorShape(TCursor cursor);
    // The resize cursor of a border hit code (HTLEFT to HTBOTTOMRIGHT).
    static TCursor BorderCursor(LRESULT hit);
};
