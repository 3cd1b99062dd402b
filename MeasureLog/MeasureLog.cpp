// The measurement log's CGATS text and its file (see MeasureLog.h).
#include "MeasureLog.h"

#include <lcms2.h>

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <charconv>
#include <cstdio>
#include <memory>

namespace {

constexpr int SpectrumValues = 36;

struct TIt8Free {
    void operator()(void* h) const { cmsIT8Free(h); }
};
using TIt8 = std::unique_ptr<void, TIt8Free>;

// Fixed decimals, locale-free ('.' whatever the user's locale).
std::string Fixed(double value, int decimals)
{
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string s(buffer, r.ptr);
    if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos)
        s.erase(0, 1);  // no "-0.0000"
    return s;
}

// A density as the instrument gave it: the shortest decimal text that reads
// back as the same single-precision number. Never in exponent form: Little
// CMS 2.14 reads "1e-09" back as -1e-09.
std::string DensityText(float value)
{
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, r.ptr);
}

// A text value, always in double quotes: unquoted, Little CMS reads a value
// that starts with a digit and goes on with letters ("12AB") wrongly. It adds
// the quotes itself to a value holding a blank. A double quote or a line break
// inside would end the value early.
std::string TextValue(std::string text)
{
    for (char& c : text)
        if (c == '"')
            c = '\'';
        else if (c == '\r' || c == '\n' || c == '\t')
            c = ' ';
    if (text.find(' ') != std::string::npos)
        return text;
    return '"' + text + '"';
}

std::vector<std::string> FieldNames()
{
    std::vector<std::string> names = {"SAMPLE_ID",         "SAMPLE_NAME", "DATE_TIME", "INSTRUMENT_SERIAL",
                                      "DENSITY_STANDARD",  "DENSITY_REFERENCE",
                                      "D_RED",             "D_GREEN",     "D_BLUE",    "D_VIS",
                                      "AUTO_CHANNEL",      "LAB_L",       "LAB_A",     "LAB_B"};
    for (int i = 0; i < SpectrumValues; ++i)
        names.push_back("SPECTRAL_" + std::to_string(380 + 10 * i));
    return names;
}

std::vector<std::string> RowValues(const TMeasureLogRow& row, int sampleId)
{
    std::vector<std::string> v = {std::to_string(sampleId),
                                  TextValue(row.Name),
                                  TextValue(row.Time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString()),
                                  TextValue(row.Serial),
                                  TextValue(row.DensityStandard),
                                  TextValue(row.DensityReference)};
    for (float d : row.Densities)
        v.push_back(DensityText(d));
    v.push_back(TextValue(row.AutoChannel));
    for (double c : row.Lab)
        v.push_back(Fixed(c, 4));
    for (double r : row.Spectrum)
        v.push_back(Fixed(r * 100.0, 6));  // percent; finer than the instrument's single precision
    return v;
}

bool SetText(void* it8, const char* key, const std::string& value)
{
    return cmsIT8SetPropertyStr(it8, key, value.c_str()) != 0;
}

}  // namespace

std::string MeasureLogText(const std::vector<TMeasureLogRow>& rows, const QDateTime& sessionStart,
                           const std::string& originator)
{
    TIt8 it8(cmsIT8Alloc(nullptr));
    if (!it8)
        return {};
    void* h = it8.get();
    cmsIT8SetSheetType(h, "CGATS.17");
    const std::vector<std::string> names = FieldNames();
    bool ok = SetText(h, "ORIGINATOR", originator)
        && SetText(h, "DESCRIPTOR", "Measurement log")
        && SetText(h, "CREATED", sessionStart.toString(Qt::ISODate).toStdString())
        && SetText(h, "INSTRUMENTATION", "Eye-One")
        && SetText(h, "MEASUREMENT_SOURCE", "Illumination=D50 ObserverAngle=2")
        && SetText(h, "SPECTRAL_NORM", "100")
        && cmsIT8SetPropertyDbl(h, "NUMBER_OF_FIELDS", double(names.size()))
        && cmsIT8SetPropertyDbl(h, "NUMBER_OF_SETS", double(rows.size()));
    for (int f = 0; ok && f < int(names.size()); ++f)
        ok = cmsIT8SetDataFormat(h, f, names[std::size_t(f)].c_str()) != 0;
    for (int r = 0; ok && r < int(rows.size()); ++r) {
        const std::vector<std::string> values = RowValues(rows[std::size_t(r)], r + 1);
        for (int f = 0; ok && f < int(values.size()); ++f)
            ok = cmsIT8SetDataRowCol(h, r, f, values[std::size_t(f)].c_str()) != 0;
    }
    if (!ok)
        return {};
    cmsUInt32Number size = 0;
    if (!cmsIT8SaveToMem(h, nullptr, &size) || size == 0)
        return {};
    std::string text(size, '\0');
    if (!cmsIT8SaveToMem(h, text.data(), &size))
        return {};
    while (!text.empty() && text.back() == '\0')
        text.pop_back();
    return text;
}

QString MeasureLogFileName(const QDateTime& sessionStart)
{
    return QStringLiteral("kelvora-log-") + sessionStart.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"))
        + QStringLiteral(".txt");
}

TMeasureLog::TMeasureLog(const QDateTime& sessionStart, const std::string& originator)
    : SessionStart(sessionStart)
    , Originator(originator)
{
}

void TMeasureLog::SetFolder(const QString& folder)
{
    if (folder == LogFolder)
        return;
    LogFolder = folder;
    // The new folder has none of the session's rows yet.
    Pending = int(LogRows.size());
    Written.clear();
}

QString TMeasureLog::FilePath() const
{
    return QDir(LogFolder).filePath(MeasureLogFileName(SessionStart));
}

bool TMeasureLog::Add(TMeasureLogRow row)
{
    LogRows.push_back(std::move(row));
    ++Pending;
    return Write();
}

bool TMeasureLog::Flush()
{
    return Pending == 0 || Write();
}

bool TMeasureLog::Write()
{
    const QString path = FilePath();
    const std::string text = MeasureLogText(LogRows, SessionStart, Originator);
    QSaveFile file(path);
    // Unbuffered, so that a short write (disk full) shows in the count.
    const bool written = !text.empty() && !LogFolder.isEmpty() && QDir().mkpath(LogFolder)
        && file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
        && file.write(text.data(), qint64(text.size())) == qint64(text.size()) && file.commit();
    if (!written) {
        file.cancelWriting();
        Error = QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(path));
        return false;
    }
    Pending = 0;
    Written = path;
    Error.clear();
    return true;
}
