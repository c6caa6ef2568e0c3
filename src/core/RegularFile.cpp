#include "core/RegularFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString KindOf(mode_t mode) {
    if (S_ISREG(mode)) {
        return {};
    }
    if (S_ISDIR(mode)) {
        return QStringLiteral("a folder");
    }
    if (S_ISFIFO(mode)) {
        return QStringLiteral("a named pipe");
    }
    if (S_ISSOCK(mode)) {
        return QStringLiteral("a socket");
    }
    return QStringLiteral("a device");
}

} // namespace

QString NotARegularFile(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        return {};
    }
    return KindOf(status.st_mode);
}

bool OpenRegularFile(QFile& file, const QString& path, QString* problem) {
    const auto fail = [&](const QString& reason) {
        if (problem != nullptr) {
            *problem = reason;
        }
        return false;
    };
    // Without O_NONBLOCK, opening a pipe waits for a writer that may never come.
    const int handle =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (handle < 0) {
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    }
    struct stat status {};
    const QString kind = ::fstat(handle, &status) == 0
                             ? KindOf(status.st_mode)
                             : QString::fromLocal8Bit(std::strerror(errno));
    if (!kind.isEmpty()) {
        ::close(handle);
        return fail(kind);
    }
    const int flags = ::fcntl(handle, F_GETFL);
    if (flags >= 0) {
        (void)::fcntl(handle, F_SETFL, flags & ~O_NONBLOCK);
    }
    if (!file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        return fail(file.errorString());
    }
    return true;
}

bool FileExists(const QString& path) {
    return !path.isEmpty() && QFileInfo::exists(path);
}
