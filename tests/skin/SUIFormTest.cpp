#include "skin/SUIForm.h"

#include "../framework/core/TestSupport.h"
#include "framework/controls/TPanel.h"
#include "framework/core/Exception.h"
#include "framework/core/TApplication.h"
#include "framework/core/TForm.h"
#include "framework/forms/FormParser.h"
#include "framework/forms/FormReader.h"
#include "framework/graphics/Colors.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "framework/menus/TMenuItem.h"
#include "framework/menus/TPopupMenuWindow.h"
#include "framework/platform/WindowSystem.h"
#include "skin/SUIEdit.h"
#include "skin/SUIPopupMenu.h"
#include "skin/SUIPublic.h"
#include "skin/support/StoredFormSupport.h"
#include "skin/support/ThemeFileWriter.h"
#include "support/ImageCompare.h"

#include <QApplication>
#include <QBuffer>
#include <QTemporaryDir>
#include <QWidget>
#include <QtEndian>
#include <gtest/gtest.h>
#include <set>
#include <utility>
#include <vector>

namespace {

const QString kCaption = QStringLiteral("短信查询 V1.0");
constexpr TColor kRed = 0x0000FF;

// A skinned control as the frame's style application sees it: it publishes both properties.
class TsuiStyleProbe : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(SUIThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
public:
    using TWinControl::TWinControl;
    TsuiFileTheme* FileTheme() const { return theme_; }
    void SetFileTheme(TsuiFileTheme* theme) { SetReference(theme_, theme); }
    TsuiUIStyle UIStyle() const { return style_; }
    void SetUIStyle(TsuiUIStyle style) { style_ = style; }

private:
    TsuiFileTheme* theme_ = nullptr;
    TsuiUIStyle style_ = TsuiUIStyle::MacOS;
};

// The window's face as its own erase and paint draw it, hooks included, without its children.
QImage FaceOf(TWinControl& control) {
    TBitmap face;
    face.SetSize(control.ClientWidth(), control.ClientHeight());
    control.PaintWindowInto(face.Canvas());
    return face.Image();
}

// The program's main window before its frame: a single-bordered 500 x 453 form, the main form.
class SUIFormTest : public testing::Test {
protected:
    SUIFormTest() {
        app.SetMessageBoxPresenter(
            [this](TMessageBoxKind, const QString& caption, const QString& text) {
                boxes.push_back(caption + ": " + text);
            });
        app.CreateForm(host);
        host->SetBorderStyle(TFormBorderStyle::bsSingle);
        host->SetCaption(kCaption);
        host->SetLeft(405);
        host->SetTop(172);
        host->SetClientWidth(500);
        host->SetClientHeight(453);
    }
    TsuiForm* MakeFrame() {
        frame = new TsuiForm(host);
        frame->SetParent(host);
        return frame;
    }
    // The values the program's frame stores that shape it.
    void TakeProgramSettings() {
        frame->SetWidth(498);
        frame->SetHeight(452);
        frame->SetUIStyle(TsuiUIStyle::BlueGlass);
    }
    void ShowHost() {
        host->Show();
        QCoreApplication::processEvents();
    }
    LRESULT HitAt(int x, int y) {
        const TPoint at = host->ClientToScreen({x, y});
        return host->Perform(WM_NCHITTEST, 0, MakeLParam(at.X, at.Y));
    }

