// The control strip the instrument's window shows, without any widget: the
// press sheet of the simulated instrument in groups (paper and solids, the
// tints of each ink, the overprints) and the samples of measurement files,
// each patch with its CIELAB (D50, 2 degree observer), its status E densities
// and its screen colour through the display profile.
#pragma once

#include <QColor>
#include <QString>

#include <array>
#include <vector>

namespace SimWindow {

using TReflectance = std::array<float, 36>;   // 380 .. 730 nm

struct TStripPatch {
    QString Key;        // what the instrument is placed on: a sheet patch name, or a sample's key
    QString Label;      // short text on the strip: "50 %", "Magenta", "A1"
    QString FullName;   // "magenta 50 %", "red (magenta + yellow)", "A1 (sheet14.txt, line 12)"
    TReflectance Reflectance{};
    std::array<double, 3> Lab{};         // D50, 2 degree observer
    std::array<float, 4> Densities{};    // status E, absolute: cyan, magenta, yellow, visual
    QColor Screen;                       // through the display profile
    bool FromFile = false;               // a sample of a measurement file
};

struct TStripGroup {
    QString Title;      // "Paper and solids", "Magenta tints", "sheet14.txt"
    std::vector<TStripPatch> Patches;
};

// The press sheet of the library, grouped as printed on a control strip.
std::vector<TStripGroup> PressSheetGroups();

// Reads a CGATS or CSV file of reflectance spectra into a group of patches.
// On any problem returns false with `error` naming the file and the line.
bool ReadMeasurementGroup(const QString& path, int fileNumber, TStripGroup& group, QString& error);

// The patch's colour figures and screen colour from its reflectance.
void ComputeAppearance(TStripPatch& patch);

// "L* 71.6  a* 30.9  b* -3.5"
QString LabText(const TStripPatch& patch);
// "C 0.22  M 0.60  Y 0.30  V 0.34"; with `paper`, each minus the paper's.
QString DensityText(const TStripPatch& patch, const TStripPatch* paper = nullptr);

}
