#include "framework/core/TWinControl.h"

#include "TestSupport.h"
#include "framework/controls/TEdit.h"
#include "framework/controls/TLabel.h"
#include "framework/controls/TMemo.h"
#include "framework/controls/TPanel.h"
#include "framework/core/Exception.h"
#include "framework/core/TForm.h"
#include "framework/graphics/Colors.h"

#include <QHelpEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolTip>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

QString Describe(const TMessage& m) {
    switch (m.Msg) {
    case WM_MOUSEWHEEL:
        return QStringLiteral("wheel %1").arg(static_cast<std::int16_t>(HiWord(m.WParam)));
    case WM_MOUSEHWHEEL:
        return QStringLiteral("hwheel %1").arg(static_cast<std::int16_t>(HiWord(m.WParam)));
    case WM_LBUTTONDOWN:
        return QStringLiteral("ldown %1,%2").arg(GetXLParam(m.LParam)).arg(GetYLParam(m.LParam));
    case WM_LBUTTONUP:
        return QStringLiteral("lup %1,%2").arg(GetXLParam(m.LParam)).arg(GetYLParam(m.LParam));
    case WM_KEYDOWN:
        return QStringLiteral("keydown %1").arg(m.WParam);
    case WM_CHAR:
        return QStringLiteral("char %1").arg(QChar(char16_t(m.WParam)));
    case WM_KEYUP:
        return QStringLiteral("keyup %1").arg(m.WParam);
    default:
        return {};
    }
}

// The tooltip the window shows when the pointer rests at `p`; empty for none.
QString TooltipAt(QWidget* window, QPoint p) {
    QToolTip::hideText();
    QHelpEvent event(QEvent::ToolTip, p, window->mapToGlobal(p));
    QCoreApplication::sendEvent(window, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

} // namespace

class TWinControlTest : public testing::Test {
protected:
    RecordingApplication app;
    TComponent owner{nullptr};
    QStringList heard;

    // Hooks `control`, writes the messages it understands and keeps the ones `keep` selects.
    void Hook(TControl* control, std::function<bool(const TMessage&)> keep = {}) {
        TWndMethod previous = control->WindowProc;
        control->WindowProc = [this, previous, keep](TMessage& m) {
            const QString text = Describe(m);
            if (!text.isEmpty())
                heard << text;
            if (keep && keep(m))
                return;
            previous(m);
        };
    }
};

TEST_F(TWinControlTest, AHookThatKeepsAMessageStopsTheControlsOwnHandling) {
    auto* panel = new TPanel(&owner);
    int downs = 0;
    panel->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; };
    Hook(panel, [](const TMessage& m) { return m.Msg == WM_LBUTTONDOWN; });
    panel->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(5, 5));
    EXPECT_EQ(downs, 0);
    // Handed on, the same message reaches the control's own procedure.
    panel->Perform(WM_LBUTTONUP, 0, MakeLParam(5, 5));
    auto* other = new TPanel(&owner);
    other->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; };
    Hook(other);
    other->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(5, 5));
    EXPECT_EQ(downs, 1);
}

TEST_F(TWinControlTest, PerformReturnsTheResultOfTheProcedureChain) {
    auto* panel = new TPanel(&owner);
    Hook(panel);
    TWndMethod previous = panel->WindowProc;
    panel->WindowProc = [previous](TMessage& m) {
        if (m.Msg == WM_USER + 7) {
            m.Result = static_cast<LRESULT>(m.WParam + 2 * m.LParam);
            return;
        }
        previous(m);
    };
    EXPECT_EQ(panel->Perform(WM_USER + 7, 5, 20), 45);
}

TEST_F(TWinControlTest, ToolkitInputArrivesAsWindowMessages) {
    auto* panel = new TPanel(&owner);
    panel->SetBounds(0, 0, 200, 100);
    Hook(panel);
    QWidget* window = panel->Handle();

    SendWheel(window, QPoint(10, 10), -240);
    SendWheel(window, QPoint(10, 10), 120);
    Press(window, QPoint(17, 33));
    Release(window, QPoint(18, 34));
    TypeKey(window, Qt::Key_A, QStringLiteral("a"));
    EXPECT_EQ(heard, (QStringList{"wheel -240", "wheel 120", "ldown 17,33", "lup 18,34",
                                  QStringLiteral("keydown %1").arg(int('A')), "char a",
                                  QStringLiteral("keyup %1").arg(int('A'))}));
}

