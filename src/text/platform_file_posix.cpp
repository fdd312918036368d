#include "text/platform_file.h"

#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dw::platform {

namespace {

bool CopyPath(const QByteArray& from, char (&to)[4096]) {
    if (from.size() >= static_cast<qsizetype>(sizeof to))
        return false;
    std::memcpy(to, from.constData(), static_cast<std::size_t>(from.size()) + 1);
    return true;
}

// A path the file system can take: not empty and without a zero character,
// which would cut it short and name another file.
bool IsUsablePath(const QString& path) {
    return !path.isEmpty() && !path.contains(QChar(0));
}

mode_t CurrentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

bool OpenDirect(ReplaceTarget& target) {
    target.tempPath[0] = '\0';
    const int fd = ::open(target.finalPath, O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0)
        return false;
    target.fd = fd;
    target.direct = true;
    return true;
}

} // namespace

int OpenForReading(const QString& path) {
    if (!IsUsablePath(path))
        return -1;
    const QByteArray native = QFile::encodeName(path);
    // Non-blocking open, so a FIFO named by mistake cannot hang the tool.
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

std::size_t ReadSome(int fd, unsigned char* buffer, std::size_t size) {
    while (true) {
        const ssize_t got = ::read(fd, buffer, size);
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR)
            return 0;
    }
}

bool WriteAll(int fd, const unsigned char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t put = ::write(fd, data, size);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (put == 0)
            return false;
        data += put;
        size -= static_cast<std::size_t>(put);
    }
    return true;
}

void CloseFile(int fd) {
    if (fd >= 0)
        ::close(fd);
}

bool BeginReplace(const QString& path, ReplaceTarget& target) {
    target = ReplaceTarget{};
    if (!IsUsablePath(path))
        return false;
    QByteArray native = QFile::encodeName(path);

    struct stat info {};
    const bool exists = ::stat(native.constData(), &info) == 0;
    if (exists) {
        if (S_ISDIR(info.st_mode))
            return false;
        // A file marked read-only stays untouched, also for root, who may write anyway.
        if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(native.constData(), W_OK) != 0)
            return false;
        // Write through a link to the file it names, not over the link itself.
        if (char* resolved = ::realpath(native.constData(), nullptr)) {
            native = QByteArray(resolved);
            std::free(resolved);
        }
    }
    if (!CopyPath(native, target.finalPath))
        return false;
    // Devices and pipes are written as they are; only a regular file can be replaced.
    if (exists && !S_ISREG(info.st_mode))
        return OpenDirect(target);

    const qsizetype slash = native.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : (slash == 0 ? QByteArray("/") : native.left(slash));
    const QByteArray name = slash < 0 ? native : native.mid(slash + 1);
    if (name.isEmpty())
        return false;
    QByteArray temp = folder + "/." + name.left(200) + ".dwtmp-XXXXXX";
    if (CopyPath(temp, target.tempPath)) {
        const int fd = ::mkostemp(target.tempPath, O_CLOEXEC);
        if (fd >= 0) {
            const mode_t mode = exists ? (info.st_mode & 07777) : (0666 & ~CurrentUmask());
            ::fchmod(fd, mode);
            target.fd = fd;
            return true;
        }
    }
    // The folder does not take new files, but an existing file may still be
    // writable in place: that is what the user asked for, without the safety net.
    return exists && OpenDirect(target);
}

bool CommitReplace(ReplaceTarget& target) {
    if (target.fd < 0)
        return false;
    bool ok = target.direct || ::fsync(target.fd) == 0;
    ok = (::close(target.fd) == 0) && ok;
    target.fd = -1;
    if (target.direct)
        return ok;
    if (ok && ::rename(target.tempPath, target.finalPath) == 0)
        return true;
    ::unlink(target.tempPath);
    return false;
}

void AbortReplace(ReplaceTarget& target) {
    if (target.fd < 0)
        return;
    ::close(target.fd);
    target.fd = -1;
    if (!target.direct)
        ::unlink(target.tempPath);
}

void CommitReplaceInSignalHandler(ReplaceTarget& target) {
    if (target.fd < 0)
        return;
    ::close(target.fd);
    target.fd = -1;
    if (!target.direct)
        ::rename(target.tempPath, target.finalPath);
}

std::int64_t FileSizeOf(const QString& path) {
    if (!IsUsablePath(path))
        return -1;
    QByteArray native = QFile::encodeName(path);
    while (native.size() > 1 && native.endsWith('/'))
        native.chop(1);
    struct stat info {};
    if (::stat(native.constData(), &info) != 0)
        return -1;
    if (S_ISDIR(info.st_mode))
        return -2;
    return static_cast<std::int64_t>(info.st_size);
}

} // namespace dw::platform
