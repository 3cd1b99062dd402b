// The one place that maps the program's named faces to installed free faces
// (Debian packages fonts-liberation2, fonts-dejavu-core, fonts-dejavu-extra).
//   MS Sans Serif -> Liberation Sans   (same widths as Arial, close to the bitmap face)
//   Verdana       -> DejaVu Sans       (the Vera design: wide, large x-height, like Verdana)
//   Tahoma        -> DejaVu Sans Condensed (Vera narrowed: Tahoma is Verdana's narrow sibling)
//   Courier New   -> Liberation Mono   (metric-compatible with Courier New)
//   Small Font    -> DejaVu Sans Condensed (the charts' small labels: narrow,
//                    with a large x-height that stays legible at 8 pt)
// Each font also lists a generic fallback so a missing package degrades to a
// readable face instead of an arbitrary one.
#include "Fonts.h"

#include <QStringList>
#include <cmath>

int PointsToPixels(double points)
{
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

QString SansSerifFamily() { return QStringLiteral("Liberation Sans"); }
QString VerdanaFamily() { return QStringLiteral("DejaVu Sans"); }
QString TahomaFamily() { return QStringLiteral("DejaVu Sans Condensed"); }
QString CourierFamily() { return QStringLiteral("Liberation Mono"); }
QString SmallFontFamily() { return QStringLiteral("DejaVu Sans Condensed"); }

namespace {

QFont MakeFont(const QStringList& families, int pixelSize, bool bold, QFont::StyleHint hint)
{
    QFont font(families.front());
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPixelSize(pixelSize > 0 ? pixelSize : 1);
    font.setBold(bold);
    return font;
}

} // namespace

QFont SansSerifFont(int pixelSize, bool bold)
{
    return MakeFont({SansSerifFamily(), QStringLiteral("Arial"), QStringLiteral("Sans Serif")},
                    pixelSize, bold, QFont::SansSerif);
}

QFont SansSerifFontPt(double points, bool bold)
{
    return SansSerifFont(PointsToPixels(points), bold);
}

QFont VerdanaFont(int pixelSize, bool bold)
{
    return MakeFont({VerdanaFamily(), QStringLiteral("Verdana"), QStringLiteral("Sans Serif")},
                    pixelSize, bold, QFont::SansSerif);
}

QFont TahomaFont(double points, bool bold)
{
    return MakeFont({TahomaFamily(), QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"),
                     QStringLiteral("Sans Serif")},
                    PointsToPixels(points), bold, QFont::SansSerif);
}

QFont CourierFont(int pixelSize, bool bold)
{
    QFont font = MakeFont({CourierFamily(), QStringLiteral("Courier New"), QStringLiteral("DejaVu Sans Mono"),
                           QStringLiteral("Monospace")},
                          pixelSize, bold, QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

QFont DefaultFont()
{
    return SansSerifFontPt(8.0);
}

QFont SmallFont(double points)
{
    return MakeFont({SmallFontFamily(), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")},
                    PointsToPixels(points), false, QFont::SansSerif);
}

QFont ChartFont(const QString& face, double points)
{
    if (face.compare(QStringLiteral("Small Font"), Qt::CaseInsensitive) == 0 ||
        face.compare(QStringLiteral("Small Fonts"), Qt::CaseInsensitive) == 0)
        return SmallFont(points);
    if (face.compare(QStringLiteral("Courier New"), Qt::CaseInsensitive) == 0)
        return CourierFont(PointsToPixels(points));
    if (face.compare(QStringLiteral("Verdana"), Qt::CaseInsensitive) == 0)
        return VerdanaFont(PointsToPixels(points));
    if (face.compare(QStringLiteral("Tahoma"), Qt::CaseInsensitive) == 0)
        return TahomaFont(points);
    return SansSerifFontPt(points);  // "MS Sans Serif" and anything unknown
}
