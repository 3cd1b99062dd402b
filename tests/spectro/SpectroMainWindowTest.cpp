// The spectro pages inside the real main window: presses of the simulated
// instrument's button reach them through the measurement loop, the choosers
// of the spectro settings page recompute everything, and the reflectance
// read-out follows the mouse.
#include "MainFormSupport.h"
#include "SpectroTestSupport.h"

#include "CMS.h"
#include "ColorCalc.h"
#include "ColorimetryModel.h"
#include "Graphs01.h"
#include "ICCPage.h"
#include "PageControl.h"
#include "PaintBox.h"
#include "RecordingCanvas.h"
#include "SpectroFormat.h"
#include "SpectroPages.h"
#include "SpectroWidgets.h"
#include "VisualMatchModel.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

using TAct = TOperator::TAct;
const QColor Grey(0x80, 0x80, 0x80);
constexpr int SpectroTab = 1;

class SpectroMainWindow : public CLocaleMainWindow {
protected:
    // A start with the instrument there: absolute density reference (no paper
    // asked for), `lines` more settings, calibration pressed through.
    void Start(const QByteArray& lines = {}, bool withSettingsFile = true)
    {
        Config = ConfigType{};
        if (withSettingsFile)
            WriteSettings("Density reference=0\n" + lines);
        Operator.Calibration.push_back(TAct::Press);
        Operator.Paper.push_back(TAct::Esc);
        Create();
        Startup();
        ASSERT_TRUE(Form->Timer->isActive());
        ASSERT_EQ(Operator.Stuck, 0);
        ShowPage(TSpectroPages::ColorimetryPage);
    }

    TSpectroPages& Pages() { return *Form->Spectro; }

    void ShowPage(int index)
    {
        Form->V.PGC1->SetCurrentIndex(SpectroTab);
        Form->V.PGC2->SetCurrentIndex(index);
    }

    // The patch under the instrument, one press, one turn of the loop.
    void Measure(const std::string& patch, const char* handler = "MeasureSpectroPage")
    {
        ASSERT_TRUE(Sim.PlacePatch(patch)) << patch;
        Handlers.clear();
        PressAndTurn();
        EXPECT_EQ(Handlers, std::vector<std::string>{handler}) << patch;
    }

    // The operator picks item `index` of a chooser.
    static void Choose(QComboBox* box, int index)
    {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    std::array<QString, 5> Texts(const std::array<QLabel*, 5>& labels)
    {
        std::array<QString, 5> texts;
        for (std::size_t i = 0; i < 5; ++i)
            texts[i] = labels[i]->text();
        return texts;
    }

    // What the page should show for two patches under the current conditions.
    TColorimetryFigures Expected(const std::string& reference, const std::string& compared)
    {
        TData r(reference.empty() ? EmptySpectrum : PatchSpectrum(reference));
        TData c(compared.empty() ? EmptySpectrum : PatchSpectrum(compared));
        return ColorimetryFigures(r, c, CurrentConditions(), IlluminantAt(Config.MetamerismIllIndex, TIlluminant::A));
    }

    QColor ScreenOf(const std::string& patch, TIlluminant illuminant)
    {
        TData record(PatchSpectrum(patch));
        CalcColorValues(record, TColorSpace::CIELAB, illuminant, CurObserver);
        const TScreenColor c = LabToScreen(record.Coord[0], record.Coord[1], record.Coord[2]);
        return QColor(c.R, c.G, c.B);
    }

    void MoveMouse(int x, Qt::KeyboardModifiers keys)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, 100), QPointF(x, 100), Qt::NoButton, Qt::NoButton, keys);
        QApplication::sendEvent(Pages().PBX1, &move);
    }

};

}  // namespace

