#include "skin/SUITitleBar.h"

#include "framework/core/TApplication.h"
#include "framework/core/TForm.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "framework/graphics/TIcon.h"
#include "framework/menus/TMenuItem.h"
#include "framework/menus/TPopupMenuWindow.h"
#include "framework/platform/WindowSystem.h"
#include "skin/SUIMgr.h"
#include "skin/SUIPublic.h"
#include "skin/support/HighDensity.h"
#include "support/ImageCompare.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QCursor>
#include <QTest>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

constexpr int kBarWidth = 498;
constexpr TColor kMenuBar = 0xCED3D6;
constexpr TColor kMenuBackground = 0xE7E7E7;
constexpr TColor kMenuSelected = 0xEC5E5E;
constexpr TColor kMenuSeparatorLine = 0x848284;

// A skinned frame as far as the bar is concerned: a panel that tells the host's border style.
class StandInFrame : public TCustomPanel, public TsuiTitleBarHost {
public:
    using TCustomPanel::TCustomPanel;
    TFormBorderStyle DesignBorderStyle() const override { return borderStyle; }
    TFormBorderStyle borderStyle = TFormBorderStyle::bsSingle;
};

// One of the 18 title-button pictures of a style.
QImage ButtonFrame(TsuiUIStyle style, int frame) {
    TBitmap bitmap;
    GetStyleBitmap(style, SUI_THEME_TITLEBAR_BUTTON_IMAGE, &bitmap, frame, 18);
    return bitmap.Image();
}

QImage ImageOf(const TPicture* picture) {
    return picture->Bitmap()->Image();
}

// Whether `picture` shows at (x, y) of `image`, its bottom-left colour left out.
bool ShowsTransparently(const QImage& image, const QImage& picture, int x, int y) {
    const TColor transparent = PixelAt(picture, 0, picture.height() - 1);
    for (int py = 0; py < picture.height(); ++py)
        for (int px = 0; px < picture.width(); ++px)
            if (PixelAt(picture, px, py) != transparent &&
                PixelAt(image, x + px, y + py) != PixelAt(picture, px, py))
                return false;
    return true;
}

// The program's window: a 500 x 453 frameless form, a frame at (1, 0) and on it a BlueGlass bar
// with only the close and minimise buttons showing.
class SUITitleBarTest : public testing::Test {
protected:
    SUITitleBarTest() {
        app.SetMessageBoxPresenter(
            [this](TMessageBoxKind, const QString& caption, const QString& text) {
                boxes.push_back(caption + ": " + text);
            });
        form.SetBorderStyle(TFormBorderStyle::bsNone);
        form.SetBounds(405, 172, 500, 453);
        frame->SetParent(&form);
        frame->SetBounds(1, 0, kBarWidth, 452);
        bar->SetParent(frame);
        bar->SetUIStyle(TsuiUIStyle::BlueGlass);
        Button(0)->SetVisible(false);
        Button(2)->SetVisible(false);
        form.Show();
        QCoreApplication::processEvents();
        CursorTo(200, 30); // off the buttons
    }
    TsuiTitleBarButton* Button(int i) { return bar->Buttons()->Items(i); }
    QImage Render() {
        TBitmap image;
        image.SetSize(bar->Width(), bar->Height());
        bar->PaintWindowInto(image.Canvas());
        return image.Image();
    }
    void CursorTo(int x, int y) {
        const TPoint p = bar->ClientToScreen({x, y});
        QCursor::setPos(p.X, p.Y);
    }
    LRESULT HitTestAt(int x, int y) {
        const TPoint p = bar->ClientToScreen({x, y});
        return bar->Perform(WM_NCHITTEST, 0, MakeLParam(p.X, p.Y));
    }
    void Mouse(UINT msg, int x, int y) {
        CursorTo(x, y);
        bar->Perform(msg, msg == WM_LBUTTONUP ? WPARAM(0) : WPARAM(MK_LBUTTON), MakeLParam(x, y));
    }
    void Click(int x, int y) {
        Mouse(WM_LBUTTONDOWN, x, y);
        Mouse(WM_LBUTTONUP, x, y);
    }