TEST_F(TWinControlTest, EachWheelAxisIsAMessageOfItsOwnInWholeNotches) {
    auto* panel = new TPanel(&owner);
    panel->SetBounds(0, 0, 200, 100);
    Hook(panel);
    QWidget* window = panel->Handle();

    // Button 7, a tilt to the right: the toolkit counts it negative, the platform positive.
    SendWheelAngle(window, QPoint(10, 10), QPoint(-120, 0));
    SendWheelAngle(window, QPoint(10, 10), QPoint(120, 0));
    EXPECT_EQ(heard, (QStringList{"hwheel 120", "hwheel -120"}));
    heard.clear();
    // A touchpad's start and end of a gesture move nothing.
    SendWheelAngle(window, QPoint(10, 10), QPoint(0, 0), Qt::ScrollBegin);
    SendWheelAngle(window, QPoint(10, 10), QPoint(0, 0), Qt::ScrollEnd);
    EXPECT_TRUE(heard.isEmpty());
    // Diagonal: one message for each axis.
    SendWheelAngle(window, QPoint(10, 10), QPoint(-120, -240));
    EXPECT_EQ(heard, (QStringList{"wheel -240", "hwheel 120"}));
    heard.clear();
    // Six parts of a three-notch swipe, and one event of three notches.
    for (int i = 0; i < 6; ++i)
        SendWheelAngle(window, QPoint(10, 10), QPoint(0, -60));
    SendWheelAngle(window, QPoint(10, 10), QPoint(0, 360));
    EXPECT_EQ(heard, (QStringList{"wheel -120", "wheel -120", "wheel -120", "wheel 360"}));
}

TEST_F(TWinControlTest, AWheelEventTheApplicationFilterSawIsGatheredOnce) {
    auto* panel = new TPanel(&owner);
    panel->SetBounds(0, 0, 200, 100);
    Hook(panel);
    int filtered = 0;
    app.application->OnMessage = [&](TMsg& msg, bool&) {
        filtered += msg.message == WM_MOUSEWHEEL;
    };
    for (int i = 0; i < 4; ++i)
        SendWheelAngle(panel->Handle(), QPoint(10, 10), QPoint(0, 60));
    EXPECT_EQ(heard, (QStringList{"wheel 120", "wheel 120"}));
    EXPECT_EQ(filtered, 2);
}

TEST_F(TWinControlTest, InputToAViewportIsTheWindowsInputInWindowCoordinates) {
    auto* memo = new TMemo(&owner);
    memo->SetBounds(0, 0, 200, 100);
    auto* editor = static_cast<QPlainTextEdit*>(memo->Handle());
    Hook(memo);
    QWidget* viewport = editor->viewport();
    const QPoint inWindow = viewport->mapTo(editor, QPoint(20, 30));
    ASSERT_NE(inWindow, QPoint(20, 30)); // the frame puts the viewport off the window's origin

    Press(viewport, QPoint(20, 30));
    Release(viewport, QPoint(20, 30));
    SendWheel(viewport, QPoint(20, 30), -120);
    // Each one once, although the viewport hands unaccepted input on to the window.
    EXPECT_EQ(heard, (QStringList{QStringLiteral("ldown %1,%2").arg(inWindow.x()).arg(inWindow.y()),
                                  QStringLiteral("lup %1,%2").arg(inWindow.x()).arg(inWindow.y()),
                                  "wheel -120"}));
}

TEST_F(TWinControlTest, AKeptWheelDoesNotScrollTheMemo) {
    auto* memo = new TMemo(&owner);
    memo->SetBounds(0, 0, 200, 60);
    QStringList lines;
    for (int i = 0; i < 100; ++i)
        lines << QStringLiteral("line %1").arg(i);
    memo->SetLines(lines);
    memo->SetScrollBars(TScrollStyle::ssVertical);
    auto* editor = static_cast<QPlainTextEdit*>(memo->Handle());
    editor->show();
    QScrollBar* bar = editor->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);

    bool keep = true;
    Hook(memo, [&](const TMessage& m) { return keep && m.Msg == WM_MOUSEWHEEL; });
    SendWheel(editor->viewport(), QPoint(20, 20), -120);
    EXPECT_EQ(bar->value(), 0);
    keep = false;
    SendWheel(editor->viewport(), QPoint(20, 20), -120);
    EXPECT_GT(bar->value(), 0);
}

TEST_F(TWinControlTest, AKeptKeyDoesNotTypeIntoTheEdit) {
    auto* edit = new TEdit(&owner);
    Hook(edit, [](const TMessage& m) { return m.Msg == WM_CHAR && m.WParam == 'x'; });
    TypeKey(edit->Handle(), Qt::Key_X, QStringLiteral("x"));
    TypeKey(edit->Handle(), Qt::Key_Y, QStringLiteral("y"));
    TypeKey(edit->Handle(), Qt::Key_X, QStringLiteral("x"));
    EXPECT_EQ(edit->Text(), QStringLiteral("y"));
}

