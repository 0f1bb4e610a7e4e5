#include "skin/SUIForm.h"

#include "framework/controls/TPanel.h"
#include "framework/core/EventTranslator.h"
#include "framework/core/Exception.h"
#include "framework/core/TApplication.h"
#include "framework/core/TCustomForm.h"
#include "framework/forms/ClassRegistry.h"
#include "framework/graphics/DrawTextFlags.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "framework/graphics/TFont.h"
#include "framework/platform/WindowSystem.h"
#include "skin/SUIMainMenu.h"
#include "skin/SUIPublic.h"

namespace {

// ---- how the menu bar paints ----
// The MacOS bar picture behind the buttons, and a hot or pressed button either as the MacOS
// selection picture or as a box in the style's selection colours. The frame decides the style,
// colours and font; these only draw.

constexpr unsigned kCentredLine = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

void StretchResource(TCanvas& canvas, const TRect& rect, const char* name) {
    TBitmap picture;
    picture.LoadFromResourceName(QLatin1String(name));
    canvas.StretchDraw(rect, picture);
}

namespace MenuBarPainter {

// The style's menu-selection colours (theme roles MenuSelected...).
struct SelectionColors {
    TColor border;
    TColor background;
    TColor font;
};

// The whole MACOS_MENU_BAR picture stretched over `rect`.
void DrawMacBar(TCanvas& canvas, const TRect& rect) {
    StretchResource(canvas, rect, SkinNames::kMacMenuBarPicture);
}

// The whole MACOS_MENU_SELECT picture stretched to `button` (in the bar's coordinates) with the
// caption centred on it in `fontColor`, composed off-screen and copied in one block. The font
// gives only its name, size and character set.
void DrawMacButton(TCanvas& barCanvas, const TRect& button, const QString& caption,
                   const TFont& font, TColor fontColor) {
    TBitmap buffer;
    buffer.SetSizeFor(barCanvas, button.Width(), button.Height());
    TCanvas& canvas = buffer.Canvas();
    StretchResource(canvas, Rect(0, 0, button.Width(), button.Height()),
                    SkinNames::kMacMenuSelectPicture);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Font().SetName(font.Name());
    canvas.Font().SetSize(font.Size());
    canvas.Font().SetCharset(font.Charset());
    canvas.Font().SetColor(fontColor);
    TRect text =
        Rect(0, 0, button.Width(), button.Height() + SkinMetrics::MenuBar::kMacCaptionExtraHeight);
    canvas.DrawText(caption, text, kCentredLine);
    barCanvas.Draw(button.Left, button.Top, buffer);
}

// A box filled and framed in the selection colours with the caption centred in it in the
// canvas's font. A pressed (selected) button's box stops short on the right and its caption
// moves right; every caption sits a little lower.
void DrawButton(TCanvas& barCanvas, const TRect& button, const QString& caption, bool selected,
                const SelectionColors& colors) {
    TRect box = button;
    if (selected)
        box.Right -= SkinMetrics::MenuBar::kPressedRightCut;
    FillRectColor(barCanvas, box, colors.background);
    FrameRectColor(barCanvas, box, colors.border);
    if (selected)
        box.Left += SkinMetrics::MenuBar::kPressedCaptionShift;
    box.Top += SkinMetrics::MenuBar::kCaptionDrop;
    barCanvas.Brush().SetStyle(TBrushStyle::bsClear);
    barCanvas.Font().SetColor(colors.font);
    barCanvas.DrawText(caption, box, kCentredLine);
}

} // namespace MenuBarPainter

} // namespace

REGISTER_COMPONENT_CLASS(TsuiForm)

