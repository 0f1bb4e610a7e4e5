#include "skin/SUIPopupMenu.h"

#include "framework/controls/TImageList.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "framework/menus/TMenuItem.h"
#include "framework/menus/TPopupMenuWindow.h"
#include "skin/SUIPublic.h"
#include "support/MenuTestSupport.h"

#include <gtest/gtest.h>
#include <memory>
#include <set>

using MenuTestSupport::AddMenuItem;
using MenuTestSupport::PixelAt;

namespace {

constexpr TColor kBar = 0xCED3D6;
constexpr TColor kBackground = 0xE7E7E7;
constexpr TColor kSelected = 0xEC5E5E;
constexpr TColor kSeparatorLine = 0x848284;
constexpr TColor kFormBackground = 0xE7E7E7; // the flat frame's shadow

class SUIPopupMenuTest : public testing::Test {
protected:
    SUIPopupMenuTest() {
        for (const char* caption : {"Mi&nimize", "Ma&ximize/Restore", "-", "&Close"})
            AddMenuItem(menu.Items(), QString::fromLatin1(caption));
        menu.SetUIStyle(TsuiUIStyle::BlueGlass);
        menu.InstallMenuItemHandlers();
    }
    TMenuItem* Item(int i) { return menu.Items()->Items(i); }

    // One item drawn alone into a 120-pixel-wide bitmap of its measured height.
    void Draw(TBitmap& bitmap, int index, bool selected) {
        bitmap.SetSize(120, 1);
        int width = 0;
        int height = 0;
        Item(index)->OnMeasureItem(Item(index), bitmap.Canvas(), width, height);
        bitmap.SetSize(120, height);
        Item(index)->OnDrawItem(Item(index), bitmap.Canvas(), Rect(0, 0, 120, height), selected);
    }
    static std::set<TColor> ColoursIn(const TBitmap& b, const TRect& r) {
        return MenuTestSupport::ColoursIn(b.Image(), r);
    }

    TComponent owner{nullptr};
    TsuiPopupMenu menu{&owner};
};

} // namespace

