#include "framework/platform/RuntimeFolder.h"

#include "framework/core/Exception.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr mode_t kPrivate = 0700;

[[noreturn]] void Refuse(const QString& path, const QString& why) {
    throw EFileError(QStringLiteral("Cannot use the folder %1: %2").arg(path, why));
}
} // namespace

QString RuntimeFolder::Location() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && runtime.startsWith('/'))
        return QString::fromLocal8Bit(runtime) + QStringLiteral("/duanxin");
    return QStringLiteral("/tmp/duanxin-%1").arg(::getuid());
}

QString RuntimeFolder::Path() {
    QString path = Location();
    while (path.endsWith(u'/') && path.size() > 1)
        path.chop(1);
    const QByteArray native = path.toLocal8Bit();
    if (::mkdir(native.constData(), kPrivate) != 0 && errno != EEXIST)
        Refuse(path, QString::fromLocal8Bit(std::strerror(errno)));
    struct stat info {};
    // lstat: a link planted in a shared folder must not redirect where the library is written.
    if (::lstat(native.constData(), &info) != 0)
        Refuse(path, QString::fromLocal8Bit(std::strerror(errno)));
    if (S_ISLNK(info.st_mode))
        Refuse(path, QStringLiteral("it is a symbolic link"));
    if (!S_ISDIR(info.st_mode))
        Refuse(path, QStringLiteral("it is not a folder"));
    if (info.st_uid != ::getuid())
        Refuse(path, QStringLiteral("it belongs to another user"));
    if ((info.st_mode & 077) != 0 && ::chmod(native.constData(), kPrivate) != 0)
        Refuse(path, QString::fromLocal8Bit(std::strerror(errno)));
    return path;
}

void RuntimeFolder::RemoveIfEmpty() {
    // rmdir removes only an empty folder, and never what a link points at: no check can race it.
    ::rmdir(Location().toLocal8Bit().constData());
}