namespace {

constexpr char kVersion[] = "4.30";
constexpr char kNotOnAForm[] = "Sorry, a TsuiForm component can only be placed on a form!";
constexpr char kOnlyOneFrame[] = "Sorry, You can create only one TsuiForm component in one form!";
constexpr char kFrameAsFormPanel[] =
    "Sorry, you can't select the Form assign to FormPanel property";

// The caption bits of the window style; clearing them leaves a window without system frame.
constexpr TWindowStyle kCaptionBitsMask = 0xFF3FFFFF;

// The 8 x 8 tiles behind the patterned styles.
constexpr char kMacOSBackground[] = "MACOS_FORM_BACKGROUND";
constexpr char kProteinBackground[] = "PROTEIN_FORM_BACKGROUND";

// What a form designer is told when a plain main menu joins a skinned form, in pieces around the
// host's and the frame's names.
constexpr char kRecommendSkinnedMenu[] =
    "Strongly recommend you to use \"TsuiMainMenu\" instead of \"TMainMenu\".\r\n\r\n"
    "If you still want to use TMainForm, \r\n\r\nset ";
constexpr char kRecommendHostMenuNil[] = "'s MENU property to NIL please.";
constexpr char kRecommendParagraph[] = "\r\n\r\n";
constexpr char kRecommendSetFrame[] = "And set ";
constexpr char kRecommendFrameMenu[] =
    "'s MENU property to this Menu when you finished designing the menu.";
constexpr char kSkinnedMenuClass[] = "TsuiMainMenu";
// A component is inserted while its base is being built, before its class is known: the frame
// posts itself this private message to look at it once construction is over. lParam: the
// component.
constexpr UINT kRecommendMenuMessage = 0x1333;

// Alt+Space arrives as this system character.
constexpr WPARAM kSystemMenuChar = u' ';

// Shared by every frame of the process: whether a maximised MDI child's content is scrolled up
// by the title bar's height.
bool gMdiTitleScrolled = false;

TCustomForm* AsForm(TComponent* owner) {
    auto* form = qobject_cast<TCustomForm*>(owner);
    if (!form)
        throw EComponentError(QLatin1String(kNotOnAForm));
    return form;
}

} // namespace

TsuiForm::TsuiForm(TComponent* AOwner)
    : TCustomPanel(AOwner), hostForm_(AsForm(AOwner)),
      hookLink_(std::make_shared<TsuiForm*>(nullptr)) {
    // Refused before anything of the host changes, so that a host that survives the error is
    // left as it was.
    for (int i = 0; i < hostForm_->ControlCount(); ++i)
        if (qobject_cast<TsuiForm*>(hostForm_->Controls(i)))
            throw EComponentError(QLatin1String(kOnlyOneFrame));
    if (!IsDesigning()) {
        hostForm_->Constraints()->SetMinHeight(SkinMetrics::Form::kHostMinHeight);
        hostForm_->Constraints()->SetMinWidth(SkinMetrics::Form::kHostMinWidth);
    }
    hostForm_->SetBorderWidth(0);
    createBounds_ = hostForm_->NormalBounds();
    startedMaximized_ = HostMaximized();
    titleBar_ = new TsuiTitleBar(this);
    titleBar_->SetParent(this);
    menuBarColor_ = Color();
    menuBarHeight_ = SkinMetrics::MenuBar::kHeight;
    designBorderStyle_ = hostForm_->BorderStyle();
    SetUIStyle(TsuiUIStyle::DeepBlue);
    uiStyleAutoUpdateSub_ = false;
    nonClientHeight_ = hostForm_->Height() - hostForm_->ClientHeight();
    nonClientWidth_ = hostForm_->Width() - hostForm_->ClientWidth();
    SetBevelOuter(TBevelCut::bvNone);
    SetBevelInner(TBevelCut::bvNone);
    SetBorderStyle(Framework::TBorderStyle::bsNone);
    SetAlign(TAlign::alNone);
    SetCaption(hostForm_->Caption());
    SetTitleBarVisible(true);
    SetText(QStringLiteral(" ")); // the panel's own text, never painted
    hostForm_->SetScaled(false);
    if (IsDesigning())
        return;
    if (!HostIsMdiChild() && hostForm_->FormStyle() != TFormStyle::fsMDIForm)
        hostForm_->SetBorderStyle(TFormBorderStyle::bsNone);
    hostForm_->SetAutoScroll(false);
    HookHost();
    hostForm_->SetWindowStyle(hostForm_->WindowStyle() & kCaptionBitsMask);
    InstallAppHook();
}

TsuiForm::~TsuiForm() {
    *hookLink_ = nullptr;
    if (appHookInstalled_ && Application)
        Application->OnMessage = nullptr;
    delete menuBar_;
    delete titleBar_;
    // A host that is destroying its controls takes each off itself first, its form part
    // already gone: there is nothing left to repaint, and nothing of it to ask.
    if (Parent())
        hostForm_->Invalidate();
}

