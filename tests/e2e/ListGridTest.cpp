// The message list as a person uses it: whatever the mouse, the wheel or the keyboard did, the
// highlighted row, the row indicator's mark and what is copied are one and the same row.
#include "LibraryRows.h"
#include "MainWindowFixture.h"

#include "app/library/CleanMessageText.h"

#include <QRegularExpression>

namespace {

// The grid in window coordinates (the frame sits at (1, 0), the grid at (5, 174) on it), inside
// its one-pixel border: the indicator column, then the message column.
constexpr int kGridLeft = 1 + 5;
constexpr int kGridTop = 0 + 174;
constexpr int kGridHeight = 215;
constexpr int kIndicatorFace = kGridLeft + 2; // a pixel column of the indicator beside its mark
constexpr int kMarkLeft = kGridLeft + 1 + 3;
constexpr int kMarkWidth = 4;
constexpr int kCellsLeft = kGridLeft + 20;
constexpr int kCellsWidth = 400;
constexpr int kMinRowHeight = 10;
// The colours the list is drawn in here: the indicator's button face, its mark, the highlight of
// the toolkit's style.
const QColor kButtonFace(0xEF, 0xEF, 0xEF);
const QColor kMark(0x00, 0x00, 0x00);
const QColor kHighlight(0x30, 0x8C, 0xC6);

// What a picture of the window shows of the list.
struct ListPicture {
    explicit ListPicture(const QImage& window) : image(window) {
        FindRows();
        for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
            if (HasMark(row))
                marked = row;
            if (IsHighlighted(row))
                highlighted = row;
        }
    }

    QImage Cells() const {
        return image.copy(kCellsLeft, rows.front().top, kCellsWidth,
                          rows.back().end - rows.front().top);
    }

    struct Band {
        int top; // window y of the row's first pixel line
        int end; // one past its last
    };
    QImage image;
    std::vector<Band> rows; // the data rows on show, top to bottom
    int marked = -1;
    int highlighted = -1;

private:
    // Each row's indicator is a run of button face ended by its shadow line.
    void FindRows() {
        int runStart = -1;
        for (int y = kGridTop; y < kGridTop + kGridHeight; ++y) {
            const bool face = image.pixelColor(kIndicatorFace, y) == kButtonFace;
            if (face && runStart < 0)
                runStart = y;
            if (!face && runStart >= 0) {
                if (y - runStart >= kMinRowHeight)
                    rows.push_back({runStart, y});
                runStart = -1;
            }
        }
    }
    bool HasMark(int row) const {
        for (int y = rows[row].top; y < rows[row].end; ++y)
            for (int x = kMarkLeft; x < kMarkLeft + kMarkWidth; ++x)
                if (image.pixelColor(x, y) == kMark)
                    return true;
        return false;
    }
    // Most of the row's middle line is in the highlight colour (the rest is its text).
    bool IsHighlighted(int row) const {
        const int y = (rows[row].top + rows[row].end) / 2;
        int lit = 0;
        for (int x = kCellsLeft; x < kCellsLeft + kCellsWidth; ++x)
            lit += image.pixelColor(x, y) == kHighlight;
        return lit * 3 > kCellsWidth;
    }
};

} // namespace

class ListGridTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        library_ = LibraryRows();
        ASSERT_GT(library_.size(), 20) << "cannot read " << DUANXIN_LIBRARY_FILE;
        ASSERT_NO_FATAL_FAILURE(launch(program_, window_));
        ASSERT_TRUE(desktop_->focus(window_));
        const ListPicture start = look();
        ASSERT_GE(start.rows.size(), 7u) << "the list shows too few rows";
        start_ = start.rows;
    }

    ListPicture look() const {
        const auto frame = desktop_->geometry(window_);
        const QImage screen = desktop_->screen().convertToFormat(QImage::Format_RGB32);
        return ListPicture(frame ? screen.copy(*frame) : QImage());
    }
    // A point well inside the message cell of a row on show at start, in window coordinates.
    QPoint rowPoint(int row) const {
        return {kCellsLeft + 80, (start_[row].top + start_[row].end) / 2};
    }
    QPoint onScreen(QPoint inWindow) const {
        return desktop_->geometry(window_).value_or(QRect()).topLeft() + inWindow;
    }
    // The message of the list's row as the view shows it and copying gives it.
    QString shown(int row) const { return CleanMessageText(library_[row]); }

    QStringList library_;
    ProgramUnderTest* program_ = nullptr;
    QString window_;
    std::vector<ListPicture::Band> start_; // the rows on show at start
};

