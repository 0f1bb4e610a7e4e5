// Every skin bitmap the program loads: its image role, its resource name and its exact size.
#pragma once

#include "Look.h"

#include <QSize>
#include <QString>
#include <array>
#include <vector>

namespace art {

// The image roles, numbered as the theme catalogue numbers them.
enum class Role : int {
    Button = 1,
    CheckBox = 3,
    RadioButton = 4,
    TitleButtons = 5,
    TitleLeft = 10,
    TitleClient = 11,
    TitleRight = 12,
    ProgressBar = 24,
    TrackBarBar = 28,
    TrackBarSlider = 29,
    TrackBarSliderV = 30,
    ScrollBarButton = 32,
    ScrollBarTrack = 33,
    CheckList = 34,
    ScrollButton = 38,
    Tab = 39,
    TabLine = 40,
    SideChannelHandle = 41,
    SideChannelBar = 42,
};

struct RoleSizes {
    Role role;
    const char* suffix;                   // the name after the style prefix: BLUEGLASS_ + BUTTON
    std::array<QSize, kStyleCount> sizes; // MacOS, WinXP, DeepBlue, Protein, BlueGlass
};

// Frames per strip, fixed by the components that cut them.
inline constexpr int kButtonFrames = 3;
inline constexpr int kTitleButtonFrames = 18;
// Frames of the strips only the catalogue knows (no component of the program cuts them).
inline constexpr int kCheckFrames = 4;
inline constexpr int kScrollBarButtonFrames = 6;
inline constexpr int kScrollButtonFrames = 4;

// DeepBlue, Protein and BlueGlass share one scroll-button picture under this name.
inline constexpr char kSharedScrollButton[] = "MORE_SCROLLBUTTON";
inline constexpr QSize kSharedScrollButtonSize{72, 17};

const std::vector<RoleSizes>& ImageRoles();
QSize SizeOf(Style style, Role role);
// The resource name, MORE_SCROLLBUTTON where a style uses the shared picture.
QString NameOf(Style style, Role role);
bool UsesSharedScrollButton(Style style);

} // namespace art
