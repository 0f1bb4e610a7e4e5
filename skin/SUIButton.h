// The skinned push buttons. A button draws its style's ButtonImage strip (normal, mouse-on and
// pressed frames) stretched to its size with the corners kept, then a caption and a focus mark;
// while the left mouse button is held on it, it raises OnMouseContinuouslyDown at a fixed
// interval. TsuiButton adds a glyph beside the caption and follows its style's transparency.
#pragma once

#include "framework/controls/TCustomPushButton.h"
#include "framework/graphics/TBitmap.h"
#include "framework/menus/TPopupMenu.h"
#include "skin/SUIMgr.h"
#include "skin/SUIThemes.h"

#include <memory>

class TTimer;

// Where a glyph stands relative to the caption; stored by name in form descriptions.
namespace SUIButtonLayouts {
Q_NAMESPACE
enum class TButtonLayout : std::uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
Q_ENUM_NS(TButtonLayout)
} // namespace SUIButtonLayouts
using SUIButtonLayouts::TButtonLayout;

// Both classes publish in the order a stored button lists its values.
class TsuiCustomButton : public TCustomPushButton {
    Q_OBJECT
    Q_PROPERTY(Framework::TBiDiMode BiDiMode READ BiDiMode WRITE SetBiDiMode)
    Q_PROPERTY(Framework::TAnchors Anchors READ Anchors WRITE SetAnchors)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(TFont* Font READ Font)
    Q_PROPERTY(TPopupMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint)
    Q_PROPERTY(bool ParentBiDiMode READ ParentBiDiMode WRITE SetParentBiDiMode)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
public:
    explicit TsuiCustomButton(TComponent* AOwner);
    ~TsuiCustomButton() override;

    // Sizes the button from its style's strip: one frame wide, the strip's height.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    // Escape clicks the button.
    bool Cancel() const { return cancel_; }
    void SetCancel(bool cancel) { cancel_ = cancel; }
    // Enter clicks the button. Setting it tells the form where the focus is, so that every
    // control re-evaluates how it shows.
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    // The parent's background shows under the button's transparent pixels instead of Color.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    // Copied to the parent form on every click, 0 included.
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    TsuiUIStyle UIStyle() const { return uiStyle_; }
    void SetUIStyle(TsuiUIStyle style);
    // Stores the theme, then applies the current style again. Not owned; dropped (and the style
    // turned DeepBlue) when the theme is destroyed.
    TsuiFileTheme* FileTheme() const { return fileTheme_; }
    void SetFileTheme(TsuiFileTheme* theme);
    // Milliseconds between two OnMouseContinuouslyDown; 0 or less raises none.
    int MouseContinuouslyDownInterval() const { return repeatInterval_; }
    void SetMouseContinuouslyDownInterval(int ms) { repeatInterval_ = ms; }
    // Inset of the dotted focus rectangle from every edge.
    int FocusedRectMargin() const { return focusedRectMargin_; }
    void SetFocusedRectMargin(int margin);

    // Every click, the user's or the program's: the button shows released, takes the focus if
    // it is a tab stop that can take it, gives the parent form its modal result, then runs
    // OnClick (or the action).
    void Click() override;
    void WndProc(TMessage& message) override;
    bool BindEvent(const QByteArray& name, const TMethod& method) override;

    TNotifyEvent OnMouseExit;
    TNotifyEvent OnMouseContinuouslyDown;

protected:
    virtual void ApplyAutoSize();
    // After every assignment of UIStyle or FileTheme.
    virtual void UIStyleChanged() {}
    // The state image unscaled at (0, 0); greyed when disabled.
    virtual void DrawStateImage(TCanvas& canvas, const TBitmap& image);
    // Centred on one line; white then grey when disabled, one pixel right and down when pressed.
    virtual void DrawCaption(TCanvas& canvas, const QString& text);
    // The dotted focus rectangle, FocusedRectMargin inside the edges.
    virtual void DrawFocusMark(TCanvas& canvas);

    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    // Shown pressed: by the held left button or by Space or Enter.
    bool ShownPressed() const { return mouseDown_; }
    // The caption of the paint under way is drawn bold.
    void SetBoldCaption() { boldCaption_ = true; }

private:
    // The frame of the state in force, or a blank image when it cannot be loaded.
    void LoadStateImage(TBitmap& image) const;
    void Release();
    void StartRepeating();
    void StopRepeating();
    bool ClicksOnDialogKey(const TMessage& message) const;
    void KeyPressed(TMessage& message);
    void KeyReleased(TMessage& message);

    bool autoSize_ = false;
    bool cancel_ = false;
    bool default_ = false;
    bool transparent_ = false;
    TModalResult modalResult_ = mrNone;
    TsuiUIStyle uiStyle_ = TsuiUIStyle::DeepBlue;
    TsuiFileTheme* fileTheme_ = nullptr; // not owned
    bool boldCaption_ = false;
    // Repeats OnMouseContinuouslyDown while enabled; kept between presses and stopped rather
    // than destroyed, since a tick's own handler may end the repeat.
    std::unique_ptr<TTimer> repeatTimer_;
    int repeatInterval_ = 100;
    int focusedRectMargin_ = 2;
    bool mouseIn_ = false;
    bool mouseDown_ = false;
};

class TsuiButton : public TsuiCustomButton {
    Q_OBJECT
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(SUIThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(TAction* Action READ Action WRITE SetAction)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(TFont* Font READ Font)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(int FocusedRectMargin READ FocusedRectMargin WRITE SetFocusedRectMargin)
    Q_PROPERTY(TBitmap* Glyph READ Glyph)
    Q_PROPERTY(SUIButtonLayouts::TButtonLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
    Q_PROPERTY(int MouseContinuouslyDownInterval READ MouseContinuouslyDownInterval WRITE
                   SetMouseContinuouslyDownInterval)
    Q_PROPERTY(uint ResHandle READ ResHandle WRITE SetResHandle)
public:
    explicit TsuiButton(TComponent* AOwner);

    // One image, or two side by side (enabled, disabled) when exactly twice as wide as high.
    // Owned; any change of its pixels repaints the button.
    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(const TBitmap& glyph) { glyph_->Assign(glyph); }
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout);
    // Pixels between the glyph and the caption.
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);
    // Kept for stored form descriptions: always 0, and writes are ignored.
    uint ResHandle() const { return 0; }
    void SetResHandle(uint) {}

protected:
    // Transparent follows the style's ButtonTransparentBool.
    void UIStyleChanged() override;
    void DrawStateImage(TCanvas& canvas, const TBitmap& image) override;
    void DrawCaption(TCanvas& canvas, const QString& text) override;
    // MacOS and BlueGlass show focus by a bold caption; the other styles by the dotted frame.
    void DrawFocusMark(TCanvas& canvas) override;
    // Without a glyph of its own, the button shows the action's picture.
    void ActionChange(TAction* sender, bool checkDefaults) override;

private:
    void DrawGlyph(TCanvas& canvas, TPoint at) const;

    std::unique_ptr<TBitmap> glyph_;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    TPoint captionOrigin_; // worked out in each paint that shows a glyph
    int spacing_ = 4;
};
