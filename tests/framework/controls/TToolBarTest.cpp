#include "framework/controls/TToolBar.h"
#include "framework/core/Exception.h"
#include "framework/core/TActionList.h"
#include "framework/core/WindowTestSupport.h"
#include "framework/forms/FormParser.h"
#include "framework/forms/FormReader.h"
#include "framework/graphics/Colors.h"
#include "framework/graphics/TCanvas.h"
#include "framework/menus/TMainMenu.h"
#include "framework/menus/TPopupMenu.h"
#include "framework/menus/TPopupMenuWindow.h"
#include "support/ImageCompare.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <gtest/gtest.h>
#include <map>

using namespace TestSupport;
using namespace WindowTestSupport;

namespace {

constexpr auto kHot = TCustomDrawStateFlag::cdsHot;
constexpr auto kSelected = TCustomDrawStateFlag::cdsSelected;

TMenuItem* AddItem(TMenuItem* parent, const QString& caption) {
    auto* item = new TMenuItem(nullptr);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}

QPoint Centre(const TToolButton* button) {
    return button->BoundsRect().ToQRect().center();
}

// A frameless form with a flat menu bar: "&File" (Open, Save), "&Edit" (Undo) and "&Help"
// (nothing under it), one grouped, self-sizing button per item, added the way a menu bar is
// built: from the last item to the first, each new button in front.
class ToolBarTest : public testing::Test {
protected:
    ToolBarTest() {
        bar = new TToolBar(form.get());
        bar->SetParent(form.get());
        bar->SetFlat(true);
        bar->SetShowCaptions(true);
        bar->SetEdgeBorders({});
        file = AddItem(menu.Items(), QStringLiteral("&File"));
        AddItem(file, QStringLiteral("Open"));
        AddItem(file, QStringLiteral("Save"));
        edit = AddItem(menu.Items(), QStringLiteral("&Edit"));
        AddItem(edit, QStringLiteral("Undo"));
        help = AddItem(menu.Items(), QStringLiteral("&Help"));
        help->OnClick = [this](TObject*) { events << QStringLiteral("help item"); };
        for (int i = menu.Items()->Count() - 1; i >= 0; --i)
            AddButton(menu.Items()->Items(i));
        bar->OnCustomDrawButton = [this](TObject*, TToolButton* button, TCustomDrawState state,
                                         bool&) { drawn[button] = state; };
    }
    ~ToolBarTest() override { menu.CloseMenu(); }

    TToolButton* AddButton(TMenuItem* item) {
        auto* button = new TToolButton(form.get());
        button->SetParent(bar);
        button->SetGrouped(true);
        button->SetMenuItem(item);
        button->SetAutoSize(true);
        return button;
    }

    TToolButton* Button(int index) const { return bar->Buttons(index); }
    QWidget* Window() const { return bar->Handle(); }
    QImage Render() const { return Window()->grab().toImage(); }
    // The state each button was last painted in.
    TCustomDrawState DrawnState(TToolButton* button) {
        drawn.clear();
        Render();
        return drawn.at(button);
    }
    void ClickButton(const TToolButton* button) { ClickAt(Window(), Centre(button)); }

    RecordingApplication app;
    std::unique_ptr<TForm> form = ShowFramelessForm(Bounds(100, 100, 400, 300));
    TToolBar* bar;
    TMainMenu menu{nullptr};
    TMenuItem* file;
    TMenuItem* edit;
    TMenuItem* help;
    QStringList events;
    std::map<TToolButton*, TCustomDrawState> drawn;
};

} // namespace

TEST_F(ToolBarTest, ButtonsStandInTheItemsOrderEachAsWideAsItsCaption) {
    ASSERT_EQ(bar->ButtonCount(), 3);
    const QFontMetrics metrics(bar->Font()->ToQFont());
    int left = 0;
    for (int i = 0; i < 3; ++i) {
        TToolButton* button = Button(i);
        EXPECT_EQ(button->MenuItem(), menu.Items()->Items(i));
        EXPECT_EQ(button->Caption(), menu.Items()->Items(i)->Caption());
        EXPECT_EQ(button->Index(), i);
        const int textWidth =
            metrics.horizontalAdvance(menu.Items()->Items(i)->Caption().remove(u'&'));
        EXPECT_EQ(button->BoundsRect(), Bounds(left, 0, textWidth + 14, 22));
        left += button->Width();
    }
    EXPECT_EQ(bar->BoundsRect(), Bounds(0, 0, form->ClientWidth(), 29));
}

