#include "framework/core/TCustomForm.h"

#include "TestSupport.h"
#include "WindowTestSupport.h"
#include "framework/core/Exception.h"
#include "framework/core/TForm.h"
#include "framework/graphics/TRegion.h"
#include "framework/platform/WindowSystem.h"

#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

using namespace TestSupport;

class TCustomFormTest : public testing::Test {
protected:
    RecordingApplication recorder;
    TApplication* app = recorder.application.get();
};

TEST_F(TCustomFormTest, TheClientAreaIsTheWindowLessItsFrame) {
    TForm form(nullptr);
    form.SetBorderStyle(TFormBorderStyle::bsSizeable);
    form.SetClientWidth(500);
    form.SetClientHeight(453);
    EXPECT_EQ(form.Width(), 508);
    EXPECT_EQ(form.Height(), 453 + 8 + 19);
    EXPECT_EQ(form.ClientWidth(), 500);

    // Another frame: the client area keeps its size, the window changes around it.
    form.SetBorderStyle(TFormBorderStyle::bsSingle);
    EXPECT_EQ(form.ClientWidth(), 500);
    EXPECT_EQ(form.ClientHeight(), 453);
    EXPECT_EQ(form.Width(), 506);
    EXPECT_EQ(form.Height(), 453 + 6 + 19);
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    EXPECT_EQ(form.Width(), 500);
    EXPECT_EQ(form.Height(), 453);
    EXPECT_EQ(form.ClientHeight(), 453);
    EXPECT_EQ(form.Handle()->size(), QSize(500, 453));
}

TEST_F(TCustomFormTest, MinimumWidthClampsTheWindow) {
    TForm form(nullptr);
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    form.SetWidth(400);
    form.Constraints()->SetMinWidth(270);
    form.SetWidth(100);
    EXPECT_EQ(form.Width(), 270);
    form.SetWidth(300);
    EXPECT_EQ(form.Width(), 300);
    form.Constraints()->SetMinWidth(0);
    form.SetWidth(200);
    EXPECT_EQ(form.Width(), 200);
    form.Constraints()->SetMinWidth(250);
    EXPECT_EQ(form.Width(), 250);
}

TEST_F(TCustomFormTest, ClosingTheMainFormRunsOnCloseOnceAndEndsTheProgram) {
    TForm* form = nullptr;
    app->CreateForm(form);
    int closes = 0;
    form->OnClose = [&](TObject* sender, TCloseAction& action) {
        EXPECT_EQ(sender, form);
        EXPECT_EQ(action, TCloseAction::caHide);
        ++closes;
    };
    form->Show();
    form->Close();
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(app->Terminated());
    EXPECT_FALSE(form->Handle()->isVisible());
    form->Close();
    EXPECT_EQ(closes, 1);
}

TEST_F(TCustomFormTest, CaNoneKeepsTheFormOpen) {
    TForm* form = nullptr;
    app->CreateForm(form);
    int closes = 0;
    form->OnClose = [&](TObject*, TCloseAction& action) {
        ++closes;
        action = TCloseAction::caNone;
    };
    form->Show();
    form->Close();
    form->Close();
    EXPECT_EQ(closes, 2);
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(form->Handle()->isVisible());
    EXPECT_FALSE(app->Terminated());
}

TEST_F(TCustomFormTest, TheToolkitsCloseRequestGoesThroughClose) {
    TForm* form = nullptr;
    app->CreateForm(form);
    bool keepOpen = true;
    int closes = 0;
    form->OnClose = [&](TObject*, TCloseAction& action) {
        ++closes;
        if (keepOpen)
            action = TCloseAction::caNone;
    };
    form->Show();
    EXPECT_FALSE(form->Handle()->close());
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(form->Handle()->isVisible());

    keepOpen = false;
    form->Handle()->close();
    EXPECT_EQ(closes, 2);
    EXPECT_FALSE(form->Handle()->isVisible());
    EXPECT_TRUE(app->Terminated());
}

