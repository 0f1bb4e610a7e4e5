#include "framework/core/TControl.h"

#include "TestSupport.h"
#include "framework/controls/TEdit.h"
#include "framework/controls/TLabel.h"
#include "framework/controls/TPanel.h"
#include "framework/menus/TMenuItem.h"
#include "framework/menus/TPopupMenu.h"
#include "framework/menus/TPopupMenuWindow.h"

#include <QCoreApplication>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

using namespace TestSupport;

namespace {

TPopupMenu* MenuWithOneItem(TComponent* owner) {
    auto* menu = new TPopupMenu(owner);
    auto* item = new TMenuItem(nullptr);
    item->SetCaption(QStringLiteral("复制"));
    menu->Items()->Add(item);
    return menu;
}

// The screen point of a point in the window.
TPoint OnScreen(QWidget* window, QPoint p) {
    const QPoint g = window->mapToGlobal(p);
    return {g.x(), g.y()};
}

} // namespace

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

TEST_F(TControlTest, AnchoredControlsKeepTheirDistancesWhenTheParentIsResized) {
    panel->SetBounds(0, 0, 300, 200);
    label->SetAutoSize(false);
    label->SetBounds(10, 20, 40, 13);
    edit->SetBounds(200, 150, 90, 21);
    edit->SetAnchors(TAnchors(Framework::akRight) | Framework::akBottom);
    label->SetAnchors(TAnchors(Framework::akLeft) | Framework::akTop | Framework::akRight);
    auto* aligned = new TPanel(&owner);
    aligned->SetParent(panel);
    aligned->SetAlign(TAlign::alTop);
    aligned->SetAnchors(TAnchors(Framework::akRight));

    panel->SetBounds(0, 0, 400, 260);
    EXPECT_EQ(edit->BoundsRect(), Bounds(300, 210, 90, 21));
    EXPECT_EQ(label->BoundsRect(), Bounds(10, 20, 140, 13));
    EXPECT_EQ(aligned->Left(), 0); // an aligned control goes where its alignment puts it
    EXPECT_EQ(aligned->Width(), 400);
    // A window follows its control.
    EXPECT_EQ(edit->Handle()->geometry(), QRect(300, 210, 90, 21));

    // Placed anew, the control keeps the new distances from then on.
    edit->SetLeft(100);
    panel->SetBounds(0, 0, 300, 260);
    EXPECT_EQ(edit->Left(), 0);
    EXPECT_EQ(label->Width(), 40);

    // Going back to the plain anchoring ends the following.
    edit->SetAnchors(TAnchors(Framework::akLeft) | Framework::akTop);
    panel->SetBounds(0, 0, 500, 500);
    EXPECT_EQ(edit->BoundsRect(), Bounds(0, 210, 90, 21));
}

TEST_F(TControlTest, SizeConstraintsHoldForEveryChangeOfSize) {
    edit->Constraints()->SetMinWidth(60);
    edit->Constraints()->SetMaxHeight(30);
    edit->SetBounds(5, 5, 20, 50);
    EXPECT_EQ(edit->BoundsRect(), Bounds(5, 5, 60, 30));
    // New limits apply to the size there is.
    edit->Constraints()->SetMaxWidth(50);
    EXPECT_EQ(edit->Width(), 60); // the minimum wins over a smaller maximum
    edit->Constraints()->SetMinWidth(0);
    EXPECT_EQ(edit->Width(), 50);
}

TEST_F(TControlTest, ShowHintAndBiDiModeFollowTheParentUntilSetOnTheControl) {
    panel->SetShowHint(true);
    panel->SetBiDiMode(TBiDiMode::bdRightToLeft);
    EXPECT_TRUE(label->ShowHint());
    EXPECT_TRUE(label->ParentShowHint());
    EXPECT_EQ(edit->BiDiMode(), TBiDiMode::bdRightToLeft);
    EXPECT_TRUE(edit->ParentBiDiMode());

    label->SetShowHint(false);
    edit->SetBiDiMode(TBiDiMode::bdLeftToRight);
    panel->SetShowHint(false);
    panel->SetShowHint(true);
    panel->SetBiDiMode(TBiDiMode::bdRightToLeftNoAlign);
    EXPECT_FALSE(label->ShowHint());
    EXPECT_FALSE(label->ParentShowHint());
    EXPECT_EQ(edit->BiDiMode(), TBiDiMode::bdLeftToRight);

    label->SetParentShowHint(true);
    edit->SetParentBiDiMode(true);
    EXPECT_TRUE(label->ShowHint());
    EXPECT_EQ(edit->BiDiMode(), TBiDiMode::bdRightToLeftNoAlign);
}

TEST_F(TControlTest, ARightClickOpensThePopupMenuAtThePointerOrAsksTheParent) {
    panel->SetBounds(0, 0, 200, 100);
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 50, 13);
    TPopupMenu* panelMenu = MenuWithOneItem(&owner);
    TPopupMenu* labelMenu = MenuWithOneItem(&owner);
    panel->SetPopupMenu(panelMenu);
    QWidget* window = panel->Handle();

    ClickAt(window, QPoint(100, 50));
    EXPECT_EQ(panelMenu->PopupWindow(), nullptr); // a left click is no request
    ClickAt(window, QPoint(100, 50), Qt::RightButton);
    ASSERT_NE(panelMenu->PopupWindow(), nullptr);
    EXPECT_EQ(panelMenu->PopupPoint(), OnScreen(window, QPoint(100, 50)));
    EXPECT_EQ(panelMenu->PopupComponent(), panel);
    panelMenu->CloseMenu();

    // A control without a menu of its own passes the request on.
    ClickAt(window, QPoint(20, 15), Qt::RightButton);
    ASSERT_NE(panelMenu->PopupWindow(), nullptr);
    EXPECT_EQ(panelMenu->PopupPoint(), OnScreen(window, QPoint(20, 15)));
    panelMenu->CloseMenu();

    label->SetPopupMenu(labelMenu);
    ClickAt(window, QPoint(20, 15), Qt::RightButton);
    EXPECT_EQ(panelMenu->PopupWindow(), nullptr);
    ASSERT_NE(labelMenu->PopupWindow(), nullptr);
    EXPECT_EQ(labelMenu->PopupComponent(), label);
    labelMenu->CloseMenu();

    delete labelMenu;
    EXPECT_EQ(label->PopupMenu(), nullptr);
}