    TApplication app;
    std::vector<QString> boxes;
    TForm form{nullptr};
    StandInFrame* frame = new StandInFrame(&form);
    TsuiTitleBar* bar = new TsuiTitleBar(frame);
};

} // namespace

TEST_F(SUITitleBarTest, ConstructionAndTheBlueGlassStyle) {
    TsuiTitleBar plain(nullptr);
    EXPECT_EQ(plain.UIStyle(), TsuiUIStyle::DeepBlue);
    ASSERT_EQ(plain.Buttons()->Count(), 4);
    const TsuiTitleBarBtnType order[] = {suiControlBox, suiClose, suiMax, suiMin};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(plain.Buttons()->Items(i)->ButtonType(), order[i]);
    EXPECT_EQ(plain.HotButtonIndex(), -1);
    EXPECT_TRUE(plain.FormActive());
    EXPECT_EQ(plain.Font()->Name(), QStringLiteral("Tahoma"));
    EXPECT_EQ(plain.SystemMenu()->Owner(), &plain);

    EXPECT_EQ(bar->Height(), 33);
    EXPECT_TRUE(bar->AutoSize());
    EXPECT_EQ(bar->CaptionBoxHeight(), 19);
    EXPECT_EQ(bar->CaptionTop(), 6);
    EXPECT_EQ(bar->LeftBtnXOffset(), 4);
    EXPECT_EQ(bar->RightBtnXOffset(), -3);
    EXPECT_EQ(bar->RoundCorner(), 11);
    EXPECT_EQ(bar->Font()->Color(), clWhite);
    EXPECT_EQ(form.Constraints()->MinWidth(), 270);
    ASSERT_EQ(bar->Sections()->Count(), 3);
    EXPECT_EQ(bar->Sections()->Items(0)->Width(), 162);
    EXPECT_EQ(bar->Sections()->Items(1)->Align(), suiRight);
    EXPECT_EQ(bar->Sections()->Items(1)->Width(), 101);
    EXPECT_EQ(bar->Sections()->Items(2)->Width(), 10);
    EXPECT_TRUE(bar->Sections()->Items(2)->Stretch());
    EXPECT_TRUE(
        SameImage(ImageOf(Button(1)->PicNormal()), ButtonFrame(TsuiUIStyle::BlueGlass, 16)));
    EXPECT_TRUE(Button(1)->Transparent());
    EXPECT_EQ(Button(1)->Top(), 6);
    EXPECT_EQ(bar->SystemMenu()->UIStyle(), TsuiUIStyle::BlueGlass);

    bar->SetUIStyle(TsuiUIStyle::MacOS);
    EXPECT_EQ(bar->Font()->Color(), clBlack);
}

TEST_F(SUITitleBarTest, CustomFileThemeAndItsRemoval) {
    bar->SetCustom(true);
    bar->SetUIStyle(TsuiUIStyle::MacOS);
    EXPECT_EQ(bar->UIStyle(), TsuiUIStyle::MacOS);
    EXPECT_EQ(bar->Font()->Color(), clWhite);
    EXPECT_EQ(bar->Height(), 33);
    EXPECT_EQ(bar->Sections()->Items(0)->Width(), 162);
    EXPECT_EQ(Button(1)->UIStyle(), TsuiUIStyle::BlueGlass);
    bar->SetCustom(false);

    // A file theme keeps the font colour; a style sets it.
    auto* theme = new TsuiFileTheme(&form);
    bar->Font()->SetColor(clRed);
    bar->SetFileTheme(theme);
    EXPECT_EQ(bar->Font()->Color(), clRed);
    bar->SetUIStyle(TsuiUIStyle::FromThemeFile);
    EXPECT_EQ(bar->Font()->Color(), clWhite);
    // Without a valid theme file the look is DeepBlue's, the buttons told to read the theme.
    EXPECT_EQ(Button(1)->UIStyle(), TsuiUIStyle::DeepBlue);

    bar->SetUIStyle(TsuiUIStyle::BlueGlass);
    delete theme;
    EXPECT_EQ(bar->FileTheme(), nullptr);
    EXPECT_EQ(bar->UIStyle(), TsuiUIStyle::DeepBlue);
}

