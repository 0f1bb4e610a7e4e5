// The pointer over windows: hit tests before every mouse message, non-client messages and
// cursors over border bands, the mouse capture, and client-to-screen conversion.
#include "WindowTestSupport.h"
#include "framework/controls/TEdit.h"
#include "framework/controls/TLabel.h"
#include "framework/controls/TToolBar.h"

#include <QWidget>
#include <gtest/gtest.h>

using namespace TestSupport;
using namespace WindowTestSupport;

namespace {

constexpr TRect kFormBounds = Bounds(200, 150, 300, 200);

// Answers the resize bands of a frameless window five pixels deep, as a skinned frame does.
LRESULT BandAt(const TCustomForm& form, LPARAM screen) {
    const TPoint p = form.ScreenToClient({GetXLParam(screen), GetYLParam(screen)});
    if (p.X < 5)
        return p.Y < 5 ? HTTOPLEFT : HTLEFT;
    if (p.X > form.ClientWidth() - 5)
        return HTRIGHT;
    return HTCLIENT;
}

struct Heard {
    UINT msg;
    WPARAM wParam;
    TPoint at;
};

} // namespace

class MouseInputTest : public testing::Test {
protected:
    void TearDown() override { ReleaseCapture(); }

    // Records what reaches `control` (hit tests with their screen point) and hands it on.
    void Record(TControl* control, std::vector<Heard>& into) {
        TWndMethod previous = control->WindowProc;
        control->WindowProc = [previous, &into](TMessage& m) {
            if (m.Msg == WM_NCHITTEST || IsMouseMessage(m.Msg) ||
                (m.Msg >= WM_NCMOUSEMOVE && m.Msg <= WM_NCMBUTTONDBLCLK) ||
                m.Msg == WM_CAPTURECHANGED)
                into.push_back({m.Msg, m.WParam, {GetXLParam(m.LParam), GetYLParam(m.LParam)}});
            previous(m);
        };
    }

    static std::vector<UINT> Codes(const std::vector<Heard>& heard) {
        std::vector<UINT> codes;
        for (const Heard& h : heard)
            codes.push_back(h.msg);
        return codes;
    }

    RecordingApplication app;
};

TEST_F(MouseInputTest, EveryMoveAndPressIsHitTestedFirstWithItsScreenPoint) {
    auto form = ShowFramelessForm(kFormBounds);
    TPanel* panel = AddPanel(form.get(), Bounds(50, 40, 100, 60), "Panel");
    std::vector<Heard> onForm;
    std::vector<Heard> onPanel;
    Record(form.get(), onForm);
    Record(panel, onPanel);

    PointerTo(*form, {220, 170});
    PointerTo(*form, {260, 200}); // over the panel: the panel is asked, not the form
    PressAt(*form, {261, 201});
    ReleaseAt(*form, {261, 201});

    ASSERT_EQ(Codes(onForm), (std::vector<UINT>{WM_NCHITTEST, WM_MOUSEMOVE}));
    EXPECT_EQ(onForm[0].at, (TPoint{220, 170}));
    EXPECT_EQ(onForm[1].at, (TPoint{20, 20}));
    // The release belongs to the press and is not hit-tested.
    // The toolkit moves the pointer to the press first.
    ASSERT_EQ(Codes(onPanel),
              (std::vector<UINT>{WM_NCHITTEST, WM_MOUSEMOVE, WM_NCHITTEST, WM_MOUSEMOVE,
                                 WM_NCHITTEST, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_CAPTURECHANGED}));
    EXPECT_EQ(onPanel[0].at, (TPoint{260, 200}));
    EXPECT_EQ(onPanel[4].at, (TPoint{261, 201}));
    EXPECT_EQ(onPanel[5].at, (TPoint{11, 11}));
}

