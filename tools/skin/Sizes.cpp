#include "Sizes.h"

#include <algorithm>
#include <cassert>

namespace art {
namespace {

int ColumnOf(Style style) {
    const int column = static_cast<int>(style) - static_cast<int>(Style::MacOS);
    assert(column >= 0 && column < kStyleCount);
    return column;
}

const RoleSizes& Row(Role role) {
    const auto& roles = ImageRoles();
    const auto it = std::find_if(roles.begin(), roles.end(),
                                 [role](const RoleSizes& r) { return r.role == role; });
    assert(it != roles.end());
    return *it;
}

} // namespace

const std::vector<RoleSizes>& ImageRoles() {
    static const std::vector<RoleSizes> roles{
        {Role::Button, "BUTTON", {{{252, 23}, {54, 21}, {222, 21}, {222, 21}, {231, 27}}}},
        {Role::CheckBox, "CHECKBOX", {{{60, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}}}},
        {Role::RadioButton, "RADIOBUTTON", {{{64, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}}}},
        {Role::TitleButtons, "TITLEBTN", {{{306, 17}, {378, 21}, {342, 19}, {342, 19}, {342, 19}}}},
        {Role::TitleLeft, "TITLE_LEFT", {{{48, 23}, {35, 29}, {97, 32}, {441, 23}, {162, 33}}}},
        {Role::TitleClient, "TITLE_CLIENT", {{{49, 23}, {37, 29}, {98, 32}, {1, 23}, {179, 33}}}},
        {Role::TitleRight, "TITLE_RIGHT", {{{48, 23}, {35, 29}, {97, 32}, {1, 23}, {101, 33}}}},
        {Role::ProgressBar, "PROGRESSBAR", {{{13, 10}, {6, 10}, {1, 10}, {1, 10}, {1, 10}}}},
        {Role::TrackBarBar, "TRACKBAR_BAR", {{{45, 5}, {45, 8}, {45, 4}, {45, 4}, {45, 4}}}},
        {Role::TrackBarSlider,
         "TRACKBAR_SLIDER",
         {{{11, 20}, {11, 21}, {11, 20}, {11, 20}, {11, 20}}}},
        {Role::TrackBarSliderV,
         "TRACKBAR_SLIDER_V",
         {{{19, 11}, {22, 11}, {18, 11}, {18, 11}, {18, 11}}}},
        {Role::ScrollBarButton,
         "SCROLLBAR_BUTTON",
         {{{96, 22}, {96, 17}, {96, 16}, {96, 16}, {102, 16}}}},
        {Role::ScrollBarTrack,
         "SCROLLBAR_TRACK",
         {{{33, 16}, {21, 16}, {21, 16}, {21, 16}, {21, 16}}}},
        {Role::CheckList, "CHECKLIST", {{{40, 11}, {44, 11}, {44, 11}, {44, 11}, {44, 11}}}},
        {Role::ScrollButton,
         "SCROLLBUTTON",
         {{{72, 18},
           {72, 18},
           kSharedScrollButtonSize,
           kSharedScrollButtonSize,
           kSharedScrollButtonSize}}},
        {Role::Tab, "TAB", {{{36, 27}, {18, 18}, {12, 17}, {18, 17}, {18, 17}}}},
        {Role::TabLine, "TAB_LINE", {{{17, 7}, {8, 1}, {5, 5}, {10, 5}, {10, 5}}}},
        {Role::SideChannelHandle,
         "SIDECHENNEL_HANDLE",
         {{{7, 84}, {8, 86}, {8, 83}, {8, 83}, {8, 86}}}},
        {Role::SideChannelBar, "SIDECHENNEL_BAR", {{{1, 21}, {1, 21}, {1, 20}, {1, 21}, {1, 21}}}},
    };
    return roles;
}

QSize SizeOf(Style style, Role role) {
    return Row(role).sizes[ColumnOf(style)];
}

bool UsesSharedScrollButton(Style style) {
    return style == Style::DeepBlue || style == Style::Protein || style == Style::BlueGlass;
}

QString NameOf(Style style, Role role) {
    if (role == Role::ScrollButton && UsesSharedScrollButton(style))
        return QString::fromLatin1(kSharedScrollButton);
    return QStringLiteral("%1_%2").arg(QLatin1String(LookOf(style).prefix),
                                       QLatin1String(Row(role).suffix));
}

} // namespace art
