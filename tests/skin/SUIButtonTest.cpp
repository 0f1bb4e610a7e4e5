#include "skin/SUIButton.h"

#include "framework/core/TForm.h"
#include "framework/core/TManualTimerClock.h"
#include "framework/core/TestSupport.h"
#include "framework/forms/FormParser.h"
#include "framework/forms/FormReader.h"
#include "framework/graphics/Colors.h"
#include "framework/graphics/TCanvas.h"
#include "framework/menus/TMenuItem.h"
#include "framework/menus/TPopupMenuWindow.h"
#include "skin/SUIEdit.h"
#include "skin/SUIPopupMenu.h"
#include "skin/support/HighDensity.h"
#include "skin/support/StoredFormSupport.h"
#include "skin/support/ThemeFileWriter.h"
#include "support/ImageCompare.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <utility>

using namespace StoredFormSupport;
using namespace TestSupport;

namespace {

constexpr TColor kParentColour = 0x3366CC; // nowhere in the button artwork
constexpr TColor kGrey = 0x808080;
constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kInk = 0x40C080; // a caption colour nowhere in the artwork
constexpr int kFrameWidth = 77;   // of BLUEGLASS_BUTTON's three

using Pixels = std::set<std::pair<int, int>>;

// Where two pictures of the same size differ, as a set to compare with others.
Pixels DifferingPixels(const QImage& a, const QImage& b) {
    Pixels differ;
    for (const QPoint& p : Differences(a, b))
        differ.insert({p.x(), p.y()});
    return differ;
}

Pixels Shifted(const Pixels& pixels, int dx, int dy) {
    Pixels moved;
    for (const auto& [x, y] : pixels)
        moved.insert({x + dx, y + dy});
    return moved;
}

Pixels Everywhere(const QImage& image) {
    Pixels all;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            all.insert({x, y});
    return all;
}

Pixels WithColour(const QImage& image, const Pixels& among, TColor colour) {
    Pixels found;
    for (const auto& p : among)
        if (PixelAt(image, p.first, p.second) == colour)
            found.insert(p);
    return found;
}

// A move with the left button held, as the toolkit reports it while the button keeps the press.
void DragTo(QWidget* widget, QPoint pos) {
    QMouseEvent event(QEvent::MouseMove, QPointF(pos), QPointF(widget->mapToGlobal(pos)),
                      Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    event.setTimestamp(NextTimestamp());
    QCoreApplication::sendEvent(widget, &event);
}

void CursorEnters(QWidget* widget) {
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(widget->mapToGlobal(QPoint(5, 5))));
    QCoreApplication::sendEvent(widget, &event);
}

void CursorLeaves(QWidget* widget) {
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &event);
}

void SendKey(QWidget* widget, QEvent::Type type, int key, const QString& text) {
    QKeyEvent event(type, key, Qt::NoModifier, text);
    event.setTimestamp(NextTimestamp());
    QCoreApplication::sendEvent(widget, &event);
}

const TBitmap& Strip() {
    static const std::unique_ptr<TBitmap> strip = [] {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->LoadFromResourceName(QStringLiteral("BLUEGLASS_BUTTON"));
        return bitmap;
    }();
    return *strip;
}

// The pieces of the worked example: BLUEGLASS_BUTTON's frame (77 x 27) on a 49 x 25 button, in
// drawing order; a later piece covers an earlier one.
struct Piece {
    TRect Target;
    TRect Source;
};
const Piece kWorkedExample[] = {
    {Rect(0, 0, 24, 12), Rect(0, 0, 24, 12)},     {Rect(0, 14, 24, 25), Rect(0, 16, 24, 27)},
    {Rect(0, 12, 24, 14), Rect(0, 13, 24, 14)},   {Rect(26, 0, 49, 12), Rect(54, 0, 77, 12)},
    {Rect(26, 14, 49, 25), Rect(54, 16, 77, 27)}, {Rect(26, 12, 49, 14), Rect(54, 14, 77, 15)},
    {Rect(24, 0, 26, 12), Rect(38, 0, 40, 12)},   {Rect(24, 12, 26, 13), Rect(38, 13, 40, 14)},
    {Rect(23, 13, 26, 25), Rect(38, 15, 40, 27)},
};

