#include "skin/SUIThemes.h"

#include "framework/core/TCustomForm.h"
#include "framework/core/TWinControl.h"
#include "framework/graphics/TBitmap.h"
#include "skin/SUIMgr.h"
#include "skin/SUIPublic.h"

#include <QVariant>
#include <array>
#include <string_view>

namespace {

using enum TsuiThemeKind;

constexpr int kStyleModulus = 128; // a style is one byte; only its low seven bits count
constexpr int kBuiltInStyleCount = 5;
constexpr TsuiStyleEntry kOutsideCatalogue{}; // Int -1: what every non-built-in style answers
constexpr TColor kNoColor = 0;
using SkinNames::kFileThemeProperty;
using SkinNames::kSkinFormClass;
using SkinNames::kUIStyleProperty;

// A built-in value: a resource name for Image roles, a number for the others.
struct StyleValue {
    std::int32_t Number = 0;
    const char* ResourceName = nullptr;
};

constexpr StyleValue Img(const char* name) {
    return {0, name};
}
constexpr StyleValue Num(std::int32_t value) {
    return {value, nullptr};
}
constexpr StyleValue On = Num(1);
constexpr StyleValue Off = Num(0);

struct RoleRow {
    std::string_view Key;
    TsuiThemeKind Kind;
    std::array<StyleValue, kBuiltInStyleCount> Values; // MacOS, WinXP, DeepBlue, Protein, BlueGlass
};

// Role by role, in role order. Colours are 0x00BBGGRR.
// clang-format off
constexpr std::array<RoleRow, SUI_THEME_LAST_ROLE> kCatalogue = {{
    {"ButtonImage", Image, {Img("MACOS_BUTTON"), Img("WINXP_BUTTON"), Img("DEEPBLUE_BUTTON"), Img("PROTEIN_BUTTON"), Img("BLUEGLASS_BUTTON")}},
    {"ButtonTransparentBool", Bool, {On, Off, Off, Off, On}},
    {"CheckBoxImage", Image, {Img("MACOS_CHECKBOX"), Img("WINXP_CHECKBOX"), Img("DEEPBLUE_CHECKBOX"), Img("PROTEIN_CHECKBOX"), Img("BLUEGLASS_CHECKBOX")}},
    {"RadioButtonImage", Image, {Img("MACOS_RADIOBUTTON"), Img("WINXP_RADIOBUTTON"), Img("DEEPBLUE_RADIOBUTTON"), Img("PROTEIN_RADIOBUTTON"), Img("BLUEGLASS_RADIOBUTTON")}},
    {"TitleBarButtonImage", Image, {Img("MACOS_TITLEBTN"), Img("WINXP_TITLEBTN"), Img("DEEPBLUE_TITLEBTN"), Img("PROTEIN_TITLEBTN"), Img("BLUEGLASS_TITLEBTN")}},
    {"TitleBarButtonTransparentBool", Bool, {Off, Off, Off, On, On}},
    {"TitleBarButtonLeftOffsetInt", Int, {Num(3), Num(2), Num(0), Num(0), Num(4)}},
    {"TitleBarButtonRightOffsetInt", Int, {Num(-2), Num(-2), Num(0), Num(0), Num(-3)}},
    {"TitleBarButtonTopInt", Int, {Num(4), Num(5), Num(2), Num(2), Num(6)}},
    {"TitleBarLeftImage", Image, {Img("MACOS_TITLE_LEFT"), Img("WINXP_TITLE_LEFT"), Img("DEEPBLUE_TITLE_LEFT"), Img("PROTEIN_TITLE_LEFT"), Img("BLUEGLASS_TITLE_LEFT")}},
    {"TitleBarClientImage", Image, {Img("MACOS_TITLE_CLIENT"), Img("WINXP_TITLE_CLIENT"), Img("DEEPBLUE_TITLE_CLIENT"), Img("PROTEIN_TITLE_CLIENT"), Img("BLUEGLASS_TITLE_CLIENT")}},
    {"TitleBarRightImage", Image, {Img("MACOS_TITLE_RIGHT"), Img("WINXP_TITLE_RIGHT"), Img("DEEPBLUE_TITLE_RIGHT"), Img("PROTEIN_TITLE_RIGHT"), Img("BLUEGLASS_TITLE_RIGHT")}},
    {"FormMinWidthInt", Int, {Num(130), Num(150), Num(130), Num(130), Num(270)}},
    {"FormRoundCornerInt", Int, {Num(0), Num(13), Num(0), Num(0), Num(11)}},
    {"FormBackgroundColor", Color, {Num(0xE7E7E7), Num(0xDEEBEF), Num(0xE8E8E8), Num(0xFBFBFB), Num(0xE7E7E7)}},
    {"FormBorderColor", Color, {Num(0x7F7F7F), Num(0xC82C00), Num(0x000000), Num(0x000000), Num(0x000000)}},
    {"FormBorderWidthInt", Int, {Num(1), Num(3), Num(1), Num(1), Num(1)}},
    {"MenuSelectedBorderColor", Color, {Num(0xC47339), Num(0xC66931), Num(0xA04A44), Num(0xC4302D), Num(0xEC5E5E)}},
    {"MenuSelectedBackgroundColor", Color, {Num(0xC47339), Num(0xEFD3C6), Num(0xA04A44), Num(0xC4302D), Num(0xEC5E5E)}},
    {"MenuSelectedFontColor", Color, {Num(0xFFFFFF), Num(0x000000), Num(0xFFFFFF), Num(0xFFFFFF), Num(0xFFFFFF)}},
    {"MenuBackgroundColor", Color, {Num(0x000000), Num(0xFFFFFF), Num(0xFFFFFF), Num(0xFFFFFF), Num(0xE7E7E7)}},
    {"MenuFontColor", Color, {Num(0x000000), Num(0x000000), Num(0x000000), Num(0x000000), Num(0x000000)}},
    {"MenuBarColor", Color, {Num(0x000000), Num(0xCED3D6), Num(0xCED3D6), Num(0xCED3D6), Num(0xCED3D6)}},
    {"ProgressBarImage", Image, {Img("MACOS_PROGRESSBAR"), Img("WINXP_PROGRESSBAR"), Img("DEEPBLUE_PROGRESSBAR"), Img("PROTEIN_PROGRESSBAR"), Img("BLUEGLASS_PROGRESSBAR")}},
    {"ControlBorderColor", Color, {Num(0x7F7F7F), Num(0x686868), Num(0x000000), Num(0x000000), Num(0x000000)}},
    {"ControlBackgroundColor", Color, {Num(0xE7E7E7), Num(0xDEEBEF), Num(0xE8E8E8), Num(0xFBFBFB), Num(0xE7E7E7)}},
    {"ControlFontColor", Color, {Num(0x000000), Num(0xCF4602), Num(0x000000), Num(0x000000), Num(0x000000)}},
    {"TrackBarBarImage", Image, {Img("MACOS_TRACKBAR_BAR"), Img("WINXP_TRACKBAR_BAR"), Img("DEEPBLUE_TRACKBAR_BAR"), Img("PROTEIN_TRACKBAR_BAR"), Img("BLUEGLASS_TRACKBAR_BAR")}},
    {"TrackBarSliderImage", Image, {Img("MACOS_TRACKBAR_SLIDER"), Img("WINXP_TRACKBAR_SLIDER"), Img("DEEPBLUE_TRACKBAR_SLIDER"), Img("PROTEIN_TRACKBAR_SLIDER"), Img("BLUEGLASS_TRACKBAR_SLIDER")}},
    {"TrackBarSliderVImage", Image, {Img("MACOS_TRACKBAR_SLIDER_V"), Img("WINXP_TRACKBAR_SLIDER_V"), Img("DEEPBLUE_TRACKBAR_SLIDER_V"), Img("PROTEIN_TRACKBAR_SLIDER_V"), Img("BLUEGLASS_TRACKBAR_SLIDER_V")}},
    {"ScrollBarBackgroundColor", Color, {Num(0xC9C9C9), Num(0xF9F9F9), Num(0xF5F5F5), Num(0xF5F5F5), Num(0xF4F4F4)}},
    {"ScrollBarButtonImage", Image, {Img("MACOS_SCROLLBAR_BUTTON"), Img("WINXP_SCROLLBAR_BUTTON"), Img("DEEPBLUE_SCROLLBAR_BUTTON"), Img("PROTEIN_SCROLLBAR_BUTTON"), Img("BLUEGLASS_SCROLLBAR_BUTTON")}},
    {"ScrollBarSliderImage", Image, {Img("MACOS_SCROLLBAR_TRACK"), Img("WINXP_SCROLLBAR_TRACK"), Img("DEEPBLUE_SCROLLBAR_TRACK"), Img("PROTEIN_SCROLLBAR_TRACK"), Img("BLUEGLASS_SCROLLBAR_TRACK")}},
    {"CheckListBoxImage", Image, {Img("MACOS_CHECKLIST"), Img("WINXP_CHECKLIST"), Img("DEEPBLUE_CHECKLIST"), Img("PROTEIN_CHECKLIST"), Img("BLUEGLASS_CHECKLIST")}},
    {"ToolBarButtonBorderColor", Color, {Num(0x474747), Num(0xC66931), Num(0x474747), Num(0x474747), Num(0x474747)}},
    {"ToolBarButtonBackgroundColor", Color, {Num(0xEFEFEF), Num(0xEFD3C6), Num(0xEFEFEF), Num(0xEFEFEF), Num(0xEFEFEF)}},
    {"ToolBarButtonDownBackgroundColor", Color, {Num(0xD8D8D8), Num(0xE1AC93), Num(0xD8D8D8), Num(0xD8D8D8), Num(0xD8D8D8)}},
    // Three styles share one scroll-button strip.
    {"ScrollButtonImage", Image, {Img("MACOS_SCROLLBUTTON"), Img("WINXP_SCROLLBUTTON"), Img("MORE_SCROLLBUTTON"), Img("MORE_SCROLLBUTTON"), Img("MORE_SCROLLBUTTON")}},
    {"TabControlTabImage", Image, {Img("MACOS_TAB"), Img("WINXP_TAB"), Img("DEEPBLUE_TAB"), Img("PROTEIN_TAB"), Img("BLUEGLASS_TAB")}},
    {"TabControlBarImage", Image, {Img("MACOS_TAB_LINE"), Img("WINXP_TAB_LINE"), Img("DEEPBLUE_TAB_LINE"), Img("PROTEIN_TAB_LINE"), Img("BLUEGLASS_TAB_LINE")}},
    // "SIDECHENNEL" is how these resources are named.
    {"SideChannelHandleImage", Image, {Img("MACOS_SIDECHENNEL_HANDLE"), Img("WINXP_SIDECHENNEL_HANDLE"), Img("DEEPBLUE_SIDECHENNEL_HANDLE"), Img("PROTEIN_SIDECHENNEL_HANDLE"), Img("BLUEGLASS_SIDECHENNEL_HANDLE")}},
    {"SideChannelBarImage", Image, {Img("MACOS_SIDECHENNEL_BAR"), Img("WINXP_SIDECHENNEL_BAR"), Img("DEEPBLUE_SIDECHENNEL_BAR"), Img("PROTEIN_SIDECHENNEL_BAR"), Img("BLUEGLASS_SIDECHENNEL_BAR")}},
}};
// clang-format on

constexpr std::string_view KindSuffix(TsuiThemeKind kind) {
    switch (kind) {
    case Int:
        return "Int";
    case Color:
        return "Color";
    case Image:
        return "Image";
    case Bool:
        return "Bool";
    }
    return {};
}

// Every key names its kind, and every value has the shape its kind asks for.
constexpr bool CatalogueIsConsistent() {
    for (const RoleRow& row : kCatalogue) {
        if (!row.Key.ends_with(KindSuffix(row.Kind)))
            return false;
        for (const StyleValue& value : row.Values)
            if ((row.Kind == Image) != (value.ResourceName != nullptr))
                return false;
    }
    return true;
}
static_assert(CatalogueIsConsistent());
static_assert(kCatalogue[SUI_THEME_FORM_BORDER_COLOR - 1].Key == "FormBorderColor");
static_assert(kCatalogue[SUI_THEME_SIDECHANNEL_BAR_IMAGE - 1].Key == "SideChannelBarImage");

const RoleRow& Row(TsuiThemeRole role) {
    Q_ASSERT(role >= SUI_THEME_FIRST_ROLE && role <= SUI_THEME_LAST_ROLE);
    return kCatalogue[static_cast<std::size_t>(role - SUI_THEME_FIRST_ROLE)];
}

} // namespace

