#include "framework/controls/TDBGrid.h"

#include "../core/TestSupport.h"
#include "../data/TestDatabase.h"
#include "framework/controls/TEdit.h"
#include "framework/core/TForm.h"
#include "framework/core/TManualTimerClock.h"
#include "framework/data/TADOConnection.h"
#include "framework/data/TADOQuery.h"
#include "framework/graphics/Colors.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QImage>
#include <QInputMethodEvent>
#include <QScrollBar>
#include <QTableView>
#include <gtest/gtest.h>

using namespace TestSupport;

class TDBGridTest : public testing::Test {
protected:
    TDBGridTest() {
        form.SetBorderStyle(TFormBorderStyle::bsNone);
        form.SetBounds(0, 0, 500, 400);
        connection->SetConnectionString(db.ConnectionString());
        query->SetConnection(connection);
        query->SQL()->Add(QStringLiteral("Select * from data"));
        source->SetDataSet(query);
        grid->SetParent(&form);
        grid->SetBounds(5, 5, 480, 300);
        grid->SetDataSource(source);
        grid->OnCellClick = [this](TColumn* column) { clicked.push_back(column); };
        query->Open();
    }

    // Shown and laid out, as the user sees it.
    void ShowForm() {
        form.Show();
        QCoreApplication::processEvents();
    }
    QTableView* View() { return static_cast<QTableView*>(grid->Handle()); }
    // A point inside the cell's visible part (the one column is wider than the view).
    QPoint CellPoint(int row, int column = 0) {
        const QRect cell = View()->visualRect(View()->model()->index(row, column));
        return {cell.left() + 10, cell.center().y()};
    }
    QPoint IndicatorCentre(int row) {
        QHeaderView* indicator = View()->verticalHeader();
        return {indicator->width() / 2,
                indicator->sectionViewportPosition(row) + indicator->sectionSize(row) / 2};
    }
    // The highlight is on that row's cell and nowhere else, and it is the data set's row.
    testing::AssertionResult HighlightOn(int row) {
        const QModelIndexList selected = View()->selectionModel()->selectedIndexes();
        if (selected.size() != 1 || selected[0].row() != row || View()->currentIndex().row() != row)
            return testing::AssertionFailure()
                   << "highlight on " << (selected.isEmpty() ? -1 : selected[0].row())
                   << ", current cell in row " << View()->currentIndex().row();
        if (query->RecNo() != row + 1)
            return testing::AssertionFailure() << "the data set is on row " << query->RecNo() - 1;
        return testing::AssertionSuccess();
    }
    QPoint Above(int row) { return {CellPoint(row).x(), -5}; }
    QPoint Below(int row) { return {CellPoint(row).x(), View()->viewport()->height() + 5}; }
    // Whether the indicator shows its mark in the row's section.
    bool MarkAt(int row) {
        QHeaderView* indicator = View()->verticalHeader();
        const QImage image = indicator->grab().toImage();
        const int top = indicator->sectionViewportPosition(row);
        const int height = indicator->sectionSize(row);
        for (int y = top; y < top + height; ++y)
            for (int x = 0; x < indicator->width() - 1; ++x)
                if (image.pixelColor(x, y) == ToQColor(clWindowText))
                    return true;
        return false;
    }

    RecordingApplication app;
    TestDatabase db;
    TForm form{nullptr};
    TADOConnection* connection = new TADOConnection(&form);
    TADOQuery* query = new TADOQuery(&form);
    TDataSource* source = new TDataSource(&form);
    TDBGrid* grid = new TDBGrid(&form);
    std::vector<TColumn*> clicked;
};

