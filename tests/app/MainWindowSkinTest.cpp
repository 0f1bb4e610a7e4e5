// The main window as its form description skins it, rendered offscreen and read pixel by pixel.
#include "AppFixture.h"

#include "app/Unit1.h"
#include "framework/platform/WindowSystem.h"
#include "skin/SUIThemes.h"

#include <QCoreApplication>
#include <QCursor>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kFrameColour = 0xFFE7E7E7;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kGreen = 0xFF008000;
constexpr int kFrameLeft = 1; // the frame's place in the window

class MainWindowSkinTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        RegisterLibrary({QStringLiteral("春节快乐")});
        application->CreateForm(form);
        form->Show();
        QCoreApplication::processEvents();
    }
    QImage Window() {
        return form->Handle()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    // What the style's picture of `frame` of `count` shows at (x, y).
    static QRgb StylePixel(TsuiThemeRole role, int frame, int count, int x, int y) {
        TBitmap bitmap;
        GetStyleBitmap(TsuiUIStyle::BlueGlass, role, &bitmap, frame, count);
        return bitmap.Image().pixel(x, y) | 0xFF000000;
    }
    static bool Near(QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) < 8 && std::abs(qGreen(a) - qGreen(b)) < 8 &&
               std::abs(qBlue(a) - qBlue(b)) < 8;
    }
    static bool HasColour(const QImage& image, const QRect& area, QRgb colour) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.pixel(x, y) == colour)
                    return true;
        return false;
    }

    TForm1* form = nullptr;
};

} // namespace

TEST_F(MainWindowSkinTest, FrameBorderRegionAndTitleBar) {
    // The stored place, kept on the test's small screen.
    EXPECT_EQ(form->BoundsRect(), WindowSystem::KeptOnScreen(Bounds(405, 172, 500, 453)));
    EXPECT_EQ(form->BorderStyle(), TFormBorderStyle::bsNone);
    EXPECT_EQ(form->Constraints()->MinWidth(), 270);
    EXPECT_EQ(form->suiForm1->BoundsRect(), Bounds(1, 0, 498, 452));

    // Rounded top corners: rows 0 to 2 lose 3, 2 and 1 pixels at each end; the bottom is square.
    const QRegion region = form->Handle()->mask();
    for (int y = 0; y < 3; ++y) {
        EXPECT_FALSE(region.contains(QPoint(2 - y, y))) << "row " << y;
        EXPECT_TRUE(region.contains(QPoint(3 - y, y))) << "row " << y;
        EXPECT_FALSE(region.contains(QPoint(497 + y, y))) << "row " << y;
    }
    EXPECT_TRUE(region.contains(QPoint(0, 452)));
    EXPECT_TRUE(region.contains(QPoint(499, 452)));

    const QImage window = Window();
    // The one-pixel black border left, right and bottom, the frame's colour inside it.
    for (const QPoint p : {QPoint(0, 200), QPoint(499, 200), QPoint(250, 452)})
        EXPECT_EQ(window.pixel(p), kBlack) << p.x() << ", " << p.y();
    EXPECT_EQ(window.pixel(kFrameLeft + 250, 36), kFrameColour);
    EXPECT_EQ(window.pixel(kFrameLeft, 36), kFrameColour);

    // The bar: 33 rows of the BlueGlass middle picture, close at 476 and minimise at 456 of the
    // frame, both 6 down, the caption in white from 4.
    EXPECT_EQ(form->suiForm1->TitleBar()->Height(), 33);
    EXPECT_EQ(window.pixel(kFrameLeft + 250, 32),
              StylePixel(SUI_THEME_TITLEBAR_CLIENT_IMAGE, 1, 1, 0, 32));
    // The buttons' own pictures are the style's at 5 bits a channel.
    EXPECT_TRUE(Near(window.pixel(kFrameLeft + 476 + 9, 6 + 9),
                     StylePixel(SUI_THEME_TITLEBAR_BUTTON_IMAGE, 16, 18, 9, 9)));
    EXPECT_TRUE(Near(window.pixel(kFrameLeft + 456 + 5, 6 + 9),
                     StylePixel(SUI_THEME_TITLEBAR_BUTTON_IMAGE, 13, 18, 5, 9)));
    EXPECT_FALSE(Near(window.pixel(kFrameLeft + 456 + 5, 6 + 9),
                      StylePixel(SUI_THEME_TITLEBAR_BUTTON_IMAGE, 16, 18, 5, 9)));
    EXPECT_FALSE(HasColour(window, QRect(kFrameLeft, 6, 4, 19), 0xFFFFFFFF));
    EXPECT_TRUE(HasColour(window, QRect(kFrameLeft + 4, 6, 3, 19), 0xFFFFFFFF));
}

TEST_F(MainWindowSkinTest, ControlsKeepTheWindowFontAndTheirColours) {
    // The frame's font is the caption's; the controls on it keep the window's.
    EXPECT_EQ(form->suiForm1->Font()->Name(), QStringLiteral("Tahoma"));
    EXPECT_EQ(form->searchkeyword->Font()->Height(), -13);
    EXPECT_FALSE(form->Button4->Font()->Style().testFlag(Framework::fsBold));
    EXPECT_EQ(form->Button4->Font()->Color(), form->Font()->Color());

    const QImage window = Window();
    // The keyword box framed in black; the festival labels in green on the frame's colour.
    const TRect edit = form->searchkeyword->BoundsRect();
    EXPECT_EQ(window.pixel(kFrameLeft + edit.Left, edit.Top + 10), kBlack);
    EXPECT_EQ(window.pixel(kFrameLeft + edit.Right - 1, edit.Top + 10), kBlack);
    const TRect label = form->Label1->BoundsRect();
    const QRect labelArea(kFrameLeft + label.Left, label.Top, label.Width(), label.Height());
    EXPECT_TRUE(HasColour(window, labelArea, kGreen));
    EXPECT_TRUE(HasColour(window, labelArea, kFrameColour));
}

TEST_F(MainWindowSkinTest, GlassButtonsLightUpUnderTheMouseAndLookPressedWhileHeld) {
    TsuiButton* button = form->Button1;
    const TRect r = button->BoundsRect();
    const auto face = [&] {
        return Window().copy(kFrameLeft + r.Left, r.Top, r.Width(), r.Height());
    };
    const QImage normal = face();
    QTest::mouseMove(button->Handle(), QPoint(3, r.Height() / 2));
    button->Perform(CM_MOUSEENTER);
    const QImage hot = face();
    EXPECT_NE(hot, normal);
    QTest::mousePress(button->Handle(), Qt::LeftButton, {}, QPoint(3, r.Height() / 2));
    const QImage pressed = face();
    EXPECT_NE(pressed, hot);
    EXPECT_NE(pressed, normal);
    QTest::mouseRelease(button->Handle(), Qt::LeftButton, {}, QPoint(3, r.Height() / 2));
}
