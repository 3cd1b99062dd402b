// The Print curve and Dot Gain curve pages inside the real main window,
// measured on the simulated instrument's press sheet; the charts checked by
// numbers on a recording canvas.
#include "ColorListPopup.h"
#include "CurveCharts.h"
#include "DensitometryPages.h"
#include "DensityFormat.h"
#include "DensityFormulas.h"
#include "MainWindowFixture.h"
#include "PageWidgets.h"
#include "PaintBox.h"
#include "RecordingCanvas.h"
#include "Translations.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTimer>

#include <string>

namespace {

constexpr int PrintCurvePage = 4;
constexpr int DotGainCurvePage = 5;

TColor Ink(TDensityChannel channel)
{
    return TColor::Hex(InkRampColor(channel, 0).rgb() & 0xFFFFFFu);
}

class MainWindowCurvesTest : public TMainWindowFixture {
protected:
    TSwatch* Swatch(const char* name) const { return Form->findChild<TSwatch*>(QString::fromLatin1(name)); }
    QColor SwatchColor(const char* name) const { return Swatch(name)->Color(); }
    void PressSwatch(const char* name)
    {
        TSwatch* swatch = Swatch(name);
        ASSERT_NE(swatch, nullptr) << name;
        emit swatch->Pressed(swatch->Step());
    }
    // Where a step frame sits around a swatch.
    QPoint FramePos(const char* name, int margin) const { return Widget(name)->pos() - QPoint(margin, margin); }

