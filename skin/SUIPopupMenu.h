// The skinned popup menu: a popup menu whose items are measured and painted in the colours and
// pictures of a skin style. Its look, measuring and drawing live in a base it shares with the
// skinned main menu, as does the check-mark list.
#pragma once

#include "framework/menus/TMainMenu.h"
#include "framework/menus/TPopupMenu.h"
#include "skin/SUIMgr.h"
#include "skin/SUIThemes.h"

#include <memory>

class TCanvas;
class TFont;
class TImageList;
class TMenuItem;

// The published look, in the order both menus publish it (after anything of their own).
#define TSUI_SKINNED_MENU_PROPERTIES                                                               \
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)                         \
    Q_PROPERTY(SUIThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)                       \
    Q_PROPERTY(int MenuItemHeight READ MenuItemHeight WRITE SetMenuItemHeight)                     \
    Q_PROPERTY(int SeparatorHeight READ SeparatorHeight WRITE SetSeparatorHeight)                  \
    Q_PROPERTY(int BarWidth READ BarWidth WRITE SetBarWidth)                                       \
    Q_PROPERTY(int BarColor READ BarColor WRITE SetBarColor)                                       \
    Q_PROPERTY(int Color READ Color WRITE SetColor)                                                \
    Q_PROPERTY(int SeparatorColor READ SeparatorColor WRITE SetSeparatorColor)                     \
    Q_PROPERTY(int SelectedBorderColor READ SelectedBorderColor WRITE SetSelectedBorderColor)      \
    Q_PROPERTY(int SelectedColor READ SelectedColor WRITE SetSelectedColor)                        \
    Q_PROPERTY(int SelectedFontColor READ SelectedFontColor WRITE SetSelectedFontColor)            \
    Q_PROPERTY(int FontColor READ FontColor WRITE SetFontColor)                                    \
    Q_PROPERTY(int BorderColor READ BorderColor WRITE SetBorderColor)                              \
    Q_PROPERTY(bool FlatMenu READ FlatMenu WRITE SetFlatMenu)                                      \
    Q_PROPERTY(QString FontName READ FontName WRITE SetFontName)                                   \
    Q_PROPERTY(int FontSize READ FontSize WRITE SetFontSize)                                       \
    Q_PROPERTY(Framework::TFontCharset FontCharset READ FontCharset WRITE SetFontCharset)          \
    Q_PROPERTY(bool UseSystemFont READ UseSystemFont WRITE SetUseSystemFont)

