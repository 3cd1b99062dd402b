// The densitometry pages: measurement handlers, swatch and settings
// handlers, and the copy of each page's state into its widgets.
#include "DensitometryPages.h"

#include "CMS/CMS.h"
#include "Data/Config.h"
#include "DensitometryPagesViews.h"
#include "DensityFormat.h"
#include "FilterComboBox.h"
#include "PageWidgets.h"
#include "PaintBox.h"
#include "ReadDensities.h"
#include "main/PageHost.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int FrameMargin = 4;

void SetText(QLabel* label, const QString& text)
{
    if (label && label->text() != text)
        label->setText(text);
}

void SetColor(TSwatch* swatch, const QColor& color)
{
    if (swatch)
        swatch->SetColor(color);
}

}  // namespace

TDensitometryPages::TDensitometryPages(TPageHost& host, const std::array<QWidget*, 11>& pages, QObject* parent)
    : QObject(parent), Host(host), V(std::make_unique<TDensitometryPagesViews>())
{
    setObjectName(QStringLiteral("DensitometryPages"));
    PatchColor = [] { return MeasuredPatchColor(); };

    // Every page gets its widgets, also one the main window did not give, so
    // that the handlers never meet a missing widget.
    std::array<QWidget*, 11> hosts = pages;
    for (QWidget*& page : hosts) {
        if (!page) {
            page = new QWidget;
            page->setParent(nullptr);
            Orphans.push_back(page);
        }
    }
    BuildDensityPage(hosts[DensityPage]);
    BuildAllDensitiesPage(hosts[AllDensitiesPage]);
    BuildDensityDiffPage(hosts[DensityDiffPage]);
    BuildDotGainPage(hosts[DotGainPage]);
    BuildPrintCurvePage(hosts[PrintCurvePage]);
    BuildDotGainCurvePage(hosts[DotGainCurvePage]);
    BuildDotAreaPage(hosts[DotAreaPage]);
    BuildPrintContrastPage(hosts[PrintContrastPage]);
    BuildTrappingPage(hosts[TrappingPage]);
    BuildInkPurityPage(hosts[HueErrorPage], TInkPurityFigure::HueError, V->HueError);
    BuildInkPurityPage(hosts[GraynessPage], TInkPurityFigure::Grayness, V->Grayness);

    Retranslate();
    ApplySettings();
    Reset();
}

TDensitometryPages::~TDensitometryPages()
{
    for (QWidget* page : Orphans)
        delete page;
}

void TDensitometryPages::Reset()
{
    SharedState = TDensitoShared{};
    Density.Reset();
    DensityDiff.Reset();
    DotGain.Reset();
    PrintCurve.Reset();
    DotGainCurve.Reset();
    ListChoice.reset();
    DotArea.Reset();
    PrintContrast.Reset();
    Trapping.Reset();
    HueError.Reset();
    Grayness.Reset();

    V->FilterCB->setCurrentIndex(0);
    Config.FilterChoice = 0;
    V->Marker->move(-100, V->Marker->y());

    ShowDensityPages();
    ShowDensityDiffPage();
    ShowDotGainPage();
    ShowPrintCurvePage();
    ShowDotGainCurvePage();
    ShowDotAreaPage();
    ShowPrintContrastPage();
    ShowTrappingPage();
    ShowInkPurityPage(HueError, V->HueError);
    ShowInkPurityPage(Grayness, V->Grayness);
}

void TDensitometryPages::ApplySettings()
{
    SetDotVisible(1, Config.Dot1Visible);
    SetDotVisible(2, Config.Dot2Visible);
    SetDotVisible(3, Config.Dot3Visible);
    SetText(V->DotGainCaption[0], DotCaption(Config.Dot1));
    SetText(V->DotGainCaption[1], DotCaption(Config.Dot2));
    SetText(V->DotGainCaption[2], DotCaption(Config.Dot3));
    SetText(V->ContrastCaption, DotCaption(Config.DotContrast1));
    for (int tint = 1; tint <= 3; ++tint)
        SetText(V->DotGainCurveCaption[tint - 1], DotCaption(DotGainCurvePercent(tint)));
}

void TDensitometryPages::Retranslate()
{
    for (auto& [label, text] : V->FixedLabels)
        SetText(label, text());
    for (auto& [button, text] : V->FixedButtons)
        button->setText(text());
    V->FilterCB->Retranslate();
    V->PBxPC->update();  // the charts' captions
    V->PBxDG->update();
    SetText(V->Prompt, TrappingPromptText(Trapping.Prompt));
}

