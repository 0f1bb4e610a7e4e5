#include "framework/platform/RegularFileReader.h"

#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

RegularFileReader::Outcome RegularFileReader::Read(const QString& path, qint64 limit,
                                                   QByteArray& bytes) {
    // Opened without blocking (a FIFO would wait for a writer) and checked on the open file
    // itself, so that nothing swapped in after a check on the name is read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Outcome::CannotOpen;
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Outcome::CannotOpen;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return Outcome::NotAFile;
    if (info.st_size > limit)
        return Outcome::TooLarge;
    QByteArray read = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        return Outcome::ReadFailed;
    if (read.size() > limit) // grew while being read
        return Outcome::TooLarge;
    bytes = read;
    return Outcome::Read;
}
