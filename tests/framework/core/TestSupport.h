// What the framework tests share: an application object whose message boxes are recorded, and
// toolkit input events built as the platform delivers them (each with a time of its own, so no
// two are taken for the same event).
#pragma once

#include "framework/core/TApplication.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>
#include <memory>
#include <vector>

namespace TestSupport {

struct RecordedBox {
    TMessageBoxKind kind;
    QString caption;
    QString text;
};

class RecordingApplication {
public:
    RecordingApplication() : application(std::make_unique<TApplication>()) {
        application->SetTitle(QStringLiteral("测试"));
        application->SetMessageBoxPresenter(
            [this](TMessageBoxKind kind, const QString& caption, const QString& text) {
                boxes.push_back({kind, caption, text});
            });
    }
    std::unique_ptr<TApplication> application;
    std::vector<RecordedBox> boxes;
};

inline quint64 NextTimestamp() {
    static quint64 stamp = 100000;
    return ++stamp;
}

inline bool SendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, QPoint pos,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick
            ? Qt::MouseButtons(button)
            : Qt::MouseButtons(Qt::NoButton);
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, held,
                      modifiers);
    event.setTimestamp(NextTimestamp());
    return QCoreApplication::sendEvent(widget, &event);
}

inline void Press(QWidget* widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
    SendMouse(widget, QEvent::MouseButtonPress, button, pos);
}

inline void Release(QWidget* widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
    SendMouse(widget, QEvent::MouseButtonRelease, button, pos);
}

inline void MoveMouse(QWidget* widget, QPoint pos) {
    SendMouse(widget, QEvent::MouseMove, Qt::NoButton, pos);
}

inline void ClickAt(QWidget* widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
    Press(widget, pos, button);
    Release(widget, pos, button);
}

// A move with the left button held, as a drag reports it.
inline void DragMouse(QWidget* widget, QPoint pos) {
    QMouseEvent event(QEvent::MouseMove, QPointF(pos), QPointF(widget->mapToGlobal(pos)),
                      Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    event.setTimestamp(NextTimestamp());
    QCoreApplication::sendEvent(widget, &event);
}

// A wheel event in the toolkit's terms: `angle` in eighths of a degree (120 a notch), y
// forward, x positive to the left.
inline void SendWheelAngle(QWidget* widget, QPoint pos, QPoint angle,
                           Qt::ScrollPhase phase = Qt::NoScrollPhase) {
    QWheelEvent event(QPointF(pos), QPointF(widget->mapToGlobal(pos)), QPoint(), angle,
                      Qt::NoButton, Qt::NoModifier, phase, false);
    event.setTimestamp(NextTimestamp());
    QCoreApplication::sendEvent(widget, &event);
}

inline void SendWheel(QWidget* widget, QPoint pos, int delta) {
    SendWheelAngle(widget, pos, QPoint(0, delta));
}

// A key press and its release, with the text the key types.
inline void TypeKey(QWidget* widget, int key, const QString& text = QString(),
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    press.setTimestamp(NextTimestamp());
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    release.setTimestamp(NextTimestamp());
    QCoreApplication::sendEvent(widget, &release);
}

// Types each character as its key reports it: the toolkit names a key by the capital of the
// character it types (Qt::Key_A, Qt::Key_Exclam, Qt::Key_Udiaeresis, ...).
inline void TypeText(QWidget* widget, const QString& text) {
    static const QString kShifted = QStringLiteral("~!@#$%^&*()_+{}|:\"<>?");
    for (const char32_t code : text.toUcs4()) {
        const QString typed = QString::fromUcs4(&code, 1);
        const bool shifted = typed.front().isUpper() || kShifted.contains(typed);
        // Beyond the first plane a key has no name of its own.
        const int key = typed.size() == 1 ? typed.front().toUpper().unicode() : 0;
        TypeKey(widget, key, typed, shifted ? Qt::ShiftModifier : Qt::NoModifier);
    }
}

} // namespace TestSupport
