// The widgets of the densitometry pages, as TDensitometryPages keeps them.
// Private to the pages' implementation files.
#pragma once

#include "DensityChannel.h"

#include <QString>

#include <array>
#include <functional>
#include <utility>
#include <vector>

class QButtonGroup;
class QLabel;
class QPushButton;
class QWidget;
class TFilterComboBox;
class TStepFrame;
class TSwatch;
class TValuePanel;
class TColorListPopup;
class TPaintBox;

// The step frames of the curve pages lie this far outside their swatches'
// top and left edges.
inline constexpr int PrintCurveFrameMargin = 3;
inline constexpr int DotGainCurveFrameMargin = 4;

struct TInkPurityViews {
    std::array<TSwatch*, 3> Swatch{};
    std::array<QLabel*, 3> Value{};
    std::array<QLabel*, 3> Letter{};
    TStepFrame* Frame = nullptr;
};

struct TDensitometryPagesViews {
    // Density
    TFilterComboBox* FilterCB = nullptr;
    std::array<TSwatch*, 5> DensitySwatch{};
    std::array<QLabel*, 5> DensityValue{};
    std::array<QLabel*, 5> DensityName{};
    // All densities: [row][channel]
    std::array<std::array<QLabel*, DensityChannelCount>, 5> AllValue{};
    std::array<std::array<TSwatch*, DensityChannelCount>, 5> AllSwatch{};
    TStepFrame* Marker = nullptr;  // mDensSh
    // Densities diff
    TSwatch* SampleArea = nullptr;   // ShdfS
    TSwatch* MeasureArea = nullptr;  // ShdfM
    std::array<QLabel*, DensityChannelCount> SampleValue{};
    std::array<QLabel*, DensityChannelCount> MeasureValue{};
    std::array<QLabel*, DensityChannelCount> DiffValue{};
    QPushButton* RefButton = nullptr;    // MeasDRefBtn
    QPushButton* ColorButton = nullptr;  // MeasDColorBtn
    QButtonGroup* DiffButtons = nullptr;
    // Dot Gain
    std::array<TSwatch*, 4> DotGainSwatch{};
    std::array<QLabel*, 4> DotGainValue{};
    std::array<QLabel*, 3> DotGainCaption{};     // DDL1 .. DDL3
    std::array<TValuePanel*, 3> DotGainPanel{};  // PDG1 .. PDG3
    TStepFrame* DotGainFrame = nullptr;
    // Dot Area
    std::array<TSwatch*, 4> DotAreaSwatch{};
    std::array<QLabel*, 4> DotAreaValue{};
    TStepFrame* DotAreaFrame = nullptr;
    // Print Contrast
    std::array<TSwatch*, 2> ContrastSwatch{};
    std::array<QLabel*, 2> ContrastValue{};
    QLabel* ContrastCaption = nullptr;  // DKL2
    TStepFrame* ContrastFrame = nullptr;
    // Trapping
    std::array<TSwatch*, 4> TrapSwatch{};  // ShTr0, ShTR1 .. ShTR3
    QLabel* SubstrateValue = nullptr;      // Trl0
    std::array<QLabel*, 2> DownValue{};    // TrL1, TrL2
    std::array<QLabel*, 2> DownLetter{};   // TRLl1, TRLl2
    QLabel* TrapValue = nullptr;           // TrL3
    QLabel* Prompt = nullptr;              // Msg
    TStepFrame* TrapFrame = nullptr;
    // Print curve
    std::array<TSwatch*, 10> PrintCurveSwatch{};  // ShPC1 .. ShPC10
    std::array<QLabel*, 10> PrintCurveValue{};    // PCL1 .. PCL10
    TStepFrame* PrintCurveFrame = nullptr;        // PCBordSh
    TSwatch* ShCol = nullptr;
    TColorListPopup* ColorList = nullptr;         // Ciano1
    TPaintBox* PBxPC = nullptr;
    // Dot Gain curve
    std::array<TSwatch*, 4> DotGainCurveSwatch{};  // ShDGC1 .. ShDGC4
    std::array<QLabel*, 4> DotGainCurveValue{};    // DGCL1 .. DGCL4
    std::array<QLabel*, 3> DotGainCurveCaption{};  // DGCurveL1 .. DGCurveL3
    TStepFrame* DotGainCurveFrame = nullptr;       // DGCBordSh
    TPaintBox* PBxDG = nullptr;
    // Hue error, Grayness
    TInkPurityViews HueError;
    TInkPurityViews Grayness;

    // Fixed texts and where they go, so a change of language reaches them.
    std::vector<std::pair<QLabel*, std::function<QString()>>> FixedLabels;
    std::vector<std::pair<QPushButton*, std::function<QString()>>> FixedButtons;
};
