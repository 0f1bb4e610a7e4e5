// The skinned window on a real X server, without a window manager (the program places, moves
// and maximises its window itself) and under openbox: its look on the screen, its title bar's
// buttons, its system menu, moving it by the caption and maximising it by a double click.
#include "MainWindowFixture.h"
#include "WindowManagerSession.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QImage>
#include <QThread>
#include <gtest/gtest.h>
#include <optional>

namespace {

// The desktop behind the window, so that what shows outside its corners can be told apart from
// the window's black border.
constexpr QRgb kDesktop = 0xFF00FF00;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kFrameColour = 0xFFE7E7E7;
constexpr QRgb kMenuBar = 0xFFD6D3CE;
constexpr QRgb kMenuBackground = 0xFFE7E7E7;

// Window coordinates of the title bar's parts: the frame at (1, 0), the bar at its top.
const QPoint kCloseButton(1 + 476 + 9, 6 + 9);
const QPoint kMinimizeButton(1 + 456 + 9, 6 + 9);
const QPoint kCaptionArea(1 + 250, 15);
const QPoint kRefreshFace(1 + 383 + 5, 39 + 12);
constexpr int kTitleBarHeight = 33;

class SkinnedWindowTest : public MainWindowFixture {
protected:
    void launchPainted(ProgramUnderTest*& program, QString& window) {
        launch(program, window);
        if (HasFatalFailure())
            return;
        // Only now: the server starts afresh, desktop and all, when its last client leaves.
        ASSERT_TRUE(desktop_
                        ->run(QStringLiteral("xsetroot"),
                              {QStringLiteral("-solid"), QStringLiteral("#00FF00")})
                        .ok)
            << "xsetroot is missing (run scripts/setup)";
        // Painted once the status line shows the count.
        ASSERT_EQ(copyStatusLine(window), std::optional<QString>(kFullListing));
    }

    // The screen once the window at `bounds` shows its title bar.
    QImage screenWithWindowAt(const QRect& bounds) {
        QDeadlineTimer deadline(5000);
        for (;;) {
            QImage screen = desktop_->screen().convertToFormat(QImage::Format_RGB32);
            const QPoint caption = bounds.topLeft() + kCaptionArea;
            if ((!screen.isNull() && screen.pixel(caption) != kDesktop) || deadline.hasExpired())
                return screen;
            QThread::msleep(200);
        }
    }

    // The window's geometry once it has settled at `expected`, or the last one seen.
    std::optional<QRect> geometryOnceAt(const QString& window, const QRect& expected) {
        std::optional<QRect> seen;
        QDeadlineTimer deadline(5000);
        while (!deadline.hasExpired()) {
            seen = desktop_->geometry(window);
            if (seen == expected)
                break;
            QThread::msleep(100);
        }
        return seen;
    }

    void expectEndsCleanly(ProgramUnderTest& program, const char* how) {
        ASSERT_TRUE(program.waitForExit(kExitTimeoutMs))
            << "the program did not end within " << kExitTimeoutMs << " ms of " << how;
        EXPECT_TRUE(program.exitedCleanly()) << program.exitDescription().toStdString();
        EXPECT_FALSE(libraryFileExists()) << "the close handler did not run";
        EXPECT_FALSE(QFileInfo::exists(program.programFolder())) << "an empty folder was left";
    }

    std::optional<QString> property(const QString& window, const QString& name) {
        const X11Desktop::Result result =
            desktop_->run(QStringLiteral("xprop"), {QStringLiteral("-id"), window, name});
        return result.ok ? std::optional<QString>(result.output) : std::nullopt;
    }
};

bool HasColour(const QImage& image, const QRect& area, QRgb colour) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == colour)
                return true;
    return false;
}

} // namespace

