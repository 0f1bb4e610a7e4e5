#include "skin/SUIPopupMenu.h"

#include "framework/controls/TImageList.h"
#include "framework/forms/ClassRegistry.h"
#include "framework/graphics/DrawTextFlags.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "framework/menus/TMenuItem.h"
#include "framework/menus/TShortCut.h"
#include "skin/SUIPublic.h"

#include <memory>

REGISTER_COMPONENT_CLASS(TsuiPopupMenu)

TsuiPopupMenu::TsuiPopupMenu(TComponent* AOwner) : TsuiSkinnedMenu<TPopupMenu>(AOwner) {}

const TImageList* TsuiPopupMenu::ItemImages() const {
    return Images();
}

const TImageList& TsuiPopupMenu::CheckMarkImages() const {
    static const std::unique_ptr<TImageList> shared = CheckMarkList::Create();
    return *shared;
}

// ---- the look both skinned menus share ----

namespace {

// The fixed colours of a skinned menu; its sizes are in SkinMetrics::Menu.
constexpr TColor kMacSeparatorColor = 0x000000;
constexpr TColor kSeparatorColor = 0x848284;
constexpr TColor kDisabledTextColor = 0x808080;
constexpr TColor kCheckBoxFrameColor = 0x000000;
constexpr TColor kFlatFrameColor = 0x000000;

TRect Moved(const TRect& r, const TRect& by) {
    return Rect(r.Left + by.Left, r.Top + by.Top, r.Left + by.Right, r.Top + by.Bottom);
}

} // namespace

template <class MenuBase>
TsuiSkinnedMenu<MenuBase>::TsuiSkinnedMenu(TComponent* AOwner) : MenuBase(AOwner) {
    SetUIStyle(GetOwnerFormStyle(AOwner));
}

template <class MenuBase> void TsuiSkinnedMenu<MenuBase>::SetFileTheme(TsuiFileTheme* theme) {
    this->SetReference(fileTheme_, theme);
    SetUIStyle(uiStyle_);
}

template <class MenuBase> void TsuiSkinnedMenu<MenuBase>::SetUIStyle(TsuiUIStyle style) {
    uiStyle_ = style;
    barWidth_ = SkinMetrics::Menu::kBarWidth;
    // Straight into the fields: the setters refuse heights in MacOS.
    menuItemHeight_ =
        IsMacOS() ? SkinMetrics::Menu::kMacItemHeight : SkinMetrics::Menu::kItemHeight;
    separatorHeight_ =
        IsMacOS() ? SkinMetrics::Menu::kMacSeparatorHeight : SkinMetrics::Menu::kSeparatorHeight;
    separatorColor_ = IsMacOS() ? kMacSeparatorColor : kSeparatorColor;
    barColor_ = ThemeColor(fileTheme_, style, SUI_THEME_MENUBAR_COLOR);
    color_ = ThemeColor(fileTheme_, style, SUI_THEME_MENU_BACKGROUND_COLOR);
    fontColor_ = ThemeColor(fileTheme_, style, SUI_THEME_MENU_FONT_COLOR);
    selectedBorderColor_ = ThemeColor(fileTheme_, style, SUI_THEME_MENU_SELECTED_BORDER_COLOR);
    selectedColor_ = ThemeColor(fileTheme_, style, SUI_THEME_MENU_SELECTED_BACKGROUND_COLOR);
    selectedFontColor_ = ThemeColor(fileTheme_, style, SUI_THEME_MENU_SELECTED_FONT_COLOR);
}

template <class MenuBase> void TsuiSkinnedMenu<MenuBase>::SetMenuItemHeight(int height) {
    if (!IsMacOS())
        menuItemHeight_ = height;
}

template <class MenuBase> void TsuiSkinnedMenu<MenuBase>::SetSeparatorHeight(int height) {
    if (!IsMacOS())
        separatorHeight_ = height;
}

