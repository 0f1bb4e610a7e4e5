// What accessibility tools call the main window's controls that no label on it names.
#pragma once

#include <QString>
#include <array>
#include <utility>

namespace AccessibleNames {

// Component name, accessible name.
inline const std::array<std::pair<const char*, QString>, 3> kUnlabelledControls{{
    {"DBMemo_Duanxin", QStringLiteral("短信内容")},
    {"DBGrid_duanxinlist", QStringLiteral("短信列表")},
    {"TJ", QStringLiteral("状态")},
}};

} // namespace AccessibleNames