TEST_F(SpectroMainWindow, TheFirstMeasurementBecomesTheReferenceAndTheNextIsCompared)
{
    Start();
    TSpectroPages& p = Pages();
    EXPECT_EQ(Form->findChild<QPushButton*>("MeasRefBtn"), p.MeasRefBtn);
    EXPECT_TRUE(Form->V.SpectroPages[0]->isAncestorOf(p.SHref));
    EXPECT_TRUE(p.MeasRefBtn->isChecked());
    EXPECT_FALSE(p.MeasSamBtn->isChecked());
    EXPECT_EQ(p.MeasRefBtn->text(), "Sample measurement");
    EXPECT_EQ(p.MeasSamBtn->text(), "Color measurement");
    EXPECT_EQ(p.SHref->Fill(), Grey);
    EXPECT_EQ(p.SHref->Outline(), QColor(0xEE, 0xEE, 0xEE));
    EXPECT_EQ(p.LastMeasured(), nullptr);

    Measure("cyan");
    EXPECT_TRUE(p.MeasSamBtn->isChecked());
    EXPECT_FALSE(p.MeasRefBtn->isChecked());
    EXPECT_EQ(Form->SampleData()->Spectrum, PatchSpectrum("cyan"));
    EXPECT_EQ(p.LastMeasured(), Form->SampleData());
    const QColor cyan = ScreenOf("cyan", TIlluminant::D50);
    EXPECT_EQ(p.SHref->Fill(), cyan);
    EXPECT_EQ(p.SHref->Outline(), cyan);
    EXPECT_EQ(p.ShMeas->Fill(), Grey);
    const TColorimetryFigures first = Expected("cyan", "");
    EXPECT_EQ(Texts(p.RefValue), first.Reference);
    for (QLabel* label : p.MeasValue)
        EXPECT_EQ(label->text(), "0.00");
    for (QLabel* label : p.DeltaValue)
        EXPECT_EQ(label->text(), "0.00");
    EXPECT_EQ(p.deL->text(), "0.00");
    EXPECT_EQ(p.IML11->text(), "0.00");
    EXPECT_TRUE(p.RefArrow->Filled());
    EXPECT_FALSE(p.MeasArrow->Filled());

    Measure("magenta-50");
    EXPECT_TRUE(p.MeasSamBtn->isChecked());
    EXPECT_EQ(Form->SampleData()->Spectrum, PatchSpectrum("cyan"));
    EXPECT_EQ(Form->MeasureData()->Spectrum, PatchSpectrum("magenta-50"));
    EXPECT_EQ(p.LastMeasured(), Form->MeasureData());
    EXPECT_EQ(p.SHref->Fill(), cyan);
    EXPECT_EQ(p.ShMeas->Fill(), ScreenOf("magenta-50", TIlluminant::D50));
    const TColorimetryFigures pair = Expected("cyan", "magenta-50");
    EXPECT_EQ(Texts(p.RefValue), pair.Reference);
    EXPECT_EQ(Texts(p.MeasValue), pair.Compared);
    EXPECT_EQ(Texts(p.DeltaValue), pair.Delta);
    EXPECT_EQ(p.deL->text(), pair.Total);
    EXPECT_EQ(p.DeL1->text(), pair.Total);
    EXPECT_EQ(p.IML11->text(), pair.Metamerism);
    EXPECT_EQ(p.IML1->text(), pair.Metamerism);
    EXPECT_NE(p.deL->text(), "0.00");
    EXPECT_TRUE(p.MeasArrow->Filled());

    // The operator presses MeasRefBtn again: the next press replaces the reference.
    p.MeasRefBtn->click();
    EXPECT_FALSE(p.MeasSamBtn->isChecked());
    Measure("red");
    EXPECT_EQ(Form->SampleData()->Spectrum, PatchSpectrum("red"));
    EXPECT_EQ(Form->MeasureData()->Spectrum, PatchSpectrum("magenta-50"));
    EXPECT_TRUE(p.MeasSamBtn->isChecked());
}

TEST_F(SpectroMainWindow, EveryPageButIccConversionMeasuresIntoTheRecords)
{
    Start();
    Measure("paper");  // the reference
    for (int page : {TSpectroPages::ReflectancePage, TSpectroPages::DeltaLabPage, TSpectroPages::CieLabPage,
                     TSpectroPages::VisualMatchPage}) {
        ShowPage(page);
        Measure("yellow");
        EXPECT_EQ(Form->MeasureData()->Spectrum, PatchSpectrum("yellow")) << page;
    }
    ShowPage(TSpectroPages::ICCPage);
    Measure("black", "MeasureICCPage");
    EXPECT_EQ(Form->MeasureData()->Spectrum, PatchSpectrum("yellow"));
}

