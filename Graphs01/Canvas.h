// The drawing surface every chart draws on: a pen, a solid brush and a font
// whose settings persist between calls, and the primitives with the pixel
// rules the charts rely on. Charts take a TCanvas& and keep no state; the
// program draws with TQtCanvas (QtCanvas.h), tests record with
// TRecordingCanvas (RecordingCanvas.h).
#pragma once

#include "ChartMath.h"
#include "ChartTypes.h"

#include <QString>
#include <span>

class QImage;

enum class TPenStyle : std::uint8_t { Solid, Dotted };

// The face the drawing areas start with (the main window's font).
inline const char* const DefaultChartFace = "MS Sans Serif";
inline constexpr double DefaultChartPoints = 8.0;
// The small face the CIELab diagram and the curve charts set.
inline const char* const SmallChartFace = "Small Font";

class TCanvas {
public:
    virtual ~TCanvas() = default;

    // Size of the surface and its bounds rectangle in the parent panel.
    virtual TDrawingArea Area() const = 0;

    // ---- Drawing state: persists until changed.
    void SetPenColor(TColor colour) { Pen.Color = colour; }
    void SetPenWidth(int width) { Pen.Width = width < 1 ? 1 : width; }
    void SetPenStyle(TPenStyle style) { Pen.Style = style; }
    void SetBrushColor(TColor colour) { BrushColour = colour; }
    void SetFont(const QString& face, double points);
    void SetFontColor(TColor colour) { FontColour = colour; }

    TColor PenColor() const { return Pen.Color; }
    int PenWidth() const { return Pen.Width; }
    TPenStyle PenStyle() const { return Pen.Style; }
    TColor BrushColor() const { return BrushColour; }
    const QString& FontFace() const { return Face; }
    double FontPoints() const { return Points; }
    TColor FontColor() const { return FontColour; }
    TPoint PenPos() const { return Current; }

    // ---- Primitives.
    // Fills x1 <= x < x2, y1 <= y < y2 with the brush; no outline.
    virtual void FillRect(const TRect& rect) = 0;
    // Outline in the pen on the border pixels of x1 <= x < x2, y1 <= y < y2,
    // interior in the brush; swapped corners cover the same pixels.
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    void MoveTo(int x, int y) { Current = TPoint{x, y}; }
    // A line in the pen from the current point to (x, y), without the end
    // pixel; (x, y) becomes the current point.
    void LineTo(int x, int y);
    // Ellipse inscribed in the rectangle, outline in the pen, brush inside.
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    // The arc of the ellipse inscribed in (x1, y1, x2, y2), counter-clockwise
    // from where the ray from the centre to (x3, y3) meets it to where the
    // ray to (x4, y4) does; outline in the pen only.
    virtual void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
    // Closed polygon, outline in the pen, brush inside.
    virtual void Polygon(std::span<const TPoint> points) = 0;
    // The text with the top-left corner of its cell at (x, y), in the font
    // colour on an opaque background of the brush colour.
    virtual void TextOut(int x, int y, const QString& text) = 0;
    virtual int TextWidth(const QString& text) = 0;
    virtual int TextHeight(const QString& text) = 0;
    // A picture drawn unscaled and opaque with its top-left corner at (x, y).
    virtual void Draw(int x, int y, const QImage& picture) = 0;
    // A one-pixel frame on the outermost pixels of rect: top and left edges
    // in `top`, bottom and right edges in `bottom`. Afterwards rect is shrunk
    // by one pixel on every side and the pen is solid, width 1, in `bottom`.
    virtual void BevelFrame(TRect& rect, TColor top, TColor bottom);

protected:
    struct TPen {
        TColor Color = ChartColor::Black;
        int Width = 1;
        TPenStyle Style = TPenStyle::Solid;
    };
    virtual void Line(TPoint from, TPoint to) = 0;  // excludes `to`
    virtual void FontChanged() {}

    TPen Pen;
    TColor BrushColour = ChartColor::White;
    QString Face = QString::fromLatin1(DefaultChartFace);
    double Points = DefaultChartPoints;
    TColor FontColour = ChartColor::Black;
    TPoint Current;
};
