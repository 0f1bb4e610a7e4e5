#include "framework/menus/TPopupMenuWindow.h"
#include "framework/core/TestSupport.h"
#include "framework/graphics/Colors.h"
#include "framework/graphics/TCanvas.h"
#include "framework/menus/TMainMenu.h"
#include "framework/menus/TMenuItem.h"
#include "framework/menus/TPopupMenu.h"

#include <QAccessible>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>
#include <utility>

using namespace TestSupport;

namespace {

TMenuItem* AddItem(TMenuItem* parent, const QString& caption, bool enabled = true) {
    auto* item = new TMenuItem(nullptr);
    item->SetCaption(caption);
    item->SetEnabled(enabled);
    parent->Add(item);
    return item;
}

QWidget* ActivePopup() {
    return QApplication::activePopupWidget();
}

void Key(int key, const QString& text = QString()) {
    ASSERT_NE(ActivePopup(), nullptr);
    TypeKey(ActivePopup(), key, text);
}

QPoint Centre(const TPopupMenuWindow* window, int index) {
    return window->ItemRect(index).ToQRect().center();
}

// Open, Save As, a separator, a disabled Print, Exit; every click is written down.
class PopupTest : public testing::Test {
protected:
    PopupTest() {
        open = AddItem(menu.Items(), QStringLiteral("&Open"));
        saveAs = AddItem(menu.Items(), QStringLiteral("Save &As"));
        AddItem(menu.Items(), QStringLiteral("-"));
        print = AddItem(menu.Items(), QStringLiteral("&Print"), false);
        exit = AddItem(menu.Items(), QStringLiteral("E&xit"));
        for (int i = 0; i < menu.Items()->Count(); ++i)
            menu.Items()->Items(i)->OnClick = [this](TObject* sender) {
                clicked.push_back(static_cast<TMenuItem*>(sender));
                openWhenClicked = menu.PopupWindow() != nullptr;
            };
    }
    ~PopupTest() override { menu.CloseMenu(); }

    TPopupMenuWindow* Window() { return menu.PopupWindow(); }
    TPopupMenuWindow* Opened() {
        menu.Popup(100, 100);
        return Window();
    }

    TPopupMenu menu{nullptr};
    TMenuItem* open;
    TMenuItem* saveAs;
    TMenuItem* print;
    TMenuItem* exit;
    std::vector<TMenuItem*> clicked;
    bool openWhenClicked = true;
};

} // namespace

TEST_F(PopupTest, PopupOpensAnActivePopupAtThePoint) {
    bool askedBefore = false;
    menu.OnPopup = [&](TObject* sender) {
        askedBefore = sender == &menu && !menu.PopupWindow();
        print->SetCaption(QStringLiteral("&Print now"));
    };
    TPopupMenuWindow* window = Opened();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(askedBefore);
    EXPECT_EQ(ActivePopup(), window);
    EXPECT_EQ(window->pos(), QPoint(100, 100));
    EXPECT_EQ(menu.PopupPoint(), (TPoint{100, 100}));
    EXPECT_EQ(window->ItemCount(), 5);
    EXPECT_EQ(window->SelectedIndex(), -1);
    menu.CloseMenu();
    EXPECT_EQ(menu.PopupWindow(), nullptr);
}

TEST_F(PopupTest, ArrowsSkipSeparatorsAndDisabledItemsAndWrap) {
    Opened();
    std::vector<int> seen;
    for (int i = 0; i < 4; ++i) {
        Key(Qt::Key_Down);
        seen.push_back(Window()->SelectedIndex());
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 4, 0}));
    Key(Qt::Key_Up);
    EXPECT_EQ(Window()->SelectedIndex(), 4);
    Key(Qt::Key_Up);
    EXPECT_EQ(Window()->SelectedIndex(), 1);
    Key(Qt::Key_End);
    EXPECT_EQ(Window()->SelectedIndex(), 4);
    Key(Qt::Key_Home);
    EXPECT_EQ(Window()->SelectedIndex(), 0);
}

TEST_F(PopupTest, EnterClosesTheMenuThenCarriesOutTheItem) {
    Opened();
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    EXPECT_EQ(clicked, (std::vector<TMenuItem*>{saveAs}));
    EXPECT_FALSE(openWhenClicked);
    EXPECT_EQ(menu.PopupWindow(), nullptr);
}

