// The program's named type faces (MS Sans Serif, Verdana, Tahoma, Courier New)
// and the free faces that stand in for them. Every widget of the program gets
// its fonts from here, so the mapping lives in one place (Fonts.cpp).
// Sizes are pixel sizes at 96 dpi, so the fixed layout does not depend on the
// screen's resolution; point sizes are converted at 96 dpi.
#pragma once

#include <QFont>
#include <QString>

// Pixels of a point size at 96 dpi, rounded (8 pt -> 11 px).
int PointsToPixels(double points);

// The face that stands in for each named face.
QString SansSerifFamily();   // "MS Sans Serif"
QString VerdanaFamily();     // "Verdana"
QString TahomaFamily();      // "Tahoma"
QString CourierFamily();     // "Courier New"
QString SmallFontFamily();   // "Small Font"

QFont SansSerifFont(int pixelSize, bool bold = false);
QFont SansSerifFontPt(double points, bool bold = false);
QFont VerdanaFont(int pixelSize, bool bold = false);
QFont TahomaFont(double points, bool bold = false);
QFont CourierFont(int pixelSize, bool bold = false);

// "Small Font" at a point size, the small face of the charts.
QFont SmallFont(double points);
// The font for a face named by a chart ("MS Sans Serif", "Small Font"; any
// other name through the sans-serif stand-in) at a point size.
QFont ChartFont(const QString& face, double points);

// The window's default font: MS Sans Serif 8 pt.
QFont DefaultFont();
