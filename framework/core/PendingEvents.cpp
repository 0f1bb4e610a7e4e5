#include "framework/core/PendingEvents.h"

struct PendingEvents::Pending {
    QEvent* event;
    const Base& base;
    bool deferBase = false; // more messages of this event follow, or one was kept
    bool reachedDefault = false;
    bool baseCalled = false;
    bool baseResult = false;
};

PendingEvents::Outcome PendingEvents::Deliver(QEvent* event, std::vector<TMessage>& messages,
                                              const Base& base, const Procedure& procedure) {
    Pending pending{event, base};
    stack_.push_back(&pending);
    bool consumed = false;
    for (std::size_t i = 0; i < messages.size(); ++i) {
        pending.deferBase = consumed || i + 1 < messages.size();
        pending.reachedDefault = false;
        procedure(messages[i]);
        consumed = consumed || !pending.reachedDefault;
    }
    stack_.pop_back();
    // An event without messages is the toolkit's alone.
    if (!consumed && !pending.baseCalled)
        pending.baseResult = base(event);
    return {consumed, pending.baseResult};
}

void PendingEvents::ReachDefault(const TMessage& message) {
    if (!message.Event || stack_.empty() || stack_.back()->event != message.Event)
        return;
    Pending& pending = *stack_.back();
    pending.reachedDefault = true;
    if (!pending.deferBase && !pending.baseCalled) {
        pending.baseCalled = true;
        pending.baseResult = pending.base(message.Event);
    }
}