    // The chart as it would paint now.
    std::unique_ptr<TRecordingCanvas> PrintCurveChart()
    {
        auto* box = Form->findChild<TPaintBox*>(QStringLiteral("PBxPC"));
        auto canvas = std::make_unique<TRecordingCanvas>(box->DrawingArea());
        Form->Densito->PBxPCPaint(*canvas);
        return canvas;
    }
    std::unique_ptr<TRecordingCanvas> DotGainChart()
    {
        auto* box = Form->findChild<TPaintBox*>(QStringLiteral("PBxDG"));
        auto canvas = std::make_unique<TRecordingCanvas>(box->DrawingArea());
        Form->Densito->PBxDGPaint(*canvas);
        return canvas;
    }
    static int Discs(const TRecordingCanvas& canvas, TColor colour)
    {
        int count = 0;
        for (const TCanvasCall& call : canvas.CallsOf(TCanvasOp::Ellipse))
            count += call.BrushColor == colour;
        return count;
    }
    // A scale of an ink: its solid and the tints 10 % .. 90 %.
    void PressScale(const std::string& ink)
    {
        Press(ink.c_str());
        for (int tint = 10; tint <= 90; tint += 10)
            Press((ink + "-" + std::to_string(tint)).c_str());
    }
    void PressSequence(const std::string& ink, const std::array<int, 3>& tints = {25, 50, 75})
    {
        Press(ink.c_str());
        for (int tint : tints)
            Press((ink + "-" + std::to_string(tint)).c_str());
    }
    // The whole-number gain a label shows ("12%" -> 12).
    int Percent(const char* label) const { return Text(label).chopped(1).toInt(); }
    const TPrintCurveModel& PrintCurve() const { return Form->Densito->PrintCurveModel(); }
    const TDotGainCurveModel& DotGainCurve() const { return Form->Densito->DotGainCurveModel(); }
};

// ---- Print curve page

TEST_F(MainWindowCurvesTest, TenMeasurementsFillAScaleAndTheEleventhStartsANewOne)
{
    ShowDensitometryPage(PrintCurvePage);
    EXPECT_EQ(Form->BlinkShape.data(), Widget("PCBordSh"));
    for (const char* label : {"PCL1", "PCL2", "PCL10"})
        EXPECT_EQ(Text(label), "?") << label;

    PressScale("cyan");
    EXPECT_EQ(Text("PCL1"), DensityFormat(PrintCurve().Curves[0][0]));
    int previous = 0;
    for (int row = 2; row <= 10; ++row) {
        const std::string label = "PCL" + std::to_string(row);
        ASSERT_TRUE(Text(label.c_str()).endsWith("%")) << label;
        EXPECT_GT(Percent(label.c_str()), previous) << label;  // a rising scale
        previous = Percent(label.c_str());
    }
    EXPECT_EQ(Widget("PCBordSh")->pos(), FramePos("ShPC1", 3));
    EXPECT_EQ(SwatchColor("ShPC2"), InkRampColor(TDensityChannel::Cyan, 11));
    EXPECT_EQ(SwatchColor("ShCol"), InkRampColor(TDensityChannel::Cyan, 0));
    auto chart = PrintCurveChart();
    EXPECT_EQ(Discs(*chart, Ink(TDensityChannel::Cyan)), 9);

    Press("magenta");
    EXPECT_EQ(Text("PCL2"), "?");
    EXPECT_EQ(Text("PCL10"), "?");
    EXPECT_EQ(SwatchColor("ShPC1"), InkRampColor(TDensityChannel::Magenta, 0));
    EXPECT_EQ(SwatchColor("ShPC10"), InkRampColor(TDensityChannel::Magenta, 1));
    EXPECT_EQ(Widget("PCBordSh")->pos(), FramePos("ShPC2", 3));
    chart = PrintCurveChart();
    EXPECT_EQ(Discs(*chart, Ink(TDensityChannel::Cyan)), 0);
    EXPECT_EQ(Discs(*chart, Ink(TDensityChannel::Magenta)), 0);
}

TEST_F(MainWindowCurvesTest, ATintOfAnotherInkGoesToThatInksScale)
{
    ShowDensitometryPage(PrintCurvePage);
    PressScale("magenta");
    const float magentaTen = PrintCurve().Curves[1][1];
    Press("cyan");
    Press("magenta-10");
    const float magentaSolid = PrintCurve().Curves[1][0];
    EXPECT_FLOAT_EQ(PrintCurve().Curves[1][1], magentaTen);  // against the magenta scale's solid
    EXPECT_FLOAT_EQ(PrintCurve().Curves[0][1], 0.0f);
    EXPECT_EQ(Text("PCL2"), QString::number(std::lround(PrintCurve().Curves[1][1])) + "%");
    EXPECT_GT(magentaSolid, 1.0f);
    EXPECT_EQ(PrintCurve().Channel, 1);
    const auto chart = PrintCurveChart();
    EXPECT_EQ(Discs(*chart, Ink(TDensityChannel::Magenta)), 9);
}

TEST_F(MainWindowCurvesTest, ATintWithoutAScaleSolidShowsADashAndTheLoopGoesOn)
{
    ShowDensitometryPage(PrintCurvePage);
    Press("cyan");
    Press("yellow-20");  // no yellow scale measured
    EXPECT_EQ(Text("PCL2"), "-");
    EXPECT_EQ(Form->StatusText(0), TMainForm::tr("Ready..."));
    EXPECT_TRUE(Form->Timer->isActive());
    EXPECT_EQ(Discs(*PrintCurveChart(), Ink(TDensityChannel::Yellow)), 0);
    Press("cyan-20");
    EXPECT_TRUE(Text("PCL3").endsWith("%"));
}

TEST_F(MainWindowCurvesTest, TheColourListShowsMagentaAndThenAllFourCurves)
{
    ShowDensitometryPage(PrintCurvePage);
    Press("magenta");
    Press("magenta-10");
    Press("magenta-20");
    PressSwatch("ShPC1");
    PressScale("cyan");
    const QString cyanSolid = Text("PCL1");

    PressSwatch("ShCol");
    auto* list = Form->findChild<TColorListPopup*>(QStringLiteral("Ciano1"));
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->ItemRect(1).size(), QSize(62, 40));
    const QPoint magentaItem = list->ItemRect(1).center();
    QMouseEvent move(QEvent::MouseMove, magentaItem, list->mapToGlobal(magentaItem), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(list, &move);
    EXPECT_EQ(list->Highlighted(), 1);
    list->grab();  // draws the items: the selector follows the item drawn last
    EXPECT_EQ(SwatchColor("ShCol"), InkRampColor(TDensityChannel::Magenta, 0));
    QMouseEvent release(QEvent::MouseButtonRelease, magentaItem, list->mapToGlobal(magentaItem), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list, &release);
    EXPECT_FALSE(list->isVisible());

    EXPECT_EQ(SwatchColor("ShPC2"), InkRampColor(TDensityChannel::Magenta, 9));
    EXPECT_EQ(Text("PCL1"), cyanSolid);
    EXPECT_EQ(Text("PCL2"), QString::number(std::lround(PrintCurve().Curves[1][1])) + "%");
    EXPECT_EQ(Text("PCL3"), QString::number(std::lround(PrintCurve().Curves[1][2])) + "%");
    for (const char* label : {"PCL4", "PCL7", "PCL10"})
        EXPECT_EQ(Text(label), "0%") << label;
    EXPECT_EQ(PrintCurve().Channel, 0);  // the chart's own ink stays
    auto chart = PrintCurveChart();
    EXPECT_EQ(Discs(*chart, Ink(TDensityChannel::Magenta)), 2);
    EXPECT_EQ(Discs(*chart, Ink(TDensityChannel::Cyan)), 0);

    const QColor swatchBefore = SwatchColor("ShPC5");
    const QString valueBefore = Text("PCL5");
    Form->Densito->Ciano1Click(TPrintCurveModel::AllInks);
    EXPECT_EQ(SwatchColor("ShPC5"), swatchBefore);
    EXPECT_EQ(Text("PCL5"), valueBefore);
    chart = PrintCurveChart();
    EXPECT_EQ(Discs(*chart, Ink(TDensityChannel::Cyan)), 9);
    EXPECT_EQ(Discs(*chart, Ink(TDensityChannel::Magenta)), 2);
    // Four curves: each ends at the top right corner.
    const TCurvePlot p = PrintCurvePlot(chart->Area());
    int ends = 0;
    for (const TCanvasCall& line : chart->CallsOf(TCanvasOp::Line))
        ends += line.To() == TPoint{p.R - 1, p.T} && line.PenWidth == 1;
    EXPECT_EQ(ends, 4);

    // The next measurement brings the chart back to its own ink.
    Press("cyan");
    chart = PrintCurveChart();
    EXPECT_EQ(Discs(*chart, Ink(TDensityChannel::Magenta)), 0);
}

TEST_F(MainWindowCurvesTest, APressedSwatchIsTheNextPatchAndDownArrowStepsTheFrame)
{
    ShowDensitometryPage(PrintCurvePage);
    Press("black");
    PressSwatch("ShPC6");
    EXPECT_EQ(Form->BlinkShape.data(), Widget("PCBordSh"));
    EXPECT_EQ(Widget("PCBordSh")->pos(), FramePos("ShPC6", 3));
    Press("black-50");
    EXPECT_TRUE(Text("PCL6").endsWith("%"));
    EXPECT_EQ(Text("PCL2"), "?");
    EXPECT_EQ(Widget("PCBordSh")->pos(), FramePos("ShPC7", 3));

    bool held = true;
    Form->DownArrowHeld = [&] { return held; };
    auto* pause = Form->findChild<QTimer*>(QStringLiteral("PrintCurvePause"));
    ASSERT_NE(pause, nullptr);
    for (const char* next : {"ShPC8", "ShPC9", "ShPC10", "ShPC1"}) {
        Form->AppIdle();
        EXPECT_EQ(Widget("PCBordSh")->pos(), FramePos(next, 3)) << next;
        Form->AppIdle();  // within the pause between two steps: no step
        EXPECT_EQ(Widget("PCBordSh")->pos(), FramePos(next, 3)) << next;
        pause->stop();  // as if the pause had passed
    }
    EXPECT_EQ(PrintCurve().Step, 0);
    EXPECT_EQ(Form->PrintCurveRow, 0);
    held = false;
    Form->AppIdle();
    EXPECT_EQ(PrintCurve().Step, 0);
    // Only on this page.
    held = true;
    ShowDensitometryPage(DotGainCurvePage);
    Form->AppIdle();
    EXPECT_EQ(PrintCurve().Step, 0);
}

// ---- Dot Gain curve page

TEST_F(MainWindowCurvesTest, ABlackSequenceDrawsItsCurveThroughFivePoints)
{
    ShowDensitometryPage(DotGainCurvePage);
    EXPECT_EQ(Form->BlinkShape.data(), Widget("DGCBordSh"));
    EXPECT_EQ(Text("DGCurveL1"), "25%");
    EXPECT_EQ(Text("DGCurveL3"), "75%");
    EXPECT_EQ(Text("DGCL1"), "?");
    EXPECT_TRUE(DotGainChart()->CallsOf(TCanvasOp::Ellipse).empty());

    Press("black");
    EXPECT_EQ(Text("DGCL2"), "0%");
    EXPECT_EQ(SwatchColor("ShDGC1"), InkRampColor(TDensityChannel::Black, 0));
    EXPECT_EQ(Widget("DGCBordSh")->pos(), FramePos("ShDGC2", 4));
    Press("black-25");
    Press("black-50");
    EXPECT_TRUE(DotGainChart()->CallsOf(TCanvasOp::Ellipse).empty());  // not complete yet
    Press("black-75");
    EXPECT_EQ(Widget("DGCBordSh")->pos(), FramePos("ShDGC1", 4));
    EXPECT_NE(SwatchColor("ShDGC4"), QColor(0x9A, 0x9A, 0x9A));

    const std::array<int, 5> gains{0, Percent("DGCL2"), Percent("DGCL3"), Percent("DGCL4"), 0};
    ASSERT_NE(gains[2], 0);
    EXPECT_EQ(DotGainCurve().Curves[3].Y, gains);
    const auto chart = DotGainChart();
    const TCurvePlot p = DotGainPlot(chart->Area());
    const auto discs = chart->CallsOf(TCanvasOp::Ellipse);
    ASSERT_EQ(discs.size(), 5u);
    const std::array<int, 5> films{0, 25, 50, 75, 100};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(discs[i].Rect(), (TRect{p.X(films[i]) - 5, p.Y(gains[i]) - 5, p.X(films[i]) + 5, p.Y(gains[i]) + 5}))
            << i;
        EXPECT_EQ(discs[i].BrushColor, Ink(TDensityChannel::Black));
    }
}

