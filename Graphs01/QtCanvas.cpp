// QPainter-backed canvas with the charts' pixel rules.
#include "QtCanvas.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

QColor ToQColor(TColor c) { return QColor(c.R, c.G, c.B); }

// Coordinates from outside the charts are not trusted to stay small.
int Tame(int v) { return std::clamp(v, -2 * MaxChartCoordinate, 2 * MaxChartCoordinate); }

// Dotted lines: one pixel on, one off along the line.
bool DotOn(std::int64_t step) { return step % 2 == 0; }

}  // namespace

QFont DefaultChartFont(const QString& face, double points)
{
    QFont font(face);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0))));
    return font;
}

TQtCanvas::TQtCanvas(QPainter& painter, TDrawingArea area, TFontResolver fonts)
    : Painter(painter),
      AreaValue(area),
      Fonts(fonts ? std::move(fonts) : TFontResolver(DefaultChartFont)),
      CurrentFont(Fonts(Face, Points)),
      Metrics(CurrentFont)
{
    Painter.save();
    Painter.setRenderHint(QPainter::Antialiasing, false);
    Painter.setRenderHint(QPainter::TextAntialiasing, true);
    Painter.setBackgroundMode(Qt::TransparentMode);
}

TQtCanvas::~TQtCanvas() { Painter.restore(); }

void TQtCanvas::FontChanged()
{
    CurrentFont = Fonts(Face, Points);
    Metrics = QFontMetrics(CurrentFont);
}

void TQtCanvas::FillPixels(int x, int y, int width, int height, TColor colour)
{
    // Only the part on the surface (and a margin) matters: keeps QRect sane.
    const int x1 = std::max(x, -1), y1 = std::max(y, -1);
    const int x2 = std::min(x + width, AreaValue.Width + 1), y2 = std::min(y + height, AreaValue.Height + 1);
    if (x2 > x1 && y2 > y1)
        Painter.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), ToQColor(colour));
}

void TQtCanvas::FillRect(const TRect& r)
{
    const int x1 = Tame(r.Left), y1 = Tame(r.Top), x2 = Tame(r.Right), y2 = Tame(r.Bottom);
    if (x2 > x1 && y2 > y1)
        FillPixels(x1, y1, x2 - x1, y2 - y1, BrushColour);
}

void TQtCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    x1 = Tame(x1), y1 = Tame(y1), x2 = Tame(x2), y2 = Tame(y2);
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    if (x2 <= x1 || y2 <= y1)
        return;
    FillPixels(x1, y1, x2 - x1, y2 - y1, BrushColour);
    // The outline runs over the border pixels; each side leaves its last
    // pixel to the next one, so the closed run covers every corner once.
    const int right = x2 - 1, bottom = y2 - 1;
    if (right == x1 || bottom == y1) {
        FillPixels(x1, y1, x2 - x1, y2 - y1, Pen.Color);
        return;
    }
    Line({x1, y1}, {right, y1});
    Line({right, y1}, {right, bottom});
    Line({right, bottom}, {x1, bottom});
    Line({x1, bottom}, {x1, y1});
}

void TQtCanvas::Line(TPoint from, TPoint to)
{
    const std::int64_t x0 = Tame(from.X), y0 = Tame(from.Y), x1 = Tame(to.X), y1 = Tame(to.Y);
    const std::int64_t dx = x1 - x0, dy = y1 - y0;
    const std::int64_t adx = std::llabs(dx), ady = std::llabs(dy);
    const std::int64_t steps = std::max(adx, ady);  // pixels drawn: the end one is left out
    if (steps == 0)
        return;
    const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    const int width = Pen.Width;
    const int before = (width - 1) / 2;  // a wide pen is a square centred on the pixel
    const bool dotted = Pen.Style == TPenStyle::Dotted;

    // Fast path: solid axis-parallel lines are one rectangle.
    if (!dotted && (adx == 0 || ady == 0)) {
        const std::int64_t last = adx == 0 ? y0 + sy * (steps - 1) : x0 + sx * (steps - 1);
        if (adx == 0) {
            const std::int64_t top = std::min(y0, last), bottom = std::max(y0, last);
            FillPixels(int(x0) - before, int(top) - before, width, int(bottom - top) + width, Pen.Color);
        } else {
            const std::int64_t left = std::min(x0, last), right = std::max(x0, last);
            FillPixels(int(left) - before, int(y0) - before, int(right - left) + width, width, Pen.Color);
        }
        return;
    }

    // Bresenham along the major axis; only the steps that can reach the
    // surface are walked, so a line to a far-away point costs nothing extra.
    const bool xMajor = adx >= ady;
    const std::int64_t major0 = xMajor ? x0 : y0;
    const int majorSign = xMajor ? sx : sy;
    const std::int64_t extent = xMajor ? AreaValue.Width : AreaValue.Height;
    const std::int64_t lowVisible = -width, highVisible = extent + width;
    std::int64_t first = 0, last = steps - 1;
    if (majorSign > 0) {
        first = std::max(first, lowVisible - major0);
        last = std::min(last, highVisible - major0);
    } else {
        first = std::max(first, major0 - highVisible);
        last = std::min(last, major0 - lowVisible);
    }
    const std::int64_t amajor = xMajor ? adx : ady, aminor = xMajor ? ady : adx;
    const int minorSign = xMajor ? sy : sx;
    const std::int64_t minor0 = xMajor ? y0 : x0;
    const std::int64_t minorExtent = xMajor ? AreaValue.Height : AreaValue.Width;

    std::vector<QPoint> points;
    for (std::int64_t i = first; i <= last; ++i) {
        if (dotted && !DotOn(i))
            continue;
        const std::int64_t minor = minor0 + minorSign * ((2 * i * aminor + amajor) / (2 * amajor));
        if (minor < -width || minor > minorExtent + width)
            continue;
        const std::int64_t major = major0 + majorSign * i;
        const int px = int(xMajor ? major : minor), py = int(xMajor ? minor : major);
        if (width == 1)
            points.emplace_back(px, py);
        else
            FillPixels(px - before, py - before, width, width, Pen.Color);
    }
    if (!points.empty()) {
        Painter.setPen(QPen(ToQColor(Pen.Color), 0));
        Painter.drawPoints(points.data(), int(points.size()));
    }
}

void TQtCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    x1 = Tame(x1), y1 = Tame(y1), x2 = Tame(x2), y2 = Tame(y2);
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    if (x2 - x1 < 1 || y2 - y1 < 1)
        return;
    // The pixels x1 .. x2 - 1: an aliased Qt outline of a w - 1 wide
    // rectangle covers w pixels.
    QPen pen(ToQColor(Pen.Color), Pen.Width == 1 ? 0 : Pen.Width);
    pen.setStyle(Pen.Style == TPenStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
    Painter.setPen(pen);
    Painter.setBrush(ToQColor(BrushColour));
    Painter.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void TQtCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    x1 = Tame(x1), y1 = Tame(y1), x2 = Tame(x2), y2 = Tame(y2);
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    if (x2 - x1 < 1 || y2 - y1 < 1)
        return;
    const double cx = (x1 + x2 - 1) / 2.0, cy = (y1 + y2 - 1) / 2.0;
    auto angleOf = [&](int x, int y) {
        // Degrees counter-clockwise from the positive x axis, y grows downward.
        return std::atan2(-(double(Tame(y)) - cy), double(Tame(x)) - cx) * 180.0 / M_PI;
    };
    const double start = angleOf(x3, y3);
    double span = angleOf(x4, y4) - start;
    while (span <= 0)
        span += 360.0;
    QPen pen(ToQColor(Pen.Color), Pen.Width == 1 ? 0 : Pen.Width);
    pen.setStyle(Pen.Style == TPenStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
    Painter.setPen(pen);
    Painter.setBrush(Qt::NoBrush);
    Painter.drawArc(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1), int(std::lround(start * 16)), int(std::lround(span * 16)));
}

void TQtCanvas::Polygon(std::span<const TPoint> points)
{
    if (points.empty())
        return;
    QPolygon polygon;
    polygon.reserve(int(points.size()));
    for (const TPoint& p : points)
        polygon << QPoint(Tame(p.X), Tame(p.Y));
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(ToQColor(BrushColour));
    Painter.drawPolygon(polygon);
    // Outline with our own lines, each edge handing its end pixel to the next.
    for (std::size_t i = 0; i < points.size(); ++i)
        Line(points[i], points[(i + 1) % points.size()]);
    if (points.size() == 1)
        FillPixels(Tame(points[0].X), Tame(points[0].Y), 1, 1, Pen.Color);
}

void TQtCanvas::TextOut(int x, int y, const QString& text)
{
    x = Tame(x), y = Tame(y);
    const int width = Metrics.horizontalAdvance(text), height = Metrics.height();
    FillPixels(x, y, width, height, BrushColour);
    Painter.setFont(CurrentFont);
    Painter.setPen(ToQColor(FontColour));
    Painter.drawText(QPoint(x, y + Metrics.ascent()), text);
}

int TQtCanvas::TextWidth(const QString& text) { return Metrics.horizontalAdvance(text); }

int TQtCanvas::TextHeight(const QString&) { return Metrics.height(); }

void TQtCanvas::Draw(int x, int y, const QImage& picture)
{
    if (picture.isNull())
        return;
    Painter.drawImage(QPoint(Tame(x), Tame(y)), picture);
}
