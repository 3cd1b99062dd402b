// Navigation and the Setup tab of the main window: the space bar, the About
// tab, blinking, the caption at idle, tab captions kept from the start-up,
// the settings controls, the skins, the language and the instrument
// information.
#include "MainFormSupport.h"

#include "PageControl.h"
#include "DensitometryPages.h"
#include "ScrollText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>

namespace {

// A window after the start-up sequence without instrument.
class Navigation : public MainWindow {
protected:
    void SetUp() override
    {
        MainWindow::SetUp();
        ControlKeyHeld = [] { return true; };
        Create();
        Startup();
        ControlKeyHeld = [] { return false; };
    }
    TPageControl* PGC0() { return Form->V.PGC0; }
    TPageControl* PGC1() { return Form->V.PGC1; }
    TPageControl* PGC2() { return Form->V.PGC2; }
    TPageControl* PGC4() { return Form->V.PGC4; }
};

TEST_F(Navigation, TheSpaceBarStepsTheDensitometryPagesAndWraps)
{
    for (int i = 1; i <= 11; ++i) {
        Form->FormKeyDown(Qt::Key_Space);
        EXPECT_EQ(PGC0()->CurrentIndex(), i % 11);
        EXPECT_EQ(Form->PageTitle, PGC0()->Caption(i % 11));
    }
    PGC0()->SetCurrentIndex(10);
    ASSERT_EQ(Form->PageTitle, "Grayness");
    Form->FormKeyDown(Qt::Key_Space);
    EXPECT_EQ(PGC0()->CurrentIndex(), 0);
    EXPECT_EQ(Form->PageTitle, "Density");
    Form->FormKeyDown(Qt::Key_A);  // only the space bar acts
    EXPECT_EQ(PGC0()->CurrentIndex(), 0);
}

TEST_F(Navigation, TheSpaceBarStepsTheSpectroPagesAndDoesNothingOnSetup)
{
    PGC1()->SetCurrentIndex(1);
    PGC2()->SetCurrentIndex(5);
    EXPECT_EQ(Form->PageTitle, "Visual match");
    Form->FormKeyDown(Qt::Key_Space);
    EXPECT_EQ(PGC2()->CurrentIndex(), 0);
    EXPECT_EQ(Form->PageTitle, "Colorimetry");
    EXPECT_EQ(PGC0()->CurrentIndex(), 0);

    PGC1()->SetCurrentIndex(2);
    const QString title = Form->PageTitle;
    Form->FormKeyDown(Qt::Key_Space);
    EXPECT_EQ(PGC0()->CurrentIndex(), 0);
    EXPECT_EQ(PGC2()->CurrentIndex(), 0);
    EXPECT_EQ(PGC4()->CurrentIndex(), 0);
    EXPECT_EQ(Form->PageTitle, title);
}

TEST_F(Navigation, ARealSpaceKeyStepsOnceWhateverHasTheFocus)
{
    Form->show();
    Form->activateWindow();
    Form->FocusDummy();
    SendKey(Form->V.Dummy, Qt::Key_Space);
    EXPECT_EQ(PGC0()->CurrentIndex(), 1);
    SendKey(Form.get(), Qt::Key_Space);
    EXPECT_EQ(PGC0()->CurrentIndex(), 2);
}

TEST_F(Navigation, OnTheAboutTabTheSpaceBarStepsTheHiddenPagesAndPaperShows)
{
    PGC1()->SetCurrentIndex(1);
    EXPECT_TRUE(Form->V.PaperMeasBtn->isHidden());
    PGC1()->SetCurrentIndex(3);
    EXPECT_FALSE(Form->V.PaperMeasBtn->isHidden());
    EXPECT_EQ(Form->PageTitle, "About");
    EXPECT_TRUE(Form->V.ScrollText->IsRunning());
    Form->FormKeyDown(Qt::Key_Space);
    EXPECT_EQ(PGC0()->CurrentIndex(), 1);
    EXPECT_EQ(PGC1()->CurrentIndex(), 3);
    // Leaving the About tab stops the text and takes it back to its beginning.
    Form->V.ScrollText->Advance(40);
    PGC1()->SetCurrentIndex(2);
    EXPECT_FALSE(Form->V.ScrollText->IsRunning());
    EXPECT_EQ(Form->V.ScrollText->Step(), 0);
    EXPECT_TRUE(Form->V.PaperMeasBtn->isHidden());
    EXPECT_EQ(Form->PageTitle, PGC4()->Caption(0));
}

TEST_F(Navigation, BlinkingSurvivesTheSpectroTabAndStopsOnDensity)
{
    EXPECT_FALSE(Form->TimerBL->isActive());
    PGC0()->SetCurrentIndex(3);
    EXPECT_TRUE(Form->TimerBL->isActive());
    QWidget* frame = Form->Densito->BlinkFrame(3);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(Form->BlinkShape, frame);
    const bool hidden = frame->isHidden();
    Form->TimerBLTimer();
    EXPECT_EQ(frame->isHidden(), !hidden);
    Form->TimerBLTimer();
    EXPECT_EQ(frame->isHidden(), hidden);

    PGC1()->SetCurrentIndex(1);
    EXPECT_TRUE(Form->TimerBL->isActive());
    PGC1()->SetCurrentIndex(0);
    PGC0()->SetCurrentIndex(10);
    Form->TimerBLTimer();  // leaves a frame hidden or shown, as it happens
    Form->FormKeyDown(Qt::Key_Space);
    EXPECT_EQ(PGC0()->CurrentIndex(), 0);
    EXPECT_FALSE(Form->TimerBL->isActive());
}

TEST_F(Navigation, ATopLevelTabWithTagZeroStartsTheBlinking)
{
    PGC1()->SetCurrentIndex(2);
    EXPECT_FALSE(Form->TimerBL->isActive());
    PGC1()->SetCurrentIndex(3);
    EXPECT_TRUE(Form->TimerBL->isActive());
}

TEST_F(Navigation, TheWindowCaptionShowsThePageCaptionOnceIdle)
{
    Form->show();
    PGC0()->SetCurrentIndex(3);
    ASSERT_TRUE(WaitUntil([&] { return Form->windowTitle() == "Dot Gain"; }, 5000));
    PGC1()->SetCurrentIndex(1);
    ASSERT_TRUE(WaitUntil([&] { return Form->windowTitle() == "Colorimetry"; }, 5000));
    // Drawing the active top-level tab puts its caption there until then.
    QImage image(200, 60, QImage::Format_ARGB32);
    QPainter p(&image);
    Form->PGC1DrawTab(p, 2, QRect(0, 0, 90, 30), true);
    p.end();
    EXPECT_EQ(Form->windowTitle(), Form->TabCaptions[2]);
    ASSERT_TRUE(WaitUntil([&] { return Form->windowTitle() == "Colorimetry"; }, 5000));
}

TEST(OpeningScreen, TheCaptionIsEmptyUntilTheStartUpEnds)
{
    QTemporaryDir folder;
    SetExeFolderOverride(folder.path());
    Config = ConfigType{};
    {
        TMainForm form;
        form.show();
        form.TimerS->stop();
        EXPECT_EQ(form.windowTitle(), "Kelvora");
        ASSERT_TRUE(WaitUntil([&] { return form.windowTitle().isEmpty(); }, 5000));
    }
    EyeOne::FreeInstrumentLibrary();
    SetExeFolderOverride(QString());
}

TEST_F(Navigation, TheActiveTopLevelTabIsDrawnNavyTheOthersBlack)
{
    Form->show();
    QCoreApplication::processEvents();
    const QImage image = PGC1()->grab().toImage();
    auto navyPixels = [&](const QRect& r) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                n += c.blue() > 90 && c.blue() - c.red() > 60 && c.blue() - c.green() > 60 && c.red() < 80;
            }
        return n;
    };
    EXPECT_GT(navyPixels(PGC1()->TabContentRect(0)), 0);
    EXPECT_EQ(navyPixels(PGC1()->TabContentRect(2)), 0);
}

