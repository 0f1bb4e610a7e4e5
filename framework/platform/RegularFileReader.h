// Reads a whole file that must be an ordinary one: a FIFO, a device, a folder or a link to one
// is refused without waiting on it, and no more than the limit is ever read, so a hostile path
// (/dev/zero, a pipe no one writes) can neither hang the program nor fill its memory.
#pragma once

#include <QByteArray>
#include <QString>

class RegularFileReader {
public:
    enum class Outcome { Read, CannotOpen, NotAFile, TooLarge, ReadFailed };

    // `bytes` receives the contents when the outcome is Read.
    static Outcome Read(const QString& path, qint64 limit, QByteArray& bytes);
};
