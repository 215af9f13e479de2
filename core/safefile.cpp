// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/safefile.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace SafeFile {
namespace {

std::function<int()>& writeFault() {
    static std::function<int()> fault;
    return fault;
}

[[noreturn]] void fail(int error) {
    throw std::system_error(error, std::generic_category());
}

class Fd {
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    void reset(int fd) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

// Follows symbolic links so that a linked file keeps its link and the target is replaced.
QString resolveLinks(const QString& path) {
    QString current = QFileInfo(path).absoluteFilePath();
    for (int depth = 0; depth < 40; ++depth) {
        const QString target = QFileInfo(current).symLinkTarget();
        if (target.isEmpty())
            return current;
        current = target;
    }
    fail(ELOOP);
}

bool writableByMode(const struct stat& st, const QByteArray& path) {
    // The mode bits count even for root, so that a read-only file stays read-only.
    return (st.st_mode & 0222) != 0 && ::access(path.constData(), W_OK) == 0;
}

void writeAll(int fd, const QByteArray& bytes) {
    if (writeFault()) {
        if (const int error = writeFault()())
            fail(error);
    }
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
        }
        data += n;
        left -= n;
    }
}

QString tempPrefix(const QString& baseName) {
    return u'.' + baseName + QStringLiteral(".tmp-");
}

// A temporary left by a copy that was killed between naming and renaming it; only
// called under the folder's lock, when no live writer can own one.
void removeStaleTemporaries(int dirFd, const QString& baseName) {
    const int dupFd = ::dup(dirFd);
    if (dupFd < 0)
        return;
    DIR* dir = ::fdopendir(dupFd);
    if (!dir) {
        ::close(dupFd);
        return;
    }
    const QByteArray prefix = QFile::encodeName(tempPrefix(baseName));
    while (dirent* entry = ::readdir(dir)) {
        if (QByteArrayView(entry->d_name).startsWith(prefix))
            ::unlinkat(dirFd, entry->d_name, 0);
    }
    ::closedir(dir);
}