QString ThemeKey(TsuiThemeRole role) {
    const std::string_view key = Row(role).Key;
    return QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()));
}

TsuiThemeKind ThemeKind(TsuiThemeRole role) {
    return Row(role).Kind;
}

TsuiStyleEntry GetStyleEntry(TsuiUIStyle style, TsuiThemeRole role) {
    const RoleRow& row = Row(role);
    const int index = static_cast<int>(style) % kStyleModulus;
    if (index < static_cast<int>(TsuiUIStyle::MacOS) ||
        index > static_cast<int>(TsuiUIStyle::BlueGlass))
        return kOutsideCatalogue;
    const StyleValue& value = row.Values[static_cast<std::size_t>(index - 1)];
    return {row.Kind, value.Number, value.ResourceName};
}

void GetStyleBitmap(TsuiUIStyle style, TsuiThemeRole role, TBitmap* bitmap, int frameIndex,
                    int frameCount) {
    if (!bitmap)
        return;
    const TsuiStyleEntry entry = GetStyleEntry(style, role);
    if (frameCount == 0) {
        if (entry.Kind == Image)
            bitmap->LoadFromResourceName(QString::fromLatin1(entry.ResourceName));
        return;
    }
    TBitmap strip;
    if (entry.Kind == Image)
        strip.LoadFromResourceName(QString::fromLatin1(entry.ResourceName));
    CutStripFrame(strip, *bitmap, frameCount, frameIndex);
}

