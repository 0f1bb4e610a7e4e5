#include "framework/core/TControl.h"

#include "framework/controls/TEdit.h"
#include "framework/controls/TLabel.h"
#include "framework/controls/TPanel.h"

#include <QCoreApplication>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

class TControlTest : public testing::Test {
protected:
    TComponent owner{nullptr};
    TPanel* panel = new TPanel(&owner);
    TLabel* label = new TLabel(&owner);
    TEdit* edit = new TEdit(&owner);

    TControlTest() {
        panel->Font()->SetName(QStringLiteral("宋体"));
        panel->Font()->SetHeight(-13);
        label->SetParent(panel);
        edit->SetParent(panel);
    }
};

TEST_F(TControlTest, ChildrenTakeTheParentsFontUntilTheyGetOneOfTheirOwn) {
    EXPECT_EQ(label->Font()->Name(), QStringLiteral("宋体"));
    EXPECT_EQ(edit->Font()->Height(), -13);

    panel->Font()->SetHeight(-16);
    panel->Font()->SetColor(clGreen);
    EXPECT_EQ(label->Font()->Height(), -16);
    EXPECT_EQ(label->Font()->Color(), clGreen);
    EXPECT_EQ(edit->Font()->Height(), -16);
    EXPECT_EQ(edit->Handle()->font().pixelSize(), 16);
    EXPECT_TRUE(label->ParentFont());

    label->Font()->SetHeight(-20);
    EXPECT_FALSE(label->ParentFont());
    panel->Font()->SetHeight(-11);
    EXPECT_EQ(label->Font()->Height(), -20);
    EXPECT_EQ(edit->Font()->Height(), -11);

    label->SetParentFont(true);
    EXPECT_EQ(label->Font()->Height(), -11);
}

TEST_F(TControlTest, AControlMovedToAnotherParentTakesItsFont) {
    auto* other = new TPanel(&owner);
    other->Font()->SetName(QStringLiteral("Tahoma"));
    label->SetParent(other);
    EXPECT_EQ(label->Font()->Name(), QStringLiteral("Tahoma"));
}

TEST_F(TControlTest, ParentColorFollowsTheParentUntilAColourIsSet) {
    panel->SetColor(static_cast<TColor>(15198183));
    EXPECT_TRUE(label->ParentColor());
    EXPECT_EQ(label->Color(), static_cast<TColor>(15198183));
    EXPECT_EQ(edit->Color(), clWindow); // an edit keeps its window colour

    label->SetColor(clRed);
    EXPECT_FALSE(label->ParentColor());
    panel->SetColor(clWhite);
    EXPECT_EQ(label->Color(), clRed);
    label->SetParentColor(true);
    EXPECT_EQ(label->Color(), clWhite);
}

TEST_F(TControlTest, PostedMessagesArriveLaterInOrderAndNeverAfterTheControlIsGone) {
    std::vector<UINT> seen;
    const TWndMethod previous = label->WindowProc;
    label->WindowProc = [&seen, previous](TMessage& message) {
        if (message.Msg >= WM_USER)
            seen.push_back(message.Msg);
        previous(message);
    };
    label->PostMessage(WM_USER + 1);
    label->PostMessage(WM_USER + 2);
    EXPECT_TRUE(seen.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(seen, (std::vector<UINT>{WM_USER + 1, WM_USER + 2}));

    label->PostMessage(WM_USER + 3);
    delete label;
    QCoreApplication::processEvents();
    EXPECT_EQ(seen.size(), 2u);
}