TEST_F(PopupTest, UnderlinedLettersChooseUniqueItemsOnly) {
    Opened();
    Key(Qt::Key_P, QStringLiteral("p")); // Print is disabled
    Key(Qt::Key_Q, QStringLiteral("q")); // nobody's letter
    EXPECT_TRUE(clicked.empty());
    ASSERT_NE(Window(), nullptr);
    Key(Qt::Key_X, QStringLiteral("x"));
    EXPECT_EQ(clicked, (std::vector<TMenuItem*>{exit}));
}

TEST_F(PopupTest, ALetterSharedByItemsMovesBetweenThem) {
    AddItem(menu.Items(), QStringLiteral("&Another"));
    Opened();
    Key(Qt::Key_A, QStringLiteral("a"));
    EXPECT_EQ(Window()->SelectedIndex(), 1);
    Key(Qt::Key_A, QStringLiteral("A"));
    EXPECT_EQ(Window()->SelectedIndex(), 5);
    Key(Qt::Key_A, QStringLiteral("a"));
    EXPECT_EQ(Window()->SelectedIndex(), 1);
    EXPECT_TRUE(clicked.empty());
}

TEST_F(PopupTest, EscapeAndAPressOutsideDismiss) {
    Opened();
    Key(Qt::Key_Escape);
    EXPECT_EQ(menu.PopupWindow(), nullptr);
    TPopupMenuWindow* window = Opened();
    Press(window, QPoint(-20, -20));
    EXPECT_EQ(menu.PopupWindow(), nullptr);
    EXPECT_TRUE(clicked.empty());
}

TEST_F(PopupTest, TheMouseSelectsEnabledItemsAndAClickCarriesOneOut) {
    TPopupMenuWindow* window = Opened();
    MoveMouse(window, Centre(window, 1));
    EXPECT_EQ(window->SelectedIndex(), 1);
    MoveMouse(window, Centre(window, 2)); // separator
    MoveMouse(window, Centre(window, 3)); // disabled
    EXPECT_EQ(window->SelectedIndex(), 1);
    ClickAt(window, Centre(window, 3));
    EXPECT_TRUE(clicked.empty());
    // The release of the click that opened the menu chooses nothing.
    Release(window, Centre(window, 0));
    EXPECT_TRUE(clicked.empty());
    ClickAt(window, Centre(window, 0));
    EXPECT_EQ(clicked, (std::vector<TMenuItem*>{open}));
    EXPECT_FALSE(openWhenClicked);
}

TEST_F(PopupTest, SubMenusOpenBesideTheirItemAndCloseOneLevelAtATime) {
    TMenuItem* recent = AddItem(menu.Items(), QStringLiteral("&Recent"));
    TMenuItem* first = AddItem(recent, QStringLiteral("&First"));
    AddItem(recent, QStringLiteral("&Second"));
    first->OnClick = [this](TObject* sender) {
        clicked.push_back(static_cast<TMenuItem*>(sender));
    };
    TPopupMenuWindow* window = Opened();
    Key(Qt::Key_End);
    Key(Qt::Key_Right);
    TPopupMenuWindow* sub = window->SubMenu();
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(ActivePopup(), sub);
    EXPECT_EQ(sub->SelectedIndex(), 0);
    EXPECT_EQ(sub->pos(), window->pos() + QPoint(window->width(), window->ItemRect(5).Top));
    Key(Qt::Key_Left);
    EXPECT_EQ(window->SubMenu(), nullptr);
    EXPECT_EQ(menu.PopupWindow(), window);

    MoveMouse(window, Centre(window, 5)); // hovering opens it too
    sub = window->SubMenu();
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->SelectedIndex(), -1);
    Key(Qt::Key_F, QStringLiteral("f"));
    EXPECT_EQ(clicked, (std::vector<TMenuItem*>{first}));
    EXPECT_EQ(menu.PopupWindow(), nullptr);
}