TEST_F(SUIPopupMenuTest, StylesSetHeightsBarAndColoursAndMacOSLocksTheHeights) {
    TsuiPopupMenu plain(nullptr);
    EXPECT_EQ(plain.UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_TRUE(plain.OwnerDraw());
    plain.SetOwnerDraw(false);
    EXPECT_TRUE(plain.OwnerDraw());
    EXPECT_EQ(plain.BarWidth(), 26);
    EXPECT_EQ(plain.SeparatorHeight(), 5);
    EXPECT_EQ(plain.FontName(), QStringLiteral("MS Sans Serif"));

    EXPECT_EQ(menu.MenuItemHeight(), 21);
    EXPECT_EQ(menu.SeparatorColor(), kSeparatorLine);
    EXPECT_EQ(menu.BarColor(), kBar);
    EXPECT_EQ(menu.Color(), kBackground);
    EXPECT_EQ(menu.SelectedColor(), kSelected);
    EXPECT_EQ(menu.SelectedFontColor(), TColor(0xFFFFFF));

    menu.SetUIStyle(TsuiUIStyle::MacOS);
    EXPECT_EQ(menu.MenuItemHeight(), 20);
    EXPECT_EQ(menu.SeparatorHeight(), 12);
    EXPECT_EQ(menu.SeparatorColor(), TColor(0));
    menu.SetMenuItemHeight(30);
    menu.SetSeparatorHeight(30);
    EXPECT_EQ(menu.MenuItemHeight(), 20);
    EXPECT_EQ(menu.SeparatorHeight(), 12);
    menu.SetUIStyle(TsuiUIStyle::WinXP);
    menu.SetMenuItemHeight(30);
    EXPECT_EQ(menu.MenuItemHeight(), 30);
}

TEST_F(SUIPopupMenuTest, ARemovedFileThemeTurnsTheMenuDeepBlue) {
    auto* theme = new TsuiFileTheme(&owner);
    menu.SetUIStyle(TsuiUIStyle::MacOS);
    menu.SetFileTheme(theme);
    delete theme;
    EXPECT_EQ(menu.FileTheme(), nullptr);
    EXPECT_EQ(menu.UIStyle(), TsuiUIStyle::DeepBlue);
}

TEST_F(SUIPopupMenuTest, HandlersGoToEveryItemDepthFirstButNotToLaterOnes) {
    TsuiPopupMenu nested(nullptr);
    TMenuItem* parent = AddMenuItem(nested.Items(), QStringLiteral("&File"));
    TMenuItem* child = AddMenuItem(parent, QStringLiteral("&Open"));
    nested.InstallMenuItemHandlers();
    EXPECT_TRUE(parent->OnDrawItem && child->OnDrawItem && child->OnMeasureItem);
    TMenuItem* later = AddMenuItem(nested.Items(), QStringLiteral("&Later"));
    EXPECT_FALSE(later->OnDrawItem);
}

TEST_F(SUIPopupMenuTest, BlueGlassItemsSeparatorSelectionAndDisabledText) {
    // An ordinary item: the 26-pixel bar, the background, dark text from x = 30 and y = 4.
    TBitmap normal;
    Draw(normal, 0, false);
    EXPECT_EQ(normal.Height(), 21);
    EXPECT_EQ(ColoursIn(normal, Rect(0, 0, 26, 21)), std::set<TColor>{kBar});
    EXPECT_EQ(normal.Pixels(26, 0), kBackground);
    EXPECT_EQ(ColoursIn(normal, Rect(26, 0, 30, 21)), std::set<TColor>{kBackground});
    EXPECT_EQ(ColoursIn(normal, Rect(26, 0, 120, 4)), std::set<TColor>{kBackground});
    EXPECT_GT(ColoursIn(normal, Rect(30, 4, 120, 21)).size(), 1u);

    // The separator: 5 high, its line on row 2 from x = 30 up to 2 pixels before the edge.
    TBitmap separator;
    Draw(separator, 2, false);
    EXPECT_EQ(separator.Height(), 5);
    EXPECT_EQ(ColoursIn(separator, Rect(30, 2, 118, 3)), std::set<TColor>{kSeparatorLine});
    EXPECT_EQ(separator.Pixels(29, 2), kBackground);
    EXPECT_EQ(separator.Pixels(118, 2), kBackground);
    EXPECT_EQ(separator.Pixels(10, 2), kBar);

    // Selected: filled and framed in the selection colour, white text.
    TBitmap selected;
    Draw(selected, 3, true);
    EXPECT_EQ(ColoursIn(selected, Rect(0, 0, 120, 4)), std::set<TColor>{kSelected});
    EXPECT_TRUE(ColoursIn(selected, Rect(30, 4, 120, 21)).count(0xFFFFFF));

    // Disabled: grey text, and no selection even when highlighted.
    Item(3)->SetEnabled(false);
    TBitmap disabled;
    Draw(disabled, 3, true);
    EXPECT_EQ(disabled.Pixels(5, 5), kBar);
    EXPECT_TRUE(ColoursIn(disabled, Rect(30, 4, 120, 21)).count(0x808080));
}

TEST_F(SUIPopupMenuTest, CheckMarksAndImagesTakeTheirPlaces) {
    // Checked without an image: the shared check mark at (4, 3).
    Item(0)->SetChecked(true);
    TBitmap checked;
    Draw(checked, 0, false);
    EXPECT_GT(ColoursIn(checked, Rect(4, 3, 20, 19)).size(), 1u);
    EXPECT_EQ(ColoursIn(checked, Rect(0, 0, 26, 3)), std::set<TColor>{kBar});

    // Checked with an image: a black-framed box in the selection colour under the image.
    auto* images = new TImageList(&owner);
    TBitmap blue;
    blue.SetSize(16, 16);
    blue.Canvas().Brush().SetColor(clBlue);
    blue.Canvas().FillRect(Rect(0, 0, 16, 16));
    blue.SetPixels(0, 15, clWhite); // the transparent colour: its own bottom-left pixel
    images->Add(blue);
    menu.SetImages(images);
    Item(0)->SetImageIndex(0);
    TBitmap boxed;
    Draw(boxed, 0, false);
    EXPECT_EQ(boxed.Pixels(2, 1), clBlack);
    EXPECT_EQ(boxed.Pixels(3, 2), kSelected);
    EXPECT_EQ(boxed.Pixels(8, 8), clBlue);
    // An index beyond the list is no image: the check mark again.
    Item(0)->SetImageIndex(5);
    TBitmap unboxed;
    Draw(unboxed, 0, false);
    EXPECT_NE(unboxed.Pixels(3, 2), kSelected);
}

TEST_F(SUIPopupMenuTest, TheOpenMenuTakesItsItemSizesFromTheMeasureHandler) {
    menu.Popup(10, 10);
    TPopupMenuWindow* window = menu.PopupWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->ItemRect(0).Height(), 21);
    EXPECT_EQ(window->ItemRect(2).Height(), 5);
    const QImage image = window->Render();
    const TRect close = window->ItemRect(3);
    EXPECT_EQ(image.pixel(close.Left + 5, close.Top + 1) & 0xFFFFFF, 0xD6D3CEu); // the bar
    menu.CloseMenu();
}

