#include "framework/core/InputStamp.h"

#include <QInputEvent>

bool InputStamp::IsPointerInput(const QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

bool InputStamp::IsKeyInput(const QEvent* event) {
    return event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
}

void InputStamp::Remember(const QEvent* event) {
    event_ = event;
    type_ = event->type();
    timestamp_ = static_cast<const QInputEvent*>(event)->timestamp();
}

bool InputStamp::Matches(const QEvent* event) const {
    // The address alone could be a new event in the old one's memory; type and time tell.
    return event == event_ && event->type() == type_ &&
           static_cast<const QInputEvent*>(event)->timestamp() == timestamp_;
}
