#include "skin/SUITitleBar.h"

#include "framework/core/TApplication.h"
#include "framework/core/TCustomForm.h"
#include "framework/forms/ClassRegistry.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "framework/graphics/TIcon.h"
#include "framework/graphics/TRegion.h"
#include "framework/menus/TMenuItem.h"
#include "framework/platform/WindowSystem.h"
#include "skin/SUIPublic.h"

#include <algorithm>

REGISTER_COMPONENT_CLASS(TsuiTitleBar)

namespace {

// The title-button strip: six pictures of three states each, in this order of types.
constexpr int kButtonFrameCount = 18;
constexpr int kControlBoxFrame = 1;
constexpr int kHelpFrame = 4;
constexpr int kMaximizeFrame = 7;
constexpr int kRestoreFrame = 10;
constexpr int kMinimizeFrame = 13;
constexpr int kCloseFrame = 16;

constexpr char kAppIconResource[] = "MAINICON";
constexpr char kEllipsis[] = "...";

// What accessibility tools call each type of button, in the order of the types: the program's
// texts are Chinese.
constexpr const char16_t* kButtonNames[] = {u"最大化", u"最小化",   u"关闭",
                                            u"帮助",   u"系统菜单", u"自定义按钮"};
constexpr char16_t kRestoreName[] = u"还原";

constexpr char kOneControlBox[] = "Sorry, only one button's ButtonType property can be "
                                  "\"suiControlBox\"";
constexpr char kOneClientSection[] = "Sorry, only one section's Align property can be "
                                     "\"suiClient\"";

// The first of a type's three pictures; 0 for a custom button, which takes none from a style.
int FirstFrame(TsuiTitleBarBtnType type) {
    switch (type) {
    case suiControlBox:
        return kControlBoxFrame;
    case suiHelp:
        return kHelpFrame;
    case suiMax:
        return kMaximizeFrame;
    case suiMin:
        return kMinimizeFrame;
    case suiClose:
        return kCloseFrame;
    case suiCustom:
        break;
    }
    return 0;
}

bool IsMaximized(const TCustomForm& form) {
    return form.WindowState() == TWindowState::wsMaximized;
}

// The main form minimises through its system command, as the window system's own button does.
void MinimizeForm(TCustomForm& form) {
    if (Application && Application->MainForm() == &form)
        form.Perform(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    else
        form.SetWindowState(TWindowState::wsMinimized);
}

// Whole characters only: a character outside the first plane is dropped as one.
void DropLastCharacter(QString& text) {
    const qsizetype n = text.size();
    const bool pair = n >= 2 && text.at(n - 1).isLowSurrogate() && text.at(n - 2).isHighSurrogate();
    text.chop(pair ? 2 : 1);
}

// The caption as it fits into `room` pixels: whole, or cut short and ended with "...". When not
// even "..." fits, nothing.
QString FittedCaption(const TCanvas& canvas, const QString& caption, int room) {
    if (canvas.TextWidth(caption) <= room)
        return caption;
    const QString ellipsis = QLatin1String(kEllipsis);
    QString text = caption;
    while (!text.isEmpty() && canvas.TextWidth(text + ellipsis) > room)
        DropLastCharacter(text);
    return canvas.TextWidth(text + ellipsis) <= room ? text + ellipsis : QString();
}

// Copies the picture into the slot starting at x, stretched or from its top-left corner.
void DrawSection(TCanvas& canvas, const TsuiTitleBarSection& section, int x, int height) {
    const TBitmap& picture = *section.Picture()->Bitmap();
    if (picture.Empty())
        return;
    if (section.Stretch()) {
        canvas.StretchDraw(Rect(x, 0, x + section.Width(), height), picture);
        return;
    }
    const int w = std::min(section.Width(), picture.Width());
    const int h = std::min(height, picture.Height());
    canvas.CopyRect(Rect(x, 0, x + w, h), picture.Canvas(), Rect(0, 0, w, h));
}

} // namespace

// ---- buttons ----

TsuiTitleBarButton::TsuiTitleBarButton(TCollection* collection)
    : TCollectionItem(collection), picNormal_(std::make_unique<TPicture>()),
      picMouseOn_(std::make_unique<TPicture>()), picMouseDown_(std::make_unique<TPicture>()) {
    for (TPicture* picture : {picNormal_.get(), picMouseOn_.get(), picMouseDown_.get()})
        picture->OnChange = [this] { Changed(); };
    SetUIStyle(TsuiUIStyle::DeepBlue);
}

TsuiTitleBar* TsuiTitleBarButton::TitleBar() const {
    return Collection() ? qobject_cast<TsuiTitleBar*>(Collection()->Owner()) : nullptr;
}

void TsuiTitleBarButton::SetUIStyle(TsuiUIStyle style) {
    uiStyle_ = style;
    ApplyButtonStyle();
}

bool TsuiTitleBarButton::AnotherHasType(TsuiTitleBarBtnType type) const {
    const auto* buttons = static_cast<const TsuiTitleBarButtons*>(Collection());
    if (!buttons)
        return false;
    return std::ranges::any_of(buttons->OfType(type),
                               [this](const TsuiTitleBarButton* other) { return other != this; });
}

void TsuiTitleBarButton::SetButtonType(TsuiTitleBarBtnType type) {
    if (type == suiControlBox && AnotherHasType(suiControlBox)) {
        ShowError(QLatin1String(kOneControlBox));
        return;
    }
    buttonType_ = type;
    ApplyButtonStyle();
    Changed();
}

void TsuiTitleBarButton::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Changed();
}

