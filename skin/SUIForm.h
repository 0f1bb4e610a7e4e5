// The skinned form frame: the panel that takes its host form over. It makes the host frameless,
// hooks the host's window procedure and the application's message filter, lays itself out
// inside a drawn border, carries the skinned title bar along its top edge and paints its
// background in the style's look. Every other control of the window sits on it.
#pragma once

#include "framework/controls/TCustomPanel.h"
#include "framework/controls/TToolBar.h"
#include "framework/menus/TMainMenu.h"
#include "framework/menus/TPopupMenu.h"
#include "skin/SUIMgr.h"
#include "skin/SUITitleBar.h"

#include <memory>
#include <vector>

class TCustomForm;
class TsuiMainMenu;
struct TMsg;

// Published in the order a stored frame lists its values. BiDiMode is only passed on to the
// controls that follow it: the frame's own drawing is the same in every direction.
class TsuiForm : public TCustomPanel, public TsuiTitleBarHost {
    Q_OBJECT
    Q_PROPERTY(bool TitleBarCustom READ TitleBarCustom WRITE SetTitleBarCustom)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(SUIThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(bool UIStyleAutoUpdateSub READ UIStyleAutoUpdateSub WRITE SetUIStyleAutoUpdateSub)
    Q_PROPERTY(int BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(bool TitleBarVisible READ TitleBarVisible WRITE SetTitleBarVisible)
    Q_PROPERTY(Framework::TBiDiMode BiDiMode READ BiDiMode WRITE SetBiDiMode)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(TCustomPanel* FormPanel READ FormPanel WRITE SetFormPanel)
    Q_PROPERTY(TsuiTitleBarButtons* TitleBarButtons READ TitleBarButtons WRITE SetTitleBarButtons)
    Q_PROPERTY(
        TsuiTitleBarSections* TitleBarSections READ TitleBarSections WRITE SetTitleBarSections)
    Q_PROPERTY(bool TitleBarDrawAppIcon READ TitleBarDrawAppIcon WRITE SetTitleBarDrawAppIcon)
    Q_PROPERTY(TFont* Font READ Font WRITE SetFont)
    Q_PROPERTY(TMainMenu* Menu READ Menu WRITE SetMenu)
    Q_PROPERTY(int MenuBarColor READ MenuBarColor WRITE SetMenuBarColor)
    Q_PROPERTY(int MenuBarHeight READ MenuBarHeight WRITE SetMenuBarHeight)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int RoundCorner READ RoundCorner WRITE SetRoundCorner)
    Q_PROPERTY(TPopupMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu)
    Q_PROPERTY(QString Version READ Version WRITE SetVersion)
public:
    // The owner is the host form; anything else is refused. So is a second frame on one form.
    explicit TsuiForm(TComponent* AOwner);
    ~TsuiForm() override;

    bool TitleBarCustom() const { return titleBar_->Custom(); }
    void SetTitleBarCustom(bool custom) { titleBar_->SetCustom(custom); }
    TsuiFileTheme* FileTheme() const { return fileTheme_; }
    // Applies the style again when the theme changes.
    void SetFileTheme(TsuiFileTheme* theme);
    TsuiUIStyle UIStyle() const { return uiStyle_; }
    // Border, colours, title bar and, when asked to, the direct children take the style.
    void SetUIStyle(TsuiUIStyle style);
    bool UIStyleAutoUpdateSub() const { return uiStyleAutoUpdateSub_; }
    void SetUIStyleAutoUpdateSub(bool update) { uiStyleAutoUpdateSub_ = update; }
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor color);
    int BorderWidth() const { return borderWidth_; }
    // The host grows or shrinks with the border so that the frame keeps its width.
    void SetBorderWidth(int width);
    bool TitleBarVisible() const { return titleBar_->Visible(); }
    void SetTitleBarVisible(bool visible);
    // The title bar's caption; assigning also captions the host.
    QString Caption() const { return titleBar_->Caption(); }
    void SetCaption(const QString& caption);
    // Not owned; fills the frame. Dropped when it goes.
    TCustomPanel* FormPanel() const { return formPanel_; }
    void SetFormPanel(TCustomPanel* panel);
    TsuiTitleBarButtons* TitleBarButtons() const { return titleBar_->Buttons(); }
    void SetTitleBarButtons(const TsuiTitleBarButtons* buttons) { titleBar_->SetButtons(buttons); }
    TsuiTitleBarSections* TitleBarSections() const { return titleBar_->Sections(); }
    void SetTitleBarSections(const TsuiTitleBarSections* sections) {
        titleBar_->SetSections(sections);
    }
    bool TitleBarDrawAppIcon() const { return titleBar_->DrawAppIcon(); }
    void SetTitleBarDrawAppIcon(bool draw) { titleBar_->SetDrawAppIcon(draw); }
    // The title bar's caption font, in place of the panel's own.
    TFont* Font() const { return titleBar_->Font(); }
    void SetFont(const TFont* font) { titleBar_->Font()->Assign(font); }
    // Not owned; shown in the menu bar under the title bar, which comes and goes with it. A
    // skinned main menu is linked back to the frame while it is shown here.
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);
    TColor MenuBarColor() const { return menuBarColor_; }
    void SetMenuBarColor(TColor color);
    // The bar's height and each of its buttons'.
    int MenuBarHeight() const { return menuBarHeight_; }
    void SetMenuBarHeight(int height);
    // The host is sized so that the frame gets this size inside the border: twice the border
    // across, one and a half borders (rounded down) in height.
    void SetWidth(int width);
    void SetHeight(int height);
    int RoundCorner() const { return titleBar_->RoundCorner(); }
    // Ignored on an MDI child, whose corners stay square.
    void SetRoundCorner(int radius);
    QString Version() const;
    void SetVersion(const QString&) {}

    TsuiTitleBar* TitleBar() const { return titleBar_; }
    TCustomForm* HostForm() const { return hostForm_; }
    TFormBorderStyle DesignBorderStyle() const override { return designBorderStyle_; }
    bool AppHookInstalled() const { return appHookInstalled_; }

    // Left, right and bottom border around the frame; the title bar runs to the top edge.
    void PlaceFrame();
    // Has the host draw the border again (it lives on the host, outside the frame).
    void DrawBorder();
    // The border drawn on the host's canvas.
    void PaintBorder(TCanvas& hostCanvas) const;
    // 1 when the key message is the shortcut of an item of Menu, which is then carried out;
    // only while the host is the active form.
    int DispatchMenuShortCut(const TMessage& key);

    // The menu bar: a flat tool bar along the frame's top, under the title bar, with one button
    // per top-level item of Menu. Owned; none without a menu and always on an MDI child.
    TToolBar* MenuBar() const { return menuBar_; }
    // Makes the bar unless there is one (never on an MDI child).
    void CreateMenuBar();
    // Destroys the bar and forgets Menu.
    void ReleaseMenu();
    // New buttons for the current top-level items, in menu order.
    void RebuildMenuBar();
    // Each button takes its item's caption and enabled state again.
    void SyncMenuBar();
    // The bar's font from a skinned menu's font settings; the bar repaints.
    void ApplyMenuBarFont();
    // The bar's custom drawing: the MacOS bar picture behind the buttons, and hot and pressed
    // buttons in the style's menu-selection look.
    void DrawMenuBarBackground(TObject* Sender, const TRect& ARect, bool& DefaultDraw);
    void DrawMenuBarButton(TObject* Sender, TToolButton* Button, TCustomDrawState State,
                           bool& DefaultDraw);

    void WndProc(TMessage& message) override;
    bool BindEvent(const QByteArray& name, const TMethod& method) override;