// The hook keeps the host's previous procedure itself, so that it still works once the frame
// is gone: the framework destroys a form's controls before the form's window.
void TsuiForm::HookHost() {
    *hookLink_ = this;
    hostForm_->Handle();
    hostForm_->WindowProc = [previous = hostForm_->WindowProc, link = hookLink_](TMessage& m) {
        previous(m);
        if (TsuiForm* frame = *link)
            frame->HostMessage(m);
    };
}

void TsuiForm::InstallAppHook() {
    if (!Application || Application->OnMessage)
        return;
    Application->OnMessage = [link = hookLink_](TMsg& message, bool& handled) {
        if (TsuiForm* frame = *link)
            frame->AppMessage(message, handled);
    };
    appHookInstalled_ = true;
}

// ---- properties ----

void TsuiForm::SetFileTheme(TsuiFileTheme* theme) {
    if (!SetReference(fileTheme_, theme))
        return;
    SetUIStyle(uiStyle_);
}

void TsuiForm::SetUIStyle(TsuiUIStyle style) {
    const TRect hostBounds = hostForm_->BoundsRect();
    uiStyle_ = style;
    SetBorderColor(ThemeColor(fileTheme_, style, SUI_THEME_FORM_BORDER_COLOR));
    SetBorderWidth(ThemeInt(fileTheme_, style, SUI_THEME_FORM_BORDERWIDTH_INT));
    SetColor(ThemeColor(fileTheme_, style, SUI_THEME_FORM_BACKGROUND_COLOR));
    SetMenuBarColor(Color());
    titleBar_->SetFileTheme(fileTheme_);
    titleBar_->SetUIStyle(style);
    if (HostIsMdiChild())
        titleBar_->SetRoundCorner(0);
    if (TsuiMainMenu* menu = SkinnedMenu()) {
        menu->SetUIStyle(style);
        menu->SetFileTheme(fileTheme_);
    }
    if (uiStyleAutoUpdateSub_)
        ApplyStyleToChildren(*this, style, fileTheme_);
    if (HostIsMdiChild())
        hostForm_->SetBoundsRect(hostBounds);
    PlaceFrame();
    Invalidate();
    DrawBorder();
}

void TsuiForm::SetBorderColor(TColor color) {
    borderColor_ = color;
    PlaceFrame();
    DrawBorder();
}

// Each re-assignment reads the frame's size first, so the host follows the new border.
// The frame keeps its size and the host grows or shrinks around it by the border. Assigning the
// height back through Height, which adds one and a half borders, would make the window a little
// taller at every change of style.
void TsuiForm::SetBorderWidth(int width) {
    const int height = Height();
    borderWidth_ = width;
    SetWidth(Width());
    const int nonClient = IsDesigning() ? nonClientHeight_ : 0;
    hostForm_->SetHeight(height + borderWidth_ + FrameTop() + nonClient);
    PlaceFrame();
    DrawBorder();
}

void TsuiForm::SetTitleBarVisible(bool visible) {
    if (visible == titleBar_->Visible())
        return;
    titleBar_->SetVisible(visible);
    titleBar_->SetTop(0);
    PlaceFrame();
    DrawBorder();
}

void TsuiForm::SetCaption(const QString& caption) {
    titleBar_->SetCaption(caption);
    hostForm_->SetCaption(caption);
}

void TsuiForm::SetFormPanel(TCustomPanel* panel) {
    if (panel == this) {
        ShowError(QLatin1String(kFrameAsFormPanel));
        return;
    }
    SetReference(formPanel_, panel);
    if (!panel)
        return;
    panel->SetAlign(TAlign::alClient);
    if (qobject_cast<TPanel*>(panel)) {
        panel->SetBevelOuter(TBevelCut::bvNone);
        panel->SetBevelInner(TBevelCut::bvNone);
        panel->SetBorderStyle(Framework::TBorderStyle::bsNone);
        panel->SetCaption(QString());
    }
}

void TsuiForm::SetWidth(int width) {
    const int nonClient = IsDesigning() ? nonClientWidth_ : 0;
    hostForm_->SetWidth(width + 2 * borderWidth_ + nonClient);
    PlaceFrame();
}

void TsuiForm::SetHeight(int height) {
    const int nonClient = IsDesigning() ? nonClientHeight_ : 0;
    hostForm_->SetHeight(height + borderWidth_ + borderWidth_ / 2 + nonClient);
    PlaceFrame();
}

void TsuiForm::SetRoundCorner(int radius) {
    if (!HostIsMdiChild())
        titleBar_->SetRoundCorner(radius);
}

