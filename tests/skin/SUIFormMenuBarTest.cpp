// The skinned frame's menu bar, with a skinned main menu read from a form description the way a
// program reads it: the frame first, then the menu with its items.
#include "skin/SUIForm.h"

#include "../framework/core/TestSupport.h"
#include "framework/core/TForm.h"
#include "framework/forms/FormParser.h"
#include "framework/forms/FormReader.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "framework/graphics/TTextLayout.h"
#include "framework/menus/TMenuItem.h"
#include "framework/menus/TPopupMenuWindow.h"
#include "skin/SUIMainMenu.h"
#include "support/MenuTestSupport.h"

#include <QApplication>
#include <QFontMetrics>
#include <gtest/gtest.h>
#include <set>
#include <vector>

using namespace TestSupport;
using namespace MenuTestSupport;

namespace {

const QString kDescription = QStringLiteral("object Form1: TForm\n"
                                            "  Left = 100\n"
                                            "  Top = 100\n"
                                            "  BorderStyle = bsSingle\n"
                                            "  ClientWidth = 400\n"
                                            "  ClientHeight = 300\n"
                                            "  object suiForm1: TsuiForm\n"
                                            "    UIStyle = BlueGlass\n"
                                            "  end\n"
                                            "  object MainMenu1: TsuiMainMenu\n"
                                            "    object File1: TMenuItem\n"
                                            "      Caption = '&File'\n"
                                            "      object Open1: TMenuItem\n"
                                            "        Caption = '&Open'\n"
                                            "        ShortCut = 16463\n"
                                            "      end\n"
                                            "    end\n"
                                            "    object Edit1: TMenuItem\n"
                                            "      Caption = '&Edit'\n"
                                            "      object Undo1: TMenuItem\n"
                                            "        Caption = '&Undo'\n"
                                            "      end\n"
                                            "    end\n"
                                            "    object Help1: TMenuItem\n"
                                            "      Caption = 'He&lp and more'\n"
                                            "      object About1: TMenuItem\n"
                                            "        Caption = '&About'\n"
                                            "      end\n"
                                            "    end\n"
                                            "  end\n"
                                            "end\n");

class SUIFormMenuBarTest : public testing::Test {
protected:
    SUIFormMenuBarTest() {
        FormReader::ReadInto(host.get(), FormParser::Parse(kDescription));
        frame = qobject_cast<TsuiForm*>(host->FindComponent(QStringLiteral("suiForm1")));
        menu = qobject_cast<TsuiMainMenu*>(host->FindComponent(QStringLiteral("MainMenu1")));
    }
    ~SUIFormMenuBarTest() override {
        if (menu)
            menu->CloseMenu();
    }
    TToolButton* Button(int index) const { return frame->MenuBar()->Buttons(index); }
    TMenuItem* Item(int index) const { return menu->Items()->Items(index); }
    QWidget* Bar() const { return frame->MenuBar()->Handle(); }
    QPoint Centre(int index) const { return Button(index)->BoundsRect().ToQRect().center(); }
    QImage Render() const { return Bar()->grab().toImage(); }
    void ShowHost() {
        host->Show();
        QCoreApplication::processEvents();
    }
    TColor Selection(TsuiThemeRole role) const { return GetStyleColor(frame->UIStyle(), role); }

    RecordingApplication app;
    std::unique_ptr<TForm> host = std::make_unique<TForm>(nullptr);
    TsuiForm* frame = nullptr;
    TsuiMainMenu* menu = nullptr;
};

} // namespace

TEST_F(SUIFormMenuBarTest, TheReadMenuFillsABarUnderTheTitleBarWithOneButtonPerItem) {
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(frame->Menu(), menu);
    EXPECT_EQ(menu->FormLink(), frame);
    EXPECT_EQ(host->Menu(), nullptr);
    TToolBar* bar = frame->MenuBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Parent(), frame);
    EXPECT_EQ(bar->Top(), frame->TitleBar()->Height());
    EXPECT_EQ(bar->Height(), 22);
    EXPECT_EQ(bar->Color(), frame->Color());
    EXPECT_TRUE(bar->Flat());

    ASSERT_EQ(bar->ButtonCount(), 3);
    int left = 0;
    for (int i = 0; i < 3; ++i) {
        TToolButton* button = Button(i);
        EXPECT_EQ(button->MenuItem(), Item(i));
        EXPECT_EQ(button->Caption(), Item(i)->Caption());
        EXPECT_TRUE(button->Grouped());
        EXPECT_EQ(button->Owner(), frame);
        EXPECT_EQ(button->Left(), left);
        const QFontMetrics metrics(button->Font()->ToQFont());
        const int text = metrics.horizontalAdvance(ResolvePrefixes(Item(i)->Caption()).Text);
        EXPECT_EQ(button->Width(), text + 14) << i; // a caption margin each side
        left += button->Width();
    }
    // The drop-down items are the skin's.
    EXPECT_TRUE(Item(0)->Items(0)->OnDrawItem);
}