    TApplication app;
    std::vector<QString> boxes;
    TForm* host = nullptr; // owned by the application
    TsuiForm* frame = nullptr;
};

TEST_F(SUIFormTest, TakesTheHostOverAndStartsInDeepBlue) {
    MakeFrame();
    EXPECT_EQ(frame->UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(frame->BorderColor(), clBlack);
    EXPECT_EQ(frame->BorderWidth(), 1);
    EXPECT_EQ(frame->Color(), 0xE8E8E8);
    EXPECT_EQ(frame->MenuBarColor(), 0xE8E8E8);
    EXPECT_EQ(frame->MenuBarHeight(), 22);
    EXPECT_EQ(frame->Menu(), nullptr);
    EXPECT_FALSE(frame->UIStyleAutoUpdateSub());
    EXPECT_EQ(frame->Caption(), kCaption);
    EXPECT_EQ(frame->Text(), QStringLiteral(" "));
    frame->SetVersion(QStringLiteral("9.99"));
    EXPECT_EQ(frame->Version(), QStringLiteral("4.30"));
    EXPECT_EQ(frame->property("Version").toString(), QStringLiteral("4.30"));

    EXPECT_EQ(frame->DesignBorderStyle(), TFormBorderStyle::bsSingle);
    EXPECT_EQ(host->BorderStyle(), TFormBorderStyle::bsNone);
    EXPECT_EQ(host->WindowStyle() & WS_CAPTION, 0u);
    EXPECT_EQ(host->Constraints()->MinWidth(), 125);
    EXPECT_EQ(host->Constraints()->MinHeight(), 50);
    EXPECT_FALSE(host->Scaled());
    EXPECT_FALSE(host->AutoScroll());
    EXPECT_EQ(host->Width(), frame->Width() + 2); // the host follows the frame's size
    EXPECT_TRUE(frame->AppHookInstalled());
    EXPECT_TRUE(app.OnMessage);

    EXPECT_EQ(frame->TitleBar()->Owner(), frame);
    EXPECT_EQ(frame->TitleBar()->Parent(), frame);
    EXPECT_TRUE(frame->TitleBar()->IsOnSkinnedForm());
    EXPECT_EQ(frame->Font(), frame->TitleBar()->Font());
    EXPECT_EQ(frame->TitleBarButtons(), frame->TitleBar()->Buttons());

    EXPECT_EQ(GetOwnerFormStyle(host), TsuiUIStyle::DeepBlue);
    frame->SetUIStyle(TsuiUIStyle::BlueGlass);
    EXPECT_EQ(GetOwnerFormStyle(host), TsuiUIStyle::BlueGlass);
}

TEST_F(SUIFormTest, OnlyOneFrameAndOnlyOnAForm) {
    MakeFrame();
    TakeProgramSettings();
    const TRect bounds = host->BoundsRect();
    const int components = host->ComponentCount();
    try {
        new TsuiForm(host);
        ADD_FAILURE() << "a second frame was built";
    } catch (const EComponentError& error) {
        EXPECT_EQ(error.Message(),
                  QStringLiteral("Sorry, You can create only one TsuiForm component in one form!"));
    }
    EXPECT_EQ(host->ComponentCount(), components);
    EXPECT_EQ(host->BoundsRect(), bounds);
    EXPECT_EQ(host->Constraints()->MinWidth(), 270);
    EXPECT_EQ(frame->UIStyle(), TsuiUIStyle::BlueGlass);

    TComponent notAForm(nullptr);
    EXPECT_THROW(TsuiForm orphan(&notAForm), EComponentError);
}

TEST_F(SUIFormTest, TheProgramsWindowShapeAndSizeLimits) {
    MakeFrame();
    TakeProgramSettings();
    ShowHost();
    EXPECT_EQ(host->Width(), 500);
    EXPECT_EQ(host->Height(), 453);
    EXPECT_EQ(frame->BoundsRect(), Bounds(1, 0, 498, 452));
    EXPECT_EQ(frame->TitleBar()->BoundsRect(), Bounds(0, 0, 498, 33));
    EXPECT_EQ(frame->RoundCorner(), 11);
    EXPECT_EQ(host->Constraints()->MinWidth(), 270);
    EXPECT_TRUE(host->Handle()->windowFlags().testFlag(Qt::FramelessWindowHint));
    const QRegion mask = host->Handle()->mask();
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_FALSE(mask.contains(QPoint(499, 0)));
    EXPECT_TRUE(mask.contains(QPoint(250, 0)));
    EXPECT_TRUE(mask.contains(QPoint(0, 452)));
    EXPECT_TRUE(mask.contains(QPoint(499, 452)));

    // Every size change places the frame again and reshapes the window.
    host->SetBounds(405, 172, 100, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(host->Width(), 270);
    EXPECT_EQ(frame->BoundsRect(), Bounds(1, 0, 268, 299));
    EXPECT_EQ(host->Handle()->mask().boundingRect(), QRect(0, 0, 270, 300));
}

TEST_F(SUIFormTest, BorderWidthSizesTheHostAroundTheFrame) {
    MakeFrame();
    frame->SetUIStyle(TsuiUIStyle::WinXP);
    EXPECT_EQ(frame->BorderWidth(), 3);
    frame->SetWidth(300);
    frame->SetHeight(100);
    EXPECT_EQ(host->Width(), 306);
    EXPECT_EQ(host->Height(), 104); // one and a half borders, not two
    EXPECT_EQ(frame->BoundsRect(), Bounds(3, 0, 300, 101));

    frame->SetBorderWidth(0); // the frame keeps its size and covers the host
    EXPECT_EQ(host->Width(), 300);
    EXPECT_EQ(frame->BoundsRect(), Bounds(0, 0, host->ClientWidth(), host->ClientHeight()));
    EXPECT_EQ(frame->Height(), 101);

    // Styles with other borders and back: the window keeps its size (no growing on the way).
    for (int round = 0; round < 3; ++round) {
        frame->SetUIStyle(TsuiUIStyle::WinXP);
        frame->SetUIStyle(TsuiUIStyle::DeepBlue);
    }
    frame->SetBorderWidth(0);
    EXPECT_EQ(host->Width(), 300);
    EXPECT_EQ(frame->Height(), 101);

    frame->SetBorderWidth(1);
    frame->SetTitleBarVisible(false);
    EXPECT_FALSE(frame->TitleBar()->Visible());
    EXPECT_EQ(frame->Top(), 1);
    EXPECT_EQ(frame->Height(), host->ClientHeight() - 2);
    frame->SetTop(7);
    frame->SetTitleBarVisible(false); // the same value again changes nothing
    EXPECT_EQ(frame->Top(), 7);
    frame->SetTitleBarVisible(true);
    EXPECT_EQ(frame->Top(), 0);
}

TEST_F(SUIFormTest, TheBorderIsDrawnOnTheHostAfterItsOwnErase) {
    MakeFrame();
    TakeProgramSettings();
    frame->SetBorderColor(kRed);
    QImage face = FaceOf(*host);
    for (int y = 0; y < 453; y += 4) {
        EXPECT_EQ(PixelAt(face, 0, y), kRed) << y;
        EXPECT_EQ(PixelAt(face, 499, y), kRed) << y;
    }
    for (int x = 0; x < 500; x += 4) {
        EXPECT_EQ(PixelAt(face, x, 0), kRed) << x; // the line along the top
        EXPECT_EQ(PixelAt(face, x, 452), kRed) << x;
    }
    EXPECT_NE(PixelAt(face, 1, 1), kRed);
    EXPECT_NE(PixelAt(face, 250, 451), kRed);

    frame->SetBorderWidth(3);
    face = FaceOf(*host);
    const int right = host->ClientWidth() - 1;
    const int bottom = host->ClientHeight() - 1;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(PixelAt(face, i, 200), kRed);
        EXPECT_EQ(PixelAt(face, right - i, 200), kRed);
        EXPECT_EQ(PixelAt(face, 200, bottom - i), kRed);
    }
    EXPECT_NE(PixelAt(face, 3, 200), kRed);
    EXPECT_NE(PixelAt(face, right - 3, 200), kRed);
    EXPECT_NE(PixelAt(face, 200, bottom - 3), kRed);
}

TEST_F(SUIFormTest, BackgroundIsTheColourOrTheStylesTiledPattern) {
    MakeFrame();
    TakeProgramSettings();
    EXPECT_EQ(PixelAt(FaceOf(*frame), 40, 200), 0xE7E7E7);

    const struct {
        TsuiUIStyle style;
        const char* tile;
    } patterned[] = {{TsuiUIStyle::MacOS, "MACOS_FORM_BACKGROUND"},
                     {TsuiUIStyle::Protein, "PROTEIN_FORM_BACKGROUND"}};
    for (const auto& [style, tileName] : patterned) {
        frame->SetUIStyle(style);
        TBitmap tile;
        tile.LoadFromResourceName(QLatin1String(tileName));
        ASSERT_EQ(tile.Width(), 8);
        const QImage face = FaceOf(*frame);
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 24; ++x)
                ASSERT_EQ(PixelAt(face, x, y), tile.Pixels(x % 8, y % 8)) << tileName << x << y;
    }

    // Without a theme file FromThemeFile looks like DeepBlue, background plain.
    frame->SetUIStyle(TsuiUIStyle::FromThemeFile);
    EXPECT_EQ(frame->BorderColor(), clBlack);
    EXPECT_EQ(frame->BorderWidth(), 1);
    EXPECT_EQ(frame->Color(), 0xE8E8E8);
    const QImage face = FaceOf(*frame);
    EXPECT_EQ(PixelAt(face, 0, 0), 0xE8E8E8);
    EXPECT_EQ(PixelAt(face, 9, 5), 0xE8E8E8);
}

TEST_F(SUIFormTest, AStyleReachesTheTitleBarAndOnRequestTheDirectChildren) {
    MakeFrame();
    TakeProgramSettings();
    auto* child = new TsuiStyleProbe(host);
    child->SetParent(frame);
    auto* panel = new TPanel(host);
    panel->SetParent(frame);
    auto* grandchild = new TsuiStyleProbe(host);
    grandchild->SetParent(panel);

    frame->SetUIStyle(TsuiUIStyle::WinXP);
    EXPECT_EQ(child->UIStyle(), TsuiUIStyle::MacOS); // not asked to
    EXPECT_EQ(frame->BorderColor(), 0xC82C00);
    EXPECT_EQ(frame->Color(), 0xDEEBEF);
    EXPECT_EQ(frame->MenuBarColor(), 0xDEEBEF);
    EXPECT_EQ(frame->RoundCorner(), 13);
    EXPECT_EQ(frame->TitleBar()->UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(frame->Width(), 498); // the host grew with the border
    EXPECT_EQ(host->Width(), 504);

    frame->SetUIStyleAutoUpdateSub(true);
    frame->SetUIStyle(TsuiUIStyle::Protein);
    EXPECT_EQ(child->UIStyle(), TsuiUIStyle::Protein);
    EXPECT_EQ(grandchild->UIStyle(), TsuiUIStyle::MacOS);

    // A custom title bar keeps its look; the frame itself still changes.
    frame->SetTitleBarCustom(true);
    frame->SetUIStyle(TsuiUIStyle::BlueGlass);
    EXPECT_EQ(frame->TitleBarSections()->Items(0)->Width(), 441); // Protein's left picture
    EXPECT_EQ(frame->Color(), 0xE7E7E7);
}

TEST_F(SUIFormTest, AFileThemeAndItsRemoval) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("frame.theme"));
    ThemeFileWriter()
        .AddInt("FormBorderColor", 0x123456)
        .AddInt("FormBorderWidthInt", 2)
        .AddInt("FormBackgroundColor", 0x654321)
        .Save(path);
    MakeFrame();
    TakeProgramSettings();
    frame->SetTitleBarCustom(true); // the theme file holds no title-bar pictures
    auto* theme = new TsuiFileTheme(host);
    theme->SetThemeFile(path);
    ASSERT_TRUE(theme->IsValid());
    auto* child = new TsuiStyleProbe(host);
    child->SetParent(frame);
    child->SetFileTheme(theme);
    child->SetUIStyle(TsuiUIStyle::FromThemeFile);