QString TsuiForm::Version() const {
    return QLatin1String(kVersion);
}

bool TsuiForm::BindEvent(const QByteArray& name, const TMethod& method) {
    static const TEventTable<TsuiForm> kEvents{
        {"OnTitleBarCustomBtnsClick",
         [](TsuiForm& frame, const TMethod& m) {
             frame.titleBar_->OnCustomBtnsClick = MethodToEvent<TObject*, int>(m);
         }},
        {"OnTitleBarHelpBtnClick",
         [](TsuiForm& frame, const TMethod& m) {
             frame.titleBar_->OnHelpBtnClick = MethodToEvent<TObject*, int>(m);
         }},
    };
    return kEvents.Bind(*this, name, method) || TCustomPanel::BindEvent(name, method);
}

// ---- geometry and border ----

bool TsuiForm::HostMaximized() const {
    return hostForm_->WindowState() == TWindowState::wsMaximized;
}

bool TsuiForm::HostIsMdiChild() const {
    return hostForm_->FormStyle() == TFormStyle::fsMDIChild;
}

// Without a title bar the border runs along the top too.
int TsuiForm::FrameTop() const {
    return titleBar_->Visible() ? 0 : borderWidth_;
}

void TsuiForm::PlaceFrame() {
    const int bw = borderWidth_;
    const int top = FrameTop();
    const int inset = HostIsMdiChild() ? SkinMetrics::Form::kMdiInset : 0;
    SetBounds(bw, top, hostForm_->ClientWidth() - 2 * bw - inset,
              hostForm_->ClientHeight() - bw - top - inset);
}

// Left, bottom and right; an MDI child's frame ends short of the right and bottom edges.
std::vector<TRect> TsuiForm::BorderRects() const {
    const int bw = borderWidth_;
    const int cw = hostForm_->ClientWidth();
    const int ch = hostForm_->ClientHeight();
    if (HostIsMdiChild())
        return {Rect(0, 0, bw, ch - SkinMetrics::Form::kMdiLeftBorderGap),
                Rect(0, ch - bw - SkinMetrics::Form::kMdiInset, cw, ch),
                Rect(cw - bw - SkinMetrics::Form::kMdiInset, 0, cw, ch)};
    return {Rect(0, 0, bw, ch), Rect(0, ch - bw, cw, ch), Rect(cw - bw, 0, cw, ch)};
}

void TsuiForm::PaintBorder(TCanvas& hostCanvas) const {
    hostCanvas.Pen().SetColor(borderColor_);
    hostCanvas.Pen().SetWidth(borderWidth_);
    hostCanvas.Pen().SetStyle(TPenStyle::psSolid);
    hostCanvas.Brush().SetColor(borderColor_);
    hostCanvas.Brush().SetStyle(TBrushStyle::bsSolid);
    hostCanvas.Brush().SetPattern({});
    for (const TRect& rect : BorderRects())
        hostCanvas.FillRect(rect);
    hostCanvas.MoveTo(0, 0);
    hostCanvas.LineTo(hostForm_->ClientWidth(), 0);
}

// Only the host's area around the frame is asked for: the frame repaints itself, and asking
// for its area from its own erase would never end.
void TsuiForm::DrawBorder() {
    const int cw = hostForm_->ClientWidth();
    const int ch = hostForm_->ClientHeight();
    const TRect frame = BoundsRect();
    hostForm_->InvalidateArea(Rect(0, 0, cw, frame.Top));
    hostForm_->InvalidateArea(Rect(0, frame.Bottom, cw, ch));
    hostForm_->InvalidateArea(Rect(0, frame.Top, frame.Left, frame.Bottom));
    hostForm_->InvalidateArea(Rect(frame.Right, frame.Top, cw, frame.Bottom));
}

// ---- painting ----

void TsuiForm::PaintWindow(TCanvas& canvas) {
    switch (uiStyle_) {
    case TsuiUIStyle::MacOS:
        PaintPattern(canvas, kMacOSBackground);
        break;
    case TsuiUIStyle::Protein:
        PaintPattern(canvas, kProteinBackground);
        break;
    default:
        FillRectColor(canvas, ClientRect(), Color());
        break;
    }
    if (IsDesigning()) {
        PlaceFrame();
        DrawBorder();
    }
}

