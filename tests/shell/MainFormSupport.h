// What the main window tests share: a stand-in operator that answers the
// modal dialogs as they open, waiting with a deadline, and a fixture that
// gives every test its own settings folder and a fresh simulated instrument.
#pragma once

#include "CalibrWin.h"
#include "Config.h"
#include "Eye1lib.h"
#include "EyeOne.h"
#include "MainForm.h"
#include "MeasureP.h"
#include "Settings.h"
#include "Skins.h"
#include "StatusPanels.h"
#include "TData.h"
#include "Translations.h"

#include "SimControl.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QLocale>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Runs the event loop for a moment, the way the program waits: blocking, so
// that the idle handler runs as it does in the program.
inline void RunEventLoop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Lets events run until `done` holds or `ms` have passed; answers `done`.
inline bool WaitUntil(const std::function<bool()>& done, int ms = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms)
            return false;
        RunEventLoop(20);
    }
    return true;
}

inline void SendKey(QWidget* target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_Space ? QStringLiteral(" ") : QString());
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, key == Qt::Key_Space ? QStringLiteral(" ") : QString());
    QApplication::sendEvent(target, &release);
}

// The operator in front of the dialogs: each time the calibration or the
// paper dialog shows, the next planned act for it. A dialog left open longer
// than a test could wait is closed, and counted as stuck.
class TOperator : public QObject {
public:
    enum class TAct { Press, Esc, Wait };

    explicit TOperator(TSimControl& sim) : Sim(sim) { qApp->installEventFilter(this); }
    ~TOperator() override { qApp->removeEventFilter(this); }

    std::deque<TAct> Calibration;     // acts for the calibration dialog, in order
    std::deque<TAct> Paper;           // acts for the paper dialog
    std::vector<std::string> Opened;  // "calibration" / "paper", in order
    int Stuck = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* dialog = qobject_cast<TInstrumentDialog*>(watched))
                Shown(dialog);
        return false;
    }

private:
    void Shown(TInstrumentDialog* dialog)
    {
        const bool calibration = qobject_cast<TCalibrDlg*>(dialog) != nullptr;
        Opened.push_back(calibration ? "calibration" : "paper");
        std::deque<TAct>& plan = calibration ? Calibration : Paper;
        const TAct act = plan.empty() ? TAct::Wait : plan.front();
        if (!plan.empty())
            plan.pop_front();
        if (act == TAct::Press)
            Sim.Press();
        else if (act == TAct::Esc)
            QTimer::singleShot(50, dialog, [dialog] { SendKey(dialog, Qt::Key_Escape); });
        const int showing = ++Showings;
        QPointer<TInstrumentDialog> guard(dialog);
        QTimer::singleShot(8000, this, [this, guard, showing] {
            if (guard && guard->isVisible() && showing == Showings) {
                ++Stuck;
                guard->done(TInstrumentDialog::mrCancel);
            }
        });
    }

    TSimControl& Sim;
    int Showings = 0;
};

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Folder.isValid());
        SetExeFolderOverride(Folder.path());
        Config = ConfigType{};
        CurColorSpace = TColorSpace::CIELAB;
        CurIlluminant = TIlluminant::D50;
        CurObserver = TObserver::Obs2;
        Sim.Reset();
        Sim.PlacePatch("paper");
        EyeOne::SetLibraryName(QStringLiteral("EYEONE"));
        ControlKeyHeld = [] { return false; };
        InstrumentConnected = false;
        InstrumentSerial.clear();
        SettingsErrors.clear();
        SettingsErrorReporter = [this](const QString& m) { SettingsErrors << m; };
    }

    void TearDown() override
    {
        Form.reset();
        EyeOne::FreeInstrumentLibrary();
        EyeOne::SetLibraryName(QStringLiteral("EYEONE"));
        SettingsErrorReporter = nullptr;
        SetExeFolderOverride(QString());
        SwitchLanguage(EnglishLanguageId);
        ApplySkin(0);
        Config = ConfigType{};
    }

    QString SettingsPath() const { return Folder.path() + QLatin1Char('/') + SettingsFileName(); }

    void WriteSettings(const QByteArray& lines)
    {
        QFile f(SettingsPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("[Settings]\n" + lines);
    }

    QString ReadSettings() const
    {
        QFile f(SettingsPath());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll());
    }

    // The main window, its observers hooked to the test.
    void Create()
    {
        Form = std::make_unique<TMainForm>();
        Form->DispatchObserver = [this](const char* h) { Handlers.push_back(h); };
        Form->StatusObserver = [this](int panel, const QString& text) {
            if (panel == 0)
                Panel0 << text;
        };
        Form->ChooseLanguage = [this](int) {
            ++ChooserOpened;
            return ChooserAnswer;
        };
    }

    // Start-up as far as the instrument allows, the operator answering the
    // dialogs as planned.
    void Startup() { Form->TimerSTimer(); }

    // One turn of the measurement loop with a press of the button.
    void PressAndTurn()
    {
        Sim.Press();
        Form->TimerTimer();
    }

    QString Panel(int i) const { return Form->StatusText(i); }

    // The spectrum the simulated instrument reads on a named patch.
    TSpectrum PatchSpectrum(const std::string& patch)
    {
        const auto floats = Sim.PatchSpectrum(patch);
        EXPECT_TRUE(floats.has_value()) << patch;
        TSpectrum s = EmptySpectrum;
        if (floats)
            for (int i = 0; i < SpectrumSize; ++i)
                s[std::size_t(i)] = (*floats)[std::size_t(i)];
        return s;
    }

    QTemporaryDir Folder;
    TSimControl Sim;
    TOperator Operator{Sim};
    std::unique_ptr<TMainForm> Form;
    std::vector<std::string> Handlers;
    QStringList Panel0;
    QStringList SettingsErrors;
    int ChooserOpened = 0;
    std::optional<int> ChooserAnswer;
};

// The main window with figures written in the C locale whatever the machine's
// locale is, for tests that compare the texts of figures; the locale is put
// back afterwards.
class CLocaleMainWindow : public MainWindow {
protected:
    void SetUp() override
    {
        MainWindow::SetUp();
        LocaleBefore = QLocale();
        QLocale::setDefault(QLocale::c());
    }

    void TearDown() override
    {
        MainWindow::TearDown();
        QLocale::setDefault(LocaleBefore);
    }

private:
    QLocale LocaleBefore;
};
