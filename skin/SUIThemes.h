// The built-in style catalogue: the five styles, the 42 theme roles with their keys and kinds,
// the lookups over the catalogue, and the rule that decides between a component's file theme and
// a built-in style.
#pragma once

#include "framework/core/TComponent.h"
#include "framework/core/Types.h"

#include <QObject>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>

class TBitmap;
class TWinControl;
class TsuiFileTheme;

// Published so that form descriptions can store a style by name ("UIStyle = BlueGlass").
namespace SUIThemes {
Q_NAMESPACE
enum class TsuiUIStyle : std::uint8_t {
    FromThemeFile = 0, // the component's file theme; DeepBlue without a valid one
    MacOS = 1,
    WinXP = 2,
    DeepBlue = 3, // also the fallback
    Protein = 4,
    BlueGlass = 5,
};
Q_ENUM_NS(TsuiUIStyle)
} // namespace SUIThemes
using SUIThemes::TsuiUIStyle;

// Theme roles, numbered as theme files number their entries. Named after their keys.
enum TsuiThemeRole : int {
    SUI_THEME_BUTTON_IMAGE = 1,
    SUI_THEME_BUTTON_TRANSPARENT_BOOL = 2,
    SUI_THEME_CHECKBOX_IMAGE = 3,
    SUI_THEME_RADIOBUTTON_IMAGE = 4,
    SUI_THEME_TITLEBAR_BUTTON_IMAGE = 5,
    SUI_THEME_TITLEBAR_BUTTON_TRANSPARENT_BOOL = 6,
    SUI_THEME_TITLEBAR_BUTTON_LEFTOFFSET_INT = 7,
    SUI_THEME_TITLEBAR_BUTTON_RIGHTOFFSET_INT = 8,
    SUI_THEME_TITLEBAR_BUTTON_TOP_INT = 9,
    SUI_THEME_TITLEBAR_LEFT_IMAGE = 10,
    SUI_THEME_TITLEBAR_CLIENT_IMAGE = 11,
    SUI_THEME_TITLEBAR_RIGHT_IMAGE = 12,
    SUI_THEME_FORM_MINWIDTH_INT = 13,
    SUI_THEME_FORM_ROUNDCORNER_INT = 14,
    SUI_THEME_FORM_BACKGROUND_COLOR = 15,
    SUI_THEME_FORM_BORDER_COLOR = 16,
    SUI_THEME_FORM_BORDERWIDTH_INT = 17,
    SUI_THEME_MENU_SELECTED_BORDER_COLOR = 18,
    SUI_THEME_MENU_SELECTED_BACKGROUND_COLOR = 19,
    SUI_THEME_MENU_SELECTED_FONT_COLOR = 20,
    SUI_THEME_MENU_BACKGROUND_COLOR = 21,
    SUI_THEME_MENU_FONT_COLOR = 22,
    SUI_THEME_MENUBAR_COLOR = 23,
    SUI_THEME_PROGRESSBAR_IMAGE = 24,
    SUI_THEME_CONTROL_BORDER_COLOR = 25,
    SUI_THEME_CONTROL_BACKGROUND_COLOR = 26,
    SUI_THEME_CONTROL_FONT_COLOR = 27,
    SUI_THEME_TRACKBAR_BAR_IMAGE = 28,
    SUI_THEME_TRACKBAR_SLIDER_IMAGE = 29,
    SUI_THEME_TRACKBAR_SLIDER_V_IMAGE = 30,
    SUI_THEME_SCROLLBAR_BACKGROUND_COLOR = 31,
    SUI_THEME_SCROLLBAR_BUTTON_IMAGE = 32,
    SUI_THEME_SCROLLBAR_SLIDER_IMAGE = 33,
    SUI_THEME_CHECKLISTBOX_IMAGE = 34,
    SUI_THEME_TOOLBAR_BUTTON_BORDER_COLOR = 35,
    SUI_THEME_TOOLBAR_BUTTON_BACKGROUND_COLOR = 36,
    SUI_THEME_TOOLBAR_BUTTON_DOWN_BACKGROUND_COLOR = 37,
    SUI_THEME_SCROLLBUTTON_IMAGE = 38,
    SUI_THEME_TABCONTROL_TAB_IMAGE = 39,
    SUI_THEME_TABCONTROL_BAR_IMAGE = 40,
    SUI_THEME_SIDECHANNEL_HANDLE_IMAGE = 41,
    SUI_THEME_SIDECHANNEL_BAR_IMAGE = 42,
};

constexpr TsuiThemeRole SUI_THEME_FIRST_ROLE = SUI_THEME_BUTTON_IMAGE;
constexpr TsuiThemeRole SUI_THEME_LAST_ROLE = SUI_THEME_SIDECHANNEL_BAR_IMAGE;

