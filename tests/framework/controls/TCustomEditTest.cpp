#include "framework/controls/TCustomEdit.h"

#include "../core/TestSupport.h"
#include "framework/controls/TEdit.h"
#include "framework/core/Exception.h"
#include "framework/core/TForm.h"
#include "framework/forms/FormParser.h"
#include "framework/forms/FormReader.h"
#include "framework/menus/TMenuItem.h"
#include "framework/menus/TPopupMenu.h"
#include "framework/menus/TPopupMenuWindow.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QInputMethodQueryEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

QLineEdit* EditorOf(TCustomEdit* edit) {
    return static_cast<QLineEdit*>(edit->Handle());
}

// The first and last column of the edit's text ink (dark pixels).
std::pair<int, int> InkColumns(TCustomEdit* edit) {
    const QImage image = edit->Handle()->grab().toImage();
    std::pair<int, int> columns{image.width(), -1};
    for (int y = 3; y < image.height() - 3; ++y)
        for (int x = 3; x < image.width() - 3; ++x)
            if (qGray(image.pixel(x, y)) < 128)
                columns = {std::min(columns.first, x), std::max(columns.second, x)};
    return columns;
}

// What the edit answers an input method, asked the way the toolkit asks: through the window.
QVariant InputMethodAnswer(TCustomEdit* edit, Qt::InputMethodQuery query) {
    QInputMethodQueryEvent event(query);
    QCoreApplication::sendEvent(edit->Handle(), &event);
    return event.value(query);
}

} // namespace

class TCustomEditTest : public testing::Test {
protected:
    TCustomEditTest() {
        edit->OnChange = [this](TObject* sender) {
            EXPECT_EQ(sender, edit);
            changes << edit->Text();
        };
    }
    RecordingApplication app;
    TComponent owner{nullptr};
    TEdit* edit = new TEdit(&owner);
    QStringList changes;
};

TEST_F(TCustomEditTest, TextSetByTheProgramAndTypedByTheUserIsTheSameText) {
    edit->SetText(QStringLiteral("共 12 条"));
    EXPECT_EQ(edit->Text(), QStringLiteral("共 12 条"));
    EXPECT_EQ(changes, (QStringList{"共 12 条"}));

    edit->SetText(QString());
    TypeText(edit->Handle(), QStringLiteral("ab"));
    EXPECT_EQ(edit->Text(), QStringLiteral("ab"));
    EXPECT_EQ(changes, (QStringList{"共 12 条", "", "a", "ab"}));

    // What the user typed is overwritten by the program's next text, whatever it was before.
    edit->SetText(QString());
    EXPECT_EQ(edit->Text(), QString());
    edit->SetText(QStringLiteral("共 3 条"));
    EXPECT_EQ(edit->Text(), QStringLiteral("共 3 条"));
    // The same text again is no change.
    edit->SetText(QStringLiteral("共 3 条"));
    EXPECT_EQ(changes.size(), 6);
}

TEST_F(TCustomEditTest, AnErrorInOnChangeIsReported) {
    edit->OnChange = [](TObject*) { throw EConvertError(QStringLiteral("坏")); };
    TypeText(edit->Handle(), QStringLiteral("a"));
    ASSERT_EQ(app.boxes.size(), 1u);
    EXPECT_EQ(app.boxes[0].text, QStringLiteral("坏"));
    EXPECT_EQ(edit->Text(), QStringLiteral("a"));
}

TEST_F(TCustomEditTest, AReadOnlyEditTakesNoTyping) {
    edit->SetText(QStringLiteral("x"));
    edit->SetReadOnly(true);
    TypeText(edit->Handle(), QStringLiteral("ab"));
    EXPECT_EQ(edit->Text(), QStringLiteral("x"));
}

