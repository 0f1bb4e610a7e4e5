#include "framework/core/PendingEvents.h"

#include <QEvent>
#include <QStringList>
#include <gtest/gtest.h>
#include <set>

namespace {

QString Name(const TMessage& m) {
    switch (m.Msg) {
    case WM_KEYDOWN:
        return QStringLiteral("keydown");
    case WM_CHAR:
        return QStringLiteral("char");
    case WM_KEYUP:
        return QStringLiteral("keyup");
    default:
        return QStringLiteral("message %1").arg(m.Msg);
    }
}

} // namespace

// A window procedure that writes down where each message goes: "keydown in", then (unless it
// keeps the message) the default handler, then "keydown out".
class PendingEventsTest : public testing::Test {
protected:
    PendingEvents pending;
    QEvent event{QEvent::KeyPress};
    QStringList heard;
    std::set<UINT> kept;
    PendingEvents::Base base = [this](QEvent*) {
        heard << QStringLiteral("toolkit");
        return true;
    };

    std::vector<TMessage> KeyMessages(QEvent* e) {
        return {TMessage{WM_KEYDOWN, 'A', 0, 0, e}, TMessage{WM_CHAR, 'a', 0, 0, e}};
    }
    void Procedure(TMessage& m) {
        heard << Name(m) + QStringLiteral(" in");
        if (!kept.contains(m.Msg))
            pending.ReachDefault(m);
        heard << Name(m) + QStringLiteral(" out");
    }
    PendingEvents::Outcome Deliver(std::vector<TMessage> messages) {
        return pending.Deliver(&event, messages, base, [this](TMessage& m) { Procedure(m); });
    }
};

TEST_F(PendingEventsTest, TheToolkitHandlesTheEventOnceInsideTheLastMessagesDefault) {
    const auto outcome = Deliver(KeyMessages(&event));
    EXPECT_FALSE(outcome.consumed);
    EXPECT_TRUE(outcome.baseResult);
    EXPECT_EQ(heard, QStringList({"keydown in", "keydown out", "char in", "toolkit", "char out"}));

    // An event with no messages goes to the toolkit as it is.
    heard.clear();
    const auto alone = Deliver({});
    EXPECT_FALSE(alone.consumed);
    EXPECT_TRUE(alone.baseResult);
    EXPECT_EQ(heard, QStringList({"toolkit"}));
}

TEST_F(PendingEventsTest, AKeptMessageKeepsTheEventFromTheToolkitAndTheRestAreStillDelivered) {
    for (const UINT keep : {UINT(WM_KEYDOWN), UINT(WM_CHAR)}) {
        SCOPED_TRACE(keep);
        heard.clear();
        kept = {keep};
        const auto outcome = Deliver(KeyMessages(&event));
        EXPECT_TRUE(outcome.consumed);
        EXPECT_FALSE(outcome.baseResult);
        EXPECT_EQ(heard, QStringList({"keydown in", "keydown out", "char in", "char out"}));
    }
}

TEST_F(PendingEventsTest, OnlyTheInnermostEventsOwnMessagesReachItsDefault) {
    QEvent inner(QEvent::KeyRelease);
    std::vector<TMessage> messages = KeyMessages(&event);
    const auto outcome = pending.Deliver(&event, messages, base, [&](TMessage& m) {
        if (m.Msg == WM_KEYDOWN) {
            // A modal loop delivers another event while the key-down is being handled.
            std::vector<TMessage> up{TMessage{WM_KEYUP, 'B', 0, 0, &inner}};
            pending.Deliver(&inner, up, base, [this](TMessage& n) { Procedure(n); });
        } else {
            // Neither a message the program sent nor one of the finished event is the pending
            // event's last message.
            TMessage sent{WM_CHAR, 'x', 0, 0, nullptr};
            pending.ReachDefault(sent);
            TMessage finished{WM_KEYUP, 'B', 0, 0, &inner};
            pending.ReachDefault(finished);
        }
        Procedure(m);
    });
    EXPECT_FALSE(outcome.consumed);
    EXPECT_EQ(heard, QStringList({"keyup in", "toolkit", "keyup out", "keydown in", "keydown out",
                                  "char in", "toolkit", "char out"}));
}
