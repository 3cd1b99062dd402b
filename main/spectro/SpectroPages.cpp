// The spectro pages' handlers: the measurement, the figures of the
// Colorimetry and Visual match pages, the chooser handlers, the chart paint
// handlers and the reflectance read-out. The figures come from the
// widget-free models, the charts from Graphs01.
#include "SpectroPages.h"

#include "ColorimetryModel.h"
#include "Config.h"
#include "Eye1lib.h"
#include "EyeOne.h"
#include "Graphs01.h"
#include "PageHost.h"
#include "PaintBox.h"
#include "ReflectanceReadout.h"
#include "SpectroWidgets.h"
#include "TData.h"
#include "TriggerReflectance.h"
#include "VisualMatchModel.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include <iterator>
#include <string>

namespace {

const QColor Blue(0x00, 0x00, 0xFF);
const QColor Red(0xFF, 0x00, 0x00);

QColor ScreenColor(const TScreenColor& c)
{
    return QColor(c.R, c.G, c.B);
}

// The pages' names in the measurement log (English in every language, so
// logs compare), by TPageIndex; the ICC conversion page logs itself.
const char* const LogPageNames[] = {"Colorimetry", "Reflectance", "delta L-a-b", "CieLab", "ICC conversion",
                                    "Visual match"};

// "Colorimetry Sample" for the reference, "Reflectance Measure" for the
// compared patch, as the panels of the Colorimetry page name them.
std::string LogStepName(int page, bool reference)
{
    const char* name = page >= 0 && page < int(std::size(LogPageNames)) ? LogPageNames[page] : "Spectro";
    return std::string(name) + (reference ? " Sample" : " Measure");
}

// A chooser shows a settings index; an index outside its list shows nothing.
void ShowIndex(QComboBox* box, int index)
{
    if (!box)
        return;
    const QSignalBlocker quiet(box);
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

}  // namespace

TSpectroPages::~TSpectroPages() = default;

void TSpectroPages::ConnectControls()
{
    // A choice in a list: the operator's, never the code's own setting.
    if (Choosers.SpColCB)
        connect(Choosers.SpColCB, &QComboBox::activated, this, &TSpectroPages::SpColCBChange);
    if (Choosers.IllCB)
        connect(Choosers.IllCB, &QComboBox::activated, this, &TSpectroPages::IllCBChange);
    if (Choosers.ObsCB)
        connect(Choosers.ObsCB, &QComboBox::activated, this, &TSpectroPages::ObsCBChange);
    connect(MetIllCb, &QComboBox::activated, this, &TSpectroPages::MetIllCbChange);
    connect(VisIllCB[0], &QComboBox::activated, this, &TSpectroPages::VisIllCB1Change);
    connect(VisIllCB[1], &QComboBox::activated, this, &TSpectroPages::VisIllCB2Change);
    connect(VisIllCB[2], &QComboBox::activated, this, &TSpectroPages::VisIllCB3Change);

    PBX1->SetPaintHandler([this](TCanvas& c) { PBX1Paint(c); });
    PBX1->SetMouseMoveHandler([this](Qt::KeyboardModifiers keys, int x, int y) { PBX1MouseMove(keys, x, y); });
    PBXab->SetPaintHandler([this](TCanvas& c) { PBXabPaint(c); });
    PBXdl->SetPaintHandler([this](TCanvas& c) { PBXdlPaint(c); });
    PBCircle->SetPaintHandler([this](TCanvas& c) { PBCirclePaint(c); });
}

void TSpectroPages::InitControls()
{
    ShowIndex(MetIllCb, Config.MetamerismIllIndex);
    ShowIndex(VisIllCB[0], Config.VisualIll1);
    ShowIndex(VisIllCB[1], Config.VisualIll2);
    ShowIndex(VisIllCB[2], Config.VisualIll3);
    Last = nullptr;
    ShowSpaceCaptions();
}

bool TSpectroPages::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ColorimetryPageWidget && event->type() == QEvent::LanguageChange)
        Retranslate();
    return QObject::eventFilter(watched, event);
}

