// The CIELab diagram of the CieLab page: the a*, b* plane from -130 to +130
// over the background picture, with chroma circles and a cross for each
// record. Records may be null (no record).
#pragma once

#include "Canvas.h"
#include "TData.h"

#include <QImage>
#include <QString>

struct TLabGeometry {
    TRect Plot;           // (20, 20, W - 20, H - 20) of the bounds rectangle's size
    int CX = 0, CY = 0;   // W div 2, H div 2
    double GX = 0, GY = 0;  // pixels per 10 units
    double PX = 0, PY = 0;  // pixels per unit
    TPoint At(double a, double b) const { return TPoint{CX + Rnd(PX * a), CY - Rnd(PY * b)}; }
};
TLabGeometry LabGeometry(const TDrawingArea& area);

// The background picture beside the executable.
inline const char* const CielabPictureName = "Cielab.bmp";
// Reads folder + "Cielab.bmp" (folder ends in a separator, as ExeFolder()
// does). A missing or unreadable file gives a null image: the diagram is
// then drawn on white.
QImage LoadCielabPicture(const QString& folder);
// The picture unscaled and opaque at the plot's top-left corner (20, 20);
// nothing for a null image.
void DrawLabBackground(TCanvas& area, const QImage& picture);

// Axes, chroma circles (C* = 40, 70, 100) and axis labels.
void DrawLabDiagram(TCanvas& area);
// Computes CIELAB of both records under the current illuminant and observer
// and draws the reference's black cross (at the centre when its spectrum is
// empty) and the compared record's white cross (none when empty).
void DrawLabPoints(TCanvas& area, TData* reference, TData* measure);