TEST_F(Navigation, TopLevelTabsKeepTheCaptionsOfTheLastStartUp)
{
    const QStringList english = Form->TabCaptions;
    ASSERT_EQ(english[2], "Setup");
    ASSERT_TRUE(SwitchLanguage(ItalianLanguageId));
    QCoreApplication::processEvents();  // the windows hear of it
    EXPECT_EQ(Form->TabCaptions, english);
    EXPECT_NE(PGC1()->Caption(2), "Setup");  // the page controls themselves follow
    ControlKeyHeld = [] { return true; };
    Startup();
    EXPECT_EQ(Form->TabCaptions[2], PGC1()->Caption(2));
    EXPECT_NE(Form->TabCaptions, english);
}

TEST_F(Navigation, AConfirmedLanguageSwitchesTheOpenWindowACancelledOneNothing)
{
    const QString calibrate = Form->V.CalibBtn->text();
    const QString ready = Panel(0);
    ChooserAnswer = std::nullopt;
    Form->Button1Click();
    EXPECT_EQ(Config.LanguageId, -99);
    EXPECT_EQ(Form->V.CalibBtn->text(), calibrate);
    EXPECT_EQ(CurrentLanguage(), EnglishLanguageId);

    ChooserAnswer = ItalianLanguageId;
    Form->Button1Click();
    QCoreApplication::processEvents();
    EXPECT_EQ(Config.LanguageId, ItalianLanguageId);
    EXPECT_EQ(CurrentLanguage(), ItalianLanguageId);
    EXPECT_NE(Form->V.CalibBtn->text(), calibrate);
    EXPECT_EQ(Form->PageTitle, PGC0()->Caption(0));
    EXPECT_EQ(Form->V.ProgNameL->text(), "Kelvora");  // set at creation, before " demo"
    EXPECT_EQ(Form->V.TitleL->text(), "Kelvora demo");
    EXPECT_NE(Panel(0), ready);  // the status texts follow too

    ChooserAnswer = EnglishLanguageId;
    Form->Button1Click();
    QCoreApplication::processEvents();
    EXPECT_EQ(Form->V.CalibBtn->text(), calibrate);
    EXPECT_EQ(Panel(0), ready);
}

