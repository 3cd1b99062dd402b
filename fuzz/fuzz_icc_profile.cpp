// Fuzzer of the output profile checks: any bytes as the profile the operator
// chose. A profile that is refused gives an empty description; one that is
// accepted converts a few CIELAB colours (or says it cannot).
#include "OutputProfile.h"

#include <QFile>
#include <QString>

#include <lcms2.h>

#include <cstdint>
#include <cstdlib>
#include <unistd.h>

namespace {

QString ProfilePath()
{
    static const QString path = [] {
        char pattern[] = "/tmp/kv-fuzz-icc-XXXXXX";
        const char* made = mkdtemp(pattern);
        if (!made)
            std::abort();
        return QString::fromLocal8Bit(made) + QStringLiteral("/chosen.icc");
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    cmsSetLogErrorHandler(nullptr);   // Little CMS complains about every bad file otherwise
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = ProfilePath();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    const QString description = ProfileDescription(path);
    const int intent = size ? data[0] % 4 : 0;
    if (description.isEmpty()) {
        if (size < 128 && LabToDevice(path, 50, 0, 0, intent))
            std::abort();   // a refused profile never converts
        return 0;
    }
    (void)LabToDevice(path, 50, 20, -30, intent);
    (void)LabToDevice(path, 100, 0, 0, intent);
    return 0;
}