TEST_F(SkinnedWindowTest, TheWindowAsAPersonSeesIt) {
    ProgramUnderTest* program = nullptr;
    QString window;
    ASSERT_NO_FATAL_FAILURE(launchPainted(program, window));
    ASSERT_EQ(desktop_->geometry(window), std::optional<QRect>(kWindowGeometry));
    const QPoint at = kWindowGeometry.topLeft();
    const QImage screen = screenWithWindowAt(kWindowGeometry);
    ASSERT_FALSE(screen.isNull());
    const auto pixel = [&](int x, int y) { return screen.pixel(at + QPoint(x, y)); };

    // The desktop shows through outside the rounded top corners, not below.
    for (int y = 0; y < 3; ++y) {
        EXPECT_EQ(pixel(2 - y, y), kDesktop) << "row " << y;
        EXPECT_EQ(pixel(497 + y, y), kDesktop) << "row " << y;
    }
    EXPECT_NE(pixel(3, 0), kDesktop);
    EXPECT_NE(pixel(0, 3), kDesktop);
    // A black one-pixel border left, right and bottom, the frame's colour inside it.
    EXPECT_EQ(pixel(0, 200), kBlack);
    EXPECT_EQ(pixel(499, 200), kBlack);
    EXPECT_EQ(pixel(250, 452), kBlack);
    EXPECT_EQ(pixel(251, 36), kFrameColour);
    EXPECT_EQ(pixel(1, 451), kFrameColour);
    // The 33-pixel title bar with the close and minimise buttons and the white caption from 5.
    EXPECT_NE(pixel(251, kTitleBarHeight - 1), kFrameColour);
    EXPECT_EQ(pixel(251, kTitleBarHeight), kFrameColour);
    const QRgb close = pixel(kCloseButton.x() - 6, kCloseButton.y());
    EXPECT_GT(qRed(close), qBlue(close) + 60) << "the close button is red";
    const QRgb minimize = pixel(kMinimizeButton.x() - 6, kMinimizeButton.y());
    EXPECT_GT(qBlue(minimize), qRed(minimize) + 60) << "the minimise button is blue";
    EXPECT_FALSE(HasColour(screen, QRect(at + QPoint(1, 6), QSize(4, 19)), kWhite));
    EXPECT_TRUE(HasColour(screen, QRect(at + QPoint(5, 6), QSize(3, 19)), kWhite));
    // The keyword box framed in black, the festival labels in green.
    EXPECT_EQ(pixel(1 + 78, 41 + 10), kBlack);
    EXPECT_TRUE(HasColour(screen, QRect(at + QPoint(1 + 96, 72), QSize(26, 13)), 0xFF008000));

    // The program's icon goes to the task bar with its 32 and 48-pixel images.
    const std::optional<QString> icon = property(window, QStringLiteral("_NET_WM_ICON"));
    ASSERT_TRUE(icon);
    EXPECT_TRUE(icon->contains(QLatin1String("Icon (32 x 32)")));
    EXPECT_TRUE(icon->contains(QLatin1String("Icon (48 x 48)")));

    // A glass button lights up under the pointer and looks pressed while held.
    const QRect face(at + QPoint(1 + 383, 39), QSize(51, 25));
    const QImage normal = screen.copy(face);
    const QPoint onButton = at + kRefreshFace;
    ASSERT_TRUE(
        desktop_
            ->run(QStringLiteral("xdotool"),
                  {QStringLiteral("mousemove"), QString::number(onButton.x()),
                   QString::number(onButton.y()), QStringLiteral("sleep"), QStringLiteral("0.5")})
            .ok);
    const QImage hot = desktop_->screen().convertToFormat(QImage::Format_RGB32).copy(face);
    EXPECT_NE(hot, normal) << "the button does not light up under the pointer";
    ASSERT_TRUE(
        desktop_
            ->run(QStringLiteral("xdotool"), {QStringLiteral("mousedown"), QStringLiteral("1"),
                                              QStringLiteral("sleep"), QStringLiteral("0.5")})
            .ok);
    const QImage pressed = desktop_->screen().convertToFormat(QImage::Format_RGB32).copy(face);
    EXPECT_NE(pressed, hot) << "the button does not look pressed while held";
    ASSERT_TRUE(
        desktop_->run(QStringLiteral("xdotool"), {QStringLiteral("mouseup"), QStringLiteral("1")})
            .ok);
}

TEST_F(SkinnedWindowTest, TheCloseButtonEndsTheProgramThroughItsCloseHandler) {
    ProgramUnderTest* program = nullptr;
    QString window;
    ASSERT_NO_FATAL_FAILURE(launchPainted(program, window));
    ASSERT_TRUE(desktop_->click(window, kCloseButton));
    expectEndsCleanly(*program, "clicking the close button");
}