void TsuiTitleBarButton::SetTop(int top) {
    top_ = top;
    Changed();
}

void TsuiTitleBarButton::SetVisible(bool visible) {
    visible_ = visible;
    Changed();
}

void TsuiTitleBarButton::ApplyButtonStyle() {
    const TsuiTitleBar* bar = TitleBar();
    const TsuiFileTheme* theme = bar ? bar->FileTheme() : nullptr;
    transparent_ = ThemeBool(theme, uiStyle_, SUI_THEME_TITLEBAR_BUTTON_TRANSPARENT_BOOL);
    const int first = FirstFrame(buttonType_);
    if (first == 0)
        return;
    LoadPictures(first);
    top_ = ThemeInt(theme, uiStyle_, SUI_THEME_TITLEBAR_BUTTON_TOP_INT);
    if (buttonType_ == suiMax)
        UpdateMaxPictures();
}

void TsuiTitleBarButton::LoadPictures(int firstFrame) {
    const TsuiTitleBar* bar = TitleBar();
    const TsuiFileTheme* theme = bar ? bar->FileTheme() : nullptr;
    int frame = firstFrame;
    for (TPicture* picture : {picNormal_.get(), picMouseOn_.get(), picMouseDown_.get()})
        ThemeFrame(theme, uiStyle_, SUI_THEME_TITLEBAR_BUTTON_IMAGE, picture->Bitmap(),
                   kButtonFrameCount, frame++);
}

void TsuiTitleBarButton::UpdateMaxPictures() {
    const TsuiTitleBar* bar = TitleBar();
    if (buttonType_ != suiMax || (bar && bar->Custom()))
        return;
    const TCustomForm* form = bar ? bar->ContainingForm() : nullptr;
    LoadPictures(form && IsMaximized(*form) ? kRestoreFrame : kMaximizeFrame);
}

void TsuiTitleBarButton::PerformAction() {
    TsuiTitleBar* bar = TitleBar();
    TCustomForm* form = bar ? bar->ContainingForm() : nullptr;
    if (!form)
        return;
    switch (buttonType_) {
    case suiMax:
        if (IsMaximized(*form)) {
            form->SetWindowState(TWindowState::wsNormal);
        } else {
            form->SetWindowState(TWindowState::wsMaximized);
            // A frame fits its maximised window itself; a bare form is given the work area,
            // less its bottom row so that a hidden task bar can still be reached.
            if (!bar->IsOnSkinnedForm()) {
                TRect area = WindowSystem::WorkArea();
                area.Bottom -= 1;
                SetFormBoundsRect(*form, area);
            }
        }
        UpdateMaxPictures();
        break;
    case suiMin:
        MinimizeForm(*form);
        break;
    case suiClose:
        form->Close();
        break;
    case suiControlBox:
        if (controlBoxMenu_) {
            const TPoint at = bar->ClientToScreen({0, bar->Height()});
            controlBoxMenu_->Popup(at.X, at.Y);
        }
        break;
    case suiHelp:
    case suiCustom:
        break;
    }
}