TEST_F(SpectroMainWindow, AnUnpluggedInstrumentOrACalibrationRequestMeasuresNothing)
{
    Start();
    Sim.Unplug();
    Pages().MeasureSpectroPage(TSpectroPages::ColorimetryPage);
    EXPECT_TRUE(SpectrumIsEmpty(Form->SampleData()->Spectrum));
    EXPECT_TRUE(Pages().MeasRefBtn->isChecked());
    Sim.Plug();
    Sim.SetNextTriggerResult(3);
    Measure("cyan");
    EXPECT_TRUE(SpectrumIsEmpty(Form->SampleData()->Spectrum));
    EXPECT_TRUE(Pages().MeasRefBtn->isChecked());
    EXPECT_TRUE(Form->TimerS->isActive());
}

TEST_F(SpectroMainWindow, ColourSpacesChangeCaptionsRowsAndDecimals)
{
    Start();
    Measure("cyan");
    Measure("blue");
    TSpectroPages& p = Pages();
    const struct {
        int Index;
        const char* Coord1;
        const char* Coord4;
        const char* Delta1;
        const char* Total;
        bool FourAndFiveShown;
        int FirstDecimals;
    } cases[] = {
        {0, "L* :", "C* :", "dL* :", "dE* :", true, 2},        {1, "L :", "C :", "dL :", "dE94 :", true, 2},
        {3, "L :", "C :", "dL :", "dE (2:1) :", true, 2},      {5, "X :", "", "dX :", "dE :", false, 2},
        {6, "x :", "", "dx :", "dE :", false, 4},              {7, "Lmg :", "Cmg :", "dL :", "dEmg :", true, 2},
        {8, "L* :", "C* :", "dL* :", "dE00 :", true, 2},
    };
    for (const auto& c : cases) {
        Choose(Form->V.SpColCB, c.Index);
        EXPECT_EQ(CurColorSpace, TColorSpace(c.Index));
        EXPECT_EQ(Config.SpaceColor, c.Index);
        for (const auto* captions : {&p.CoordCaptionRef, &p.CoordCaptionMeas}) {
            EXPECT_EQ((*captions)[0]->text(), c.Coord1) << c.Index;
            EXPECT_EQ((*captions)[3]->text(), c.Coord4) << c.Index;
        }
        EXPECT_EQ(p.DeltaCaption[0]->text(), c.Delta1) << c.Index;
        EXPECT_EQ(p.LdE->text(), c.Total) << c.Index;
        EXPECT_EQ(p.LdE1->text(), c.Total) << c.Index;
        for (std::size_t row : {3u, 4u}) {
            EXPECT_EQ(!p.RefValue[row]->isHidden(), c.FourAndFiveShown) << c.Index;
            EXPECT_EQ(!p.MeasValue[row]->isHidden(), c.FourAndFiveShown) << c.Index;
            EXPECT_EQ(!p.DeltaValue[row]->isHidden(), c.FourAndFiveShown) << c.Index;
        }
        const qsizetype point = p.RefValue[0]->text().indexOf('.');
        EXPECT_EQ(p.RefValue[0]->text().size() - point - 1, c.FirstDecimals) << c.Index;
        EXPECT_EQ(p.RefValue[2]->text().size() - p.RefValue[2]->text().indexOf('.') - 1, 2) << c.Index;
        const TColorimetryFigures f = Expected("cyan", "blue");
        EXPECT_EQ(Texts(p.RefValue), f.Reference) << c.Index;
        EXPECT_EQ(Texts(p.DeltaValue), f.Delta) << c.Index;
        EXPECT_EQ(p.deL->text(), f.Total) << c.Index;
        if (c.Index == 1) {
            EXPECT_FALSE(p.DeltaValue[4]->text().startsWith('-'));
        }
    }
    // xyY: the differences of x and y with four decimals, ΔE*ab as total.
    Choose(Form->V.SpColCB, 6);
    EXPECT_EQ(p.DeltaValue[0]->text().size() - p.DeltaValue[0]->text().indexOf('.') - 1, 4);
    TData r(PatchSpectrum("cyan")), c(PatchSpectrum("blue"));
    EXPECT_EQ(p.deL->text(), SpectroFormat(CalcDeltaE(r, c, TColorSpace::CIELAB, CurIlluminant, CurObserver)));
}