TEST_F(SUIFormMenuBarTest, ItemChangesReachTheirButtonsAtOnce) {
    Item(1)->SetEnabled(false);
    EXPECT_FALSE(Button(1)->Enabled());
    EXPECT_TRUE(Button(0)->Enabled());
    Item(2)->SetCaption(QStringLiteral("&Info"));
    EXPECT_EQ(Button(2)->Caption(), QStringLiteral("&Info"));
    Item(1)->SetEnabled(true);
    EXPECT_TRUE(Button(1)->Enabled());
}

TEST_F(SUIFormMenuBarTest, MenuBarHeightSizesTheBarAndItsButtonsOrIsOnlyStored) {
    frame->SetMenuBarHeight(30);
    EXPECT_EQ(frame->MenuBar()->Height(), 30);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Button(i)->Height(), 30);

    TForm bare(nullptr);
    TsuiForm other(&bare);
    other.SetMenuBarHeight(30);
    EXPECT_EQ(other.MenuBarHeight(), 30);
    EXPECT_EQ(other.MenuBar(), nullptr);
}

TEST_F(SUIFormMenuBarTest, StylesReachTheMenuAndTheBarTakesTheMenusFont) {
    frame->SetUIStyle(TsuiUIStyle::MacOS);
    EXPECT_EQ(menu->UIStyle(), TsuiUIStyle::MacOS);
    EXPECT_EQ(menu->MenuItemHeight(), 20);
    EXPECT_EQ(frame->MenuBar()->Color(), frame->Color());

    menu->SetFontName(QStringLiteral("Tahoma"));
    menu->SetFontSize(12);
    menu->SetUseSystemFont(false);
    EXPECT_EQ(frame->MenuBar()->Font()->Name(), QStringLiteral("Tahoma"));
    EXPECT_EQ(frame->MenuBar()->Font()->Size(), 12);
}

TEST_F(SUIFormMenuBarTest, AClickedButtonDropsItsSkinnedSubMenuUnderIt) {
    ShowHost();
    ClickAt(Bar(), Centre(1));
    TPopupMenuWindow* window = menu->PopupWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Root(), Item(1));
    const TPoint under = Button(1)->ClientToScreen({0, Button(1)->Height()});
    EXPECT_EQ(window->pos(), QPoint(under.X, under.Y));
    EXPECT_EQ(window->ItemRect(0).Height(), 21); // measured by the skin
}

// BlueGlass: hot buttons are boxes in the selection colours; a pressed one's box stops two
// pixels short on the right, and the bar's own colour shows there.
TEST_F(SUIFormMenuBarTest, HotAndPressedButtonsInTheSelectionColours) {
    ShowHost();
    const TColor border = Selection(SUI_THEME_MENU_SELECTED_BORDER_COLOR);
    const TColor fill = Selection(SUI_THEME_MENU_SELECTED_BACKGROUND_COLOR);
    const TColor text = Selection(SUI_THEME_MENU_SELECTED_FONT_COLOR);
    const TRect r = Button(1)->BoundsRect();
    const int middle = r.Top + r.Height() / 2;

    EXPECT_EQ(PixelAt(Render(), r.Left + 1, r.Top + 1), ColorToRGB(frame->Color()));
    MoveMouse(Bar(), Centre(1));
    QImage hot = Render();
    EXPECT_EQ(PixelAt(hot, r.Left, middle), border);
    EXPECT_EQ(PixelAt(hot, r.Right - 1, middle), border);
    EXPECT_EQ(PixelAt(hot, r.Left + 1, r.Top + 1), fill);
    EXPECT_TRUE(ColoursIn(hot, Inset(r, 1)).count(text));

    Press(Bar(), Centre(1));
    QImage pressed = Render();
    EXPECT_EQ(PixelAt(pressed, r.Right - 3, middle), border);
    EXPECT_EQ(PixelAt(pressed, r.Right - 2, middle), ColorToRGB(frame->Color()));
    EXPECT_EQ(PixelAt(pressed, r.Right - 1, middle), ColorToRGB(frame->Color()));
    EXPECT_EQ(PixelAt(pressed, r.Left, middle), border);
    EXPECT_TRUE(ColoursIn(pressed, Inset(r, 1)).count(text));
    // The caption sits below the middle: its top rows stay clear of text.
    EXPECT_EQ(ColoursIn(pressed, Rect(r.Left + 1, r.Top + 1, r.Right - 3, r.Top + 4)),
              std::set<TColor>{fill});
    Release(Bar(), {r.Right + 200, middle});
}

