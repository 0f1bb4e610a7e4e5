// Moving and resizing a frameless form by the pointer, where the window system leaves it to the
// program (the offscreen platform, like X11 without a window manager).
#include "framework/core/WindowMover.h"

#include "WindowTestSupport.h"
#include "framework/core/TSizeConstraints.h"

#include <QTimer>
#include <gtest/gtest.h>

using namespace TestSupport;
using namespace WindowTestSupport;

namespace {

constexpr TRect kStart = Rect(100, 100, 400, 300);

} // namespace

TEST(WindowMoverBounds, TheCaptionMovesTheWholeWindow) {
    TSizeConstraints none;
    EXPECT_EQ(WindowMover::DraggedBounds(kStart, HTCAPTION, {-30, 12}, none),
              Rect(70, 112, 370, 312));
}

TEST(WindowMoverBounds, DraggedEdgesFollowAndOppositeEdgesStay) {
    TSizeConstraints none;
    EXPECT_EQ(WindowMover::DraggedBounds(kStart, HTLEFT, {-20, 50}, none), Rect(80, 100, 400, 300));
    EXPECT_EQ(WindowMover::DraggedBounds(kStart, HTBOTTOMRIGHT, {10, 20}, none),
              Rect(100, 100, 410, 320));
    EXPECT_EQ(WindowMover::DraggedBounds(kStart, HTTOPRIGHT, {5, 7}, none),
              Rect(100, 107, 405, 300));
    // Past the opposite edge the window keeps no size rather than turning inside out.
    EXPECT_EQ(WindowMover::DraggedBounds(kStart, HTTOP, {0, 500}, none), Rect(100, 300, 400, 300));
}

TEST(WindowMoverBounds, TheLimitsHoldWithTheOppositeEdgeInPlace) {
    TSizeConstraints limits;
    limits.SetMinWidth(270);
    limits.SetMaxHeight(250);
    EXPECT_EQ(WindowMover::DraggedBounds(kStart, HTTOPLEFT, {100, -100}, limits),
              Rect(130, 50, 400, 300));
    EXPECT_EQ(WindowMover::DraggedBounds(kStart, HTBOTTOMLEFT, {-10, 100}, limits),
              Rect(90, 100, 400, 350));
}

class WindowMoverTest : public testing::Test {
protected:
    // Runs `drag` (pointer moves and the release) inside the press that starts the drag, as the
    // window system delivers them while the press is being handled.
    static void PressAndDrag(TCustomForm& form, QPoint from, std::function<void()> drag) {
        QCursor::setPos(from);
        QCoreApplication::processEvents(); // the window system hears of the pointer first
        QTimer::singleShot(0, std::move(drag));
        PressAt(form, from);
    }

    RecordingApplication app;
};

// The skin's title bar: a press outside its buttons gives up the capture and asks the form for
// the interactive move, which returns when the move is over.
TEST_F(WindowMoverTest, ATitleBarMovesItsFrameLessFormByHtCaption) {
    auto form = ShowFramelessForm(Bounds(100, 100, 300, 200));
    TPanel* titleBar = AddPanel(form.get(), Bounds(0, 0, 300, 20), "TitleBar");
    bool pressedAfterMove = true;
    titleBar->OnMouseDown = [&](TObject*, TMouseButton button, TShiftState, int, int) {
        if (button != TMouseButton::mbLeft)
            return;
        ReleaseCapture();
        form->Perform(WM_NCLBUTTONDOWN, HTCAPTION, 0);
        pressedAfterMove = QGuiApplication::mouseButtons() & Qt::LeftButton;
    };
    int clicks = 0;
    titleBar->OnClick = [&](TObject*) { ++clicks; };

    PressAndDrag(*form, {150, 110}, [&] {
        PointerTo(*form, {170, 140});
        EXPECT_EQ(form->BoundsRect(), Bounds(120, 130, 300, 200));
        PointerTo(*form, {90, 60}); // the pointer is wherever the window went
        ReleaseAt(*form, {90, 60});
    });
    EXPECT_FALSE(pressedAfterMove); // the call returned with the release
    EXPECT_EQ(form->BoundsRect(), Bounds(40, 50, 300, 200));
    EXPECT_EQ(form->Handle()->pos(), QPoint(40, 50));
    EXPECT_EQ(GetCaptureControl(), nullptr);
    EXPECT_EQ(clicks, 0);
}

TEST_F(WindowMoverTest, AMoveStartedLateStillKeepsThePressedPointUnderThePointer) {
    auto form = ShowFramelessForm(Bounds(100, 100, 300, 200));
    TPanel* titleBar = AddPanel(form.get(), Bounds(0, 0, 300, 20), "TitleBar");
    titleBar->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) {
        // A busy machine: by the time the press is handled the pointer has gone on.
        QCursor::setPos(QPoint(185, 136));
        ReleaseCapture();
        form->Perform(WM_NCLBUTTONDOWN, HTCAPTION, 0);
    };
    PressAndDrag(*form, {150, 110}, [&] {
        PointerTo(*form, {190, 140});
        ReleaseAt(*form, {190, 140});
    });
    EXPECT_EQ(form->BoundsRect(), Bounds(140, 130, 300, 200));
}

TEST_F(WindowMoverTest, ABorderCodeResizesWithinTheConstraints) {
    auto form = ShowFramelessForm(Bounds(100, 100, 300, 200));
    form->Constraints()->SetMinWidth(250);
    TCustomForm* host = form.get();
    TWndMethod previous = form->WindowProc;
    form->WindowProc = [previous, host](TMessage& m) {
        previous(m);
        if (m.Msg == WM_NCHITTEST && host->ScreenToClient({GetXLParam(m.LParam), 0}).X < 5)
            m.Result = HTLEFT;
    };
    PressAndDrag(*form, {102, 200}, [&] {
        PointerTo(*form, {82, 210});
        EXPECT_EQ(form->BoundsRect(), Rect(80, 100, 400, 300));
        PointerTo(*form, {202, 210});
        ReleaseAt(*form, {202, 210});
    });
    EXPECT_EQ(form->BoundsRect(), Rect(150, 100, 400, 300));
    EXPECT_EQ(form->Handle()->geometry(), QRect(150, 100, 250, 200));
}

TEST_F(WindowMoverTest, NothingMovesWithoutAHeldButtonOrWhileMaximised) {
    auto form = ShowFramelessForm(Bounds(100, 100, 300, 200));
    form->Perform(WM_NCLBUTTONDOWN, HTCAPTION, 0);
    form->Perform(WM_SYSCOMMAND, SC_SIZE + 1); // the left edge
    EXPECT_EQ(form->BoundsRect(), Bounds(100, 100, 300, 200));

    form->SetWindowState(TWindowState::wsMaximized);
    ASSERT_EQ(form->WindowState(), TWindowState::wsMaximized);
    const TRect maximised = form->BoundsRect();
    TWndMethod previous = form->WindowProc;
    form->WindowProc = [previous](TMessage& m) {
        previous(m);
        if (m.Msg == WM_NCHITTEST)
            m.Result = HTCAPTION;
    };
    PressAndDrag(*form, {50, 50}, [&] {
        PointerTo(*form, {60, 70});
        ReleaseAt(*form, {60, 70});
    });
    EXPECT_EQ(form->BoundsRect(), maximised);
}
