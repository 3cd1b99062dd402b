// The densitometry pages inside the real main window: presses of the
// simulated instrument's button go through the measurement loop to the page
// that is showing; the settings page's controls reach the pages.
#include "CMS/CMS.h"
#include "Data/Config.h"
#include "DensitometryPages.h"
#include "DensityFormat.h"
#include "Eye1lib/Eye1lib.h"
#include "EyeOne/EyeOne.h"
#include "MainForm.h"
#include "MainWindowFixture.h"
#include "PageControl.h"
#include "PageWidgets.h"
#include "SimControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

class MainWindowDensitoTest : public TMainWindowFixture {};

TEST_F(MainWindowDensitoTest, PressOnTheDensityPage)
{
    ShowDensitometryPage(0);
    Press("magenta");
    EXPECT_EQ(Text("DL1"), "M");
    EXPECT_EQ(Text("DL01"), Text("DL12"));
    EXPECT_EQ(Form->StatusText(0), TMainForm::tr("Ready..."));
    // The All densities page is served by the same handler.
    ShowDensitometryPage(1);
    Press("cyan");
    EXPECT_EQ(Text("DL1"), "C");
    EXPECT_EQ(Text("DL2"), "M");
}

TEST_F(MainWindowDensitoTest, FilterListChoiceReachesTheDensityPage)
{
    ShowDensitometryPage(0);
    auto* filter = Form->findChild<QComboBox*>(QStringLiteral("FilterCB"));
    ASSERT_NE(filter, nullptr);
    filter->setCurrentIndex(3);
    emit filter->activated(3);
    EXPECT_EQ(Config.FilterChoice, 3);
    Press("magenta");
    EXPECT_EQ(Text("DL1"), "Y");
    EXPECT_EQ(Text("DL01"), Text("DL13"));
}

TEST_F(MainWindowDensitoTest, DensityStandardAndDecimalsFromTheSettingsPage)
{
    ShowDensitometryPage(0);
    Press("yellow");
    const QString before = Text("DL01");
    Form->V.CBS->setCurrentIndex(4);
    emit Form->V.CBS->activated(4);
    Form->V.DecimalsED->setValue(3);
    EXPECT_EQ(Text("DL01"), before);
    Press("yellow");
    EXPECT_EQ(Sim->OptionValue("Colorimetric.DensityStandard"), "SPI");
    EXPECT_EQ(Text("DL01").size(), 5);  // "1.234"
    EXPECT_EQ(Text("DL02").size(), 5);
}

TEST_F(MainWindowDensitoTest, DotGainThroughTheLoopWithItsBlinkingFrame)
{
    ShowDensitometryPage(3);
    EXPECT_EQ(Form->BlinkShape.data(), Widget("DGBordSh"));
    EXPECT_TRUE(Form->TimerBL->isActive());
    const bool hidden = Widget("DGBordSh")->isHidden();
    Form->TimerBLTimer();
    EXPECT_NE(Widget("DGBordSh")->isHidden(), hidden);

    for (const char* patch : {"cyan", "cyan-75", "cyan-50", "cyan-25"})
        Press(patch);
    EXPECT_NE(Text("DGl1"), "0.00");
    for (const char* label : {"DGl2", "DGl3", "DGl4"})
        EXPECT_TRUE(Text(label).endsWith("%")) << label;
    EXPECT_EQ(Widget("DGBordSh")->pos(), Widget("ShD1")->pos() - QPoint(4, 4));
}

TEST_F(MainWindowDensitoTest, DotGainSettingsControls)
{
    Form->V.DGed2->setValue(60);
    EXPECT_EQ(Text("DDL2"), "60%");
    EXPECT_EQ(Config.Dot2, 60);
    Form->V.Ked1->setValue(70);
    EXPECT_EQ(Text("DKL2"), "70%");
    Form->V.DGvCB2->setChecked(false);
    EXPECT_FALSE(Config.Dot2Visible);
    EXPECT_TRUE(Widget("ShD3")->isHidden());

    ShowDensitometryPage(3);
    Press("black");
    Press("black-75");
    EXPECT_EQ(Widget("DGBordSh")->pos(), Widget("ShD4")->pos() - QPoint(4, 4));
}