bool Contains(const TRect& r, int x, int y) {
    return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

// The source pixels a nearest-neighbour stretch may take for target pixel t.
std::pair<int, int> Span(int t, int targetLen, int sourceLen) {
    return {t * sourceLen / targetLen, ((t + 1) * sourceLen + targetLen - 1) / targetLen - 1};
}

// The top-left corner, drawn one to one, shows frame `frame` of the strip, with the parent's
// colour where the artwork is fuchsia.
bool ShowsFrame(const QImage& face, int frame) {
    const TBitmap& strip = Strip();
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 24; ++x) {
            const TColor source = strip.Pixels(kFrameWidth * (frame - 1) + x, y);
            const TColor expected = source == clFuchsia ? kParentColour : source;
            if (PixelAt(face, x, y) != expected)
                return false;
        }
    }
    return true;
}

} // namespace

class SUIButtonTest : public testing::Test {
protected:
    SUIButtonTest() {
        form.SetBorderStyle(TFormBorderStyle::bsNone);
        form.SetBounds(0, 0, 240, 120);
        form.SetColor(kParentColour);
        button->SetParent(&form);
        button->SetBounds(10, 5, 49, 25);
        button->SetUIStyle(TsuiUIStyle::BlueGlass);
        button->OnClick = [this](TObject* sender) {
            EXPECT_EQ(sender, button);
            ++clicks;
        };
    }
    // Only a shown, active form's controls take the focus and keys.
    void ShowForm() {
        form.Show();
        QApplication::setActiveWindow(form.Handle());
    }
    QWidget* Window() { return button->Handle(); }
    // Red up to column `redColumns`, blue after it, and lime, the colour left out, at the top left.
    void SetGlyph(int width, int height, int redColumns) {
        TBitmap glyph;
        glyph.SetSize(width, height);
        glyph.Canvas().Brush().SetColor(clBlue);
        glyph.Canvas().FillRect(Rect(0, 0, width, height));
        glyph.Canvas().Brush().SetColor(clRed);
        glyph.Canvas().FillRect(Rect(0, 0, redColumns, height));
        glyph.SetPixels(0, 0, clLime);
        button->SetGlyph(glyph);
    }
    QImage Face() { return Window()->grab().toImage(); }
    // Where the caption's ink lies: the pixels that differ from the same face without it.
    Pixels CaptionInk(const QString& caption) {
        button->SetCaption(QStringLiteral(" "));
        const QImage blank = Face();
        button->SetCaption(caption);
        return DifferingPixels(blank, Face());
    }

    RecordingApplication app;
    TForm form{nullptr};
    TsuiButton* button = new TsuiButton(&form);
    int clicks = 0;
};

TEST_F(SUIButtonTest, ABlueGlassButtonStretchesItsFrameWithCornersKeptOverTheParent) {
    ASSERT_TRUE(button->Transparent());
    const TBitmap& strip = Strip();
    const QImage face = Face();
    ASSERT_EQ(face.size(), QSize(49, 25));
    int parentShows = 0;
    for (int y = 0; y < 25; ++y) {
        for (int x = 0; x < 49; ++x) {
            const Piece* owner = nullptr;
            for (const Piece& p : kWorkedExample)
                if (Contains(p.Target, x, y))
                    owner = &p;
            ASSERT_NE(owner, nullptr);
            // Any source pixel the target pixel's span covers may show; fuchsia ones show the
            // parent.
            const auto [x0, x1] =
                Span(x - owner->Target.Left, owner->Target.Width(), owner->Source.Width());
            const auto [y0, y1] =
                Span(y - owner->Target.Top, owner->Target.Height(), owner->Source.Height());
            std::set<TColor> allowed;
            for (int sy = y0; sy <= y1; ++sy) {
                for (int sx = x0; sx <= x1; ++sx) {
                    const TColor c = strip.Pixels(owner->Source.Left + sx, owner->Source.Top + sy);
                    allowed.insert(c == clFuchsia ? kParentColour : c);
                }
            }
            const TColor drawn = PixelAt(face, x, y);
            ASSERT_TRUE(allowed.count(drawn)) << x << "," << y;
            parentShows += drawn == kParentColour ? 1 : 0;
        }
    }
    EXPECT_GT(parentShows, 0); // the rounded corners
}