void TsuiTitleBarButton::Assign(const TPersistent* source) {
    const auto* other = qobject_cast<const TsuiTitleBarButton*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    SetVisible(other->visible_);
    SetButtonType(other->buttonType_);
    SetTransparent(other->transparent_);
    SetTop(other->top_);
    SetUIStyle(other->uiStyle_);
    SetPicNormal(other->PicNormal());
    SetPicMouseOn(other->PicMouseOn());
    SetPicMouseDown(other->PicMouseDown());
    controlBoxMenu_ = other->controlBoxMenu_;
}

// ---- sections ----

TsuiTitleBarSection::TsuiTitleBarSection(TCollection* collection)
    : TCollectionItem(collection), picture_(std::make_unique<TPicture>()) {
    picture_->OnChange = [this] { PictureChanged(); };
}

void TsuiTitleBarSection::PictureChanged() {
    if (autoSize_ && !picture_->Empty())
        width_ = picture_->Width();
    Changed();
}

void TsuiTitleBarSection::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    if (!picture_->Empty())
        width_ = picture_->Width();
    Changed();
}

void TsuiTitleBarSection::SetWidth(int width) {
    width_ = width;
    Changed();
}

void TsuiTitleBarSection::SetAlign(TsuiTitleBarAlign align) {
    if (align == suiClient && Collection()) {
        for (int i = 0; i < Collection()->Count(); ++i) {
            const auto* other = static_cast<const TsuiTitleBarSection*>(Collection()->Items(i));
            if (other != this && other->align_ == suiClient) {
                ShowError(QLatin1String(kOneClientSection));
                return;
            }
        }
    }
    align_ = align;
    if (align_ == suiClient)
        stretch_ = true;
    Changed();
}

void TsuiTitleBarSection::SetStretch(bool stretch) {
    stretch_ = stretch || align_ == suiClient;
    Changed();
}

void TsuiTitleBarSection::Assign(const TPersistent* source) {
    const auto* other = qobject_cast<const TsuiTitleBarSection*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    SetWidth(other->width_);
    SetAlign(other->align_);
    SetPicture(other->Picture());
    SetStretch(other->stretch_);
    SetAutoSize(other->autoSize_);
}

// ---- collections ----

TsuiTitleBarButtons::TsuiTitleBarButtons(TsuiTitleBar* bar)
    : TCollection(bar, [](TCollection* c) { return new TsuiTitleBarButton(c); }) {
    OnChange = [bar] { bar->Invalidate(); };
}

TsuiTitleBarButton* TsuiTitleBarButtons::Items(int index) const {
    return static_cast<TsuiTitleBarButton*>(TCollection::Items(index));
}

std::vector<TsuiTitleBarButton*> TsuiTitleBarButtons::OfType(TsuiTitleBarBtnType type) const {
    std::vector<TsuiTitleBarButton*> found;
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->ButtonType() == type)
            found.push_back(Items(i));
    return found;
}

TsuiTitleBarButton* TsuiTitleBarButtons::FirstOfType(TsuiTitleBarBtnType type) const {
    const std::vector<TsuiTitleBarButton*> found = OfType(type);
    return found.empty() ? nullptr : found.front();
}

TsuiTitleBarSections::TsuiTitleBarSections(TsuiTitleBar* bar)
    : TCollection(bar, [](TCollection* c) { return new TsuiTitleBarSection(c); }) {
    OnChange = [bar] { bar->Invalidate(); };
}

TsuiTitleBarSection* TsuiTitleBarSections::Items(int index) const {
    return static_cast<TsuiTitleBarSection*>(TCollection::Items(index));
}

// ---- system menu ----

namespace {

// The captions drawn are the skin's own; accessibility tools read the program's Chinese names.
struct SystemMenuCommand {
    const char* caption;
    const char16_t* accessibleName;
    void (TsuiTitleBarPopupMenu::*run)();
};

} // namespace