TEST_F(TDBGridTest, OneColumnPerFieldTitledWithItsNameRebuiltForEachStatement) {
    ASSERT_EQ(grid->ColumnCount(), 1);
    EXPECT_EQ(grid->Columns(0)->Title(), QStringLiteral("短信内容"));
    EXPECT_EQ(View()->model()->headerData(0, Qt::Horizontal).toString(),
              QStringLiteral("短信内容"));
    EXPECT_EQ(View()->model()->rowCount(), 6);

    query->Close();
    EXPECT_EQ(grid->ColumnCount(), 0);
    EXPECT_EQ(grid->SelectedField(), nullptr);
    query->SQL()->Clear();
    query->SQL()->Add(QStringLiteral("Select 短信内容, length(短信内容) AS Size from data"));
    query->SQL()->Add(QStringLiteral("where 短信内容 like '%快乐%'"));
    query->Open();
    ASSERT_EQ(grid->ColumnCount(), 2);
    EXPECT_EQ(grid->Columns(0)->Title(), QStringLiteral("短信内容"));
    EXPECT_EQ(grid->Columns(1)->Title(), QStringLiteral("Size"));
    EXPECT_EQ(View()->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Size"));
    EXPECT_EQ(View()->model()->rowCount(), 4);
    EXPECT_EQ(View()->model()->index(1, 0).data().toString(), QStringLiteral("祝|〓|新年快乐"));
}

TEST_F(TDBGridTest, TheIndicatorAndTheCurrentCellFollowTheCurrentRow) {
    ShowForm();
    EXPECT_TRUE(MarkAt(0));
    EXPECT_FALSE(MarkAt(2));
    query->MoveBy(2);
    EXPECT_EQ(View()->currentIndex().row(), 2);
    EXPECT_TRUE(MarkAt(2));
    EXPECT_FALSE(MarkAt(0));
    EXPECT_EQ(grid->SelectedField()->AsString(), QString());
    query->Last();
    EXPECT_EQ(View()->currentIndex().row(), 5);
    EXPECT_TRUE(MarkAt(5));
}

TEST_F(TDBGridTest, ALeftClickOnADataCellMakesTheRowCurrentAndReportsItsColumn) {
    ShowForm();
    ClickAt(View()->viewport(), CellPoint(3));
    EXPECT_EQ(query->RecNo(), 4);
    ASSERT_EQ(clicked.size(), 1u);
    EXPECT_EQ(clicked[0], grid->Columns(0));
    EXPECT_EQ(grid->SelectedField()->AsString(), QStringLiteral("元旦快乐"));

    // The row that is already current is clicked again.
    ClickAt(View()->viewport(), CellPoint(3));
    EXPECT_EQ(clicked.size(), 2u);
    EXPECT_EQ(query->RecNo(), 4);
}

TEST_F(TDBGridTest, OtherButtonsMakeTheRowCurrentWithoutACellClick) {
    ShowForm();
    ClickAt(View()->viewport(), CellPoint(4), Qt::RightButton);
    EXPECT_EQ(query->RecNo(), 5);
    ClickAt(View()->viewport(), CellPoint(1), Qt::MiddleButton);
    EXPECT_EQ(query->RecNo(), 2);
    EXPECT_TRUE(clicked.empty());
}

TEST_F(TDBGridTest, TheTitleRowAndTheIndicatorRaiseNoCellClick) {
    ShowForm();
    QHeaderView* titles = View()->horizontalHeader();
    ClickAt(titles->viewport(),
            QPoint(titles->sectionViewportPosition(0) + 10, titles->height() / 2));
    EXPECT_EQ(query->RecNo(), 1);

    // The indicator makes its row current, with any button.
    ClickAt(View()->verticalHeader()->viewport(), IndicatorCentre(2));
    EXPECT_EQ(query->RecNo(), 3);
    ClickAt(View()->verticalHeader()->viewport(), IndicatorCentre(4), Qt::RightButton);
    EXPECT_EQ(query->RecNo(), 5);
    EXPECT_TRUE(clicked.empty());

    // Pressed on a cell, released over the titles: no click either.
    Press(View()->viewport(), CellPoint(1));
    const QPoint overTitles = View()->viewport()->mapFrom(View(), QPoint(40, titles->height() / 2));
    Release(View()->viewport(), overTitles);
    EXPECT_EQ(query->RecNo(), 2);
    EXPECT_TRUE(clicked.empty());
}

TEST_F(TDBGridTest, KeysMoveTheRowAndTabKeepsTheFocus) {
    auto* after = new TEdit(&form);
    after->SetParent(&form);
    after->SetBounds(5, 320, 100, 21);
    grid->SetTabOrder(0);
    after->SetTabOrder(1);
    ShowForm();
    QApplication::setActiveWindow(form.Handle());
    grid->SetFocus();
    ASSERT_TRUE(grid->Focused());

    QWidget* window = View();
    TypeKey(window, Qt::Key_Down);
    TypeKey(window, Qt::Key_Down);
    EXPECT_EQ(query->RecNo(), 3);
    TypeKey(window, Qt::Key_Up);
    EXPECT_EQ(query->RecNo(), 2);
    TypeKey(window, Qt::Key_Tab);
    EXPECT_EQ(query->RecNo(), 3);
    EXPECT_TRUE(grid->Focused());
    TypeKey(window, Qt::Key_Backtab, QString(), Qt::ShiftModifier);
    EXPECT_EQ(query->RecNo(), 2);
    EXPECT_TRUE(grid->Focused());
    EXPECT_FALSE(after->Focused());
    EXPECT_TRUE(clicked.empty());

    // Ctrl+Tab leaves the grid for the next control and Ctrl+Shift+Tab comes back, wrapping
    // round the form; the row stays.
    TypeKey(window, Qt::Key_Tab, QString(), Qt::ControlModifier);
    EXPECT_TRUE(after->Focused());
    TypeKey(after->Handle(), Qt::Key_Backtab, QString(), Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(grid->Focused());
    TypeKey(window, Qt::Key_Backtab, QString(), Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(after->Focused());
    EXPECT_EQ(query->RecNo(), 2);
}

TEST_F(TDBGridTest, AFocusedGridMarksItsCurrentCellWithDots) {
    auto* other = new TEdit(&form);
    other->SetParent(&form);
    ShowForm();
    QApplication::setActiveWindow(form.Handle());
    other->SetFocus();
    query->MoveBy(1);
    const auto dotAndNeighbour = [this] {
        const QImage image = View()->viewport()->grab().toImage();
        const QRect cell = View()->visualRect(View()->currentIndex());
        const int x = cell.left() + (cell.left() + cell.top()) % 2; // a dot's place
        return std::pair{image.pixel(x, cell.top()) & 0xFFFFFF,
                         image.pixel(x + 1, cell.top()) & 0xFFFFFF};
    };
    const auto [before, beside] = dotAndNeighbour();
    EXPECT_EQ(before, beside); // no mark without the focus
    grid->SetFocus();
    const auto [dot, next] = dotAndNeighbour();
    EXPECT_EQ(dot, ~next & 0xFFFFFF);
}

TEST_F(TDBGridTest, AColumnWiderThanTheGridCanBeScrolledToAndCopiesNothingItself) {
    ShowForm();
    QTableView* view = View();
    ASSERT_GT(view->columnWidth(0), view->viewport()->width());
    EXPECT_TRUE(view->horizontalScrollBar()->isVisible());
    // Scrolled to its end, the column's resize edge is inside the view.
    view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
    const int edge = view->horizontalHeader()->sectionViewportPosition(0) + view->columnWidth(0);
    EXPECT_LE(edge, view->viewport()->width());

    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    TypeKey(view, Qt::Key_C, QStringLiteral("\x03"), Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
}

TEST_F(TDBGridTest, ADragTakesTheCurrentRowWithThePointerAndTheHighlightWithIt) {
    ShowForm();
    QWidget* viewport = View()->viewport();
    Press(viewport, CellPoint(1));
    DragMouse(viewport, CellPoint(3));
    EXPECT_TRUE(HighlightOn(3));
    DragMouse(viewport, CellPoint(5) + QPoint(0, 40)); // under the last row: still the last
    EXPECT_TRUE(HighlightOn(5));
    Release(viewport, CellPoint(4));
    EXPECT_EQ(clicked.size(), 1u); // released over a cell
    // Without the button held the pointer moves no row.
    MoveMouse(viewport, CellPoint(0));
    EXPECT_TRUE(HighlightOn(5));
    // A right-button drag only makes its pressed row current.
    Press(viewport, CellPoint(2), Qt::RightButton);
    DragMouse(viewport, CellPoint(4));
    Release(viewport, CellPoint(4), Qt::RightButton);
    EXPECT_TRUE(HighlightOn(2));
}

TEST_F(TDBGridTest, ADragHeldPastTheTopOrBottomScrollsARowAtATime) {
    TManualTimerClock clock;
    ShowForm();
    QWidget* viewport = View()->viewport();
    Press(viewport, CellPoint(3));
    DragMouse(viewport, Above(3));
    EXPECT_TRUE(HighlightOn(2)); // the first row at once
    DragMouse(viewport, Above(3) - QPoint(0, 3));
    clock.Advance(59);
    EXPECT_TRUE(HighlightOn(2)); // moving on past the edge does not restart the count
    clock.Advance(1);
    EXPECT_TRUE(HighlightOn(1));
    clock.Advance(600);
    EXPECT_TRUE(HighlightOn(0));
    DragMouse(viewport, CellPoint(4)); // back over the rows: no more scrolling
    clock.Advance(600);
    EXPECT_TRUE(HighlightOn(4));
    DragMouse(viewport, Below(4));
    EXPECT_TRUE(HighlightOn(5));
    Release(viewport, Below(4));
    query->First();
    clock.Advance(600); // the release ended the scrolling
    EXPECT_TRUE(HighlightOn(0));
    EXPECT_TRUE(clicked.empty());
}

TEST_F(TDBGridTest, TypedTextAndInputMethodWordsNeverMoveTheHighlight) {
    ShowForm();
    grid->SetFocus();
    query->MoveBy(4);
    // Rows begin with these; the toolkit's own search would jump there.
    TypeText(View(), QStringLiteral("1春元"));
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("元旦"));
    QCoreApplication::sendEvent(View(), &commit);
    EXPECT_TRUE(HighlightOn(4));
    // Neither may a key the toolkit reads for selecting take the highlight off the row.
    TypeKey(View(), Qt::Key_Space, QStringLiteral(" "), Qt::ControlModifier);
    TypeKey(View(), Qt::Key_A, QStringLiteral("\x01"), Qt::ControlModifier);
    TypeKey(View(), Qt::Key_End, QString(), Qt::ShiftModifier);
    EXPECT_TRUE(HighlightOn(4));
}

TEST_F(TDBGridTest, TheWheelMovesARowPerNotchAndSidewaysMotionScrollsTheColumn) {
    ShowForm();
    QWidget* viewport = View()->viewport();
    QScrollBar* sideways = View()->horizontalScrollBar();
    const QPoint p = CellPoint(2);
    SendWheel(viewport, p, -120);
    EXPECT_TRUE(HighlightOn(1));
    query->Last();
    for (int i = 0; i < 6; ++i) // a touchpad's swipe of three notches in six parts
        SendWheelAngle(viewport, p, QPoint(0, 60));
    EXPECT_TRUE(HighlightOn(2));
    SendWheel(viewport, p, 360); // three notches at once still move one row
    EXPECT_TRUE(HighlightOn(1));
    EXPECT_EQ(View()->verticalScrollBar()->value(), 0);

    SendWheelAngle(viewport, p, QPoint(-120, 0)); // tilted right
    const int right = sideways->value();
    EXPECT_GT(right, 0);
    // A few characters, not a jump past the end of every message.
    EXPECT_LT(right, View()->viewport()->width() / 4);
    EXPECT_TRUE(HighlightOn(1));
    SendWheelAngle(viewport, p, QPoint(-60, 0)); // half a notch waits for its other half
    EXPECT_EQ(sideways->value(), right);
    SendWheelAngle(viewport, p, QPoint(120, 0)); // and is dropped when the tilt turns
    EXPECT_EQ(sideways->value(), 0);
    SendWheelAngle(viewport, p, QPoint(-120, -120)); // diagonal: both at once
    EXPECT_EQ(sideways->value(), right);
    EXPECT_TRUE(HighlightOn(2));
}

TEST_F(TDBGridTest, AFlatGridHasAPlainFrameAndFollowsItsParentUntilSetItself) {
    form.SetCtl3D(false);
    EXPECT_EQ(View()->frameShape(), QFrame::Box);
    form.SetCtl3D(true);
    EXPECT_EQ(View()->frameShape(), QFrame::StyledPanel);
    grid->SetCtl3D(false);
    form.SetCtl3D(true);
    EXPECT_EQ(View()->frameShape(), QFrame::Box);
    EXPECT_EQ(View()->frameShadow(), QFrame::Plain);
}
