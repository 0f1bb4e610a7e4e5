// What a form does with keys its controls leave, where the focus went, how a modal form ends,
// and the messages a state change or a held mouse button brings.
#include "framework/core/TCustomForm.h"

#include "TestSupport.h"
#include "framework/controls/TButton.h"
#include "framework/controls/TEdit.h"
#include "framework/controls/TMemo.h"
#include "framework/controls/TPanel.h"
#include "framework/core/Exception.h"
#include "framework/core/TForm.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

using namespace TestSupport;

namespace {

// Records the messages of one kind a control hears, then hands them on.
std::shared_ptr<std::vector<TMessage>> Listen(TControl* control,
                                              std::initializer_list<UINT> kinds) {
    auto heard = std::make_shared<std::vector<TMessage>>();
    TWndMethod previous = control->WindowProc;
    std::vector<UINT> wanted(kinds);
    control->WindowProc = [heard, previous, wanted](TMessage& m) {
        if (std::find(wanted.begin(), wanted.end(), m.Msg) != wanted.end())
            heard->push_back(m);
        previous(m);
    };
    return heard;
}

} // namespace

class DialogHandlingTest : public testing::Test {
protected:
    DialogHandlingTest() {
        form.SetBorderStyle(TFormBorderStyle::bsNone);
        form.SetBounds(0, 0, 300, 200);
        for (TWinControl* c : std::initializer_list<TWinControl*>{edit, memo, ok, cancel})
            c->SetParent(&form);
        memo->SetTop(40);
        ok->SetCaption(QStringLiteral("&Search"));
        ok->SetDefault(true);
        ok->SetTop(100);
        ok->SetModalResult(mrOk);
        cancel->SetCaption(QStringLiteral("Ca&ncel && go"));
        cancel->SetCancel(true);
        cancel->SetTop(140);
        cancel->SetModalResult(mrCancel);
        ok->OnClick = [this](TObject*) { clicks << QStringLiteral("ok"); };
        cancel->OnClick = [this](TObject*) { clicks << QStringLiteral("cancel"); };
    }
    // Buttons on a hidden form cannot take the focus, so they take no keys either.
    void ShowForm() {
        form.Show();
        QApplication::setActiveWindow(form.Handle());
    }

    RecordingApplication app;
    TForm form{nullptr};
    TEdit* edit = new TEdit(&form);
    TMemo* memo = new TMemo(&form);
    TButton* ok = new TButton(&form);
    TButton* cancel = new TButton(&form);
    QStringList clicks;
};

