// What counts time for the timers. The toolkit's clock is the default; a test puts a manual
// clock in its place (TManualTimerClock) and advances it by hand, so nothing waits on real time.
#pragma once

#include <functional>

class TTimer;

class TTimerClock {
public:
    virtual ~TTimerClock() = default;

    // Counts `interval` milliseconds (more than 0) from now for the timer, then calls tick, and
    // again every interval until Stop. Starting a counting timer again restarts its count.
    virtual void Start(const TTimer* timer, int interval, std::function<void()> tick) = 0;
    // Does nothing for a timer that is not counting.
    virtual void Stop(const TTimer* timer) = 0;

    // The clock that timers starting from now on use. A clock must outlive the timers it
    // counts for: they stop on the clock they started on.
    static TTimerClock& Current();
    // Null puts the toolkit's clock back.
    static void SetCurrent(TTimerClock* clock);
};