// A file beside `baseName` holding new bytes, on the disk, that takes its place by a rename;
// removed again unless it did.
class Temporary {
public:
    Temporary(int dirFd, const QString& baseName)
        : m_dirFd(dirFd), m_target(QFile::encodeName(baseName)),
          m_name(QFile::encodeName(tempPrefix(baseName)) + QByteArray::number(::getpid())) {}
    ~Temporary() {
        if (m_named)
            ::unlinkat(m_dirFd, m_name.constData(), 0);
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    void write(const QString& dirPath, const QByteArray& bytes, const struct stat* old) {
        const QByteArray dirName = QFile::encodeName(dirPath);
        Fd tmp(::open(dirName.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
        if (tmp.get() < 0) {
            if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
                fail(errno);
            // No unnamed temporaries on this file system: name it from the start.
            tmp.reset(::openat(m_dirFd, m_name.constData(),
                               O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
            if (tmp.get() < 0)
                fail(errno);
            m_named = true;
        }
        writeAll(tmp.get(), bytes);
        if (old && ::fchmod(tmp.get(), old->st_mode & 07777) != 0)
            fail(errno);
        if (::fsync(tmp.get()) != 0)
            fail(errno);
        if (!m_named) {
            const QByteArray procPath = "/proc/self/fd/" + QByteArray::number(tmp.get());
            if (::linkat(AT_FDCWD, procPath.constData(), m_dirFd, m_name.constData(),
                         AT_SYMLINK_FOLLOW) != 0)
                fail(errno);
            m_named = true;
        }
    }

    void replace() {
        if (::renameat(m_dirFd, m_name.constData(), m_dirFd, m_target.constData()) != 0)
            fail(errno);
        m_named = false;
    }

private:
    int m_dirFd;
    QByteArray m_target;
    QByteArray m_name;
    bool m_named = false;
};

} // namespace

QString localPath(const QString& fileName) {
    QString path = fileName;
    path.replace(u'\\', u'/');
    return path;
}

QString shownPath(const QString& fileName) {
    return QDir::cleanPath(QFileInfo(localPath(fileName)).absoluteFilePath());
}

std::optional<QByteArray> read(const QString& fileName, int* error, qint64 maxSize) {
    const auto failed = [error](int code) -> std::optional<QByteArray> {
        if (error)
            *error = code;
        return std::nullopt;
    };
    const QByteArray path = QFile::encodeName(localPath(fileName));
    if (path.isEmpty())
        return failed(ENOENT);
    // O_NONBLOCK so that a planted FIFO cannot hang the program.
    Fd fd(::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat st;
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0)
        return failed(errno);
    if (S_ISDIR(st.st_mode))
        return failed(EISDIR);
    if (!S_ISREG(st.st_mode))
        return failed(ENODEV);
    if (st.st_size > maxSize)
        return failed(EFBIG);
    // A piece at a time, straight into the array. Not for a large file, whose array is fresh
    // memory each time: written by the kernel, its pages were slow to read back (a 50 MB menu
    // opened in 210 ms instead of 135), so it goes through a buffer.
    constexpr qsizetype kPiece = 65536;
    constexpr qint64 kStraightReadLimit = 4 << 20;
    const bool straight = st.st_size <= kStraightReadLimit;
    char buffer[kPiece];
    // The byte past the size found tells a file that grew.
    QByteArray bytes(qsizetype(st.st_size) + 1, Qt::Uninitialized);
    qsizetype used = 0;
    for (;;) {
        // Doubled, to at most one byte past the limit; added up in this order so that the
        // largest limit does not overflow.
        if (used == bytes.size())
            bytes.resize(qsizetype(qMin(qint64(used), maxSize - used) + used + 1));
        char* const into = bytes.data() + used;
        const ssize_t n =
            ::read(fd.get(), straight ? into : buffer, size_t(qMin(kPiece, bytes.size() - used)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failed(errno);
        if (n == 0)
            break;
        if (!straight)
            std::memcpy(into, buffer, size_t(n));
        used += n;
        if (used > maxSize)
            return failed(EFBIG);
    }
    bytes.truncate(used);
    return bytes;
}

Change update(const QString& fileName,
              const std::function<QByteArray(const std::optional<QByteArray>&)>& change,
              qint64 maxSize, Backup backup, PastLimit pastLimit) {
    if (fileName.isEmpty())
        fail(ENOENT);
    const QString target = resolveLinks(localPath(fileName));
    const QFileInfo info(target);
    const QString dirPath = info.absolutePath();
    const QString baseName = info.fileName();
    const QByteArray dirName = QFile::encodeName(dirPath);

    Fd dirFd(::open(dirName.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dirFd.get() < 0)
        fail(errno);
    struct stat dirStat;
    if (::fstat(dirFd.get(), &dirStat) != 0)
        fail(errno);
    if (!writableByMode(dirStat, dirName))
        fail(EACCES);
    while (::flock(dirFd.get(), LOCK_EX) != 0) {
        if (errno != EINTR)
            fail(errno);
    }
    removeStaleTemporaries(dirFd.get(), baseName);

    const QByteArray targetName = QFile::encodeName(target);
    struct stat old;
    const bool exists = ::lstat(targetName.constData(), &old) == 0;
    if (exists) {
        if (S_ISDIR(old.st_mode))
            fail(EISDIR);
        if (!S_ISREG(old.st_mode))
            fail(EINVAL);
        if (!writableByMode(old, targetName))
            fail(EACCES);
    } else if (errno != ENOENT) {
        fail(errno);
    }
    std::optional<QByteArray> current;
    if (exists) {
        // An unreadable file must not be taken for a missing one and overwritten.
        int error = 0;
        current = read(target, &error, maxSize);
        if (!current && !(error == EFBIG && pastLimit == PastLimit::CountsAsMissing))
            fail(error == EFBIG ? EFBIG : EACCES);
    }
    const QByteArray bytes = change(current);
    Temporary replacement(dirFd.get(), baseName);
    replacement.write(dirPath, bytes, exists ? &old : nullptr);
    // Both written before either is renamed, so that a failure until then leaves both as they
    // were. The backup gets the file's mode: it holds the same text.
    if (backup == Backup::Keep && current) {
        const QString backupName = baseName + QStringLiteral(".bak");
        try {
            removeStaleTemporaries(dirFd.get(), backupName);
            Temporary copy(dirFd.get(), backupName);
            copy.write(dirPath, *current, &old);
            copy.replace();
        } catch (const std::system_error& e) {
            throw BackupError(e.code().value(), dirPath + u'/' + backupName);
        }
    }
    replacement.replace();
    ::fsync(dirFd.get());
    return {current.value_or(QByteArray()), bytes};
}

void setWriteFaultForTesting(std::function<int()> fault) {
    writeFault() = std::move(fault);
}

} // namespace SafeFile
