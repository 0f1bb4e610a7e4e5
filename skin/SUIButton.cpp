#include "skin/SUIButton.h"

#include "framework/controls/TButton.h"
#include "framework/controls/TImageList.h"
#include "framework/core/TCustomForm.h"
#include "framework/core/TTimer.h"
#include "framework/forms/ClassRegistry.h"
#include "framework/graphics/DrawTextFlags.h"
#include "framework/graphics/TCanvas.h"
#include "skin/SUIPublic.h"

#include <algorithm>
#include <vector>

REGISTER_COMPONENT_CLASS(TsuiButton)

namespace {

// The ButtonImage strip holds three state frames; disabled shows the normal one.
constexpr int kStateFrameCount = 3;
constexpr int kNormalFrame = 1;
constexpr int kMouseOnFrame = 2;
constexpr int kPressedFrame = 3;
constexpr int kDisabledFrame = kNormalFrame;
// A disabled caption: a white copy one pixel right and down under the grey text.
constexpr TColor kDisabledHighlight = 0xFFFFFF;
constexpr TColor kDisabledText = 0x808080;
constexpr unsigned kCentredCaption = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr unsigned kPlacedCaption = DT_LEFT | DT_TOP | DT_SINGLELINE;

// Draws the white copy of a disabled caption in `shadow` and leaves the font grey for the text
// itself.
void DrawDisabledShadow(TCanvas& canvas, const QString& text, TRect shadow, unsigned flags) {
    canvas.Font().SetColor(kDisabledHighlight);
    canvas.DrawText(text, shadow, flags);
    canvas.Font().SetColor(kDisabledText);
}

// Image `index` of the `width`-wide images laid side by side in `strip`, its top-left corner at
// `at`, leaving out `maskColor`; greyed as the platform greys disabled pictures.
void DrawStripImage(TCanvas& canvas, const TBitmap& strip, int width, int index, TPoint at,
                    TColor maskColor, bool greyed) {
    TImageList images(nullptr);
    images.SetWidth(width);
    images.SetHeight(strip.Height());
    images.AddMasked(strip, maskColor);
    images.Draw(canvas, at.X, at.Y, index, !greyed);
}

struct GlyphMeasures {
    int W, H;   // the button
    int tw, th; // the caption in the button's font
    int gw, gh; // one image of the glyph
    int S;      // Spacing
};
struct GlyphPlacement {
    TPoint Glyph;
    TPoint Caption;
};

// Glyph and caption centred together; the halves truncate toward zero as C++ division does.
GlyphPlacement PlaceGlyph(TButtonLayout layout, const GlyphMeasures& m) {
    switch (layout) {
    case TButtonLayout::blGlyphRight: {
        const TPoint g{(m.W + m.tw + m.S - m.gw) / 2, (m.H - m.gh) / 2};
        return {g, {g.X - m.tw - m.S, (m.H - m.th) / 2}};
    }
    case TButtonLayout::blGlyphTop: {
        const TPoint g{(m.W - m.gw) / 2, (m.H - (m.th + m.gh + m.S)) / 2};
        return {g, {(m.W - m.tw) / 2, g.Y + m.gh + m.S}};
    }
    case TButtonLayout::blGlyphBottom: {
        const TPoint g{(m.W - m.gw) / 2, (m.H + m.th + m.S - m.gh) / 2};
        return {g, {(m.W - m.tw) / 2, g.Y - m.th - m.S}};
    }
    case TButtonLayout::blGlyphLeft:
        break;
    }
    const TPoint g{(m.W - (m.tw + m.gw + m.S)) / 2, (m.H - m.gh) / 2};
    return {g, {g.X + m.gw + m.S, (m.H - m.th) / 2}};
}

// A glyph exactly twice as wide as high holds an enabled and a disabled image.
bool HoldsTwoImages(const TBitmap& glyph) {
    return glyph.Width() == 2 * glyph.Height();
}

// The windowed control holding the focus on `form`, if any.
TWinControl* FocusedControlOn(TWinControl& form) {
    std::vector<TWinControl*> controls;
    form.GetTabOrderList(controls);
    const auto focused =
        std::find_if(controls.begin(), controls.end(), [](TWinControl* c) { return c->Focused(); });
    return focused == controls.end() ? nullptr : *focused;
}

bool IsPressKey(WPARAM key) {
    return key == VK_SPACE || key == VK_RETURN;
}

} // namespace