TEST_F(ListGridTest, ADragTakesTheHighlightTheMarkTheViewAndCopyingToOneRow) {
    ASSERT_TRUE(desktop_->drag(onScreen(rowPoint(1)), onScreen(rowPoint(5))));
    const ListPicture dragged = look();
    EXPECT_EQ(dragged.highlighted, 5);
    EXPECT_EQ(dragged.marked, 5);
    // Released over the row, the view shows it: 复制 copies it.
    ASSERT_TRUE(desktop_->click(window_, kCopyButton));
    EXPECT_EQ(waitForClipboard(shown(5)), std::optional<QString>(shown(5)));

    // Back into the list by the keyboard: the next row is the one after the dragged-to row.
    ASSERT_TRUE(desktop_->keys({QStringLiteral("shift+Tab"), QStringLiteral("shift+Tab"),
                                QStringLiteral("shift+Tab"), QStringLiteral("Down"),
                                QStringLiteral("ctrl+c")}));
    EXPECT_EQ(waitForClipboard(shown(6)), std::optional<QString>(shown(6)));
    const ListPicture moved = look();
    EXPECT_EQ(moved.highlighted, 6);
    EXPECT_EQ(moved.marked, 6);
}

TEST_F(ListGridTest, TypingIntoTheListMovesNoHighlight) {
    ASSERT_TRUE(desktop_->click(window_, rowPoint(2)));
    // A later row on show begins with it: the toolkit's own search would jump there.
    ASSERT_TRUE(library_.mid(3, static_cast<int>(start_.size()) - 3)
                    .filter(QRegularExpression(QStringLiteral("^亲")))
                    .size() > 0);
    ASSERT_TRUE(desktop_->typeText(QStringLiteral("亲")));
    const ListPicture typed = look();
    EXPECT_EQ(typed.highlighted, 2);
    EXPECT_EQ(typed.marked, 2);
    ASSERT_TRUE(desktop_->keys({QStringLiteral("ctrl+c")}));
    EXPECT_EQ(waitForClipboard(shown(2)), std::optional<QString>(shown(2)));
}

TEST_F(ListGridTest, TiltingTheWheelScrollsTheColumnAndLeavesTheRowAndTheView) {
    ASSERT_TRUE(desktop_->click(window_, rowPoint(1)));
    const ListPicture before = look();
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(desktop_->click(window_, rowPoint(3), 7)); // to the right
    const ListPicture right = look();
    EXPECT_EQ(right.highlighted, 1);
    EXPECT_EQ(right.marked, 1);
    EXPECT_NE(right.Cells(), before.Cells()) << "the column did not scroll";
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(desktop_->click(window_, rowPoint(3), 6)); // and back
    const ListPicture back = look();
    EXPECT_EQ(back.Cells(), before.Cells());
    // The view kept the row: 复制 copies it rather than asking for one.
    ASSERT_TRUE(desktop_->click(window_, kCopyButton));
    EXPECT_EQ(waitForClipboard(shown(1)), std::optional<QString>(shown(1)));
}

TEST_F(ListGridTest, TheKeyboardAloneShowsARowAndCopiesIt) {
    ASSERT_TRUE(desktop_->click(window_, kRefreshButton));
    // From 刷新 into the list, a row down, Space shows it; out of the list, on to 复制.
    ASSERT_TRUE(
        desktop_->keys({QStringLiteral("Tab"), QStringLiteral("Down"), QStringLiteral("space"),
                        QStringLiteral("ctrl+Tab"), QStringLiteral("Tab"), QStringLiteral("Tab"),
                        QStringLiteral("space")}));
    EXPECT_EQ(waitForClipboard(shown(1)), std::optional<QString>(shown(1)));
}