TEST_F(MainWindowCurvesTest, CurvesOfTwoInksAndASecondOfTheFirst)
{
    ShowDensitometryPage(DotGainCurvePage);
    PressSequence("cyan");
    PressSequence("magenta");
    auto chart = DotGainChart();
    EXPECT_EQ(Discs(*chart, Ink(TDensityChannel::Cyan)), 5);
    EXPECT_EQ(Discs(*chart, Ink(TDensityChannel::Magenta)), 5);
    const int firstGain = DotGainCurve().Curves[0].Y[1];

    PressSequence("cyan", {30, 50, 75});  // a heavier first tint
    EXPECT_GT(DotGainCurve().Curves[0].Y[1], firstGain);
    chart = DotGainChart();
    EXPECT_EQ(Discs(*chart, Ink(TDensityChannel::Cyan)), 5);
    EXPECT_EQ(Discs(*chart, Ink(TDensityChannel::Magenta)), 5);
}

TEST_F(MainWindowCurvesTest, TheLastTintPressedEarlyAndATintOfAnotherInk)
{
    ShowDensitometryPage(DotGainCurvePage);
    Press("cyan");
    Press("cyan-25");
    Press("magenta-50");  // ignored: frame and values stay
    EXPECT_EQ(Widget("DGCBordSh")->pos(), FramePos("ShDGC3", 4));
    EXPECT_EQ(Text("DGCL3"), "0%");
    PressSwatch("ShDGC4");
    EXPECT_EQ(Form->BlinkShape.data(), Widget("DGCBordSh"));
    Press("cyan-75");
    const TDotGainCurve& cyan = DotGainCurve().Curves[0];
    EXPECT_EQ(cyan.Y[2], 0);
    EXPECT_EQ(cyan.Y[1], Percent("DGCL2"));
    EXPECT_EQ(cyan.Y[3], Percent("DGCL4"));
    // Stored, but with no gain at its middle tint it is not drawn.
    EXPECT_EQ(Discs(*DotGainChart(), Ink(TDensityChannel::Cyan)), 0);
    EXPECT_EQ(Widget("DGCBordSh")->pos(), FramePos("ShDGC1", 4));
}