TEST_F(SUITitleBarTest, ProgramLayoutButtonsCaptionAndCornerOutline) {
    const QImage image = Render();
    EXPECT_TRUE(ShowsTransparently(image, ButtonFrame(TsuiUIStyle::BlueGlass, 16), 476, 6));
    EXPECT_TRUE(ShowsTransparently(image, ButtonFrame(TsuiUIStyle::BlueGlass, 13), 456, 6));
    // The rounded outline's top edge in the border colour; none in WinXP or without rounding.
    EXPECT_EQ(PixelAt(image, kBarWidth / 2, 0), clBlack);
    bar->SetRoundCorner(0);
    EXPECT_NE(PixelAt(Render(), kBarWidth / 2, 0), clBlack);

    // The caption: white text from x = 4, centred in the 19-pixel box below y = 6.
    bar->SetRoundCorner(11);
    bar->SetCaption(QStringLiteral("短信查询 V1.0"));
    const QImage expected = Render();
    bar->SetCaption(QString());
    QImage bare = Render();
    TCanvas canvas(&bare);
    canvas.Font().Assign(bar->Font());
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    const QString caption = QStringLiteral("短信查询 V1.0");
    canvas.TextOut(4, (19 - canvas.TextHeight(caption)) / 2 + 6, caption);
    EXPECT_TRUE(SameImage(bare, expected));
}

TEST_F(SUITitleBarTest, NoCornerOutlineInWinXP) {
    bar->SetUIStyle(TsuiUIStyle::WinXP);
    ASSERT_NE(bar->RoundCorner(), 0);
    TBitmap top;
    GetStyleBitmap(TsuiUIStyle::WinXP, SUI_THEME_TITLEBAR_CLIENT_IMAGE, &top);
    EXPECT_EQ(PixelAt(Render(), kBarWidth / 2, 0), PixelAt(top.Image(), 0, 0));
}

TEST_F(SUITitleBarTest, CaptionAsWideAsItsSpaceIsWholeAndOnePixelMoreIsShortened) {
    const QString caption = QStringLiteral("短信查询 V1.0 春节快乐");
    TBitmap scratch;
    TCanvas& measure = scratch.Canvas();
    measure.Font().Assign(bar->Font());
    // Two 19-pixel buttons from W - 42 rightwards, the caption from 4: W - 46 pixels of room.
    const int width = measure.TextWidth(caption) + 46;
    bar->Sections()->Clear(); // the same background whatever the width
    bar->Font()->SetColor(clBlack);
    const int shown = width - 43; // left of the buttons at every width used below
    const auto captionArea = [&](int barWidth, const QString& text) {
        frame->SetWidth(barWidth);
        bar->SetCaption(text);
        return Render().copy(0, 0, shown, 33);
    };
    const QImage whole = captionArea(width + 40, caption);
    EXPECT_TRUE(SameImage(captionArea(width, caption), whole));
    // One pixel less: characters go from the end until the rest with "..." fits.
    QString shortened = caption;
    while (measure.TextWidth(shortened + QStringLiteral("...")) > width - 47)
        shortened.chop(1);
    const QImage cut = captionArea(width - 1, caption);
    EXPECT_FALSE(SameImage(cut, whole));
    EXPECT_TRUE(SameImage(cut, captionArea(width - 1, shortened + QStringLiteral("..."))));
    // Not even "..." fits: nothing is drawn.
    frame->SetWidth(50); // 4 pixels of room
    bar->SetCaption(caption);
    const QImage tiny = Render();
    bar->SetCaption(QString());
    EXPECT_TRUE(SameImage(Render(), tiny));
}

