// A clock that moves only when told to: it takes over from the current clock while it exists,
// and Advance fires every tick that falls due, in time order, as the toolkit's clock would.
#pragma once

#include "framework/core/TTimerClock.h"

#include <cstdint>
#include <vector>

class TManualTimerClock : public TTimerClock {
public:
    TManualTimerClock();
    ~TManualTimerClock() override;
    TManualTimerClock(const TManualTimerClock&) = delete;
    TManualTimerClock& operator=(const TManualTimerClock&) = delete;

    void Start(const TTimer* timer, int interval, std::function<void()> tick) override;
    void Stop(const TTimer* timer) override;

    // Moves time on by `ms`. A timer fires once for every interval that ends within the advance;
    // ticks due at the same moment come in the order their timers started. A tick may start,
    // stop or destroy timers; an error from a tick stops the advance there and goes to the
    // caller, with the clock at the moment of that tick.
    void Advance(int ms);
    // Milliseconds advanced since construction.
    std::int64_t Now() const { return now_; }
    bool IsCounting(const TTimer* timer) const;

private:
    struct Entry {
        const TTimer* timer;
        int interval;
        std::int64_t due;
        std::uint64_t order; // when it started, to break ties between equal due times
        std::function<void()> tick;
    };
    // The entry due first at or before `until`, or null.
    Entry* NextDue(std::int64_t until);

    std::vector<Entry> entries_;
    std::int64_t now_ = 0;
    std::uint64_t started_ = 0;
    TTimerClock* previous_;
};
