// Reading and writing the settings file (see Settings.h). QSettings cannot be
// used: it escapes keys holding spaces and '%', which this file has.
#include "Settings.h"

#include "Config.h"
#include "Eye1lib.h"
#include "SettingsIni.h"
#include "SmallFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdint>
#include <cstdio>
#include <variant>

std::function<void(const QString& message)> SettingsErrorReporter;

namespace {

const QString Section = QStringLiteral("Settings");
constexpr int MaxTextLength = 2047;

using TIntField = std::int32_t ConfigType::*;
using TFlagField = bool ConfigType::*;
using TTextField = std::string ConfigType::*;

struct TKey {
    const char* Name;
    std::variant<TIntField, TFlagField, TTextField> Field;
};

// The file's keys in the order they are read and written.
const TKey Keys[] = {
    {"Skin index", &ConfigType::SkinIndex},
    {"Language Id", &ConfigType::LanguageId},
    {"Space Color", &ConfigType::SpaceColor},
    {"Decimals", &ConfigType::Decimals},
    {"Illuminant", &ConfigType::Illuminant},
    {"Observer", &ConfigType::Observer},
    {"Density standard filter", &ConfigType::DensityStandardFilter},
    {"Density reference", &ConfigType::DensityReference},
    {"Dot % 1", &ConfigType::Dot1},
    {"Dot 1 visible", &ConfigType::Dot1Visible},
    {"Dot % 2", &ConfigType::Dot2},
    {"Dot 2 visible", &ConfigType::Dot2Visible},
    {"Dot % 3", &ConfigType::Dot3},
    {"Dot 3 visible", &ConfigType::Dot3Visible},
    {"Dot Contrast % 1", &ConfigType::DotContrast1},
    {"Dot Gain flexo", &ConfigType::DotGainFlexo},
    {"Optimal Dot Gain flexo", &ConfigType::OptimalDotGainFlexo},
    {"Dot gain curve % 1", &ConfigType::DotGainCurve1},
    {"Dot gain curve % 2", &ConfigType::DotGainCurve2},
    {"Dot gain curve % 3", &ConfigType::DotGainCurve3},
    {"VisualIll1", &ConfigType::VisualIll1},
    {"VisualIll2", &ConfigType::VisualIll2},
    {"VisualIll3", &ConfigType::VisualIll3},
    {"Metamerism Ill index", &ConfigType::MetamerismIllIndex},
    {"Profile name", &ConfigType::ProfileName},
    // Added later: an older file without them gives the defaults (log off).
    {"Measurement log", &ConfigType::MeasurementLog},
    {"Measurement log folder", &ConfigType::MeasurementLogFolder},
};
static_assert(std::size(Keys) == 27);

template <class... F> struct TOverload : F... { using F::operator()...; };
template <class... F> TOverload(F...) -> TOverload<F...>;

int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

// Up to 2047 characters, never ending in half a surrogate pair.
QString LimitText(QString text)
{
    if (text.size() > MaxTextLength) {
        text.truncate(MaxTextLength);
        if (text.back().isHighSurrogate())
            text.chop(1);
    }
    return text;
}

// Where the settings go when the settings file itself is refused: beside it.
QString RefugePath(const QString& path) { return path + QStringLiteral(".new"); }

void PrintLine(const QString& line)
{
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

QString Shown(const QString& path) { return QDir::toNativeSeparators(path); }

bool FolderWritable(const QString& folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

QString ExeSidePath() { return ExeFolder() + SettingsFileName(); }

QString UserPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QLatin1Char('/')
        + SettingsFileName();
}

// The file to start from when `path` does not exist yet: the one beside the
// executable, when the settings have moved to the user's folder.
QString FallbackSource(const QString& path)
{
    const QString exeSide = ExeSidePath();
    if (path != exeSide && QFileInfo::exists(exeSide))
        return exeSide;
    return {};
}

void ReportWriteError(const QString& path)
{
    const QString message = QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(path));
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
    if (SettingsErrorReporter)
        SettingsErrorReporter(message);
}

}  // namespace

bool ParseSettingsInteger(const QString& text, int& value)
{
    QStringView s(text);
    bool negative = false;
    if (!s.isEmpty() && (s.front() == u'-' || s.front() == u'+')) {
        negative = s.front() == u'-';
        s = s.mid(1);
    }
    int base = 10;
    if (s.startsWith(u'$')) {
        base = 16;
        s = s.mid(1);
    } else if (s.startsWith(u"0x") || s.startsWith(u"0X")) {
        base = 16;
        s = s.mid(2);
    }
    if (s.isEmpty())
        return false;
    // Decimal must fit a 32-bit signed integer; hexadecimal takes 32 bits, so
    // "$FFFFFFFF" is -1 as the platform's own reader gives it.
    const std::uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t magnitude = 0;
    for (QChar c : s) {
        const int d = base == 16 ? HexDigit(c) : (c >= u'0' && c <= u'9' ? c.unicode() - '0' : -1);
        if (d < 0)
            return false;
        magnitude = magnitude * base + std::uint64_t(d);
        if (magnitude > limit)
            return false;
    }
    const auto bits = static_cast<std::uint32_t>(magnitude);
    const auto v = static_cast<std::int32_t>(negative ? 0u - bits : bits);
    value = v;
    return true;
}

