// The main window's start-up sequence, measurement loop and paper handling,
// driven through the simulated instrument: both start-up paths, the Control
// key, a missing or partial library, calibration later, recalibration, the
// dispatch of presses, and the paper that stays pending.
#include "MainFormSupport.h"

#include <limits>

#include "PageControl.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>

namespace {

using TAct = TOperator::TAct;

const QString ConditionsD50 = QString::fromUtf8("CIELAB\\D50\\2\u00B0");

TEST_F(MainWindow, ControlHeldTakesTheNoInstrumentPathWithoutCallingTheLibrary)
{
    Create();
    ASSERT_TRUE(EyeOne::IsLoaded());
    ControlKeyHeld = [] { return true; };
    Sim.ClearCallLog();
    Startup();
    EXPECT_EQ(Sim.CallLog(), "");
    EXPECT_EQ(Panel(0), "Instrument not found");
    EXPECT_EQ(Panel(1), "I1 not connected");
    EXPECT_EQ(Form->Title, "Kelvora demo");
    EXPECT_FALSE(Form->Timer->isActive());
    EXPECT_FALSE(Form->TimerS->isActive());
    EXPECT_TRUE(Operator.Opened.empty());
}

TEST_F(MainWindow, TheDemoStateShowsInTheTitleButNotInPanelThree)
{
    EyeOne::SetLibraryName(QStringLiteral("EYEONE_that_does_not_exist"));
    Create();
    EXPECT_FALSE(EyeOne::IsLoaded());
    // The opening screen.
    EXPECT_EQ(Form->V.Notebook->currentIndex(), NotebookInfo);
    EXPECT_TRUE(Form->V.CaptionPanel->isHidden());
    EXPECT_TRUE(Form->V.LogoD->isHidden());
    EXPECT_FALSE(Form->V.PGC1->IsTabVisible(1));
    EXPECT_TRUE(Form->PageTitle.isEmpty());

    Startup();
    EXPECT_EQ(Panel0, (QStringList{"Searching instrument...", "Instrument not found"}));
    EXPECT_EQ(Panel(1), "I1 not connected");
    EXPECT_EQ(Panel(2), ConditionsD50);
    EXPECT_EQ(Panel(3), "Kelvora - 1.0.0 ");
    EXPECT_EQ(Form->Title, "Kelvora demo");
    EXPECT_EQ(Form->V.TitleL->text(), "Kelvora demo");
    EXPECT_EQ(Form->windowTitle(), "Kelvora");  // set by FinishStartup, before " demo"
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Kelvora");
    EXPECT_EQ(Form->V.Notebook->currentIndex(), NotebookColorMeasurement);
    EXPECT_FALSE(Form->V.CaptionPanel->isHidden());
    EXPECT_FALSE(Form->V.LogoD->isHidden());
    for (int tab = 0; tab < 4; ++tab)
        EXPECT_TRUE(Form->V.PGC1->IsTabVisible(tab)) << tab;
    EXPECT_EQ(Form->V.PGC1->CurrentIndex(), 0);
    EXPECT_EQ(Form->TabCaptions,
              (QStringList{Form->V.PGC1->Caption(0), Form->V.PGC1->Caption(1), "Setup", "About"}));
    EXPECT_EQ(Form->PageTitle, "Density");
    EXPECT_FALSE(Form->Timer->isActive());

    // A second search without instrument does not mark the title twice.
    Startup();
    EXPECT_EQ(Form->Title, "Kelvora demo");
}

TEST_F(MainWindow, WithoutALibraryCalibrateDoesNothing)
{
    EyeOne::SetLibraryName(QStringLiteral("EYEONE_that_does_not_exist"));
    Create();
    Startup();
    Panel0.clear();
    Form->CalibBtnClick();
    EXPECT_TRUE(Panel0.isEmpty());
    EXPECT_EQ(Form->CalibrDlg, nullptr);
    EXPECT_FALSE(Form->Timer->isActive());
    EXPECT_TRUE(Operator.Opened.empty());
}

TEST_F(MainWindow, WithAnInstrumentStartUpCalibratesAndMeasuresThePaper)
{
    Sim.SetOptionAnswer("SerialNumber", "EO-12345");
    Operator.Calibration = {TAct::Press};
    Operator.Paper = {TAct::Press};
    Create();
    Sim.ClearCallLog();
    Startup();
    EXPECT_EQ(Operator.Opened, (std::vector<std::string>{"calibration", "paper"}));
    EXPECT_EQ(Operator.Stuck, 0);
    EXPECT_EQ(Panel0, (QStringList{"Searching instrument...", "Instrument found", "Calibration...",
                                   "Measure paper or substrate", "Ready..."}));
    EXPECT_EQ(Panel(1), "EyeOne sn. EO-12345");
    EXPECT_EQ(Panel(2), "Calibrated");
    EXPECT_EQ(Panel(3), "Kelvora - 1.0.0 ");
    EXPECT_EQ(Form->Title, "Kelvora");
    EXPECT_EQ(Config.LastCalibrationResult, 0);
    EXPECT_TRUE(Config.PaperMeasured);
    EXPECT_FALSE(Form->PaperPending);
    EXPECT_TRUE(Form->Timer->isActive());
    EXPECT_EQ(Handlers, (std::vector<std::string>{"MeasurePaper"}));
    EXPECT_EQ(Sim.OptionValue("Colorimetric.WhiteBase"), std::optional<std::string>("Paper"));
    EXPECT_EQ(Sim.CallCount("I1_SetSubstrate"), 1);
    ASSERT_NE(Form->CalibrDlg, nullptr);
    EXPECT_EQ(Form->CalibrDlg->parent(), Form.get());
}

TEST_F(MainWindow, WithAnAbsoluteReferenceNoPaperIsMeasured)
{
    WriteSettings("Density reference=0\n");
    Operator.Calibration = {TAct::Press};
    Create();
    EXPECT_FALSE(Form->PaperPending);
    Startup();
    EXPECT_EQ(Operator.Opened, (std::vector<std::string>{"calibration"}));
    EXPECT_EQ(Panel(0), "Ready...");
    EXPECT_TRUE(Handlers.empty());
    EXPECT_TRUE(Form->Timer->isActive());
}

TEST_F(MainWindow, AFailedCalibrationStillReadsCalibrated)
{
    Sim.SetCalibrateResult(4);
    Operator.Calibration = {TAct::Press};
    Operator.Paper = {TAct::Esc};
    Create();
    Startup();
    EXPECT_EQ(Panel(2), "Calibrated");
    EXPECT_EQ(Config.LastCalibrationResult, 4);
}

TEST_F(MainWindow, ACancelledCalibrationLeavesThePaperPending)
{
    Operator.Calibration = {TAct::Esc};
    Operator.Paper = {TAct::Esc};
    Create();
    ASSERT_TRUE(Form->PaperPending);
    Startup();
    EXPECT_EQ(Operator.Opened, (std::vector<std::string>{"calibration"}));
    EXPECT_EQ(Panel(2), ConditionsD50);  // not "Calibrated"
    EXPECT_EQ(Panel(0), "Ready...");
    EXPECT_TRUE(Form->PaperPending);
    EXPECT_TRUE(Form->Timer->isActive());

    // The first press on the densitometry tab opens the paper dialog.
    PressAndTurn();
    EXPECT_EQ(Operator.Opened, (std::vector<std::string>{"calibration", "paper"}));
    EXPECT_EQ(Handlers, (std::vector<std::string>{"MeasurePaper"}));
}

TEST_F(MainWindow, ACancelledPaperDialogKeepsThePaperPendingUntilMeasured)
{
    Operator.Calibration = {TAct::Esc};
    Operator.Paper = {TAct::Esc, TAct::Press};
    Create();
    Startup();
    Handlers.clear();
    Panel0.clear();

    PressAndTurn();  // cancelled
    EXPECT_TRUE(Form->PaperPending);
    EXPECT_FALSE(Config.PaperMeasured);
    EXPECT_EQ(Panel0, (QStringList{"Measure...", "Measure paper or substrate", "Ready..."}));
    // Nothing reached the instrument: the white base is still the default one.
    EXPECT_EQ(Sim.OptionValue("Colorimetric.WhiteBase"), std::optional<std::string>("Absolute"));
    EXPECT_EQ(Sim.CallCount("I1_SetSubstrate"), 0);

    PressAndTurn();  // measured
    EXPECT_FALSE(Form->PaperPending);
    EXPECT_TRUE(Config.PaperMeasured);

    PressAndTurn();  // now the page
    EXPECT_EQ(Handlers, (std::vector<std::string>{"MeasurePaper", "MeasurePaper", "MeasureDensityPage"}));
    EXPECT_EQ(Operator.Stuck, 0);
}

TEST_F(MainWindow, AStartUpPaperDialogCancelledClearsThePendingPaperAnyway)
{
    Operator.Calibration = {TAct::Press};
    Operator.Paper = {TAct::Esc};
    Create();
    Startup();
    EXPECT_FALSE(Form->PaperPending);
    EXPECT_FALSE(Config.PaperMeasured);
    EXPECT_EQ(Panel(0), "Measure paper or substrate");
    EXPECT_EQ(Sim.OptionValue("Colorimetric.WhiteBase"), std::optional<std::string>("Absolute"));
    EXPECT_TRUE(Form->Timer->isActive());
}

TEST_F(MainWindow, CalibrateFindsAnInstrumentPluggedInLater)
{
    Sim.Unplug();
    Create();
    Startup();
    ASSERT_EQ(Panel(1), "I1 not connected");
    ASSERT_EQ(Form->CalibrDlg, nullptr);
    const bool pending = Form->PaperPending;

    Sim.Plug();
    Sim.SetOptionAnswer("SerialNumber", "EO-777");
    Operator.Calibration = {TAct::Press};
    Panel0.clear();
    Sim.ClearCallLog();
    Form->CalibBtnClick();
    EXPECT_EQ(Operator.Opened, (std::vector<std::string>{"calibration"}));
    EXPECT_NE(Form->CalibrDlg, nullptr);
    EXPECT_EQ(Panel0, (QStringList{"Instrument found", "Calibration...", "Ready..."}));
    EXPECT_EQ(Panel(1), "EyeOne sn. EO-777");
    EXPECT_TRUE(Form->Timer->isActive());
    EXPECT_EQ(Form->Title, "Kelvora demo");  // the title keeps " demo"
    EXPECT_EQ(Form->PaperPending, pending);   // not touched
    EXPECT_EQ(Sim.OptionValue("Colorimetric.WhiteBase"), std::optional<std::string>("Absolute"));
    EXPECT_EQ(Sim.CallCount("I1_Calibrate"), 1);
    EXPECT_EQ(Config.LastCalibrationResult, 0);
}

TEST_F(MainWindow, CalibrateSendsTheDefaultsAgainButLeavesThePaperPending)
{
    Operator.Calibration = {TAct::Esc, TAct::Press};
    Create();
    Startup();
    ASSERT_TRUE(Form->PaperPending);
    Form->CalibBtnClick();
    EXPECT_TRUE(Form->PaperPending);
    EXPECT_EQ(Sim.OptionValue("Colorimetric.WhiteBase"), std::optional<std::string>("Absolute"));
    EXPECT_EQ(Panel(0), "Ready...");
}

struct TDispatchCase {
    int Tab;       // PGC1
    int Page;      // PGC0 for tabs with tag 0, PGC2 for the spectro tab
    const char* Handler;  // nullptr: nothing runs
};

TEST_F(MainWindow, EachPressRunsTheHandlerOfThePageThatShows)
{
    WriteSettings("Density reference=0\n");
    Operator.Calibration = {TAct::Press};
    Create();
    Startup();
    ASSERT_FALSE(Form->PaperPending);
    const TDispatchCase cases[] = {
        {0, 0, "MeasureDensityPage"},       {0, 1, "MeasureDensityPage"},
        {0, 2, "MeasureDensityDiffPage"},   {0, 3, "MeasureDotGainPage"},
        {0, 4, "MeasurePrintCurvePage"},    {0, 5, "MeasureDotGainCurvePage"},
        {0, 6, "MeasureDotAreaPage"},       {0, 7, "MeasurePrintContrastPage"},
        {0, 8, "MeasureTrappingPage"},      {0, 9, "MeasureHueErrorPage"},
        {0, 10, "MeasureGraynessPage"},
        {1, 0, "MeasureSpectroPage"},       {1, 1, "MeasureSpectroPage"},
        {1, 2, "MeasureSpectroPage"},       {1, 3, "MeasureSpectroPage"},
        {1, 4, "MeasureICCPage"},           {1, 5, "MeasureSpectroPage"},
        {2, 0, nullptr},                    {2, 2, nullptr},
        // The About tab carries tag 0: the densitometry page last shown, out of sight.
        {3, 3, "MeasureDotGainPage"},       {3, 10, "MeasureGraynessPage"},
    };
    for (const TDispatchCase& c : cases) {
        Form->V.PGC1->SetCurrentIndex(c.Tab);
        if (c.Tab == 1)
            Form->V.PGC2->SetCurrentIndex(c.Page);
        else if (c.Tab == 2)
            Form->V.PGC4->SetCurrentIndex(c.Page);
        else
            Form->V.PGC0->SetCurrentIndex(c.Page);
        Handlers.clear();
        Panel0.clear();
        PressAndTurn();
        const std::vector<std::string> expected =
            c.Handler ? std::vector<std::string>{c.Handler} : std::vector<std::string>{};
        EXPECT_EQ(Handlers, expected) << c.Tab << "/" << c.Page;
        EXPECT_EQ(Panel0, (QStringList{"Measure...", "Ready..."})) << c.Tab << "/" << c.Page;
        EXPECT_FALSE(Sim.PressPending()) << c.Tab << "/" << c.Page;  // the press is used up
        EXPECT_TRUE(Form->Timer->isActive());
    }
    // Without a press the turn does nothing but poll.
    Handlers.clear();
    Panel0.clear();
    Form->TimerTimer();
    EXPECT_TRUE(Handlers.empty());
    EXPECT_TRUE(Panel0.isEmpty());
    EXPECT_TRUE(Form->Timer->isActive());
}

TEST_F(MainWindow, AHeldButtonIsHandledOnce)
{
    WriteSettings("Density reference=0\n");
    Operator.Calibration = {TAct::Press};
    Create();
    Startup();
    Handlers.clear();
    Sim.Press(25);  // down for 25 polls
    Form->TimerTimer();
    EXPECT_EQ(Handlers, (std::vector<std::string>{"MeasureDensityPage"}));
    EXPECT_TRUE(Sim.PressPending());  // the later turns wait for the release
    for (int turn = 0; turn < 30; ++turn)
        Form->TimerTimer();
    EXPECT_FALSE(Sim.PressPending());
    EXPECT_EQ(Handlers.size(), 1u);
}

TEST_F(MainWindow, AButtonThatNeverComesUpDoesNotFreezeTheLoop)
{
    WriteSettings("Density reference=0\n");
    Operator.Calibration = {TAct::Press};
    Create();
    Startup();
    Handlers.clear();
    Sim.Hold(std::numeric_limits<int>::max());  // a driver stuck on "pressed"
    QElapsedTimer turn;
    turn.start();
    Form->TimerTimer();
    EXPECT_LT(turn.elapsed(), 30000);  // bounded, not forever
    EXPECT_EQ(Handlers, (std::vector<std::string>{"MeasureDensityPage"}));
    EXPECT_TRUE(Form->Timer->isActive());
    // Still down: the later turns do not take it for a new press.
    Form->TimerTimer();
    Form->TimerTimer();
    EXPECT_EQ(Handlers.size(), 1u);
    Sim.Release();
    Form->TimerTimer();  // sees the button up
    PressAndTurn();
    EXPECT_EQ(Handlers.size(), 2u);
}

TEST_F(MainWindow, CalibrationNeededRunsTheWholeStartUpAgain)
{
    WriteSettings("Density reference=0\n");
    Operator.Calibration = {TAct::Press, TAct::Press};
    Create();
    Startup();
    ASSERT_EQ(Sim.CallCount("I1_Calibrate"), 1);
    Sim.NeedCalibration();
    Panel0.clear();
    PressAndTurn();
    EXPECT_TRUE(Form->TimerS->isActive());
    // 1000 ms later the start-up sequence runs: search, defaults, calibration.
    ASSERT_TRUE(WaitUntil([&] { return Sim.CallCount("I1_Calibrate") == 2 && Form->Timer->isActive(); }));
    EXPECT_FALSE(Form->TimerS->isActive());
    EXPECT_TRUE(Panel0.contains("Searching instrument..."));
    EXPECT_EQ(Panel(0), "Ready...");
    EXPECT_EQ(Operator.Opened, (std::vector<std::string>{"calibration", "calibration"}));
    // And the instrument measures again.
    Handlers.clear();
    PressAndTurn();
    EXPECT_EQ(Handlers, (std::vector<std::string>{"MeasureDensityPage"}));
    EXPECT_FALSE(Form->TimerS->isActive());
}

TEST_F(MainWindow, TheLanguageChooserOpensAtEveryStartUpUntilOneIsConfirmed)
{
    Create();
    ASSERT_EQ(Config.LanguageId, -99);
    ControlKeyHeld = [] { return true; };
    Startup();
    Startup();
    EXPECT_EQ(ChooserOpened, 2);
    EXPECT_EQ(Config.LanguageId, -99);
    ChooserAnswer = GermanLanguageId;
    Startup();
    EXPECT_EQ(ChooserOpened, 3);
    EXPECT_EQ(Config.LanguageId, GermanLanguageId);
    Startup();
    EXPECT_EQ(ChooserOpened, 3);
    Form.reset();
    EXPECT_TRUE(ReadSettings().contains("Language Id=1031\n"));
}

TEST_F(MainWindow, TheWindowShowsThenStartsUpASecondLater)
{
    ControlKeyHeld = [] { return true; };
    Create();
    EXPECT_EQ(Form->TimerS->interval(), 1000);
    EXPECT_EQ(Form->Timer->interval(), 100);
    EXPECT_EQ(Form->TimerBL->interval(), 500);
    EXPECT_FALSE(Form->TimerS->isActive());
    Form->show();
    EXPECT_TRUE(Form->TimerS->isActive());
    EXPECT_EQ(QApplication::focusWidget() ? QApplication::focusWidget() : static_cast<QWidget*>(Form->V.Dummy), static_cast<QWidget*>(Form->V.Dummy));
    ASSERT_TRUE(WaitUntil([&] { return Panel(0) == "Instrument not found"; }));
    EXPECT_FALSE(Form->TimerS->isActive());
}

TEST_F(MainWindow, ClosingWhileTheCalibrationDialogWaitsEndsTheStartUp)
{
    Create();
    Form->show();
    Form->TimerS->stop();
    QTimer::singleShot(400, Form.get(), [this] { Form->close(); });
    Startup();  // returns once the window closes the dialog
    EXPECT_EQ(Operator.Opened, (std::vector<std::string>{"calibration"}));
    EXPECT_EQ(Operator.Stuck, 0);
    EXPECT_FALSE(Form->Timer->isActive());
    EXPECT_TRUE(Handlers.empty());  // no paper dialog after the cancelled calibration
}

TEST_F(MainWindow, DestroyingTheWindowUnloadsTheLibraryAndWritesTheSettings)
{
    Create();
    ASSERT_TRUE(EyeOne::IsLoaded());
    Config.Decimals = 3;
    Form.reset();
    EXPECT_FALSE(EyeOne::IsLoaded());
    EXPECT_TRUE(ReadSettings().contains("Decimals=3\n"));
    EXPECT_TRUE(SettingsErrors.isEmpty());
}

TEST_F(MainWindow, ASettingsFileThatCannotBeWrittenIsReportedByName)
{
    Create();
    // Folders where the file and the file beside it should be.
    ASSERT_TRUE(QDir().mkpath(SettingsPath()));
    ASSERT_TRUE(QDir().mkpath(SettingsPath() + ".new"));
    Form.reset();
    ASSERT_EQ(SettingsErrors.size(), 1);
    EXPECT_EQ(SettingsErrors[0], "Unable to write to " + QDir::toNativeSeparators(SettingsPath() + ".new"));
}

TEST_F(MainWindow, ClosingWritesTheSettingsWhileTheWindowStillShows)
{
    Create();
    Form->show();
    Form->TimerS->stop();
    ASSERT_TRUE(QDir().mkpath(SettingsPath()));
    ASSERT_TRUE(QDir().mkpath(SettingsPath() + ".new"));
    bool visibleWhenReported = false;
    SettingsErrorReporter = [&](const QString& m) {
        SettingsErrors << m;
        visibleWhenReported = Form->isVisible();
    };
    Form->close();
    ASSERT_EQ(SettingsErrors.size(), 1);
    EXPECT_TRUE(visibleWhenReported);
    EXPECT_FALSE(EyeOne::IsLoaded());
    Form.reset();  // written once, not again at the end
    EXPECT_EQ(SettingsErrors.size(), 1);
}

// Bad answers of a driver: each must leave the program running.
TEST_F(MainWindow, BadDriverAnswersAreHarmless)
{
    WriteSettings("Density reference=0\n");
    Operator.Calibration = {TAct::Press};
    Create();
    Startup();
    for (int kind : {I1SimBadNaNDensity, I1SimBadInfiniteDensity, I1SimBadNegativeDensity,
                     I1SimBadChannelOutOfRange, I1SimBadNaNSpectrum, I1SimBadInfiniteSpectrum,
                     I1SimBadNegativeSpectrum, I1SimBadNullOption}) {
        Sim.SetBadAnswer(kind);
        for (int page : {0, 1, 2, 3, 6, 7, 8, 9, 10}) {
            Form->V.PGC1->SetCurrentIndex(0);
            Form->V.PGC0->SetCurrentIndex(page);
            PressAndTurn();
            EXPECT_EQ(Panel(0), "Ready...") << kind << "/" << page;
        }
        Form->V.PGC1->SetCurrentIndex(1);
        Form->V.PGC2->SetCurrentIndex(4);
        PressAndTurn();
        Form->Button2Click();
        Sim.ClearBadAnswers();
    }
}

TEST_F(MainWindow, ANullSerialNumberShowsAnEmptySerial)
{
    Sim.SetBadAnswer(I1SimBadNullOption);
    Operator.Calibration = {TAct::Esc};
    Create();
    Startup();
    EXPECT_EQ(Panel(1), "EyeOne sn. ");
}

TEST_F(MainWindow, ALibraryLackingEntryPointsRunsAllTheSame)
{
    const QString path = QStringLiteral(KV_SIM_DIR "/partial/libEYEONE.so");
    TSimControl partial(path);
    partial.Reset();
    EyeOne::SetLibraryName(path);
    // The operator presses the partial library's button.
    TOperator partialOperator(partial);
    partialOperator.Calibration = {TAct::Press};
    partialOperator.Paper = {TAct::Press};
    Create();
    ASSERT_TRUE(EyeOne::IsLoaded());
    Startup();
    EXPECT_EQ(partialOperator.Opened, (std::vector<std::string>{"calibration", "paper"}));
    EXPECT_TRUE(Config.PaperMeasured);
    EXPECT_EQ(Panel(0), "Ready...");
    for (int page : {0, 2, 3, 6, 7, 8, 9, 10}) {
        Form->V.PGC0->SetCurrentIndex(page);
        partial.Press();
        Form->TimerTimer();
        EXPECT_EQ(Panel(0), "Ready...") << page;
    }
    EXPECT_EQ(partial.CallCount("I1_GetDensities"), 0);
}

}  // namespace

TEST_F(MainWindow, AStoredCiede2000ChoiceShowsInTheListAndInPanelTwo)
{
    WriteSettings("Space Color=8\nIlluminant=3\n");
    Create();
    ControlKeyHeld = [] { return true; };
    Startup();
    EXPECT_EQ(CurColorSpace, TColorSpace::CIEDE2000);
    EXPECT_EQ(Form->V.SpColCB->currentText(), "CIEDE2000");
    EXPECT_EQ(Panel(2), QString::fromUtf8("CIEDE2000\\D65\\2\u00B0"));
}
