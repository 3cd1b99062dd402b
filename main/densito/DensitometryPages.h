// TDensitometryPages: the densitometry pages of the main window (Density,
// All densities, Densities diff, Dot Gain, Print curve, Dot Gain curve, Dot
// Area, Print Contrast, Trapping, Hue error, Grayness). It builds their contents inside the empty
// page widgets the main window gives it, runs their measurement handlers and
// copies the pages' step logic into labels, swatches and frames.
#pragma once

#include "DensitoState.h"
#include "DensityDiffModel.h"
#include "DensityPageModel.h"
#include "DotAreaModel.h"
#include "DotGainCurveModel.h"
#include "DotGainModel.h"
#include "InkPurityModel.h"
#include "PrintContrastModel.h"
#include "PrintCurveModel.h"
#include "TrappingModel.h"

#include <QObject>
#include <QRect>
#include <QSize>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QPainter;
class TCanvas;
class QPushButton;
class QWidget;
class TFilterComboBox;
class TPageHost;
class TStepFrame;
class TSwatch;
struct TDensitometryPagesViews;
struct TInkPurityViews;

class TDensitometryPages : public QObject {
    Q_OBJECT
public:
    // Page indexes of the densitometry page control.
    enum TPageIndex {
        DensityPage = 0, AllDensitiesPage = 1, DensityDiffPage = 2, DotGainPage = 3, PrintCurvePage = 4,
        DotGainCurvePage = 5, DotAreaPage = 6, PrintContrastPage = 7, TrappingPage = 8, HueErrorPage = 9,
        GraynessPage = 10
    };

    // Builds the eleven pages inside `pages`.
    TDensitometryPages(TPageHost& host, const std::array<QWidget*, 11>& pages, QObject* parent = nullptr);
    ~TDensitometryPages() override;

    // The first state of every page (histories, steps, shared state, texts).
    void Reset();
    // Rows and captions that follow the settings (Dot Gain tints, contrast tint).
    void ApplySettings();
    // Every text of the pages in the current language.
    void Retranslate();

    // Measurement handlers, one per page (the Density handler serves the
    // Density and All densities pages).
    void MeasureDensityPage();
    void MeasureDensityDiffPage();
    void MeasureDotGainPage();
    void MeasurePrintCurvePage();
    void MeasureDotGainCurvePage();
    void MeasureDotAreaPage();
    void MeasurePrintContrastPage();
    void MeasureTrappingPage();
    void MeasureHueErrorPage();
    void MeasureGraynessPage();

    // The step frame of a page, or nullptr for a page without one.
    QWidget* BlinkFrame(int pgc0Index) const;

    // Screen colour (R + 256*G + 65536*B) of the patch just measured; by
    // default MeasuredPatchColor, which reads the spectrum from the instrument.
    std::function<std::int32_t()> PatchColor;

    // Read-only views of the pages' state, for tests and the main window.
    const TDensitoShared& Shared() const { return SharedState; }
    const TDensityPageModel& DensityModel() const { return Density; }
    const TDensityDiffModel& DensityDiffModel() const { return DensityDiff; }
    const TDotGainModel& DotGainModel() const { return DotGain; }
    const TDotAreaModel& DotAreaModel() const { return DotArea; }
    const TPrintCurveModel& PrintCurveModel() const { return PrintCurve; }
    const TDotGainCurveModel& DotGainCurveModel() const { return DotGainCurve; }
    // The colour list's last choice, which the print curve chart shows
    // until the next measurement; nothing when the chart shows its own ink.
    std::optional<int> PrintCurveListChoice() const { return ListChoice; }

    // Down-arrow held on the Print curve page: the frame one row down.
    void PrintCurveStepDown();

    // The two charts, drawn on a canvas of their areas.
    void PBxPCPaint(TCanvas& canvas);
    void PBxDGPaint(TCanvas& canvas);
    const TPrintContrastModel& PrintContrastModel() const { return PrintContrast; }
    const TTrappingModel& TrappingModel() const { return Trapping; }
    const TInkPurityModel& HueErrorModel() const { return HueError; }
    const TInkPurityModel& GraynessModel() const { return Grayness; }

public slots:
    // Settings page handlers.
    void DGvCB1Click(bool checked);
    void DGvCB2Click(bool checked);
    void DGvCB3Click(bool checked);
    void DGed1Change(const QString& text);
    void DGed2Change(const QString& text);
    void DGed3Change(const QString& text);
    void Ked1Change(const QString& text);
    void DGCEd1Change(const QString& text);
    void DGCEd2Change(const QString& text);
    void DGCEd3Change(const QString& text);

    // Density page: a choice in FilterCB.
    void FilterCBChange(int index);

    // A swatch pressed: its patch is measured next.
    void ShD1MouseDown(int step);
    void ShDA1MouseDown(int step);
    void ShK1MouseDown(int step);
    void ShTR1MouseDown();
    void ShH1MouseDown(int step);
    void ShGR1MouseDown(int step);
    void ShPC1MouseDown(int step);
    void ShDGC1MouseDown(int step);

    // Print curve page: the colour selector and its list.
    void ShColMouseDown();
    QSize Ciano1MeasureItem(int item) const;
    void Ciano1AdvancedDrawItem(QPainter& painter, int item, const QRect& rect, bool highlighted);
    void Ciano1Click(int item);

private:
    std::optional<TDensityMeasurement> Read();
    // Hands a reading the page accepted to the host's measurement log.
    void Accepted(const TDensityMeasurement& reading, const std::string& name);
    TPatchColorSource PatchColorSource() const;
    void SetDotVisible(int tint, bool visible);
    void SetDotPercent(int tint, const QString& text);
    void SetDotGainCurvePercent(int tint, const QString& text);

    void BuildDensityPage(QWidget* page);
    void BuildAllDensitiesPage(QWidget* page);
    void BuildDensityDiffPage(QWidget* page);
    void BuildDotGainPage(QWidget* page);
    void BuildDotAreaPage(QWidget* page);
    void BuildPrintContrastPage(QWidget* page);
    void BuildPrintCurvePage(QWidget* page);
    void BuildDotGainCurvePage(QWidget* page);
    void BuildTrappingPage(QWidget* page);
    void BuildInkPurityPage(QWidget* page, TInkPurityFigure figure, TInkPurityViews& views);

    void ShowDensityPages();
    void ShowDensityDiffPage();
    void ShowDotGainPage();
    void ShowDotAreaPage();
    void ShowPrintContrastPage();
    void ShowPrintCurvePage();
    void ShowDotGainCurvePage();
    void ShowTrappingPage();
    void ShowInkPurityPage(const TInkPurityModel& model, TInkPurityViews& views);
    // Moves a page's frame around the swatch of its step.
    void PlaceFrame(TStepFrame* frame, TSwatch* swatch);
    void SelectStep(TStepFrame* frame, TSwatch* swatch);

    TPageHost& Host;
    TDensitoShared SharedState;
    TDensityPageModel Density;
    TDensityDiffModel DensityDiff;
    TDotGainModel DotGain;
    TDotAreaModel DotArea;
    TPrintCurveModel PrintCurve;
    TDotGainCurveModel DotGainCurve;
    std::optional<int> ListChoice;
    TPrintContrastModel PrintContrast;
    TTrappingModel Trapping;
    TInkPurityModel HueError{TInkPurityFigure::HueError};
    TInkPurityModel Grayness{TInkPurityFigure::Grayness};
    std::unique_ptr<TDensitometryPagesViews> V;
    std::vector<QWidget*> Orphans;  // stand-in pages built when the main window gave none
};
