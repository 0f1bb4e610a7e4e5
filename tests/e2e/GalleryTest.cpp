// The skin gallery on a private X server: its menu bar, its menus and shortcuts, and its style
// switches, driven and looked at as a person would.
#include "MainWindowFixture.h"

#include <QFileInfo>
#include <QImage>
#include <map>

#ifndef DUANXIN_GALLERY
#error "DUANXIN_GALLERY must name the skin gallery program"
#endif
#ifndef DUANXIN_SHIPPED_THEME
#error "DUANXIN_SHIPPED_THEME must name the theme the build ships"
#endif

namespace {

const QString kGalleryTitle = QStringLiteral("duanxin skin gallery - %1");

// Window coordinates in BlueGlass: the frame at (1, 0), its title bar 33 high and the menu bar
// 22 high under it. "&File" is the first button, "&Style" the second.
const QPoint kStyleButton(1 + 52, 33 + 11);
// The Style menu drops down from the bar's bottom edge, under its button; its first item is
// MacOS, 21 pixels high.
const QPoint kMacOSItem(1 + 75, 55 + 10);
// A row through the first item, across where the menu's left bar lies.
constexpr int kMenuRow = 55 + 5;
constexpr int kMenuRowFrom = 20;
constexpr int kMenuRowTo = 100;
constexpr QRgb kBlueGlassMenuBar = qRgb(0xD6, 0xD3, 0xCE);

// The title bar of BlueGlass and of the shipped theme; under it the caption cannot tell two looks
// apart.
constexpr int kTitleBarHeight = 33;

constexpr int kSettleTimeoutMs = 5000;
constexpr int kPollMs = 200;

struct StyleKey {
    const char* style;
    const char* key;
};
constexpr StyleKey kStyles[] = {{"MacOS", "ctrl+1"},
                                {"WinXP", "ctrl+2"},
                                {"DeepBlue", "ctrl+3"},
                                {"Protein", "ctrl+4"},
                                {"BlueGlass", "ctrl+5"}};

// Where two pictures differ: the count of pixels and the rectangle around them. The window keeps
// its size through every change of style, so pictures of other sizes differ as a whole.
QString Differences(const QImage& first, const QImage& second) {
    if (first.size() != second.size())
        return QStringLiteral("sizes %1 x %2 and %3 x %4")
            .arg(first.width())
            .arg(first.height())
            .arg(second.width())
            .arg(second.height());
    const QRect shared(QPoint(0, 0), first.size());
    const QImage a = first.copy(shared);
    const QImage b = second.copy(shared);
    int count = 0;
    QRect around;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                ++count;
                around |= QRect(x, y, 1, 1);
            }
    if (count == 0)
        return {};
    return QStringLiteral("%1 pixels in (%2, %3) %4 x %5")
        .arg(count)
        .arg(around.x())
        .arg(around.y())
        .arg(around.width())
        .arg(around.height());
}

QImage UnderTitleBar(const QImage& window) {
    return window.copy(0, kTitleBarHeight, window.width(), window.height() - kTitleBarHeight);
}

class GalleryTest : public MainWindowFixture {
protected:
    // Each built-in style by its shortcut, and its settled picture.
    std::map<QString, QImage> everyStylesPicture() {
        std::map<QString, QImage> pictures;
        for (const StyleKey& entry : kStyles) {
            const QString style = QLatin1String(entry.style);
            if (!desktop_->keys({QLatin1String(entry.key)}) || !waitForStyle(style)) {
                ADD_FAILURE() << "no switch to " << style.toStdString();
                return {};
            }
            pictures[style] = settledWindowImage();
        }
        return pictures;
    }

    void launchGallery() {
        const QString log = work_.filePath(QStringLiteral("gallery.log"));
        programs_.push_back(std::make_unique<ProgramUnderTest>(xvfb_.display(), runtime_, log));
        gallery_ = programs_.back().get();
        gallery_->setProgram(QStringLiteral(DUANXIN_GALLERY));
        ASSERT_TRUE(gallery_->start()) << gallery_->error().toStdString();
        const QString title = kGalleryTitle.arg(QStringLiteral("BlueGlass"));
        QDeadlineTimer deadline(kWindowTimeoutMs);
        std::optional<QString> found;
        while (!found && gallery_->running() && !deadline.hasExpired()) {
            found = desktop_->findWindow(gallery_->pid(), title);
            if (!found)
                QThread::msleep(100);
        }
        ASSERT_TRUE(found) << "no gallery window; " << gallery_->exitDescription().toStdString();
        window_ = *found;
        ASSERT_TRUE(desktop_->focus(window_));
    }

    // Waits for the window's caption to name the style.
    bool waitForStyle(const QString& style) const {
        QDeadlineTimer deadline(kSettleTimeoutMs);
        while (desktop_->windowName(window_) != kGalleryTitle.arg(style)) {
            if (deadline.hasExpired())
                return false;
            QThread::msleep(kPollMs);
        }
        return true;
    }

    QImage screen() const {
        const QString file = work_.filePath(QStringLiteral("screen.png"));
        return desktop_->screenshot(file) ? QImage(file) : QImage();
    }

    // The window's picture once two in a row agree: painting is over.
    QImage settledWindowImage() const {
        QImage last;
        QDeadlineTimer deadline(kSettleTimeoutMs);
        while (!deadline.hasExpired()) {
            const std::optional<QRect> area = desktop_->geometry(window_);
            if (!area)
                return {};
            QImage now = screen().copy(*area);
            if (!now.isNull() && now == last)
                return now;
            last = now;
            QThread::msleep(kPollMs);
        }
        return {};
    }