    frame->SetUIStyle(TsuiUIStyle::FromThemeFile);
    EXPECT_EQ(frame->Color(), 0xE8E8E8); // no theme yet: DeepBlue
    frame->SetFileTheme(theme);
    EXPECT_EQ(frame->BorderColor(), 0x123456);
    EXPECT_EQ(frame->BorderWidth(), 2);
    EXPECT_EQ(frame->Color(), 0x654321);
    EXPECT_EQ(frame->MenuBarColor(), 0x654321);

    delete theme; // also without UIStyleAutoUpdateSub the children fall back
    EXPECT_EQ(frame->FileTheme(), nullptr);
    EXPECT_EQ(frame->UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(frame->Color(), 0xE8E8E8);
    EXPECT_EQ(child->FileTheme(), nullptr);
    EXPECT_EQ(child->UIStyle(), TsuiUIStyle::DeepBlue);
}

TEST_F(SUIFormTest, FormPanelFillsTheFrameAndIsDroppedWhenItGoes) {
    MakeFrame();
    TakeProgramSettings();
    frame->SetFormPanel(frame);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(
        boxes[0],
        QStringLiteral("Error: Sorry, you can't select the Form assign to FormPanel property"));
    EXPECT_EQ(frame->FormPanel(), nullptr);

    auto* panel = new TPanel(host);
    panel->SetParent(frame);
    panel->SetCaption(QStringLiteral("text"));
    panel->SetBorderStyle(Framework::TBorderStyle::bsSingle);
    frame->SetFormPanel(panel);
    EXPECT_EQ(frame->FormPanel(), panel);
    EXPECT_EQ(panel->Align(), TAlign::alClient);
    EXPECT_EQ(panel->BevelOuter(), TBevelCut::bvNone);
    EXPECT_EQ(panel->BevelInner(), TBevelCut::bvNone);
    EXPECT_EQ(panel->BorderStyle(), Framework::TBorderStyle::bsNone);
    EXPECT_TRUE(panel->Caption().isEmpty());
    frame->SetFormPanel(frame);
    EXPECT_EQ(frame->FormPanel(), panel);

    delete panel;
    EXPECT_EQ(frame->FormPanel(), nullptr);
}

TEST_F(SUIFormTest, MaximisedWindowsTakeTheWorkAreaUnlessDesignedWithoutBorder) {
    MakeFrame();
    TakeProgramSettings();
    ShowHost();
    const TRect work = WindowSystem::WorkArea();
    host->SetWindowState(TWindowState::wsMaximized);
    QCoreApplication::processEvents();
    host->SetBounds(10, 10, 400, 300); // still maximised: the frame fits it back
    host->Perform(WM_SIZE, SIZE_MAXIMIZED);
    EXPECT_EQ(host->BoundsRect(), work);
    EXPECT_EQ(frame->BoundsRect(), Bounds(1, 0, work.Width() - 2, work.Height() - 1));
    // The hidden maximise button shows the restore pictures while maximised.
    TBitmap restore;
    GetStyleBitmap(TsuiUIStyle::BlueGlass, SUI_THEME_TITLEBAR_BUTTON_IMAGE, &restore, 10, 18);
    EXPECT_EQ(frame->TitleBarButtons()->Items(2)->PicNormal()->Bitmap()->Image(), restore.Image());

    host->SetWindowState(TWindowState::wsNormal);
    QCoreApplication::processEvents();
    EXPECT_EQ(host->BoundsRect(), WindowSystem::KeptOnScreen(Bounds(405, 172, 500, 453)));
}

TEST_F(SUIFormTest, AHostDesignedWithoutBorderCoversWhatItIsGivenWhenMaximised) {
    host->SetBorderStyle(TFormBorderStyle::bsNone);
    MakeFrame();
    TakeProgramSettings();
    ShowHost();
    host->SetWindowState(TWindowState::wsMaximized);
    QCoreApplication::processEvents();
    host->SetBounds(10, 10, 400, 300);
    host->Perform(WM_SIZE, SIZE_MAXIMIZED);
    EXPECT_EQ(host->BoundsRect(), Bounds(10, 10, 400, 300));
}

TEST_F(SUIFormTest, AHostCreatedMaximisedGoesBackToItsBoundsTheFirstTime) {
    host->SetWindowState(TWindowState::wsMaximized);
    MakeFrame();
    host->SetWindowState(TWindowState::wsNormal);
    host->SetBounds(5, 5, 300, 200);
    host->Perform(WM_SIZE, SIZE_RESTORED);
    EXPECT_EQ(host->BoundsRect(), Bounds(405, 172, 506, 478)); // with its system frame then
    host->SetBounds(5, 5, 300, 200);
    host->Perform(WM_SIZE, SIZE_RESTORED);
    EXPECT_EQ(host->BoundsRect(), Bounds(5, 5, 300, 200));
}

TEST_F(SUIFormTest, ASizeableHostHasResizeBandsAlongItsEdges) {
    host->SetBorderStyle(TFormBorderStyle::bsSizeable);
    MakeFrame();
    TakeProgramSettings();
    frame->SetBorderWidth(6); // the bands lie on the border, outside the frame
    ShowHost();
    const int w = host->ClientWidth();
    const int h = host->ClientHeight();
    EXPECT_EQ(HitAt(0, h / 2), HTLEFT);
    EXPECT_EQ(HitAt(4, h / 2), HTLEFT);
    EXPECT_EQ(HitAt(5, h / 2), HTCLIENT);
    EXPECT_EQ(HitAt(w - 4, h / 2), HTRIGHT);
    EXPECT_EQ(HitAt(w - 5, h / 2), HTCLIENT);
    EXPECT_EQ(HitAt(w / 2, h - 4), HTBOTTOM);
    EXPECT_EQ(HitAt(w / 2, h - 5), HTCLIENT);
    EXPECT_EQ(HitAt(4, 4), HTTOPLEFT);
    EXPECT_EQ(HitAt(w - 1, 0), HTTOPRIGHT);
    EXPECT_EQ(HitAt(w - 1, h - 1), HTBOTTOMRIGHT);
    EXPECT_EQ(HitAt(0, h - 1), HTBOTTOMLEFT);
    EXPECT_EQ(HitAt(w / 2, 2), HTTOP);
}

TEST_F(SUIFormTest, ASingleBorderedHostHasNoResizeBands) {
    MakeFrame();
    TakeProgramSettings();
    ShowHost();
    EXPECT_EQ(HitAt(0, 200), HTCLIENT);
    EXPECT_EQ(HitAt(2, 2), HTCLIENT);
}

TEST_F(SUIFormTest, ActivationCaptionColourAndTheHostsOwnMenu) {
    MakeFrame();
    TakeProgramSettings();
    TsuiTitleBar& bar = *frame->TitleBar();
    constexpr TColor kActiveText = 0x123456;
    bar.Font()->SetColor(kActiveText);
    // The colours the caption adds to the bar's face: text is drawn without smoothing.
    const auto captionColours = [&bar] {
        const QImage with = FaceOf(bar);
        bar.SetCaption(QString());
        const QImage without = FaceOf(bar);
        bar.SetCaption(kCaption);
        std::set<TColor> added;
        for (const QPoint& p : Differences(with, without))
            added.insert(PixelAt(with, p.x(), p.y()));
        return added;
    };
    host->Perform(WM_ACTIVATE, 0);
    EXPECT_FALSE(bar.FormActive());
    EXPECT_EQ(captionColours(), std::set<TColor>{ColorToRGB(clInactiveCaption)});
    host->Perform(WM_ACTIVATE, 1);
    EXPECT_TRUE(bar.FormActive());
    EXPECT_EQ(captionColours(), std::set<TColor>{kActiveText});

    auto* menu = new TMainMenu(host);
    host->SetMenu(menu);
    ShowHost(); // never a menu bar of the window system's
    EXPECT_EQ(host->Menu(), nullptr);
}

TEST_F(SUIFormTest, AltSpaceOpensTheSystemMenuBelowTheMainFormsTitleBar) {
    MakeFrame();
    TakeProgramSettings();
    ShowHost();
    TsuiTitleBarPopupMenu& menu = *frame->TitleBar()->SystemMenu();
    const QString space = QStringLiteral(" ");
    TestSupport::TypeKey(host->Handle(), Qt::Key_Space, space);
    EXPECT_EQ(menu.PopupWindow(), nullptr);
    TestSupport::TypeKey(host->Handle(), Qt::Key_Space, space, Qt::AltModifier);
    ASSERT_NE(menu.PopupWindow(), nullptr);
    const TRect shown = WindowSystem::KeptOnScreen(Bounds(405, 172, 500, 453));
    EXPECT_EQ(menu.PopupPoint(), (TPoint{shown.Left, shown.Top + 33}));
    menu.CloseMenu();

    // The slot is taken: a second host's frame leaves it alone, and the first clears it.
    TForm other(nullptr);
    TsuiForm otherFrame(&other);
    EXPECT_FALSE(otherFrame.AppHookInstalled());
    delete frame;
    EXPECT_FALSE(app.OnMessage);
}

TEST_F(SUIFormTest, MenuShortCutsReachTheMenuOnlyWhileTheHostIsActive) {
    MakeFrame();
    TakeProgramSettings();
    auto* menu = new TMainMenu(host);
    auto* item = new TMenuItem(menu);
    int clicks = 0;
    item->OnClick = [&clicks](TObject*) { ++clicks; };
    item->SetShortCut(ShortCut('N', TShiftState(TShiftFlag::ssCtrl)));
    menu->Items()->Add(item);
    frame->SetMenu(menu);

    TMessage key{WM_KEYDOWN, 'N'};
    EXPECT_EQ(frame->DispatchMenuShortCut(key), 0); // not active
    ShowHost();
    QApplication::setActiveWindow(host->Handle());
    QCoreApplication::processEvents();
    ASSERT_TRUE(host->Active());
    TestSupport::TypeKey(host->Handle(), Qt::Key_N, QString(), Qt::ControlModifier);
    EXPECT_EQ(clicks, 1);
    TestSupport::TypeKey(host->Handle(), Qt::Key_M, QString(), Qt::ControlModifier);
    EXPECT_EQ(clicks, 1);

    delete menu;
    EXPECT_EQ(frame->Menu(), nullptr);
    EXPECT_EQ(host->Perform(WM_KEYDOWN, 'N'), 0);
}

TEST_F(SUIFormTest, TheHostOutlivesItsFrame) {
    host->SetBorderStyle(TFormBorderStyle::bsSizeable);
    MakeFrame();
    TakeProgramSettings();
    ShowHost();
    ASSERT_EQ(HitAt(1, 1), HTTOPLEFT); // the frame's answer, through its hook
    delete frame;
    host->SetBounds(0, 0, 300, 300);
    host->Perform(WM_SIZE, SIZE_RESTORED);
    host->Perform(WM_ACTIVATE, 1);
    EXPECT_EQ(HitAt(1, 1), HTCLIENT);
    EXPECT_EQ(host->ControlCount(), 0);
}

namespace {

// Counts the requests to repaint it as a whole.
class TRepaintProbeForm : public TForm {
public:
    using TForm::TForm;
    void Invalidate() override {
        ++invalidations;
        TForm::Invalidate();
    }
    int invalidations = 0;
};

} // namespace

// A frame that goes repaints the host it was shown on. A host taking its controls down takes
// each off itself before destroying it, and by then its form part is gone: the frame has
// nothing to repaint there and must not ask the host anything.
TEST_F(SUIFormTest, AGoingFrameRepaintsOnlyAHostItIsStillOn) {
    TRepaintProbeForm probe(nullptr);
    auto* shown = new TsuiForm(&probe);
    shown->SetParent(&probe);
    probe.invalidations = 0;
    delete shown;
    EXPECT_EQ(probe.invalidations, 1);

    auto* takenOff = new TsuiForm(&probe);
    takenOff->SetParent(&probe);
    takenOff->SetParent(nullptr);
    probe.invalidations = 0;
    delete takenOff;
    EXPECT_EQ(probe.invalidations, 0);

    MakeFrame();
    TakeProgramSettings();
    ShowHost();
    delete std::exchange(host, nullptr); // with its frame
    frame = nullptr;
}

TEST_F(SUIFormTest, AnMdiChildsFrameStaysInsideAndSquare) {
    host->SetFormStyle(TFormStyle::fsMDIChild);
    MakeFrame();
    TakeProgramSettings();
    EXPECT_EQ(host->BorderStyle(), TFormBorderStyle::bsSingle); // only the caption goes
    EXPECT_EQ(host->WindowStyle() & WS_CAPTION, 0u);
    EXPECT_EQ(frame->RoundCorner(), 0);
    frame->SetRoundCorner(11);
    EXPECT_EQ(frame->RoundCorner(), 0);
    const int cw = host->ClientWidth();
    const int ch = host->ClientHeight();
    EXPECT_EQ(frame->BoundsRect(), Bounds(1, 0, cw - 2 - 3, ch - 1 - 3));

    frame->SetBorderColor(kRed);
    const QImage face = FaceOf(*host);
    // A left border one pixel wide, right and bottom ones 1 + 3 pixels.
    EXPECT_EQ(PixelAt(face, 0, 100), kRed);
    EXPECT_NE(PixelAt(face, 1, 100), kRed);
    EXPECT_EQ(PixelAt(face, cw - 4, 100), kRed);
    EXPECT_NE(PixelAt(face, cw - 5, 100), kRed);
    EXPECT_EQ(PixelAt(face, 100, ch - 4), kRed);
    EXPECT_NE(PixelAt(face, 100, ch - 5), kRed);
}

// A picture as a form description stores it, in hex: the graphic's class name counted by one
// byte, the bitmap file's length in four bytes, the file.
QString StoredPicture(int width, int height, QRgb colour, QImage::Format format) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray file;
    QBuffer buffer(&file);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(format).save(&buffer, "BMP");
    const QByteArray className = QByteArrayLiteral("TBitmap");
    QByteArray length(4, '\0');
    qToLittleEndian<quint32>(quint32(file.size()), length.data());
    return QString::fromLatin1((char(className.size()) + className + length + file).toHex());
}

