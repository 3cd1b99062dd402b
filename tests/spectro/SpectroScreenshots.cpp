// Pictures of the spectro pages after a reference and a compared
// measurement, in English and German, for looking at the layout. Not a check:
// run on demand with
//   KV_SPECTRO_SHOTS=<folder> [KV_SPECTRO_TSV=<texts.tsv>] spectro_mainwindow_tests
//       --gtest_also_run_disabled_tests --gtest_filter='*Screenshots*'
// A TSV of context, source, German, Italian lines stands in for German texts
// that are not yet in the translation files.
#include "MainFormSupport.h"

#include "PageControl.h"
#include "PaintBox.h"
#include "SpectroPages.h"

#include <QComboBox>
#include <QDir>
#include <QMouseEvent>
#include <QTranslator>

namespace {

class TTsvTranslator : public QTranslator {
public:
    explicit TTsvTranslator(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return;
        for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
            const QStringList cells = line.split('\t');
            if (cells.size() >= 3)
                Texts[cells[0] + '\x1f' + cells[1]] = cells[2];
        }
    }
    bool isEmpty() const override { return Texts.isEmpty(); }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return Texts.value(QString::fromUtf8(context) + '\x1f' + QString::fromUtf8(source));
    }

private:
    QHash<QString, QString> Texts;
};

class SpectroScreenshots : public MainWindow {};

TEST_F(SpectroScreenshots, DISABLED_Screenshots)
{
    const QString folder = qEnvironmentVariable("KV_SPECTRO_SHOTS");
    ASSERT_FALSE(folder.isEmpty());
    QDir().mkpath(folder);
    WriteSettings("Density reference=0\n");
    Operator.Calibration.push_back(TOperator::TAct::Press);
    Create();
    Startup();
    Form->resize(600, 560);
    Form->V.PGC1->SetCurrentIndex(1);
    Form->V.PGC2->SetCurrentIndex(0);
    std::printf("spectro page %d x %d\n", Form->V.SpectroPages[0]->width(), Form->V.SpectroPages[0]->height());
    QFile::copy(QCoreApplication::applicationDirPath() + "/Cielab.bmp", Folder.path() + "/Cielab.bmp");
    // A red reference and a press-room neighbour of it: a little lighter and
    // weaker, as a slightly underinked sheet reads.
    Sim.PlacePatch("red");
    PressAndTurn();
    TSimControl::TSpectrum neighbour = *Sim.PatchSpectrum("red");
    for (float& r : neighbour)
        r = 0.012f + 0.975f * r;
    Sim.PlaceSpectrum(neighbour);
    PressAndTurn();

    TTsvTranslator tsv(qEnvironmentVariable("KV_SPECTRO_TSV"));
    const char* pageNames[] = {"colorimetry", "reflectance", "delta-lab", "cielab", "icc", "visual-match"};
    for (const char* language : {"en", "de"}) {
        if (QString::fromLatin1(language) == "de") {
            SwitchLanguage(GermanLanguageId);
            if (!tsv.isEmpty())
                QCoreApplication::installTranslator(&tsv);
            QCoreApplication::processEvents();
        }
        for (int page = 0; page < 6; ++page) {
            Form->V.PGC2->SetCurrentIndex(page);
            if (page == 1) {
                QMouseEvent move(QEvent::MouseMove, QPointF(319, 100), QPointF(319, 100), Qt::NoButton,
                                 Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(Form->Spectro->PBX1, &move);
            }
            const QString file = QStringLiteral("%1/spectro-%2-%3.png").arg(folder, pageNames[page], language);
            EXPECT_TRUE(Form->grab().save(file)) << file.toStdString();
        }
    }
    QCoreApplication::removeTranslator(&tsv);

    // Colorimetry in CIExyY (two rows hidden, four decimals), in every skin.
    Form->V.SpColCB->setCurrentIndex(6);
    emit Form->V.SpColCB->activated(6);
    Form->V.PGC2->SetCurrentIndex(0);
    for (int skin = 0; skin <= 5; ++skin) {
        ApplySkin(skin);
        QCoreApplication::processEvents();
        const QString file = QStringLiteral("%1/spectro-colorimetry-xyY-skin%2.png").arg(folder).arg(skin);
        EXPECT_TRUE(Form->grab().save(file)) << file.toStdString();
    }
}

}  // namespace