TsuiCustomButton::TsuiCustomButton(TComponent* AOwner) : TCustomPushButton(AOwner) {
    // A quick second press is a second click; the whole face is painted here, so nothing
    // erases it first.
    SetControlStyle(ControlStyle()
                        .setFlag(TControlStyleFlag::csAcceptsControls, false)
                        .setFlag(TControlStyleFlag::csDoubleClicks, false)
                        .setFlag(TControlStyleFlag::csOpaque, true));
    SetTabStop(true);
    SetUIStyle(GetOwnerFormStyle(AOwner));
}

TsuiCustomButton::~TsuiCustomButton() = default;

void TsuiCustomButton::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    ApplyAutoSize();
    Invalidate();
}

void TsuiCustomButton::SetDefault(bool isDefault) {
    default_ = isDefault;
    auto* form = qobject_cast<TCustomForm*>(TopLevelControl());
    if (!HandleAllocated() || !Parent() || !form)
        return;
    form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(FocusedControlOn(*form)));
}

void TsuiCustomButton::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Invalidate();
}

void TsuiCustomButton::SetUIStyle(TsuiUIStyle style) {
    uiStyle_ = style;
    UIStyleChanged();
    Invalidate();
}

void TsuiCustomButton::SetFileTheme(TsuiFileTheme* theme) {
    SetReference(fileTheme_, theme);
    SetUIStyle(uiStyle_);
}

void TsuiCustomButton::SetFocusedRectMargin(int margin) {
    focusedRectMargin_ = margin;
    Invalidate();
}

void TsuiCustomButton::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomPushButton::Notification(AComponent, Operation);
    if (DropRemovedFileTheme(fileTheme_, AComponent, Operation))
        SetUIStyle(TsuiUIStyle::DeepBlue);
}

// The built-in style's strip only: a file theme is never asked, so FromThemeFile finds nothing
// and takes the blank image's size.
void TsuiCustomButton::ApplyAutoSize() {
    if (!autoSize_)
        return;
    TBitmap strip;
    GetStyleBitmap(uiStyle_, SUI_THEME_BUTTON_IMAGE, &strip);
    const int width = strip.Empty() ? SkinMetrics::Button::kBlankPictureWidth : strip.Width();
    const int height = strip.Empty() ? SkinMetrics::Button::kBlankPictureHeight : strip.Height();
    SetBounds(Left(), Top(), width / kStateFrameCount, height);
}

void TsuiCustomButton::LoadStateImage(TBitmap& image) const {
    const int frame = !Enabled()   ? kDisabledFrame
                      : mouseDown_ ? kPressedFrame
                      : mouseIn_   ? kMouseOnFrame
                                   : kNormalFrame;
    try {
        ThemeFrame(fileTheme_, uiStyle_, SUI_THEME_BUTTON_IMAGE, &image, kStateFrameCount, frame);
    } catch (const std::exception&) {
        // A missing picture never stops the paint.
        image.SetSize(0, 0);
        image.SetSize(SkinMetrics::Button::kBlankPictureWidth,
                      SkinMetrics::Button::kBlankPictureHeight);
    }
}

// Everything is drawn off screen and copied once, so hovering and pressing never flicker.
void TsuiCustomButton::Paint() {
    boldCaption_ = false;
    TBitmap buffer;
    buffer.SetSizeFor(Canvas(), Width(), Height());
    TCanvas& canvas = buffer.Canvas();
    if (transparent_)
        DrawParentBackground(canvas, *this);
    else
        FillRectColor(canvas, ClientRect(), Color());
    TBitmap stateImage;
    LoadStateImage(stateImage);
    DrawStateImage(canvas, stateImage);
    if (Focused() && TabStop())
        DrawFocusMark(canvas);
    canvas.Font().Assign(Font());
    if (!Caption().trimmed().isEmpty())
        DrawCaption(canvas, Caption());
    Canvas().Draw(0, 0, buffer);
}

void TsuiCustomButton::DrawStateImage(TCanvas& canvas, const TBitmap& image) {
    if (image.Empty())
        return;
    if (Enabled() && !transparent_) {
        canvas.Draw(0, 0, image);
        return;
    }
    // clNone matches no pixel, so an opaque image is greyed whole.
    DrawStripImage(canvas, image, image.Width(), 0, {}, transparent_ ? image.Pixels(0, 0) : clNone,
                   !Enabled());
}

