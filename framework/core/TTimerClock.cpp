#include "framework/core/TTimerClock.h"

#include "framework/core/TApplication.h"

#include <QTimer>
#include <memory>
#include <unordered_map>

namespace {

// One toolkit timer per counting timer. An error from a tick goes to the default error report,
// as from any handler the toolkit calls.
class TQtTimerClock : public TTimerClock {
public:
    void Start(const TTimer* timer, int interval, std::function<void()> tick) override {
        Stop(timer);
        auto qtimer = std::make_unique<QTimer>();
        QObject::connect(qtimer.get(), &QTimer::timeout,
                         [tick = std::move(tick)] { RunGuarded(tick); });
        qtimer->start(interval);
        timers_[timer] = std::move(qtimer);
    }

    void Stop(const TTimer* timer) override {
        const auto it = timers_.find(timer);
        if (it == timers_.end())
            return;
        // The timer may be stopped from its own tick, inside the toolkit timer's signal.
        QTimer* qtimer = it->second.release();
        qtimer->stop();
        qtimer->deleteLater();
        timers_.erase(it);
    }

private:
    std::unordered_map<const TTimer*, std::unique_ptr<QTimer>> timers_;
};

TTimerClock* gCurrent = nullptr;

} // namespace

TTimerClock& TTimerClock::Current() {
    static TQtTimerClock toolkitClock;
    return gCurrent ? *gCurrent : toolkitClock;
}

void TTimerClock::SetCurrent(TTimerClock* clock) {
    gCurrent = clock;
}
