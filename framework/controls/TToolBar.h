// A bar of tool buttons, laid out left to right in their index order at the bar's ButtonHeight,
// each ButtonWidth wide or as wide as its caption. It paints its buttons itself: custom-draw
// handlers may paint the background and each button on the bar's Canvas, and the bar's own
// look follows wherever a handler leaves DefaultDraw set. A button linked to a menu item drops
// its sub-menu down under itself, and while that menu is open the pointer moving onto another
// button of the same group switches to that one's menu, as a menu bar does.
#pragma once

#include "framework/controls/TCustomControl.h"
#include "framework/controls/TImageList.h"
#include "framework/controls/TToolButton.h"

#include <QPointer>
#include <functional>
#include <vector>

class TPopupMenuWindow;

// ARect is the bar's client rectangle; clearing DefaultDraw leaves out the bar's edges.
using TToolBarCustomDrawEvent =
    std::function<void(TObject* Sender, const TRect& ARect, bool& DefaultDraw)>;
// The button's rectangle is its BoundsRect on the bar's canvas; clearing DefaultDraw leaves out
// the bar's own drawing of the button.
using TToolBarCustomDrawButtonEvent = std::function<void(
    TObject* Sender, TToolButton* Button, TCustomDrawState State, bool& DefaultDraw)>;

class TToolBar : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
    Q_PROPERTY(bool ShowCaptions READ ShowCaptions WRITE SetShowCaptions)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(int ButtonHeight READ ButtonHeight WRITE SetButtonHeight)
    Q_PROPERTY(int ButtonWidth READ ButtonWidth WRITE SetButtonWidth)
    Q_PROPERTY(TImageList* Images READ Images WRITE SetImages)
    Q_PROPERTY(TEdgeBorders EdgeBorders READ EdgeBorders WRITE SetEdgeBorders)
public:
    enum TEdgeBorder { ebLeft = 0x1, ebTop = 0x2, ebRight = 0x4, ebBottom = 0x8 };
    Q_DECLARE_FLAGS(TEdgeBorders, TEdgeBorder)
    Q_FLAG(TEdgeBorders)

    explicit TToolBar(TComponent* AOwner);
    ~TToolBar() override;

    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    TToolButton* Buttons(int index) const;

    // Buttons are framed only while the pointer is over them or they are pressed; otherwise
    // every button shows a raised frame.
    bool Flat() const { return flat_; }
    void SetFlat(bool flat);
    bool ShowCaptions() const { return showCaptions_; }
    void SetShowCaptions(bool show);
    // The bar's height follows ButtonHeight and its edges.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    // Both raise EComponentError for a size below one pixel.
    int ButtonHeight() const { return buttonHeight_; }
    void SetButtonHeight(int height);
    int ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int width);
    // Not owned; dropped when the list is destroyed.
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    // Etched lines along the chosen sides, inside which the buttons lie.
    TEdgeBorders EdgeBorders() const { return edgeBorders_; }
    void SetEdgeBorders(TEdgeBorders borders);

    // The button whose drop-down menu is open, or null.
    TToolButton* DroppedButton() const { return dropped_; }

    bool BindEvent(const QByteArray& name, const TMethod& method) override;

    TToolBarCustomDrawEvent OnCustomDraw;
    TToolBarCustomDrawButtonEvent OnCustomDrawButton;

protected:
    void Paint() override;
    bool TakesFocusOnClick() const override { return false; }
    void AdjustClientRect(TRect& rect) const override;
    void AlignControls(TRect& rect) override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // Watches the open drop-down menu: its closing, and the pointer it has taken.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class TToolButton;
    void InsertButton(TToolButton* button);
    void RemoveButton(TToolButton* button);
    int ButtonWidthOf(const TToolButton& button) const;
    void PaintButton(TCanvas& canvas, TToolButton* button);
    // The buttons of `button`'s group: it and its grouped neighbours.
    std::vector<TToolButton*> GroupOf(const TToolButton* button) const;
    // Drops the linked item's sub-menu down under the button and follows it until it closes.
    void TrackMenu(TToolButton* button);
    void EndTracking();
    // The grouped menu button under a screen point, other than the dropped one, or null.
    TToolButton* MenuButtonAt(QPoint screen) const;

    std::vector<TToolButton*> buttons_; // in index order; owned by their owners
    bool flat_ = false;
    bool showCaptions_ = false;
    bool autoSize_ = false;
    int buttonHeight_ = 22;
    int buttonWidth_ = 23;
    TImageList* images_ = nullptr; // not owned
    TEdgeBorders edgeBorders_ = ebTop;
    TToolButton* dropped_ = nullptr;        // while its menu is open
    QPointer<TPopupMenuWindow> dropWindow_; // that menu's window
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TToolBar::TEdgeBorders)