#ifdef KV_SPEC2CIE_EXE
// The calculator's CSV answer for two spectra under CIEDE2000, the first as
// reference: column name (and "#<position>") → value of the compared
// (second) sample.
std::map<std::string, double> CalculatorCiede2000(const QString& folder, const TSpectrum& reference,
                                                  const TSpectrum& compared)
{
    const QString input = folder + "/pair.csv", output = folder + "/pair-out.csv";
    {
        QFile f(input);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        for (const TSpectrum* s : {&reference, &compared}) {
            QByteArray row = s == &reference ? "reference" : "compared";
            for (double v : *s)
                row += "," + QByteArray::number(v, 'g', 17);
            f.write(row + "\n");
        }
    }
    const std::string command = std::string("'") + KV_SPEC2CIE_EXE + "' --space CIEDE2000 --scale factor --format csv '"
        + input.toStdString() + "' > '" + output.toStdString() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    QFile f(output);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().trimmed().split('\n');
    std::map<std::string, double> values;
    if (lines.size() != 3)
        return values;
    const QList<QByteArray> names = lines[0].split(','), cells = lines[2].split(',');
    for (qsizetype i = 0; i < names.size() && i < cells.size(); ++i) {
        values[names[i].toStdString()] = cells[i].toDouble();
        values["#" + std::to_string(i)] = cells[i].toDouble();  // by position too
    }
    return values;
}

// CIEDE2000 chosen on the spectro settings page: the Colorimetry and
// Reflectance pages show ΔE00 of the measured pair, the same as the
// calculator's, beside the CIELAB differences; the delta a/b chart draws the
// tolerance circle; status panel 2 and the settings file name the space.
TEST_F(SpectroMainWindow, Ciede2000ShowsDeltaE00AsTheCalculatorGivesIt)
{
    Start();
    ASSERT_EQ(Form->V.SpColCB->count(), ColorSpaceCount);
    EXPECT_EQ(Form->V.SpColCB->itemText(8), "CIEDE2000");
    Measure("green");
    Measure("cyan");
    TSpectroPages& p = Pages();
    const QString cielabTotal = p.deL->text();

    Choose(Form->V.SpColCB, 8);
    EXPECT_EQ(CurColorSpace, TColorSpace::CIEDE2000);
    EXPECT_EQ(Panel(2), QString::fromUtf8("CIEDE2000\\D50\\2°"));
    EXPECT_EQ(p.LdE->text(), "dE00 :");
    EXPECT_EQ(p.LdE1->text(), "dE00 :");
    EXPECT_EQ(p.DeltaCaption[0]->text(), "dL* :");
    EXPECT_EQ(p.CoordCaptionRef[4]->text(), QString::fromUtf8("h° :"));

    const auto calculator = CalculatorCiede2000(Folder.path(), PatchSpectrum("green"), PatchSpectrum("cyan"));
    ASSERT_EQ(calculator.count("dE00"), 1u);
    const char* const differences[5] = {"dL*", "da*", "db*", "dC*", "dh*"};
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(p.DeltaValue[i]->text(), SpectroFormat(calculator.at(differences[i]))) << differences[i];
    EXPECT_EQ(p.deL->text(), SpectroFormat(calculator.at("dE00")));
    EXPECT_EQ(p.DeL1->text(), p.deL->text());  // the Reflectance page's figure
    EXPECT_NE(p.deL->text(), cielabTotal);
    // The coordinates are CIELAB's (the calculator's columns 9 .. 13).
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(p.MeasValue[i]->text(), SpectroFormat(calculator.at("#" + std::to_string(8 + i)))) << i;

    // A measurement on the Reflectance page keeps ΔE00 there.
    ShowPage(TSpectroPages::ReflectancePage);
    Measure("blue");
    EXPECT_EQ(p.LdE1->text(), "dE00 :");
    EXPECT_EQ(p.DeL1->text(), Expected("green", "blue").Total);
    EXPECT_EQ(p.DeL1->text(), p.deL->text());

    // The delta a/b chart: the circle of radius 1 (in Δa*, Δb*), as for every
    // space but the two CMC ones.
    TRecordingCanvas ab(p.PBXab->DrawingArea());
    p.PBXabPaint(ab);
    const TDeltaABGeometry g = DeltaABGeometry(p.PBXab->DrawingArea());
    const double k = double(g.H) / DeltaABSpan(Form->MeasureData());
    int segments = 0;
    for (const TCanvasCall& line : ab.CallsOf(TCanvasOp::Line))
        if (line.PenColor == ChartColor::Red) {
            ++segments;
            EXPECT_NEAR(std::hypot(line.To().X - g.CX, line.To().Y - g.CY), k, 0.75);
        }
    EXPECT_EQ(segments, 32);

    Form.reset();
    EXPECT_TRUE(ReadSettings().contains("Space Color=8"));
}
#endif

