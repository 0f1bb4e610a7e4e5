// Frameless forms on screen and pointer input through the toolkit's own path (QTest on the
// form's window), as the window system delivers it: hit tests, capture and dragging depend on
// the toolkit's routing, which events sent straight to a widget skip.
#pragma once

#include "TestSupport.h"
#include "framework/controls/TPanel.h"
#include "framework/core/TForm.h"

#include <QCoreApplication>
#include <QCursor>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <memory>

namespace WindowTestSupport {

// A shown frameless form at `bounds`.
inline std::unique_ptr<TForm> ShowFramelessForm(const TRect& bounds) {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    form->SetBoundsRect(bounds);
    form->Show();
    QCoreApplication::processEvents();
    return form;
}

inline TPanel* AddPanel(TWinControl* parent, const TRect& bounds, const QString& name) {
    auto* panel = new TPanel(parent);
    panel->SetName(name);
    panel->SetParent(parent);
    panel->SetBoundsRect(bounds);
    return panel;
}

inline QWindow* WindowOf(TCustomForm& form) {
    return form.Handle()->windowHandle();
}

// Input at a screen point, to the form's window.
inline void PointerTo(TCustomForm& form, QPoint screen) {
    QTest::mouseMove(WindowOf(form), WindowOf(form)->mapFromGlobal(screen));
}

inline void PressAt(TCustomForm& form, QPoint screen) {
    QTest::mousePress(WindowOf(form), Qt::LeftButton, {}, WindowOf(form)->mapFromGlobal(screen));
}

inline void ReleaseAt(TCustomForm& form, QPoint screen) {
    QTest::mouseRelease(WindowOf(form), Qt::LeftButton, {}, WindowOf(form)->mapFromGlobal(screen));
}

} // namespace WindowTestSupport