TEST(PopupMenuLifetimeTest, AnItemMayDestroyItsOwnMenu) {
    auto* menu = new TPopupMenu(nullptr);
    TMenuItem* item = AddItem(menu->Items(), QStringLiteral("&Drop"));
    // The handler goes with its item: it touches nothing of its own after the delete.
    item->OnClick = [&menu](TObject*) { delete std::exchange(menu, nullptr); };
    menu->Popup(10, 10);
    QPointer<QWidget> window = ActivePopup();
    Key(Qt::Key_D, QStringLiteral("d"));
    EXPECT_EQ(menu, nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(PopupTest, WindowsStayOnTheScreen) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    menu.Popup(area.right() - 2, area.bottom() - 2);
    TPopupMenuWindow* window = Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(area.contains(window->geometry())) << window->geometry().x();
    EXPECT_EQ(window->geometry().right(), area.right());
    EXPECT_EQ(window->geometry().bottom(), area.bottom());

    // A sub-menu that has no room on the right opens on the left.
    AddItem(AddItem(menu.Items(), QStringLiteral("More")), QStringLiteral("Inside"));
    Key(Qt::Key_End);
    Key(Qt::Key_Right);
    ASSERT_NE(window->SubMenu(), nullptr);
    EXPECT_EQ(window->SubMenu()->geometry().right(), window->x() - 1);
}

TEST_F(PopupTest, ItemChangesWhileOpenReshapeTheWindow) {
    TPopupMenuWindow* window = Opened();
    const int height = window->height();
    const int exitHeight = window->ItemRect(4).Height();
    Key(Qt::Key_End);
    exit->SetVisible(false);
    EXPECT_EQ(window->ItemCount(), 4);
    EXPECT_EQ(window->height(), height - exitHeight);
    EXPECT_EQ(window->SelectedIndex(), -1);
    delete open;
    EXPECT_EQ(window->ItemCount(), 3);
    EXPECT_EQ(window->Item(0), saveAs);
}

// On a denser screen the items are composed at its density: the frame and backgrounds
// enlarged block for block, the captions at the full resolution.
TEST_F(PopupTest, ADenserScreenGetsTheWindowComposedAtItsDensity) {
    TPopupMenuWindow* window = Opened();
    const QImage plain = window->Render();
    const QImage twice = window->Render(2);
    ASSERT_EQ(twice.size(), plain.size() * 2);
    bool sharpText = false;
    int frameWrong = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) {
            const QRgb c = twice.pixel(2 * x, 2 * y);
            const bool uniform = twice.pixel(2 * x + 1, 2 * y) == c &&
                                 twice.pixel(2 * x, 2 * y + 1) == c &&
                                 twice.pixel(2 * x + 1, 2 * y + 1) == c;
            sharpText = sharpText || !uniform;
            const bool frame =
                x == 0 || y == 0 || x == plain.width() - 1 || y == plain.height() - 1;
            frameWrong += frame && (!uniform || c != plain.pixel(x, y)) ? 1 : 0;
        }
    EXPECT_TRUE(sharpText);
    EXPECT_EQ(frameWrong, 0);
}

TEST_F(PopupTest, AMenuWithNothingVisibleDoesNotOpen) {
    for (int i = 0; i < menu.Items()->Count(); ++i)
        menu.Items()->Items(i)->SetVisible(false);
    menu.Popup(10, 10);
    EXPECT_EQ(menu.PopupWindow(), nullptr);
    EXPECT_EQ(ActivePopup(), nullptr);
}

TEST_F(PopupTest, AccessibilityToolsSeeEveryItem) {
    saveAs->SetCaption(QStringLiteral("Save && &Quit"));
    saveAs->SetShortCut('S' | scCtrl);
    saveAs->SetChecked(true);
    TPopupMenuWindow* window = Opened();
    Key(Qt::Key_Down);
    QAccessibleInterface* popup = QAccessible::queryAccessibleInterface(window);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->role(), QAccessible::PopupMenu);
    ASSERT_EQ(popup->childCount(), 5);
    const QString names[] = {"Open", "Save & Quit", "", "Print", "Exit"};
    for (int i = 0; i < 5; ++i) {
        QAccessibleInterface* item = popup->child(i);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(QAccessible::Name), names[i]);
        EXPECT_EQ(item->role(), i == 2 ? QAccessible::Separator : QAccessible::MenuItem);
        EXPECT_EQ(item->parent(), popup);
        EXPECT_EQ(popup->indexOfChild(item), i);
    }
    QAccessibleInterface* save = popup->child(1);
    EXPECT_EQ(save->text(QAccessible::Accelerator), QStringLiteral("Ctrl+S"));
    EXPECT_TRUE(save->state().checked);
    EXPECT_TRUE(popup->child(3)->state().disabled);
    EXPECT_FALSE(popup->child(0)->state().disabled);
    EXPECT_EQ(popup->focusChild(), popup->child(0));
    const QPoint exitCentre = window->mapToGlobal(Centre(window, 4));
    EXPECT_EQ(popup->childAt(exitCentre.x(), exitCentre.y()), popup->child(4));
}