// Composed off-screen and copied in one block; the tile starts at the frame's top-left corner.
void TsuiForm::PaintPattern(TCanvas& canvas, const char* resourceName) const {
    TBitmap buffer;
    buffer.SetSizeFor(canvas, Width(), Height());
    TBitmap tile;
    tile.LoadFromResourceName(QLatin1String(resourceName));
    buffer.Canvas().Brush().SetPattern(tile.Image());
    buffer.Canvas().FillRect(ClientRect());
    canvas.Draw(0, 0, buffer);
}

// ---- messages ----

void TsuiForm::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_CREATE:
        TCustomPanel::WndProc(message);
        PlaceFrame();
        DrawBorder();
        return;
    case WM_ERASEBKGND:
        // The frame is never erased: its paint covers it.
        DrawBorder();
        message.Result = 1;
        return;
    case kRecommendMenuMessage:
        RecommendSkinnedMenu(reinterpret_cast<const TComponent*>(message.LParam));
        return;
    default:
        break;
    }
    TCustomPanel::WndProc(message);
}

void TsuiForm::HostMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_KEYDOWN:
        message.Result = DispatchMenuShortCut(message);
        break;
    case WM_SHOWWINDOW:
        // A menu shows in the frame's menu bar, never in one of the window system's.
        hostForm_->SetMenu(nullptr);
        break;
    case WM_ACTIVATE:
        titleBar_->SetFormActive(LoWord(message.WParam) != 0);
        break;
    case WM_SIZE:
        HostSized();
        break;
    case WM_ERASEBKGND:
        if (message.WParam)
            PaintBorder(*reinterpret_cast<TCanvas*>(message.WParam));
        break;
    case WM_NCHITTEST:
        message.Result = HostHitTest(message.LParam, message.Result);
        break;
    default:
        break;
    }
}

void TsuiForm::AppMessage(TMsg& message, bool& handled) {
    switch (message.message) {
    case WM_SYSCHAR:
        if (LoWord(message.wParam) != kSystemMenuChar)
            break;
        {
            // Without a main form the host stands in for it.
            const TCustomForm* main = Application->MainForm() ? Application->MainForm() : hostForm_;
            titleBar_->SystemMenu()->Popup(main->Left(), main->Top() + titleBar_->Height());
        }
        handled = true;
        break;
    case WM_KEYDOWN:
        handled = DispatchMenuShortCut({message.message, message.wParam, message.lParam}) == 1;
        break;
    default:
        break;
    }
}

int TsuiForm::DispatchMenuShortCut(const TMessage& key) {
    if (!IsFormActive(hostForm_) || !hostForm_->Active() || !menu_)
        return 0;
    const auto code = static_cast<std::uint16_t>(key.WParam);
    return menu_->IsShortCut(code, EventTranslator::KeyShiftState(key)) ? 1 : 0;
}

// A window created maximised goes back to its designed bounds the first time it is restored; a
// maximised window with a border leaves the task bar free.
void TsuiForm::HostSized() {
    if (startedMaximized_) {
        if (!HostMaximized()) {
            startedMaximized_ = false;
            SetFormBoundsRect(*hostForm_, createBounds_);
        }
        gMdiTitleScrolled = true;
    }
    if (HostMaximized() && !HostIsMdiChild() && designBorderStyle_ != TFormBorderStyle::bsNone)
        SetFormBoundsRect(*hostForm_, WindowSystem::WorkArea());
    PlaceFrame();
    DrawBorder();
    titleBar_->RefreshMaxButtons();
    if (HostIsMdiChild())
        FollowMdiState();
    titleBar_->RefreshFormRegion();
}

// A maximised MDI child hides its title bar and scrolls its content up in its place. The
// framework has no MDI client window, so there is nobody to send the child notices to.
void TsuiForm::FollowMdiState() {
    const int barHeight = titleBar_->Height();
    if (HostMaximized()) {
        SetTitleBarVisible(false);
        if (!gMdiTitleScrolled) {
            ScrollChildren(-barHeight);
            gMdiTitleScrolled = true;
        }
        return;
    }
    SetTitleBarVisible(true);
    if (gMdiTitleScrolled) {
        ScrollChildren(barHeight);
        gMdiTitleScrolled = false;
        titleBar_->RefreshMaxButtons();
    }
}

void TsuiForm::ScrollChildren(int dy) {
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        child->SetTop(child->Top() + dy);
    }
}

