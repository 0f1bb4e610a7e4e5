// Recognises one input event again. An input event a widget leaves unaccepted travels on to its
// parent widgets as the same event; whoever turned it into messages once must not do it twice.
#pragma once

#include <QtGlobal>

class QEvent;

class InputStamp {
public:
    static bool IsPointerInput(const QEvent* event);
    static bool IsKeyInput(const QEvent* event);

    // Only input events can be remembered and matched.
    void Remember(const QEvent* event);
    bool Matches(const QEvent* event) const;

private:
    const QEvent* event_ = nullptr;
    int type_ = 0;
    quint64 timestamp_ = 0;
};