TEST_F(Navigation, ThePrintCurveRowStepsWhileDownIsHeld)
{
    bool held = false;
    Form->DownArrowHeld = [&] { return held; };
    PGC0()->SetCurrentIndex(4);
    Form->AppIdle();
    EXPECT_EQ(Form->PrintCurveRow, 0);
    held = true;
    auto* pause = Form->findChild<QTimer*>(QStringLiteral("PrintCurvePause"));
    ASSERT_NE(pause, nullptr);
    for (int i = 1; i <= 10; ++i) {
        Form->AppIdle();
        EXPECT_EQ(Form->PrintCurveRow, i % 10);
        pause->stop();  // as if the pause between two steps had passed
    }
    PGC0()->SetCurrentIndex(3);
    Form->AppIdle();
    EXPECT_EQ(Form->PrintCurveRow, 0);
    PGC0()->SetCurrentIndex(4);
    PGC1()->SetCurrentIndex(3);  // About, tag 0, but not the densitometry tab
    Form->AppIdle();
    EXPECT_EQ(Form->PrintCurveRow, 0);
}

TEST_F(Navigation, DraggingTheCaptionPanelMovesTheWindowAsItsTitleBarWould)
{
    Form->show();
    for (QWidget* w : {Form->V.CaptionPanel, static_cast<QWidget*>(Form->V.TitleL),
                       static_cast<QWidget*>(Form->V.Image1)}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        EXPECT_TRUE(QApplication::sendEvent(w, &move)) << w->objectName().toStdString();
    }
}

// ---- Main setup

TEST_F(Navigation, InstrumentInformationWithALibrary)
{
    Sim.SetOptionAnswer("Version", "2.1");
    Sim.SetOptionAnswer("SerialNumber", "EO-9");
    Sim.SetOptionAnswer("LastError", "no\nerror");
    Form->Button2Click();
    const QStringList lines = Form->V.MemoI1->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[0], "VERSION ....................: 2.1");
    EXPECT_EQ(lines[1], "SERIAL NUMBER ..............: EO-9");
    EXPECT_TRUE(lines[2].startsWith("LAST CALIBRATION ...........: "));
    EXPECT_TRUE(lines[3].startsWith("CALIBRATIONS NUMBER ........: "));
    EXPECT_TRUE(lines[4].startsWith("FILTER .....................: "));
    EXPECT_TRUE(lines[5].startsWith("CONNECTED...................: "));
    EXPECT_TRUE(lines[6].startsWith("MEASUREMENT MODE ...........: "));
    EXPECT_TRUE(lines[7].startsWith("COLOR AUTO RECOGNITION .....: "));
    EXPECT_EQ(lines[8], "LAST ERROR .................: no error");  // a line break would break the table
    for (const QString& line : lines)
        EXPECT_EQ(line.indexOf(':'), 28) << line.toStdString();
    // Pressed again: the memo starts over.
    Form->Button2Click();
    EXPECT_EQ(Form->V.MemoI1->toPlainText().split('\n').size(), 9);
}