TEST_F(MouseInputTest, ANonClientAnswerMakesNonClientMessagesAndSizeCursors) {
    auto form = ShowFramelessForm(kFormBounds);
    TCustomForm* host = form.get();
    TWndMethod previous = form->WindowProc;
    form->WindowProc = [previous, host](TMessage& m) {
        previous(m);
        if (m.Msg == WM_NCHITTEST)
            m.Result = BandAt(*host, m.LParam);
    };
    std::vector<Heard> heard;
    Record(form.get(), heard);
    QWidget* window = form->Handle();

    PointerTo(*form, {202, 250});
    EXPECT_EQ(window->cursor().shape(), Qt::SizeHorCursor);
    PointerTo(*form, {201, 151});
    EXPECT_EQ(window->cursor().shape(), Qt::SizeFDiagCursor);
    PointerTo(*form, {350, 250});
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
    static_cast<TControl*>(form.get())->SetCursor(crHandPoint);
    PointerTo(*form, {497, 250});
    EXPECT_EQ(window->cursor().shape(), Qt::SizeHorCursor);
    PointerTo(*form, {350, 250});
    EXPECT_EQ(window->cursor().shape(), Qt::PointingHandCursor);

    heard.clear();
    PointerTo(*form, {203, 260});
    ASSERT_EQ(Codes(heard), (std::vector<UINT>{WM_NCHITTEST, WM_NCMOUSEMOVE}));
    EXPECT_EQ(heard[1].wParam, static_cast<WPARAM>(HTLEFT));
    EXPECT_EQ(heard[1].at, (TPoint{203, 260})); // non-client messages carry the screen point
}

TEST_F(MouseInputTest, APressOnABorderBandBecomesWmNcLButtonDownWithTheCode) {
    auto form = ShowFramelessForm(kFormBounds);
    TCustomForm* host = form.get();
    std::vector<Heard> downs;
    TWndMethod previous = form->WindowProc;
    form->WindowProc = [previous, host, &downs](TMessage& m) {
        if (m.Msg == WM_NCLBUTTONDOWN || m.Msg == WM_LBUTTONDOWN) {
            downs.push_back({m.Msg, m.WParam, {GetXLParam(m.LParam), GetYLParam(m.LParam)}});
            return; // keeps the resize from starting
        }
        previous(m);
        if (m.Msg == WM_NCHITTEST)
            m.Result = BandAt(*host, m.LParam);
    };
    PressAt(*form, {498, 300});
    ReleaseAt(*form, {498, 300});
    PressAt(*form, {300, 300});
    ReleaseAt(*form, {300, 300});
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[0].msg, WM_NCLBUTTONDOWN);
    EXPECT_EQ(downs[0].wParam, static_cast<WPARAM>(HTRIGHT));
    EXPECT_EQ(downs[0].at, (TPoint{498, 300}));
    EXPECT_EQ(downs[1].msg, WM_LBUTTONDOWN);
    EXPECT_EQ(downs[1].at, (TPoint{100, 150}));
}

TEST_F(MouseInputTest, ThePressedControlKeepsMovesAndTheReleaseOutsideItself) {
    auto form = ShowFramelessForm(kFormBounds);
    TPanel* pressed = AddPanel(form.get(), Bounds(10, 10, 50, 50), "Pressed");
    TPanel* other = AddPanel(form.get(), Bounds(100, 10, 50, 50), "Other");
    std::vector<Heard> onPressed;
    std::vector<Heard> onOther;
    Record(pressed, onPressed);
    Record(other, onOther);
    int clicks = 0;
    pressed->OnClick = [&](TObject*) { ++clicks; };

    PressAt(*form, {220, 170});
    EXPECT_EQ(GetCaptureControl(), pressed);
    QTest::mouseMove(WindowOf(*form), QPoint(120, 20)); // over the other panel
    ReleaseAt(*form, {320, 170});
    EXPECT_EQ(GetCaptureControl(), nullptr);

    EXPECT_TRUE(onOther.empty());
    ASSERT_EQ(Codes(onPressed),
              (std::vector<UINT>{WM_NCHITTEST, WM_MOUSEMOVE, WM_NCHITTEST, WM_LBUTTONDOWN,
                                 WM_MOUSEMOVE, WM_LBUTTONUP, WM_CAPTURECHANGED}));
    EXPECT_EQ(onPressed[4].at, (TPoint{110, 10}));
    EXPECT_EQ(onPressed[5].at, (TPoint{110, 10}));
    EXPECT_EQ(clicks, 0); // released outside: no click
}

