#include "framework/core/TTimer.h"

#include "framework/core/Exception.h"
#include "framework/core/TManualTimerClock.h"

#include <gtest/gtest.h>

class TTimerTest : public testing::Test {
protected:
    TManualTimerClock clock;
    TComponent owner{nullptr};

    // A timer that writes the clock's time at each tick under its name.
    TTimer* Timer(const QString& name, int interval) {
        auto* timer = new TTimer(&owner);
        timer->SetName(name);
        timer->SetInterval(interval);
        timer->OnTimer = [this, timer](TObject* sender) {
            EXPECT_EQ(sender, timer);
            ticks << QStringLiteral("%1@%2").arg(timer->Name()).arg(clock.Now());
        };
        return timer;
    }

    QStringList ticks;
};

TEST_F(TTimerTest, FiresEveryIntervalInTimeOrderAcrossALongAdvance) {
    TTimer* fast = Timer(QStringLiteral("fast"), 100);
    Timer(QStringLiteral("slow"), 250);
    clock.Advance(99);
    EXPECT_TRUE(ticks.isEmpty());
    clock.Advance(1);
    EXPECT_EQ(ticks, QStringList{"fast@100"});
    clock.Advance(450);
    EXPECT_EQ(ticks, (QStringList{"fast@100", "fast@200", "slow@250", "fast@300", "fast@400",
                                  "fast@500", "slow@500"}));
    EXPECT_EQ(clock.Now(), 550);
    EXPECT_EQ(fast->Interval(), 100);
}

TEST_F(TTimerTest, DefaultsToOneSecondEnabled) {
    TTimer timer(nullptr);
    EXPECT_EQ(timer.Interval(), 1000);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_TRUE(clock.IsCounting(&timer));
}

TEST_F(TTimerTest, AnIntervalOfZeroOrLessNeverFires) {
    TTimer* zero = Timer(QStringLiteral("zero"), 0);
    TTimer* negative = Timer(QStringLiteral("negative"), -5);
    clock.Advance(100000);
    EXPECT_TRUE(ticks.isEmpty());
    EXPECT_FALSE(clock.IsCounting(zero));
    EXPECT_FALSE(clock.IsCounting(negative));
}

TEST_F(TTimerTest, DisablingStopsAndReEnablingCountsAfresh) {
    TTimer* timer = Timer(QStringLiteral("t"), 100);
    clock.Advance(60);
    timer->SetEnabled(false);
    clock.Advance(500);
    EXPECT_TRUE(ticks.isEmpty());
    timer->SetEnabled(true); // at 560: the 60 ms counted before are gone
    clock.Advance(99);
    EXPECT_TRUE(ticks.isEmpty());
    clock.Advance(1);
    EXPECT_EQ(ticks, QStringList{"t@660"});
}

TEST_F(TTimerTest, ChangingTheIntervalRestartsTheCountButSettingTheSameOneDoesNot) {
    TTimer* timer = Timer(QStringLiteral("t"), 100);
    clock.Advance(80);
    timer->SetInterval(100);
    clock.Advance(20);
    EXPECT_EQ(ticks, QStringList{"t@100"});
    clock.Advance(80);
    timer->SetInterval(50); // at 180
    clock.Advance(49);
    EXPECT_EQ(ticks.size(), 1);
    clock.Advance(51);
    EXPECT_EQ(ticks, (QStringList{"t@100", "t@230", "t@280"}));
}

TEST_F(TTimerTest, ATickMayStopOrDestroyTimersWithoutUpsettingTheAdvance) {
    TTimer* self = Timer(QStringLiteral("self"), 100);
    TTimer* victim = Timer(QStringLiteral("victim"), 100);
    TTimer* other = Timer(QStringLiteral("other"), 30);
    self->OnTimer = [&](TObject*) {
        ticks << QStringLiteral("self@%1").arg(clock.Now());
        self->SetEnabled(false);
        delete victim; // due at the same moment, after self
    };
    clock.Advance(120);
    EXPECT_EQ(ticks, (QStringList{"other@30", "other@60", "other@90", "self@100", "other@120"}));
    EXPECT_FALSE(clock.IsCounting(self));
    EXPECT_TRUE(clock.IsCounting(other));
}

TEST_F(TTimerTest, AnErrorFromATickReachesTheCallerAndTheTimerKeepsCounting) {
    TTimer* timer = Timer(QStringLiteral("t"), 100);
    timer->OnTimer = [](TObject*) { throw EComponentError(QStringLiteral("Sorry, no")); };
    EXPECT_THROW(clock.Advance(250), EComponentError);
    EXPECT_EQ(clock.Now(), 100);
    timer->OnTimer = nullptr;
    EXPECT_TRUE(clock.IsCounting(timer));
}

TEST_F(TTimerTest, ADestroyedTimerStopsCountingAndTheOldClockReturns) {
    TTimer* timer = Timer(QStringLiteral("t"), 100);
    delete timer;
    clock.Advance(1000);
    EXPECT_TRUE(ticks.isEmpty());
    TTimerClock* outer = &TTimerClock::Current();
    {
        TManualTimerClock inner;
        EXPECT_EQ(&TTimerClock::Current(), &inner);
    }
    EXPECT_EQ(&TTimerClock::Current(), outer);
}
