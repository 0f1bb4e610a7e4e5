// The values of a theme folder's theme.txt: every role that is no image, then its texts.
#pragma once

#include <QString>

namespace art {

// The jade theme's theme.txt. Empty, with `fault` saying why, when a role has no value or a
// value of another kind than the role's.
QString JadeThemeText(QString& fault);

} // namespace art