TsuiTitleBarPopupMenu::TsuiTitleBarPopupMenu(TsuiTitleBar* bar) : TsuiPopupMenu(bar), bar_(bar) {
    const SystemMenuCommand commands[] = {
        {"Mi&nimize", u"最小化", &TsuiTitleBarPopupMenu::Minimize},
        {"Ma&ximize/Restore", u"最大化/还原", &TsuiTitleBarPopupMenu::MaximizeOrRestore},
        {"-", u"", nullptr},
        {"&Close", u"关闭", &TsuiTitleBarPopupMenu::CloseForm},
    };
    for (const SystemMenuCommand& command : commands) {
        auto* item = new TMenuItem(this);
        item->SetCaption(QLatin1String(command.caption));
        item->SetAccessibleName(QString::fromUtf16(command.accessibleName));
        if (command.run)
            item->OnClick = [this, run = command.run](TObject*) { (this->*run)(); };
        Items()->Add(item);
    }
    InstallMenuItemHandlers();
}

void TsuiTitleBarPopupMenu::Popup(int x, int y) {
    const TsuiTitleBarButtons& buttons = *bar_->Buttons();
    Items()->Items(0)->SetEnabled(buttons.FirstOfType(suiMin) != nullptr);
    Items()->Items(1)->SetEnabled(buttons.FirstOfType(suiMax) != nullptr);
    Items()->Items(3)->SetEnabled(buttons.FirstOfType(suiClose) != nullptr);
    TsuiPopupMenu::Popup(x, y);
}

void TsuiTitleBarPopupMenu::Minimize() {
    if (TCustomForm* form = bar_->ContainingForm())
        MinimizeForm(*form);
}

// Every maximise button acts, so two of them maximise and restore again.
void TsuiTitleBarPopupMenu::MaximizeOrRestore() {
    for (TsuiTitleBarButton* button : bar_->Buttons()->OfType(suiMax))
        button->PerformAction();
}

void TsuiTitleBarPopupMenu::CloseForm() {
    if (TCustomForm* form = bar_->ContainingForm())
        form->Close();
}

// ---- the bar ----

TsuiTitleBar::TsuiTitleBar(TComponent* AOwner) : TCustomPanel(AOwner) {
    // Holds no controls, and paints every pixel itself without erasing first.
    SetControlStyle((ControlStyle() & ~TControlStyle(TControlStyleFlag::csAcceptsControls)) |
                    TControlStyleFlag::csOpaque);
    systemMenu_ = std::make_unique<TsuiTitleBarPopupMenu>(this);
    sections_ = std::make_unique<TsuiTitleBarSections>(this);
    buttons_ = std::make_unique<TsuiTitleBarButtons>(this);
    for (TsuiTitleBarBtnType type : {suiControlBox, suiClose, suiMax, suiMin})
        buttons_->Add()->SetButtonType(type);
    SetAlign(TAlign::alTop);
    SetParentFont(false);
    Font()->SetColor(clWhite);
    Font()->SetName(QStringLiteral("Tahoma"));
    Font()->SetStyle(Framework::fsBold);
    Font()->SetSize(8);
    SetUIStyle(GetOwnerFormStyle(AOwner));
}

TsuiTitleBar::~TsuiTitleBar() = default;

void TsuiTitleBar::SetFileTheme(TsuiFileTheme* theme) {
    SetReference(fileTheme_, theme);
    keepFontColor_ = true;
    try {
        SetUIStyle(uiStyle_);
    } catch (...) {
        keepFontColor_ = false;
        throw;
    }
    keepFontColor_ = false;
}

void TsuiTitleBar::SetUIStyle(TsuiUIStyle style) {
    uiStyle_ = style;
    if (custom_)
        return;
    sections_->Clear();
    TsuiUIStyle builtIn = style;
    const TsuiUIStyle look =
        ResolveStyle(fileTheme_, style, builtIn) ? TsuiUIStyle::FromThemeFile : builtIn;
    ApplyStyleLook(style);
    for (int i = 0; i < buttons_->Count(); ++i)
        buttons_->Items(i)->SetUIStyle(look);
    systemMenu_->SetUIStyle(look);
    systemMenu_->SetFileTheme(fileTheme_);
    if (IsOnSkinnedForm())
        ApplyFormRegion(roundCorner_);
    if (!keepFontColor_)
        Font()->SetColor(style == TsuiUIStyle::MacOS ? clBlack : clWhite);
    SetAutoSize(true);
    Invalidate();
}

