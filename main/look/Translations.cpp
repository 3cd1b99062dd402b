// Loading and switching the program's translations (see Translations.h).
#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace {

struct TKnown {
    int Id;
    const char* Code;
    const char* Name;
};

constexpr TKnown Known[] = {
    {EnglishLanguageId, "en", "English"},
    {ItalianLanguageId, "it", "Italiano"},
    {GermanLanguageId, "de", "Deutsch"},
};

const TKnown* Find(int id)
{
    for (const TKnown& k : Known)
        if (k.Id == id)
            return &k;
    return nullptr;
}

std::unique_ptr<QTranslator> ProgramTranslator;
std::unique_ptr<QTranslator> QtTranslator;
int Current = EnglishLanguageId;

} // namespace

QList<TLanguage> KnownLanguages()
{
    QList<TLanguage> list;
    for (const TKnown& k : Known)
        list << TLanguage{k.Id, QString::fromUtf8(k.Name)};
    return list;
}

QList<TLanguage> AvailableLanguages()
{
    QList<TLanguage> list;
    for (const TLanguage& language : KnownLanguages())
        if (IsLanguageAvailable(language.Id))
            list << language;
    return list;
}

QString LanguageCode(int id)
{
    const TKnown* k = Find(id);
    return k ? QString::fromLatin1(k->Code) : QString();
}

QString TranslationFile(int id)
{
    const TKnown* k = Find(id);
    if (!k || id == EnglishLanguageId)
        return {};
    const QString name = QStringLiteral("kelvora_%1.qm").arg(QLatin1String(k->Code));
    if (QCoreApplication::instance()) {
        const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations/") + name);
        if (QFileInfo::exists(beside))
            return beside;
    }
    const QString embedded = QStringLiteral(":/i18n/") + name;
    return QFileInfo::exists(embedded) ? embedded : QString();
}

bool IsLanguageAvailable(int id)
{
    if (id == EnglishLanguageId)
        return true;
    return !TranslationFile(id).isEmpty();
}

bool SwitchLanguage(int id)
{
    if (!Find(id) || !QCoreApplication::instance())
        return false;
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
    if (id != EnglishLanguageId) {
        program = std::make_unique<QTranslator>();
        if (!program->load(TranslationFile(id)))
            return false; // the current language stays
        // Qt's own texts (standard buttons, context menus), when installed.
        qt = std::make_unique<QTranslator>();
        if (!qt->load(QStringLiteral("qtbase_") + LanguageCode(id),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            qt.reset();
    }
    if (ProgramTranslator)
        QCoreApplication::removeTranslator(ProgramTranslator.get());
    if (QtTranslator)
        QCoreApplication::removeTranslator(QtTranslator.get());
    ProgramTranslator = std::move(program);
    QtTranslator = std::move(qt);
    if (QtTranslator)
        QCoreApplication::installTranslator(QtTranslator.get());
    if (ProgramTranslator)
        QCoreApplication::installTranslator(ProgramTranslator.get());
    Current = id;
    return true;
}

int CurrentLanguage()
{
    return Current;
}