template <class MenuBase> void TsuiSkinnedMenu<MenuBase>::Loaded() {
    MenuBase::Loaded();
    InstallMenuItemHandlers();
}

template <class MenuBase>
void TsuiSkinnedMenu<MenuBase>::Notification(TComponent* AComponent, TOperation Operation) {
    MenuBase::Notification(AComponent, Operation);
    if (DropRemovedFileTheme(fileTheme_, AComponent, Operation))
        SetUIStyle(TsuiUIStyle::DeepBlue);
}

template <class MenuBase> void TsuiSkinnedMenu<MenuBase>::InstallMenuItemHandlers() {
    for (int i = 0; i < this->Items()->Count(); ++i)
        InstallHandlers(this->Items()->Items(i));
}

template <class MenuBase> void TsuiSkinnedMenu<MenuBase>::InstallHandlers(TMenuItem* item) {
    item->OnMeasureItem = [this](TObject* sender, TCanvas& canvas, int& width, int& height) {
        MeasureItem(sender, canvas, width, height);
    };
    item->OnDrawItem = [this](TObject* sender, TCanvas& canvas, const TRect& rect, bool selected) {
        DrawItem(sender, canvas, rect, selected);
    };
    for (int i = 0; i < item->Count(); ++i)
        InstallHandlers(item->Items(i));
}

template <class MenuBase>
void TsuiSkinnedMenu<MenuBase>::MeasureItem(TObject* sender, TCanvas& canvas, int& width,
                                            int& height) const {
    const auto* item = static_cast<const TMenuItem*>(sender);
    height = item->IsLine() ? separatorHeight_ : menuItemHeight_;
    width = canvas.TextWidth(item->Caption()) + canvas.TextWidth(ShortCutToText(item->ShortCut())) +
            barWidth_ + SkinMetrics::Menu::kWidthRoom;
}

template <class MenuBase>
void TsuiSkinnedMenu<MenuBase>::DrawItem(TObject* sender, TCanvas& canvas, const TRect& rect,
                                         bool selected) const {
    const auto& item = *static_cast<const TMenuItem*>(sender);
    if (item.IsLine()) {
        if (IsMacOS()) {
            DrawMacMenuBar(canvas, rect);
            return;
        }
        DrawBarAndBackground(canvas, rect);
        DrawSeparatorLine(canvas, rect, separatorColor_, barWidth_);
        return;
    }
    DrawItemBackground(canvas, rect, item, selected);
    SetItemFont(canvas, item, selected);
    TRect captionRect = Rect(rect.Left + barWidth_ + SkinMetrics::Menu::kTextInset,
                             rect.Top + SkinMetrics::Menu::kTextInset, rect.Right, rect.Bottom);
    canvas.DrawText(item.Caption(), captionRect, DT_LEFT | DT_TOP | DT_SINGLELINE);
    const QString shortCut = ShortCutToText(item.ShortCut());
    if (!shortCut.isEmpty())
        canvas.TextOut(rect.Right - canvas.TextWidth(shortCut) -
                           SkinMetrics::Menu::kShortCutRightGap,
                       rect.Top + SkinMetrics::Menu::kTextInset, shortCut);
    DrawCheckAndImage(canvas, rect, item);
}

template <class MenuBase> TEdges TsuiSkinnedMenu<MenuBase>::WindowBorder() const {
    return flatMenu_ ? SkinMetrics::Menu::kWindowBorder : TEdges{};
}

template <class MenuBase>
void TsuiSkinnedMenu<MenuBase>::DrawWindowBorder(TCanvas& canvas, const TRect& windowRect) const {
    DrawMenuWindowBorder(canvas, windowRect, kFlatFrameColor,
                         ThemeColor(fileTheme_, uiStyle_, SUI_THEME_FORM_BACKGROUND_COLOR));
}