TEST_F(SUITitleBarTest, SectionsFromBothEndsAndTheMiddleLast) {
    bar->Sections()->Clear();
    const auto add = [this](TColor colour, int w, TsuiTitleBarAlign align) {
        TsuiTitleBarSection* s = bar->Sections()->Add();
        s->Picture()->Bitmap()->SetSize(w, 33);
        FillRectColor(s->Picture()->Bitmap()->Canvas(), Rect(0, 0, w, 33), colour);
        s->SetAutoSize(true);
        s->SetAlign(align);
    };
    add(clRed, 100, suiLeft);
    add(clBlue, 50, suiRight);
    add(clLime, 7, suiClient);
    Button(1)->SetVisible(false);
    Button(3)->SetVisible(false);
    bar->SetRoundCorner(0);
    QImage image = Render();
    EXPECT_EQ(PixelAt(image, 99, 20), clRed);
    EXPECT_EQ(PixelAt(image, 100, 20), clLime);
    EXPECT_EQ(PixelAt(image, kBarWidth - 51, 20), clLime);
    EXPECT_EQ(PixelAt(image, kBarWidth - 50, 20), clBlue);
    EXPECT_EQ(PixelAt(image, kBarWidth - 1, 20), clBlue);

    // Left sections as wide as the bar: the right one is skipped, the middle one gets no room.
    bar->Sections()->Items(0)->SetAutoSize(false);
    bar->Sections()->Items(0)->Picture()->Bitmap()->SetSize(kBarWidth, 33);
    FillRectColor(bar->Sections()->Items(0)->Picture()->Bitmap()->Canvas(),
                  Rect(0, 0, kBarWidth, 33), clRed);
    bar->Sections()->Items(0)->SetWidth(kBarWidth);
    image = Render();
    EXPECT_EQ(PixelAt(image, kBarWidth - 1, 20), clRed);
    EXPECT_EQ(PixelAt(image, kBarWidth / 2, 20), clRed);
}

TEST_F(SUITitleBarTest, HotAndPressedPicturesFollowTheCursor) {
    CursorTo(480, 10);
    QImage image = Render();
    EXPECT_EQ(bar->HotButtonIndex(), 1);
    EXPECT_TRUE(ShowsTransparently(image, ButtonFrame(TsuiUIStyle::BlueGlass, 17), 476, 6));
    EXPECT_TRUE(ShowsTransparently(image, ButtonFrame(TsuiUIStyle::BlueGlass, 13), 456, 6));

    // Right and bottom edges count: (494, 24) is the close button's corner.
    CursorTo(476 + 19, 6 + 19);
    Render();
    EXPECT_EQ(bar->HotButtonIndex(), 1);

    Mouse(WM_LBUTTONDOWN, 460, 10);
    EXPECT_TRUE(bar->Pressed());
    EXPECT_EQ(bar->HotButtonIndex(), 3); // the press repainted at once
    EXPECT_TRUE(ShowsTransparently(Render(), ButtonFrame(TsuiUIStyle::BlueGlass, 15), 456, 6));
    CursorTo(200, 10);
    EXPECT_TRUE(ShowsTransparently(Render(), ButtonFrame(TsuiUIStyle::BlueGlass, 13), 456, 6));
    Mouse(WM_LBUTTONUP, 200, 10); // off every button: nothing runs
    EXPECT_FALSE(bar->Pressed());
    EXPECT_EQ(form.WindowState(), TWindowState::wsNormal);
}

TEST_F(SUITitleBarTest, ReleaseRunsTheActionOfTheButtonUnderTheCursor) {
    int closes = 0;
    form.OnClose = [&closes](TObject*, TCloseAction& action) {
        ++closes;
        action = TCloseAction::caNone;
    };
    Click(480, 10);
    EXPECT_EQ(closes, 1);

    // Pressed on close, released on minimise: minimise runs.
    Mouse(WM_LBUTTONDOWN, 480, 10);
    Mouse(WM_MOUSEMOVE, 460, 10);
    Mouse(WM_LBUTTONUP, 460, 10);
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(form.WindowState(), TWindowState::wsMinimized);
    form.SetWindowState(TWindowState::wsNormal);

    // Custom and help buttons report their index.
    std::vector<int> custom;
    std::vector<int> help;
    bar->OnCustomBtnsClick = [&custom](TObject*, int index) { custom.push_back(index); };
    bar->OnHelpBtnClick = [&help](TObject*, int index) { help.push_back(index); };
    bar->Buttons()->Add();                         // index 4, custom, left of minimise
    bar->Buttons()->Add()->SetButtonType(suiHelp); // index 5
    Button(4)->PicNormal()->Bitmap()->SetSize(19, 19);
    Click(440, 10);
    Click(420, 10);
    EXPECT_EQ(custom, std::vector<int>{4});
    EXPECT_EQ(help, std::vector<int>{5});
}