TEST_F(MouseInputTest, SetCaptureControlTakesTheMouseWithoutAPressUntilReleased) {
    auto form = ShowFramelessForm(kFormBounds);
    TPanel* captor = AddPanel(form.get(), Bounds(10, 10, 50, 50), "Captor");
    TPanel* other = AddPanel(form.get(), Bounds(100, 10, 50, 50), "Other");
    std::vector<Heard> onCaptor;
    std::vector<Heard> onOther;
    Record(captor, onCaptor);
    Record(other, onOther);

    SetCaptureControl(captor);
    EXPECT_EQ(GetCaptureControl(), captor);
    PointerTo(*form, {321, 171});
    // Captured input is not hit-tested: it is the captor's wherever the pointer is.
    ASSERT_EQ(Codes(onCaptor), (std::vector<UINT>{WM_MOUSEMOVE}));
    EXPECT_EQ(onCaptor[0].at, (TPoint{111, 11}));
    EXPECT_TRUE(onOther.empty());

    SetCaptureControl(other);
    EXPECT_EQ(Codes(onCaptor).back(), WM_CAPTURECHANGED);
    ReleaseCapture();
    EXPECT_EQ(GetCaptureControl(), nullptr);
    EXPECT_EQ(Codes(onOther).back(), WM_CAPTURECHANGED);
    onOther.clear();
    PointerTo(*form, {230, 170});
    EXPECT_EQ(Codes(onOther), std::vector<UINT>{});
}

TEST_F(MouseInputTest, AGraphicControlWithoutParentCannotCaptureAndADestroyedCaptorLetsGo) {
    TLabel orphan(nullptr);
    orphan.SetName(QStringLiteral("Orphan"));
    try {
        SetCaptureControl(&orphan);
        FAIL() << "expected an error";
    } catch (const EComponentError& e) {
        EXPECT_EQ(e.Message(), "Orphan has no parent window and cannot capture the mouse");
    }
    EXPECT_EQ(GetCaptureControl(), nullptr);

    auto form = ShowFramelessForm(kFormBounds);
    auto* panel = AddPanel(form.get(), Bounds(0, 0, 10, 10), "Panel");
    SetCaptureControl(panel);
    delete panel;
    EXPECT_EQ(GetCaptureControl(), nullptr);
}

TEST_F(MouseInputTest, ClientToScreenIsExactAtDepthThree) {
    auto form = ShowFramelessForm(kFormBounds);
    TPanel* outer = AddPanel(form.get(), Bounds(10, 20, 200, 150), "Outer");
    TPanel* inner = AddPanel(outer, Bounds(5, 6, 100, 100), "Inner");
    auto* label = new TLabel(inner);
    label->SetParent(inner);
    label->SetBounds(3, 4, 40, 13);

    EXPECT_EQ(label->ClientToScreen({1, 2}), (TPoint{200 + 10 + 5 + 3 + 1, 150 + 20 + 6 + 4 + 2}));
    EXPECT_EQ(inner->ClientToScreen({0, 0}), (TPoint{215, 176}));
    EXPECT_EQ(label->ScreenToClient({219, 182}), (TPoint{1, 2}));
    EXPECT_EQ(form->ScreenToClient({200, 150}), (TPoint{0, 0}));

    form->SetBounds(400, 300, 300, 200);
    EXPECT_EQ(label->ClientToScreen({0, 0}), (TPoint{418, 330}));
}

// As on Windows, a click moves the focus only to a control that takes it: an edit does even when
// it is no tab stop; the form's face, a panel and a tool bar leave it where it was.
TEST_F(MouseInputTest, AClickOnAContainerLeavesTheFocusWithItsControl) {
    auto form = ShowFramelessForm(kFormBounds);
    TPanel* panel = AddPanel(form.get(), Bounds(10, 140, 50, 50), "Panel");
    auto* bar = new TToolBar(form.get());
    bar->SetParent(form.get());
    bar->SetName(QStringLiteral("Bar")); // aligned to the top
    const auto edit = [&](int left, bool tabStop) {
        auto* e = new TEdit(form.get());
        e->SetParent(form.get());
        e->SetTabStop(tabStop);
        e->SetBoundsRect(Bounds(left, 100, 100, 21));
        return e;
    };
    TEdit* focused = edit(10, true);
    TEdit* untabbed = edit(150, false);
    QCoreApplication::processEvents();
    focused->SetFocus();
    ASSERT_TRUE(focused->Focused());
    const auto clickOn = [&](TControl& control) {
        const TPoint at = control.ClientToScreen({5, 5});
        PressAt(*form, {at.X, at.Y});
        ReleaseAt(*form, {at.X, at.Y});
    };

    for (TControl* container : std::initializer_list<TControl*>{panel, bar, form.get()}) {
        clickOn(*container);
        EXPECT_TRUE(focused->Focused()) << "after a click on " << container->Name().toStdString();
    }
    clickOn(*untabbed);
    EXPECT_TRUE(untabbed->Focused());
}
