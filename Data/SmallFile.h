// Reading a small file of the program's own (the settings file) whole,
// without ever waiting on it or reading without end: only a regular file
// (also through a link) up to a size limit is read. A named pipe, a device
// such as /dev/zero, a folder or a file beyond the limit is refused, with
// the reason in words.
#pragma once

#include <QByteArray>
#include <QString>

struct TSmallFile {
    enum class TStatus {
        Missing,   // nothing at the path
        Read,      // Bytes hold the whole file
        Refused,   // not a regular file, or too large: Reason says which
        Failed,    // a regular file that could not be read: Reason says why
    };
    TStatus Status = TStatus::Missing;
    QByteArray Bytes;
    QString Reason;
};

// A settings file holds a few kilobytes; anything past this is no settings file.
inline constexpr qint64 SmallFileLimit = 1024 * 1024;

// Reads the file at `path` when it is a regular file of at most `limit` bytes.
TSmallFile ReadSmallFile(const QString& path, qint64 limit = SmallFileLimit);
// The same test without reading: Missing, Read (it would be read), Refused or Failed.
TSmallFile CheckSmallFile(const QString& path, qint64 limit = SmallFileLimit);