std::optional<TDensityMeasurement> TDensitometryPages::Read()
{
    return ReadDensities(Host);
}

void TDensitometryPages::Accepted(const TDensityMeasurement& reading, const std::string& name)
{
    TAcceptedReading accepted;
    accepted.Name = name;
    accepted.Densities = reading.Densities;
    accepted.Channel = ChannelIndex(reading.Channel);
    Host.ReadingAccepted(accepted);
}

namespace {

// Names of the steps in the measurement log (the program's own English
// names, so that logs made in any language read alike).
std::string PercentStep(const char* page, int percent)
{
    return std::string(page) + " " + std::to_string(percent) + "%";
}

const char* const InkSteps[] = {"Cyan", "Magenta", "Yellow"};
const char* const TrappingSteps[] = {"Substrate", "First down", "Second down", "Overprint"};

}  // namespace

TPatchColorSource TDensitometryPages::PatchColorSource() const
{
    return [this] { return PatchColor ? ColorFromPacked(PatchColor()) : SwatchClearGrey; };
}

// Measurement handlers

void TDensitometryPages::MeasureDensityPage()
{
    const auto reading = Read();
    if (!reading)
        return;
    Density.Measure(*reading, Config.FilterChoice);
    ShowDensityPages();
    Accepted(*reading, "Density");
}

void TDensitometryPages::MeasureDensityDiffPage()
{
    const auto reading = Read();
    if (!reading)
        return;
    DensityDiff.ReferenceSide = V->RefButton->isChecked();
    const bool reference = DensityDiff.ReferenceSide;
    DensityDiff.Measure(*reading, PatchColorSource());
    ShowDensityDiffPage();
    Accepted(*reading, reference ? "Densities diff Reference" : "Densities diff Measure");
}

void TDensitometryPages::MeasureDotGainPage()
{
    const auto reading = Read();
    if (!reading)
        return;
    const int step = DotGain.Step;
    if (!DotGain.Measure(*reading, SharedState))
        return;  // another ink than the solid's: ignored
    ShowDotGainPage();
    Accepted(*reading, step == 0 ? std::string("Dot Gain Solid") : PercentStep("Dot Gain", TDotGainModel::NominalDot(step)));
}

void TDensitometryPages::MeasureDotAreaPage()
{
    const auto reading = Read();
    if (!reading)
        return;
    const int step = DotArea.Step;
    DotArea.Measure(*reading, SharedState, PatchColorSource());
    ShowDotAreaPage();
    Accepted(*reading, step == 0 ? std::string("Dot Area Solid") : "Dot Area Tint " + std::to_string(step));
}

void TDensitometryPages::MeasurePrintContrastPage()
{
    const auto reading = Read();
    if (!reading)
        return;
    const int step = PrintContrast.Step;
    PrintContrast.Measure(*reading, SharedState);
    ShowPrintContrastPage();
    Accepted(*reading, step == 0 ? std::string("Print Contrast Solid") : PercentStep("Print Contrast", Config.DotContrast1));
}

void TDensitometryPages::MeasureTrappingPage()
{
    const auto reading = Read();
    if (!reading)
        return;
    const int step = Trapping.Step;
    Trapping.Measure(*reading, PatchColorSource());
    ShowTrappingPage();
    // A down colour the page passed over (black, or the first one's ink) is not logged.
    const bool passedOver = (step == 1 && !Trapping.FirstDown) || (step == 2 && !Trapping.SecondDown);
    if (!passedOver && step >= 0 && step < int(std::size(TrappingSteps)))
        Accepted(*reading, std::string("Trapping ") + TrappingSteps[step]);
}

void TDensitometryPages::MeasureHueErrorPage()
{
    const auto reading = Read();
    if (!reading)
        return;
    const int step = HueError.Step;
    HueError.Measure(*reading, SharedState, PatchColorSource());
    ShowInkPurityPage(HueError, V->HueError);
    if (step >= 0 && step < int(std::size(InkSteps)))
        Accepted(*reading, std::string("Hue error ") + InkSteps[step]);
}

