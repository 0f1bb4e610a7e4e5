#include "framework/controls/TMemo.h"

#include "../core/TestSupport.h"
#include "framework/core/TForm.h"
#include "support/QtPrinting.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QPlainTextEdit* EditorOf(TMemo* memo) {
    return static_cast<QPlainTextEdit*>(memo->Handle());
}

// Where the text cursor at `position` is drawn, in the viewport's coordinates.
QPoint PointOf(TMemo* memo, int position) {
    QTextCursor cursor = EditorOf(memo)->textCursor();
    cursor.setPosition(position);
    return EditorOf(memo)->cursorRect(cursor).center();
}

class TCustomMemoTest : public testing::Test {
protected:
    TCustomMemoTest() {
        memo->SetParent(&form);
        memo->SetBounds(0, 0, 300, 80);
        memo->SetReadOnly(true);
        memo->SetText(QStringLiteral("祝你新年快乐，万事如意，身体健康"));
        form.Show();
        QApplication::setActiveWindow(form.Handle());
    }
    QWidget* Viewport() const { return EditorOf(memo)->viewport(); }

    TestSupport::RecordingApplication app;
    TForm form{nullptr};
    TMemo* memo = new TMemo(&form);
};

} // namespace

TEST_F(TCustomMemoTest, APressInsideTheSelectionStartsANewOneInsteadOfDraggingIt) {
    memo->SelectAll();
    const QPoint inside = PointOf(memo, 4);
    QTest::mousePress(Viewport(), Qt::LeftButton, {}, inside);
    EXPECT_EQ(memo->SelText(), QString()) << "the selection is kept for a drag";
    QTest::mouseMove(Viewport(), PointOf(memo, 8));
    QTest::mouseRelease(Viewport(), Qt::LeftButton, {}, PointOf(memo, 8));
    EXPECT_EQ(memo->SelText(), QStringLiteral("快乐，万"));
}

TEST_F(TCustomMemoTest, APressOutsideTheSelectionOrWithShiftKeepsTheToolkitsWay) {
    QTextCursor cursor = EditorOf(memo)->textCursor();
    cursor.setPosition(2);
    cursor.setPosition(4, QTextCursor::KeepAnchor);
    EditorOf(memo)->setTextCursor(cursor);
    QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::ShiftModifier, PointOf(memo, 6));
    EXPECT_EQ(memo->SelText(), QStringLiteral("新年快乐"));
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, PointOf(memo, 10));
    EXPECT_EQ(memo->SelText(), QString());
    EXPECT_EQ(EditorOf(memo)->textCursor().position(), 10);
}
