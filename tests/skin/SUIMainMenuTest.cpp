#include "skin/SUIMainMenu.h"

#include "../framework/core/TestSupport.h"
#include "framework/controls/TImageList.h"
#include "framework/core/TForm.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "framework/menus/TMenuItem.h"
#include "skin/SUIForm.h"
#include "support/MenuTestSupport.h"

#include <gtest/gtest.h>
#include <set>

using namespace MenuTestSupport;

namespace {

constexpr TColor kBlueGlassBar = 0xCED3D6;

// The item drawn alone into a bitmap 120 pixels wide and as high as it measures.
QImage DrawnItem(TMenuItem* item, bool selected) {
    TBitmap bitmap;
    bitmap.SetSize(120, 1);
    int width = 0;
    int height = 0;
    item->OnMeasureItem(item, bitmap.Canvas(), width, height);
    bitmap.SetSize(120, height);
    item->OnDrawItem(item, bitmap.Canvas(), Rect(0, 0, 120, height), selected);
    return bitmap.Image();
}

class SUIMainMenuTest : public testing::Test {
protected:
    TestSupport::RecordingApplication app;
    TForm host{nullptr};
};

} // namespace

TEST_F(SUIMainMenuTest, ADroppedMenuBecomesTheFramesMenuInPlaceOfTheFormsOwn) {
    auto* frame = new TsuiForm(&host);
    frame->SetParent(&host);
    frame->SetUIStyle(TsuiUIStyle::WinXP);
    auto* own = new TMainMenu(&host);
    host.SetMenu(own);
    auto* menu = new TsuiMainMenu(&host);
    EXPECT_EQ(host.Menu(), nullptr);
    EXPECT_EQ(frame->Menu(), menu);
    EXPECT_EQ(menu->FormLink(), frame);
    EXPECT_EQ(menu->UIStyle(), TsuiUIStyle::WinXP); // the frame's, taken at construction
    ASSERT_NE(frame->MenuBar(), nullptr);
    EXPECT_EQ(frame->MenuBar()->ButtonCount(), 0); // until it is loaded

    AddMenuItem(menu->Items(), QStringLiteral("&File"));
    menu->Loaded();
    EXPECT_EQ(frame->MenuBar()->ButtonCount(), 1);

    // A menu on a form without frame, or owned by no form, attaches to nothing.
    TForm bare(nullptr);
    TsuiMainMenu alone(&bare);
    EXPECT_EQ(alone.FormLink(), nullptr);
    TsuiMainMenu loose(nullptr);
    EXPECT_EQ(loose.FormLink(), nullptr);
    EXPECT_TRUE(loose.OwnerDraw());
    loose.SetOwnerDraw(false);
    EXPECT_TRUE(loose.OwnerDraw());
}

TEST_F(SUIMainMenuTest, ItsOwnCheckMarkListIsNeverTheUsersImages) {
    TsuiMainMenu menu(&host);
    menu.SetUIStyle(TsuiUIStyle::BlueGlass);
    TMenuItem* item = AddMenuItem(menu.Items(), QStringLiteral("&Bold"));
    menu.InstallMenuItemHandlers();
    EXPECT_EQ(menu.Images(), nullptr);
    item->SetChecked(true);
    item->SetImageIndex(0); // no user list: the check mark, not a picture
    const QImage checked = DrawnItem(item, false);
    EXPECT_GT(ColoursIn(checked, Rect(4, 3, 20, 19)).size(), 1u);
    EXPECT_EQ(PixelAt(checked, 2, 1), kBlueGlassBar); // no box

    auto* images = new TImageList(&host);
    TBitmap green;
    green.SetSize(16, 16);
    green.Canvas().Brush().SetColor(clLime);
    green.Canvas().FillRect(Rect(0, 0, 16, 16));
    green.SetPixels(0, 15, clWhite);
    images->Add(green);
    menu.SetImages(images);
    EXPECT_EQ(menu.Images(), images);
    const QImage boxed = DrawnItem(item, false);
    EXPECT_EQ(PixelAt(boxed, 2, 1), clBlack);
    EXPECT_EQ(PixelAt(boxed, 8, 8), clLime);

    menu.SetImages(nullptr);
    EXPECT_EQ(menu.Images(), nullptr);
    const QImage again = DrawnItem(item, false);
    EXPECT_EQ(again, checked);
}

TEST_F(SUIMainMenuTest, FileThemeStyleAndHeightsAsThePopupMenus) {
    TsuiMainMenu menu(&host);
    EXPECT_EQ(menu.UIStyle(), TsuiUIStyle::DeepBlue);
    menu.SetUIStyle(TsuiUIStyle::MacOS);
    menu.SetMenuItemHeight(30);
    EXPECT_EQ(menu.MenuItemHeight(), 20);
    auto* theme = new TsuiFileTheme(&host);
    menu.SetFileTheme(theme);
    delete theme;
    EXPECT_EQ(menu.FileTheme(), nullptr);
    EXPECT_EQ(menu.UIStyle(), TsuiUIStyle::DeepBlue);
    for (const char* name : {"Images", "FileTheme", "UIStyle", "UseSystemFont", "FontCharset"})
        EXPECT_TRUE(HasPublishedProperty(&menu, name)) << name;
}
