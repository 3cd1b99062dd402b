// TDensitometryPages: the densitometry pages of the main window (Density,
// All densities, Densities diff, Dot Gain, Dot Area, Print Contrast,
// Trapping, Hue error, Grayness). It builds their contents inside the empty
// page widgets the main window gives it, runs their measurement handlers and
// copies the pages' step logic into labels, swatches and frames.
#pragma once

#include "DensitoState.h"
#include "DensityDiffModel.h"
#include "DensityPageModel.h"
#include "DotAreaModel.h"
#include "DotGainModel.h"
#include "InkPurityModel.h"
#include "PrintContrastModel.h"
#include "TrappingModel.h"

#include <QObject>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
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

    // Builds pages 0 - 3 and 6 - 10 inside `pages` (pages 4 and 5 stay empty).
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

    // Density page: a choice in FilterCB.
    void FilterCBChange(int index);

    // A swatch pressed: its patch is measured next.
    void ShD1MouseDown(int step);
    void ShDA1MouseDown(int step);
    void ShK1MouseDown(int step);
    void ShTR1MouseDown();
    void ShH1MouseDown(int step);
    void ShGR1MouseDown(int step);

private:
    std::optional<TDensityMeasurement> Read();
    // Hands a reading the page accepted to the host's measurement log.
    void Accepted(const TDensityMeasurement& reading, const std::string& name);
    TPatchColorSource PatchColorSource() const;
    void SetDotVisible(int tint, bool visible);
    void SetDotPercent(int tint, const QString& text);

    void BuildDensityPage(QWidget* page);
    void BuildAllDensitiesPage(QWidget* page);
    void BuildDensityDiffPage(QWidget* page);
    void BuildDotGainPage(QWidget* page);
    void BuildDotAreaPage(QWidget* page);
    void BuildPrintContrastPage(QWidget* page);
    void BuildTrappingPage(QWidget* page);
    void BuildInkPurityPage(QWidget* page, TInkPurityFigure figure, TInkPurityViews& views);

    void ShowDensityPages();
    void ShowDensityDiffPage();
    void ShowDotGainPage();
    void ShowDotAreaPage();
    void ShowPrintContrastPage();
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
    TPrintContrastModel PrintContrast;
    TTrappingModel Trapping;
    TInkPurityModel HueError{TInkPurityFigure::HueError};
    TInkPurityModel Grayness{TInkPurityFigure::Grayness};
    std::unique_ptr<TDensitometryPagesViews> V;
    std::vector<QWidget*> Orphans;  // stand-in pages built when the main window gave none
};
