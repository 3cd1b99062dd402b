// The calibration and paper dialogs driven through the simulated
// instrument: a press does the instrument work and closes with OK, Esc
// shows the button pressed and closes with Cancel, and the polls survive a
// missing library.
#include "CalibrWin.h"
#include "Config.h"
#include "Eye1lib.h"
#include "EyeOne.h"
#include "MeasureP.h"

#include "SimControl.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs `action` once the dialog shows (from its own event loop).
void WhenShown(QDialog& dialog, std::function<void()> action)
{
    auto* poll = new QTimer(&dialog);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, &dialog, [poll, &dialog, action] {
        if (dialog.isVisible()) {
            poll->stop();
            action();
        }
    });
    poll->start();
}

// Closes a dialog that stays open longer than a test can wait for.
void Deadline(QDialog& dialog, int ms)
{
    QTimer::singleShot(ms, &dialog, [&dialog] {
        if (dialog.isVisible())
            dialog.done(99);
    });
}

void PressEsc(QWidget& w)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&w, &press);
}

class Dialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        Sim.Reset();
        EyeOne::SetLibraryName("EYEONE");
        ASSERT_TRUE(EyeOne::LoadInstrumentLibrary());
        Config = ConfigType{};
        Main.setGeometry(100, 80, 600, 560);
        Main.show();
        Sim.ClearCallLog();
    }
    void TearDown() override
    {
        EyeOne::FreeInstrumentLibrary();
        EyeOne::SetLibraryName("EYEONE");
    }
    TSimControl Sim;
    QWidget Main;
};

TEST_F(Dialogs, CalibrationDialogStartsWithItsTexts)
{
    TCalibrDlg dlg(&Main);
    EXPECT_EQ(dlg.Message(),
              "I1 calibration, place instrument on the calibration plate and press measurement button.");
    EXPECT_EQ(dlg.OkBtn->text(), "Cancel");
    EXPECT_FALSE(dlg.Timer->isActive());
    EXPECT_EQ(dlg.Timer->interval(), 100);
    EXPECT_EQ(dlg.size(), QSize(415, 209));
    EXPECT_EQ(dlg.Msg->geometry(), QRect(134, 66, 262, 83));
    EXPECT_EQ(dlg.OkBtn->geometry(), QRect(173, 170, 75, 30));
    EXPECT_EQ(dlg.IconPanel->geometry(), QRect(16, 63, 98, 90));
    EXPECT_EQ(dlg.CaptionBar->geometry(), QRect(0, 0, 415, 34));
}