// Resize bands along the edges of a sizeable host; the title bar answers for its own area.
LRESULT TsuiForm::HostHitTest(LPARAM screenPoint, LRESULT answer) const {
    const TPoint p = hostForm_->ScreenToClient({GetXLParam(screenPoint), GetYLParam(screenPoint)});
    return ResizeBandHitTest(*hostForm_, designBorderStyle_, p, answer, TResizeBands::AllEdges);
}

// ---- menu bar ----

TsuiMainMenu* TsuiForm::SkinnedMenu() const {
    return qobject_cast<TsuiMainMenu*>(menu_);
}

void TsuiForm::SetMenu(TMainMenu* menu) {
    if (TsuiMainMenu* old = SkinnedMenu())
        old->SetFormLink(nullptr);
    SetReference(menu_, menu);
    if (TsuiMainMenu* skinned = SkinnedMenu())
        skinned->SetFormLink(this);
    if (!menu_) {
        ReleaseMenu();
        return;
    }
    if (!menuBar_)
        CreateMenuBar();
    RebuildMenuBar();
}

void TsuiForm::SetMenuBarColor(TColor color) {
    menuBarColor_ = color;
    if (menuBar_)
        menuBar_->SetColor(color);
}

void TsuiForm::SetMenuBarHeight(int height) {
    menuBarHeight_ = height;
    if (!menuBar_)
        return;
    menuBar_->SetHeight(height);
    for (int i = 0; i < menuBar_->ButtonCount(); ++i)
        menuBar_->Buttons(i)->SetHeight(height);
}

void TsuiForm::CreateMenuBar() {
    if (menuBar_ || HostIsMdiChild())
        return;
    menuBar_ = new TToolBar(this);
    menuBar_->SetParent(this);
    menuBar_->SetAlign(TAlign::alTop);
    menuBar_->SetFlat(true);
    menuBar_->SetEdgeBorders({});
    menuBar_->SetShowCaptions(true);
    menuBar_->SetHeight(menuBarHeight_);
    menuBar_->SetColor(menuBarColor_);
    if (!IsDesigning())
        menuBar_->OnCustomDrawButton = [this](TObject* sender, TToolButton* button,
                                              TCustomDrawState state, bool& defaultDraw) {
            DrawMenuBarButton(sender, button, state, defaultDraw);
        };
    menuBar_->OnCustomDraw = [this](TObject* sender, const TRect& rect, bool& defaultDraw) {
        DrawMenuBarBackground(sender, rect, defaultDraw);
    };
    titleBar_->SetTop(0);
}

// A skinned menu that is let go no longer points back here, so that it never reaches a frame
// that has gone since.
void TsuiForm::ReleaseMenu() {
    if (!HostIsMdiChild()) {
        delete menuBar_;
        menuBar_ = nullptr;
    }
    if (TsuiMainMenu* skinned = SkinnedMenu(); skinned && skinned->FormLink() == this)
        skinned->SetFormLink(nullptr);
    SetReference(menu_, static_cast<TMainMenu*>(nullptr));
}

// From the last item to the first, each new button going in front of those on the bar.
void TsuiForm::RebuildMenuBar() {
    if (!menuBar_)
        return;
    if (!menu_) {
        ReleaseMenu();
        return;
    }
    while (menuBar_->ButtonCount() > 0)
        delete menuBar_->Buttons(0);
    TMenuItem* items = menu_->Items();
    for (int i = items->Count() - 1; i >= 0; --i) {
        auto* button = new TToolButton(this);
        button->SetParent(menuBar_);
        button->SetGrouped(true);
        button->SetMenuItem(items->Items(i));
        button->SetAutoSize(true);
    }
}

void TsuiForm::SyncMenuBar() {
    if (!menuBar_)
        return;
    for (int i = 0; i < menuBar_->ButtonCount(); ++i) {
        TToolButton* button = menuBar_->Buttons(i);
        if (const TMenuItem* item = button->MenuItem()) {
            button->SetCaption(item->Caption());
            button->SetEnabled(item->Enabled());
        }
    }
}

void TsuiForm::ApplyMenuBarFont() {
    if (!menuBar_ || !menu_)
        return;
    AssignMenuFont(*menuBar_->Font());
    menuBar_->Invalidate();
}

bool TsuiForm::AssignMenuFont(TFont& font) const {
    const TsuiMainMenu* skinned = SkinnedMenu();
    if (!skinned)
        return false;
    skinned->AssignItemFont(font);
    return true;
}