void TSpectroPages::Retranslate()
{
    for (const auto& [label, text] : FixedLabels)
        label->setText(text());
    for (const auto& [button, text] : FixedButtons)
        button->setText(text());
}

// ---------------------------------------------------------------------------
// Measurement

void TSpectroPages::MeasureSpectroPage(int page)
{
    if (!TriggerReflectanceMeasurement(Host))
        return;

    TData* target = Host.MeasureData();
    const bool reference = MeasRefBtn->isChecked();
    if (reference) {
        target = Host.SampleData();
        MeasSamBtn->setChecked(true);  // the next measurement is compared with this one
    }
    float spectrum[EyeOne::SpectrumValues] = {};
    EyeOne::I1_GetSpectrum(spectrum, 0);
    for (int i = 0; i < SpectrumSize; ++i)
        target->Spectrum[std::size_t(i)] = spectrum[i];
    Last = target;

    ShowVisualMatch();
    ShowColorimetry();
    DrawReflectanceChart();
    PBXdl->repaint();
    PBXab->repaint();
    PBCircle->repaint();

    const QColor colour = ScreenColor(SwatchColor(*target, CurrentConditions()));
    (reference ? SHref : ShMeas)->SetColors(colour, colour);

    // A driver answer without a single usable value (the binding makes every
    // non-finite value 0) is no reading of the patch: nothing to log.
    if (SpectrumIsEmpty(target->Spectrum))
        return;
    TAcceptedReading accepted;
    accepted.Name = LogStepName(page, reference);
    accepted.Spectrum = target->Spectrum;
    Host.ReadingAccepted(accepted);  // the host reads the densities itself
}

// ---------------------------------------------------------------------------
// Colorimetry

void TSpectroPages::ShowSpaceCaptions()
{
    const TSpaceCaptions captions = SpaceCaptions(CurColorSpace);
    for (std::size_t i = 0; i < 5; ++i) {
        CoordCaptionRef[i]->setText(captions.Coord[i]);
        CoordCaptionMeas[i]->setText(captions.Coord[i]);
        DeltaCaption[i]->setText(captions.Delta[i]);
    }
    RefValue[3]->setVisible(captions.Coord4Visible);
    MeasValue[3]->setVisible(captions.Coord4Visible);
    RefValue[4]->setVisible(captions.Coord5Visible);
    MeasValue[4]->setVisible(captions.Coord5Visible);
    DeltaValue[3]->setVisible(captions.Delta4Visible);
    DeltaValue[4]->setVisible(captions.Delta5Visible);
    LdE->setText(captions.Total);
    LdE1->setText(captions.Total);
    deL->setVisible(captions.TotalVisible);
    // A settings file may name no colour space of the list: the setting stays.
    if (Choosers.SpColCB && Choosers.SpColCB->currentIndex() >= 0)
        Config.SpaceColor = Choosers.SpColCB->currentIndex();
}

void TSpectroPages::ShowColorimetry()
{
    TData& reference = *Host.SampleData();
    TData& compared = *Host.MeasureData();
    const TColorimetryFigures f = ColorimetryFigures(reference, compared, CurrentConditions(),
                                                     IlluminantAt(Config.MetamerismIllIndex, TIlluminant::A));
    for (std::size_t i = 0; i < 5; ++i) {
        RefValue[i]->setText(f.Reference[i]);
        MeasValue[i]->setText(f.Compared[i]);
        DeltaValue[i]->setText(f.Delta[i]);
    }
    deL->setText(f.Total);
    DeL1->setText(f.Total);
    IML11->setText(f.Metamerism);
    IML1->setText(f.Metamerism);
    const TArrowState arrows = ArrowState(reference, compared);
    RefArrow->SetFilled(arrows.Reference);
    MeasArrow->SetFilled(arrows.Compared);
}

void TSpectroPages::ViewingConditionsChanged()
{
    ShowSpaceCaptions();
    ShowColorimetry();
    if (ConditionsChanged)
        ConditionsChanged();
    // Every other page shows the records under the new conditions too.
    ShowVisualMatch();
    PBX1->update();
    PBXab->update();
    PBXdl->update();
    PBCircle->update();
    Host.FocusDummy();
}

