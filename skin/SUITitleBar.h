// The skinned title bar: the top strip of a skinned window, drawn from a style's pictures (sections
// at both ends, buttons at the right, an optional control box or program icon at the left and
// the caption between them). It moves the window, runs its buttons' actions, maximises on a
// double click, offers resize handles along the top edge and owns the window's rounded region
// and minimum width. Its buttons, sections and system menu live here too.
#pragma once

#include "framework/controls/TCustomPanel.h"
#include "framework/core/TAccessibleParts.h"
#include "framework/core/TCollection.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TPicture.h"
#include "skin/SUIPopupMenu.h"
#include "skin/SUIThemes.h"

#include <QPointer>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class TCustomForm;
class TsuiTitleBar;

// Published so that form descriptions can store them by name ("ButtonType = suiClose").
namespace SUITitleBarTypes {
Q_NAMESPACE
enum class TsuiTitleBarBtnType : std::uint8_t {
    suiMax = 0,
    suiMin = 1,
    suiClose = 2,
    suiHelp = 3,
    suiControlBox = 4,
    suiCustom = 5,
};
Q_ENUM_NS(TsuiTitleBarBtnType)
enum class TsuiTitleBarAlign : std::uint8_t { suiLeft = 0, suiRight = 1, suiClient = 2 };
Q_ENUM_NS(TsuiTitleBarAlign)
} // namespace SUITitleBarTypes
using SUITitleBarTypes::TsuiTitleBarAlign;
using SUITitleBarTypes::TsuiTitleBarBtnType;
using enum SUITitleBarTypes::TsuiTitleBarBtnType;
using enum SUITitleBarTypes::TsuiTitleBarAlign;

// Sender is the bar; the index is the clicked button's in Buttons.
using TsuiTitleBarButtonClickEvent = std::function<void(TObject* Sender, int ButtonIndex)>;

// What the bar reads of the skinned frame it sits on; the frame implements it.
class TsuiTitleBarHost {
public:
    virtual ~TsuiTitleBarHost() = default;
    // The host form's border style before the frame made it borderless.
    virtual TFormBorderStyle DesignBorderStyle() const = 0;
};

