// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <limits>
#include <optional>
#include <system_error>

// File access that never leaves a torn file: every write goes to a temporary file in the
// target's folder, reaches the disk and is renamed over the target, while an advisory lock
// on the folder keeps other copies of the program from interleaving their updates.
namespace SafeFile {

// The path as Linux sees it: stored paths may use "\" as the separator.
QString localPath(const QString& fileName);

// The path as a message shows it: absolute, with single "/" separators.
QString shownPath(const QString& fileName);

// The content of a regular file, or nothing when it is missing, unreadable or not a file;
// then `error` (when given) holds the errno: EISDIR for a folder, ENODEV for anything else
// that is not a regular file (a FIFO would never end), EFBIG past `maxSize` bytes.
std::optional<QByteArray> read(const QString& fileName, int* error = nullptr,
                               qint64 maxSize = std::numeric_limits<qint64>::max());

// What a replacement did: the bytes the file held (none when it was missing) and those it
// holds now.
struct Change {
    QByteArray before;
    QByteArray after;
};

// Whether a replacement first keeps the bytes the file held in "<name>.bak" beside it (beside
// the file a symbolic link leads to), one generation, written the same safe way.
enum class Backup { None, Keep };

// The backup could not be written; then the file was not replaced either.
class BackupError : public std::system_error {
public:
    BackupError(int error, QString backupPath)
        : std::system_error(error, std::generic_category()), m_path(std::move(backupPath)) {}
    const QString& backupPath() const { return m_path; }

private:
    QString m_path;
};

// What update makes of a file past its size limit: a failure, or, for a file whose content
// may be lost (a history), as good as missing, so that it is replaced without being read.
enum class PastLimit { Fails, CountsAsMissing };

// Reads the file (nothing when missing), asks `change` for the new content and replaces
// the file with it, all under the folder's lock. Throws std::system_error on failure (EFBIG
// for a file past `maxSize` bytes, unless `pastLimit` says it counts as missing); the file is
// then unchanged.
Change update(const QString& fileName,
              const std::function<QByteArray(const std::optional<QByteArray>&)>& change,
              qint64 maxSize = std::numeric_limits<qint64>::max(), Backup backup = Backup::None,
              PastLimit pastLimit = PastLimit::Fails);

// Test seam: called before the data is written; a non-zero result fails the write with that
// errno, as a full disk would (ENOSPC).
void setWriteFaultForTesting(std::function<int()> fault);

} // namespace SafeFile