// Sections and metrics of the style or the file theme standing for it.
void TsuiTitleBar::ApplyStyleLook(TsuiUIStyle style) {
    AddStyleSection(suiLeft, SUI_THEME_TITLEBAR_LEFT_IMAGE, true);
    AddStyleSection(suiRight, SUI_THEME_TITLEBAR_RIGHT_IMAGE, true);
    AddStyleSection(suiClient, SUI_THEME_TITLEBAR_CLIENT_IMAGE, false);
    leftBtnXOffset_ = ThemeInt(fileTheme_, style, SUI_THEME_TITLEBAR_BUTTON_LEFTOFFSET_INT);
    rightBtnXOffset_ = ThemeInt(fileTheme_, style, SUI_THEME_TITLEBAR_BUTTON_RIGHTOFFSET_INT);
    cornerColor_ = ThemeColor(fileTheme_, style, SUI_THEME_FORM_BORDER_COLOR);
    TBitmap strip;
    ThemeBitmap(fileTheme_, style, SUI_THEME_TITLEBAR_BUTTON_IMAGE, &strip);
    captionBoxHeight_ = strip.Height();
    captionTop_ = ThemeInt(fileTheme_, style, SUI_THEME_TITLEBAR_BUTTON_TOP_INT);
    if (TCustomForm* form = ContainingForm())
        form->Constraints()->SetMinWidth(ThemeInt(fileTheme_, style, SUI_THEME_FORM_MINWIDTH_INT));
    roundCorner_ = ThemeInt(fileTheme_, style, SUI_THEME_FORM_ROUNDCORNER_INT);
}

void TsuiTitleBar::AddStyleSection(TsuiTitleBarAlign align, TsuiThemeRole role, bool autoSize) {
    TsuiTitleBarSection* section = sections_->Add();
    ThemeBitmap(fileTheme_, uiStyle_, role, section->Picture()->Bitmap());
    if (autoSize)
        section->SetAutoSize(true);
    if (align != suiLeft)
        section->SetAlign(align);
}

void TsuiTitleBar::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    if (sections_->Count() == 0) {
        autoSize_ = false;
        return;
    }
    SetHeight(sections_->Items(0)->Picture()->Height());
}

void TsuiTitleBar::SetButtonInterval(int interval) {
    buttonInterval_ = interval;
    Invalidate();
}

void TsuiTitleBar::SetCaption(const QString& caption) {
    caption_ = caption;
    Invalidate();
}

void TsuiTitleBar::SetFormActive(bool active) {
    formActive_ = active;
    Invalidate();
}

void TsuiTitleBar::SetLeftBtnXOffset(int offset) {
    leftBtnXOffset_ = offset;
    Invalidate();
}

void TsuiTitleBar::SetRightBtnXOffset(int offset) {
    rightBtnXOffset_ = offset;
    Invalidate();
}

void TsuiTitleBar::SetDrawAppIcon(bool draw) {
    drawAppIcon_ = draw;
    Invalidate();
}

void TsuiTitleBar::SetRoundCorner(int radius) {
    roundCorner_ = radius;
    if (IsOnSkinnedForm())
        ApplyFormRegion(radius);
}

TCustomForm* TsuiTitleBar::ContainingForm() const {
    if (!Parent())
        return nullptr;
    return qobject_cast<TCustomForm*>(Parent()->TopLevelControl());
}

bool TsuiTitleBar::IsOnSkinnedForm() const {
    return dynamic_cast<const TsuiTitleBarHost*>(Parent()) != nullptr;
}

bool TsuiTitleBar::FormMaximized() const {
    const TCustomForm* form = ContainingForm();
    return form && IsMaximized(*form);
}

void TsuiTitleBar::ApplyFormRegion(int radius) {
    TCustomForm* form = ContainingForm();
    if (!form)
        return;
    const int cw = form->ClientWidth();
    const int ch = form->ClientHeight();
    // The round-rectangle region leaves out its last column and row: one more of each covers
    // the whole client area.
    TRegion region = TRegion::CreateRoundRectRgn(0, 0, cw + 1, ch + 1, radius, radius);
    // The bottom corners stay square.
    const int corner = 2 * radius;
    TRegion::CombineRgn(region, region, TRegion::CreateRectRgn(0, ch - corner, corner, ch), RGN_OR);
    TRegion::CombineRgn(region, region, TRegion::CreateRectRgn(cw - corner, ch - corner, cw, ch),
                        RGN_OR);
    if (!IsDesigning())
        form->SetWindowRegion(region);
}