void TsuiCustomButton::DrawCaption(TCanvas& canvas, const QString& text) {
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    if (boldCaption_)
        canvas.Font().SetStyle(canvas.Font().Style() | Framework::fsBold);
    TRect rect = ClientRect();
    if (!Enabled())
        DrawDisabledShadow(canvas, text, Offset(rect, 1, 1), kCentredCaption);
    else if (mouseDown_)
        rect = Offset(rect, 1, 1);
    canvas.DrawText(text, rect, kCentredCaption);
    boldCaption_ = false;
}

void TsuiCustomButton::DrawFocusMark(TCanvas& canvas) {
    const int m = focusedRectMargin_;
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.DrawFocusRect(Rect(m, m, ClientWidth() - m, ClientHeight() - m));
}

void TsuiCustomButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        mouseDown_ = true;
        StartRepeating();
        Invalidate();
    }
    TCustomPushButton::MouseDown(button, shift, x, y);
}

// Leaving the rectangle with the button held shows the button released; the repeat goes on
// until the cursor leaves the window or the button is released.
void TsuiCustomButton::MouseMove(TShiftState shift, int x, int y) {
    TCustomPushButton::MouseMove(shift, x, y);
    if (x < 0 || y < 0 || x > Width() || y > Height()) {
        mouseIn_ = false;
        mouseDown_ = false;
        Invalidate();
    }
}

void TsuiCustomButton::MouseEnter() {
    if (IsDesigning())
        return;
    mouseIn_ = true;
    Invalidate();
    TCustomPushButton::MouseEnter();
}

void TsuiCustomButton::MouseLeave() {
    TCustomPushButton::MouseLeave();
    mouseIn_ = false;
    Release();
    if (OnMouseExit)
        OnMouseExit(this);
}

void TsuiCustomButton::Release() {
    mouseDown_ = false;
    StopRepeating();
    Invalidate();
}

void TsuiCustomButton::StartRepeating() {
    if (repeatTimer_ && repeatTimer_->Enabled())
        return; // a press while it runs makes no second one
    if (!repeatTimer_) {
        repeatTimer_ = std::make_unique<TTimer>(nullptr);
        repeatTimer_->OnTimer = [this](TObject*) {
            if (OnMouseContinuouslyDown)
                OnMouseContinuouslyDown(this);
        };
    }
    repeatTimer_->SetEnabled(false);
    repeatTimer_->SetInterval(std::max(repeatInterval_, 0));
    repeatTimer_->SetEnabled(true);
}

void TsuiCustomButton::StopRepeating() {
    if (repeatTimer_)
        repeatTimer_->SetEnabled(false);
}

void TsuiCustomButton::Click() {
    if (mouseDown_)
        Release();
    if (TabStop() && CanFocus())
        SetFocus();
    if (auto* form = qobject_cast<TCustomForm*>(TopLevelControl()); form && Parent())
        form->SetModalResult(modalResult_);
    TCustomPushButton::Click();
}

void TsuiCustomButton::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_KEYDOWN:
        KeyPressed(message);
        return;
    case WM_KEYUP:
        KeyReleased(message);
        return;
    case CM_DIALOGCHAR:
        // After the base's handling this button alone answers; a hidden one clicks nothing.
        TCustomPushButton::WndProc(message);
        message.Result = 0;
        ClickOnDialogMessage(*this, message, default_, cancel_);
        return;
    case CM_DIALOGKEY:
        if (ClickOnDialogMessage(*this, message, default_, cancel_))
            return;
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_FOCUSCHANGED:
        Invalidate();
        break;
    default:
        break;
    }
    TCustomPushButton::WndProc(message);
}

// Space and Enter press the focused button unless something took the key first: a handler, or
// the form's default or cancel button for Enter.
void TsuiCustomButton::KeyPressed(TMessage& message) {
    TCustomPushButton::WndProc(message);
    if (message.Result == 0 && IsPressKey(message.WParam) && Focused() && Enabled()) {
        mouseDown_ = true;
        Invalidate();
    }
}

