// The simulated instrument's window beside the real main window: the stand-in
// opens it on its first call because KELVORA_SIM_WINDOW is set; a click on a
// patch moves the instrument, its button reaches the Density page, measurement
// files add patches, bad files change nothing, and an unplugged instrument's
// button does nothing. The program itself is built as always.
#include "MainFormSupport.h"

#include "PageControl.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QMetaObject>
#include <QTest>
#include <QWindow>

#include <cstdlib>

namespace {

// Set before the library's first call, as scripts/run.sh does.
const bool WindowAsked = qputenv("KELVORA_SIM_WINDOW", "1");

class SimWindowTest : public MainWindow {
protected:
    void SetUp() override
    {
        MainWindow::SetUp();
        ASSERT_TRUE(WindowAsked);
        Sim.SetDensityNoise(0.0);
        Create();
        Form->PaperPending = false;
        // The program's first driver call at start-up.
        ASSERT_TRUE(EyeOne::LoadInstrumentLibrary());
        EyeOne::I1_IsConnected();
        ASSERT_TRUE(WaitUntil([this] { return Window() != nullptr; }, 5000)) << "no instrument window";
        // Back to the sheet as loaded: the window follows the library.
        SetChecked("PluggedIn", true);
        RunEventLoop(200);
    }

    static QWidget* Window()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("KelvoraSimWindow"))
                return w;
        return nullptr;
    }
    static QAbstractButton* Patch(const QString& key)
    {
        return Window()->findChild<QAbstractButton*>(QStringLiteral("patch:") + key);
    }
    static int PatchCount()
    {
        int count = 0;
        for (const QAbstractButton* b : Window()->findChildren<QAbstractButton*>())
            count += b->objectName().startsWith(QLatin1String("patch:")) ? 1 : 0;
        return count;
    }
    static QString WindowText(const char* label)
    {
        const auto* l = Window()->findChild<QLabel*>(QLatin1String(label));
        return l ? l->text() : QStringLiteral("(no %1)").arg(QLatin1String(label));
    }
    static void SetChecked(const char* name, bool on)
    {
        auto* box = Window()->findChild<QCheckBox*>(QLatin1String(name));
        ASSERT_NE(box, nullptr) << name;
        box->setChecked(on);
    }
    QString PageText(const char* name) const
    {
        const auto* label = Form->findChild<QLabel*>(QLatin1String(name));
        return label ? label->text() : QString();
    }
    static bool Open(const QString& path)
    {
        bool ok = false;
        QMetaObject::invokeMethod(Window(), "OpenMeasurements", Q_RETURN_ARG(bool, ok), Q_ARG(QString, path));
        return ok;
    }
    QString WriteFile(const char* name, const QByteArray& text)
    {
        const QString path = Folder.filePath(QLatin1String(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return path;
    }
    static QByteArray CsvRow(const char* name, double level)
    {
        QByteArray row = name;
        for (int i = 0; i < 36; ++i)
            row += "," + QByteArray::number(level + 0.002 * i, 'f', 3);
        return row + "\n";
    }
};

TEST_F(SimWindowTest, ShowsThePressSheetGroupedAndLabelled)
{
    ASSERT_NE(Patch("magenta-50"), nullptr);
    EXPECT_EQ(Patch("magenta-50")->text(), "50 %");
    EXPECT_EQ(Patch("magenta-50")->toolTip(), "magenta 50 %");
    EXPECT_EQ(PatchCount(), Sim.PatchCount());
    for (const char* key : {"paper", "cyan", "black", "red", "cmy", "yellow-10"})
        EXPECT_NE(Patch(QLatin1String(key)), nullptr) << key;
}

TEST_F(SimWindowTest, AClickOnAPatchMovesTheInstrument)
{
    Patch("magenta-50")->click();
    EXPECT_EQ(Sim.PlacedPatch(), "magenta-50");
    EXPECT_EQ(WindowText("PatchName"), "Under the instrument: magenta 50 %");
    EXPECT_TRUE(WindowText("PatchLab").startsWith("CIELAB (D50, 2\u00b0):")) << WindowText("PatchLab").toStdString();
    Patch("cyan")->click();
    EXPECT_EQ(Sim.PlacedPatch(), "cyan");
    // A test or scenario moving the instrument shows in the window too.
    Sim.PlacePatch("yellow-75");
    EXPECT_TRUE(WaitUntil([] { return WindowText("PatchName") == "Under the instrument: yellow 75 %"; }, 2000));
}

TEST_F(SimWindowTest, TheButtonFillsTheDensityPage)
{
    Form->V.PGC1->SetCurrentIndex(0);
    Form->V.PGC0->SetCurrentIndex(0);
    Patch("magenta")->click();
    Window()->findChild<QAbstractButton*>(QStringLiteral("InstrumentButton"))->click();
    EXPECT_TRUE(Sim.PressPending());
    Form->TimerTimer();
    EXPECT_EQ(PageText("DL1"), "M");
    const QString magenta = PageText("DL01");
    EXPECT_NE(magenta.toDouble(), 0.0) << magenta.toStdString();
    // Enter in the window is the same button.
    Patch("cyan")->click();
    SendKey(Window(), Qt::Key_Return);
    Form->TimerTimer();
    EXPECT_EQ(PageText("DL1"), "C");
    EXPECT_NE(PageText("DL01"), magenta);
    // The window names what the page shows.
    EXPECT_TRUE(WaitUntil([] { return WindowText("PressState") == "Kelvora read the button."; }, 2000));
    EXPECT_TRUE(WindowText("PatchDensities").contains("C " + PageText("DL01")))
        << WindowText("PatchDensities").toStdString() << " / " << PageText("DL01").toStdString();
}

TEST_F(SimWindowTest, MeasurementFilesAddTheirSamplesAsPatches)
{
    const int before = PatchCount();
    const QString path = WriteFile("press-check.csv", CsvRow("A1", 0.80) + CsvRow("A2", 0.20) + CsvRow("A3", 0.05));
    ASSERT_TRUE(Open(path)) << WindowText("Message").toStdString();
    EXPECT_EQ(PatchCount(), before + 3);
    EXPECT_TRUE(WindowText("Message").contains("3 samples of press-check.csv"));
    QAbstractButton* a2 = nullptr;
    for (QAbstractButton* b : Window()->findChildren<QAbstractButton*>())
        if (b->objectName().startsWith(QLatin1String("patch:")) && b->text() == "A2")
            a2 = b;
    ASSERT_NE(a2, nullptr);
    a2->click();
    EXPECT_EQ(WindowText("PatchName"), "Under the instrument: A2 (press-check.csv, line 2)");
    // The instrument now measures the sample's own spectrum.
    Sim.Press();
    Form->TimerTimer();
    float spectrum[36] = {};
    EyeOne::I1_GetSpectrum(spectrum, 0);
    EXPECT_NEAR(spectrum[0], 0.20, 1e-6);
    EXPECT_NEAR(spectrum[35], 0.27, 1e-6);
}

TEST_F(SimWindowTest, ABadFileChangesNothingAndSaysWhy)
{
    const int before = PatchCount();
    Patch("black-40")->click();
    const QString path = WriteFile("broken.csv", CsvRow("A1", 0.5) + "A2,0.5,0.5,oops\n");
    EXPECT_FALSE(Open(path));
    EXPECT_EQ(PatchCount(), before);
    EXPECT_EQ(Sim.PlacedPatch(), "black-40");
    const QString message = WindowText("Message");
    EXPECT_TRUE(message.contains("broken.csv:2")) << message.toStdString();
    EXPECT_TRUE(message.contains("unchanged")) << message.toStdString();
    EXPECT_FALSE(Open(Folder.filePath("missing.txt")));
    EXPECT_TRUE(WindowText("Message").contains("missing.txt")) << WindowText("Message").toStdString();
    EXPECT_EQ(PatchCount(), before);
}

TEST_F(SimWindowTest, UnpluggedTheButtonDoesNothing)
{
    Form->V.PGC1->SetCurrentIndex(0);
    Form->V.PGC0->SetCurrentIndex(0);
    SetChecked("PluggedIn", false);
    Patch("yellow")->click();
    auto* button = Window()->findChild<QAbstractButton*>(QStringLiteral("InstrumentButton"));
    button->click();
    SendKey(Window(), Qt::Key_Return);
    EXPECT_FALSE(Sim.PressPending());
    EXPECT_TRUE(WindowText("PressState").contains("unplugged"));
    const QString before = PageText("DL1");
    Form->TimerTimer();
    EXPECT_EQ(PageText("DL1"), before);
    // Plugged in again, no press was kept for later.
    SetChecked("PluggedIn", true);
    EXPECT_FALSE(Sim.PressPending());
    Form->TimerTimer();
    EXPECT_EQ(PageText("DL1"), before);
}

TEST_F(SimWindowTest, SwitchesReachTheInstrument)
{
    Patch("cyan")->click();
    Window()->findChild<QAbstractButton*>(QStringLiteral("NeedCalibration"))->click();
    EXPECT_EQ(EyeOne::I1_TriggerMeasurement(), 3);

    SetChecked("CalibrationRefused", true);
    EXPECT_NE(EyeOne::I1_Calibrate(), 0);
    SetChecked("CalibrationRefused", false);
    EXPECT_EQ(EyeOne::I1_Calibrate(), 0);

    float densities[4] = {};
    int channel = -1;
    auto cyanDensity = [&] {
        EXPECT_EQ(EyeOne::I1_TriggerMeasurement(), 0);
        EXPECT_TRUE(EyeOne::I1_GetDensities(densities, channel, 0));
        return densities[0];
    };
    const float exact = cyanDensity();
    EXPECT_EQ(cyanDensity(), exact);
    SetChecked("DensityNoise", true);
    bool varied = false;
    for (int i = 0; i < 5 && !varied; ++i)
        varied = cyanDensity() != exact;
    EXPECT_TRUE(varied);
    SetChecked("DensityNoise", false);
    EXPECT_EQ(cyanDensity(), exact);

    auto* bad = Window()->findChild<QAction*>(QStringLiteral("BadAnswer%1").arg(int(I1SimBadNaNDensity)));
    ASSERT_NE(bad, nullptr);
    bad->setChecked(true);
    EXPECT_EQ(EyeOne::I1_TriggerMeasurement(), 0);
    EXPECT_FALSE(EyeOne::I1_GetDensities(densities, channel, 0));
    Window()->findChild<QAction*>(QStringLiteral("GoodAnswers"))->trigger();
    EXPECT_FALSE(bad->isChecked());
    EXPECT_EQ(EyeOne::I1_TriggerMeasurement(), 0);
    EXPECT_TRUE(EyeOne::I1_GetDensities(densities, channel, 0));
}

TEST_F(SimWindowTest, UsableWhileAModalDialogWaitsForTheButton)
{
    QDialog dialog;
    dialog.setModal(true);
    dialog.show();
    RunEventLoop(400);
    QAbstractButton* patch = Patch("green");
    // Through the window system, where Qt holds back the input of blocked windows.
    QWindow* window = Window()->windowHandle();
    ASSERT_NE(window, nullptr);
    const QPoint at = patch->mapTo(Window(), patch->rect().center());
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(Sim.PlacedPatch(), "green");
    dialog.hide();
}

}