TEST_F(SpectroMainWindow, IlluminantAndObserverRecomputeEverythingAndTheStatusBar)
{
    Start();
    EXPECT_EQ(Panel(2), "Calibrated");
    Measure("green");
    Measure("cyan-50");
    TSpectroPages& p = Pages();
    const QString before = p.RefValue[0]->text() + p.DeltaValue[1]->text();

    Choose(Form->V.IllCB, 3);
    EXPECT_EQ(CurIlluminant, TIlluminant::D65);
    EXPECT_EQ(Config.Illuminant, 3);
    EXPECT_EQ(Panel(2), QString::fromUtf8("CIELAB\\D65\\2°"));
    Choose(Form->V.ObsCB, 1);
    EXPECT_EQ(CurObserver, TObserver::Obs10);
    EXPECT_EQ(Config.Observer, 1);
    EXPECT_EQ(Panel(2), QString::fromUtf8("CIELAB\\D65\\10°"));

    const TColorimetryFigures f = Expected("green", "cyan-50");
    EXPECT_EQ(Texts(p.RefValue), f.Reference);
    EXPECT_EQ(Texts(p.MeasValue), f.Compared);
    EXPECT_EQ(Texts(p.DeltaValue), f.Delta);
    EXPECT_EQ(p.deL->text(), f.Total);
    EXPECT_NE(p.RefValue[0]->text() + p.DeltaValue[1]->text(), before);
    EXPECT_EQ(QApplication::focusWidget() == nullptr || QApplication::focusWidget() == Form->V.Dummy, true);

    Choose(Form->V.SpColCB, 4);
    EXPECT_EQ(Panel(2), QString::fromUtf8("CIELuv\\D65\\10°"));

    // The choices last until the next start.
    Form.reset();
    EXPECT_TRUE(ReadSettings().contains("Illuminant=3"));
    EXPECT_TRUE(ReadSettings().contains("Observer=1"));
    EXPECT_TRUE(ReadSettings().contains("Space Color=4"));
}

TEST_F(SpectroMainWindow, MetamerismIndexOfOnePatchTwice)
{
    Start();
    Measure("red");
    Measure("red");
    TSpectroPages& p = Pages();
    for (int ill = 0; ill < IlluminantCount; ++ill) {
        Choose(p.MetIllCb, ill);
        EXPECT_EQ(Config.MetamerismIllIndex, ill);
        EXPECT_EQ(p.IML11->text(), "0.00") << ill;
        EXPECT_EQ(p.IML1->text(), "0.00") << ill;
    }
    Choose(p.MetIllCb, 2);
    EXPECT_EQ(MetamerismIndex(*Form->SampleData(), *Form->MeasureData(), TIlluminant::D50, TObserver::Obs2,
                              TIlluminant::D50, TObserver::Obs2),
              0.0);
    // A different patch gets an index under A, none under D50.
    Measure("magenta");
    Choose(p.MetIllCb, 0);
    EXPECT_EQ(p.IML11->text(), Expected("red", "magenta").Metamerism);
    EXPECT_NE(p.IML11->text(), "0.00");
    Choose(p.MetIllCb, 2);
    EXPECT_EQ(p.IML11->text(), "0.00");
}

TEST_F(SpectroMainWindow, DefaultsWithoutASettingsFile)
{
    Start({}, false);
    TSpectroPages& p = Pages();
    EXPECT_EQ(Form->V.SpColCB->currentText(), "CIELAB");
    EXPECT_EQ(Form->V.IllCB->currentText(), "D50");
    EXPECT_EQ(Form->V.ObsCB->currentText(), QString::fromUtf8("2°"));
    EXPECT_EQ(p.MetIllCb->currentText(), "A");
    EXPECT_EQ(p.VisIllCB[0]->currentText(), "A");
    EXPECT_EQ(p.VisIllCB[1]->currentText(), "D50");
    EXPECT_EQ(p.VisIllCB[2]->currentText(), "F11");
    EXPECT_EQ(p.MetIllCb->count(), 5);
    EXPECT_EQ(QString::fromStdString(ConditionsText()), QString::fromUtf8("CIELAB\\D50\\2°"));
    EXPECT_EQ(p.CoordCaptionRef[0]->text(), "L* :");
    EXPECT_EQ(p.LdE->text(), "dE* :");
}

