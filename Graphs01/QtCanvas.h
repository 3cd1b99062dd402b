// The canvas the program draws with: QPainter underneath, with our own pixel
// rules on top where Qt's differ (a line without its end pixel, a rectangle
// outline on the rectangle's own border pixels). Works on any QPainter
// without antialiasing: a widget's paint event or a QImage.
#pragma once

#include "Canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <functional>

class QPainter;

// Maps a named face and a point size to an installed font. The program
// passes its font mapping (main/look/Fonts); without one, DefaultChartFont.
using TFontResolver = std::function<QFont(const QString& face, double points)>;

// Plain mapping: the face by name, sans-serif when missing, points at 96 dpi.
QFont DefaultChartFont(const QString& face, double points);

class TQtCanvas : public TCanvas {
public:
    // The painter must be active; its state is restored when the canvas ends.
    TQtCanvas(QPainter& painter, TDrawingArea area, TFontResolver fonts = {});
    ~TQtCanvas() override;
    TQtCanvas(const TQtCanvas&) = delete;
    TQtCanvas& operator=(const TQtCanvas&) = delete;

    TDrawingArea Area() const override { return AreaValue; }
    void FillRect(const TRect& rect) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void Polygon(std::span<const TPoint> points) override;
    void TextOut(int x, int y, const QString& text) override;
    int TextWidth(const QString& text) override;
    int TextHeight(const QString& text) override;
    void Draw(int x, int y, const QImage& picture) override;

protected:
    void Line(TPoint from, TPoint to) override;
    void FontChanged() override;

private:
    void FillPixels(int x, int y, int width, int height, TColor colour);

    QPainter& Painter;
    TDrawingArea AreaValue;
    TFontResolver Fonts;
    QFont CurrentFont;
    QFontMetrics Metrics;
};