template <class MenuBase> class TsuiSkinnedMenu : public MenuBase {
public:
    // Owner-drawn, in the style of the owner form's skinned frame (DeepBlue without one).
    explicit TsuiSkinnedMenu(TComponent* AOwner);

    // Always owner-drawn: reading gives true, assigning is ignored.
    bool OwnerDraw() const override { return true; }
    void SetOwnerDraw(bool) override {}

    TsuiFileTheme* FileTheme() const { return fileTheme_; }
    // Stores the theme, then applies the current style again.
    void SetFileTheme(TsuiFileTheme* theme);
    TsuiUIStyle UIStyle() const { return uiStyle_; }
    // Applies the style: bar width, heights, separator colour and the six colours by role.
    void SetUIStyle(TsuiUIStyle style);

    // Ignored while the style is MacOS, whose heights are fixed.
    int MenuItemHeight() const { return menuItemHeight_; }
    void SetMenuItemHeight(int height);
    int SeparatorHeight() const { return separatorHeight_; }
    void SetSeparatorHeight(int height);

    int BarWidth() const { return barWidth_; }
    void SetBarWidth(int width) { barWidth_ = width; }
    TColor BarColor() const { return barColor_; }
    void SetBarColor(TColor color) { barColor_ = color; }
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }
    TColor SeparatorColor() const { return separatorColor_; }
    void SetSeparatorColor(TColor color) { separatorColor_ = color; }
    TColor SelectedBorderColor() const { return selectedBorderColor_; }
    void SetSelectedBorderColor(TColor color) { selectedBorderColor_ = color; }
    TColor SelectedColor() const { return selectedColor_; }
    void SetSelectedColor(TColor color) { selectedColor_ = color; }
    TColor SelectedFontColor() const { return selectedFontColor_; }
    void SetSelectedFontColor(TColor color) { selectedFontColor_ = color; }
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor color) { fontColor_ = color; }
    // Stored only: no drawing reads it.
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor color) { borderColor_ = color; }
    // Flat: the menu's windows keep a band round their items for the flat frame (see
    // WindowBorder); a window takes a change the next time it opens.
    bool FlatMenu() const { return flatMenu_; }
    void SetFlatMenu(bool flat) { flatMenu_ = flat; }
    QString FontName() const { return fontName_; }
    void SetFontName(const QString& name) { fontName_ = name; }
    int FontSize() const { return fontSize_; }
    void SetFontSize(int points) { fontSize_ = points; }
    TFontCharset FontCharset() const { return fontCharset_; }
    void SetFontCharset(TFontCharset charset) { fontCharset_ = charset; }
    bool UseSystemFont() const { return useSystemFont_; }
    void SetUseSystemFont(bool use) { useSystemFont_ = use; }
    // FontName, FontSize and FontCharset into `font`, the rest of it left as it is.
    void AssignOwnFont(TFont& font) const;
    // The font the items are drawn in: the desktop's menu font (in the menu-text colour) with
    // UseSystemFont on, the menu's own otherwise.
    void AssignItemFont(TFont& font) const;

    // Gives every item, an item before its sub-items and siblings in order, this menu's measure
    // and draw handlers. Items added later keep the framework's default drawing.
    void InstallMenuItemHandlers();
    void Loaded() override;

    // The handlers.
    void MeasureItem(TObject* sender, TCanvas& canvas, int& width, int& height) const;
    void DrawItem(TObject* sender, TCanvas& canvas, const TRect& rect, bool selected) const;

    // With FlatMenu on: the band the flat frame takes, and the frame itself, black with a shadow
    // in the style's form background colour.
    TEdges WindowBorder() const override;
    void DrawWindowBorder(TCanvas& canvas, const TRect& windowRect) const override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // The list an item's ImageIndex points into, or null.
    virtual const TImageList* ItemImages() const = 0;
    // The check mark of a checked item without a picture: image 0, white transparent.
    virtual const TImageList& CheckMarkImages() const = 0;

private:
    void InstallHandlers(TMenuItem* item);
    bool IsMacOS() const { return uiStyle_ == TsuiUIStyle::MacOS; }
    void DrawBarAndBackground(TCanvas& canvas, const TRect& rect) const;
    void DrawItemBackground(TCanvas& canvas, const TRect& rect, const TMenuItem& item,
                            bool selected) const;
    void SetItemFont(TCanvas& canvas, const TMenuItem& item, bool selected) const;
    void DrawCheckAndImage(TCanvas& canvas, const TRect& rect, const TMenuItem& item) const;
    bool HasImage(const TMenuItem& item) const;

    TsuiFileTheme* fileTheme_ = nullptr;
    TsuiUIStyle uiStyle_ = TsuiUIStyle::DeepBlue;
    int menuItemHeight_ = 21;
    int separatorHeight_ = 21;
    int barWidth_ = 0;
    TColor barColor_ = clBtnFace;
    TColor color_ = clWhite;
    TColor separatorColor_ = 0x808080;
    TColor selectedBorderColor_ = clHighlight;
    TColor selectedColor_ = clHighlight;
    TColor selectedFontColor_ = clWhite;
    TColor fontColor_ = clWhite;
    TColor borderColor_ = 0x000000;
    bool flatMenu_ = false;
    QString fontName_ = QStringLiteral("MS Sans Serif");
    int fontSize_ = 8;
    TFontCharset fontCharset_ = TFontCharset::DEFAULT_CHARSET;
    bool useSystemFont_ = true;
};

// Both instances are made in the unit's source.
extern template class TsuiSkinnedMenu<TPopupMenu>;
extern template class TsuiSkinnedMenu<TMainMenu>;

namespace CheckMarkList {

// The check mark of skinned menus: the MENU_CHECKED picture with white as its transparent colour,
// as image 0 of a new list without owner. Popup menus share one; every main menu keeps its own.
std::unique_ptr<TImageList> Create();

} // namespace CheckMarkList

class TsuiPopupMenu : public TsuiSkinnedMenu<TPopupMenu> {
    Q_OBJECT
    TSUI_SKINNED_MENU_PROPERTIES
public:
    explicit TsuiPopupMenu(TComponent* AOwner);

protected:
    // The menu's Images.
    const TImageList* ItemImages() const override;
    // The one check mark every skinned popup menu shares.
    const TImageList& CheckMarkImages() const override;
};