TEST_F(TCustomFormTest, StyleBitsFollowBorderStyleAndIconsAndShapeTheFrame) {
    TForm form(nullptr);
    EXPECT_EQ(form.WindowStyle(),
              WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    form.SetBorderIcons(TBorderIcons(Framework::biSystemMenu) | Framework::biMinimize);
    EXPECT_EQ(form.WindowStyle(), WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX);
    form.SetBorderStyle(TFormBorderStyle::bsDialog);
    EXPECT_EQ(form.WindowStyle(), WS_CAPTION | WS_SYSMENU); // dialogs have no boxes
    form.SetBorderIcons({});
    EXPECT_EQ(form.WindowStyle(), WS_CAPTION);
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    EXPECT_EQ(form.WindowStyle(), 0u);
    EXPECT_TRUE(form.Handle()->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(form.Handle()->testAttribute(Qt::WA_TranslucentBackground));

    // Clearing the caption bits takes the frame away; the window keeps its size.
    TForm sizeable(nullptr);
    sizeable.SetBounds(10, 20, 308, 227);
    sizeable.SetWindowStyle(sizeable.WindowStyle() & 0xFF3FFFFF);
    EXPECT_EQ(sizeable.WindowStyle(), WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    EXPECT_TRUE(sizeable.Handle()->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(sizeable.BoundsRect(), Bounds(10, 20, 308, 227));
    EXPECT_EQ(sizeable.ClientWidth(), 308);
    EXPECT_EQ(sizeable.Handle()->size(), QSize(308, 227));
    sizeable.SetWindowStyle(sizeable.WindowStyle() | WS_CAPTION);
    EXPECT_EQ(sizeable.ClientHeight(), 227 - 8 - 19);
    EXPECT_FALSE(sizeable.Handle()->windowFlags() & Qt::FramelessWindowHint);
}

TEST_F(TCustomFormTest, TheMenuIsAMainMenuOrNone) {
    TForm form(nullptr);
    EXPECT_EQ(form.Menu(), nullptr);
    TComponent notAMenu(&form);
    notAMenu.SetName(QStringLiteral("Button1"));
    try {
        form.SetMenu(&notAMenu);
        FAIL() << "expected an error";
    } catch (const EComponentError& e) {
        EXPECT_EQ(e.Message(), "Button1 is no main menu");
    }
    EXPECT_EQ(form.Menu(), nullptr);
    form.SetMenu(nullptr);
    EXPECT_EQ(form.Menu(), nullptr);
}

TEST_F(TCustomFormTest, AHookOnTheFormCanBeRemovedAndThePreviousProcedureRuns) {
    TForm form(nullptr);
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    const TWndMethod saved = form.WindowProc;
    int hooked = 0;
    form.WindowProc = [&](TMessage& m) {
        ++hooked;
        saved(m);
        if (m.Msg == WM_NCHITTEST)
            m.Result = HTCAPTION;
    };
    EXPECT_EQ(form.Perform(WM_NCHITTEST, 0, MakeLParam(5, 5)), HTCAPTION);
    form.WindowProc = saved; // the frame goes before its host
    EXPECT_EQ(form.Perform(WM_NCHITTEST, 0, MakeLParam(5, 5)), HTCLIENT);
    EXPECT_EQ(hooked, 1);
}

TEST_F(TCustomFormTest, SystemCommandsMinimiseMaximiseRestoreAndClose) {
    TForm* form = nullptr;
    app->CreateForm(form);
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    form->SetBounds(50, 60, 300, 200);
    form->Show();
    std::vector<WPARAM> sizes;
    const TWndMethod previous = form->WindowProc;
    form->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_SIZE)
            sizes.push_back(m.WParam);
        previous(m);
    };
    // Offscreen no window manager places windows: the form maximises itself.
    ASSERT_FALSE(WindowSystem::PlacesWindows());
    const TRect work = WindowSystem::WorkArea();

    EXPECT_EQ(form->NormalBounds(), Bounds(50, 60, 300, 200));
    form->Perform(WM_SYSCOMMAND, SC_MAXIMIZE);
    EXPECT_EQ(form->WindowState(), TWindowState::wsMaximized);
    EXPECT_EQ(form->BoundsRect(), work);
    EXPECT_EQ(form->NormalBounds(), Bounds(50, 60, 300, 200));
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ(sizes.back(), SIZE_MAXIMIZED);
    form->Perform(WM_SYSCOMMAND, SC_MAXIMIZE); // again: the normal bounds stay remembered
    QCoreApplication::processEvents();
    EXPECT_EQ(form->BoundsRect(), work);
    // New bounds keep it maximised (a bare skinned form leaves the bottom row free).
    form->SetBounds(work.Left, work.Top, work.Width(), work.Height() - 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->WindowState(), TWindowState::wsMaximized);

    form->Perform(WM_SYSCOMMAND, SC_RESTORE);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->WindowState(), TWindowState::wsNormal);
    EXPECT_EQ(form->BoundsRect(), Bounds(50, 60, 300, 200));
    EXPECT_EQ(form->Handle()->geometry(), QRect(50, 60, 300, 200));
    EXPECT_EQ(sizes.back(), SIZE_RESTORED);

    form->Perform(WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_EQ(form->WindowState(), TWindowState::wsMinimized);
    form->Perform(WM_SYSCOMMAND, SC_RESTORE);
    EXPECT_EQ(form->WindowState(), TWindowState::wsNormal);
    EXPECT_EQ(form->BoundsRect(), Bounds(50, 60, 300, 200));

    int closes = 0;
    form->OnClose = [&](TObject*, TCloseAction&) { ++closes; };
    form->Perform(WM_SYSCOMMAND, SC_CLOSE);
    EXPECT_EQ(closes, 1);
}

TEST_F(TCustomFormTest, ASizeAndPlaceChangeReachesTheWindowInOneStep) {
    auto form = WindowTestSupport::ShowFramelessForm(Bounds(10, 10, 200, 100));
    std::vector<QRect> seen;
    const TWndMethod previous = form->WindowProc;
    QWidget* window = form->Handle();
    form->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_SIZE || m.Msg == WM_MOVE)
            seen.push_back(window->geometry());
        previous(m);
    };
    form->SetBounds(40, 50, 260, 180);
    QCoreApplication::processEvents();
    ASSERT_FALSE(seen.empty());
    for (const QRect& r : seen)
        EXPECT_EQ(r, QRect(40, 50, 260, 180)); // never moved with the old size
}

