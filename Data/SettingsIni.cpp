// Reading and rewriting INI text line by line (see SettingsIni.h).
#include "SettingsIni.h"

namespace {

// "[Name]" -> "Name"; nothing for other lines.
std::optional<QString> SectionName(const QString& line)
{
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    if (close < 0)
        return std::nullopt;
    return t.mid(1, close - 1).trimmed();
}

bool IsComment(const QString& line)
{
    const QString t = line.trimmed();
    return t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#'));
}

// "Key = value" -> key and raw value; nothing for lines without '='.
std::optional<std::pair<QString, QString>> KeyLine(const QString& line)
{
    if (IsComment(line))
        return std::nullopt;
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return std::nullopt;
    const QString key = line.left(eq).trimmed();
    if (key.isEmpty())
        return std::nullopt;
    return std::make_pair(key, line.mid(eq + 1));
}

QString DecodeValue(const QString& raw)
{
    QString v = raw.trimmed();
    if (v.size() >= 2 && v.startsWith(QLatin1Char('"')) && v.endsWith(QLatin1Char('"')))
        v = v.mid(1, v.size() - 2);
    return v;
}

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

TIniText TIniText::Parse(const QString& text)
{
    TIniText ini;
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    ini.Lines = normalised.split(QLatin1Char('\n'));
    if (!ini.Lines.isEmpty() && ini.Lines.last().isEmpty())
        ini.Lines.removeLast();  // the break after the last line
    return ini;
}

QString TIniText::Text() const
{
    QString out;
    for (const QString& line : Lines) {
        out += line;
        out += QLatin1Char('\n');
    }
    return out;
}

int TIniText::FindSection(const QString& section) const
{
    for (int i = 0; i < Lines.size(); ++i) {
        const auto name = SectionName(Lines[i]);
        if (name && SameName(*name, section))
            return i;
    }
    return -1;
}

int TIniText::SectionEnd(int header) const
{
    for (int i = header + 1; i < Lines.size(); ++i)
        if (SectionName(Lines[i]))
            return i;
    return int(Lines.size());
}

std::optional<QString> TIniText::Value(const QString& section, const QString& key) const
{
    const int header = FindSection(section);
    if (header < 0)
        return std::nullopt;
    const int end = SectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        const auto kv = KeyLine(Lines[i]);
        if (kv && SameName(kv->first, key))
            return DecodeValue(kv->second);
    }
    return std::nullopt;
}

QString TIniText::EncodeValue(QString value)
{
    // A line break inside a value would start a new line of the file.
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const bool needsQuotes = value != value.trimmed()
        || (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')));
    return needsQuotes ? QLatin1Char('"') + value + QLatin1Char('"') : value;
}

void TIniText::WriteSection(const QString& section, const std::vector<std::pair<QString, QString>>& keys)
{
    QStringList own;
    for (const auto& [key, value] : keys)
        own << key + QLatin1Char('=') + EncodeValue(value);

    const int header = FindSection(section);
    if (header < 0) {
        if (!Lines.isEmpty() && !Lines.last().trimmed().isEmpty())
            Lines << QString();
        Lines << QLatin1Char('[') + section + QLatin1Char(']');
        Lines << own;
        return;
    }
    const int end = SectionEnd(header);
    QStringList rest;
    for (int i = header + 1; i < end; ++i) {
        const auto kv = KeyLine(Lines[i]);
        bool ours = false;
        if (kv)
            for (const auto& k : keys)
                ours = ours || SameName(kv->first, k.first);
        if (!ours)
            rest << Lines[i];
    }
    QStringList rebuilt = Lines.mid(0, header + 1);
    rebuilt << own << rest << Lines.mid(end);
    Lines = rebuilt;
}