TEST_F(Dialogs, APressCalibratesShowsSuccessAndClosesWithOk)
{
    TCalibrDlg dlg(&Main);
    dlg.setWindowTitle("old caption");
    QStringList messages;
    QObject::connect(&dlg, &TInstrumentDialog::MessageChanged, [&](const QString& m) { messages << m; });
    qint64 successShownMs = -1;
    QElapsedTimer clock;
    QObject::connect(&dlg, &TInstrumentDialog::MessageChanged, [&](const QString& m) {
        if (m == "Calibration Ok!")
            clock.start();
    });
    QObject::connect(&dlg, &QDialog::finished, [&] { successShownMs = clock.isValid() ? clock.elapsed() : -1; });
    WhenShown(dlg, [&] {
        EXPECT_EQ(dlg.windowTitle(), "");
        const QRect m = Main.frameGeometry(), d = dlg.frameGeometry();
        EXPECT_EQ(d.left(), m.left() + (m.width() - d.width()) / 2);
        EXPECT_EQ(d.top(), m.top() + (m.height() - d.height()) / 2);
        Sim.Press();
    });
    Deadline(dlg, 10000);
    dlg.Timer->start();
    EXPECT_EQ(dlg.exec(), TInstrumentDialog::mrOk);
    EXPECT_EQ(messages, (QStringList{"I1 calibration in progress, wait please ...", "Calibration Ok!"}));
    EXPECT_GE(successShownMs, TInstrumentDialog::SuccessPauseMs - 5);
    EXPECT_EQ(Config.LastCalibrationResult, 0);
    EXPECT_FALSE(dlg.Timer->isActive());
    EXPECT_EQ(Sim.CallCount("I1_Calibrate"), 1);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(Dialogs, AFailedCalibrationStillClosesWithOkButWithoutSuccess)
{
    Sim.SetCalibrateResult(5);
    TCalibrDlg dlg(&Main);
    QStringList messages;
    QObject::connect(&dlg, &TInstrumentDialog::MessageChanged, [&](const QString& m) { messages << m; });
    WhenShown(dlg, [&] { Sim.Press(); });
    Deadline(dlg, 10000);
    dlg.Timer->start();
    EXPECT_EQ(dlg.exec(), TInstrumentDialog::mrOk);
    EXPECT_EQ(messages, QStringList{"I1 calibration in progress, wait please ..."});
    EXPECT_EQ(dlg.Message(), "I1 calibration in progress, wait please ...");
    EXPECT_EQ(Config.LastCalibrationResult, 5);
}

TEST_F(Dialogs, EscShowsTheButtonPressedThenCancels)
{
    for (int which = 0; which < 2; ++which) {
        std::unique_ptr<TInstrumentDialog> dlg;
        if (which == 0)
            dlg = std::make_unique<TCalibrDlg>(&Main);
        else
            dlg = std::make_unique<TMeasurePDlg>(&Main);
        bool paintedDown = false;
        struct TDownWatcher : QObject {
            QPushButton* Button;
            bool* Seen;
            bool eventFilter(QObject*, QEvent* e) override
            {
                if (e->type() == QEvent::Paint && Button->isDown())
                    *Seen = true;
                return false;
            }
        } watcher;
        watcher.Button = dlg->OkBtn;
        watcher.Seen = &paintedDown;
        dlg->OkBtn->installEventFilter(&watcher);

        qint64 escToClose = -1;
        QElapsedTimer clock;
        QObject::connect(dlg.get(), &QDialog::finished, [&] { escToClose = clock.elapsed(); });
        WhenShown(*dlg, [&] {
            clock.start();
            PressEsc(*dlg);
        });
        Deadline(*dlg, 10000);
        dlg->Timer->start();
        EXPECT_EQ(dlg->exec(), TInstrumentDialog::mrCancel) << which;
        EXPECT_GE(escToClose, TInstrumentDialog::EscPressedMs - 5) << which;
        EXPECT_TRUE(paintedDown) << which;
        EXPECT_FALSE(dlg->Timer->isActive()) << which;

        // After closing, presses no longer reach the dialog.
        const int polls = Sim.CallCount("I1_KeyPressed");
        Sim.Press();
        QElapsedTimer wait;
        wait.start();
        while (wait.elapsed() < 350)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        EXPECT_EQ(Sim.CallCount("I1_KeyPressed"), polls) << which;
        EXPECT_TRUE(Sim.PressPending()) << which;
        EXPECT_EQ(Sim.CallCount("I1_Calibrate") + Sim.CallCount("I1_TriggerMeasurement"), 0) << which;
        Sim.Reset();
    }
}

TEST_F(Dialogs, TheCancelButtonAndTheCloseBoxCancel)
{
    TCalibrDlg dlg(&Main);
    WhenShown(dlg, [&] { dlg.OkBtn->click(); });
    Deadline(dlg, 10000);
    EXPECT_EQ(dlg.exec(), TInstrumentDialog::mrCancel);

    TMeasurePDlg paper(&Main);
    WhenShown(paper, [&] { paper.close(); });
    Deadline(paper, 10000);
    EXPECT_EQ(paper.exec(), TInstrumentDialog::mrCancel);
    EXPECT_EQ(Sim.CallCount("I1_SetOption"), 0);
}

TEST_F(Dialogs, PaperMeasurementSendsItsSequenceAndHandsOverTheSpectrum)
{
    Sim.PlacePatch("paper");
    TMeasurePDlg dlg(&Main);
    dlg.ProgramTitle = [] { return QString("Kelvora demo"); };
    dlg.SetMessage("something else");
    QStringList messages;
    QObject::connect(&dlg, &TInstrumentDialog::MessageChanged, [&](const QString& m) { messages << m; });
    WhenShown(dlg, [&] {
        EXPECT_EQ(dlg.windowTitle(), "Kelvora demo");
        EXPECT_EQ(dlg.Message(), "Measure paper or substrate");
        EXPECT_EQ(dlg.TitleLabel->text(), "");
        Sim.ClearCallLog();
        Sim.Press();
    });
    Deadline(dlg, 10000);
    dlg.Timer->start();
    EXPECT_EQ(dlg.exec(), TInstrumentDialog::mrOk);
    EXPECT_TRUE(Config.PaperMeasured);
    EXPECT_EQ(messages,
              (QStringList{"Measure paper or substrate", "Paper measurement", "Substrated measured!"}));
    std::vector<std::string> work;
    for (const std::string& line : Sim.CallLines())
        if (line != "I1_KeyPressed")
            work.push_back(line);
    EXPECT_EQ(work, (std::vector<std::string>{"I1_SetOption MeasurementMode=SingleReflectance",
                                              "I1_SetOption Recognition=no", "I1_TriggerMeasurement",
                                              "I1_GetSpectrum", "I1_SetOption Colorimetric.WhiteBase=Paper",
                                              "I1_SetSubstrate"}));
    const auto paper = Sim.PatchSpectrum("paper");
    ASSERT_TRUE(paper);
    for (int i = 0; i < 36; ++i)
        EXPECT_FLOAT_EQ(dlg.SubstrateSpectrum[i], (*paper)[i]);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(Dialogs, PollsWithoutALibraryWaitHarmlessly)
{
    EyeOne::FreeInstrumentLibrary();
    EyeOne::SetLibraryName("EYEONE_that_does_not_exist");
    ASSERT_FALSE(EyeOne::LoadInstrumentLibrary());
    for (int which = 0; which < 2; ++which) {
        std::unique_ptr<TInstrumentDialog> dlg;
        if (which == 0)
            dlg = std::make_unique<TCalibrDlg>(&Main);
        else
            dlg = std::make_unique<TMeasurePDlg>(&Main);
        WhenShown(*dlg, [&] { QTimer::singleShot(450, dlg.get(), [&] { PressEsc(*dlg); }); });
        Deadline(*dlg, 10000);
        dlg->Timer->start();
        EXPECT_EQ(dlg->exec(), TInstrumentDialog::mrCancel) << which;
    }
    EXPECT_EQ(Config.LastCalibrationResult, -1);
    EXPECT_FALSE(Config.PaperMeasured);
}

}  // namespace