TColor GetStyleColor(TsuiUIStyle style, TsuiThemeRole role) {
    const TsuiStyleEntry entry = GetStyleEntry(style, role);
    return entry.Kind == Color ? entry.Number : kNoColor;
}

int GetStyleInt(TsuiUIStyle style, TsuiThemeRole role) {
    const TsuiStyleEntry entry = GetStyleEntry(style, role);
    return entry.Kind == Int ? entry.Number : kOutsideCatalogue.Number;
}

bool GetStyleBool(TsuiUIStyle style, TsuiThemeRole role) {
    const TsuiStyleEntry entry = GetStyleEntry(style, role);
    return entry.Kind == Bool && entry.Number != 0;
}

bool ResolveStyle(const TsuiFileTheme* fileTheme, TsuiUIStyle uiStyle,
                  TsuiUIStyle& effectiveStyle) {
    effectiveStyle = uiStyle;
    if (uiStyle != TsuiUIStyle::FromThemeFile)
        return false;
    if (fileTheme && fileTheme->IsValid())
        return true;
    effectiveStyle = TsuiUIStyle::DeepBlue;
    return false;
}

// By class name and property name, so that this unit need not know the skinned form's class.
TsuiUIStyle GetOwnerFormStyle(const TComponent* owner) {
    const auto* form = qobject_cast<const TCustomForm*>(owner);
    if (!form)
        return TsuiUIStyle::DeepBlue;
    for (int i = 0; i < form->ControlCount(); ++i) {
        const TControl* control = form->Controls(i);
        if (control->inherits(kSkinFormClass))
            return control->property(kUIStyleProperty).value<TsuiUIStyle>();
    }
    return TsuiUIStyle::DeepBlue;
}

