// Unattended runs of the real program end by themselves and leave one
// picture per page: the tour (scripts/tour.sh) on the simulated instrument
// with its scenario, the tour without an instrument (demo), a tour whose
// presses never come, and --screenshots with and without the instrument.
#include "MainFormSupport.h"
#include "Tour.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Long enough for a loaded machine; a run that is still going then hangs.
constexpr int RunLimitMs = 240000;

// Every page of the window, as the tour names their pictures.
const QStringList TourPictures{
    "00-info.png",
    "01-densitometry-density.png",
    "02-densitometry-all-densities.png",
    "03-densitometry-densities-diff.png",
    "04-densitometry-dot-gain.png",
    "05-densitometry-print-curve.png",
    "06-densitometry-dot-gain-curve.png",
    "07-densitometry-dot-area.png",
    "08-densitometry-print-contrast.png",
    "09-densitometry-trapping.png",
    "10-densitometry-hue-error.png",
    "11-densitometry-grayness.png",
    "12-spectro-colorimetry.png",
    "13-spectro-reflectance.png",
    "14-spectro-delta-l-a-b.png",
    "15-spectro-cielab.png",
    "16-spectro-icc-conversion.png",
    "17-spectro-visual-match.png",
    "18-setup-main-setup.png",
    "19-setup-densitometry-setup.png",
    "20-setup-spectro-setup.png",
    "21-about.png",
};

struct TRun {
    bool Ended = false;
    int ExitCode = -1;
    QString Output;
};

// Runs a program with the test's environment changed by `env`, killing it
// when it has not ended within RunLimitMs.
TRun RunProgram(const QString& program, const QStringList& arguments,
         const std::function<void(QProcessEnvironment&)>& env = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.remove(QStringLiteral("KELVORA_SIM_SCENARIO"));
    if (env)
        env(environment);
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    TRun run;
    run.Ended = process.waitForStarted() && process.waitForFinished(RunLimitMs);
    if (!run.Ended) {
        process.kill();
        process.waitForFinished();
    }
    run.ExitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.Output = QString::fromLocal8Bit(process.readAll());
    return run;
}

QStringList Pictures(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
}

void WithoutInstrument(QProcessEnvironment& env)
{
    env.remove(QStringLiteral("LD_LIBRARY_PATH"));  // the stand-in is found nowhere else
}

// A settings folder of the run's own, in English.
QStringList Settings(const QTemporaryDir& folder)
{
    return {QStringLiteral("--exe-folder"), folder.path(), QStringLiteral("--language"), QStringLiteral("1033")};
}

} // namespace

TEST(TourRun, TheScriptedTourOnTheSimulatedInstrumentPicturesEveryPageWithItsFigures)
{
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    const TRun run = RunProgram(QStringLiteral(KV_SOURCE_DIR "/scripts/tour.sh"), {QStringLiteral("1033"), out.path()},
                         [](QProcessEnvironment& env) {
                             env.insert(QStringLiteral("KELVORA_BIN"), QStringLiteral(KV_KELVORA_BIN));
                             env.insert(QStringLiteral("KELVORA_SIM_DIR"), QStringLiteral(KV_SIM_DIR));
                         });
    ASSERT_TRUE(run.Ended) << run.Output.toStdString();
    EXPECT_EQ(run.ExitCode, 0) << run.Output.toStdString();
    EXPECT_EQ(Pictures(out.path()), TourPictures);
    // Every planned page got its presses: no wait ran out.
    EXPECT_FALSE(run.Output.contains(QStringLiteral("without waiting"))) << run.Output.toStdString();
    EXPECT_TRUE(run.Output.contains(QStringLiteral("page GraynessPage"))) << "the scenario ran to its end";
    const QImage trapping(out.path() + QStringLiteral("/09-densitometry-trapping.png"));
    EXPECT_FALSE(trapping.isNull());
}

TEST(TourRun, WithoutInstrumentTheTourVisitsEveryPageWithoutWaiting)
{
    QTemporaryDir settings, out;
    ASSERT_TRUE(settings.isValid() && out.isValid());
    const TRun run = RunProgram(QStringLiteral(KV_KELVORA_BIN),
                         Settings(settings) + QStringList{"--tour", out.path(), "--tour-presses", "DotGainPage=4"},
                         WithoutInstrument);
    ASSERT_TRUE(run.Ended) << run.Output.toStdString();
    EXPECT_EQ(run.ExitCode, 0) << run.Output.toStdString();
    // The planned page comes first, the others follow in the window's order.
    QStringList pages;
    for (const QString& name : TourPictures)
        pages << name.mid(3);
    pages.move(pages.indexOf(QStringLiteral("densitometry-dot-gain.png")), 1);
    QStringList expected;
    for (int i = 0; i < pages.size(); ++i)
        expected << QStringLiteral("%1-%2").arg(i, 2, 10, QLatin1Char('0')).arg(pages[i]);
    EXPECT_EQ(expected[2], "02-densitometry-density.png");
    EXPECT_EQ(Pictures(out.path()), expected);
}

