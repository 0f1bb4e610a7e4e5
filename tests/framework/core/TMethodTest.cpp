#include "framework/core/TMethod.h"

#include "framework/core/TObject.h"
#include "framework/core/Types.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace {

class HandlerOwner : public QObject {
    Q_OBJECT
public:
    QStringList calls;

public slots:
    void Clicked(TObject* Sender) {
        calls << QStringLiteral("Clicked %1").arg(Sender->objectName());
    }
    void Closing(TObject*, TCloseAction& Action) {
        calls << QStringLiteral("Closing %1").arg(int(Action));
        Action = TCloseAction::caNone;
    }
    void Moved(TObject*, int x, int y) { calls << QStringLiteral("Moved %1,%2").arg(x).arg(y); }
    void Moved(TObject*) { calls << QStringLiteral("Moved"); }
};

} // namespace

TEST(TMethodTest, TheSlotOfThatNameAndArityGetsTheEventsArguments) {
    HandlerOwner owner;
    TObject sender;
    sender.setObjectName(QStringLiteral("Button1"));

    MethodToEvent<TObject*>({&owner, "Clicked"})(&sender);
    MethodToEvent<TObject*, int, int>({&owner, "Moved"})(&sender, 3, -4);
    MethodToEvent<TObject*>({&owner, "Moved"})(&sender);
    EXPECT_EQ(owner.calls, (QStringList{"Clicked Button1", "Moved 3,-4", "Moved"}));
}

TEST(TMethodTest, AReferenceArgumentChangedByTheSlotReachesTheCaller) {
    HandlerOwner owner;
    TObject sender;
    TCloseAction action = TCloseAction::caHide;
    MethodToEvent<TObject*, TCloseAction&>({&owner, "Closing"})(&sender, action);
    EXPECT_EQ(action, TCloseAction::caNone);
    EXPECT_EQ(owner.calls,
              (QStringList{QStringLiteral("Closing %1").arg(int(TCloseAction::caHide))}));
}

TEST(TMethodTest, AMissingMethodIsAReadErrorNamingIt) {
    HandlerOwner owner;
    try {
        MethodToEvent<TObject*>({&owner, "NoSuchHandler"});
        FAIL() << "no error";
    } catch (const EReadError& error) {
        EXPECT_TRUE(error.Message().contains(QStringLiteral("NoSuchHandler"))) << error.what();
    }
    // The name is there, the arity is not.
    EXPECT_THROW((MethodToEvent<TObject*, int>({&owner, "Clicked"})), EReadError);
}

TEST(TMethodTest, ADestroyedTargetIsNotCalled) {
    auto owner = std::make_unique<HandlerOwner>();
    TObject sender;
    const auto event = MethodToEvent<TObject*>({owner.get(), "Clicked"});
    owner.reset();
    event(&sender); // must neither crash nor call anything
    EXPECT_FALSE(MethodToEvent<TObject*>({nullptr, "Clicked"}));
}

#include "TMethodTest.moc"
