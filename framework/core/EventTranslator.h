// Turns toolkit events into the window messages that procedures and hooks understand.
#pragma once

#include "framework/core/Messages.h"
#include "framework/core/Types.h"

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

    static WPARAM VirtualKey(int qtKey);
    static int QtKey(WPARAM virtualKey);
    static TShiftState ShiftFromModifiers(Qt::KeyboardModifiers modifiers);
    static Qt::CursorShape CursorShape(TCursor cursor);
};