TEST_F(TCustomFormTest, AWindowRegionMasksTheWindowAndClearsThePixelsOutside) {
    auto form = WindowTestSupport::ShowFramelessForm(Bounds(10, 10, 60, 40));
    form->SetColor(clBlue);
    // A control covering the corners paints them too; the region still takes them away.
    TPanel* bar = WindowTestSupport::AddPanel(form.get(), Bounds(0, 0, 60, 20), "Bar");
    bar->SetColor(clRed);
    const TRegion region = TRegion::CreateRoundRectRgn(0, 0, 61, 41, 11, 11);
    form->SetWindowRegion(region);
    EXPECT_EQ(form->Handle()->mask(), region.ToQRegion());
    // A control added later stays under the clearing.
    TPanel* late = WindowTestSupport::AddPanel(form.get(), Bounds(0, 20, 60, 20), "Late");
    late->SetColor(clLime);

    // Drawn without the mask, as a compositor shows a translucent window's pixels.
    QImage image(60, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    form->Handle()->render(&image, QPoint(), QRegion(),
                           QWidget::DrawWindowBackground | QWidget::DrawChildren |
                               QWidget::IgnoreMask);
    for (const QPoint corner : {QPoint(0, 0), QPoint(59, 0), QPoint(0, 39), QPoint(59, 39)})
        EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << corner.x() << "," << corner.y();
    EXPECT_EQ(image.pixel(4, 10), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(30, 30), qRgb(0, 255, 0));

    form->SetWindowRegion(TRegion());
    EXPECT_TRUE(form->Handle()->mask().isEmpty());
    image.fill(Qt::transparent);
    form->Handle()->render(&image, QPoint(), QRegion(),
                           QWidget::DrawWindowBackground | QWidget::DrawChildren);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 255);
    EXPECT_EQ(qAlpha(image.pixel(59, 39)), 255);
}

TEST(KeptWithin, MovesARectangleOntoTheAreaAsFarAsItFits) {
    const TRect area = Rect(0, 0, 853, 533);
    // The program's stored place at one and a half times the density: 405, 172, 500 x 453.
    EXPECT_EQ(KeptWithin(Bounds(405, 172, 500, 453), area), Bounds(353, 80, 500, 453));
    EXPECT_EQ(KeptWithin(Bounds(10, 20, 100, 100), area), Bounds(10, 20, 100, 100));
    EXPECT_EQ(KeptWithin(Bounds(-50, -9, 100, 100), area), Bounds(0, 0, 100, 100));
    // Larger than the area: the top-left corner (the title bar) stays on it.
    EXPECT_EQ(KeptWithin(Bounds(300, 300, 900, 600), area), Bounds(0, 0, 900, 600));
    EXPECT_EQ(KeptWithin(Bounds(0, 0, 10, 10), Rect(100, 50, 300, 200)), Bounds(100, 50, 10, 10));
}

TEST(OnDeviceGrid, MovesACoordinateBackOntoAWholeDevicePixel) {
    EXPECT_EQ(OnDeviceGrid(353, 1), 353);
    EXPECT_EQ(OnDeviceGrid(353, 2), 353);
    EXPECT_EQ(OnDeviceGrid(353, 1.5), 352);
    EXPECT_EQ(OnDeviceGrid(352, 1.5), 352);
    EXPECT_EQ(OnDeviceGrid(7, 1.25), 4);
    EXPECT_EQ(OnDeviceGrid(-3, 1.5), -4);
    EXPECT_EQ(OnDeviceGrid(10, 1.1), 10); // no whole pixel within reach: left as it is
}

TEST_F(TCustomFormTest, AFormShownWithAPlacePartlyOffTheScreenIsMovedOntoItsWorkArea) {
    const TRect work = WindowSystem::WorkArea();
    TForm form(nullptr);
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    form.SetBounds(work.Right - 100, work.Bottom - 50, 300, 200);
    form.Show();
    EXPECT_EQ(form.BoundsRect(), Bounds(work.Right - 300, work.Bottom - 200, 300, 200));
    EXPECT_EQ(form.Handle()->pos(), QPoint(work.Right - 300, work.Bottom - 200));
    form.Hide();
    form.SetBounds(work.Left + 10, work.Top + 20, 300, 200);
    form.Show();
    EXPECT_EQ(form.Handle()->pos(), QPoint(work.Left + 10, work.Top + 20));
}
