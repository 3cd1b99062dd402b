// Opening ICC profile files through a Little CMS I/O handler over QFile.
// The handler reads lazily (header first, tags when asked for), so a large
// file costs only what is read from it.
#include "ProfileFile.h"

#include <lcms2_plugin.h>

#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstring>
#include <limits>

namespace {

QFile* StreamOf(cmsIOHANDLER* io)
{
    return static_cast<QFile*>(io->stream);
}

// Little CMS expects `count` on success and 0 on any shortfall, like fread.
cmsUInt32Number ReadFromFile(cmsIOHANDLER* io, void* buffer, cmsUInt32Number size, cmsUInt32Number count)
{
    const std::uint64_t length = std::uint64_t(size) * count;
    if (length == 0)
        return 0;
    QFile* file = StreamOf(io);
    // The size taken at opening; asking the file again costs a system call.
    const qint64 position = file->pos();
    if (position > qint64(io->ReportedSize) || length > std::uint64_t(qint64(io->ReportedSize) - position))
        return 0;
    const qint64 got = file->read(static_cast<char*>(buffer), qint64(length));
    return got == qint64(length) ? count : 0;
}

cmsBool SeekInFile(cmsIOHANDLER* io, cmsUInt32Number offset)
{
    return StreamOf(io)->seek(qint64(offset)) ? TRUE : FALSE;
}

cmsUInt32Number TellInFile(cmsIOHANDLER* io)
{
    return cmsUInt32Number(StreamOf(io)->pos());
}

// The file is opened for reading only.
cmsBool WriteToFile(cmsIOHANDLER*, cmsUInt32Number, const void*)
{
    return FALSE;
}

// Little CMS calls this once when the profile is closed, also when opening
// failed after the handler was handed over; it owns the handler from then on.
cmsBool CloseFile(cmsIOHANDLER* io)
{
    delete StreamOf(io);
    delete io;
    return TRUE;
}

// An ICC profile states its size in the first 4 bytes of its header (32 bits,
// big-endian). A file shorter than that lost its end; a file larger than
// 32 bits can state is none.
bool SizeFitsHeader(QFile& file)
{
    const qint64 size = file.size();
    if (size < 4 || size > qint64(std::numeric_limits<cmsUInt32Number>::max()))
        return false;
    unsigned char field[4];
    if (file.read(reinterpret_cast<char*>(field), 4) != 4 || !file.seek(0))
        return false;
    const std::uint32_t declared = (std::uint32_t(field[0]) << 24) | (std::uint32_t(field[1]) << 16)
                                   | (std::uint32_t(field[2]) << 8) | field[3];
    return qint64(declared) <= size;
}

}  // namespace

TProfile OpenProfileFile(const QString& path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return nullptr;

    auto* file = new QFile(path);
    if (!file->open(QIODevice::ReadOnly) || !SizeFitsHeader(*file)) {
        delete file;
        return nullptr;
    }

    auto* io = new cmsIOHANDLER{};
    io->stream = file;
    io->ContextID = nullptr;
    io->ReportedSize = cmsUInt32Number(file->size());
    const QByteArray name = QFile::encodeName(path).left(cmsMAX_PATH - 1);
    std::memcpy(io->PhysicalFile, name.constData(), std::size_t(name.size()));
    io->Read = ReadFromFile;
    io->Seek = SeekInFile;
    io->Close = CloseFile;
    io->Tell = TellInFile;
    io->Write = WriteToFile;

    // From here on Little CMS owns the handler (see CloseFile).
    return TProfile(cmsOpenProfileFromIOhandlerTHR(nullptr, io));
}