constexpr std::size_t kThemeRoleCount = SUI_THEME_LAST_ROLE - SUI_THEME_FIRST_ROLE + 1;

// Every role from the first to the last, for loops over all of them.
constexpr std::array<TsuiThemeRole, kThemeRoleCount> AllThemeRoles() {
    std::array<TsuiThemeRole, kThemeRoleCount> roles{};
    for (std::size_t i = 0; i < kThemeRoleCount; ++i)
        roles[i] = static_cast<TsuiThemeRole>(SUI_THEME_FIRST_ROLE + static_cast<int>(i));
    return roles;
}

// What a role's value is; the codes are those theme files use.
enum class TsuiThemeKind : std::uint8_t { Int = 0, Color = 1, Image = 2, Bool = 3 };

// One raw catalogue entry. Image entries name a bitmap resource; the others hold a number
// (a colour as 0x00BBGGRR, a Boolean as 0 or 1).
struct TsuiStyleEntry {
    TsuiThemeKind Kind = TsuiThemeKind::Int;
    std::int32_t Number = -1;
    const char* ResourceName = nullptr; // static storage; null unless Kind is Image
};

// The key of a role ("ButtonImage"), also its entry name in a theme file.
QString ThemeKey(TsuiThemeRole role);
TsuiThemeKind ThemeKind(TsuiThemeRole role);

// The style is read modulo 128. Styles outside MacOS..BlueGlass (FromThemeFile included) answer
// the value -1 of kind Int.
TsuiStyleEntry GetStyleEntry(TsuiUIStyle style, TsuiThemeRole role);
// Loads the role's bitmap resource into `bitmap`: whole with frameCount 0, otherwise frame
// `frameIndex` (from 1) of `frameCount` equal-width frames. A role that is no image leaves the
// bitmap unchanged when whole and empties it when cut. Raises EResourceError for a missing
// resource. Null `bitmap`: nothing happens.
void GetStyleBitmap(TsuiUIStyle style, TsuiThemeRole role, TBitmap* bitmap, int frameIndex = 1,
                    int frameCount = 0);
// The role's value when its kind matches; otherwise 0, -1 and false respectively.
TColor GetStyleColor(TsuiUIStyle style, TsuiThemeRole role);
int GetStyleInt(TsuiUIStyle style, TsuiThemeRole role);
bool GetStyleBool(TsuiUIStyle style, TsuiThemeRole role);

// Sets `effectiveStyle` to the style to read the catalogue with and answers true when the values
// are to be read from `fileTheme` instead: only for FromThemeFile with a valid theme.
// FromThemeFile without one falls back to DeepBlue.
bool ResolveStyle(const TsuiFileTheme* fileTheme, TsuiUIStyle uiStyle, TsuiUIStyle& effectiveStyle);
// The UIStyle of the first skinned form among the direct child controls of `owner`, when
// `owner` is a form; DeepBlue otherwise.
TsuiUIStyle GetOwnerFormStyle(const TComponent* owner);
// Every direct child control of `skinForm` publishing both FileTheme and UIStyle gets FileTheme,
// then UIStyle, through the property setters so that it re-skins itself.
void ApplyStyleToChildren(const TWinControl& skinForm, TsuiUIStyle style, TsuiFileTheme* fileTheme);

// A skinned component's FileTheme is owned elsewhere: when the removal notification names it,
// the reference is cleared and the answer is true, and the component turns DeepBlue.
bool DropRemovedFileTheme(TsuiFileTheme*& fileTheme, const TComponent* removed,
                          TOperation operation);

// The role's value as a component with this file theme and style sees it: from the file theme
// when ResolveStyle says so, from the catalogue of the resolved style otherwise. Every skinned
// component asks here rather than choosing between the two itself.
TColor ThemeColor(const TsuiFileTheme* fileTheme, TsuiUIStyle uiStyle, TsuiThemeRole role);
int ThemeInt(const TsuiFileTheme* fileTheme, TsuiUIStyle uiStyle, TsuiThemeRole role);
bool ThemeBool(const TsuiFileTheme* fileTheme, TsuiUIStyle uiStyle, TsuiThemeRole role);
// The role's whole image into `bitmap`. Raises EResourceError when neither source has it.
void ThemeBitmap(const TsuiFileTheme* fileTheme, TsuiUIStyle uiStyle, TsuiThemeRole role,
                 TBitmap* bitmap);
// Frame `frameIndex` (from 1) of the role's `frameCount` equal-width frames into `bitmap`; count
// before index, as CutStripFrame and GetFrameBitmap take them.
void ThemeFrame(const TsuiFileTheme* fileTheme, TsuiUIStyle uiStyle, TsuiThemeRole role,
                TBitmap* bitmap, int frameCount, int frameIndex);