protected:
    void PaintWindow(TCanvas& canvas) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void HookHost();
    int FrameTop() const;
    void InstallAppHook();
    // What the frame adds to the host's messages, after the host's own procedure.
    void HostMessage(TMessage& message);
    void AppMessage(TMsg& message, bool& handled);
    void HostSized();
    void FollowMdiState();
    LRESULT HostHitTest(LPARAM screenPoint, LRESULT answer) const;
    void ScrollChildren(int dy);
    void PaintPattern(TCanvas& canvas, const char* resourceName) const;
    TsuiMainMenu* SkinnedMenu() const;
    // The style and file theme the bar is drawn in: the skinned menu's, else the frame's.
    TsuiUIStyle MenuBarStyle() const;
    TsuiFileTheme* MenuBarFileTheme() const;
    // A skinned menu's font settings onto `font`; false for a plain menu, which gives none.
    bool AssignMenuFont(TFont& font) const;
    void RecommendSkinnedMenu(const TComponent* inserted) const;
    std::vector<TRect> BorderRects() const;
    bool HostMaximized() const;
    bool HostIsMdiChild() const;

    TsuiTitleBar* titleBar_ = nullptr; // owned (as a component and as a child control)
    TToolBar* menuBar_ = nullptr;      // owned, with its buttons
    TMainMenu* menu_ = nullptr;
    TCustomForm* hostForm_ = nullptr; // the owner
    TFormBorderStyle designBorderStyle_ = TFormBorderStyle::bsNone;
    TColor borderColor_ = clBlack;
    TCustomPanel* formPanel_ = nullptr;
    int borderWidth_ = 0;
    TsuiUIStyle uiStyle_ = TsuiUIStyle::DeepBlue;
    TsuiFileTheme* fileTheme_ = nullptr;
    TColor menuBarColor_ = clBtnFace;
    int menuBarHeight_ = 0;
    bool appHookInstalled_ = false;
    bool uiStyleAutoUpdateSub_ = false;
    TRect createBounds_;
    bool startedMaximized_ = false;
    int nonClientHeight_ = 0;
    int nonClientWidth_ = 0;
    // What the host's hook and the application filter reach this frame through; cleared when
    // the frame goes, after which both hand every message on untouched.
    std::shared_ptr<TsuiForm*> hookLink_;
};
