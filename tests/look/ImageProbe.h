// Small helpers to look at grabbed pictures in tests.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <functional>

// Whether any pixel inside `area` satisfies `test`.
inline bool AnyPixel(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test)
{
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (test(image.pixelColor(x, y)))
                return true;
    return false;
}

inline bool Near(const QColor& a, const QColor& b, int tolerance = 8)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// A clearly blue-dominated dark pixel: the core of a navy glyph.
inline bool IsNavyInk(const QColor& c)
{
    return c.blue() >= 90 && c.red() <= 60 && c.green() <= 60 && c.blue() - c.red() >= 60;
}

// A dark pixel with no blue cast: the core of a black glyph.
inline bool IsBlackInk(const QColor& c)
{
    return c.red() <= 70 && c.green() <= 70 && c.blue() <= 70 && std::abs(c.blue() - c.red()) <= 12;
}
