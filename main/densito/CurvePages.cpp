// The Print curve and Dot Gain curve pages: measurement handlers, swatch,
// colour list and settings handlers, their charts, and the copy of the
// pages' state into their widgets.
#include "ColorListPopup.h"
#include "CurveCharts.h"
#include "Data/Config.h"
#include "DensitometryPages.h"
#include "DensitometryPagesViews.h"
#include "PageWidgets.h"
#include "PaintBox.h"
#include "ReadDensities.h"
#include "main/PageHost.h"

#include <QLabel>
#include <QPainter>

namespace {

void SetText(QLabel* label, const QString& text)
{
    if (label && label->text() != text)
        label->setText(text);
}

// The curve colour of an ink: its solid.
TColor InkColor(int ink)
{
    return TColor::Hex(InkRampColor(static_cast<TDensityChannel>(ink), 0).rgb() & 0xFFFFFFu);
}

}  // namespace

// Measurement handlers

void TDensitometryPages::MeasurePrintCurvePage()
{
    const auto reading = Read();
    if (reading) {
        PrintCurve.Measure(*reading, SharedState);
        ListChoice.reset();
        ShowPrintCurvePage();
    }
    // The chart is painted again even when no sample came.
    V->PBxPC->update();
}

void TDensitometryPages::MeasureDotGainCurvePage()
{
    const auto reading = Read();
    if (!reading)
        return;
    if (!DotGainCurve.Measure(*reading, SharedState, PatchColorSource()))
        return;
    ShowDotGainCurvePage();
    if (DotGainCurve.Completed)
        V->PBxDG->update();
}

// Swatches and the idle stepping

void TDensitometryPages::ShPC1MouseDown(int step)
{
    PrintCurve.SelectStep(step);
    V->PrintCurveFrame->Surround(V->PrintCurveSwatch[PrintCurve.Step], PrintCurveFrameMargin);
    V->PrintCurveFrame->setVisible(true);
    Host.SetBlinkShape(V->PrintCurveFrame);
}

void TDensitometryPages::PrintCurveStepDown()
{
    PrintCurve.StepDown();
    V->PrintCurveFrame->Surround(V->PrintCurveSwatch[PrintCurve.Step], PrintCurveFrameMargin);
}

void TDensitometryPages::ShDGC1MouseDown(int step)
{
    DotGainCurve.SelectStep(step);
    V->DotGainCurveFrame->Surround(V->DotGainCurveSwatch[DotGainCurve.Step], DotGainCurveFrameMargin);
    V->DotGainCurveFrame->setVisible(true);
    Host.SetBlinkShape(V->DotGainCurveFrame);
}

// The colour list

void TDensitometryPages::ShColMouseDown()
{
    const QPoint below = V->ShCol->mapToGlobal(QPoint(10, V->ShCol->height()));
    V->ColorList->Open(below);
}

QSize TDensitometryPages::Ciano1MeasureItem(int) const
{
    return QSize(50, 40);
}

void TDensitometryPages::Ciano1AdvancedDrawItem(QPainter& painter, int item, const QRect& rect, bool highlighted)
{
    const QPalette palette = V->ColorList->palette();
    const QColor menu = palette.color(QPalette::Window);
    painter.setPen(menu);
    painter.setBrush(highlighted ? palette.color(QPalette::Highlight) : menu);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    int count = 0;
    const auto swatches = ColorListItemSwatches(item, count);
    for (int i = 0; i < count; ++i) {
        const TColorListSwatch& s = swatches[i];
        painter.setPen(s.Color);
        painter.setBrush(s.Color);
        painter.drawRect(rect.left() + s.Left, rect.top() + s.Top, s.Right - s.Left - 1, s.Bottom - s.Top - 1);
    }
    // While the list is open the selector shows the item drawn last.
    V->ShCol->SetColor(ColorListItemColor(item));
}

void TDensitometryPages::Ciano1Click(int item)
{
    if (item < 0 || item >= TPrintCurveModel::ListItems)
        return;
    Host.FocusDummy();
    PrintCurve.ShowInk(item);
    ListChoice = item;
    ShowPrintCurvePage();
    V->PBxPC->update();
}

// Charts

void TDensitometryPages::PBxPCPaint(TCanvas& canvas)
{
    DrawPrintCurveAxes(canvas);
    auto draw = [&](int ink) { DrawPrintCurve(canvas, PrintCurve.Curves[ink], InkColor(ink)); };
    if (ListChoice) {
        if (*ListChoice == TPrintCurveModel::AllInks) {
            for (int ink = 0; ink < DensityChannelCount; ++ink)
                draw(ink);
        } else {
            draw(*ListChoice);
        }
    } else if (PrintCurve.Channel >= 0 && PrintCurve.Channel < DensityChannelCount) {
        draw(PrintCurve.Channel);
    }
}

void TDensitometryPages::PBxDGPaint(TCanvas& canvas)
{
    DrawDotGainAxes(canvas);
    for (int ink = 0; ink < DensityChannelCount; ++ink)
        DrawDotGainCurve(canvas, DotGainCurve.Curves[ink], InkColor(ink));
}

// Settings

void TDensitometryPages::SetDotGainCurvePercent(int tint, const QString& text)
{
    const std::optional<int> value = DotPercentFromText(text);
    if (!value)
        return;
    switch (tint) {
    case 1: Config.DotGainCurve1 = *value; break;
    case 2: Config.DotGainCurve2 = *value; break;
    case 3: Config.DotGainCurve3 = *value; break;
    default: return;
    }
    SetText(V->DotGainCurveCaption[tint - 1], DotCaption(*value));
    DotGainCurve.ForgetCurves();
    V->PBxDG->update();
}

void TDensitometryPages::DGCEd1Change(const QString& text) { SetDotGainCurvePercent(1, text); }
void TDensitometryPages::DGCEd2Change(const QString& text) { SetDotGainCurvePercent(2, text); }
void TDensitometryPages::DGCEd3Change(const QString& text) { SetDotGainCurvePercent(3, text); }

// Copies of the pages' state into their widgets

void TDensitometryPages::ShowPrintCurvePage()
{
    for (int i = 0; i < TPrintCurveModel::Swatches; ++i) {
        SetText(V->PrintCurveValue[i], PrintCurve.ValueText[i]);
        V->PrintCurveSwatch[i]->SetColor(PrintCurve.SwatchColor[i]);
    }
    V->ShCol->SetColor(PrintCurve.SelectorColor);
    V->PrintCurveFrame->Surround(V->PrintCurveSwatch[PrintCurve.Step], PrintCurveFrameMargin);
}

void TDensitometryPages::ShowDotGainCurvePage()
{
    for (int i = 0; i < TDotGainCurveModel::Swatches; ++i) {
        SetText(V->DotGainCurveValue[i], DotGainCurve.ValueText[i]);
        V->DotGainCurveSwatch[i]->SetColor(DotGainCurve.SwatchColor[i]);
    }
    V->DotGainCurveFrame->Surround(V->DotGainCurveSwatch[DotGainCurve.Step], DotGainCurveFrameMargin);
}