TEST_F(SpectroMainWindow, SettingsOutsideTheListsKeepTheDefaults)
{
    Start("Metamerism Ill index=9\nVisualIll1=-3\nVisualIll2=3\nVisualIll3=77\nSpace Color=12\n");
    TSpectroPages& p = Pages();
    EXPECT_EQ(p.MetIllCb->currentIndex(), -1);
    EXPECT_EQ(p.VisIllCB[1]->currentText(), "D65");
    EXPECT_EQ(p.CoordCaptionRef[0]->text(), "L* :");
    ShowPage(TSpectroPages::VisualMatchPage);
    Measure("green");
    EXPECT_EQ(p.VisSwatch[0]->Fill(), ScreenOf("green", TIlluminant::A));
    EXPECT_EQ(p.VisSwatch[1]->Fill(), ScreenOf("green", TIlluminant::D65));
    EXPECT_EQ(p.VisSwatch[2]->Fill(), ScreenOf("green", TIlluminant::F11));
    Measure("green");
    EXPECT_EQ(p.IML11->text(), "0.00");
    Form.reset();
    EXPECT_TRUE(ReadSettings().contains("Space Color=12"));
    EXPECT_TRUE(ReadSettings().contains("Metamerism Ill index=9"));
}

TEST_F(SpectroMainWindow, VisualMatchShowsTheLastMeasuredRecord)
{
    Start();
    TSpectroPages& p = Pages();
    ShowPage(TSpectroPages::VisualMatchPage);
    // Before any measurement a choice is stored and the swatches stay grey.
    Choose(p.VisIllCB[0], 3);
    EXPECT_EQ(Config.VisualIll1, 3);
    for (TColorSwatch* swatch : p.VisSwatch)
        EXPECT_EQ(swatch->Fill(), Grey);

    Measure("red");  // the reference
    const TIlluminant chosen[3] = {TIlluminant::D65, TIlluminant::D50, TIlluminant::F11};
    for (std::size_t k = 0; k < 3; ++k)
        EXPECT_EQ(p.VisSwatch[k]->Fill(), ScreenOf("red", chosen[k])) << k;
    EXPECT_NE(p.VisSwatch[0]->Fill(), p.VisSwatch[2]->Fill());

    Measure("blue");  // the compared patch
    for (std::size_t k = 0; k < 3; ++k)
        EXPECT_EQ(p.VisSwatch[k]->Fill(), ScreenOf("blue", chosen[k])) << k;

    // The same illuminant three times: three equal swatches.
    Choose(p.VisIllCB[0], 4);
    Choose(p.VisIllCB[1], 4);
    EXPECT_EQ(p.VisSwatch[0]->Fill(), p.VisSwatch[1]->Fill());
    EXPECT_EQ(p.VisSwatch[1]->Fill(), p.VisSwatch[2]->Fill());
    EXPECT_EQ(Config.VisualIll2, 4);

    // A measurement on the ICC conversion page leaves the page alone.
    const QColor shown = p.VisSwatch[0]->Fill();
    ShowPage(TSpectroPages::ICCPage);
    Measure("yellow", "MeasureICCPage");
    EXPECT_EQ(p.LastMeasured(), Form->MeasureData());
    Choose(p.VisIllCB[2], 4);
    EXPECT_EQ(p.VisSwatch[0]->Fill(), shown);
    EXPECT_EQ(p.VisSwatch[2]->Fill(), ScreenOf("blue", TIlluminant::F11));
}