TEST_F(TWinControlTest, AnErrorInAHandlerIsReportedAndInputCarriesOn) {
    auto* panel = new TPanel(&owner);
    panel->SetBounds(0, 0, 100, 100);
    int downs = 0;
    panel->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) {
        if (++downs == 1)
            throw EDatabaseError(QStringLiteral("数据集已关闭"));
    };
    Press(panel->Handle(), QPoint(5, 5));
    Release(panel->Handle(), QPoint(5, 5));
    ASSERT_EQ(app.boxes.size(), 1u);
    EXPECT_EQ(app.boxes[0].kind, TMessageBoxKind::Error);
    EXPECT_EQ(app.boxes[0].text, QStringLiteral("数据集已关闭"));
    Press(panel->Handle(), QPoint(5, 5));
    EXPECT_EQ(downs, 2);
    EXPECT_EQ(app.boxes.size(), 1u);
}

TEST_F(TWinControlTest, GraphicControlsGetTheParentsMouseInTheirOwnCoordinates) {
    auto* panel = new TPanel(&owner);
    panel->SetBounds(0, 0, 200, 100);
    panel->Handle();
    auto* label = new TLabel(&owner);
    label->SetAutoSize(false);
    label->SetParent(panel);
    label->SetBounds(40, 20, 50, 15);
    QStringList seen;
    int clicks = 0;
    label->OnMouseDown = [&](TObject*, TMouseButton b, TShiftState, int x, int y) {
        seen << QStringLiteral("label down %1 %2,%3").arg(int(b)).arg(x).arg(y);
    };
    label->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
        seen << QStringLiteral("label up %1,%2").arg(x).arg(y);
    };
    label->OnClick = [&](TObject*) { ++clicks; };
    panel->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
        seen << QStringLiteral("panel down %1,%2").arg(x).arg(y);
    };
    QWidget* window = panel->Handle();

    Press(window, QPoint(45, 27));
    Release(window, QPoint(48, 30));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(seen, (QStringList{"label down 0 5,7", "label up 8,10"}));

    // Pressed inside and released outside is no click; the release still goes to the label.
    seen.clear();
    Press(window, QPoint(45, 27));
    Release(window, QPoint(150, 80));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(seen, (QStringList{"label down 0 5,7", "label up 110,60"}));

    seen.clear();
    label->SetEnabled(false);
    ClickAt(window, QPoint(45, 27));
    label->SetEnabled(true);
    label->SetVisible(false);
    ClickAt(window, QPoint(46, 28));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(seen, (QStringList{"panel down 45,27", "panel down 46,28"}));
}