QString ButtonItem(const char* type, bool visible, QRgb colour) {
    const QString picture = StoredPicture(19, 19, colour, QImage::Format_RGB32);
    return QStringLiteral("      item\n"
                          "        UIStyle = BlueGlass\n"
                          "        ButtonType = %1\n"
                          "        Transparent = True\n"
                          "        Top = 6\n"
                          "        Visible = %2\n"
                          "        PicNormal.Data = {%3}\n"
                          "        PicMouseOn.Data = {%3}\n"
                          "        PicMouseDown.Data = {%3}\n"
                          "      end\n")
        .arg(QLatin1String(type), visible ? QStringLiteral("True") : QStringLiteral("False"),
             picture);
}

QString SectionItem(bool autoSize, int width, const char* align, int pictureWidth, bool stretch) {
    const auto boolean = [](bool b) {
        return b ? QStringLiteral("True") : QStringLiteral("False");
    };
    return QStringLiteral("      item\n"
                          "        AutoSize = %1\n"
                          "        Width = %2\n"
                          "        Align = %3\n"
                          "        Picture.Data = {%4}\n"
                          "        Stretch = %5\n"
                          "      end\n")
        .arg(boolean(autoSize))
        .arg(width)
        .arg(QLatin1String(align),
             StoredPicture(pictureWidth, 33, qRgb(0, 0x40, 0x80), QImage::Format_Indexed8),
             boolean(stretch));
}

