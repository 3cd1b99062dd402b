// The settings record: one instance for the whole run, read from the settings
// file when the main window is created and written back when it is destroyed.
#pragma once

#include <cstdint>
#include <string>

struct ConfigType {
    std::int32_t SkinIndex = 1;                // "Skin index"
    std::int32_t LastCalibrationResult = -1;   // not in the file
    std::int32_t LanguageId = -99;             // "Language Id"; -99: none chosen yet
    std::int32_t Decimals = 2;                 // "Decimals"
    std::int32_t SpaceColor = 0;               // "Space Color"
    std::int32_t Illuminant = 2;               // "Illuminant"
    std::int32_t Observer = 0;                 // "Observer"
    std::int32_t DensityStandardFilter = 0;    // "Density standard filter"
    bool PaperMeasured = false;                // not in the file
    std::int32_t FilterChoice = 0;             // not in the file
    std::int32_t DensityReference = 1;         // "Density reference": 0 absolute, 1 paper white
    std::int32_t Dot1 = 75;                    // "Dot % 1"
    bool Dot1Visible = true;                   // "Dot 1 visible"
    std::int32_t Dot2 = 50;                    // "Dot % 2"
    bool Dot2Visible = true;                   // "Dot 2 visible"
    std::int32_t Dot3 = 25;                    // "Dot % 3"
    bool Dot3Visible = true;                   // "Dot 3 visible"
    std::int32_t DotContrast1 = 75;            // "Dot Contrast % 1"
    std::int32_t DotGainCurve1 = 25;           // "Dot gain curve % 1"
    std::int32_t DotGainCurve2 = 50;           // "Dot gain curve % 2"
    std::int32_t DotGainCurve3 = 75;           // "Dot gain curve % 3"
    std::int32_t DotGainFlexo = 50;            // "Dot Gain flexo": kept only
    std::int32_t OptimalDotGainFlexo = 15;     // "Optimal Dot Gain flexo": kept only
    std::int32_t MetamerismIllIndex = 0;       // "Metamerism Ill index"
    std::int32_t VisualIll1 = 0;               // "VisualIll1"
    std::int32_t VisualIll2 = 2;               // "VisualIll2"
    std::int32_t VisualIll3 = 4;               // "VisualIll3"
    std::string ProfileName;                   // "Profile name" (UTF-8 path)
    bool MeasurementLog = false;               // "Measurement log": keep a log of the readings
    std::string MeasurementLogFolder;          // "Measurement log folder" (UTF-8); empty: documents folder
};

extern ConfigType Config;