TEST_F(ToolBarTest, LayoutFollowsCaptionsVisibilitySizesAndEdges) {
    const int editLeft = Button(1)->Left();
    Button(0)->SetCaption(QStringLiteral("A much longer caption"));
    EXPECT_GT(Button(1)->Left(), editLeft);
    Button(0)->Hide();
    EXPECT_EQ(Button(1)->Left(), 0);
    // A button's own height is the whole bar's; a plain button's width is ButtonWidth.
    Button(2)->SetHeight(30);
    EXPECT_EQ(bar->ButtonHeight(), 30);
    EXPECT_EQ(Button(1)->Height(), 30);
    Button(2)->SetAutoSize(false);
    Button(2)->SetWidth(40);
    EXPECT_EQ(bar->ButtonWidth(), 40);
    EXPECT_EQ(Button(2)->Width(), 40);
    bar->SetShowCaptions(false);
    EXPECT_EQ(Button(1)->Width(), 40);
    bar->SetEdgeBorders(TToolBar::ebLeft | TToolBar::ebTop);
    bar->SetAutoSize(true);
    EXPECT_EQ(Button(1)->BoundsRect(), Bounds(2, 2, 40, 30));
    EXPECT_EQ(bar->Height(), 32);
    EXPECT_THROW(bar->SetButtonHeight(0), EComponentError);
    EXPECT_EQ(bar->ButtonHeight(), 30);
}

TEST_F(ToolBarTest, ANewButtonTakesThePlaceItsLeftPointsAtAndALeavingOneFreesIt) {
    auto* last = new TToolButton(form.get());
    last->SetLeft(1000);
    last->SetParent(bar);
    EXPECT_EQ(last->Index(), 3);
    auto* first = new TToolButton(form.get());
    first->SetParent(bar);
    EXPECT_EQ(first->Index(), 0);
    EXPECT_EQ(Button(1)->Left(), first->Width());
    delete first;
    EXPECT_EQ(bar->ButtonCount(), 4);
    EXPECT_EQ(Button(0)->Left(), 0);
    last->SetParent(nullptr);
    EXPECT_EQ(last->Index(), -1);
    EXPECT_EQ(bar->ButtonCount(), 3);
    delete last;
}

TEST_F(ToolBarTest, HandlersSeeHotOnHoverAndSelectedOnlyWhilePressedOverTheButton) {
    TToolButton* editButton = Button(1);
    EXPECT_EQ(DrawnState(editButton), TCustomDrawState());
    MoveMouse(Window(), Centre(editButton));
    EXPECT_EQ(DrawnState(editButton), TCustomDrawState(kHot));
    EXPECT_EQ(DrawnState(Button(0)), TCustomDrawState());
    Press(Window(), Centre(editButton));
    EXPECT_EQ(DrawnState(editButton), kHot | kSelected);
    SendMouse(Window(), QEvent::MouseMove, Qt::NoButton, {300, 10});
    EXPECT_FALSE(DrawnState(editButton).testFlag(kSelected));
    Release(Window(), {300, 10});
    EXPECT_EQ(menu.PopupWindow(), nullptr); // released away from it: no click
    MoveMouse(Window(), {300, 10});
    EXPECT_EQ(DrawnState(editButton), TCustomDrawState());
    editButton->SetEnabled(false);
    editButton->SetDown(true);
    EXPECT_EQ(DrawnState(editButton),
              TCustomDrawStateFlag::cdsDisabled | TCustomDrawStateFlag::cdsChecked);
}

