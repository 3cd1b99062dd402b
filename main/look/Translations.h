// The program's languages: English (the language of the source texts) and the
// translations compiled from translations/kelvora_<code>.ts into .qm files,
// which the build embeds under ":/i18n". A file of the same name in a
// "translations" folder beside the executable takes precedence, so that a
// corrected translation can be tried without rebuilding.
// Language ids are Windows language ids, as kept in the setting "Language Id".
#pragma once

#include <QList>
#include <QString>

struct TLanguage {
    int Id;       // 1033 English, 1040 Italiano, 1031 Deutsch
    QString Name; // in its own language
};

inline constexpr int EnglishLanguageId = 1033;
inline constexpr int ItalianLanguageId = 1040;
inline constexpr int GermanLanguageId = 1031;

// Every language the program knows, English first.
QList<TLanguage> KnownLanguages();
// The languages that can be switched to now (English, and those whose
// translation file is found).
QList<TLanguage> AvailableLanguages();
bool IsLanguageAvailable(int id);
// Short code of a language ("en", "it", "de"); empty for an unknown id.
QString LanguageCode(int id);

// Installs the translation of language `id` (and Qt's own texts for it) in
// place of the current one; English removes every translation. Every widget
// gets a LanguageChange event. An unknown or unavailable id changes nothing
// and answers false.
bool SwitchLanguage(int id);
// The language switched to last (English at start).
int CurrentLanguage();

// Where a language's translation is loaded from ("" when there is none).
QString TranslationFile(int id);