class TsuiTitleBarButton : public TCollectionItem {
    Q_OBJECT
    Q_PROPERTY(SUIThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(SUITitleBarTypes::TsuiTitleBarBtnType ButtonType READ ButtonType WRITE SetButtonType)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(TPopupMenu* ControlBoxMenu READ ControlBoxMenu WRITE SetControlBoxMenu)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(TPicture* PicNormal READ PicNormal WRITE SetPicNormal)
    Q_PROPERTY(TPicture* PicMouseOn READ PicMouseOn WRITE SetPicMouseOn)
    Q_PROPERTY(TPicture* PicMouseDown READ PicMouseDown WRITE SetPicMouseDown)
public:
    explicit TsuiTitleBarButton(TCollection* collection);

    TsuiUIStyle UIStyle() const { return uiStyle_; }
    void SetUIStyle(TsuiUIStyle style);
    TsuiTitleBarBtnType ButtonType() const { return buttonType_; }
    // A second control box is refused with an error box and leaves the button as it was.
    void SetButtonType(TsuiTitleBarBtnType type);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    int Top() const { return top_; }
    void SetTop(int top);
    // Not owned; reads null once the menu is destroyed.
    TPopupMenu* ControlBoxMenu() const { return controlBoxMenu_; }
    void SetControlBoxMenu(TPopupMenu* menu) { controlBoxMenu_ = menu; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    TPicture* PicNormal() const { return picNormal_.get(); }
    void SetPicNormal(const TPicture* picture) { picNormal_->Assign(picture); }
    TPicture* PicMouseOn() const { return picMouseOn_.get(); }
    void SetPicMouseOn(const TPicture* picture) { picMouseOn_->Assign(picture); }
    TPicture* PicMouseDown() const { return picMouseDown_.get(); }
    void SetPicMouseDown(const TPicture* picture) { picMouseDown_->Assign(picture); }

    // The bar holding this button's collection, if any.
    TsuiTitleBar* TitleBar() const;
    // The built-in action of the button's type on the bar's containing form.
    void PerformAction();
    // Transparency, the three pictures and the top from the resolved style.
    void ApplyButtonStyle();
    // A maximise button shows the restore pictures while its form is maximised.
    void UpdateMaxPictures();
    void Assign(const TPersistent* source) override;

private:
    void LoadPictures(int firstFrame);
    bool AnotherHasType(TsuiTitleBarBtnType type) const;

    TsuiUIStyle uiStyle_ = TsuiUIStyle::DeepBlue;
    TsuiTitleBarBtnType buttonType_ = suiCustom;
    bool transparent_ = false;
    int top_ = 2;
    QPointer<TPopupMenu> controlBoxMenu_;
    bool visible_ = true;
    std::unique_ptr<TPicture> picNormal_;
    std::unique_ptr<TPicture> picMouseOn_;
    std::unique_ptr<TPicture> picMouseDown_;
};

class TsuiTitleBarSection : public TCollectionItem {
    Q_OBJECT
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(SUITitleBarTypes::TsuiTitleBarAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(TPicture* Picture READ Picture WRITE SetPicture)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
public:
    explicit TsuiTitleBarSection(TCollection* collection);

    bool AutoSize() const { return autoSize_; }
    // Either value takes the picture's width when there is a picture.
    void SetAutoSize(bool autoSize);
    int Width() const { return width_; }
    void SetWidth(int width);
    TsuiTitleBarAlign Align() const { return align_; }
    // A second middle section is refused with an error box; the middle one always stretches.
    void SetAlign(TsuiTitleBarAlign align);
    TPicture* Picture() const { return picture_.get(); }
    void SetPicture(const TPicture* picture) { picture_->Assign(picture); }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);

    void Assign(const TPersistent* source) override;

private:
    void PictureChanged();

    bool autoSize_ = false;
    int width_ = 10;
    TsuiTitleBarAlign align_ = suiLeft;
    std::unique_ptr<TPicture> picture_;
    bool stretch_ = false;
};

class TsuiTitleBarButtons : public TCollection {
    Q_OBJECT
public:
    explicit TsuiTitleBarButtons(TsuiTitleBar* bar);
    TsuiTitleBarButton* Items(int index) const;
    TsuiTitleBarButton* Add() { return static_cast<TsuiTitleBarButton*>(TCollection::Add()); }
    // Every button of `type`, in the collection's order, as the collection holds them now.
    std::vector<TsuiTitleBarButton*> OfType(TsuiTitleBarBtnType type) const;
    // The first button of `type`; null when there is none.
    TsuiTitleBarButton* FirstOfType(TsuiTitleBarBtnType type) const;
};

class TsuiTitleBarSections : public TCollection {
    Q_OBJECT
public:
    explicit TsuiTitleBarSections(TsuiTitleBar* bar);
    TsuiTitleBarSection* Items(int index) const;
    TsuiTitleBarSection* Add() { return static_cast<TsuiTitleBarSection*>(TCollection::Add()); }
};

// The bar's system menu: minimise, maximise/restore, a line and close, drawn by the skinned menu.
class TsuiTitleBarPopupMenu : public TsuiPopupMenu {
    Q_OBJECT
public:
    // The bar is the owner.
    explicit TsuiTitleBarPopupMenu(TsuiTitleBar* bar);
    TsuiTitleBar* TitleBar() const { return bar_; }
    // Enables each command while the bar has a button of its kind, visible or not, then opens.
    void Popup(int x, int y) override;

private:
    void Minimize();
    void MaximizeOrRestore();
    void CloseForm();

    TsuiTitleBar* bar_;
};

// Where the visible buttons of a bar sit: the right-hand ones from the right end leftwards, then
// the control box at the left end; and the room left for the caption.
struct TsuiTitleBarLayout {
    struct Place {
        int Index; // in Buttons
        int X;
    };
    std::vector<Place> Buttons;
    int CaptionLeft = 0;
    int CaptionRight = 0;
};

// Accessibility tools see the visible buttons as push buttons named after their action.
class TsuiTitleBar : public TCustomPanel, public TAccessibleParts {
    Q_OBJECT
    Q_PROPERTY(bool Custom READ Custom WRITE SetCustom)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(SUIThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(TsuiTitleBarSections* Sections READ Sections WRITE SetSections)
    Q_PROPERTY(TsuiTitleBarButtons* Buttons READ Buttons WRITE SetButtons)
    Q_PROPERTY(int ButtonInterval READ ButtonInterval WRITE SetButtonInterval)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool FormActive READ FormActive WRITE SetFormActive)
    Q_PROPERTY(int LeftBtnXOffset READ LeftBtnXOffset WRITE SetLeftBtnXOffset)
    Q_PROPERTY(int RightBtnXOffset READ RightBtnXOffset WRITE SetRightBtnXOffset)
    Q_PROPERTY(bool DrawAppIcon READ DrawAppIcon WRITE SetDrawAppIcon)
    Q_PROPERTY(int RoundCorner READ RoundCorner WRITE SetRoundCorner)
public:
    explicit TsuiTitleBar(TComponent* AOwner);
    ~TsuiTitleBar() override;

    bool Custom() const { return custom_; }
    void SetCustom(bool custom) { custom_ = custom; }
    TsuiFileTheme* FileTheme() const { return fileTheme_; }
    // Re-applies the style, keeping the font colour.
    void SetFileTheme(TsuiFileTheme* theme);
    TsuiUIStyle UIStyle() const { return uiStyle_; }
    // Sections, offsets, colours, button pictures, menu, region, font colour and height from
    // the style; only stored while Custom is on.
    void SetUIStyle(TsuiUIStyle style);
    bool AutoSize() const { return autoSize_; }
    // Takes the first section's picture height for either value; off without sections.
    void SetAutoSize(bool autoSize);
    TsuiTitleBarSections* Sections() const { return sections_.get(); }
    void SetSections(const TsuiTitleBarSections* sections) { sections_->Assign(sections); }
    TsuiTitleBarButtons* Buttons() const { return buttons_.get(); }
    void SetButtons(const TsuiTitleBarButtons* buttons) { buttons_->Assign(buttons); }
    int ButtonInterval() const { return buttonInterval_; }
    void SetButtonInterval(int interval);
    // The bar's own text, independent of the panel's caption.
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    bool FormActive() const { return formActive_; }
    void SetFormActive(bool active);
    int LeftBtnXOffset() const { return leftBtnXOffset_; }
    void SetLeftBtnXOffset(int offset);
    int RightBtnXOffset() const { return rightBtnXOffset_; }
    void SetRightBtnXOffset(int offset);
    bool DrawAppIcon() const { return drawAppIcon_; }
    void SetDrawAppIcon(bool draw);
    int RoundCorner() const { return roundCorner_; }
    // Reshapes the window when the bar sits on a skinned frame; no repaint.
    void SetRoundCorner(int radius);

    TsuiTitleBarPopupMenu* SystemMenu() const { return systemMenu_.get(); }
    // What HotButtonIndex answers when the cursor is on no button.
    static constexpr int kNoButton = -1;
    // The visible button under the cursor as the last paint found it; kNoButton for none.
    int HotButtonIndex() const { return hotButtonIndex_; }
    bool Pressed() const { return pressed_; }
    int CaptionBoxHeight() const { return captionBoxHeight_; }
    int CaptionTop() const { return captionTop_; }
    TColor CornerColor() const { return cornerColor_; }

    // The top-level form holding the bar.
    TCustomForm* ContainingForm() const;
    bool IsOnSkinnedForm() const;
    // The window region with rounded top corners of `radius`.
    void ApplyFormRegion(int radius);
    void RefreshFormRegion();
    void RefreshMaxButtons();
    // Opens the system menu just below the bar's bottom-left corner.
    void PopupSystemMenuBelow();

    void WndProc(TMessage& message) override;

    // An index that is no visible button (any more) is no part: no name, no place, no press.
    int AccessiblePartCount() const override;
    QString AccessiblePartName(int index) const override;
    TRect AccessiblePartRect(int index) const override;
    void PressAccessiblePart(int index) override;

    TsuiTitleBarButtonClickEvent OnCustomBtnsClick;
    TsuiTitleBarButtonClickEvent OnHelpBtnClick;

protected:
    void PaintWindow(TCanvas& canvas) override;
    void EraseBackground(TCanvas&) override {}
    virtual void DrawSections(TBitmap& buffer);
    virtual void DrawButtonsAndCaption(TBitmap& buffer);

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseLeave() override;
    void DblClick() override;
    void FontChanged() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void ApplyStyleLook(TsuiUIStyle style);
    void AddStyleSection(TsuiTitleBarAlign align, TsuiThemeRole role, bool autoSize);
    TsuiTitleBarLayout Layout(int width) const;
    // The visible button an accessibility index stands for, or none.
    std::optional<TsuiTitleBarLayout::Place> AccessiblePlace(int index) const;
    void DrawCornerOutline(TCanvas& canvas) const;
    void DrawButtonPicture(TCanvas& canvas, const TsuiTitleBarButton& button, int x,
                           bool hot) const;
    void DrawCaption(TCanvas& canvas, int left, int right) const;
    void ClickButton(int index);
    LRESULT HitTest(LPARAM screenPoint, LRESULT answer) const;
    bool FormMaximized() const;
    // Runs the first maximise button's action; nothing without one.
    void MaximizeOrRestore();

    // Declared in creation order, so that they go in the reverse one.
    std::unique_ptr<TsuiTitleBarPopupMenu> systemMenu_;
    std::unique_ptr<TsuiTitleBarSections> sections_;
    std::unique_ptr<TsuiTitleBarButtons> buttons_;
    bool custom_ = false;
    TsuiFileTheme* fileTheme_ = nullptr;
    TsuiUIStyle uiStyle_ = TsuiUIStyle::DeepBlue;
    bool autoSize_ = false;
    int buttonInterval_ = 0;
    QString caption_;
    bool formActive_ = true;
    int leftBtnXOffset_ = 0;
    int rightBtnXOffset_ = 0;
    bool drawAppIcon_ = false;
    int roundCorner_ = 0;
    int hotButtonIndex_ = kNoButton;
    bool pressed_ = false;
    int captionBoxHeight_ = 0;
    int captionTop_ = 0;
    TColor cornerColor_ = clBlack;
    TBitmap face_; // composed at each paint
    bool keepFontColor_ = false;
};
