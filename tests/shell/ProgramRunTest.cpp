// The program itself, run as a script runs it (--exit-after, no display):
// it ends on its own whatever the state of its settings file, and a settings
// file that is no settings file neither holds up the start nor is replaced.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#ifdef __unix__
#include <sys/stat.h>
#endif

namespace {

struct TRun {
    bool Ended = false;
    int ExitCode = -1;
    QString Errors;
};

// Runs the program in `folder` for a short session. The wait is only a
// safety net, so that a program that never ends fails the test instead of
// holding it.
TRun RunProgram(const QString& folder)
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.remove(QStringLiteral("LD_LIBRARY_PATH"));  // no instrument: the demo state
    env.remove(QStringLiteral("KELVORA_EXE_FOLDER"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(KV_KELVORA_EXE),
                  {QStringLiteral("--exe-folder"), folder, QStringLiteral("--language"), QStringLiteral("1033"),
                   QStringLiteral("--exit-after"), QStringLiteral("300")});
    TRun run;
    run.Ended = program.waitForFinished(60000);
    if (!run.Ended) {
        program.kill();
        program.waitForFinished();
    }
    run.ExitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    run.Errors = QString::fromLocal8Bit(program.readAllStandardError());
    return run;
}

class ProgramRun : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Folder.isValid()); }
    QString SettingsPath() const { return Folder.path() + QStringLiteral("/kelvora.ini"); }
    QTemporaryDir Folder;
};

TEST_F(ProgramRun, ATimedRunWritesItsSettingsAndEnds)
{
    const TRun run = RunProgram(Folder.path());
    ASSERT_TRUE(run.Ended);
    EXPECT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    QFile settings(SettingsPath());
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(settings.readAll().contains("Language Id=1033"));
}

TEST_F(ProgramRun, ATimedRunWithAnUnwritableSettingsFileEndsAndSaysSo)
{
    // Folders where the settings file and the file beside it would go.
    ASSERT_TRUE(QDir().mkpath(SettingsPath()));
    ASSERT_TRUE(QDir().mkpath(SettingsPath() + QStringLiteral(".new")));
    const TRun run = RunProgram(Folder.path());
    ASSERT_TRUE(run.Ended);
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_TRUE(run.Errors.contains(QStringLiteral("Unable to write to ")
                                    + QDir::toNativeSeparators(SettingsPath() + QStringLiteral(".new"))))
        << run.Errors.toStdString();
}

#ifdef __unix__
TEST_F(ProgramRun, ANamedPipeAsSettingsFileHoldsNothingUp)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(SettingsPath()).constData(), 0600), 0);
    const TRun run = RunProgram(Folder.path());
    ASSERT_TRUE(run.Ended);
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_TRUE(run.Errors.contains(QStringLiteral("named pipe"))) << run.Errors.toStdString();
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(SettingsPath()).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    QFile beside(SettingsPath() + QStringLiteral(".new"));
    ASSERT_TRUE(beside.open(QIODevice::ReadOnly));
    EXPECT_TRUE(beside.readAll().contains("[Settings]"));
}

TEST_F(ProgramRun, ALinkToAnEndlessDeviceAsSettingsFileIsNotRead)
{
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), SettingsPath()));
    const TRun run = RunProgram(Folder.path());
    ASSERT_TRUE(run.Ended);
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_TRUE(run.Errors.contains(QStringLiteral("device"))) << run.Errors.toStdString();
    EXPECT_EQ(QFileInfo(SettingsPath()).symLinkTarget(), QStringLiteral("/dev/zero"));
}
#endif

}  // namespace