QString SettingsFileName()
{
    QString base = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    if (base.isEmpty())
        base = QStringLiteral("kelvora");
    return base + QStringLiteral(".ini");
}

QString SettingsFilePath()
{
    return FolderWritable(ExeFolder()) ? ExeSidePath() : UserPath();
}

const QStringList& SettingsKeys()
{
    static const QStringList keys = [] {
        QStringList list;
        for (const TKey& key : Keys)
            list << QString::fromLatin1(key.Name);
        return list;
    }();
    return keys;
}

bool LoadSettingsFrom(const QString& path, ConfigType& config)
{
    // A refused or unreadable file counts as missing: the defaults.
    const TSmallFile file = ReadSmallFile(path);
    const QString text = file.Status == TSmallFile::TStatus::Read ? QString::fromUtf8(file.Bytes) : QString();
    if (file.Status == TSmallFile::TStatus::Refused)
        PrintLine(QStringLiteral("Settings file %1 not read: %2. The default settings are used; the file is "
                                 "left as it is and the settings are saved to %3.")
                      .arg(Shown(path), file.Reason, Shown(RefugePath(path))));
    else if (file.Status == TSmallFile::TStatus::Failed)
        PrintLine(QStringLiteral("Unable to read %1: %2").arg(Shown(path), file.Reason));
    const bool readable = file.Status == TSmallFile::TStatus::Read || file.Status == TSmallFile::TStatus::Missing;
    const TIniText ini = TIniText::Parse(text);
    const ConfigType defaults;
    for (const TKey& key : Keys) {
        const std::optional<QString> value = ini.Value(Section, QString::fromLatin1(key.Name));
        std::visit(TOverload{
                       [&](TIntField f) {
                           int v = 0;
                           config.*f = value && ParseSettingsInteger(*value, v) ? v : defaults.*f;
                       },
                       [&](TFlagField f) {
                           int v = 0;
                           config.*f = value && ParseSettingsInteger(*value, v) ? v != 0 : defaults.*f;
                       },
                       [&](TTextField f) {
                           config.*f = value ? LimitText(*value).toStdString() : defaults.*f;
                       },
                   },
                   key.Field);
    }
    return readable;
}

bool LoadSettings()
{
    QString path = SettingsFilePath();
    if (!QFileInfo::exists(path)) {
        const QString fallback = FallbackSource(path);
        if (!fallback.isEmpty())
            path = fallback;
    }
    return LoadSettingsFrom(path, Config);
}

bool SaveSettingsTo(const QString& path, const ConfigType& config)
{
    // A settings file that is no regular file or too large (see
    // LoadSettingsFrom) stays as it is for a person to look at; the settings
    // go beside it.
    if (const TSmallFile target = CheckSmallFile(path); target.Status == TSmallFile::TStatus::Refused) {
        const QString refuge = RefugePath(path);
        if (CheckSmallFile(refuge).Status == TSmallFile::TStatus::Refused) {
            ReportWriteError(refuge);
            return false;
        }
        const bool saved = SaveSettingsTo(refuge, config);
        if (saved)
            PrintLine(QStringLiteral("Settings saved to %1; %2 is left as it is (%3).")
                          .arg(Shown(refuge), Shown(path), target.Reason));
        return saved;
    }

    // Start from the file as it is now, so that what others keep in it stays.
    QString source = path;
    if (CheckSmallFile(source).Status == TSmallFile::TStatus::Missing)
        source = FallbackSource(path);
    QString oldText;
    if (!source.isEmpty()) {
        const TSmallFile old = ReadSmallFile(source);
        if (old.Status == TSmallFile::TStatus::Read) {
            oldText = QString::fromUtf8(old.Bytes);
        } else if (old.Status == TSmallFile::TStatus::Failed) {
            // Replacing a file we cannot read would lose whatever else it holds.
            ReportWriteError(path);
            return false;
        }
    }
    TIniText ini = TIniText::Parse(oldText);

    std::vector<std::pair<QString, QString>> values;
    for (const TKey& key : Keys) {
        QString value = std::visit(TOverload{
                                       [&](TIntField f) { return QString::number(config.*f); },
                                       [&](TFlagField f) { return QString::fromLatin1(config.*f ? "1" : "0"); },
                                       [&](TTextField f) { return QString::fromStdString(config.*f); },
                                   },
                                   key.Field);
        values.emplace_back(QString::fromLatin1(key.Name), value);
    }
    ini.WriteSection(Section, values);

    QString text = ini.Text();
#ifdef Q_OS_WIN
    text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
#endif
    const QByteArray bytes = text.toUtf8();

    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    // Unbuffered, so that a short write (disk full, size limit) shows in the
    // count: a buffered QSaveFile can commit a truncated file without error.
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
        && file.write(bytes) == bytes.size()
        && file.size() == bytes.size()
        && file.commit();
    if (!written) {
        file.cancelWriting();
        ReportWriteError(path);
    }
    return written;
}

bool SaveSettings()
{
    return SaveSettingsTo(SettingsFilePath(), Config);
}
