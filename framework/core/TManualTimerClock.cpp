#include "framework/core/TManualTimerClock.h"

#include <QtGlobal>
#include <algorithm>

TManualTimerClock::TManualTimerClock() : previous_(&TTimerClock::Current()) {
    TTimerClock::SetCurrent(this);
}

TManualTimerClock::~TManualTimerClock() {
    TTimerClock::SetCurrent(previous_);
}

void TManualTimerClock::Start(const TTimer* timer, int interval, std::function<void()> tick) {
    Q_ASSERT(interval > 0);
    Stop(timer);
    entries_.push_back({timer, interval, now_ + interval, started_++, std::move(tick)});
}

void TManualTimerClock::Stop(const TTimer* timer) {
    std::erase_if(entries_, [timer](const Entry& e) { return e.timer == timer; });
}

bool TManualTimerClock::IsCounting(const TTimer* timer) const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [timer](const Entry& e) { return e.timer == timer; });
}

TManualTimerClock::Entry* TManualTimerClock::NextDue(std::int64_t until) {
    Entry* next = nullptr;
    for (Entry& e : entries_)
        if (e.due <= until &&
            (!next || e.due < next->due || (e.due == next->due && e.order < next->order)))
            next = &e;
    return next;
}

void TManualTimerClock::Advance(int ms) {
    const std::int64_t until = now_ + std::max(ms, 0);
    while (Entry* entry = NextDue(until)) {
        now_ = entry->due;
        entry->due += entry->interval;
        // A copy: the tick may stop its own timer and so remove the entry it came from.
        const std::function<void()> tick = entry->tick;
        tick();
    }
    now_ = until;
}