void TDensitometryPages::MeasureGraynessPage()
{
    const auto reading = Read();
    if (!reading)
        return;
    const int step = Grayness.Step;
    Grayness.Measure(*reading, SharedState, PatchColorSource());
    ShowInkPurityPage(Grayness, V->Grayness);
    if (step >= 0 && step < int(std::size(InkSteps)))
        Accepted(*reading, std::string("Grayness ") + InkSteps[step]);
}

QWidget* TDensitometryPages::BlinkFrame(int pgc0Index) const
{
    switch (pgc0Index) {
    case DotGainPage: return V->DotGainFrame;
    case PrintCurvePage: return V->PrintCurveFrame;
    case DotGainCurvePage: return V->DotGainCurveFrame;
    case DotAreaPage: return V->DotAreaFrame;
    case PrintContrastPage: return V->ContrastFrame;
    case TrappingPage: return V->TrapFrame;
    case HueErrorPage: return V->HueError.Frame;
    case GraynessPage: return V->Grayness.Frame;
    default: return nullptr;
    }
}

// Settings handlers

void TDensitometryPages::SetDotVisible(int tint, bool visible)
{
    const int i = tint - 1;
    if (i < 0 || i > 2)
        return;
    V->DotGainPanel[i]->setVisible(visible);
    V->DotGainCaption[i]->setVisible(visible);
    V->DotGainSwatch[tint]->setVisible(visible);
    // The frame never stays around a hidden swatch.
    if (!visible) {
        DotGain.TintHidden(tint);
        PlaceFrame(V->DotGainFrame, V->DotGainSwatch[DotGain.Step]);
    }
}

void TDensitometryPages::DGvCB1Click(bool checked)
{
    Config.Dot1Visible = checked;
    SetDotVisible(1, checked);
}

void TDensitometryPages::DGvCB2Click(bool checked)
{
    Config.Dot2Visible = checked;
    SetDotVisible(2, checked);
}

void TDensitometryPages::DGvCB3Click(bool checked)
{
    Config.Dot3Visible = checked;
    SetDotVisible(3, checked);
}

void TDensitometryPages::SetDotPercent(int tint, const QString& text)
{
    const std::optional<int> value = DotPercentFromText(text);
    if (!value)
        return;
    switch (tint) {
    case 1: Config.Dot1 = *value; break;
    case 2: Config.Dot2 = *value; break;
    case 3: Config.Dot3 = *value; break;
    default: return;
    }
    SetText(V->DotGainCaption[tint - 1], DotCaption(*value));
}

void TDensitometryPages::DGed1Change(const QString& text) { SetDotPercent(1, text); }
void TDensitometryPages::DGed2Change(const QString& text) { SetDotPercent(2, text); }
void TDensitometryPages::DGed3Change(const QString& text) { SetDotPercent(3, text); }

void TDensitometryPages::Ked1Change(const QString& text)
{
    const std::optional<int> value = DotPercentFromText(text);
    if (!value)
        return;
    Config.DotContrast1 = *value;
    SetText(V->ContrastCaption, DotCaption(*value));
}

void TDensitometryPages::FilterCBChange(int index)
{
    Host.FocusDummy();
    Config.FilterChoice = index < 0 || index > DensityChannelCount ? 0 : index;
}

// Swatch handlers

void TDensitometryPages::PlaceFrame(TStepFrame* frame, TSwatch* swatch)
{
    if (frame && swatch)
        frame->Surround(swatch, FrameMargin);
}

void TDensitometryPages::SelectStep(TStepFrame* frame, TSwatch* swatch)
{
    PlaceFrame(frame, swatch);
    // The frame shows at its new place at once; the blink timer goes on from there.
    frame->setVisible(true);
    Host.SetBlinkShape(frame);
}

void TDensitometryPages::ShD1MouseDown(int step)
{
    DotGain.SelectStep(step);
    SelectStep(V->DotGainFrame, V->DotGainSwatch[DotGain.Step]);
}

void TDensitometryPages::ShDA1MouseDown(int step)
{
    DotArea.SelectStep(step);
    SelectStep(V->DotAreaFrame, V->DotAreaSwatch[DotArea.Step]);
}

void TDensitometryPages::ShK1MouseDown(int step)
{
    PrintContrast.SelectStep(step);
    SelectStep(V->ContrastFrame, V->ContrastSwatch[PrintContrast.Step]);
}

void TDensitometryPages::ShTR1MouseDown()
{
    Trapping.RestartAtFirstDown();
    SetText(V->Prompt, TrappingPromptText(Trapping.Prompt));
    SelectStep(V->TrapFrame, V->TrapSwatch[Trapping.Step]);
}

