// The per-user folder where the program keeps the files of one run: $XDG_RUNTIME_DIR/duanxin,
// else /tmp/duanxin-<uid>. It is created private (0700) and refused when it is a symbolic link,
// no folder, or owned by another user.
#pragma once

#include <QString>

class RuntimeFolder {
public:
    // The folder's path without a trailing separator; throws EFileError when the folder cannot
    // be made or must not be trusted.
    static QString Path();
    // Where the folder is looked for, before it is checked.
    static QString Location();
    // Removes the folder when nothing is left in it; another copy of the program may still
    // have files there, and then it stays.
    static void RemoveIfEmpty();
};