TEST_F(Navigation, InstrumentInformationDecodesSingleByteText)
{
    Sim.SetOptionAnswer("Version", "r\xE9vision");
    Form->Button2Click();
    EXPECT_EQ(Form->V.MemoI1->toPlainText().split('\n')[0],
              QString::fromUtf8("VERSION ....................: r\u00E9vision"));
}

TEST_F(MainWindow, InstrumentInformationWithoutALibrary)
{
    EyeOne::SetLibraryName(QStringLiteral("EYEONE_that_does_not_exist"));
    Create();
    Form->Button2Click();
    EXPECT_EQ(Form->V.MemoI1->toPlainText(),
              "VERSION ....................: \n"
              "SERIAL NUMBER ..............: \n"
              "LAST CALIBRATION ...........: \n"
              "CALIBRATIONS NUMBER ........: \n"
              "FILTER .....................: \n"
              "CONNECTED...................: \n"
              "MEASUREMENT MODE ...........: \n"
              "COLOR AUTO RECOGNITION .....: \n"
              "LAST ERROR .................: ");
}

TEST_F(Navigation, EverySkinAppliesAndSwitchingTheEngineOffKeepsTheLanguage)
{
    ASSERT_TRUE(SwitchLanguage(GermanLanguageId));
    for (int index = 5; index >= 0; --index) {
        Form->ComboBox1Change(index);
        EXPECT_EQ(Config.SkinIndex, index);
        EXPECT_EQ(CurrentSkin(), index);
    }
    EXPECT_EQ(CurrentLanguage(), GermanLanguageId);
    EXPECT_EQ(QApplication::focusWidget() ? QApplication::focusWidget() : static_cast<QWidget*>(Form->V.Dummy), static_cast<QWidget*>(Form->V.Dummy));
}

// ---- Densitometry settings

TEST_F(Navigation, ChoosingAbsoluteSendsTheWhiteBaseAtOncePaperWhiteWaits)
{
    Form->PaperPending = false;
    Sim.ClearCallLog();
    Form->CBRChange(0);
    EXPECT_EQ(Config.DensityReference, 0);
    EXPECT_EQ(Sim.CallLines(), std::vector<std::string>{"I1_SetOption Colorimetric.WhiteBase=Absolute"});
    EXPECT_FALSE(Form->PaperPending);

    Sim.ClearCallLog();
    Form->CBRChange(1);
    EXPECT_EQ(Config.DensityReference, 1);
    EXPECT_EQ(Sim.CallLog(), "");
    EXPECT_TRUE(Form->PaperPending);
    EXPECT_EQ(Panel(0), "Measure paper or substrate");

    Form->CBRChange(0);
    EXPECT_TRUE(Form->PaperPending);  // left as it was
}

TEST_F(MainWindow, ChoosingAbsoluteWithoutALibraryIsHarmless)
{
    EyeOne::SetLibraryName(QStringLiteral("EYEONE_that_does_not_exist"));
    Create();
    Form->CBRChange(0);
    EXPECT_EQ(Config.DensityReference, 0);
}

TEST_F(Navigation, TheFilterAndDecimalsGoIntoTheSettings)
{
    Form->CBSChange(3);
    EXPECT_EQ(Config.DensityStandardFilter, 3);
    Form->DecimalsEDChange("3");
    EXPECT_EQ(Config.Decimals, 3);
    for (const char* text : {"abc", "", "3.5", "2x"}) {
        Form->DecimalsEDChange(text);
        EXPECT_EQ(Config.Decimals, 3) << text;
    }
    // Through the controls as the operator uses them.
    Form->V.DecimalsED->setValue(4);
    EXPECT_EQ(Config.Decimals, 4);
    Form->V.CBS->setCurrentIndex(1);
    emit Form->V.CBS->activated(1);
    EXPECT_EQ(Config.DensityStandardFilter, 1);
}