TEST_F(DialogHandlingTest, EnterAndEscapeGoToTheDefaultAndCancelButtons) {
    TypeKey(edit->Handle(), Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_TRUE(clicks.isEmpty());
    ShowForm();
    TypeKey(edit->Handle(), Qt::Key_Return, QStringLiteral("\r"));
    TypeKey(edit->Handle(), Qt::Key_Escape, QStringLiteral("\x1b"));
    EXPECT_EQ(clicks, (QStringList{"ok", "cancel"}));
    // With Shift the key is no dialog key; a memo keeps Enter for its lines.
    TypeKey(edit->Handle(), Qt::Key_Return, QStringLiteral("\r"), Qt::ShiftModifier);
    TypeKey(memo->Handle(), Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(clicks.size(), 2);
    EXPECT_EQ(memo->Text(), QStringLiteral("\n"));
    // A disabled default button takes nothing.
    ok->SetEnabled(false);
    TypeKey(edit->Handle(), Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(clicks.size(), 2);
}

TEST_F(DialogHandlingTest, AcceleratorsClickTheirButton) {
    ShowForm();
    // Alt with the marked letter works from anywhere, in either case; "&&" marks nothing.
    TypeKey(edit->Handle(), Qt::Key_S, QStringLiteral("s"), Qt::AltModifier);
    TypeKey(memo->Handle(), Qt::Key_N, QStringLiteral("N"), Qt::AltModifier);
    TypeKey(edit->Handle(), Qt::Key_G, QStringLiteral("g"), Qt::AltModifier);
    EXPECT_EQ(clicks, (QStringList{"ok", "cancel"}));
    // Alt with a letter types nothing; a plain letter types where text is typed, and presses a
    // button from where it is not.
    EXPECT_EQ(edit->Text(), QString());
    TypeText(edit->Handle(), QStringLiteral("sn"));
    EXPECT_EQ(edit->Text(), QStringLiteral("sn"));
    EXPECT_EQ(clicks.size(), 2);
    TypeKey(cancel->Handle(), Qt::Key_S, QStringLiteral("s"));
    EXPECT_EQ(clicks, (QStringList{"ok", "cancel", "ok"}));
    EXPECT_TRUE(IsAccel(u'n', QStringLiteral("Ca&ncel")));
    EXPECT_FALSE(IsAccel(u'&', QStringLiteral("a && b")));
    EXPECT_FALSE(IsAccel(u'b', QStringLiteral("a && b")));
}

TEST_F(DialogHandlingTest, EveryControlHearsWhereTheFocusWent) {
    const auto heardByOk = Listen(ok, {CM_FOCUSCHANGED});
    const auto heardByMemo = Listen(memo, {CM_FOCUSCHANGED});
    ShowForm();
    cancel->SetFocus();
    ASSERT_FALSE(heardByOk->empty());
    EXPECT_EQ(heardByOk->back().LParam, reinterpret_cast<LPARAM>(cancel));
    EXPECT_EQ(heardByMemo->back().LParam, reinterpret_cast<LPARAM>(cancel));
}

TEST_F(DialogHandlingTest, AModalFormEndsWithTheResultOfTheButtonThatSetIt) {
    QTimer::singleShot(0, [this] { ok->Click(); });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_FALSE(form.Visible());

    // Closing ends it with mrCancel; a close handler that refuses keeps it open.
    int refusals = 0;
    form.OnClose = [&](TObject*, TCloseAction& action) {
        if (refusals++ == 0)
            action = TCloseAction::caNone;
    };
    QTimer::singleShot(0, [this] {
        form.Close();
        QTimer::singleShot(0, [this] { cancel->Click(); });
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(refusals, 2);
    EXPECT_EQ(clicks, (QStringList{"ok", "cancel"}));

    form.Show();
    EXPECT_THROW(form.ShowModal(), EInvalidOperation);
}

TEST_F(DialogHandlingTest, StateChangesReachTheProcedureAndItsDefaultAppliesThem) {
    const auto heard = Listen(edit, {CM_TEXTCHANGED, CM_ENABLEDCHANGED, CM_FONTCHANGED,
                                     CM_COLORCHANGED, CM_VISIBLECHANGED});
    edit->SetText(QStringLiteral("新"));
    edit->SetEnabled(false);
    edit->Font()->SetHeight(-20);
    edit->SetColor(clRed);
    edit->SetVisible(false);
    std::vector<UINT> kinds;
    for (const TMessage& m : *heard)
        kinds.push_back(m.Msg);
    EXPECT_EQ(kinds, (std::vector<UINT>{CM_TEXTCHANGED, CM_ENABLEDCHANGED, CM_FONTCHANGED,
                                        CM_COLORCHANGED, CM_VISIBLECHANGED}));

    // A hook that keeps the message keeps the toolkit's window as it was.
    TWndMethod previous = edit->WindowProc;
    edit->WindowProc = [previous](TMessage& m) {
        if (m.Msg != CM_TEXTCHANGED)
            previous(m);
    };
    edit->SetText(QStringLiteral("旧"));
    EXPECT_EQ(static_cast<QLineEdit*>(edit->Handle())->text(), QStringLiteral("新"));
}

TEST(ControlStyleTest, AControlWithoutDoubleClicksHearsASecondPress) {
    RecordingApplication app;
    TPanel panel(nullptr);
    panel.SetBounds(0, 0, 50, 50);
    int clicks = 0;
    int doubles = 0;
    panel.OnClick = [&](TObject*) { ++clicks; };
    panel.OnDblClick = [&](TObject*) { ++doubles; };
    const auto doubleClick = [&] {
        ClickAt(panel.Handle(), QPoint(5, 5));
        SendMouse(panel.Handle(), QEvent::MouseButtonDblClick, Qt::LeftButton, QPoint(5, 5));
        Release(panel.Handle(), QPoint(5, 5));
    };
    doubleClick();
    EXPECT_EQ(doubles, 1);
    panel.SetControlStyle(panel.ControlStyle().setFlag(TControlStyleFlag::csDoubleClicks, false));
    clicks = 0;
    doubleClick();
    EXPECT_EQ(doubles, 1);
    EXPECT_EQ(clicks, 2);
}

TEST(MouseCrossingTest, AWindowHoldingThePressHearsTheCursorLeaveAndReturnOnce) {
    RecordingApplication app;
    TPanel panel(nullptr);
    panel.SetBounds(0, 0, 50, 50);
    QStringList heard;
    TWndMethod previous = panel.WindowProc;
    panel.WindowProc = [&](TMessage& m) {
        if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE)
            heard << (m.Msg == CM_MOUSEENTER ? QStringLiteral("enter") : QStringLiteral("leave"));
        previous(m);
    };
    QWidget* window = panel.Handle();
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(window, &enter);
    Press(window, QPoint(10, 10));
    const auto dragTo = [window](QPoint p) {
        QMouseEvent move(QEvent::MouseMove, QPointF(p), QPointF(window->mapToGlobal(p)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        move.setTimestamp(NextTimestamp());
        QCoreApplication::sendEvent(window, &move);
    };
    dragTo(QPoint(60, 10));
    dragTo(QPoint(70, 10));
    dragTo(QPoint(20, 10));
    dragTo(QPoint(-5, 10));
    Release(window, QPoint(-5, 10));
    // The toolkit's own leave after the release is no second one.
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(window, &leave);
    EXPECT_EQ(heard, (QStringList{"enter", "leave", "enter", "leave"}));
}

TEST(ParentComponentTest, ControlsGoOnlyOntoControlsThatHoldThem) {
    RecordingApplication app;
    TComponent owner(nullptr);
    auto* panel = new TPanel(&owner);
    auto* button = new TButton(&owner);
    auto* edit = new TEdit(&owner);
    edit->SetName(QStringLiteral("Edit1"));
    button->SetName(QStringLiteral("Button1"));
    edit->SetParentComponent(panel);
    EXPECT_EQ(edit->Parent(), panel);
    try {
        edit->SetParentComponent(button);
        ADD_FAILURE() << "a button took a control";
    } catch (const EComponentError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Button1 cannot hold the control Edit1"));
    }
    EXPECT_EQ(edit->Parent(), panel);
}