TEST_F(ToolBarTest, DownReleasesTheOtherButtonsOfItsGroupOnly) {
    auto* loner = new TToolButton(form.get());
    loner->SetLeft(1000);
    loner->SetParent(bar);
    loner->SetDown(true);
    Button(0)->SetDown(true);
    Button(2)->SetDown(true);
    EXPECT_FALSE(Button(0)->Down());
    EXPECT_TRUE(Button(2)->Down());
    EXPECT_TRUE(loner->Down());
}

TEST_F(ToolBarTest, DefaultDrawingFollowsOnlyWhereHandlersLeaveItOn) {
    bar->SetEdgeBorders(TToolBar::ebTop);
    bool barDefault = true;
    bool buttonDefault = true;
    bar->OnCustomDraw = [&](TObject*, const TRect& rect, bool& defaultDraw) {
        bar->Canvas().Brush().SetColor(clRed);
        bar->Canvas().FillRect(rect);
        defaultDraw = barDefault;
    };
    bar->OnCustomDrawButton = [&](TObject*, TToolButton* button, TCustomDrawState,
                                  bool& defaultDraw) {
        bar->Canvas().Brush().SetColor(clLime);
        bar->Canvas().FillRect(button->BoundsRect());
        defaultDraw = buttonDefault;
    };
    MoveMouse(Window(), Centre(Button(0)));
    const TRect hot = Button(0)->BoundsRect();
    QImage image = Render();
    EXPECT_EQ(PixelAt(image, hot.Left, hot.Top), ColorToRGB(clBtnHighlight)); // raised frame
    EXPECT_EQ(PixelAt(image, hot.Right - 1, hot.Bottom - 1), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelAt(image, hot.Left + 1, hot.Top + 1), clLime);
    EXPECT_EQ(PixelAt(image, 300, 0), ColorToRGB(clBtnShadow)); // the etched top edge
    EXPECT_EQ(PixelAt(image, 300, 27), clRed);
    barDefault = buttonDefault = false;
    image = Render();
    EXPECT_EQ(PixelAt(image, hot.Left, hot.Top), clLime);
    EXPECT_EQ(PixelAt(image, hot.Right - 1, hot.Bottom - 1), clLime);
    EXPECT_EQ(PixelAt(image, 300, 0), clRed);
}

TEST_F(ToolBarTest, PressedButtonsAreSunkenAndCaptionsGreyWhenDisabled) {
    bar->OnCustomDrawButton = nullptr;
    Button(0)->SetDown(true);
    Button(1)->SetEnabled(false);
    const QImage image = Render();
    const TRect down = Button(0)->BoundsRect();
    EXPECT_EQ(PixelAt(image, down.Left, down.Top), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelAt(image, down.Right - 1, down.Bottom - 1), ColorToRGB(clBtnHighlight));
    const TRect plain = Button(2)->BoundsRect(); // flat and not hot: no frame
    EXPECT_EQ(PixelAt(image, plain.Left, plain.Top), ColorToRGB(bar->Color()));
    const TRect disabled = Button(1)->BoundsRect();
    bool grey = false;
    for (int y = disabled.Top; y < disabled.Bottom; ++y)
        for (int x = disabled.Left; x < disabled.Right; ++x)
            grey = grey || PixelAt(image, x, y) == ColorToRGB(clGrayText);
    EXPECT_TRUE(grey);
}

TEST_F(ToolBarTest, AClickDropsTheItemsSubMenuDownUnderTheButtonWhichStaysSelected) {
    TToolButton* fileButton = Button(0);
    fileButton->OnClick = [this](TObject*) {
        events << QStringLiteral("button click, menu open: %1").arg(menu.PopupWindow() != nullptr);
    };
    ClickButton(fileButton);
    TPopupMenuWindow* window = menu.PopupWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(QApplication::activePopupWidget(), window);
    EXPECT_EQ(window->Root(), file);
    const TPoint bottomLeft = fileButton->ClientToScreen({0, fileButton->Height()});
    EXPECT_EQ(window->pos(), QPoint(bottomLeft.X, bottomLeft.Y));
    EXPECT_EQ(bottomLeft.Y, form->ClientOrigin().Y + 22);
    EXPECT_EQ(events, QStringList{"button click, menu open: 0"});
    EXPECT_EQ(bar->DroppedButton(), fileButton);
    EXPECT_TRUE(DrawnState(fileButton).testFlag(kSelected));
    menu.CloseMenu();
    EXPECT_EQ(bar->DroppedButton(), nullptr);
    EXPECT_FALSE(DrawnState(fileButton).testFlag(kSelected));
}

