#include "platform/RegularFile.h"

#ifdef _WIN32

#include <QFileInfo>

// Windows names its pipes and devices outside the file system's folders (\\.\pipe\..., NUL, COM1),
// where QFileInfo sees no ordinary file; anything that is not one is refused before it is opened.
OpenedFile openRegularFile(const QString& path) {
    if (path.isEmpty() || path.contains(QChar(u'\0'))) {
        return {nullptr, FileRefusal::Missing, QString()};
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        return {nullptr, FileRefusal::Missing, QString()};
    }
    if (info.isDir()) {
        return {nullptr, FileRefusal::Folder, QString()};
    }
    if (!info.isFile()) {
        return {nullptr, FileRefusal::NotAFile, QString()};
    }
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly)) {
        const FileRefusal refusal = file->error() == QFileDevice::PermissionsError
                                        ? FileRefusal::Unreadable
                                        : FileRefusal::Failed;
        return {nullptr, refusal, file->errorString()};
    }
    return {std::move(file), FileRefusal::None, QString()};
}

#else

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

OpenedFile refused(FileRefusal refusal, int error = 0) {
    return {nullptr, refusal,
            error == 0 ? QString() : QString::fromLocal8Bit(std::strerror(error))};
}

OpenedFile refusedForErrno(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
        case ENAMETOOLONG:
            return refused(FileRefusal::Missing);
        case EACCES:
        case EPERM:
            return refused(FileRefusal::Unreadable);
        default:
            return refused(FileRefusal::Failed, error);
    }
}

// The kind of file a status describes, None for a regular file.
FileRefusal refusalForMode(mode_t mode) {
    if (S_ISREG(mode)) {
        return FileRefusal::None;
    }
    return S_ISDIR(mode) ? FileRefusal::Folder : FileRefusal::NotAFile;
}

}  // namespace

OpenedFile openRegularFile(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    // A name holding a zero byte would be cut short there and name another file.
    if (native.isEmpty() || native.contains('\0')) {
        return refused(FileRefusal::Missing);
    }
    struct stat status {};
    if (::stat(native.constData(), &status) != 0) {
        return refusedForErrno(errno);
    }
    if (const FileRefusal kind = refusalForMode(status.st_mode); kind != FileRefusal::None) {
        return refused(kind);
    }
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return refusedForErrno(errno);
    }
    if (::fstat(fd, &status) != 0 || refusalForMode(status.st_mode) != FileRefusal::None) {
        const FileRefusal kind =
            S_ISDIR(status.st_mode) ? FileRefusal::Folder : FileRefusal::NotAFile;
        ::close(fd);
        return refused(kind);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    auto file = std::make_unique<QFile>(path);
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {nullptr, FileRefusal::Failed, file->errorString()};
    }
    return {std::move(file), FileRefusal::None, QString()};
}

#endif
