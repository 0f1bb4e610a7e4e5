#include "framework/core/TAction.h"

#include "framework/controls/TButton.h"
#include "framework/controls/TLabel.h"
#include "framework/core/TActionList.h"

#include <gtest/gtest.h>

namespace {

// Writes down every change it hears of, and the image index it would take its glyph from.
class TActionProbe : public TLabel {
    Q_OBJECT
public:
    using TLabel::TLabel;
    QStringList changes;
    int glyphIndex = -1;

protected:
    void ActionChange(TAction* sender, bool checkDefaults) override {
        TLabel::ActionChange(sender, checkDefaults);
        changes << QStringLiteral("%1%2").arg(sender->Name(), checkDefaults ? " (defaults)" : "");
        glyphIndex = sender->ImageIndex();
    }
};

} // namespace

class TActionTest : public testing::Test {
protected:
    TComponent owner{nullptr};
    TActionList* list = new TActionList(&owner);
    TAction* action = new TAction(&owner);
    TButton* button = new TButton(&owner);
    int executed = 0;

    TActionTest() {
        action->SetName(QStringLiteral("CopyAction"));
        action->SetCaption(QStringLiteral("复制"));
        action->SetHint(QStringLiteral("copy the message"));
        action->OnExecute = [this](TObject* sender) {
            EXPECT_EQ(sender, action);
            ++executed;
        };
    }
};

TEST_F(TActionTest, ALinkedControlShowsTheActionAndFollowsEveryChange) {
    button->SetCaption(QStringLiteral("old"));
    button->SetAction(action);
    EXPECT_EQ(button->Action(), action);
    EXPECT_EQ(button->Caption(), QStringLiteral("复制"));
    EXPECT_EQ(button->Hint(), QStringLiteral("copy the message"));
    EXPECT_EQ(action->ClientCount(), 1);

    action->SetCaption(QStringLiteral("粘贴"));
    action->SetEnabled(false);
    action->SetVisible(false);
    EXPECT_EQ(button->Caption(), QStringLiteral("粘贴"));
    EXPECT_FALSE(button->Enabled());
    EXPECT_FALSE(button->Visible());
}

TEST_F(TActionTest, EveryPropertyChangeReachesActionChangeOnceAndSameValuesNone) {
    auto* probe = new TActionProbe(&owner);
    action->SetImageIndex(3);
    probe->SetAction(action);
    EXPECT_EQ(probe->changes, QStringList{"CopyAction"});
    EXPECT_EQ(probe->glyphIndex, 3);
    action->SetImageIndex(5);
    action->SetChecked(true);
    action->SetHint(QStringLiteral("copy the message")); // unchanged
    action->SetImageIndex(5);                            // unchanged
    EXPECT_EQ(probe->changes, (QStringList{"CopyAction", "CopyAction", "CopyAction"}));
    EXPECT_EQ(probe->glyphIndex, 5);
}

TEST_F(TActionTest, WhileTheActionIsLoadingTheControlsOwnValuesStay) {
    auto* probe = new TActionProbe(&owner);
    probe->SetCaption(QStringLiteral("mine"));
    probe->SetEnabled(false);
    action->SetEnabled(true);
    action->BeginLoading();
    probe->SetAction(action);
    EXPECT_EQ(probe->changes, QStringList{"CopyAction (defaults)"});
    EXPECT_EQ(probe->Caption(), QStringLiteral("mine"));
    EXPECT_FALSE(probe->Enabled());
    EXPECT_EQ(probe->Hint(), QStringLiteral("copy the message")); // it had none
}

TEST_F(TActionTest, AClickRunsTheControlsOwnOnClickElseExecutesTheAction) {
    button->SetAction(action);
    button->Click();
    EXPECT_EQ(executed, 1);

    int ownClicks = 0;
    button->OnClick = [&](TObject*) { ++ownClicks; };
    button->Click();
    EXPECT_EQ(ownClicks, 1);
    EXPECT_EQ(executed, 1);

    button->OnClick = nullptr;
    action->SetEnabled(false);
    EXPECT_FALSE(action->Execute());
    button->Click();
    EXPECT_EQ(executed, 1);
}

TEST_F(TActionTest, UnlinkingStopsTheFollowing) {
    button->SetAction(action);
    button->SetAction(nullptr);
    EXPECT_EQ(action->ClientCount(), 0);
    action->SetCaption(QStringLiteral("gone"));
    EXPECT_EQ(button->Caption(), QStringLiteral("复制"));
    button->Click();
    EXPECT_EQ(executed, 0);
}

TEST_F(TActionTest, DestroyingTheActionUnlinksItAndDestroyingTheControlLeavesTheAction) {
    auto* label = new TLabel(&owner);
    label->SetAction(action);
    button->SetAction(action);
    delete button;
    EXPECT_EQ(action->ClientCount(), 1);
    action->SetCaption(QStringLiteral("still here")); // must not reach the destroyed button
    delete action;
    EXPECT_EQ(label->Action(), nullptr);
    label->Click(); // nothing left to execute
    EXPECT_EQ(label->Caption(), QStringLiteral("still here"));
}

TEST_F(TActionTest, TheListKeepsItsActionsInOrderAndLetsThemGo) {
    auto* second = new TAction(&owner);
    action->SetActionList(list);
    second->SetActionList(list);
    ASSERT_EQ(list->ActionCount(), 2);
    EXPECT_EQ(list->Actions(0), action);
    EXPECT_EQ(list->Actions(1), second);
    delete action;
    ASSERT_EQ(list->ActionCount(), 1);
    EXPECT_EQ(list->Actions(0), second);
    delete list;
    EXPECT_EQ(second->ActionList(), nullptr);
}

#include "TActionTest.moc"
