// Languages: the known ones, switching, the embedded translations, and the
// translation files being complete.
#include "MainWindowView.h"
#include "PageControl.h"
#include "Translations.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

struct TEnglishAfter : ::testing::Test {
    void TearDown() override { SwitchLanguage(EnglishLanguageId); }
};

QString Tr(const char* context, const char* source)
{
    return QCoreApplication::translate(context, source);
}

} // namespace

TEST(Translations, KnownLanguagesWithWindowsIds)
{
    const QList<TLanguage> known = KnownLanguages();
    ASSERT_EQ(known.size(), 3);
    EXPECT_EQ(known[0].Id, 1033);
    EXPECT_EQ(known[0].Name, "English");
    EXPECT_EQ(known[1].Id, 1040);
    EXPECT_EQ(known[1].Name, "Italiano");
    EXPECT_EQ(known[2].Id, 1031);
    EXPECT_EQ(known[2].Name, "Deutsch");
    EXPECT_EQ(LanguageCode(1040), "it");
    EXPECT_EQ(LanguageCode(-99), "");
}

TEST(Translations, BuiltInTranslationsAreAvailable)
{
    EXPECT_TRUE(IsLanguageAvailable(EnglishLanguageId));
    EXPECT_TRUE(IsLanguageAvailable(ItalianLanguageId));
    EXPECT_TRUE(IsLanguageAvailable(GermanLanguageId));
    EXPECT_FALSE(IsLanguageAvailable(-99));
    EXPECT_FALSE(IsLanguageAvailable(1036)); // French: no translation
    EXPECT_EQ(AvailableLanguages().size(), 3);
    EXPECT_TRUE(TranslationFile(ItalianLanguageId).endsWith("kelvora_it.qm"));
    EXPECT_EQ(TranslationFile(EnglishLanguageId), "");
}

TEST_F(TEnglishAfter, SwitchingChangesTextsAndEnglishRemovesThem)
{
    ASSERT_TRUE(SwitchLanguage(GermanLanguageId));
    EXPECT_EQ(CurrentLanguage(), GermanLanguageId);
    EXPECT_EQ(Tr("TMainForm", "Exit"), "Beenden");
    ASSERT_TRUE(SwitchLanguage(ItalianLanguageId));
    EXPECT_EQ(Tr("TMainForm", "Exit"), "Esci");
    EXPECT_EQ(Tr("TMainForm", "Paper white"), "Bianco carta");
    ASSERT_TRUE(SwitchLanguage(EnglishLanguageId));
    EXPECT_EQ(Tr("TMainForm", "Exit"), "Exit");
    EXPECT_EQ(CurrentLanguage(), EnglishLanguageId);
}

TEST_F(TEnglishAfter, UnknownLanguageChangesNothing)
{
    ASSERT_TRUE(SwitchLanguage(ItalianLanguageId));
    EXPECT_FALSE(SwitchLanguage(4242));
    EXPECT_FALSE(SwitchLanguage(-99));
    EXPECT_EQ(CurrentLanguage(), ItalianLanguageId);
    EXPECT_EQ(Tr("TMainForm", "Exit"), "Esci");
}

TEST_F(TEnglishAfter, OpenViewFollowsALanguageSwitch)
{
    QWidget form;
    TMainWindowView view;
    BuildMainWindowView(&form, view);
    ASSERT_TRUE(SwitchLanguage(GermanLanguageId));
    RetranslateMainWindowView(view);
    EXPECT_EQ(view.Button1->text(), "Sprache");
    EXPECT_EQ(view.ObsCB->itemText(1), QString::fromUtf8("10\u00B0"));
    ASSERT_TRUE(SwitchLanguage(EnglishLanguageId));
    RetranslateMainWindowView(view);
    EXPECT_EQ(view.Button1->text(), "Language");
}

// Longer captions must not push the densitometry tabs into a third row, which
// would take room from the pages.
TEST_F(TEnglishAfter, DensitometryTabsKeepTwoRowsInEveryLanguage)
{
    QWidget form;
    TMainWindowView view;
    BuildMainWindowView(&form, view);
    view.CaptionPanel->show();
    view.Notebook->setCurrentIndex(NotebookColorMeasurement);
    form.show();
    for (const TLanguage& language : AvailableLanguages()) {
        ASSERT_TRUE(SwitchLanguage(language.Id));
        RetranslateMainWindowView(view);
        const std::pair<TPageControl*, int> controls[] = {{view.PGC0, 2}, {view.PGC2, 1}, {view.PGC4, 1}};
        for (int tab = 0; tab < 3; ++tab) {
            view.PGC1->SetCurrentIndex(tab); // a page control gets its width when its tab shows
            QCoreApplication::processEvents();
            EXPECT_EQ(controls[tab].first->RowCount(), controls[tab].second)
                << language.Name.toStdString() << " " << controls[tab].first->objectName().toStdString();
        }
    }
}

TEST(Translations, InkNamesAreTranslated)
{
    ASSERT_TRUE(SwitchLanguage(GermanLanguageId));
    EXPECT_EQ(Tr("TDensitometryPages", "Yellow"), "Gelb");
    EXPECT_EQ(Tr("TDensitometryPages", "Black"), "Schwarz");
    ASSERT_TRUE(SwitchLanguage(EnglishLanguageId));
}

// Every message of every translation file has a finished, non-empty
// translation that keeps the source's %1 %2 ... place markers.
TEST(Translations, TranslationFilesAreComplete)
{
    const QDir dir(QStringLiteral(KV_TRANSLATIONS_DIR));
    const QStringList files = dir.entryList({"kelvora_*.ts"}, QDir::Files);
    ASSERT_GE(files.size(), 2);
    const QRegularExpression marker(QStringLiteral("%\\d"));
    for (const QString& name : files) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        QXmlStreamReader xml(&file);
        QString context, source;
        int messages = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1String("source"))
                source = xml.readElementText();
            else if (xml.name() == QLatin1String("translation")) {
                ++messages;
                const QString type = xml.attributes().value("type").toString();
                const QString translation = xml.readElementText();
                const std::string where = (name + " " + context + ": " + source).toStdString();
                EXPECT_NE(type, "unfinished") << where;
                EXPECT_NE(type, "vanished") << where;
                EXPECT_FALSE(translation.isEmpty()) << where;
                QStringList a, b;
                for (const auto& m : marker.globalMatch(source))
                    a << m.captured();
                for (const auto& m : marker.globalMatch(translation))
                    b << m.captured();
                a.sort();
                b.sort();
                EXPECT_EQ(a, b) << where;
            }
        }
        EXPECT_FALSE(xml.hasError()) << name.toStdString() << ": " << xml.errorString().toStdString();
        EXPECT_GT(messages, 100) << name.toStdString();
    }
}
