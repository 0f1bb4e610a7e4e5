// Typing as people type: every printable key, other layouts, input methods, and what hooks and
// handlers may keep of a key.
#include "framework/core/EventTranslator.h"

#include "TestSupport.h"
#include "framework/controls/TEdit.h"
#include "framework/controls/TMemo.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

QString PrintableAscii() {
    QString all;
    for (char16_t c = 0x20; c < 0x7F; ++c)
        all += QChar(c);
    return all;
}

void CommitText(QWidget* widget, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

class KeyboardInputTest : public testing::Test {
protected:
    RecordingApplication app;
    TComponent owner{nullptr};
    TEdit* edit = new TEdit(&owner);
    TMemo* memo = new TMemo(&owner);
};

TEST_F(KeyboardInputTest, EveryPrintableCharacterArrivesInOrder) {
    const QString all = PrintableAscii();
    TypeText(edit->Handle(), all);
    EXPECT_EQ(edit->Text(), all);
    TypeText(memo->Handle(), all);
    EXPECT_EQ(memo->Text(), all);

    // Keys that type letters of other layouts and scripts, and characters beyond the first
    // plane, which arrive in two halves.
    edit->SetText(QString());
    TypeText(edit->Handle(), QStringLiteral("üöäß€春😀"));
    EXPECT_EQ(edit->Text(), QStringLiteral("üöäß€春😀"));
}

TEST_F(KeyboardInputTest, KeysCarryTheCodesAWindowsKeyboardGives) {
    std::vector<std::pair<WPARAM, WPARAM>> heard; // key-down code, then the character
    TWndMethod previous = edit->WindowProc;
    edit->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_KEYDOWN)
            heard.emplace_back(m.WParam, 0);
        if (m.Msg == WM_CHAR && !heard.empty())
            heard.back().second = m.WParam;
        previous(m);
    };
    TypeText(edit->Handle(), QStringLiteral("!;\"?ü"));
    EXPECT_EQ(
        heard,
        (std::vector<std::pair<WPARAM, WPARAM>>{
            {'1', '!'}, {VK_OEM_1, ';'}, {VK_OEM_7, '"'}, {VK_OEM_2, '?'}, {VK_OEM_1, u'ü'}}));
    // The keypad types digits under codes of its own; the extra key of 102-key keyboards is
    // told by its hardware code; a key with no code is 0, not dropped.
    EXPECT_EQ(EventTranslator::VirtualKey(Qt::Key_5, Qt::KeypadModifier), VK_NUMPAD0 + 5u);
    EXPECT_EQ(EventTranslator::VirtualKey(Qt::Key_Period, Qt::KeypadModifier), VK_DECIMAL);
    EXPECT_EQ(EventTranslator::VirtualKey(Qt::Key_Less, Qt::NoModifier, 94), VK_OEM_102);
    EXPECT_EQ(EventTranslator::VirtualKey(0x6625), 0u); // 春 through a remapped key
}

TEST_F(KeyboardInputTest, InputMethodCommitsAndPastedTextReachTheEditUnchanged) {
    CommitText(edit->Handle(), QStringLiteral("春节快乐！"));
    EXPECT_EQ(edit->Text(), QStringLiteral("春节快乐！"));
    CommitText(memo->Handle(), QStringLiteral("祝你 50% 开心"));
    EXPECT_EQ(memo->Text(), QStringLiteral("祝你 50% 开心"));
}

TEST_F(KeyboardInputTest, AHandlerThatClearsTheKeyTakesIt) {
    QString pressed;
    edit->OnKeyDown = [](TObject*, std::uint16_t& key, TShiftState) {
        if (key == VK_OEM_PERIOD)
            key = 0;
    };
    edit->OnKeyPress = [&](TObject*, char16_t& key) { pressed += QChar(key); };
    TypeText(edit->Handle(), QStringLiteral("a.b"));
    EXPECT_EQ(edit->Text(), QStringLiteral("ab"));
    // The character of a taken key is still announced, as Windows posts it regardless.
    EXPECT_EQ(pressed, QStringLiteral("a.b"));

    edit->OnKeyPress = [](TObject*, char16_t& key) {
        if (key == u'%')
            key = 0;
    };
    TypeText(edit->Handle(), QStringLiteral("%c"));
    EXPECT_EQ(edit->Text(), QStringLiteral("abc"));
}

TEST_F(KeyboardInputTest, AltSpaceReachesAHookAsASystemCharacterAfterItsKeyWasKept) {
    QStringList heard;
    TWndMethod previous = edit->WindowProc;
    edit->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_SYSKEYDOWN) {
            heard << QStringLiteral("syskeydown %1").arg(m.WParam);
            return; // kept, as a frame keeps Alt combinations for its menus
        }
        if (m.Msg == WM_SYSCHAR)
            heard << QStringLiteral("syschar %1").arg(m.WParam);
        previous(m);
    };
    TypeKey(edit->Handle(), Qt::Key_Space, QStringLiteral(" "), Qt::AltModifier);
    EXPECT_EQ(heard, (QStringList{QStringLiteral("syskeydown %1").arg(VK_SPACE),
                                  QStringLiteral("syschar %1").arg(int(' '))}));
    EXPECT_EQ(edit->Text(), QString());
}
