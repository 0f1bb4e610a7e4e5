#include "framework/core/TComponent.h"

#include "framework/core/Exception.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// Writes what it hears and when it goes into a log shared by a whole test.
class Witness : public TComponent {
    Q_OBJECT
public:
    Witness(TComponent* owner, const QString& name, QStringList* log)
        : TComponent(owner), log_(log) {
        SetName(name);
    }
    ~Witness() override { *log_ << QStringLiteral("~") + Name(); }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override {
        *log_ << QStringLiteral("%1 hears %2 %3")
                     .arg(Name(), AComponent->Name(),
                          Operation == TOperation::opInsert ? QStringLiteral("in")
                                                            : QStringLiteral("out"));
        TComponent::Notification(AComponent, Operation);
    }

private:
    QStringList* log_;
};

} // namespace

TEST(TComponentTest, OwnerDestroysWhatItOwnsLastCreatedFirst) {
    QStringList log;
    auto* owner = new TComponent(nullptr);
    new Witness(owner, QStringLiteral("A"), &log);
    new Witness(owner, QStringLiteral("B"), &log);
    auto* c = new Witness(owner, QStringLiteral("C"), &log);
    new Witness(c, QStringLiteral("C1"), &log);
    log.clear();
    delete owner;
    // Destruction of the owner tells nobody of the departures.
    EXPECT_EQ(log, (QStringList{"~C", "~C1", "~B", "~A"}));
}

TEST(TComponentTest, ComingAndGoingIsToldToTheOwnersOtherComponentsOnly) {
    QStringList log;
    TComponent owner(nullptr);
    new Witness(&owner, QStringLiteral("A"), &log);
    auto* b = new Witness(&owner, QStringLiteral("B"), &log);
    new Witness(&owner, QStringLiteral("C"), &log);
    log.clear();

    delete b;
    EXPECT_EQ(log, (QStringList{"~B", "A hears B out", "C hears B out"}));
    EXPECT_EQ(owner.ComponentCount(), 2);
    EXPECT_EQ(owner.FindComponent(QStringLiteral("B")), nullptr);
}

TEST(TComponentTest, FreeNotificationCrossesOwnersBothWays) {
    QStringList log;
    TComponent ownerA(nullptr);
    TComponent ownerB(nullptr);
    auto* x = new Witness(&ownerA, QStringLiteral("X"), &log);
    auto* y = new Witness(&ownerB, QStringLiteral("Y"), &log);
    auto* z = new Witness(&ownerB, QStringLiteral("Z"), &log);
    x->FreeNotification(y);
    z->FreeNotification(x);
    log.clear();

    delete y; // x asked about y
    EXPECT_EQ(log, (QStringList{"~Y", "X hears Y out", "Z hears Y out"}));
    log.clear();

    delete x; // z asked about x: the link works from the other side as well
    EXPECT_EQ(log, (QStringList{"~X", "Z hears X out"}));
    log.clear();

    // Links of destroyed components are gone: destroying z tells nobody outside its owner.
    delete z;
    EXPECT_EQ(log, (QStringList{"~Z"}));
}

TEST(TComponentTest, FreeNotificationReachesWhenTheWholeOwnerGoesAndCanBeWithdrawn) {
    QStringList log;
    TComponent ownerB(nullptr);
    auto* watcher = new Witness(&ownerB, QStringLiteral("W"), &log);
    auto* quiet = new Witness(&ownerB, QStringLiteral("Q"), &log);
    auto* ownerA = new TComponent(nullptr);
    auto* x = new Witness(ownerA, QStringLiteral("X"), &log);
    watcher->FreeNotification(x);
    quiet->FreeNotification(x);
    quiet->RemoveFreeNotification(x);
    log.clear();

    delete ownerA;
    EXPECT_EQ(log, (QStringList{"~X", "W hears X out"}));
}

TEST(TComponentTest, InsertAndRemoveComponentMoveItBetweenOwners) {
    QStringList log;
    TComponent first(nullptr);
    auto second = std::make_unique<TComponent>(nullptr);
    new Witness(&first, QStringLiteral("Stay"), &log);
    new Witness(second.get(), QStringLiteral("There"), &log);
    auto* mover = new Witness(&first, QStringLiteral("Mover"), &log);
    log.clear();

    second->InsertComponent(mover);
    EXPECT_EQ(mover->Owner(), second.get());
    EXPECT_EQ(first.ComponentCount(), 1);
    EXPECT_EQ(first.FindComponent(QStringLiteral("Mover")), nullptr);
    EXPECT_EQ(second->FindComponent(QStringLiteral("Mover")), mover);
    EXPECT_EQ(log, (QStringList{"Stay hears Mover out", "There hears Mover in"}));

    second->RemoveComponent(mover);
    EXPECT_EQ(mover->Owner(), nullptr);
    log.clear();
    second.reset(); // no longer its owner: it survives
    EXPECT_EQ(log, (QStringList{"~There"}));
    delete mover;
}

TEST(TComponentTest, NamesAreFoundWithoutRegardToCaseAndMustBeUnique) {
    TComponent owner(nullptr);
    auto* button = new TComponent(&owner);
    button->SetName(QStringLiteral("Button1"));
    EXPECT_EQ(owner.FindComponent(QStringLiteral("BUTTON1")), button);
    EXPECT_EQ(owner.FindComponent(QStringLiteral("button1")), button);
    EXPECT_EQ(owner.FindComponent(QString()), nullptr);

    auto* other = new TComponent(&owner);
    EXPECT_THROW(other->SetName(QStringLiteral("button1")), EComponentError);
    EXPECT_TRUE(other->Name().isEmpty());
    // A component may change the case of its own name.
    button->SetName(QStringLiteral("BUTTON1"));
    EXPECT_EQ(button->Name(), QStringLiteral("BUTTON1"));

    // Nor can a namesake be moved in from elsewhere.
    TComponent elsewhere(nullptr);
    auto* namesake = new TComponent(&elsewhere);
    namesake->SetName(QStringLiteral("Button1"));
    EXPECT_THROW(owner.InsertComponent(namesake), EComponentError);
    EXPECT_EQ(namesake->Owner(), &elsewhere);
    EXPECT_EQ(owner.ComponentCount(), 2);
}

TEST(TComponentTest, LoadingLastsUntilLoaded) {
    TComponent owner(nullptr);
    TComponent c(&owner);
    EXPECT_FALSE(c.IsLoading());
    c.BeginLoading();
    EXPECT_TRUE(c.IsLoading());
    EXPECT_TRUE(c.ComponentState().testFlag(TComponentStateFlag::csReading));
    c.EndLoading();
    EXPECT_TRUE(c.IsLoading()); // reading is over, loading is not
    EXPECT_FALSE(c.ComponentState().testFlag(TComponentStateFlag::csReading));
    c.Loaded();
    EXPECT_FALSE(c.IsLoading());
    owner.RemoveComponent(&c);
}

#include "TComponentTest.moc"