TEST_F(MainWindowCurvesTest, ASettingChangedDuringASequence)
{
    ShowDensitometryPage(DotGainCurvePage);
    PressSequence("magenta");
    Press("cyan");
    Press("cyan-25");
    Form->V.DGCEd2->setValue(40);
    EXPECT_EQ(Config.DotGainCurve2, 40);
    EXPECT_EQ(Text("DGCurveL2"), "40%");
    EXPECT_EQ(Discs(*DotGainChart(), Ink(TDensityChannel::Magenta)), 0);  // every curve emptied

    Press("cyan-50");
    const float solid = Form->Densito->Shared().SolidDensity[0];
    const float tint = Form->Densito->Shared().TintDensity[0];
    const int gain = int(RoundHalfEven(double(*DotArea(tint, solid, 1.0f)) - 40.0));
    EXPECT_EQ(Text("DGCL3"), QString::number(gain) + "%");
    Press("cyan-75");
    EXPECT_EQ(DotGainCurve().Curves[0].X[2], 50);  // the old position
    EXPECT_EQ(DotGainCurve().Curves[0].Y[2], gain);

    Form->V.DGCEd1->setValue(20);
    Form->V.DGCEd3->setValue(80);
    EXPECT_EQ(Text("DGCurveL1"), "20%");
    EXPECT_EQ(Text("DGCurveL3"), "80%");
    Press("cyan");
    EXPECT_EQ(DotGainCurve().Current.X, (std::array<int, 5>{0, 20, 40, 80, 100}));
}