void TsuiTitleBar::RefreshFormRegion() {
    if (IsOnSkinnedForm())
        ApplyFormRegion(roundCorner_);
}

void TsuiTitleBar::RefreshMaxButtons() {
    for (TsuiTitleBarButton* button : buttons_->OfType(suiMax))
        button->UpdateMaxPictures();
}

void TsuiTitleBar::PopupSystemMenuBelow() {
    const TPoint at = ClientToScreen({0, Height()});
    systemMenu_->Popup(at.X, at.Y);
}

// ---- painting ----

// The face is composed afresh on a bitmap kept from paint to paint: at a high density it is
// large, and allocating it on every mouse move would cost more than drawing it.
void TsuiTitleBar::PaintWindow(TCanvas& canvas) {
    face_.SetSizeFor(canvas, Width(), Height());
    face_.Fill(clWhite);
    TCanvas& face = face_.Canvas();
    face.ResetTools();
    face.Brush().SetStyle(TBrushStyle::bsClear);
    face.Font().Assign(Font());
    DrawSections(face_);
    DrawButtonsAndCaption(face_);
    if (uiStyle_ != TsuiUIStyle::WinXP && roundCorner_ != 0 && IsOnSkinnedForm())
        DrawCornerOutline(face);
    canvas.Draw(0, 0, face_);
}

void TsuiTitleBar::DrawCornerOutline(TCanvas& canvas) const {
    canvas.Pen().SetColor(cornerColor_);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    // The side lines fall one column outside the bar on either side so that only the arcs show;
    // the corner ellipse is one column wider for the column it starts left of the bar.
    canvas.RoundRect(-1, 0, Width() + 1, Height() + SkinMetrics::TitleBar::kOutlineOverhang,
                     roundCorner_ + 1, roundCorner_);
}

// Left sections from the left edge, right ones from the right edge while there is room, the
// middle one stretched over what remains.
void TsuiTitleBar::DrawSections(TBitmap& buffer) {
    TCanvas& canvas = buffer.Canvas();
    const int w = buffer.Width();
    const int h = buffer.Height();
    // `left` is the last column the left sections cover and `right` one past the first column of
    // the right ones, so both start one outside the bar and each slot is one inside them.
    int left = -1;
    int right = w + 1;
    const TsuiTitleBarSection* middle = nullptr;
    for (int i = 0; i < sections_->Count(); ++i) {
        const TsuiTitleBarSection& section = *sections_->Items(i);
        switch (section.Align()) {
        case suiLeft:
            DrawSection(canvas, section, left + 1, h);
            left += section.Width();
            break;
        case suiRight:
            if (w - left >= section.Width()) {
                DrawSection(canvas, section, right - 1 - section.Width(), h);
                right -= section.Width();
            }
            break;
        case suiClient:
            middle = &section;
            break;
        }
    }
    if (middle && !middle->Picture()->Empty())
        canvas.StretchDraw(Rect(left + 1, 0, right - 1, h), *middle->Picture()->Bitmap());
}

TsuiTitleBarLayout TsuiTitleBar::Layout(int width) const {
    TsuiTitleBarLayout layout;
    // Every button steps one pixel more than its picture is wide (the gap to its right-hand
    // neighbour); the first step's gap lies just beyond the bar, so the first button ends flush.
    int right = width + 1 + rightBtnXOffset_;
    int controlBox = kNoButton;
    for (int i = 0; i < buttons_->Count(); ++i) {
        const TsuiTitleBarButton& button = *buttons_->Items(i);
        if (!button.Visible())
            continue;
        if (button.ButtonType() == suiControlBox) {
            controlBox = i;
            continue;
        }
        right -= button.PicNormal()->Width() + 1 + buttonInterval_;
        layout.Buttons.push_back({i, right});
    }
    int left = leftBtnXOffset_;
    if (controlBox != kNoButton) {
        layout.Buttons.push_back({controlBox, left});
        left += drawAppIcon_ ? SkinMetrics::TitleBar::kAppIconAdvance
                             : buttons_->Items(controlBox)->PicNormal()->Width() +
                                   SkinMetrics::TitleBar::kControlBoxGap;
    }
    layout.CaptionLeft = left == 0 ? SkinMetrics::TitleBar::kBareCaptionLeft : left;
    layout.CaptionRight = right;
    return layout;
}