    bool menuShown() const {
        const std::optional<QRect> area = desktop_->geometry(window_);
        const QImage image = screen();
        for (int x = kMenuRowFrom; area && x < kMenuRowTo; ++x)
            if (image.pixel(area->topLeft() + QPoint(x, kMenuRow)) == kBlueGlassMenuBar)
                return true;
        return false;
    }

    bool waitForMenu() const {
        QDeadlineTimer deadline(kSettleTimeoutMs);
        while (!menuShown()) {
            if (deadline.hasExpired())
                return false;
            QThread::msleep(kPollMs);
        }
        return true;
    }

    void pointerAway() const {
        desktop_->run(QStringLiteral("xdotool"),
                      {QStringLiteral("mousemove"), QStringLiteral("0"), QStringLiteral("0")});
    }

    ProgramUnderTest* gallery_ = nullptr;
    QString window_;
};

} // namespace

TEST_F(GalleryTest, TheMenuBarDropsItsMenusAndItemsAndShortCutsRun) {
    launchGallery();
    ASSERT_FALSE(menuShown());
    ASSERT_TRUE(desktop_->click(window_, kStyleButton));
    ASSERT_TRUE(waitForMenu()) << "the Style menu did not open under its button";
    ASSERT_TRUE(desktop_->click(window_, kMacOSItem));
    EXPECT_TRUE(waitForStyle(QStringLiteral("MacOS")));

    ASSERT_TRUE(desktop_->keys({QStringLiteral("ctrl+2")}));
    EXPECT_TRUE(waitForStyle(QStringLiteral("WinXP")));
    ASSERT_TRUE(desktop_->keys({QStringLiteral("ctrl+q")})); // File, Exit
    ASSERT_TRUE(gallery_->waitForExit(kExitTimeoutMs));
    EXPECT_TRUE(gallery_->exitedCleanly()) << gallery_->exitDescription().toStdString();
}

// Each style is reached twice, from different styles: whatever the one before left behind would
// show as a difference between the two pictures.
TEST_F(GalleryTest, EveryStyleSwitchRepaintsTheWholeWindow) {
    launchGallery();
    pointerAway();
    std::map<QString, std::vector<QImage>> pictures;
    pictures[QStringLiteral("BlueGlass")].push_back(settledWindowImage());
    const int order[] = {0, 1, 2, 3, 4, 3, 2, 1, 0, 4};
    for (int index : order) {
        const QString style = QLatin1String(kStyles[index].style);
        ASSERT_TRUE(desktop_->keys({QLatin1String(kStyles[index].key)}));
        ASSERT_TRUE(waitForStyle(style)) << style.toStdString();
        pictures[style].push_back(settledWindowImage());
    }
    for (const auto& [style, shots] : pictures) {
        ASSERT_GE(shots.size(), 2u) << style.toStdString();
        for (std::size_t i = 0; i < shots.size(); ++i) {
            ASSERT_FALSE(shots[i].isNull()) << style.toStdString();
            EXPECT_EQ(Differences(shots[i], shots.front()), QString())
                << style.toStdString() << ", reached the " << i + 1 << ". time";
        }
    }
}

// The shipped theme comes with the build as with the package, beside the gallery's program; its
// item follows the five styles in the Style menu. The built-in styles' pictures are taken after
// the menu has been used, as every picture compared with another one: a menu choice leaves the
// focus elsewhere than at start, and a focused BlueGlass button has a bold caption.
TEST_F(GalleryTest, TheShippedThemeIsInTheStyleMenuAndRepaintsTheWholeWindow) {
    ASSERT_TRUE(QFileInfo::exists(QStringLiteral(DUANXIN_SHIPPED_THEME)))
        << "no shipped theme at " << DUANXIN_SHIPPED_THEME
        << "; the build target duanxin_shipped_themes makes it";
    const QString jade = QStringLiteral("Jade");
    launchGallery();

    // The gallery opens in BlueGlass: its menu drops under the Style button, and the theme's
    // item is the last before the line above "Theme file...".
    ASSERT_TRUE(desktop_->click(window_, kStyleButton));
    ASSERT_TRUE(waitForMenu()) << "the Style menu did not open under its button";
    ASSERT_TRUE(
        desktop_->keys({QStringLiteral("End"), QStringLiteral("Up"), QStringLiteral("Return")}));
    ASSERT_TRUE(waitForStyle(jade)) << "the menu's theme item did not show Jade";
    pointerAway();

    const std::map<QString, QImage> builtIn = everyStylesPicture();
    ASSERT_EQ(builtIn.size(), std::size(kStyles));
    ASSERT_TRUE(desktop_->keys({QStringLiteral("ctrl+6")})); // from BlueGlass, the last one
    ASSERT_TRUE(waitForStyle(jade)) << "Ctrl+6 did not show Jade";
    const QImage shown = settledWindowImage();
    ASSERT_FALSE(shown.isNull());
    for (const auto& [style, picture] : builtIn)
        EXPECT_NE(Differences(UnderTitleBar(shown), UnderTitleBar(picture)), QString())
            << "under the title bar Jade looks like " << style.toStdString();

    ASSERT_TRUE(desktop_->keys({QStringLiteral("ctrl+5")}));
    ASSERT_TRUE(waitForStyle(QStringLiteral("BlueGlass")));
    EXPECT_EQ(Differences(settledWindowImage(), builtIn.at(QStringLiteral("BlueGlass"))), QString())
        << "BlueGlass after Jade";
    ASSERT_TRUE(desktop_->keys({QStringLiteral("ctrl+6")}));
    ASSERT_TRUE(waitForStyle(jade));
    EXPECT_EQ(Differences(settledWindowImage(), shown), QString()) << "Jade the second time";
}