// Both pages with real curves; the pictures are written when
// KELVORA_SCREENSHOT_DIR names a folder, in English and German.
TEST_F(MainWindowCurvesTest, WindowPictures)
{
    const QString folder = qEnvironmentVariable("KELVORA_SCREENSHOT_DIR");
    Form->FinishStartup();
    Form->TimerS->stop();
    Form->PaperPending = false;
    ShowDensitometryPage(DotGainCurvePage);
    for (const char* ink : {"cyan", "magenta", "yellow", "black"})
        PressSequence(ink);
    Press("black");
    Press("black-25");
    ShowDensitometryPage(PrintCurvePage);
    PressScale("yellow");
    PressScale("cyan");
    Press("cyan");
    for (int tint = 10; tint <= 60; tint += 10)
        Press(("cyan-" + std::to_string(tint)).c_str());
    Form->TimerBL->stop();
    for (int language : {EnglishLanguageId, GermanLanguageId}) {
        ASSERT_TRUE(SwitchLanguage(language));
        QCoreApplication::processEvents();  // the window takes the language change
        for (int index : {PrintCurvePage, DotGainCurvePage}) {
            ShowDensitometryPage(index);
            Form->Densito->BlinkFrame(index)->setHidden(false);
            const QPixmap picture = Form->grab();
            ASSERT_FALSE(picture.isNull());
            QWidget* page = Form->V.DensitometryPages[index];
            for (const QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (child->isWindow())
                    continue;
                EXPECT_TRUE(page->rect().contains(child->geometry())) << index << " "
                                                                      << child->objectName().toStdString();
            }
            if (!folder.isEmpty()) {
                EXPECT_TRUE(picture.save(folder + QStringLiteral("/curves-%1-%2.png").arg(index).arg(language)));
            }
        }
    }
    ASSERT_TRUE(SwitchLanguage(EnglishLanguageId));
    // The colour list as it opens below the selector.
    ShowDensitometryPage(PrintCurvePage);
    PressSwatch("ShCol");
    auto* list = Form->findChild<TColorListPopup*>(QStringLiteral("Ciano1"));
    const QPixmap listPicture = list->grab();
    EXPECT_EQ(listPicture.size(), QSize(66, 204));
    if (!folder.isEmpty()) {
        EXPECT_TRUE(listPicture.save(folder + QStringLiteral("/curves-colour-list.png")));
    }
    list->hide();
    Form->Timer->stop();
}

}  // namespace
