#include "framework/core/TTimer.h"

#include "framework/core/TTimerClock.h"
#include "framework/forms/ClassRegistry.h"

REGISTER_COMPONENT_CLASS(TTimer)

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
    UpdateTimer();
}

TTimer::~TTimer() {
    StopClock();
}

void TTimer::SetInterval(int ms) {
    if (ms == interval_)
        return;
    interval_ = ms;
    UpdateTimer();
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    StopClock();
    if (!enabled_ || interval_ <= 0)
        return;
    clock_ = &TTimerClock::Current();
    clock_->Start(this, interval_, [this] { Timer(); });
}

void TTimer::StopClock() {
    if (clock_)
        clock_->Stop(this);
    clock_ = nullptr;
}

void TTimer::Timer() {
    if (OnTimer)
        OnTimer(this);
}

bool TTimer::BindEvent(const QByteArray& name, const TMethod& method) {
    static const TEventTable<TTimer> kEvents{
        EventBinding("OnTimer", &TTimer::OnTimer),
    };
    return kEvents.Bind(*this, name, method) || TComponent::BindEvent(name, method);
}
