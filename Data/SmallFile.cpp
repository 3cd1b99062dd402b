// Reading a small regular file whole (see SmallFile.h). On POSIX systems the
// file is opened without waiting (a named pipe would otherwise block until
// a writer comes) and tested on the open descriptor, so what is read is what
// was tested.
#include "SmallFile.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QString TooLarge(qint64 size, qint64 limit)
{
    return QStringLiteral("it is larger than %1 bytes (%2 bytes)").arg(limit).arg(size);
}

#ifdef Q_OS_UNIX
QString KindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("it is a folder, not a regular file");
    if (S_ISFIFO(mode))
        return QStringLiteral("it is a named pipe, not a regular file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("it is a device, not a regular file");
    if (S_ISSOCK(mode))
        return QStringLiteral("it is a socket, not a regular file");
    return QStringLiteral("it is not a regular file");
}

TSmallFile Open(const QString& path, qint64 limit, bool read)
{
    TSmallFile result;
    const QByteArray name = QFile::encodeName(path);
    // Tested before opening too: opening a device can do something.
    struct stat before {};
    if (::stat(name.constData(), &before) == 0 && !S_ISREG(before.st_mode)) {
        result.Status = TSmallFile::TStatus::Refused;
        result.Reason = KindOf(before.st_mode);
        return result;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT) {
            result.Status = TSmallFile::TStatus::Missing;
        } else {
            result.Status = TSmallFile::TStatus::Failed;
            result.Reason = QString::fromLocal8Bit(std::strerror(error));
        }
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        result.Status = TSmallFile::TStatus::Failed;
        result.Reason = QString::fromLocal8Bit(std::strerror(errno));
    } else if (!S_ISREG(info.st_mode)) {
        result.Status = TSmallFile::TStatus::Refused;
        result.Reason = KindOf(info.st_mode);
    } else if (qint64(info.st_size) > limit) {
        result.Status = TSmallFile::TStatus::Refused;
        result.Reason = TooLarge(qint64(info.st_size), limit);
    } else {
        result.Status = TSmallFile::TStatus::Read;
        if (read) {
            // Never more than the limit, even when the file grows meanwhile.
            result.Bytes.resize(qsizetype(limit) + 1);
            qint64 got = 0;
            while (got <= limit) {
                const ssize_t n = ::read(fd, result.Bytes.data() + got, std::size_t(limit + 1 - got));
                if (n < 0 && errno == EINTR)
                    continue;
                if (n < 0) {
                    result.Status = TSmallFile::TStatus::Failed;
                    result.Reason = QString::fromLocal8Bit(std::strerror(errno));
                    break;
                }
                if (n == 0)
                    break;
                got += n;
            }
            if (result.Status == TSmallFile::TStatus::Read && got > limit) {
                result.Status = TSmallFile::TStatus::Refused;
                result.Reason = TooLarge(got, limit);
            }
            result.Bytes.truncate(result.Status == TSmallFile::TStatus::Read ? qsizetype(got) : 0);
        }
    }
    ::close(fd);
    return result;
}
#else
TSmallFile Open(const QString& path, qint64 limit, bool read)
{
    TSmallFile result;
    const QFileInfo info(path);
    if (!info.exists()) {
        result.Status = TSmallFile::TStatus::Missing;
        return result;
    }
    if (!info.isFile()) {
        result.Status = TSmallFile::TStatus::Refused;
        result.Reason = info.isDir() ? QStringLiteral("it is a folder, not a regular file")
                                     : QStringLiteral("it is not a regular file");
        return result;
    }
    if (info.size() > limit) {
        result.Status = TSmallFile::TStatus::Refused;
        result.Reason = TooLarge(info.size(), limit);
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.Status = TSmallFile::TStatus::Failed;
        result.Reason = file.errorString();
        return result;
    }
    result.Status = TSmallFile::TStatus::Read;
    if (read) {
        result.Bytes = file.read(limit + 1);
        if (result.Bytes.size() > limit) {
            result.Status = TSmallFile::TStatus::Refused;
            result.Reason = TooLarge(result.Bytes.size(), limit);
            result.Bytes.clear();
        } else if (file.error() != QFileDevice::NoError) {
            result.Status = TSmallFile::TStatus::Failed;
            result.Reason = file.errorString();
            result.Bytes.clear();
        }
    }
    return result;
}
#endif

}  // namespace

TSmallFile ReadSmallFile(const QString& path, qint64 limit)
{
    return Open(path, limit, true);
}

TSmallFile CheckSmallFile(const QString& path, qint64 limit)
{
    return Open(path, limit, false);
}