// FlatMenu: the window keeps the flat frame's band round the items. The frame is whole on all
// four sides, its shadow included, and every item looks exactly as it does drawn on its own.
TEST_F(SUIPopupMenuTest, AFlatMenusFrameHasItsOwnBandAndLeavesEveryItemWhole) {
    menu.SetFlatMenu(true);
    menu.Popup(10, 10);
    TPopupMenuWindow* window = menu.PopupWindow();
    ASSERT_NE(window, nullptr);
    const int w = window->width();
    const int h = window->height();
    const TRect items = Rect(window->ItemRect(0).Left, window->ItemRect(0).Top,
                             window->ItemRect(3).Right, window->ItemRect(3).Bottom);
    EXPECT_EQ(items, Rect(2, 3, w - 3, h - 3));
    const QImage image = window->Render();

    // The four sides: the outer frame on the left, the shadow along the top, right and bottom.
    for (int y = 1; y < h - 1; ++y)
        ASSERT_EQ(PixelAt(image, 0, y), clBlack) << y;
    for (int y = 0; y < h; ++y)
        ASSERT_EQ(PixelAt(image, w - 1, y), kFormBackground) << y;
    for (int x = 1; x < w; ++x)
        ASSERT_EQ(PixelAt(image, x, 0), kFormBackground) << x;
    for (int x = 0; x < w; ++x)
        ASSERT_EQ(PixelAt(image, x, h - 1), kFormBackground) << x;
    // The whole band as the frame alone paints it.
    TBitmap frame;
    frame.SetSize(w, h);
    FillRectColor(frame.Canvas(), Rect(0, 0, w, h), clWhite);
    DrawMenuWindowBorder(frame.Canvas(), Rect(0, 0, w, h), clBlack, kFormBackground);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool inBand =
                x < items.Left || x >= items.Right || y < items.Top || y >= items.Bottom;
            if (inBand) {
                ASSERT_EQ(PixelAt(image, x, y), frame.Pixels(x, y)) << x << "," << y;
            }
        }
    }

    for (int i = 0; i < window->ItemCount(); ++i) {
        const TRect r = window->ItemRect(i);
        TBitmap alone;
        alone.SetSize(r.Width(), r.Height());
        Item(i)->OnDrawItem(Item(i), alone.Canvas(), Rect(0, 0, r.Width(), r.Height()), false);
        for (int y = 0; y < r.Height(); ++y)
            for (int x = 0; x < r.Width(); ++x)
                ASSERT_EQ(PixelAt(image, r.Left + x, r.Top + y), alone.Pixels(x, y))
                    << "item " << i << " at " << x << "," << y;
    }
    menu.CloseMenu();
}
