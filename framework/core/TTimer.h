// A component that raises OnTimer every Interval milliseconds while it is enabled. An interval
// of 0 or less never fires. Changing Interval or Enabled starts the count afresh.
#pragma once

#include "framework/core/TComponent.h"
#include "framework/core/Types.h"

class TTimerClock;

class TTimer : public TComponent {
    Q_OBJECT
    Q_PROPERTY(int Interval READ Interval WRITE SetInterval)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    int Interval() const { return interval_; }
    void SetInterval(int ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    bool BindEvent(const QByteArray& name, const TMethod& method) override;

    TNotifyEvent OnTimer;

protected:
    // One tick: raises OnTimer.
    virtual void Timer();

private:
    void UpdateTimer();
    void StopClock();

    int interval_ = 1000;
    bool enabled_ = true;
    TTimerClock* clock_ = nullptr; // the clock counting for this timer; none while stopped
};
