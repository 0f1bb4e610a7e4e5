// A form as the skin layer builds them, read from its description: frameless, with a menu bar
// (a flat tool bar whose buttons drop a main menu's items down), a context menu opened at a
// screen point, and a timer, all used together through the toolkit's own input path.
#include "framework/controls/TToolBar.h"
#include "framework/core/TManualTimerClock.h"
#include "framework/core/TTimer.h"
#include "framework/core/WindowTestSupport.h"
#include "framework/forms/FormParser.h"
#include "framework/forms/FormReader.h"
#include "framework/menus/TMainMenu.h"
#include "framework/menus/TPopupMenu.h"
#include "framework/menus/TPopupMenuWindow.h"

#include <QApplication>
#include <gtest/gtest.h>

using namespace TestSupport;
using namespace WindowTestSupport;

namespace {

const char* const kDescription = R"(object Example: TExampleForm
  Left = 120
  Top = 80
  Width = 320
  Height = 200
  BorderStyle = bsNone
  object MainMenu1: TMainMenu
    object File1: TMenuItem
      Caption = '&File'
      object Exit1: TMenuItem
        Caption = 'E&xit'
        OnClick = ItemClick
      end
    end
    object Help1: TMenuItem
      Caption = '&Help'
      object About1: TMenuItem
        Caption = '&About'
        OnClick = ItemClick
      end
    end
  end
  object PopupMenu1: TPopupMenu
    object Copy1: TMenuItem
      Caption = '&Copy'
      OnClick = ItemClick
    end
  end
  object Timer1: TTimer
    Interval = 500
    OnTimer = Timer1Timer
  end
  object MenuBar: TToolBar
    Flat = True
    ShowCaptions = True
    EdgeBorders = []
    Height = 22
    OnCustomDrawButton = MenuBarDrawButton
    object FileButton: TToolButton
      Grouped = True
      AutoSize = True
      MenuItem = File1
    end
    object HelpButton: TToolButton
      Grouped = True
      AutoSize = True
      MenuItem = Help1
    end
  end
end
)";

constexpr TPoint kContextPoint{20, 60}; // in the form's client area

class TExampleForm : public TForm {
    Q_OBJECT
public:
    using TForm::TForm;
    QStringList events;
    TCustomDrawState fileDrawn;

    template <class T> T* Find(const char* name) {
        return qobject_cast<T*>(FindComponent(QLatin1String(name)));
    }

public slots:
    // The first tick opens the context menu; the timer then stops.
    void Timer1Timer(TObject*) {
        const TPoint at = ClientToScreen(kContextPoint);
        Find<TPopupMenu>("PopupMenu1")->Popup(at.X, at.Y);
        Find<TTimer>("Timer1")->SetEnabled(false);
    }
    void ItemClick(TObject* Sender) { events << static_cast<TComponent*>(Sender)->Name(); }
    void MenuBarDrawButton(TObject*, TToolButton* Button, TCustomDrawState State, bool&) {
        if (Button->Name() == QLatin1String("FileButton"))
            fileDrawn = State;
    }
};

QPoint ScreenCentre(const TToolButton* button) {
    const TPoint at = button->ClientToScreen({button->Width() / 2, button->Height() / 2});
    return {at.X, at.Y};
}

} // namespace

TEST(ExampleFormTest, MenuBarContextMenuAndTimerWorkTogetherOnAFramelessForm) {
    RecordingApplication app;
    TManualTimerClock clock;
    TExampleForm form(nullptr);
    FormReader::ReadInto(&form, FormParser::Parse(QString::fromUtf8(kDescription)));
    form.Show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(form.Handle()->windowFlags().testFlag(Qt::FramelessWindowHint));

    auto* bar = form.Find<TToolBar>("MenuBar");
    auto* mainMenu = form.Find<TMainMenu>("MainMenu1");
    auto* popup = form.Find<TPopupMenu>("PopupMenu1");
    ASSERT_EQ(bar->ButtonCount(), 2);
    EXPECT_EQ(bar->BoundsRect(), Bounds(0, 0, form.ClientWidth(), 22));
    EXPECT_EQ(bar->Buttons(1)->Caption(), QStringLiteral("&Help"));
    EXPECT_EQ(bar->Buttons(1)->Left(), bar->Buttons(0)->Width());

    clock.Advance(499);
    EXPECT_EQ(popup->PopupWindow(), nullptr);
    clock.Advance(1);
    ASSERT_NE(popup->PopupWindow(), nullptr);
    const TPoint at = form.ClientToScreen(kContextPoint);
    EXPECT_EQ(popup->PopupWindow()->pos(), QPoint(at.X, at.Y));
    TypeKey(QApplication::activePopupWidget(), Qt::Key_C, QStringLiteral("c"));
    EXPECT_EQ(popup->PopupWindow(), nullptr);

    TToolButton* fileButton = bar->Buttons(0);
    PointerTo(form, ScreenCentre(fileButton));
    PressAt(form, ScreenCentre(fileButton));
    ReleaseAt(form, ScreenCentre(fileButton));
    TPopupMenuWindow* dropDown = mainMenu->PopupWindow();
    ASSERT_NE(dropDown, nullptr);
    EXPECT_EQ(dropDown->Root()->Name(), QStringLiteral("File1"));
    const TPoint under = fileButton->ClientToScreen({0, fileButton->Height()});
    EXPECT_EQ(dropDown->pos(), QPoint(under.X, under.Y));
    bar->Handle()->grab();
    EXPECT_TRUE(form.fileDrawn.testFlag(TCustomDrawStateFlag::cdsSelected));

    TypeKey(QApplication::activePopupWidget(), Qt::Key_X, QStringLiteral("x"));
    EXPECT_EQ(mainMenu->PopupWindow(), nullptr);
    EXPECT_FALSE(fileButton->Dropped());
    clock.Advance(5000); // stopped after its first tick
    EXPECT_EQ(popup->PopupWindow(), nullptr);
    EXPECT_EQ(form.events, (QStringList{"Copy1", "Exit1"}));
}

#include "ExampleFormTest.moc"