TEST_F(MainWindowDensitoTest, SwatchPressMovesTheBlinkingFrame)
{
    ShowDensitometryPage(6);
    auto* swatch = Form->findChild<TSwatch*>(QStringLiteral("ShDA3"));
    ASSERT_NE(swatch, nullptr);
    emit swatch->Pressed(swatch->Step());
    EXPECT_EQ(Form->BlinkShape.data(), Widget("DABordSh"));
    EXPECT_EQ(Widget("DABordSh")->pos(), swatch->pos() - QPoint(4, 4));
    Press("magenta-50");
    EXPECT_EQ(Text("DDAl3"), "-");  // no magenta solid measured yet
    EXPECT_EQ(Widget("DABordSh")->pos(), Widget("ShDA4")->pos() - QPoint(4, 4));
}

TEST_F(MainWindowDensitoTest, TrappingHueErrorAndGraynessThroughTheLoop)
{
    ShowDensitometryPage(8);
    Press("paper");
    Press("magenta");
    EXPECT_EQ(Text("Msg"), "Measure second down color");
    Press("yellow");
    Press("red");
    EXPECT_TRUE(Text("TrL3").startsWith("Y on M = ")) << Text("TrL3").toStdString();

    ShowDensitometryPage(9);
    Press("cyan");
    EXPECT_EQ(Text("hElL1"), "C");
    ShowDensitometryPage(10);
    Press("cyan");
    EXPECT_EQ(Text("GRLl1"), "C");
    EXPECT_TRUE(Text("GRl1").endsWith("%"));
}

TEST_F(MainWindowDensitoTest, CalibrationNeededSwitchesTheStartUpTimerOn)
{
    ShowDensitometryPage(0);
    Form->TimerS->stop();
    Sim->NeedCalibration();
    Press("cyan");
    EXPECT_TRUE(Form->TimerS->isActive());
    EXPECT_EQ(Text("DL1"), "-");
    Form->TimerS->stop();
}

// The whole window on a densitometry page after a series of patches; the
// picture is written when KELVORA_SCREENSHOT_DIR names a folder.
TEST_F(MainWindowDensitoTest, WindowPicture)
{
    Form->FinishStartup();
    Form->TimerS->stop();
    Form->PaperPending = false;
    ShowDensitometryPage(3);
    for (const char* patch : {"magenta", "magenta-75", "magenta-50", "magenta-25"})
        Press(patch);
    ShowDensitometryPage(0);
    for (const char* patch : {"black", "yellow", "magenta", "cyan", "magenta"})
        Press(patch);
    ShowDensitometryPage(8);
    for (const char* patch : {"paper", "cyan", "magenta", "blue"})
        Press(patch);
    Form->TimerBL->stop();
    const QString folder = qEnvironmentVariable("KELVORA_SCREENSHOT_DIR");
    for (int index : {0, 1, 2, 3, 6, 7, 8, 9, 10}) {
        ShowDensitometryPage(index);
        if (QWidget* frame = Form->Densito->BlinkFrame(index))
            frame->setHidden(false);
        const QPixmap picture = Form->grab();
        EXPECT_FALSE(picture.isNull());
        QWidget* page = Form->V.DensitometryPages[index];
        // Every widget lies within the page as the window lays it out.
        for (const QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->objectName() == "mDensSh")
                continue;
            EXPECT_TRUE(page->rect().contains(child->geometry()))
                << index << " " << child->objectName().toStdString() << " page " << page->width() << "x"
                << page->height();
        }
        if (!folder.isEmpty()) {
            EXPECT_TRUE(picture.save(folder + QStringLiteral("/densitometry-window-%1.png").arg(index)));
        }
    }
    Form->Timer->stop();
}

}  // namespace