TEST_F(ToolBarTest, AnItemWithoutSubMenuIsCarriedOutInstead) {
    ClickButton(Button(2));
    EXPECT_EQ(events, QStringList{"help item"});
    EXPECT_EQ(menu.PopupWindow(), nullptr);
}

TEST_F(ToolBarTest, ThePointerMovingOntoAnotherGroupedButtonSwitchesMenus) {
    ClickButton(Button(0));
    TPopupMenuWindow* window = menu.PopupWindow();
    ASSERT_NE(window, nullptr);
    const auto moveTo = [&](const TToolButton* button) {
        const QPoint screen = Window()->mapToGlobal(Centre(button));
        MoveMouse(menu.PopupWindow(), menu.PopupWindow()->mapFromGlobal(screen));
        QCoreApplication::processEvents();
    };
    moveTo(Button(2)); // Help drops nothing down
    EXPECT_EQ(menu.PopupWindow()->Root(), file);
    moveTo(Button(1));
    ASSERT_NE(menu.PopupWindow(), nullptr);
    EXPECT_EQ(menu.PopupWindow()->Root(), edit);
    EXPECT_EQ(bar->DroppedButton(), Button(1));
    EXPECT_FALSE(Button(0)->Dropped());
    const TPoint bottomLeft = Button(1)->ClientToScreen({0, Button(1)->Height()});
    EXPECT_EQ(menu.PopupWindow()->pos(), QPoint(bottomLeft.X, bottomLeft.Y));
    Button(0)->SetGrouped(false);
    moveTo(Button(0));
    EXPECT_EQ(menu.PopupWindow()->Root(), edit);
}

TEST_F(ToolBarTest, RemovingTheDroppedButtonClosesItsMenu) {
    ClickButton(Button(0));
    ASSERT_NE(menu.PopupWindow(), nullptr);
    delete Button(0);
    EXPECT_EQ(menu.PopupWindow(), nullptr);
    EXPECT_EQ(bar->DroppedButton(), nullptr);
}

TEST_F(ToolBarTest, AnItemOfAPopupMenuCannotDropDownAndSaysWhy) {
    TPopupMenu popup(nullptr);
    TMenuItem* tools = AddItem(popup.Items(), QStringLiteral("&Tools"));
    AddItem(tools, QStringLiteral("Options"));
    TToolButton* button = AddButton(tools);
    button->SetName(QStringLiteral("ToolsButton"));
    ClickButton(button);
    EXPECT_EQ(popup.PopupWindow(), nullptr);
    ASSERT_EQ(app.boxes.size(), 1u);
    EXPECT_EQ(app.boxes[0].text,
              QStringLiteral("ToolsButton cannot drop down &Tools: it is no item of a main menu"));
}

TEST_F(ToolBarTest, AccessibilityToolsSeeEachButtonByCaptionAndRole) {
    auto* plain = new TToolButton(form.get());
    plain->SetLeft(1000);
    plain->SetCaption(QStringLiteral("Save && &close"));
    plain->SetParent(bar);
    Button(2)->SetEnabled(false);
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(Window());
    ASSERT_NE(access, nullptr);
    EXPECT_EQ(access->role(), QAccessible::ToolBar);
    ASSERT_EQ(access->childCount(), 4);
    const QStringList names{"File", "Edit", "Help", "Save & close"};
    for (int i = 0; i < 4; ++i) {
        QAccessibleInterface* button = access->child(i);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(QAccessible::Name), names[i]);
        EXPECT_EQ(button->role(), i < 3 ? QAccessible::ButtonMenu : QAccessible::PushButton);
        EXPECT_EQ(button->parent(), access);
        EXPECT_EQ(access->indexOfChild(button), i);
    }
    EXPECT_TRUE(access->child(2)->state().disabled);
    EXPECT_TRUE(access->child(2)->actionInterface()->actionNames().isEmpty());
    const QPoint screen = Window()->mapToGlobal(Centre(Button(1)));
    EXPECT_EQ(access->childAt(screen.x(), screen.y()), access->child(1));
    access->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_NE(menu.PopupWindow(), nullptr);
    EXPECT_EQ(menu.PopupWindow()->Root(), edit);
    EXPECT_TRUE(access->child(1)->state().pressed);
}