TEST_F(TCustomEditTest, AFrameMarginMovesTheTextInwardAndKeepsItCentred) {
    const auto inkOrigin = [](TEdit& e) {
        const QImage image = e.Handle()->grab().toImage();
        QPoint origin(image.width(), image.height());
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    origin = QPoint(std::min(origin.x(), x), std::min(origin.y(), y));
        return origin;
    };
    for (TEdit* e : {edit, new TEdit(&owner)}) {
        e->SetBorderStyle(TBorderStyle::bsNone);
        e->SetBounds(0, 0, 120, 21);
        e->SetText(QStringLiteral("框"));
    }
    auto* framed = qobject_cast<TEdit*>(owner.Components(1));
    framed->SetFrameMargin(3);
    EXPECT_EQ(inkOrigin(*framed), inkOrigin(*edit) + QPoint(3, 0));
}

TEST_F(TCustomEditTest, CharCaseTurnsTypedAndAssignedTextIntoOneCase) {
    edit->SetText(QStringLiteral("Mixed 春"));
    edit->SetCharCase(TEditCharCase::ecUpperCase);
    EXPECT_EQ(edit->Text(), QStringLiteral("MIXED 春"));
    TypeText(edit->Handle(), QStringLiteral("ab"));
    EXPECT_EQ(edit->Text(), QStringLiteral("MIXED 春AB"));
    edit->SetText(QStringLiteral("Hello"));
    EXPECT_EQ(edit->Text(), QStringLiteral("HELLO"));
    // Every change is told once, in its converted form.
    EXPECT_EQ(changes, (QStringList{"Mixed 春", "MIXED 春", "MIXED 春A", "MIXED 春AB", "HELLO"}));

    edit->SetCharCase(TEditCharCase::ecLowerCase);
    EXPECT_EQ(edit->Text(), QStringLiteral("hello"));
    edit->SetCharCase(TEditCharCase::ecNormal);
    TypeText(edit->Handle(), QStringLiteral("X"));
    EXPECT_EQ(edit->Text(), QStringLiteral("helloX"));
}

TEST_F(TCustomEditTest, APasswordCharMasksEveryCharacterWithItself) {
    edit->SetText(QStringLiteral("密码ab"));
    edit->SetPasswordChar(u'*');
    EXPECT_EQ(EditorOf(edit)->displayText(), QStringLiteral("****"));
    edit->SetPasswordChar(u'#');
    EXPECT_EQ(EditorOf(edit)->displayText(), QStringLiteral("####"));
    EXPECT_EQ(edit->Text(), QStringLiteral("密码ab"));
    edit->SetPasswordChar(QChar());
    EXPECT_EQ(EditorOf(edit)->displayText(), QStringLiteral("密码ab"));
}

TEST_F(TCustomEditTest, MaxLengthStopsTypingAtTheLimit) {
    edit->SetMaxLength(3);
    TypeText(edit->Handle(), QStringLiteral("abcd"));
    EXPECT_EQ(edit->Text(), QStringLiteral("abc"));
    edit->SetMaxLength(0);
    TypeText(edit->Handle(), QStringLiteral("d"));
    EXPECT_EQ(edit->Text(), QStringLiteral("abcd"));
}

TEST_F(TCustomEditTest, ABorderedEditIsAsHighAsItsFontFromEveryChangeOn) {
    const auto fitting = [this](int border) {
        return QFontMetrics(edit->Font()->ToQFont()).height() + border;
    };
    edit->Font()->SetHeight(-24);
    EXPECT_EQ(edit->Height(), fitting(8));
    edit->SetCtl3D(false);
    EXPECT_EQ(edit->Height(), fitting(6));
    const int fitted = edit->Height();
    edit->SetAutoSize(false);
    edit->Font()->SetHeight(-11);
    EXPECT_EQ(edit->Height(), fitted);
    edit->SetAutoSize(true);
    edit->SetBorderStyle(TBorderStyle::bsNone);
    edit->SetHeight(40);
    edit->Font()->SetHeight(-20);
    EXPECT_EQ(edit->Height(), 40); // a borderless edit keeps its height

    // A stored height is the one the form was designed with.
    TForm form(nullptr);
    FormReader::ReadInto(&form, FormParser::Parse(QStringLiteral("object Form1: TForm\n"
                                                                 "  object TJ: TEdit\n"
                                                                 "    Height = 19\n"
                                                                 "    Ctl3D = False\n"
                                                                 "    Font.Height = -24\n"
                                                                 "  end\n"
                                                                 "end\n")));
    EXPECT_EQ(qobject_cast<TEdit*>(form.FindComponent(QStringLiteral("TJ")))->Height(), 19);
}

