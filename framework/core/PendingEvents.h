// The toolkit events whose window messages a window is delivering, the innermost last: a
// handler may run a modal loop, which delivers further events to the same window before its
// own message is done.
//
// A message is kept when no procedure hands it on to the default handler. The toolkit's own
// handling of the event (its base) runs inside the default handler of the event's last
// message, so that code after the default sees what the toolkit did; it is deferred while
// messages of the event follow, and skipped once one of them was kept.
#pragma once

#include "framework/core/Messages.h"

#include <functional>
#include <vector>

class QEvent;

class PendingEvents {
public:
    using Base = std::function<bool(QEvent*)>;
    using Procedure = std::function<void(TMessage&)>;
    struct Outcome {
        bool consumed = false; // a message was kept; the toolkit did not handle the event
        bool baseResult = false;
    };

    // Hands every message of `event` to `procedure` in turn, whatever became of the one before
    // (as Windows posts a key's characters whatever became of its key-down). `procedure` lets
    // no error escape; a window's is its MainWndProc.
    Outcome Deliver(QEvent* event, std::vector<TMessage>& messages, const Base& base,
                    const Procedure& procedure);
    // The default handler's part: `message` was not kept. A message that no pending event is
    // delivering (one the program sent) changes nothing.
    void ReachDefault(const TMessage& message);

private:
    struct Pending;
    std::vector<Pending*> stack_;
};