void TDensitometryPages::ShH1MouseDown(int step)
{
    HueError.SelectStep(step);
    SelectStep(V->HueError.Frame, V->HueError.Swatch[HueError.Step]);
}

void TDensitometryPages::ShGR1MouseDown(int step)
{
    Grayness.SelectStep(step);
    SelectStep(V->Grayness.Frame, V->Grayness.Swatch[Grayness.Step]);
}

// Copies of the pages' state into their widgets

void TDensitometryPages::ShowDensityPages()
{
    for (int i = 0; i < TDensityPageModel::Rows; ++i) {
        SetText(V->DensityValue[i], Density.ValueText[i]);
        SetText(V->DensityName[i], Density.NameText[i]);
        SetColor(V->DensitySwatch[i], Density.SwatchColor[i]);
        for (int c = 0; c < DensityChannelCount; ++c)
            SetText(V->AllValue[i][c], Density.AllText[i][c]);
    }
    if (Density.MarkerChannel) {
        const TSwatch* swatch = V->AllSwatch[0][ChannelIndex(*Density.MarkerChannel)];
        V->Marker->move(swatch->x() - 3, swatch->y() - 3);
        V->Marker->raise();
    }
}

void TDensitometryPages::ShowDensityDiffPage()
{
    for (int c = 0; c < DensityChannelCount; ++c) {
        SetText(V->SampleValue[c], DensityDiff.SampleText[c]);
        SetText(V->MeasureValue[c], DensityDiff.MeasureText[c]);
        SetText(V->DiffValue[c], DensityDiff.DiffText[c]);
    }
    SetColor(V->SampleArea, DensityDiff.SampleColor);
    SetColor(V->MeasureArea, DensityDiff.MeasureColor);
    (DensityDiff.ReferenceSide ? V->RefButton : V->ColorButton)->setChecked(true);
}

void TDensitometryPages::ShowDotGainPage()
{
    for (int i = 0; i < TDotGainModel::Swatches; ++i) {
        SetText(V->DotGainValue[i], DotGain.ValueText[i]);
        SetColor(V->DotGainSwatch[i], DotGain.SwatchColor[i]);
    }
    PlaceFrame(V->DotGainFrame, V->DotGainSwatch[DotGain.Step]);
}

void TDensitometryPages::ShowDotAreaPage()
{
    for (int i = 0; i < TDotAreaModel::Swatches; ++i) {
        SetText(V->DotAreaValue[i], DotArea.ValueText[i]);
        SetColor(V->DotAreaSwatch[i], DotArea.SwatchColor[i]);
    }
    PlaceFrame(V->DotAreaFrame, V->DotAreaSwatch[DotArea.Step]);
}

void TDensitometryPages::ShowPrintContrastPage()
{
    for (int i = 0; i < TPrintContrastModel::Swatches; ++i) {
        SetText(V->ContrastValue[i], PrintContrast.ValueText[i]);
        SetColor(V->ContrastSwatch[i], PrintContrast.SwatchColor[i]);
    }
    PlaceFrame(V->ContrastFrame, V->ContrastSwatch[PrintContrast.Step]);
}

void TDensitometryPages::ShowTrappingPage()
{
    SetText(V->SubstrateValue, Trapping.SubstrateText);
    for (int k = 0; k < 2; ++k) {
        SetText(V->DownValue[k], Trapping.DownValueText[k]);
        SetText(V->DownLetter[k], Trapping.DownLetterText[k]);
    }
    SetText(V->TrapValue, Trapping.TrapText);
    SetText(V->Prompt, TrappingPromptText(Trapping.Prompt));
    for (int i = 0; i < TTrappingModel::Swatches; ++i)
        SetColor(V->TrapSwatch[i], Trapping.SwatchColor[i]);
    PlaceFrame(V->TrapFrame, V->TrapSwatch[Trapping.Step]);
}

void TDensitometryPages::ShowInkPurityPage(const TInkPurityModel& model, TInkPurityViews& views)
{
    for (int i = 0; i < TInkPurityModel::Swatches; ++i) {
        SetText(views.Value[i], model.ValueText[i]);
        SetText(views.Letter[i], model.LetterText[i]);
        SetColor(views.Swatch[i], model.SwatchColor[i]);
    }
    PlaceFrame(views.Frame, views.Swatch[model.Step]);
}
