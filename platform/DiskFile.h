#pragma once

#include <QByteArray>
#include <QString>

#include <stdexcept>

// Whole files on disk, read and written so that nothing hostile gets in and
// nothing is lost: a read takes only a regular file of a bounded size and never
// blocks; a write goes through a temporary file beside the target that is
// renamed over it only after a complete, flushed write. Failures throw
// std::runtime_error with the reason for the user.
class DiskFile {
public:
    // A file that is there but is no file to read: a folder, FIFO or device,
    // or one larger than the limit.
    class Refused : public std::runtime_error {
    public:
        using std::runtime_error::runtime_error;
    };

    static QByteArray read(const QString& path, qint64 maxBytes);

    // A symbolic link is followed: the file it points to is written and the
    // link stays. A read-only file, a folder or a device is refused; any other
    // failure gives the system's reason. On failure the old file keeps its
    // bytes and no new file is left behind.
    static void write(const QString& path, const QByteArray& bytes);
};