TEST(TourRun, PressesThatNeverComeEndTheWaitAndTheTourStillEnds)
{
    // The stand-in without a scenario: nobody presses, neither for the
    // calibration nor on the page.
    QTemporaryDir settings, out;
    ASSERT_TRUE(settings.isValid() && out.isValid());
    const TRun run = RunProgram(QStringLiteral(KV_KELVORA_BIN),
                         Settings(settings)
                             + QStringList{"--tour", out.path(), "--tour-presses", "DensityPage=3,TrappingPage=4",
                                           "--wait-limit", "800"});
    ASSERT_TRUE(run.Ended) << run.Output.toStdString();
    EXPECT_EQ(run.ExitCode, 1) << "a tour that missed its presses says so";
    EXPECT_TRUE(run.Output.contains(QStringLiteral("cancelled"))) << run.Output.toStdString();
    EXPECT_TRUE(run.Output.contains(QStringLiteral("DensityPage got 0 of 3 presses"))) << run.Output.toStdString();
    EXPECT_EQ(Pictures(out.path()).size(), TourPictures.size());
    EXPECT_TRUE(Pictures(out.path()).contains(QStringLiteral("01-densitometry-density.png")));
    EXPECT_TRUE(Pictures(out.path()).contains(QStringLiteral("02-densitometry-trapping.png")));
}

TEST(TourRun, ScreenshotsEndByThemselvesWithAndWithoutInstrument)
{
    for (const bool instrument : {true, false}) {
        SCOPED_TRACE(instrument ? "simulated instrument, nobody pressing" : "no instrument");
        QTemporaryDir settings, out;
        ASSERT_TRUE(settings.isValid() && out.isValid());
        const TRun run = RunProgram(QStringLiteral(KV_KELVORA_BIN),
                             Settings(settings) + QStringList{"--screenshots", out.path(), "--wait-limit", "800"},
                             instrument ? std::function<void(QProcessEnvironment&)>{} : WithoutInstrument);
        ASSERT_TRUE(run.Ended) << run.Output.toStdString();
        EXPECT_EQ(run.ExitCode, 0) << run.Output.toStdString();
        const QStringList files = Pictures(out.path());
        // Every page in each of the six skins.
        for (int skin = 0; skin < 6; ++skin) {
            const QString prefix = QStringLiteral("skin%1-").arg(skin);
            for (const char* page : {"Info", "DensityPage", "TrappingPage", "ICCPage", "VisualMatchPage",
                                     "SpectroSetupPage", "TabSheet3"}) {
                EXPECT_TRUE(std::any_of(files.begin(), files.end(),
                                        [&](const QString& f) {
                                            return f.startsWith(prefix) && f.endsWith(QString::fromLatin1(page) + ".png");
                                        }))
                    << prefix.toStdString() << page;
            }
        }
    }
}

TEST(TourRun, ContradictoryOrFaultyOptionsAreRefused)
{
    QTemporaryDir settings, out;
    ASSERT_TRUE(settings.isValid() && out.isValid());
    const struct {
        QStringList Arguments;
        const char* Message;
    } cases[] = {
        {{"--tour", out.path(), "--screenshots", out.path()}, "cannot be used together"},
        {{"--tour-presses", "DensityPage=1"}, "needs --tour"},
        {{"--tour", out.path(), "--tour-presses", "DensityPage=x"}, "\"x\""},
        {{"--tour", out.path(), "--tour-presses", "NoSuchPage=1"}, "no page named NoSuchPage"},
        {{"--tour", out.path(), "--wait-limit", "soon"}, "\"soon\""},
    };
    for (const auto& c : cases) {
        const TRun run = RunProgram(QStringLiteral(KV_KELVORA_BIN), Settings(settings) + c.Arguments, WithoutInstrument);
        ASSERT_TRUE(run.Ended);
        EXPECT_EQ(run.ExitCode, 2) << c.Arguments.join(' ').toStdString();
        EXPECT_TRUE(run.Output.contains(QString::fromLatin1(c.Message))) << run.Output.toStdString();
    }
    EXPECT_TRUE(Pictures(out.path()).isEmpty());
}

// The hook the tour counts presses by: once per press the loop handled.
TEST_F(MainWindow, PressHandledRunsOncePerHandledPress)
{
    Operator.Calibration = {TOperator::TAct::Press};
    Operator.Paper = {TOperator::TAct::Press};
    Create();
    int handled = 0;
    Form->PressHandled = [&handled] { ++handled; };
    Startup();
    ASSERT_TRUE(Form->Timer->isActive());
    EXPECT_EQ(handled, 0);
    Sim.PlacePatch("cyan");
    PressAndTurn();
    EXPECT_EQ(handled, 1);
    Form->TimerTimer();  // no press
    EXPECT_EQ(handled, 1);
    PressAndTurn();
    EXPECT_EQ(handled, 2);
}

// The pages the tour visits: every page of every page control, in the window's order.
TEST_F(MainWindow, TheTourKnowsEveryPageOfTheWindow)
{
    Create();
    const QStringList pages = TTour::WindowPages(Form.get());
    ASSERT_EQ(pages.size(), TourPictures.size() - 1);  // all but the opening screen
    EXPECT_EQ(pages.first(), "DensityPage");
    EXPECT_EQ(pages.indexOf("GraynessPage"), 10);
    EXPECT_EQ(pages.indexOf("ColorimetryPage"), 11);
    EXPECT_EQ(pages.indexOf("VisualMatchPage"), 16);
    EXPECT_EQ(pages.last(), "TabSheet3");
}