// Buttons, the control box or program icon, then the caption between them. Finds the button
// under the cursor on the way.
void TsuiTitleBar::DrawButtonsAndCaption(TBitmap& buffer) {
    TCanvas& canvas = buffer.Canvas();
    const TPoint cursor = ScreenToClient(GetCursorPos());
    const TsuiTitleBarLayout layout = Layout(buffer.Width());
    hotButtonIndex_ = kNoButton;
    for (const TsuiTitleBarLayout::Place& place : layout.Buttons) {
        const TsuiTitleBarButton& button = *buttons_->Items(place.Index);
        const TRect rect = Rect(place.X, button.Top(), place.X + button.PicNormal()->Width(),
                                button.Top() + button.PicNormal()->Height());
        const bool hot = PointInRectInclusive(cursor, rect);
        if (hot)
            hotButtonIndex_ = place.Index;
        if (button.ButtonType() == suiControlBox && drawAppIcon_) {
            TIcon icon;
            icon.LoadFromResourceName(QLatin1String(kAppIconResource));
            icon.Draw(canvas, place.X + SkinMetrics::TitleBar::kAppIconInset, button.Top(),
                      SkinMetrics::TitleBar::kAppIconSize);
        } else {
            DrawButtonPicture(canvas, button, place.X, hot);
        }
    }
    DrawCaption(canvas, layout.CaptionLeft, layout.CaptionRight);
}

// Through a scratch bitmap of the normal picture's size, which leaves out the colour of its
// bottom-left pixel when the button is transparent.
void TsuiTitleBar::DrawButtonPicture(TCanvas& canvas, const TsuiTitleBarButton& button, int x,
                                     bool hot) const {
    const TPicture& normal = *button.PicNormal();
    if (normal.Empty())
        return;
    const TPicture& chosen = !hot       ? normal
                             : pressed_ ? *button.PicMouseDown()
                                        : *button.PicMouseOn();
    TBitmap scratch;
    scratch.SetSize(normal.Width(), normal.Height());
    if (!chosen.Empty())
        scratch.Canvas().Draw(0, 0, *chosen.Bitmap());
    scratch.SetTransparent(button.Transparent());
    canvas.Draw(x, button.Top(), scratch);
}

void TsuiTitleBar::DrawCaption(TCanvas& canvas, int left, int right) const {
    canvas.Font().SetColor(formActive_ ? Font()->Color() : clInactiveCaption);
    const QString text = FittedCaption(canvas, caption_, right - left);
    if (text.isEmpty())
        return;
    const int y = (captionBoxHeight_ - canvas.TextHeight(text)) / 2 + captionTop_;
    canvas.TextOut(left, y, text);
}

// ---- mouse ----

void TsuiTitleBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomPanel::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft)
        return;
    pressed_ = true;
    Repaint(); // finds the button under the cursor before anything reads it
    TCustomForm* form = ContainingForm();
    if (hotButtonIndex_ != kNoButton || !form || IsMaximized(*form))
        return;
    const QPointer<TsuiTitleBar> alive(this);
    ReleaseCapture();
    // Returns when the move ends, or at once where the window system runs it on its own.
    form->Perform(WM_NCLBUTTONDOWN, HTCAPTION, 0);
    if (alive)
        pressed_ = false;
}

void TsuiTitleBar::MouseMove(TShiftState shift, int x, int y) {
    TCustomPanel::MouseMove(shift, x, y);
    Repaint();
}

void TsuiTitleBar::MouseLeave() {
    TCustomPanel::MouseLeave();
    Repaint();
}

void TsuiTitleBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomPanel::MouseUp(button, shift, x, y);
    if (button != TMouseButton::mbLeft)
        return;
    const QPointer<TsuiTitleBar> alive(this);
    if (hotButtonIndex_ != kNoButton && hotButtonIndex_ < buttons_->Count())
        ClickButton(hotButtonIndex_);
    if (!alive)
        return; // the action closed and destroyed the window
    pressed_ = false;
    Repaint();
}