void TsuiCustomButton::KeyReleased(TMessage& message) {
    TCustomPushButton::WndProc(message);
    if (IsPressKey(message.WParam) && Focused() && mouseDown_ && Enabled()) {
        Release();
        Click();
    }
}

bool TsuiCustomButton::BindEvent(const QByteArray& name, const TMethod& method) {
    static const TEventTable<TsuiCustomButton> kEvents{
        EventBinding("OnMouseExit", &TsuiCustomButton::OnMouseExit),
        EventBinding("OnMouseContinuouslyDown", &TsuiCustomButton::OnMouseContinuouslyDown),
    };
    return kEvents.Bind(*this, name, method) || TCustomPushButton::BindEvent(name, method);
}

TsuiButton::TsuiButton(TComponent* AOwner)
    : TsuiCustomButton(AOwner), glyph_(std::make_unique<TBitmap>()) {
    glyph_->OnChange = [this] { Invalidate(); };
    // The base applied the style before this class could follow it.
    UIStyleChanged();
    SetBounds(Left(), Top(), SkinMetrics::Button::kWidth, SkinMetrics::Button::kHeight);
}

void TsuiButton::SetLayout(TButtonLayout layout) {
    layout_ = layout;
    Invalidate();
}

void TsuiButton::SetSpacing(int spacing) {
    spacing_ = spacing;
    Invalidate();
}

void TsuiButton::UIStyleChanged() {
    SetTransparent(ThemeBool(FileTheme(), UIStyle(), SUI_THEME_BUTTON_TRANSPARENT_BOOL));
}

void TsuiButton::DrawStateImage(TCanvas& canvas, const TBitmap& image) {
    canvas.Font().Assign(Font());
    DrawCornerStretched(image, canvas, ClientRect(), Transparent());
    if (glyph_->Empty())
        return;
    const int gh = glyph_->Height();
    const int gw = HoldsTwoImages(*glyph_) ? gh : glyph_->Width();
    const GlyphPlacement at = PlaceGlyph(layout_, {Width(), Height(), canvas.TextWidth(Caption()),
                                                   canvas.TextHeight(Caption()), gw, gh, spacing_});
    captionOrigin_ = at.Caption;
    const int pressed = ShownPressed() ? 1 : 0;
    DrawGlyph(canvas, {at.Glyph.X + pressed, at.Glyph.Y + pressed});
}

// Its top-left pixel's colour is left out. A second image is the disabled picture, drawn as
// it is; a single image is greyed instead.
void TsuiButton::DrawGlyph(TCanvas& canvas, TPoint at) const {
    const TColor mask = glyph_->Pixels(0, 0);
    if (HoldsTwoImages(*glyph_))
        DrawStripImage(canvas, *glyph_, glyph_->Height(), Enabled() ? 0 : 1, at, mask, false);
    else
        DrawStripImage(canvas, *glyph_, glyph_->Width(), 0, at, mask, !Enabled());
}

void TsuiButton::DrawCaption(TCanvas& canvas, const QString& text) {
    if (glyph_->Empty())
        return TsuiCustomButton::DrawCaption(canvas, text);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    TPoint origin = captionOrigin_;
    if (!Enabled())
        DrawDisabledShadow(canvas, text, Rect(origin.X + 1, origin.Y + 1, Width(), Height()),
                           kPlacedCaption);
    else if (ShownPressed())
        origin = {origin.X + 1, origin.Y + 1};
    TRect rect = Rect(origin.X, origin.Y, Width(), Height());
    canvas.DrawText(text, rect, kPlacedCaption);
}

void TsuiButton::DrawFocusMark(TCanvas& canvas) {
    if (UIStyle() == TsuiUIStyle::MacOS || UIStyle() == TsuiUIStyle::BlueGlass)
        SetBoldCaption();
    else
        TsuiCustomButton::DrawFocusMark(canvas);
}

void TsuiButton::ActionChange(TAction* sender, bool checkDefaults) {
    TsuiCustomButton::ActionChange(sender, checkDefaults);
    const TActionList* list = sender->ActionList();
    const TImageList* images = list ? list->Images() : nullptr;
    if (!glyph_->Empty() || !images)
        return;
    const int index = sender->ImageIndex();
    if (index >= 0 && index < images->Count())
        images->GetBitmap(index, *glyph_);
}