TEST_F(SUIFormMenuBarTest, MacOSShowsItsBarAndSelectionPictures) {
    frame->SetUIStyle(TsuiUIStyle::MacOS);
    ShowHost();
    TToolBar* bar = frame->MenuBar();
    const TRect r = Button(0)->BoundsRect();
    TBitmap barPicture;
    barPicture.SetSize(bar->ClientWidth(), bar->ClientHeight());
    TBitmap source;
    source.LoadFromResourceName(QStringLiteral("MACOS_MENU_BAR"));
    barPicture.Canvas().StretchDraw(bar->ClientRect(), source);
    const int farRight = bar->ClientWidth() - 2;
    EXPECT_EQ(PixelAt(Render(), farRight, 5), barPicture.Pixels(farRight, 5));

    MoveMouse(Bar(), Centre(0));
    const QImage hot = Render();
    TBitmap selection;
    selection.SetSize(r.Width(), r.Height());
    source.LoadFromResourceName(QStringLiteral("MACOS_MENU_SELECT"));
    selection.Canvas().StretchDraw(Rect(0, 0, r.Width(), r.Height()), source);
    for (int y = 0; y < r.Height(); ++y)
        EXPECT_EQ(PixelAt(hot, r.Left, r.Top + y), selection.Pixels(0, y)) << y;
    EXPECT_TRUE(ColoursIn(hot, r).count(Selection(SUI_THEME_MENU_SELECTED_FONT_COLOR)));
}

TEST_F(SUIFormMenuBarTest, AMenuLeavingTheFrameTakesTheBarAlongAndNothingPointsBack) {
    auto* plain = new TMainMenu(host.get());
    frame->SetMenu(plain);
    EXPECT_EQ(menu->FormLink(), nullptr);
    ASSERT_NE(frame->MenuBar(), nullptr);
    EXPECT_EQ(frame->MenuBar()->ButtonCount(), 0);
    delete plain;
    EXPECT_EQ(frame->Menu(), nullptr);
    EXPECT_EQ(frame->MenuBar(), nullptr);

    frame->SetMenu(menu);
    frame->ReleaseMenu();
    EXPECT_EQ(frame->Menu(), nullptr);
    EXPECT_EQ(menu->FormLink(), nullptr); // no link to a frame that no longer shows it

    frame->SetMenu(menu);
    delete frame;
    EXPECT_EQ(menu->FormLink(), nullptr);
    // A change after the frame's going is the menu's own and reaches no frame.
    std::vector<TMenuItem*> changed;
    menu->OnChange = [&changed](TObject*, TMenuItem* source) { changed.push_back(source); };
    Item(0)->SetEnabled(false);
    menu->OnChange = nullptr;
    EXPECT_EQ(changed, std::vector<TMenuItem*>{Item(0)});
    EXPECT_EQ(menu->FormLink(), nullptr);
    // The frame that shows the menu next shows the item as it is now.
    auto* next = new TsuiForm(host.get());
    next->SetParent(host.get());
    next->SetMenu(menu);
    ASSERT_NE(next->MenuBar(), nullptr);
    EXPECT_FALSE(next->MenuBar()->Buttons(0)->Enabled());
    EXPECT_TRUE(next->MenuBar()->Buttons(1)->Enabled());
}

TEST(SUIFormMenuBarDesignTest, APlainMainMenuDroppedWhileDesigningEarnsAdvice) {
    RecordingApplication app;
    TForm host(nullptr);
    host.SetName(QStringLiteral("Form1"));
    auto* frame = new TsuiForm(&host);
    frame->SetName(QStringLiteral("suiForm1"));
    frame->SetParent(&host);
    host.SetDesigning(true);
    new TsuiMainMenu(&host);
    QCoreApplication::processEvents();
    EXPECT_TRUE(app.boxes.empty());
    new TMainMenu(&host);
    delete new TMainMenu(&host); // gone before it could be looked at
    QCoreApplication::processEvents();
    ASSERT_EQ(app.boxes.size(), 1u);
    EXPECT_EQ(app.boxes[0].kind, TMessageBoxKind::Notice);
    EXPECT_EQ(app.boxes[0].text,
              QStringLiteral("Strongly recommend you to use \"TsuiMainMenu\" instead of "
                             "\"TMainMenu\".\r\n\r\nIf you still want to use TMainForm, \r\n\r\n"
                             "set Form1's MENU property to NIL please.\r\n\r\nAnd set suiForm1's "
                             "MENU property to this Menu when you finished designing the menu."));
}