TEST_F(TWinControlTest, TheCursorIsThatOfTheGraphicControlUnderTheMouse) {
    auto* panel = new TPanel(&owner);
    panel->SetBounds(0, 0, 200, 100);
    auto* link = new TLabel(&owner);
    link->SetAutoSize(false);
    link->SetParent(panel);
    link->SetBounds(10, 10, 40, 15);
    link->SetCursor(crHandPoint);
    auto* plain = new TLabel(&owner);
    plain->SetAutoSize(false);
    plain->SetParent(panel);
    plain->SetBounds(100, 10, 40, 15);
    QWidget* window = panel->Handle();

    MoveMouse(window, QPoint(20, 15));
    EXPECT_EQ(window->cursor().shape(), Qt::PointingHandCursor);
    MoveMouse(window, QPoint(110, 15));
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
    MoveMouse(window, QPoint(20, 15));
    MoveMouse(window, QPoint(80, 80));
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(TWinControlTest, AlignedChildrenShareTheClientArea) {
    auto* panel = new TPanel(&owner);
    panel->SetBounds(0, 0, 200, 100);
    auto* top = new TPanel(&owner);
    top->SetParent(panel);
    top->SetHeight(20);
    top->SetAlign(TAlign::alTop);
    auto* client = new TPanel(&owner);
    client->SetParent(panel);
    client->SetAlign(TAlign::alClient);
    EXPECT_EQ(top->BoundsRect(), Bounds(0, 0, 200, 20));
    EXPECT_EQ(client->BoundsRect(), Bounds(0, 20, 200, 80));

    panel->SetBounds(0, 0, 300, 150);
    EXPECT_EQ(top->BoundsRect(), Bounds(0, 0, 300, 20));
    EXPECT_EQ(client->BoundsRect(), Bounds(0, 20, 300, 130));
    top->SetVisible(false);
    EXPECT_EQ(client->BoundsRect(), Bounds(0, 0, 300, 150));
}

TEST_F(TWinControlTest, BoundsVisibilityAndEnabledStateAreTheWindows) {
    auto* panel = new TPanel(&owner);
    panel->SetBounds(0, 0, 300, 200);
    auto* edit = new TEdit(&owner);
    edit->SetParent(panel);
    panel->Handle();
    edit->SetBounds(5, 6, 70, 30);
    EXPECT_EQ(edit->Handle()->geometry(), QRect(5, 6, 70, 30));
    EXPECT_EQ(edit->Handle()->parentWidget(), panel->Handle());
    edit->SetLeft(40);
    EXPECT_EQ(edit->Handle()->geometry(), QRect(40, 6, 70, 30));

    edit->SetVisible(false);
    EXPECT_TRUE(edit->Handle()->isHidden());
    edit->SetVisible(true);
    EXPECT_FALSE(edit->Handle()->isHidden());
    edit->SetEnabled(false);
    EXPECT_FALSE(edit->Handle()->isEnabled());
    EXPECT_FALSE(edit->CanFocus());
    EXPECT_THROW(edit->SetFocus(), EComponentError);
    edit->SetEnabled(true);
    EXPECT_TRUE(edit->Handle()->isEnabled());
    panel->SetVisible(false);
    EXPECT_FALSE(edit->CanFocus());
}

TEST_F(TWinControlTest, TheTabOrderListIsDepthFirstByTabOrder) {
    TForm form(nullptr);
    auto make = [&](TWinControl* control, TWinControl* parent, const char* name, int order) {
        control->SetName(QString::fromLatin1(name));
        control->SetParent(parent);
        control->SetTabOrder(order);
        return control;
    };
    auto* panel = make(new TPanel(&form), &form, "Panel", 1);
    auto* last = make(new TEdit(&form), &form, "Last", 2);
    auto* inner2 = make(new TEdit(&form), panel, "Inner2", 1);
    auto* inner1 = make(new TEdit(&form), panel, "Inner1", 0);
    auto* first = make(new TEdit(&form), &form, "First", 0);

    std::vector<TWinControl*> list;
    form.GetTabOrderList(list);
    EXPECT_EQ(list, (std::vector<TWinControl*>{first, panel, inner1, inner2, last}));

    // The toolkit's focus walk goes the same way through the controls that stop the tab; the
    // chain holds the others too (the panel, the form), which Tab passes over.
    const auto nextTabStop = [](TWinControl* control) {
        QWidget* next = control->Handle()->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        return next;
    };
    EXPECT_EQ(nextTabStop(first), inner1->Handle());
    EXPECT_EQ(nextTabStop(inner1), inner2->Handle());
    EXPECT_EQ(nextTabStop(inner2), last->Handle());
}

TEST_F(TWinControlTest, TheShortHintShowsAsTheTooltipOfTheControlUnderThePointer) {
    auto* panel = new TPanel(&owner);
    panel->SetBounds(0, 0, 200, 100);
    panel->Handle();
    auto* label = new TLabel(&owner);
    label->SetParent(panel);
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 50, 13);
    auto* edit = new TEdit(&owner);
    edit->SetParent(panel);
    edit->SetBounds(10, 50, 100, 21);
    panel->SetHint(QStringLiteral("面板|状态栏里的长提示"));
    label->SetHint(QStringLiteral("标签"));
    edit->SetHint(QStringLiteral("关键字|输入要找的词"));

    // ShowHint is off by default.
    EXPECT_EQ(TooltipAt(panel->Handle(), QPoint(100, 20)), QString());
    panel->SetShowHint(true);
    EXPECT_EQ(TooltipAt(panel->Handle(), QPoint(100, 20)), QStringLiteral("面板"));
    EXPECT_EQ(TooltipAt(panel->Handle(), QPoint(20, 15)), QStringLiteral("标签"));
    EXPECT_EQ(TooltipAt(edit->Handle(), QPoint(5, 5)), QStringLiteral("关键字"));

    // A control showing no hint leaves the tooltip to its parent.
    label->SetShowHint(false);
    EXPECT_EQ(TooltipAt(panel->Handle(), QPoint(20, 15)), QStringLiteral("面板"));
    edit->SetHint(QString());
    EXPECT_EQ(TooltipAt(edit->Handle(), QPoint(5, 5)), QStringLiteral("面板"));
    QToolTip::hideText();
}

TEST_F(TWinControlTest, Ctl3DFollowsTheParentUntilSetOnTheControl) {
    auto* panel = new TPanel(&owner);
    auto* edit = new TEdit(&owner);
    edit->SetParent(panel);
    panel->SetCtl3D(false);
    EXPECT_FALSE(edit->Ctl3D());
    EXPECT_TRUE(edit->ParentCtl3D());
    // The edit draws the flat border.
    const auto flatBorder = [edit] {
        return edit->Handle()->grab().toImage().pixelColor(0, 10) == ToQColor(clWindowFrame);
    };
    EXPECT_TRUE(flatBorder());

    edit->SetCtl3D(true);
    panel->SetCtl3D(true);
    panel->SetCtl3D(false);
    EXPECT_TRUE(edit->Ctl3D());
    EXPECT_FALSE(flatBorder());
    edit->SetParentCtl3D(true);
    EXPECT_FALSE(edit->Ctl3D());
}
