// The program's arguments. Its work takes none; like every program on the system it answers
// --help and --version without opening a window, and says which arguments it ignores.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace CommandLine {

// What to print before leaving, for the first of --help and --version among the arguments
// (without the program's name); nothing when neither is there.
std::optional<QString> Answer(const QStringList& arguments);
// One line for standard error about each argument that is ignored (the toolkit has taken its
// own options out before).
QString Ignored(const QStringList& arguments);

} // namespace CommandLine
