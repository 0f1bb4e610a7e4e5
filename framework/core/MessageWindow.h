// The toolkit window of a windowed control: every event it receives is offered to the
// control's window procedure first; only what reaches the default handler goes on to the
// toolkit's own handling.
#pragma once

#include "framework/core/TWinControl.h"

#include <QPaintEvent>
#include <QPointer>
#include <QWidget>
#include <type_traits>

// What every control window answers, whatever toolkit widget it is built on.
class MessageWindowBase {
public:
    virtual ~MessageWindowBase() = default;
    virtual TWinControl* Control() const = 0;
    // The control is going away; the window answers as a plain toolkit window from now on.
    virtual void Detach() = 0;
    // The control whose window is `widget` or holds it (a viewport inside a window).
    static TWinControl* ControlOf(QWidget* widget) {
        for (QWidget* w = widget; w; w = w->parentWidget())
            if (auto* window = dynamic_cast<MessageWindowBase*>(w))
                return window->Control();
        return nullptr;
    }
};

template <class Base> class MessageWindow : public Base, public MessageWindowBase {
public:
    template <class... Args>
    explicit MessageWindow(TWinControl* control, Args&&... args)
        : Base(std::forward<Args>(args)...), control_(control) {}

    TWinControl* Control() const override { return control_; }
    void Detach() override { control_ = nullptr; }

    bool event(QEvent* e) override {
        if (!control_)
            return Base::event(e);
        const auto outcome =
            control_->DispatchToolkitEvent(e, this, [this](QEvent* ev) { return Base::event(ev); });
        return outcome.consumed ? true : outcome.baseResult;
    }

protected:
    // Painting reaches the window procedure as WM_ERASEBKGND and WM_PAINT; a plain window's
    // face is the framework's, any other widget's the toolkit's.
    void paintEvent(QPaintEvent* e) override {
        if (!control_)
            return Base::paintEvent(e);
        if constexpr (std::is_same_v<Base, QWidget>)
            control_->DispatchPaint(this, e, {});
        else
            control_->DispatchPaint(this, e, [this, e] { Base::paintEvent(e); });
    }

private:
    TWinControl* control_;
};