// Desktops and openbox keep Alt+Space for their own window menu: only without one does it reach
// the program.
TEST_F(SkinnedWindowTest, AltSpaceOpensTheSystemMenuBelowTheTitleBarAndItsCloseEnds) {
    ProgramUnderTest* program = nullptr;
    QString window;
    ASSERT_NO_FATAL_FAILURE(launchPainted(program, window));
    ASSERT_TRUE(desktop_->focus(window));
    ASSERT_TRUE(desktop_->keys({QStringLiteral("alt+space")}));
    const QPoint menu = kWindowGeometry.topLeft() + QPoint(0, kTitleBarHeight);
    QImage screen;
    QDeadlineTimer deadline(5000);
    do {
        QThread::msleep(200);
        screen = desktop_->screen().convertToFormat(QImage::Format_RGB32);
    } while (screen.pixel(menu + QPoint(8, 8)) != kMenuBar && !deadline.hasExpired());
    // The BlueGlass menu: its 26-pixel picture bar and its background, from the window's left
    // edge just below the bar.
    EXPECT_EQ(screen.pixel(menu + QPoint(8, 8)), kMenuBar);
    EXPECT_EQ(screen.pixel(menu + QPoint(28, 8)), kMenuBackground);
    EXPECT_NE(screen.pixel(menu + QPoint(8, -3)), kMenuBar);
    ASSERT_TRUE(desktop_->keys({QStringLiteral("c")}));
    expectEndsCleanly(*program, "choosing Close in the system menu");
}

TEST_F(SkinnedWindowTest, DraggingTheCaptionMovesTheWindowAndADoubleClickMaximisesIt) {
    ProgramUnderTest* program = nullptr;
    QString window;
    ASSERT_NO_FATAL_FAILURE(launchPainted(program, window));
    const QPoint grip = kWindowGeometry.topLeft() + kCaptionArea;
    ASSERT_TRUE(desktop_->drag(grip, grip + QPoint(60, 40)));
    const QRect moved = kWindowGeometry.translated(60, 40);
    EXPECT_EQ(geometryOnceAt(window, moved), std::optional<QRect>(moved));

    // Without a window manager the program maximises to the screen's work area itself, and a
    // second double click gives the window back its size and place.
    ASSERT_TRUE(desktop_->doubleClick(window, kCaptionArea));
    const QRect workArea(0, 0, 1024, 768);
    EXPECT_EQ(geometryOnceAt(window, workArea), std::optional<QRect>(workArea));
    QThread::msleep(600); // not a third click of the same double click
    ASSERT_TRUE(desktop_->doubleClick(window, kCaptionArea));
    EXPECT_EQ(geometryOnceAt(window, moved), std::optional<QRect>(moved));
}

TEST_F(SkinnedWindowTest, UnderAWindowManagerItHasNoFrameOfItsOwnMovesAndMinimises) {
    WindowManagerSession manager;
    ASSERT_TRUE(manager.start(xvfb_.display(), work_.filePath(QStringLiteral("openbox.log"))))
        << manager.error().toStdString();
    ProgramUnderTest* program = nullptr;
    QString window;
    ASSERT_NO_FATAL_FAILURE(launchPainted(program, window));

    // No decoration: the window manager adds no frame around it.
    const std::optional<QString> extents = property(window, QStringLiteral("_NET_FRAME_EXTENTS"));
    ASSERT_TRUE(extents);
    EXPECT_TRUE(extents->contains(QLatin1String("0, 0, 0, 0")) ||
                extents->contains(QLatin1String("not found")))
        << extents->toStdString();

    const std::optional<QRect> before = desktop_->geometry(window);
    ASSERT_TRUE(before);
    const QPoint grip = before->topLeft() + kCaptionArea;
    ASSERT_TRUE(desktop_->drag(grip, grip + QPoint(-50, 30)));
    const QRect moved = before->translated(-50, 30);
    EXPECT_EQ(geometryOnceAt(window, moved), std::optional<QRect>(moved));

    ASSERT_TRUE(desktop_->click(window, kMinimizeButton));
    std::optional<QString> state;
    QDeadlineTimer deadline(5000);
    do {
        QThread::msleep(200);
        state = property(window, QStringLiteral("WM_STATE"));
    } while (state && !state->contains(QLatin1String("Iconic")) && !deadline.hasExpired());
    ASSERT_TRUE(state);
    EXPECT_TRUE(state->contains(QLatin1String("Iconic"))) << state->toStdString();
}