TEST_F(TCustomEditTest, BiDiModeSetsTheReadingOrderAndOnlyRightToLeftAlignsRight) {
    edit->SetBounds(0, 0, 120, 21);
    edit->SetText(QStringLiteral("abc"));
    const int width = edit->Width();
    EXPECT_LT(InkColumns(edit).first, 10);
    EXPECT_EQ(edit->Handle()->layoutDirection(), Qt::LeftToRight);

    edit->SetBiDiMode(TBiDiMode::bdRightToLeft);
    EXPECT_EQ(edit->Handle()->layoutDirection(), Qt::RightToLeft);
    EXPECT_GT(InkColumns(edit).second, width - 10);

    for (TBiDiMode mode : {TBiDiMode::bdRightToLeftNoAlign, TBiDiMode::bdRightToLeftReadingOnly}) {
        edit->SetBiDiMode(mode);
        EXPECT_EQ(edit->Handle()->layoutDirection(), Qt::RightToLeft);
        EXPECT_LT(InkColumns(edit).first, 10);
    }
}

TEST_F(TCustomEditTest, APopupMenuOfItsOwnTakesThePlaceOfTheToolkitsEditMenu) {
    // Whether a right press opens a menu of the toolkit's (which is then closed again).
    const auto toolkitMenuOpens = [this] {
        bool opened = false;
        QTimer::singleShot(0, [&opened] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                opened = true;
                popup->close();
            }
        });
        const QPoint p(5, 5);
        QContextMenuEvent event(QContextMenuEvent::Mouse, p, edit->Handle()->mapToGlobal(p));
        QCoreApplication::sendEvent(edit->Handle(), &event);
        QCoreApplication::processEvents();
        return opened;
    };
    EXPECT_TRUE(toolkitMenuOpens());

    auto* menu = new TPopupMenu(&owner);
    auto* item = new TMenuItem(nullptr);
    item->SetCaption(QStringLiteral("清除"));
    menu->Items()->Add(item);
    edit->SetPopupMenu(menu);
    EXPECT_FALSE(toolkitMenuOpens());
    ClickAt(edit->Handle(), QPoint(5, 5), Qt::RightButton);
    ASSERT_NE(menu->PopupWindow(), nullptr);
    EXPECT_EQ(menu->PopupComponent(), edit);
    menu->CloseMenu();

    edit->SetPopupMenu(nullptr);
    EXPECT_TRUE(toolkitMenuOpens());
}

TEST_F(TCustomEditTest, ThePinyinBeingComposedShowsInTheEditWithTheCaretAfterIt) {
    // Where the main window's keyword box sits: the answers are in the edit's own coordinates.
    edit->SetBounds(78, 41, 235, 21);
    edit->SetFrameMargin(2);
    ASSERT_TRUE(InputMethodAnswer(edit, Qt::ImEnabled).toBool());
    ASSERT_EQ(InkColumns(edit).second, -1);
    const QRect emptyCaret = InputMethodAnswer(edit, Qt::ImCursorRectangle).toRect();

    QInputMethodEvent preedit(QStringLiteral("chunjie"),
                              {{QInputMethodEvent::Cursor, 7, 1, QVariant()}});
    QCoreApplication::sendEvent(edit->Handle(), &preedit);
    EXPECT_EQ(edit->Text(), QString()); // nothing is typed until the input method commits
    const auto [first, last] = InkColumns(edit);
    EXPECT_GT(last - first, QFontMetrics(edit->Handle()->font()).horizontalAdvance(u'c') * 5);
    // The candidates open beside the caret, which stands after the letters, in the edit. The
    // toolkit answers a band round the caret's line.
    const QRect caret = InputMethodAnswer(edit, Qt::ImCursorRectangle).toRect();
    EXPECT_TRUE(edit->Handle()->rect().contains(caret)) << caret.x() << ',' << caret.y();
    EXPECT_GE(caret.x() + caret.width() / 2, last);
    EXPECT_EQ(caret.y(), emptyCaret.y());
}