// The main window's frame as its description stores it, in the stored order.
QString ProgramDescription() {
    return QStringLiteral("object Form1: TForm\n"
                          "  Left = 405\n"
                          "  Top = 172\n"
                          "  BorderStyle = bsSingle\n"
                          "  Caption = '短信查询 V1.0'\n"
                          "  ClientHeight = 453\n"
                          "  ClientWidth = 500\n"
                          "  object suiForm1: TsuiForm\n"
                          "    Left = 1\n"
                          "    Top = 0\n"
                          "    Width = 498\n"
                          "    Height = 452\n"
                          "    TitleBarCustom = False\n"
                          "    UIStyle = BlueGlass\n"
                          "    UIStyleAutoUpdateSub = False\n"
                          "    BorderColor = clBlack\n"
                          "    BorderWidth = 1\n"
                          "    Color = 15198183\n"
                          "    Caption = '短信查询 V1.0'\n"
                          "    TitleBarButtons = <\n") +
           ButtonItem("suiControlBox", false, qRgb(1, 0, 0)) +
           ButtonItem("suiClose", true, qRgb(2, 0, 0)) +
           ButtonItem("suiMax", false, qRgb(3, 0, 0)) + ButtonItem("suiMin", true, qRgb(4, 0, 0)) +
           QStringLiteral("    >\n"
                          "    TitleBarSections = <\n") +
           SectionItem(true, 162, "suiLeft", 162, false) +
           SectionItem(true, 101, "suiRight", 101, false) +
           SectionItem(false, 10, "suiClient", 179, true) +
           QStringLiteral("    >\n"
                          "    TitleBarDrawAppIcon = False\n"
                          "    Font.Charset = DEFAULT_CHARSET\n"
                          "    Font.Color = clWhite\n"
                          "    Font.Height = -11\n"
                          "    Font.Name = 'Tahoma'\n"
                          "    Font.Style = [fsBold]\n"
                          "    MenuBarColor = 15198183\n"
                          "    MenuBarHeight = 22\n"
                          "    RoundCorner = 11\n"
                          "    Version = '4.30'\n"
                          "  end\n"
                          "end\n");
}