TsuiUIStyle TsuiForm::MenuBarStyle() const {
    const TsuiMainMenu* skinned = SkinnedMenu();
    return skinned ? skinned->UIStyle() : uiStyle_;
}

TsuiFileTheme* TsuiForm::MenuBarFileTheme() const {
    const TsuiMainMenu* skinned = SkinnedMenu();
    return skinned ? skinned->FileTheme() : fileTheme_;
}

// The stored style decides, not the resolved one: a file theme never shows the MacOS picture.
void TsuiForm::DrawMenuBarBackground(TObject*, const TRect& ARect, bool&) {
    if (MenuBarStyle() == TsuiUIStyle::MacOS)
        MenuBarPainter::DrawMacBar(menuBar_->Canvas(), ARect);
}

// A skinned menu lends the bar its font, plain menus leave the button's own. Buttons that are
// neither hot nor pressed keep the bar's own look.
void TsuiForm::DrawMenuBarButton(TObject*, TToolButton* Button, TCustomDrawState State,
                                 bool& DefaultDraw) {
    TCanvas& canvas = menuBar_->Canvas();
    const TsuiMainMenu* skinned = SkinnedMenu();
    if (AssignMenuFont(canvas.Font()) && !skinned->UseSystemFont())
        canvas.Font().SetColor(skinned->FontColor());
    const bool selected = State.testFlag(TCustomDrawStateFlag::cdsSelected);
    if (!selected && !State.testFlag(TCustomDrawStateFlag::cdsHot)) {
        DefaultDraw = true;
        return;
    }
    DefaultDraw = false;
    const TsuiUIStyle style = MenuBarStyle();
    const TsuiFileTheme* theme = MenuBarFileTheme();
    const MenuBarPainter::SelectionColors colors{
        ThemeColor(theme, style, SUI_THEME_MENU_SELECTED_BORDER_COLOR),
        ThemeColor(theme, style, SUI_THEME_MENU_SELECTED_BACKGROUND_COLOR),
        ThemeColor(theme, style, SUI_THEME_MENU_SELECTED_FONT_COLOR)};
    if (style != TsuiUIStyle::MacOS) {
        MenuBarPainter::DrawButton(canvas, Button->BoundsRect(), Button->Caption(), selected,
                                   colors);
        return;
    }
    // The MacOS picture's caption is in the menu's own font even while the menu follows the
    // desktop's.
    TFont font;
    font.Assign(&canvas.Font());
    if (skinned)
        skinned->AssignOwnFont(font);
    MenuBarPainter::DrawMacButton(canvas, Button->BoundsRect(), Button->Caption(), font,
                                  colors.font);
}

// Only plain main menus joining the host while it is designed earn the advice. The component
// is looked for among the host's before anything of it is read: it may have gone since.
void TsuiForm::RecommendSkinnedMenu(const TComponent* inserted) const {
    const TComponent* menu = nullptr;
    for (int i = 0; i < hostForm_->ComponentCount() && !menu; ++i)
        if (hostForm_->Components(i) == inserted)
            menu = inserted;
    if (!qobject_cast<const TMainMenu*>(menu) ||
        QLatin1String(menu->metaObject()->className()) == QLatin1String(kSkinnedMenuClass))
        return;
    ShowInformation(QLatin1String(kRecommendSkinnedMenu) + hostForm_->Name() +
                    QLatin1String(kRecommendHostMenuNil) + QLatin1String(kRecommendParagraph) +
                    QLatin1String(kRecommendSetFrame) + Name() +
                    QLatin1String(kRecommendFrameMenu));
}

void TsuiForm::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomPanel::Notification(AComponent, Operation);
    if (!AComponent)
        return;
    if (Operation == TOperation::opInsert) {
        if (IsDesigning() && !IsLoading())
            PostMessage(kRecommendMenuMessage, 0, reinterpret_cast<LPARAM>(AComponent));
        return;
    }
    if (AComponent == formPanel_)
        formPanel_ = nullptr;
    if (AComponent == menu_) {
        menu_ = nullptr; // going: nothing of it is to be touched
        ReleaseMenu();
    }
    if (DropRemovedFileTheme(fileTheme_, AComponent, Operation)) {
        ApplyStyleToChildren(*this, TsuiUIStyle::DeepBlue, nullptr);
        SetUIStyle(TsuiUIStyle::DeepBlue);
    }
}
