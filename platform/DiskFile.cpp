#include "platform/DiskFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The system's reasons come without a full stop; the user reads a sentence.
[[noreturn]] void fail(const QString& reason)
{
    const QString sentence = reason.endsWith(QLatin1Char('.')) ? reason : reason + QLatin1Char('.');
    throw std::runtime_error(sentence.toStdString());
}

[[noreturn]] void refuse(const QString& reason)
{
    throw DiskFile::Refused(reason.toStdString());
}

class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {
    }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

QString megabytes(qint64 bytes)
{
    return QString::number(static_cast<double>(bytes) / (1024.0 * 1024.0), 'g', 3);
}

// Qt leaves "Unknown error" behind after some failed writes; errno still holds the cause.
QString reasonOf(const QFileDevice& file, int savedErrno)
{
    if (file.error() != QFileDevice::NoError && file.errorString() != QLatin1String("Unknown error"))
        return file.errorString();
    return savedErrno != 0 ? qt_error_string(savedErrno) : file.errorString();
}

} // namespace

QByteArray DiskFile::read(const QString& path, qint64 maxBytes)
{
    // Non-blocking, so that opening a FIFO without a writer returns at once.
    const QByteArray name = QFile::encodeName(path);
    const Descriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd() < 0)
        fail(qt_error_string(errno));
    struct stat status {};
    if (::fstat(file.fd(), &status) != 0)
        fail(qt_error_string(errno));
    if (!S_ISREG(status.st_mode))
        refuse(QStringLiteral("%1 is not a regular file.").arg(path));
    const QString tooLarge = QStringLiteral("%1 is larger than %2 MB.").arg(path, megabytes(maxBytes));
    if (status.st_size > maxBytes)
        refuse(tooLarge);

    // The file may grow while it is read: never past the limit.
    QByteArray bytes(static_cast<qsizetype>(status.st_size) + 1, Qt::Uninitialized);
    qint64 total = 0;
    while (true) {
        if (total == bytes.size()) {
            if (total > maxBytes)
                refuse(tooLarge);
            bytes.resize(static_cast<qsizetype>(std::min<qint64>(maxBytes + 1, total * 2 + 4096)));
        }
        const ssize_t n = ::read(file.fd(), bytes.data() + total, static_cast<size_t>(bytes.size() - total));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(qt_error_string(errno));
        if (n == 0)
            break;
        total += n;
    }
    if (total > maxBytes)
        refuse(tooLarge);
    bytes.truncate(static_cast<qsizetype>(total));
    return bytes;
}

void DiskFile::write(const QString& path, const QByteArray& bytes)
{
    const QFileInfo target(path); // follows a link to what it points to
    if (target.exists()) {
        if (!target.isFile())
            fail(QStringLiteral("It is not a regular file."));
        // Marked read-only counts even where the user could still replace it (root).
        constexpr QFileDevice::Permissions anyWrite =
            QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
        if (!(target.permissions() & anyWrite))
            fail(QStringLiteral("The file is read-only."));
        // Otherwise the system says why it may not be written (a read-only file system, say).
        if (::access(QFile::encodeName(path).constData(), W_OK) != 0) {
            const int reason = errno;
            fail(reason == EACCES ? QStringLiteral("The file is read-only.") : qt_error_string(reason));
        }
    }

    // Unbuffered: a short write shows at once instead of being lost in a flush
    // that reports success.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(reasonOf(file, errno));
    qint64 done = 0;
    while (done < bytes.size()) {
        errno = 0;
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            fail(reasonOf(file, errno)); // the temporary file goes with `file`
        done += n;
    }
    if (!file.commit())
        fail(reasonOf(file, errno));
}