TEST(SUIFormReadingTest, TheProgramsStoredFrameGivesItsWindow) {
    TApplication app;
    TForm form(nullptr);
    FormReader::ReadInto(&form, FormParser::Parse(ProgramDescription()));
    auto* frame = qobject_cast<TsuiForm*>(form.FindComponent(QStringLiteral("suiForm1")));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->Parent(), &form);
    EXPECT_EQ(form.Width(), 500);
    EXPECT_EQ(form.Height(), 453);
    EXPECT_EQ(form.BorderStyle(), TFormBorderStyle::bsNone);
    EXPECT_EQ(frame->DesignBorderStyle(), TFormBorderStyle::bsSingle);
    EXPECT_EQ(frame->BoundsRect(), Bounds(1, 0, 498, 452));
    EXPECT_EQ(frame->UIStyle(), TsuiUIStyle::BlueGlass);
    EXPECT_EQ(frame->Color(), 15198183);
    EXPECT_EQ(frame->Caption(), kCaption);
    EXPECT_EQ(form.Caption(), kCaption);
    EXPECT_EQ(form.Constraints()->MinWidth(), 270);
    EXPECT_EQ(frame->RoundCorner(), 11);
    EXPECT_EQ(frame->MenuBarColor(), 15198183);
    EXPECT_EQ(frame->MenuBarHeight(), 22);
    EXPECT_FALSE(frame->TitleBarDrawAppIcon());

    const TsuiTitleBarButtons& buttons = *frame->TitleBarButtons();
    ASSERT_EQ(buttons.Count(), 4);
    const TsuiTitleBarBtnType types[] = {suiControlBox, suiClose, suiMax, suiMin};
    for (int i = 0; i < 4; ++i) {
        const TsuiTitleBarButton& button = *buttons.Items(i);
        EXPECT_EQ(button.ButtonType(), types[i]);
        EXPECT_EQ(button.Visible(), i == 1 || i == 3);
        EXPECT_TRUE(button.Transparent());
        EXPECT_EQ(button.Top(), 6);
        // The stored pictures replace those the type loaded from the style.
        EXPECT_EQ(button.PicNormal()->Bitmap()->Pixels(0, 0), i + 1);
        EXPECT_EQ(button.PicMouseDown()->Bitmap()->Pixels(18, 18), i + 1);
    }
    const TsuiTitleBarSections& sections = *frame->TitleBarSections();
    ASSERT_EQ(sections.Count(), 3);
    EXPECT_EQ(sections.Items(0)->Width(), 162);
    EXPECT_EQ(sections.Items(1)->Width(), 101);
    EXPECT_EQ(sections.Items(1)->Align(), suiRight);
    EXPECT_EQ(sections.Items(2)->Width(), 10);
    EXPECT_EQ(sections.Items(2)->Align(), suiClient);
    EXPECT_TRUE(sections.Items(2)->Stretch());
    EXPECT_EQ(sections.Items(2)->Picture()->Width(), 179);
    EXPECT_EQ(frame->TitleBar()->Height(), 33);

    const TFont& font = *frame->TitleBar()->Font();
    EXPECT_EQ(font.Name(), QStringLiteral("Tahoma"));
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Color(), clWhite);
    EXPECT_TRUE(font.Style().testFlag(Framework::fsBold));
}