TEST_F(SpectroMainWindow, ReflectanceReadoutFollowsTheMouseAndCtrl)
{
    Start();
    ShowPage(TSpectroPages::ReflectancePage);
    TSimControl::TSpectrum reference{}, compared{};
    reference.fill(0.2f);
    compared.fill(0.6f);
    reference[19] = 0.4523f;
    reference[7] = 0.125f;
    compared[7] = 0.875f;
    Sim.PlaceSpectrum(reference);
    Handlers.clear();
    PressAndTurn();
    Sim.PlaceSpectrum(compared);
    PressAndTurn();
    EXPECT_EQ(Handlers, (std::vector<std::string>{"MeasureSpectroPage", "MeasureSpectroPage"}));

    TSpectroPages& p = Pages();
    ASSERT_EQ(p.PBX1->DrawingArea().Width, 573);
    EXPECT_EQ(p.PBX1->cursor().shape(), Qt::CrossCursor);
    const double xs = (536.0 - 43.0) / 30.0;
    const struct {
        int X;
        Qt::KeyboardModifiers Keys;
        const char* Text;
        QColor Colour;
    } cases[] = {
        {Rnd(40 + 17 * xs), Qt::NoModifier, "570nm.= 45.23%", QColor(0, 0, 255)},
        {Rnd(40 + 5 * xs), Qt::NoModifier, "450nm.= 12.50%", QColor(0, 0, 255)},
        {Rnd(40 + 5 * xs), Qt::ControlModifier, "450nm.= 87.50%", QColor(255, 0, 0)},
        {Rnd(40 + 5 * xs), Qt::ShiftModifier, "450nm.= 12.50%", QColor(0, 0, 255)},
        {Rnd(40 + 5 * xs), Qt::ControlModifier | Qt::AltModifier, "450nm.= 87.50%", QColor(255, 0, 0)},
        {0, Qt::NoModifier, "380nm.= 20.00%", QColor(0, 0, 255)},
    };
    for (const auto& c : cases) {
        MoveMouse(c.X, c.Keys);
        EXPECT_EQ(p.LL->text(), c.Text) << c.X;
        EXPECT_EQ(p.LL->palette().color(QPalette::WindowText), c.Colour) << c.X;
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    MoveMouse(Rnd(40 + 17 * xs), Qt::NoModifier);
    EXPECT_EQ(p.LL->text(), "570nm.= 45,23%");
}

TEST_F(SpectroMainWindow, ChartsDrawTheRecordsOnTheirAreas)
{
    Start();
    TSpectroPages& p = Pages();
    EXPECT_EQ(p.PBXab->DrawingArea().Width, 340);
    EXPECT_EQ(p.PBXdl->DrawingArea().Width, 103);
    EXPECT_EQ(p.PBCircle->DrawingArea().Width, 348);
    EXPECT_EQ(p.PBXab->geometry(), QRect(182, 11, 340, 340));
    EXPECT_EQ(p.PBXdl->geometry(), QRect(66, 11, 103, 340));
    EXPECT_EQ(p.PBCircle->geometry(), QRect(1, 1, 348, 348));
    EXPECT_EQ(p.PBX1->geometry(), QRect(3, 3, 573, 331));

    Measure("magenta");
    Measure("red");
    // Through the recording canvas: the paint handlers draw the records.
    TRecordingCanvas ab(p.PBXab->DrawingArea());
    p.PBXabPaint(ab);
    TData r(PatchSpectrum("magenta")), m(PatchSpectrum("red"));
    CalcDeltaE(r, m, TColorSpace::CIELAB, CurIlluminant, CurObserver);
    const double k = 278.0 / DeltaABSpan(&m);
    bool marker = false;
    for (const TCanvasCall& call : ab.CallsOf(TCanvasOp::Rectangle))
        if (call.BrushColor == ChartColor::Red)
            marker = call.Args[0] == 170 + Rnd(k * m.DeltaA) - 4 && call.Args[1] == 170 - Rnd(k * m.DeltaB) - 4;
    EXPECT_TRUE(marker);

    // The background picture is read at every paint: without it the
    // diagram is drawn on white; put beside the program, it shows.
    TRecordingCanvas bare(p.PBCircle->DrawingArea());
    p.PBCirclePaint(bare);
    EXPECT_EQ(bare.CallsOf(TCanvasOp::Draw).size(), 0u);
    EXPECT_FALSE(bare.CallsOf(TCanvasOp::Line).empty());
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + "/Cielab.bmp", Folder.path() + "/Cielab.bmp"));
    TRecordingCanvas circle(p.PBCircle->DrawingArea());
    p.PBCirclePaint(circle);
    ASSERT_EQ(circle.CallsOf(TCanvasOp::Draw).size(), 1u);
    EXPECT_EQ(circle.CallsOf(TCanvasOp::Draw)[0].Args, (std::vector<int>{20, 20, 308, 308}));

    // The widgets paint: the reflectance chart shows its blue and red curves.
    const QImage reflectance = p.PBX1->Render();
    EXPECT_EQ(reflectance.size(), QSize(573, 331));
    bool blue = false, red = false;
    for (int y = 13; y < 274; ++y)
        for (int x = 45; x < 536; ++x) {
            blue = blue || reflectance.pixelColor(x, y) == QColor(0, 0, 255);
            red = red || reflectance.pixelColor(x, y) == QColor(255, 0, 0);
        }
    EXPECT_TRUE(blue);
    EXPECT_TRUE(red);
}

