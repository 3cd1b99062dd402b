// Real ICC profiles for the colour management tests, and small helpers to
// make bad or re-classed copies of them in a temporary folder.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <lcms2.h>

#include <gtest/gtest.h>

#include "TData.h"

#include <cstdint>
#include <vector>

namespace cmstest {

// A CMYK output profile (class "prtr"), from Debian's libgs-common.
inline const QString GhostscriptCmyk = QStringLiteral("/usr/share/color/icc/ghostscript/default_cmyk.icc");
// An RGB display profile from Debian's icc-profiles-free.
inline const QString FreeSrgb = QStringLiteral("/usr/share/color/icc/sRGB.icc");
// An RGB profile with a wider gamut than sRGB (libgs-common).
inline const QString GhostscriptA98 = QStringLiteral("/usr/share/color/icc/ghostscript/a98.icc");
// The display profile the build made beside the executables.
inline const QString GeneratedDisplayProfile = QStringLiteral(KV_GENERATED_DISPLAY_PROFILE);

inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString()
                      << " (install the packages of scripts/deps.sh: libgs-common, icc-profiles-free)";
        return {};
    }
    return file.readAll();
}

inline QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
    return path;
}

// A copy of the profile at `source` whose device class Little CMS changed
// to `deviceClass`; everything else is as in the original.
inline QString ReclassedCopy(const QTemporaryDir& dir, const QString& source, const QString& name,
                             cmsProfileClassSignature deviceClass)
{
    const QString path = dir.filePath(name);
    cmsHPROFILE profile = cmsOpenProfileFromFile(QFile::encodeName(source).constData(), "r");
    if (profile == nullptr) {
        ADD_FAILURE() << "Little CMS cannot open " << source.toStdString();
        return path;
    }
    cmsSetDeviceClass(profile, deviceClass);
    if (!cmsSaveProfileToFile(profile, QFile::encodeName(path).constData()))
        ADD_FAILURE() << "Little CMS cannot save " << path.toStdString();
    cmsCloseProfile(profile);
    return path;
}

inline std::uint32_t BigEndian32(const QByteArray& bytes, int offset)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData()) + offset;
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

inline void PutBigEndian32(QByteArray& bytes, int offset, std::uint32_t value)
{
    bytes[offset] = char(value >> 24);
    bytes[offset + 1] = char(value >> 16);
    bytes[offset + 2] = char(value >> 8);
    bytes[offset + 3] = char(value);
}

// Offset of the tag table entry `index` (signature, offset, size).
inline int TagEntry(int index) { return 132 + 12 * index; }

// Every field of a record, to see that a measurement left it alone.
inline std::vector<double> Fields(const TData& r)
{
    std::vector<double> f(r.Spectrum.begin(), r.Spectrum.end());
    f.insert(f.end(), r.Coord.begin(), r.Coord.end());
    for (double v : {r.DeltaL, r.DeltaA, r.DeltaB, r.DeltaC, r.DeltaH, r.DeltaE, r.X, r.Y, r.Z, r.SmallX, r.SmallY,
                     r.WhiteX, r.WhiteY, r.WhiteZ, double(r.DisplayR), double(r.DisplayG), double(r.DisplayB),
                     double(r.DisplayColor)})
        f.push_back(v);
    return f;
}

}  // namespace cmstest