TEST_F(SUIButtonTest, TheMouseShowsItsStatesAndAReleaseAfterComingBackStillClicks) {
    EXPECT_TRUE(ShowsFrame(Face(), 1));
    CursorEnters(Window());
    EXPECT_TRUE(ShowsFrame(Face(), 2));
    Press(Window(), QPoint(5, 5));
    EXPECT_TRUE(ShowsFrame(Face(), 3));
    // Out with the button held: released look; back in: the mouse-on look, not pressed.
    DragTo(Window(), QPoint(70, 5));
    EXPECT_TRUE(ShowsFrame(Face(), 1));
    DragTo(Window(), QPoint(5, 5));
    EXPECT_TRUE(ShowsFrame(Face(), 2));
    Release(Window(), QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(ShowsFrame(Face(), 2));
    // A right press shows nothing pressed; a disabled button shows the normal frame.
    Press(Window(), QPoint(5, 5), Qt::RightButton);
    EXPECT_TRUE(ShowsFrame(Face(), 2));
    Release(Window(), QPoint(5, 5), Qt::RightButton);
    button->SetEnabled(false);
    EXPECT_TRUE(ShowsFrame(Face(), 1));
    EXPECT_EQ(clicks, 1);
}

TEST_F(SUIButtonTest, HoldingTheButtonRepeatsUntilReleaseOrLeaveAndADoubleClickIsTwoClicks) {
    TManualTimerClock clock;
    int ticks = 0;
    button->OnMouseContinuouslyDown = [&](TObject* sender) {
        EXPECT_EQ(sender, button);
        ++ticks;
    };
    CursorEnters(Window());
    Press(Window(), QPoint(5, 5));
    clock.Advance(250);
    EXPECT_EQ(ticks, 2);
    Press(Window(), QPoint(5, 5)); // no second timer: the count goes on
    clock.Advance(50);
    EXPECT_EQ(ticks, 3);
    Release(Window(), QPoint(5, 5));
    clock.Advance(500);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(clicks, 1);

    Press(Window(), QPoint(5, 5));
    clock.Advance(100);
    EXPECT_EQ(ticks, 4);
    CursorLeaves(Window());
    clock.Advance(500);
    EXPECT_EQ(ticks, 4);
    Release(Window(), QPoint(80, 5));
    CursorEnters(Window());

    button->SetMouseContinuouslyDownInterval(0);
    Press(Window(), QPoint(5, 5));
    clock.Advance(1000);
    Release(Window(), QPoint(5, 5));
    EXPECT_EQ(ticks, 4);

    clicks = 0;
    Press(Window(), QPoint(5, 5));
    Release(Window(), QPoint(5, 5));
    SendMouse(Window(), QEvent::MouseButtonDblClick, Qt::LeftButton, QPoint(5, 5));
    Release(Window(), QPoint(5, 5));
    EXPECT_EQ(clicks, 2);
}

TEST_F(SUIButtonTest, ADisabledCaptionIsWhiteOnePixelOffThenGreyAndAPressedOneMoves) {
    button->SetBounds(10, 5, 80, 27);
    const Pixels normal = CaptionInk(QStringLiteral("搜索"));
    ASSERT_FALSE(normal.empty());

    Press(Window(), QPoint(5, 5));
    EXPECT_EQ(CaptionInk(QStringLiteral("搜索")), Shifted(normal, 1, 1));
    Release(Window(), QPoint(5, 5));

    button->SetEnabled(false);
    button->SetCaption(QStringLiteral("搜索"));
    const QImage face = Face();
    const Pixels ink = CaptionInk(QStringLiteral("搜索"));
    const Pixels grey = WithColour(face, ink, kGrey);
    const Pixels white = WithColour(face, ink, kWhite);
    // The grey text stands where the enabled text stood; the white copy shows below and right.
    EXPECT_EQ(grey, normal);
    EXPECT_EQ(grey.size() + white.size(), ink.size());
    Pixels shadow = Shifted(grey, 1, 1);
    for (const auto& p : grey)
        shadow.erase(p);
    EXPECT_EQ(white, shadow);

    // Blanks only: no text at all.
    EXPECT_TRUE(CaptionInk(QStringLiteral("   ")).empty());
}

TEST_F(SUIButtonTest, FocusIsABoldCaptionInBlueGlassAndMacOSAndADottedFrameOtherwise) {
    const QString caption = QStringLiteral("Go");
    const Pixels regular = CaptionInk(caption);
    ShowForm();
    button->SetFocus();
    const Pixels bold = CaptionInk(caption);
    EXPECT_GT(bold.size(), regular.size());
    EXPECT_TRUE(button->Focused());

    button->SetUIStyle(TsuiUIStyle::WinXP);
    button->SetCaption(QString());
    const QImage focused = Face();
    form.SetFocus();
    const QImage unfocused = Face();
    // Every other pixel of the rectangle 2 pixels inside the edges, inverted.
    Pixels dots;
    for (int x = 2; x <= 46; ++x)
        for (int y : {2, 22})
            if ((x + y) % 2 == 0)
                dots.insert({x, y});
    for (int y = 3; y < 22; ++y)
        for (int x : {2, 46})
            if ((x + y) % 2 == 0)
                dots.insert({x, y});
    EXPECT_EQ(DifferingPixels(focused, unfocused), dots);
    const auto [x, y] = *dots.begin();
    EXPECT_EQ(PixelAt(focused, x, y), PixelAt(unfocused, x, y) ^ 0xFFFFFF);

    button->SetTabStop(false);
    button->SetFocus();
    EXPECT_TRUE(DifferingPixels(Face(), unfocused).empty());
}

TEST_F(SUIButtonTest, GlyphsOfTwoImagesSwapWhenDisabledAndSingleOnesAreGreyed) {
    button->SetUIStyle(TsuiUIStyle::WinXP);
    button->SetBounds(10, 5, 80, 27);
    SetGlyph(32, 16, 16);

    // Left of an empty caption: (80 - (0 + 16 + 4)) / 2 = 30, (27 - 16) / 2 = 5.
    QImage face = Face();
    EXPECT_EQ(PixelAt(face, 31, 6), clRed);
    EXPECT_EQ(PixelAt(face, 45, 20), clRed);
    EXPECT_NE(PixelAt(face, 30, 5), clLime);
    EXPECT_NE(PixelAt(face, 46, 21), clRed);
    Press(Window(), QPoint(5, 5));
    EXPECT_EQ(PixelAt(Face(), 46, 21), clRed);
    Release(Window(), QPoint(5, 5));
    button->SetEnabled(false);
    EXPECT_EQ(PixelAt(Face(), 31, 6), clBlue);

    // 30 x 16 is one image, centred at (80 - 34) / 2 = 23; disabled, it is greyed.
    SetGlyph(30, 16, 16);
    EXPECT_EQ(PixelAt(Face(), 25, 6), ColorToRGB(clBtnShadow));
    button->SetEnabled(true);
    face = Face();
    EXPECT_EQ(PixelAt(face, 25, 6), clRed);
    EXPECT_EQ(PixelAt(face, 52, 20), clBlue);
}

TEST_F(SUIButtonTest, GlyphLayoutsPlaceGlyphAndCaptionAroundEachOther) {
    button->SetUIStyle(TsuiUIStyle::WinXP);
    button->SetBounds(10, 5, 80, 60);
    SetGlyph(10, 10, 10);
    button->SetSpacing(6);
    TBitmap measure;
    measure.Canvas().Font().Assign(button->Font());
    const QString caption = QStringLiteral("Ab");
    const int tw = measure.Canvas().TextWidth(caption);
    const int th = measure.Canvas().TextHeight(caption);
    const int left = (80 - (tw + 10 + 6)) / 2;
    const int top = (60 - (th + 10 + 6)) / 2;
    struct Case {
        TButtonLayout layout;
        QPoint glyph;
        QRect caption; // where all the ink must fall
    };
    const Case cases[] = {
        {TButtonLayout::blGlyphLeft, {left, 25}, QRect(left + 16, (60 - th) / 2, tw, th)},
        {TButtonLayout::blGlyphRight,
         {(80 + tw + 6 - 10) / 2, 25},
         QRect((80 + tw + 6 - 10) / 2 - tw - 6, (60 - th) / 2, tw, th)},
        {TButtonLayout::blGlyphTop, {35, top}, QRect((80 - tw) / 2, top + 16, tw, th)},
        {TButtonLayout::blGlyphBottom,
         {35, (60 + th + 6 - 10) / 2},
         QRect((80 - tw) / 2, (60 + th + 6 - 10) / 2 - th - 6, tw, th)},
    };
    button->SetCaption(caption);
    button->Font()->SetColor(kInk);
    for (const Case& c : cases) {
        button->SetLayout(c.layout);
        const QImage face = Face();
        const Pixels ink = WithColour(face, Everywhere(face), kInk);
        ASSERT_FALSE(ink.empty());
        for (const auto& [x, y] : ink)
            EXPECT_TRUE(c.caption.contains(x, y)) << int(c.layout) << ": ink at " << x << "," << y;
        EXPECT_EQ(PixelAt(face, c.glyph.x() + 1, c.glyph.y() + 1), clRed) << int(c.layout);
        EXPECT_EQ(PixelAt(face, c.glyph.x() + 9, c.glyph.y() + 9), clRed) << int(c.layout);
        EXPECT_NE(PixelAt(face, c.glyph.x() + 10, c.glyph.y() + 9), clRed) << int(c.layout);
    }
}

TEST_F(SUIButtonTest, StylesSetTransparencySizeAndFrameAndAThemeFilesRemovalTurnsItDeepBlue) {
    EXPECT_EQ(button->Width(), 49); // stored; a new button is 80 x 27
    EXPECT_EQ(TsuiButton(nullptr).Height(), 27);
    button->SetUIStyle(TsuiUIStyle::DeepBlue);
    EXPECT_FALSE(button->Transparent());
    button->SetUIStyle(TsuiUIStyle::MacOS);
    EXPECT_TRUE(button->Transparent());
    button->SetTransparent(false);
    EXPECT_FALSE(button->Transparent());
    button->SetUIStyle(TsuiUIStyle::BlueGlass);
    EXPECT_TRUE(button->Transparent());

    button->SetAutoSize(true);
    EXPECT_EQ(QSize(button->Width(), button->Height()), QSize(77, 27));

    // A theme file that makes buttons transparent but has no picture for them: a blank face.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bool.theme"));
    ThemeFileWriter().AddBool("ButtonTransparentBool", 1).Save(path);
    auto* theme = new TsuiFileTheme(&form);
    theme->SetThemeFile(path);
    button->SetUIStyle(TsuiUIStyle::FromThemeFile);
    button->SetTransparent(false);
    button->SetFileTheme(theme);
    EXPECT_TRUE(button->Transparent());
    button->SetAutoSize(true); // the file theme is not asked: nothing loads
    EXPECT_EQ(QSize(button->Width(), button->Height()), QSize(24, 21));
    const QImage face = Face();
    EXPECT_EQ(PixelAt(face, 12, 10), kWhite);
    EXPECT_EQ(PixelAt(face, 0, 0), kWhite);
    EXPECT_TRUE(app.boxes.empty());

    delete theme;
    EXPECT_EQ(button->FileTheme(), nullptr);
    EXPECT_EQ(button->UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_FALSE(button->Transparent());
    EXPECT_EQ(button->ResHandle(), 0u);
    button->SetResHandle(7);
    EXPECT_EQ(button->ResHandle(), 0u);
}

TEST_F(SUIButtonTest, KeysPressAndClickAndTheFormsDefaultAndCancelButtonsAnswerEnterAndEscape) {
    auto* edit = new TsuiEdit(&form);
    edit->SetParent(&form);
    auto* other = new TsuiButton(&form);
    other->SetParent(&form);
    other->SetBounds(100, 5, 49, 25);
    other->SetCaption(QStringLiteral("&Quit"));
    other->SetCancel(true);
    int otherClicks = 0;
    other->OnClick = [&](TObject*) { ++otherClicks; };
    ShowForm();
    edit->SetTabOrder(0);
    button->SetTabOrder(1);
    edit->SetFocus();
    // Becoming the default tells the whole form where the focus is.
    LPARAM toldFocus = 0;
    const TWndMethod previous = other->WindowProc;
    other->WindowProc = [&](TMessage& m) {
        if (m.Msg == CM_FOCUSCHANGED)
            toldFocus = m.LParam;
        previous(m);
    };
    button->SetDefault(true);
    other->WindowProc = previous;
    EXPECT_EQ(toldFocus, reinterpret_cast<LPARAM>(edit));

    TypeKey(edit->Handle(), Qt::Key_Return, QStringLiteral("\r"));
    TypeKey(edit->Handle(), Qt::Key_Escape, QStringLiteral("\x1b"));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(otherClicks, 1);
    TypeKey(edit->Handle(), Qt::Key_Q, QStringLiteral("q"), Qt::AltModifier);
    EXPECT_EQ(otherClicks, 2);

    // Tab reaches the button; Space shows it pressed until released, then clicks.
    edit->SetFocus();
    TypeKey(edit->Handle(), Qt::Key_Tab, QStringLiteral("\t"));
    ASSERT_TRUE(button->Focused());
    SendKey(Window(), QEvent::KeyPress, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_TRUE(ShowsFrame(Face(), 3));
    EXPECT_EQ(clicks, 1);
    SendKey(Window(), QEvent::KeyRelease, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(ShowsFrame(Face(), 1));

    // Enter on a focused button that is not the default clicks the default one alone.
    other->SetFocus();
    TypeKey(other->Handle(), Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(otherClicks, 2);
}

TEST_F(SUIButtonTest, AClickFromTheProgramTakesTheFocusAndClosesAModalFormWithItsResult) {
    button->SetModalResult(mrOk);
    QTimer::singleShot(0, [this] {
        QApplication::setActiveWindow(form.Handle());
        button->Click();
        EXPECT_TRUE(button->Focused());
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(clicks, 1);

    QTimer::singleShot(0, [this] { ClickAt(Window(), QPoint(5, 5)); });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(clicks, 2);
}

TEST_F(SUIButtonTest, AFormDescriptionAssignsTheStoredValuesInOrder) {
    TForm read(nullptr);
    FormReader::ReadInto(
        &read, FormParser::Parse(QStringLiteral("object Form1: TForm\n"
                                                "  object Button4: TsuiButton\n"
                                                "    Left = 327\n    Top = 39\n    Width = 49\n"
                                                "    Height = 25\n    Caption = '搜索'\n"
                                                "    AutoSize = False\n    UIStyle = BlueGlass\n"
                                                "    TabOrder = 1\n    Transparent = False\n"
                                                "    ModalResult = 0\n    FocusedRectMargin = 3\n"
                                                "    Layout = blGlyphTop\n    Spacing = 5\n"
                                                "    MouseContinuouslyDownInterval = 200\n"
                                                "    ResHandle = 0\n"
                                                "  end\n"
                                                "  object searchkeyword: TsuiEdit\n"
                                                "    UIStyle = MacOS\n    BorderColor = clRed\n"
                                                "  end\n"
                                                "end\n")));
    auto* stored = qobject_cast<TsuiButton*>(read.FindComponent(QStringLiteral("Button4")));
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->BoundsRect(), Bounds(327, 39, 49, 25));
    EXPECT_EQ(stored->Caption(), QStringLiteral("搜索"));
    EXPECT_FALSE(stored->Transparent()); // stored after the style
    EXPECT_EQ(stored->FocusedRectMargin(), 3);
    EXPECT_EQ(stored->Layout(), TButtonLayout::blGlyphTop);
    EXPECT_EQ(stored->Spacing(), 5);
    EXPECT_EQ(stored->MouseContinuouslyDownInterval(), 200);
    auto* edit = qobject_cast<TsuiEdit*>(read.FindComponent(QStringLiteral("searchkeyword")));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->UIStyle(), TsuiUIStyle::MacOS);
    EXPECT_EQ(edit->BorderColor(), clRed);
}

TEST_F(SUIButtonTest, ARightClickOpensItsSkinnedPopupMenuAtThePointer) {
    auto* menu = new TsuiPopupMenu(&form);
    auto* item = new TMenuItem(nullptr);
    item->SetCaption(QStringLiteral("关于"));
    menu->Items()->Add(item);
    menu->SetUIStyle(TsuiUIStyle::BlueGlass);
    menu->InstallMenuItemHandlers();
    button->SetPopupMenu(menu);

    ClickAt(Window(), QPoint(20, 10), Qt::RightButton);
    EXPECT_EQ(clicks, 0);
    TPopupMenuWindow* window = menu->PopupWindow();
    ASSERT_NE(window, nullptr);
    const QPoint pointer = Window()->mapToGlobal(QPoint(20, 10));
    EXPECT_EQ(menu->PopupPoint(), (TPoint{pointer.x(), pointer.y()}));
    // Drawn by the skin: BlueGlass's bar on the left of the item.
    const TRect first = window->ItemRect(0);
    EXPECT_EQ(PixelAt(window->Render(), first.Left + 5, first.Top + 1), TColor(0xCED3D6));
    menu->CloseMenu();
}

TEST(SUIButtonReadingTest, EveryPublishedValueOfBothClassesReadsInItsStoredOrder) {
    TStoredForm form(nullptr);
    auto* theme = new TsuiFileTheme(&form);
    theme->SetName(QStringLiteral("suiFileTheme1"));
    const QStringList values =
        QStringList{"Left = 327",
                    "Top = 39",
                    "Width = 49",
                    "Height = 25",
                    "BiDiMode = bdRightToLeft",
                    "Anchors = [akRight, akBottom]",
                    "ParentColor = False"} +
        StoredFont() +
        QStringList{"PopupMenu = ButtonMenu", "ShowHint = True",    "Caption = '搜索'",
                    "AutoSize = False",       "Visible = True",     "ParentShowHint = False",
                    "ParentBiDiMode = False", "ParentFont = False", "TabStop = True",
                    "OnEnter = Notify",       "OnExit = Notify",    "FileTheme = suiFileTheme1",
                    "UIStyle = BlueGlass",    "Cancel = True",      "Default = True",
                    "Action = Action1",       "Caption = '搜索'"} +
        StoredFont() +
        QStringList{"Enabled = True",
                    "TabOrder = 1",
                    "Transparent = False",
                    "ModalResult = 1",
                    "AutoSize = False",
                    "FocusedRectMargin = 3",
                    "Glyph.Data = {00000000}",
                    "Layout = blGlyphTop",
                    "Spacing = 5",
                    "MouseContinuouslyDownInterval = 200",
                    "OnClick = Notify",
                    "OnMouseMove = MouseMoved",
                    "OnMouseDown = Mouse",
                    "OnMouseUp = Mouse",
                    "OnKeyDown = Key",
                    "OnKeyUp = Key",
                    "OnKeyPress = KeyPressed",
                    "OnMouseEnter = Notify",
                    "OnMouseExit = Notify",
                    "OnMouseContinuouslyDown = Notify",
                    "ResHandle = 0"};
    ReadStored(form,
               StoredObject(QStringLiteral("ButtonMenu"), QStringLiteral("TsuiPopupMenu"), {}) +
                   StoredObject(QStringLiteral("Action1"), QStringLiteral("TAction"),
                                {QStringLiteral("Caption = '查找'")}) +
                   StoredObject(QStringLiteral("Button4"), QStringLiteral("TsuiButton"), values));
    auto* button = qobject_cast<TsuiButton*>(form.FindComponent(QStringLiteral("Button4")));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->BoundsRect(), Bounds(327, 39, 49, 25));
    EXPECT_EQ(button->Anchors(), TAnchors(Framework::akRight) | Framework::akBottom);
    EXPECT_EQ(button->BiDiMode(), TBiDiMode::bdRightToLeft);
    EXPECT_EQ(button->PopupMenu(), form.FindComponent(QStringLiteral("ButtonMenu")));
    EXPECT_EQ(button->Action(), form.FindComponent(QStringLiteral("Action1")));
    EXPECT_EQ(button->Caption(), QStringLiteral("搜索")); // the button's own, stored
    EXPECT_FALSE(button->ParentShowHint());
    EXPECT_EQ(button->FileTheme(), theme);
    EXPECT_TRUE(button->OnEnter);
}

TEST_F(SUIButtonTest, OnADenserScreenTheFrameIsEnlargedAndTheCaptionKeepsFullResolution) {
    button->SetCaption(QStringLiteral(" "));
    const QImage bare = PaintedAt(*button, 1);
    button->SetCaption(QStringLiteral("搜索"));
    const QImage plain = PaintedAt(*button, 1);
    const QRegion caption = Differing(plain, bare, 2);
    ASSERT_FALSE(caption.isEmpty());
    const QImage twice = PaintedAt(*button, 2);
    // The parent seen through the rounded corners is enlarged as well.
    EXPECT_EQ(PixelsNotEnlarged(plain, twice, 2, caption, 0), 0);
    EXPECT_TRUE(DrawnSharp(twice, caption));
    EXPECT_EQ(PixelsNotEnlarged(plain, PaintedAt(*button, 1.5), 1.5, caption, 1), 0);
}