TEST_F(SUITitleBarTest, DoubleClickMaximisesAndRestoresThroughTheFirstMaximiseButton) {
    Mouse(WM_LBUTTONDBLCLK, 200, 10);
    EXPECT_EQ(form.WindowState(), TWindowState::wsMaximized);
    // Maximised: the restore pictures, no move and no resize handles.
    EXPECT_TRUE(
        SameImage(ImageOf(Button(2)->PicNormal()), ButtonFrame(TsuiUIStyle::BlueGlass, 10)));
    frame->borderStyle = TFormBorderStyle::bsSizeable;
    EXPECT_EQ(HitTestAt(200, 2), HTCLIENT);
    Mouse(WM_LBUTTONUP, 200, 10);
    Mouse(WM_LBUTTONDBLCLK, 200, 10);
    Mouse(WM_LBUTTONUP, 200, 10);
    EXPECT_EQ(form.WindowState(), TWindowState::wsNormal);
    EXPECT_TRUE(SameImage(ImageOf(Button(2)->PicNormal()), ButtonFrame(TsuiUIStyle::BlueGlass, 7)));

    // Two maximise buttons: the double click runs the first only, the system menu both.
    bar->Buttons()->Add()->SetButtonType(suiMax);
    Button(4)->SetVisible(false);
    Mouse(WM_LBUTTONDBLCLK, 200, 10);
    Mouse(WM_LBUTTONUP, 200, 10);
    EXPECT_EQ(form.WindowState(), TWindowState::wsMaximized);
    form.SetWindowState(TWindowState::wsNormal);
    bar->SystemMenu()->Popup(0, 0);
    bar->SystemMenu()->Items()->Items(1)->Click();
    EXPECT_EQ(form.WindowState(), TWindowState::wsNormal);
    bar->SystemMenu()->CloseMenu();

    // Without a maximise button a double click does nothing.
    bar->Buttons()->Delete(4);
    bar->Buttons()->Delete(2);
    Mouse(WM_LBUTTONDBLCLK, 200, 10);
    Mouse(WM_LBUTTONUP, 200, 10);
    EXPECT_EQ(form.WindowState(), TWindowState::wsNormal);
}

TEST_F(SUITitleBarTest, ControlBoxOpensTheSystemMenuAndCloseOnDoubleClick) {
    Button(0)->SetVisible(true);
    Click(6, 10); // the control box at x = LeftBtnXOffset = 4
    TPopupMenuWindow* window = bar->SystemMenu()->PopupWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(bar->SystemMenu()->PopupPoint(), bar->ClientToScreen({0, 33}));
    bar->SystemMenu()->CloseMenu();

    int closes = 0;
    form.OnClose = [&closes](TObject*, TCloseAction& action) {
        ++closes;
        action = TCloseAction::caNone;
    };
    CursorTo(6, 10);
    Render();
    Mouse(WM_LBUTTONDBLCLK, 6, 10);
    EXPECT_EQ(closes, 1);
    bar->SystemMenu()->CloseMenu();
}

// From LeftBtnXOffset (4): the control box's picture with the caption 5 pixels past it, or with
// DrawAppIcon the program's icon 3 pixels in and the caption 21 pixels in.
TEST_F(SUITitleBarTest, TheControlBoxOrTheProgramIconAndTheCaptionAfterIt) {
    const QString caption = QStringLiteral("短信查询");
    const QImage bare = Render(); // control box hidden, no caption
    const auto expected = [&](const std::function<void(TCanvas&)>& drawBox, int captionLeft) {
        QImage image = bare;
        TCanvas canvas(&image);
        drawBox(canvas);
        canvas.Font().Assign(bar->Font());
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        canvas.TextOut(captionLeft, (19 - canvas.TextHeight(caption)) / 2 + 6, caption);
        return image;
    };
    Button(0)->SetVisible(true);
    bar->SetCaption(caption);
    const QImage boxed = expected(
        [](TCanvas& canvas) {
            TBitmap box;
            GetStyleBitmap(TsuiUIStyle::BlueGlass, SUI_THEME_TITLEBAR_BUTTON_IMAGE, &box, 1, 18);
            box.SetTransparent(true);
            canvas.Draw(4, 6, box);
        },
        4 + 19 + 5);
    EXPECT_TRUE(SameImage(Render(), boxed));

    bar->SetDrawAppIcon(true);
    const QImage iconed = expected(
        [](TCanvas& canvas) {
            TIcon icon;
            icon.LoadFromResourceName(QStringLiteral("MAINICON"));
            icon.Draw(canvas, 4 + 3, 6, 16);
        },
        4 + 21);
    EXPECT_TRUE(SameImage(Render(), iconed));
}