void TSpectroPages::SpColCBChange(int index)
{
    if (index < 0 || index >= ColorSpaceCount)
        return;
    CurColorSpace = static_cast<TColorSpace>(index);
    ViewingConditionsChanged();
}

void TSpectroPages::IllCBChange(int index)
{
    if (index < 0 || index >= IlluminantCount)
        return;
    Config.Illuminant = index;
    CurIlluminant = static_cast<TIlluminant>(index);
    ViewingConditionsChanged();
}

void TSpectroPages::ObsCBChange(int index)
{
    if (index < 0 || index >= ObserverCount)
        return;
    Config.Observer = index;
    CurObserver = static_cast<TObserver>(index);
    ViewingConditionsChanged();
}

void TSpectroPages::MetIllCbChange(int index)
{
    if (index < 0 || index >= IlluminantCount)
        return;
    Config.MetamerismIllIndex = index;
    ShowColorimetry();
    Host.FocusDummy();
}

// ---------------------------------------------------------------------------
// Visual match

void TSpectroPages::ShowVisualMatch()
{
    const auto colours =
        VisualMatchColors(Last, VisualIlluminants(Config.VisualIll1, Config.VisualIll2, Config.VisualIll3),
                          *Host.SampleData(), *Host.MeasureData(), CurrentConditions());
    for (std::size_t k = 0; k < colours.size(); ++k)
        if (colours[k])
            VisSwatch[k]->SetColors(ScreenColor(*colours[k]), ScreenColor(*colours[k]));
}

void TSpectroPages::VisIllChange(int k, int index)
{
    if (index < 0 || index >= IlluminantCount)
        return;
    std::int32_t* settings[3] = {&Config.VisualIll1, &Config.VisualIll2, &Config.VisualIll3};
    *settings[k] = index;
    ShowVisualMatch();
    Host.FocusDummy();
}

void TSpectroPages::VisIllCB1Change(int index) { VisIllChange(0, index); }
void TSpectroPages::VisIllCB2Change(int index) { VisIllChange(1, index); }
void TSpectroPages::VisIllCB3Change(int index) { VisIllChange(2, index); }

// ---------------------------------------------------------------------------
// Charts

void TSpectroPages::DrawReflectanceChart()
{
    PBX1->repaint();
}

void TSpectroPages::PBX1Paint(TCanvas& canvas)
{
    DrawReflectanceGrid(canvas);
    DrawReflectanceCurve(canvas, Host.SampleData()->Spectrum, ChartColor::Blue);
    DrawReflectanceCurve(canvas, Host.MeasureData()->Spectrum, ChartColor::Red);
}

void TSpectroPages::PBXabPaint(TCanvas& canvas)
{
    DrawDeltaABAxes(canvas, Host.SampleData(), Host.MeasureData());
    DrawDeltaABPoint(canvas, Host.MeasureData(), ChartColor::Red);
    DrawToleranceEllipse(Host.SampleData(), Host.MeasureData(), ChartColor::Red, canvas);
}

void TSpectroPages::PBXdlPaint(TCanvas& canvas)
{
    DrawDeltaLAxes(canvas, Host.MeasureData());
    DrawDeltaLArrow(canvas, Host.SampleData(), Host.MeasureData(), ChartColor::Red);
}

void TSpectroPages::PBCirclePaint(TCanvas& canvas)
{
    // Read at every paint, so a picture put beside the program shows at once.
    DrawLabBackground(canvas, LoadCielabPicture(ExeFolder()));
    DrawLabDiagram(canvas);
    DrawLabPoints(canvas, Host.SampleData(), Host.MeasureData());
}

void TSpectroPages::PBX1MouseMove(Qt::KeyboardModifiers keys, int x, int)
{
    const int index = ReflectanceIndexAt(PBX1->DrawingArea(), x);
    const bool compared = keys.testFlag(Qt::ControlModifier);
    const TData& record = compared ? *Host.MeasureData() : *Host.SampleData();
    SetTextColor(LL, compared ? Red : Blue);
    LL->setText(ReflectanceReadout(index, record));
}