template <class MenuBase>
void TsuiSkinnedMenu<MenuBase>::DrawBarAndBackground(TCanvas& canvas, const TRect& rect) const {
    if (barWidth_ > 0)
        FillRectColor(canvas, Rect(rect.Left, rect.Top, rect.Left + barWidth_, rect.Bottom),
                      barColor_);
    FillRectColor(canvas, Rect(rect.Left + barWidth_, rect.Top, rect.Right, rect.Bottom), color_);
}

template <class MenuBase>
void TsuiSkinnedMenu<MenuBase>::DrawItemBackground(TCanvas& canvas, const TRect& rect,
                                                   const TMenuItem& item, bool selected) const {
    if (selected && item.Enabled()) {
        if (IsMacOS()) {
            DrawMacMenuSelect(canvas, rect);
            return;
        }
        FillRectColor(canvas, rect, selectedColor_);
        FrameRectColor(canvas, rect, selectedBorderColor_);
        return;
    }
    if (IsMacOS())
        DrawMacMenuBarItem(canvas, rect);
    else
        DrawBarAndBackground(canvas, rect);
}

template <class MenuBase>
void TsuiSkinnedMenu<MenuBase>::SetItemFont(TCanvas& canvas, const TMenuItem& item,
                                            bool selected) const {
    TFont& font = canvas.Font();
    AssignItemFont(font);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    font.SetColor(!item.Enabled() ? kDisabledTextColor
                  : selected      ? selectedFontColor_
                                  : fontColor_);
    if (item.Default())
        font.SetStyle(font.Style() | Framework::fsBold);
}

template <class MenuBase> void TsuiSkinnedMenu<MenuBase>::AssignOwnFont(TFont& font) const {
    font.SetName(fontName_);
    font.SetSize(fontSize_);
    font.SetCharset(fontCharset_);
}

template <class MenuBase> void TsuiSkinnedMenu<MenuBase>::AssignItemFont(TFont& font) const {
    if (useSystemFont_)
        AssignSystemMenuFont(font);
    else
        AssignOwnFont(font);
}

template <class MenuBase> bool TsuiSkinnedMenu<MenuBase>::HasImage(const TMenuItem& item) const {
    const TImageList* images = ItemImages();
    return item.ImageIndex() != -1 && images && item.ImageIndex() < images->Count();
}

template <class MenuBase>
void TsuiSkinnedMenu<MenuBase>::DrawCheckAndImage(TCanvas& canvas, const TRect& rect,
                                                  const TMenuItem& item) const {
    const bool image = HasImage(item);
    if (item.Checked()) {
        if (image) {
            FrameRectColor(canvas, Moved(rect, SkinMetrics::Menu::kCheckBoxFrame),
                           kCheckBoxFrameColor);
            FillRectColor(canvas, Moved(rect, Inset(SkinMetrics::Menu::kCheckBoxFrame, 1)),
                          selectedColor_);
        } else {
            CheckMarkImages().Draw(canvas, rect.Left + SkinMetrics::Menu::kImageAt.X,
                                   rect.Top + SkinMetrics::Menu::kImageAt.Y, 0, item.Enabled());
        }
    }
    if (image)
        ItemImages()->Draw(canvas, rect.Left + SkinMetrics::Menu::kImageAt.X,
                           rect.Top + SkinMetrics::Menu::kImageAt.Y, item.ImageIndex(),
                           item.Enabled());
}

template class TsuiSkinnedMenu<TPopupMenu>;
template class TsuiSkinnedMenu<TMainMenu>;

// ---- the check mark ----

namespace {
constexpr char kCheckMark[] = "MENU_CHECKED";
} // namespace

namespace CheckMarkList {

std::unique_ptr<TImageList> Create() {
    auto images = std::make_unique<TImageList>(nullptr);
    TBitmap mark;
    mark.LoadFromResourceName(QLatin1String(kCheckMark));
    images->SetWidth(mark.Width());
    images->SetHeight(mark.Height());
    images->AddMasked(mark, clWhite);
    return images;
}

} // namespace CheckMarkList