class TCustomEditFocusTest : public testing::Test {
protected:
    TCustomEditFocusTest() {
        for (TEdit* e : {edit, other})
            e->SetParent(&form);
        other->SetTop(30);
        edit->SetText(QStringLiteral("关键字"));
        form.SetBounds(0, 0, 200, 100);
        form.Show();
        QApplication::setActiveWindow(form.Handle());
        other->SetFocus();
    }
    TForm form{nullptr};
    TEdit* edit = new TEdit(&form);
    TEdit* other = new TEdit(&form);
};

TEST_F(TCustomEditFocusTest, EnteringOtherThanByTheMouseSelectsTheWholeText) {
    TypeKey(other->Handle(), Qt::Key_Tab, QStringLiteral("\t"));
    ASSERT_TRUE(edit->Focused());
    EXPECT_EQ(edit->SelText(), QStringLiteral("关键字"));

    other->SetFocus();
    // As the window system delivers it, so that the press gives the focus.
    QTest::mouseClick(edit->Handle(), Qt::LeftButton, {}, QPoint(2, 5));
    ASSERT_TRUE(edit->Focused());
    EXPECT_EQ(EditorOf(edit)->selectedText(), QString());

    // Without AutoSelect the caret stays where it was, also on Tab.
    edit->SetAutoSelect(false);
    other->SetFocus();
    TypeKey(other->Handle(), Qt::Key_Tab, QStringLiteral("\t"));
    ASSERT_TRUE(edit->Focused());
    EXPECT_EQ(edit->SelText(), QString());
    other->SetFocus();
    edit->SetFocus();
    EXPECT_EQ(edit->SelText(), QString());
}

TEST_F(TCustomEditFocusTest, TheWindowBecomingActiveAgainLeavesTheCaretWhereItWas) {
    QTest::mouseClick(edit->Handle(), Qt::LeftButton, {}, QPoint(2, 5));
    ASSERT_TRUE(edit->Focused());
    EditorOf(edit)->setCursorPosition(1);
    // Another window takes the focus, then this one is activated again.
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(form.Handle());
    ASSERT_TRUE(edit->Focused());
    EXPECT_EQ(EditorOf(edit)->selectedText(), QString());
    EXPECT_EQ(EditorOf(edit)->cursorPosition(), 1);
}

TEST_F(TCustomEditFocusTest, HideSelectionKeepsTheSelectionUnseenWhileTheFocusIsElsewhere) {
    edit->SetAutoSelect(false);
    edit->SetFocus();
    edit->SelectAll();
    other->SetFocus();
    EXPECT_FALSE(EditorOf(edit)->hasSelectedText());
    EXPECT_EQ(edit->SelText(), QStringLiteral("关键字"));
    edit->SetFocus();
    EXPECT_EQ(EditorOf(edit)->selectedText(), QStringLiteral("关键字"));

    // Shown all the time without it; turning it off shows a hidden selection.
    edit->SetHideSelection(false);
    other->SetFocus();
    EXPECT_EQ(EditorOf(edit)->selectedText(), QStringLiteral("关键字"));
    edit->SetHideSelection(true);
    EXPECT_FALSE(EditorOf(edit)->hasSelectedText());
    edit->SetHideSelection(false);
    EXPECT_EQ(EditorOf(edit)->selectedText(), QStringLiteral("关键字"));
}