TEST_F(PopupTest, AnItemsAccessibleNameIsReadInsteadOfItsCaption) {
    saveAs->SetAccessibleName(QStringLiteral("另存为"));
    QAccessibleInterface* popup = QAccessible::queryAccessibleInterface(Opened());
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->child(1)->text(QAccessible::Name), QStringLiteral("另存为"));
    EXPECT_EQ(popup->child(0)->text(QAccessible::Name), QStringLiteral("Open"));
}

// Owner drawing: each item 150 x 20 from its measure handler, filled by its draw handler.
class OwnerDrawTest : public PopupTest {
protected:
    OwnerDrawTest() {
        menu.SetOwnerDraw(true);
        for (int i = 0; i < menu.Items()->Count(); ++i) {
            TMenuItem* item = menu.Items()->Items(i);
            item->OnMeasureItem = [](TObject*, TCanvas&, int& width, int& height) {
                width = kWidth;
                height = kHeight;
            };
            item->OnDrawItem = [this, i](TObject*, TCanvas& canvas, const TRect& rect,
                                         bool selected) {
                windowRects.push_back(canvas.WindowRect());
                canvas.Brush().SetColor(selected ? clRed : kFills[i]);
                canvas.FillRect(rect);
                canvas.Font().SetColor(clBlack);
                canvas.TextOut(rect.Left + 2, rect.Top + 2, QStringLiteral("x"));
            };
        }
    }
    static constexpr int kWidth = 150;
    static constexpr int kHeight = 20;
    static constexpr TColor kFills[] = {0x102030, 0x405060, 0x708090, 0xA0B0C0, 0xD0E0F0};
    std::vector<TRect> windowRects;
};

TEST_F(OwnerDrawTest, MeasureHandlersSizeTheWindow) {
    TPopupMenuWindow* window = Opened();
    EXPECT_EQ(window->size(), QSize(kWidth, 5 * kHeight));
    EXPECT_EQ(window->ItemRect(3), Rect(0, 3 * kHeight, kWidth, 4 * kHeight));
}

TEST_F(OwnerDrawTest, DrawHandlersPaintEveryItemOnTheWindowsCanvas) {
    TPopupMenuWindow* window = Opened();
    Key(Qt::Key_Down);
    const QImage shown = window->grab().toImage();
    for (int i = 0; i < 5; ++i) {
        const QPoint corner(kWidth - 1, i * kHeight + kHeight - 1);
        EXPECT_EQ(FromQRgb(shown.pixel(corner)), i == 0 ? clRed : kFills[i]) << i;
    }
    ASSERT_FALSE(windowRects.empty());
    for (const TRect& rect : windowRects)
        EXPECT_EQ(rect, Rect(0, 0, kWidth, 5 * kHeight));
}

TEST_F(OwnerDrawTest, WithoutOwnerDrawTheHandlersAreLeftAlone) {
    menu.SetOwnerDraw(false);
    TPopupMenuWindow* window = Opened();
    EXPECT_NE(window->width(), kWidth);
    const QImage shown = window->Render();
    EXPECT_TRUE(windowRects.empty());
    const QPoint inside = Centre(window, 0) + QPoint(window->width() / 2 - 4, 0);
    EXPECT_EQ(FromQRgb(shown.pixel(inside)), clWhite);
    EXPECT_EQ(FromQRgb(shown.pixel(0, 0)), ColorToRGB(clBtnShadow)); // the window's frame
}

TEST(TMainMenuTest, DropDownShowsTheSubItemsOfTopLevelItemsOnly) {
    TMainMenu menu(nullptr);
    TMenuItem* file = AddItem(menu.Items(), QStringLiteral("&File"));
    TMenuItem* quit = AddItem(file, QStringLiteral("&Quit"));
    EXPECT_THROW(menu.DropDown(quit, 0, 0), EMenuError);
    menu.DropDown(file, 20, 30);
    TPopupMenuWindow* window = menu.PopupWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->pos(), QPoint(20, 30));
    ASSERT_EQ(window->ItemCount(), 1);
    EXPECT_EQ(window->Item(0), quit);
    menu.CloseMenu();
}

