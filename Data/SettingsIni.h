// An INI text kept as its lines, so that a few keys can be read or replaced
// and everything else in the file (other sections, other keys, comments)
// written back exactly as it was. Section and key names match without regard
// to case, the first section and the first key of a name win, like the
// platform's own INI files.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

class TIniText {
public:
    TIniText() = default;
    static TIniText Parse(const QString& text);

    // The whole text, one line per entry, each ending in a line break.
    QString Text() const;

    // The value of `key` in the first section called `section`, trimmed and
    // without enclosing double quotes; nothing when section or key is missing.
    std::optional<QString> Value(const QString& section, const QString& key) const;

    // The first section called `section` gets `keys` as its first lines, in the
    // given order; its other lines follow as they were, except earlier lines of
    // the same keys. A missing section is appended at the end.
    void WriteSection(const QString& section, const std::vector<std::pair<QString, QString>>& keys);

    // How a value is written so that reading it gives it back.
    static QString EncodeValue(QString value);

private:
    int FindSection(const QString& section) const;  // line index of its header, -1
    int SectionEnd(int header) const;                // index of the next header or the end

    QStringList Lines;
};