namespace {

class TBarForm : public TForm {
    Q_OBJECT
public:
    using TForm::TForm;
    QStringList drawn;

public slots:
    void BarDrawButton(TObject*, TToolButton* Button, TCustomDrawState, bool& DefaultDraw) {
        drawn << Button->Name();
        DefaultDraw = true;
    }
};

} // namespace

TEST(ToolBarReadingTest, ButtonsStoredInsideABarStandOnItInStoredOrder) {
    RecordingApplication app;
    TBarForm form(nullptr);
    FormReader::ReadInto(&form, FormParser::Parse(QStringLiteral("object Main: TBarForm\n"
                                                                 "  Width = 300\n"
                                                                 "  Height = 100\n"
                                                                 "  object Pictures: TImageList\n"
                                                                 "  end\n"
                                                                 "  object Actions: TActionList\n"
                                                                 "    Images = Pictures\n"
                                                                 "  end\n"
                                                                 "  object Menu: TMainMenu\n"
                                                                 "    object View: TMenuItem\n"
                                                                 "      Caption = '&View'\n"
                                                                 "    end\n"
                                                                 "  end\n"
                                                                 "  object Bar: TToolBar\n"
                                                                 "    Flat = True\n"
                                                                 "    ShowCaptions = True\n"
                                                                 "    ButtonHeight = 24\n"
                                                                 "    EdgeBorders = [ebBottom]\n"
                                                                 "    Images = Pictures\n"
                                                                 "    OnCustomDrawButton = "
                                                                 "BarDrawButton\n"
                                                                 "    object First: TToolButton\n"
                                                                 "      Left = 50\n"
                                                                 "      MenuItem = View\n"
                                                                 "    end\n"
                                                                 "    object Second: TToolButton\n"
                                                                 "      Caption = 'Two'\n"
                                                                 "      ImageIndex = 0\n"
                                                                 "      Grouped = True\n"
                                                                 "    end\n"
                                                                 "  end\n"
                                                                 "end\n")));
    auto* bar = qobject_cast<TToolBar*>(form.FindComponent(QStringLiteral("Bar")));
    auto* images = qobject_cast<TImageList*>(form.FindComponent(QStringLiteral("Pictures")));
    auto* actions = qobject_cast<TActionList*>(form.FindComponent(QStringLiteral("Actions")));
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->Flat());
    EXPECT_EQ(bar->EdgeBorders(), TToolBar::TEdgeBorders(TToolBar::ebBottom));
    EXPECT_EQ(bar->Images(), images);
    ASSERT_EQ(bar->ButtonCount(), 2);
    EXPECT_EQ(bar->Buttons(0)->Name(), QStringLiteral("First"));
    EXPECT_EQ(bar->Buttons(0)->Caption(), QStringLiteral("&View"));
    EXPECT_EQ(bar->Buttons(0)->BoundsRect(), Bounds(0, 0, 23, 24));
    EXPECT_TRUE(bar->Buttons(1)->Grouped());
    EXPECT_EQ(bar->Buttons(1)->Left(), 23);
    form.Show();
    bar->Handle()->grab();
    EXPECT_EQ(form.drawn, (QStringList{"First", "Second"}));
    EXPECT_EQ(actions->Images(), images);
    delete images;
    EXPECT_EQ(bar->Images(), nullptr);
    EXPECT_EQ(actions->Images(), nullptr);
}

#include "TToolBarTest.moc"