TEST_F(SUITitleBarTest, SystemMenuEnablingAndItsBlueGlassPixels) {
    bar->Buttons()->Delete(3); // no minimise button
    bar->PopupSystemMenuBelow();
    TPopupMenuWindow* window = bar->SystemMenu()->PopupWindow();
    ASSERT_NE(window, nullptr);
    const TMenuItem& items = *bar->SystemMenu()->Items();
    EXPECT_FALSE(items.Items(0)->Enabled());
    EXPECT_TRUE(items.Items(1)->Enabled()); // the maximise button is hidden, but there
    EXPECT_TRUE(items.Items(3)->Enabled());
    // Drawn with the skin's captions, read out by the program's names.
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(window);
    ASSERT_EQ(menu->childCount(), 4);
    EXPECT_EQ(menu->child(0)->text(QAccessible::Name), QStringLiteral("最小化"));
    EXPECT_EQ(menu->child(1)->text(QAccessible::Name), QStringLiteral("最大化/还原"));
    EXPECT_EQ(menu->child(3)->text(QAccessible::Name), QStringLiteral("关闭"));

    QTest::keyClick(window, Qt::Key_Down); // highlights the first enabled item
    const QImage image = window->Render();
    const auto at = [&image](int x, int y) {
        return static_cast<TColor>(image.pixel(x, y) & 0xFFFFFF);
    };
    const auto bgr = [](TColor c) {
        return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    };
    const TRect minimize = window->ItemRect(0);
    const TRect maximize = window->ItemRect(1);
    const TRect line = window->ItemRect(2);
    EXPECT_EQ(minimize.Height(), 21);
    EXPECT_EQ(line.Height(), 5);
    EXPECT_EQ(at(minimize.Left + 5, minimize.Top + 1), bgr(kMenuBar));
    EXPECT_EQ(at(minimize.Left + 26, minimize.Top + 1), bgr(kMenuBackground));
    EXPECT_EQ(at(maximize.Left + 1, maximize.Top + 1), bgr(kMenuSelected));
    EXPECT_EQ(at(line.Left + 40, line.Top + 2), bgr(kMenuSeparatorLine));
    bar->SystemMenu()->CloseMenu();
}

TEST_F(SUITitleBarTest, HitTestOffersTopHandlesOnlyOnASizeableFrame) {
    EXPECT_EQ(HitTestAt(2, 2), HTCLIENT);
    frame->borderStyle = TFormBorderStyle::bsSizeable;
    EXPECT_EQ(HitTestAt(2, 2), HTTOPLEFT);
    EXPECT_EQ(HitTestAt(200, 4), HTTOP);
    EXPECT_EQ(HitTestAt(200, 5), HTCLIENT);
    EXPECT_EQ(HitTestAt(495, 0), HTTOP);      // 500 - 5 is not past the edge
    EXPECT_EQ(HitTestAt(496, 0), HTTOPRIGHT); // the form's width counts, not the bar's

    // Non-client input over the handles goes to the form, whose answer comes back.
    std::vector<UINT> heard;
    const TWndMethod original = form.WindowProc;
    form.WindowProc = [&heard, &original](TMessage& message) {
        if (message.Msg == WM_NCMOUSEMOVE) {
            heard.push_back(static_cast<UINT>(message.WParam));
            message.Result = 7;
            return;
        }
        original(message);
    };
    EXPECT_EQ(bar->Perform(WM_NCMOUSEMOVE, HTTOP, MakeLParam(600, 172)), 7);
    EXPECT_EQ(heard, std::vector<UINT>{HTTOP});
    form.WindowProc = original;
}