TEST_F(MainWindow, AFirstStartShowsTheDefaults)
{
    Create();
    EXPECT_EQ(Form->V.ComboBox1->currentIndex(), 1);
    EXPECT_EQ(CurrentSkin(), 1);
    EXPECT_EQ(Form->V.DecimalsED->value(), 2);
    EXPECT_EQ(Form->V.CBR->currentIndex(), 1);
    EXPECT_TRUE(Form->PaperPending);
    EXPECT_EQ(Form->V.CBS->currentIndex(), 0);
    EXPECT_EQ(Form->V.SpColCB->currentIndex(), 0);
    EXPECT_EQ(Form->V.IllCB->currentIndex(), 2);
    EXPECT_EQ(Form->V.ObsCB->currentIndex(), 0);
    EXPECT_EQ(Form->V.DGed1->value(), 75);
    EXPECT_EQ(Form->V.DGed2->value(), 50);
    EXPECT_EQ(Form->V.DGed3->value(), 25);
    EXPECT_TRUE(Form->V.DGvCB1->isChecked());
    EXPECT_EQ(Form->V.Ked1->value(), 75);
    EXPECT_EQ(Form->V.DGCEd1->value(), 25);
    EXPECT_EQ(Form->V.DGCEd3->value(), 75);
    EXPECT_EQ(Form->V.ProgNameL->text(), "Kelvora");
    EXPECT_EQ(Form->V.VersL->text(), "1.0.0");
    EXPECT_TRUE(Form->V.VerL->text().contains("1.0.0"));
    EXPECT_EQ(Form->V.PGC2->CurrentIndex(), 0);
    EXPECT_EQ(Form->V.PGC0->CurrentIndex(), 0);
    EXPECT_FALSE(Form->V.PaperMeasBtn->isHidden());
    EXPECT_FALSE(Form->V.CalibBtn->isHidden());
    EXPECT_EQ(Config.FilterChoice, 0);
    EXPECT_FALSE(Config.PaperMeasured);
    Form.reset();
    const QString saved = ReadSettings();
    for (const QString& key : SettingsKeys())
        EXPECT_TRUE(saved.contains(key + "=")) << key.toStdString();
}

TEST_F(MainWindow, SettingsOutsideTheControlsRangesStayAsTheyAre)
{
    WriteSettings("Space Color=42\nIlluminant=3\nDecimals=9\nDot % 1=150\nDot 1 visible=5\nDot 2 visible=0\n"
                  "Skin index=7\nDensity reference=4\n");
    Create();
    EXPECT_EQ(Form->V.SpColCB->currentIndex(), -1);
    EXPECT_EQ(CurColorSpace, TColorSpace::CIELAB);  // what the program can use
    EXPECT_EQ(CurIlluminant, TIlluminant::D65);
    EXPECT_TRUE(Form->V.DGvCB1->isChecked());
    EXPECT_FALSE(Form->V.DGvCB2->isChecked());
    EXPECT_EQ(Form->V.ComboBox1->currentIndex(), -1);
    EXPECT_EQ(CurrentSkin(), 0);
    EXPECT_FALSE(Form->PaperPending);
    EXPECT_EQ(Config.Decimals, 9);
    EXPECT_EQ(Config.Dot1, 150);
    Form.reset();
    const QString saved = ReadSettings();
    for (const char* line : {"Space Color=42\n", "Decimals=9\n", "Dot % 1=150\n", "Dot 1 visible=1\n",
                             "Skin index=7\n", "Density reference=4\n"})
        EXPECT_TRUE(saved.contains(line)) << line;
}

TEST_F(MainWindow, TheSettingsControlsReachTheDensitometryPages)
{
    Create();
    Form->V.DGvCB1->setChecked(false);
    EXPECT_FALSE(Config.Dot1Visible);
    Form->V.DGed2->setValue(40);
    EXPECT_EQ(Config.Dot2, 40);
    Form->V.Ked1->setValue(60);
    EXPECT_EQ(Config.DotContrast1, 60);
}

}  // namespace