void TsuiTitleBar::ClickButton(int index) {
    TsuiTitleBarButton& button = *buttons_->Items(index);
    if (button.ButtonType() == suiControlBox && !button.ControlBoxMenu()) {
        PopupSystemMenuBelow();
        return;
    }
    const QPointer<TsuiTitleBar> alive(this);
    const TsuiTitleBarBtnType type = button.ButtonType();
    button.PerformAction();
    if (!alive)
        return;
    if (OnCustomBtnsClick && type == suiCustom)
        OnCustomBtnsClick(this, index);
    else if (OnHelpBtnClick && type == suiHelp)
        OnHelpBtnClick(this, index);
}

void TsuiTitleBar::DblClick() {
    TCustomPanel::DblClick();
    if (hotButtonIndex_ == kNoButton) {
        MaximizeOrRestore();
        return;
    }
    if (hotButtonIndex_ < buttons_->Count() &&
        buttons_->Items(hotButtonIndex_)->ButtonType() == suiControlBox)
        if (TCustomForm* form = ContainingForm())
            form->Close();
}

void TsuiTitleBar::MaximizeOrRestore() {
    if (TsuiTitleBarButton* button = buttons_->FirstOfType(suiMax))
        button->PerformAction();
}

// ---- messages ----

void TsuiTitleBar::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_NCHITTEST:
        TCustomPanel::WndProc(message);
        message.Result = HitTest(message.LParam, message.Result);
        return;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCMOUSEMOVE:
        // Over the top-edge handles: the form moves its edge.
        if (TCustomForm* form = ContainingForm()) {
            message.Result = form->Perform(message.Msg, message.WParam, message.LParam);
            return;
        }
        break;
    default:
        break;
    }
    TCustomPanel::WndProc(message);
}

// Without a skinned frame under it the bar answers no resize band.
LRESULT TsuiTitleBar::HitTest(LPARAM screenPoint, LRESULT answer) const {
    const TCustomForm* form = ContainingForm();
    if (!form)
        return answer;
    const auto* host = dynamic_cast<const TsuiTitleBarHost*>(Parent());
    const TFormBorderStyle design = host ? host->DesignBorderStyle() : TFormBorderStyle::bsNone;
    const TPoint p = ScreenToClient({GetXLParam(screenPoint), GetYLParam(screenPoint)});
    return ResizeBandHitTest(*form, design, p, answer, TResizeBands::TopEdge);
}

// ---- accessibility ----

int TsuiTitleBar::AccessiblePartCount() const {
    return static_cast<int>(Layout(Width()).Buttons.size());
}

QString TsuiTitleBar::AccessiblePartName(int index) const {
    const auto place = AccessiblePlace(index);
    if (!place)
        return {};
    const TsuiTitleBarBtnType type = buttons_->Items(place->Index)->ButtonType();
    if (type == suiMax && FormMaximized())
        return QString::fromUtf16(kRestoreName);
    return QString::fromUtf16(kButtonNames[static_cast<int>(type)]);
}

TRect TsuiTitleBar::AccessiblePartRect(int index) const {
    const auto place = AccessiblePlace(index);
    if (!place)
        return {};
    const TsuiTitleBarButton& button = *buttons_->Items(place->Index);
    return Bounds(place->X, button.Top(), button.PicNormal()->Width(),
                  button.PicNormal()->Height());
}

void TsuiTitleBar::PressAccessiblePart(int index) {
    if (const auto place = AccessiblePlace(index))
        ClickButton(place->Index);
}

// Laid out afresh at every question: the buttons may have changed since a tool counted them.
std::optional<TsuiTitleBarLayout::Place> TsuiTitleBar::AccessiblePlace(int index) const {
    const std::vector<TsuiTitleBarLayout::Place> places = Layout(Width()).Buttons;
    if (index < 0 || index >= static_cast<int>(places.size()))
        return std::nullopt;
    return places[static_cast<std::size_t>(index)];
}

void TsuiTitleBar::FontChanged() {
    TCustomPanel::FontChanged();
    Invalidate();
}

void TsuiTitleBar::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomPanel::Notification(AComponent, Operation);
    if (DropRemovedFileTheme(fileTheme_, AComponent, Operation))
        SetUIStyle(TsuiUIStyle::DeepBlue);
}