TEST_F(SUITitleBarTest, RegionRoundsTheTopCornersOfTheWindow) {
    bar->ApplyFormRegion(11);
    const QRegion mask = form.Handle()->mask();
    const auto rowCount = [&mask](int y) {
        int count = 0;
        for (int x = 0; x < 500; ++x)
            count += mask.contains(QPoint(x, y)) ? 1 : 0;
        return count;
    };
    const int topRows[] = {494, 496, 498, 500};
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(rowCount(y), topRows[y]) << "row " << y;
    EXPECT_FALSE(mask.contains(QPoint(2, 0)));
    EXPECT_TRUE(mask.contains(QPoint(3, 0)));
    for (int y : {440, 452})
        EXPECT_EQ(rowCount(y), 500) << "row " << y;
    EXPECT_FALSE(mask.contains(QPoint(0, 453)));
}

TEST_F(SUITitleBarTest, StandAloneBarMaximisesToTheWorkAreaLessItsBottomRow) {
    auto* standAlone = new TsuiTitleBar(&form);
    standAlone->SetParent(&form);
    EXPECT_FALSE(standAlone->IsOnSkinnedForm());
    EXPECT_TRUE(bar->IsOnSkinnedForm());
    standAlone->Buttons()->Items(2)->PerformAction();
    TRect expected = WindowSystem::WorkArea();
    expected.Bottom -= 1;
    EXPECT_EQ(form.BoundsRect(), expected);
    EXPECT_EQ(form.WindowState(), TWindowState::wsMaximized);
}

TEST_F(SUITitleBarTest, ButtonsAndSectionsRefuseASecondControlBoxOrMiddle) {
    Button(1)->SetButtonType(suiControlBox);
    EXPECT_EQ(Button(1)->ButtonType(), suiClose);
    Button(0)->SetButtonType(suiControlBox); // the control box itself: accepted silently
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], QStringLiteral("Error: Sorry, only one button's ButtonType property can be "
                                       "\"suiControlBox\""));

    TsuiTitleBarSection* left = bar->Sections()->Items(0);
    left->SetAlign(suiClient);
    EXPECT_EQ(left->Align(), suiLeft);
    EXPECT_FALSE(left->Stretch());
    bar->Sections()->Items(2)->SetAlign(suiClient);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1], QStringLiteral("Error: Sorry, only one section's Align property can be "
                                       "\"suiClient\""));
    bar->Sections()->Items(2)->SetStretch(false);
    EXPECT_TRUE(bar->Sections()->Items(2)->Stretch());

    // AutoSize := False still takes the picture's width; a new picture only while it is on.
    left->SetWidth(5);
    left->SetAutoSize(false);
    EXPECT_EQ(left->Width(), 162);
    TPicture wide;
    wide.Bitmap()->SetSize(200, 33);
    left->SetPicture(&wide);
    EXPECT_EQ(left->Width(), 162);
    left->SetAutoSize(true);
    EXPECT_EQ(left->Width(), 200);
}

TEST_F(SUITitleBarTest, NewButtonsCopiesAndTheControlBoxMenuReference) {
    TsuiTitleBarButton* fresh = bar->Buttons()->Add();
    EXPECT_EQ(fresh->ButtonType(), suiCustom);
    EXPECT_TRUE(fresh->Visible());
    EXPECT_EQ(fresh->Top(), 2);
    EXPECT_TRUE(fresh->PicNormal()->Empty());
    fresh->SetButtonType(suiClose);
    EXPECT_TRUE(SameImage(ImageOf(fresh->PicMouseDown()), ButtonFrame(TsuiUIStyle::DeepBlue, 18)));
    EXPECT_EQ(fresh->Top(), GetStyleInt(TsuiUIStyle::DeepBlue, SUI_THEME_TITLEBAR_BUTTON_TOP_INT));

    // A copied collection keeps types, pictures and the menu reference, in order.
    auto* menu = new TPopupMenu(&form);
    Button(0)->SetControlBoxMenu(menu);
    TsuiTitleBar copy(nullptr);
    copy.SetButtons(bar->Buttons());
    ASSERT_EQ(copy.Buttons()->Count(), 5);
    EXPECT_EQ(copy.Buttons()->Items(0)->ControlBoxMenu(), menu);
    EXPECT_FALSE(copy.Buttons()->Items(2)->Visible());
    EXPECT_TRUE(
        SameImage(ImageOf(copy.Buttons()->Items(1)->PicNormal()), ImageOf(Button(1)->PicNormal())));
    EXPECT_TRUE(boxes.empty());

    // A destroyed menu is never used: the reference reads none and a click opens the system menu.
    delete menu;
    EXPECT_EQ(Button(0)->ControlBoxMenu(), nullptr);
    Button(0)->SetVisible(true);
    Click(6, 10);
    EXPECT_NE(bar->SystemMenu()->PopupWindow(), nullptr);
    bar->SystemMenu()->CloseMenu();
}