TEST_F(SpectroMainWindow, TextsFollowTheLanguage)
{
    Start();
    TSpectroPages& p = Pages();
    EXPECT_EQ(Form->findChild<QLabel*>("PanelCTitleL")->text(), "Sample");
    EXPECT_EQ(Form->findChild<QLabel*>("PanelDTitleL")->text(), "Differences");
    EXPECT_EQ(Form->findChild<QLabel*>("Label11")->text(), "I.M.:");
    EXPECT_EQ(Form->findChild<QLabel*>("CtrlHintL")->text(), "(press ctrl for Measure)");
    EXPECT_EQ(Form->findChild<QLabel*>("IlluminantsTitleL")->text(), "Illuminants");
    EXPECT_EQ(p.MeasRefBtn->text(), "Sample measurement");
}

// A broken driver's spectra (huge, negative, NaN made 0 by the binding):
// the pages show texts and draw their charts without failing.
TEST_F(SpectroMainWindow, AbsurdSpectraAreShownAndDrawn)
{
    Start();
    TSpectroPages& p = Pages();
    TSimControl::TSpectrum huge{}, negative{};
    huge.fill(1e30f);
    negative.fill(-0.5f);
    for (const TSimControl::TSpectrum& s : {huge, negative, huge}) {
        Sim.PlaceSpectrum(s);
        Handlers.clear();
        PressAndTurn();
        EXPECT_EQ(Handlers, std::vector<std::string>{"MeasureSpectroPage"});
        for (TPaintBox* box : {p.PBX1, p.PBXab, p.PBXdl, p.PBCircle})
            EXPECT_FALSE(box->Render().isNull()) << box->objectName().toStdString();
        for (QLabel* label : p.MeasValue)
            EXPECT_FALSE(label->text().isEmpty());
        MoveMouse(300, Qt::ControlModifier);
        EXPECT_TRUE(p.LL->text().startsWith("5")) << p.LL->text().toStdString();
    }
    Sim.SetBadAnswer(I1SimBadNaNSpectrum);
    PressAndTurn();
    EXPECT_TRUE(SpectrumIsEmpty(Form->MeasureData()->Spectrum));
    EXPECT_EQ(p.MeasValue[0]->text(), "0.00");
}

// --trace prints the named labels of the window whose text a handler changed:
// a spectro measurement changes the page's figures under their names.
TEST_F(SpectroMainWindow, AMeasurementChangesNamedLabelsForTheTrace)
{
    Start();
    const auto namedTexts = [this] {
        std::map<QString, QString> texts;
        for (const QLabel* label : Form->findChildren<QLabel*>())
            if (!label->objectName().isEmpty())
                texts[label->objectName()] = label->text();
        return texts;
    };
    Measure("cyan");
    const std::map<QString, QString> before = namedTexts();
    Measure("magenta");
    std::vector<std::string> changed;
    for (const auto& [name, text] : namedTexts())
        if (before.at(name) != text)
            changed.push_back(name.toStdString());
    for (const char* name : {"LM01", "LM02", "LM03", "LD01", "LD05", "deL", "DeL1", "IML11", "IML1"})
        EXPECT_NE(std::find(changed.begin(), changed.end(), name), changed.end()) << name;
    EXPECT_EQ(std::find(changed.begin(), changed.end(), "LC01"), changed.end());
}