namespace {

// Windows of this menu keep a band of 2, 3, 4 and 5 pixels round their items and frame it one
// pixel wide; every item's handler greedily fills the whole window in its own colour.
class TBandedMenu : public TPopupMenu {
public:
    using TPopupMenu::TPopupMenu;
    TEdges WindowBorder() const override { return band; }
    void DrawWindowBorder(TCanvas& canvas, const TRect& windowRect) const override {
        framed.push_back(windowRect);
        canvas.Brush().SetColor(kFrame);
        canvas.FrameRect(windowRect);
    }
    static constexpr TColor kFrame = 0x0000C0;
    TEdges band{2, 3, 4, 5};
    mutable std::vector<TRect> framed;
};

class BandedPopupTest : public testing::Test {
protected:
    BandedPopupTest() {
        menu.SetOwnerDraw(true);
        for (const TColor fill : kFills) {
            TMenuItem* item = AddItem(menu.Items(), QStringLiteral("&Item"));
            item->OnMeasureItem = [](TObject*, TCanvas&, int& width, int& height) {
                width = kWidth;
                height = kHeight;
            };
            item->OnDrawItem = [fill](TObject*, TCanvas& canvas, const TRect&, bool) {
                canvas.Brush().SetColor(fill);
                canvas.FillRect(canvas.WindowRect());
            };
        }
    }
    ~BandedPopupTest() override { menu.CloseMenu(); }
    TPopupMenuWindow* Opened() {
        menu.Popup(100, 100);
        return menu.PopupWindow();
    }

    static constexpr int kWidth = 150;
    static constexpr int kHeight = 20;
    static constexpr TColor kFills[] = {0x102030, 0x405060};
    TBandedMenu menu{nullptr};
};

} // namespace

TEST_F(BandedPopupTest, ItemsLieInsideTheBandWhichOnlyTheMenuPaints) {
    TPopupMenuWindow* window = Opened();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->size(), QSize(2 + kWidth + 4, 3 + 2 * kHeight + 5));
    EXPECT_EQ(window->ItemRect(0), Rect(2, 3, 2 + kWidth, 3 + kHeight));
    EXPECT_EQ(window->ItemRect(1), Rect(2, 3 + kHeight, 2 + kWidth, 3 + 2 * kHeight));

    const QImage image = window->Render();
    const TRect whole = Rect(0, 0, window->width(), window->height());
    EXPECT_EQ(menu.framed.back(), whole);
    const TRect items = Inset(whole, menu.band);
    for (int y = 0; y < whole.Bottom; ++y) {
        for (int x = 0; x < whole.Right; ++x) {
            const bool frame = x == 0 || y == 0 || x == whole.Right - 1 || y == whole.Bottom - 1;
            const bool inside =
                x >= items.Left && x < items.Right && y >= items.Top && y < items.Bottom;
            const TColor want = frame ? TBandedMenu::kFrame : inside ? kFills[1] : clWhite;
            ASSERT_EQ(FromQRgb(image.pixel(x, y)), want) << x << "," << y;
        }
    }

    // The band is no item's.
    MoveMouse(window, QPoint(1, 10));
    EXPECT_EQ(window->SelectedIndex(), -1);
    MoveMouse(window, QPoint(2, 3));
    EXPECT_EQ(window->SelectedIndex(), 0);
}

TEST_F(BandedPopupTest, TheBandIsAskedAtEachLayoutAndAnEmptyOneIsNotPainted) {
    menu.band = {};
    TPopupMenuWindow* window = Opened();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->size(), QSize(kWidth, 2 * kHeight));
    EXPECT_EQ(window->ItemRect(0), Rect(0, 0, kWidth, kHeight));
    window->Render();
    EXPECT_TRUE(menu.framed.empty());
}

TEST_F(BandedPopupTest, ASubMenuOpensBesideTheWholeWindow) {
    AddItem(menu.Items()->Items(1), QStringLiteral("&Inner"));
    TPopupMenuWindow* window = Opened();
    Key(Qt::Key_End);
    Key(Qt::Key_Right);
    TPopupMenuWindow* sub = window->SubMenu();
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->pos(), window->pos() + QPoint(window->width(), window->ItemRect(1).Top));
}
