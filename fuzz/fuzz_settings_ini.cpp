// Fuzzer of the settings file reader: any bytes as the settings file. Loading
// never fails on content, and what is saved from the loaded record loads back
// as the same record, with the file's other text kept.
#include "Config.h"
#include "ConfigFields.h"
#include "Settings.h"
#include "SettingsIni.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <tuple>
#include <unistd.h>

namespace {

QString Folder()
{
    static const QString folder = [] {
        char pattern[] = "/tmp/kv-fuzz-settings-XXXXXX";
        const char* made = mkdtemp(pattern);
        if (!made)
            std::abort();
        return QString::fromLocal8Bit(made);
    }();
    return folder;
}

void Write(const QString& path, const uint8_t* data, size_t size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = Folder() + QStringLiteral("/kelvora.ini");
    Write(path, data, size);

    ConfigType first;
    first.ProfileName = "not read";
    if (!LoadSettingsFrom(path, first))
        std::abort();   // the file exists and is readable: content never makes loading fail
    if (first.ProfileName.size() > 4 * 2047)
        std::abort();

    if (!SaveSettingsTo(path, first))
        std::abort();
    ConfigType second;
    if (!LoadSettingsFrom(path, second) || FileFields(first) != FileFields(second))
        std::abort();

    // The text parser alone: what WriteSection writes reads back.
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    TIniText ini = TIniText::Parse(text);
    const QString value = text.left(64);
    ini.WriteSection(QStringLiteral("Settings"), {{QStringLiteral("Profile name"), value}});
    const auto back = TIniText::Parse(ini.Text()).Value(QStringLiteral("Settings"), QStringLiteral("Profile name"));
    QString expected = value;
    expected.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (!back || *back != expected)
        std::abort();
    return 0;
}