void ApplyStyleToChildren(const TWinControl& skinForm, TsuiUIStyle style,
                          TsuiFileTheme* fileTheme) {
    for (int i = 0; i < skinForm.ControlCount(); ++i) {
        TControl* control = skinForm.Controls(i);
        if (!HasPublishedProperty(control, kFileThemeProperty) ||
            !HasPublishedProperty(control, kUIStyleProperty))
            continue;
        control->setProperty(kFileThemeProperty, QVariant::fromValue(fileTheme));
        control->setProperty(kUIStyleProperty, QVariant::fromValue(style));
    }
}

bool DropRemovedFileTheme(TsuiFileTheme*& fileTheme, const TComponent* removed,
                          TOperation operation) {
    if (operation != TOperation::opRemove || !removed || removed != fileTheme)
        return false;
    fileTheme = nullptr;
    return true;
}

TColor ThemeColor(const TsuiFileTheme* fileTheme, TsuiUIStyle uiStyle, TsuiThemeRole role) {
    TsuiUIStyle style;
    return ResolveStyle(fileTheme, uiStyle, style) ? fileTheme->GetColor(role)
                                                   : GetStyleColor(style, role);
}

int ThemeInt(const TsuiFileTheme* fileTheme, TsuiUIStyle uiStyle, TsuiThemeRole role) {
    TsuiUIStyle style;
    return ResolveStyle(fileTheme, uiStyle, style) ? fileTheme->GetInt(role)
                                                   : GetStyleInt(style, role);
}

bool ThemeBool(const TsuiFileTheme* fileTheme, TsuiUIStyle uiStyle, TsuiThemeRole role) {
    TsuiUIStyle style;
    return ResolveStyle(fileTheme, uiStyle, style) ? fileTheme->GetBool(role)
                                                   : GetStyleBool(style, role);
}

void ThemeBitmap(const TsuiFileTheme* fileTheme, TsuiUIStyle uiStyle, TsuiThemeRole role,
                 TBitmap* bitmap) {
    TsuiUIStyle style;
    if (ResolveStyle(fileTheme, uiStyle, style))
        fileTheme->GetBitmap(role, bitmap);
    else
        GetStyleBitmap(style, role, bitmap);
}

void ThemeFrame(const TsuiFileTheme* fileTheme, TsuiUIStyle uiStyle, TsuiThemeRole role,
                TBitmap* bitmap, int frameCount, int frameIndex) {
    TsuiUIStyle style;
    if (ResolveStyle(fileTheme, uiStyle, style))
        fileTheme->GetFrameBitmap(role, bitmap, frameCount, frameIndex);
    else
        GetStyleBitmap(style, role, bitmap, frameIndex, frameCount);
}