TEST_F(SUITitleBarTest, AccessibilityToolsSeeTheVisibleButtonsByAction) {
    // The control box and a help button, when shown, are named too: the control box comes
    // last (it sits at the left), a help button first in its place at the right.
    Button(0)->SetVisible(true);
    EXPECT_EQ(bar->AccessiblePartName(2), QStringLiteral("系统菜单"));
    Button(0)->SetButtonType(suiHelp);
    EXPECT_EQ(bar->AccessiblePartName(0), QStringLiteral("帮助"));
    Button(0)->SetButtonType(suiControlBox);
    Button(0)->SetVisible(false);

    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(bar->Handle());
    ASSERT_NE(access, nullptr);
    ASSERT_EQ(access->childCount(), 2);
    EXPECT_EQ(access->child(0)->text(QAccessible::Name), QStringLiteral("关闭"));
    EXPECT_EQ(access->child(1)->text(QAccessible::Name), QStringLiteral("最小化"));
    const TPoint close = bar->ClientToScreen({476, 6});
    EXPECT_EQ(access->child(0)->rect(), QRect(close.X, close.Y, 19, 19));

    Button(2)->SetVisible(true);
    ASSERT_EQ(access->childCount(), 3);
    // In the order they sit from the right: close, maximise, minimise.
    EXPECT_EQ(access->child(1)->text(QAccessible::Name), QStringLiteral("最大化"));
    access->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form.WindowState(), TWindowState::wsMaximized);
    EXPECT_EQ(access->child(1)->text(QAccessible::Name), QStringLiteral("还原"));
}

// A tool may ask about a part it counted before the buttons changed: there is no such part then.
TEST_F(SUITitleBarTest, AccessibilityAnswersNoSuchPartForAButtonThatWentAway) {
    TAccessibleParts& parts = *bar;
    ASSERT_EQ(parts.AccessiblePartCount(), 2);
    Button(3)->SetVisible(false); // minimise goes: index 1 is no part any more
    for (const int index : {1, -1}) {
        EXPECT_EQ(parts.AccessiblePartName(index), QString()) << index;
        EXPECT_EQ(parts.AccessiblePartRect(index), TRect()) << index;
        parts.PressAccessiblePart(index);
    }
    EXPECT_EQ(form.WindowState(), TWindowState::wsNormal);
    EXPECT_EQ(parts.AccessiblePartName(0), QStringLiteral("关闭"));
}

TEST_F(SUITitleBarTest, OnADenserScreenTheArtworkIsEnlargedAndTheCaptionKeepsFullResolution) {
    bar->SetCaption(QString());
    const QImage bare = Render();
    bar->SetCaption(QStringLiteral("短信查询 V1.0"));
    const QImage plain = Render();
    const QRegion caption = Differing(plain, bare, 2);
    ASSERT_FALSE(caption.isEmpty());
    // Twice the density: every artwork pixel a 2 x 2 block of its own colour, the caption not.
    const QImage twice = PaintedAt(*bar, 2);
    EXPECT_EQ(PixelsNotEnlarged(plain, twice, 2, caption, 0), 0);
    EXPECT_TRUE(DrawnSharp(twice, caption));
    // One and a half: only the artwork's own colours, no seam where sections, buttons and the
    // rounded corners' outline meet.
    EXPECT_EQ(PixelsNotEnlarged(plain, PaintedAt(*bar, 1.5), 1.5, caption, 1), 0);
}