TEST_F(SUIFormTest, ARightClickOnTheFrameOrItsTitleBarOpensTheFramesPopupMenu) {
    MakeFrame();
    TakeProgramSettings();
    auto* menu = new TsuiPopupMenu(host);
    auto* item = new TMenuItem(nullptr);
    item->SetCaption(QStringLiteral("关于"));
    menu->Items()->Add(item);
    frame->SetPopupMenu(menu);
    for (TWinControl* clicked :
         {static_cast<TWinControl*>(frame), static_cast<TWinControl*>(frame->TitleBar())}) {
        TestSupport::ClickAt(clicked->Handle(), QPoint(200, 20), Qt::RightButton);
        ASSERT_NE(menu->PopupWindow(), nullptr);
        EXPECT_EQ(menu->PopupPoint(), clicked->ClientToScreen({200, 20}));
        menu->CloseMenu();
    }
}

TEST(SUIFormReadingTest, EveryPublishedValueReadsInItsStoredOrder) {
    TApplication app;
    TStoredForm form(nullptr);
    auto* theme = new TsuiFileTheme(&form);
    theme->SetName(QStringLiteral("suiFileTheme1"));
    const QStringList values = QStringList{"Left = 1",
                                           "Top = 0",
                                           "TitleBarCustom = False",
                                           "FileTheme = suiFileTheme1",
                                           "UIStyle = BlueGlass",
                                           "UIStyleAutoUpdateSub = False",
                                           "BorderColor = clBlack",
                                           "BorderWidth = 1",
                                           "TitleBarVisible = True",
                                           "BiDiMode = bdRightToLeft",
                                           "Color = 15198183",
                                           "Caption = '短信查询 V1.0'",
                                           "FormPanel = Panel1",
                                           "TitleBarButtons = <\n      item\n"
                                           "        ButtonType = suiClose\n      end>",
                                           "TitleBarSections = <>",
                                           "TitleBarDrawAppIcon = False"} +
                               StoredFormSupport::StoredFont() +
                               QStringList{"Menu = MainMenu1",
                                           "MenuBarColor = 15198183",
                                           "MenuBarHeight = 22",
                                           "Height = 452",
                                           "Width = 498",
                                           "RoundCorner = 11",
                                           "PopupMenu = FrameMenu",
                                           "Version = '4.30'",
                                           "OnTitleBarCustomBtnsClick = TitleButton",
                                           "OnTitleBarHelpBtnClick = TitleButton",
                                           "OnMouseDown = Mouse",
                                           "OnClick = Notify",
                                           "OnMouseUp = Mouse"};
    using StoredFormSupport::StoredObject;
    const QString inside = StoredObject(QStringLiteral("Panel1"), QStringLiteral("TPanel"), {}) +
                           StoredObject(QStringLiteral("searchkeyword"), QStringLiteral("TsuiEdit"),
                                        {"UIStyle = BlueGlass"});
    StoredFormSupport::ReadStored(
        form,
        StoredObject(QStringLiteral("MainMenu1"), QStringLiteral("TsuiMainMenu"), {}) +
            StoredObject(QStringLiteral("FrameMenu"), QStringLiteral("TsuiPopupMenu"), {}) +
            StoredObject(QStringLiteral("suiForm1"), QStringLiteral("TsuiForm"), values, inside));
    auto* frame = qobject_cast<TsuiForm*>(form.FindComponent(QStringLiteral("suiForm1")));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->BoundsRect(), Bounds(1, 0, 498, 452));
    EXPECT_EQ(frame->FileTheme(), theme);
    EXPECT_EQ(frame->BiDiMode(), TBiDiMode::bdRightToLeft);
    EXPECT_EQ(frame->FormPanel(), form.FindComponent(QStringLiteral("Panel1")));
    EXPECT_EQ(frame->Menu(), form.FindComponent(QStringLiteral("MainMenu1")));
    EXPECT_EQ(frame->PopupMenu(), form.FindComponent(QStringLiteral("FrameMenu")));
    EXPECT_TRUE(frame->TitleBar()->OnHelpBtnClick);
    // The edit on the frame reads in the frame's direction.
    auto* edit = qobject_cast<TsuiEdit*>(form.FindComponent(QStringLiteral("searchkeyword")));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->BiDiMode(), TBiDiMode::bdRightToLeft);
    EXPECT_EQ(edit->Handle()->layoutDirection(), Qt::RightToLeft);
}

} // namespace

#include "SUIFormTest.moc"
