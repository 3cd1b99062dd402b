// The CIELab diagram: background picture, axes, chroma circles, labels and
// the crosses of the two records.
#include "LabDiagram.h"

#include "ColorCalc.h"

#include <QFile>

namespace {

void Cross(TCanvas& area, TPoint c)
{
    area.MoveTo(c.X, c.Y - 20);
    area.LineTo(c.X, c.Y + 20);
    area.MoveTo(c.X - 20, c.Y);
    area.LineTo(c.X + 20, c.Y);
}

// The position of the record's CIELAB a*, b* under the current illuminant
// and observer (computed into the record).
TPoint LabPosition(const TLabGeometry& g, TData& record)
{
    CalcColorValues(record, TColorSpace::CIELAB, CurIlluminant, CurObserver);
    return g.At(record.Coord[1], record.Coord[2]);
}

}  // namespace

TLabGeometry LabGeometry(const TDrawingArea& area)
{
    TLabGeometry g;
    const int w = area.Bounds.Width(), h = area.Bounds.Height();
    g.Plot = TRect{20, 20, w - 20, h - 20};
    g.CX = Div(w, 2);
    g.CY = Div(h, 2);
    g.GX = g.Plot.Width() / 26.0;
    g.GY = g.Plot.Height() / 26.0;
    g.PX = g.Plot.Width() / 260.0;
    g.PY = g.Plot.Height() / 260.0;
    return g;
}

QImage LoadCielabPicture(const QString& folder)
{
    QImage picture;
    const QString path = folder + QString::fromLatin1(CielabPictureName);
    if (!QFile::exists(path) || !picture.load(path))
        return QImage();
    return picture;
}

void DrawLabBackground(TCanvas& area, const QImage& picture)
{
    if (picture.isNull())
        return;
    const TLabGeometry g = LabGeometry(area.Area());
    area.Draw(g.Plot.Left, g.Plot.Top, picture);
}

void DrawLabDiagram(TCanvas& area)
{
    const TLabGeometry g = LabGeometry(area.Area());
    const TRect& p = g.Plot;
    area.SetPenColor(ChartColor::Grey);
    area.SetPenStyle(TPenStyle::Solid);
    area.SetFont(QString::fromLatin1(SmallChartFace), 8);
    area.SetFontColor(ChartColor::Grey);
    area.SetPenWidth(2);
    area.MoveTo(p.Left, g.CY);
    area.LineTo(p.Right, g.CY);
    area.MoveTo(g.CX, p.Bottom);
    area.LineTo(g.CX, p.Top);

    area.SetPenWidth(1);
    for (int i = 3; i <= 9; i += 3) {
        const int r = Rnd(g.GX * i), s = Rnd(g.GY * i);
        const int x1 = p.Left + r, y1 = p.Top + s, x2 = p.Right - r, y2 = p.Bottom - s;
        // Two half circles: lower-left to upper-right and back.
        area.Arc(x1, y1, x2, y2, x1, y2, x2, y1);
        area.Arc(x1, y1, x2, y2, x2, y1, x1, y2);
    }

    area.SetBrushColor(ChartColor::White);  // the panel's background
    const QString minusA = QStringLiteral("- a "), plusA = QStringLiteral(" + a");
    const QString minusB = QStringLiteral("- b"), plusB = QStringLiteral("+ b");
    area.TextOut(p.Left - area.TextWidth(minusA), g.CY - Div(area.TextHeight(minusA), 2), minusA);
    area.TextOut(p.Right, g.CY - Div(area.TextHeight(plusA), 2), plusA);
    area.TextOut(g.CX + 4, p.Bottom, minusB);
    area.TextOut(g.CX + 4, p.Top - area.TextHeight(plusB), plusB);
}

void DrawLabPoints(TCanvas& area, TData* reference, TData* measure)
{
    const TLabGeometry g = LabGeometry(area.Area());
    area.SetPenWidth(1);
    area.SetPenStyle(TPenStyle::Solid);
    area.SetPenColor(ChartColor::Black);
    if (reference != nullptr) {
        if (!SpectrumIsEmpty(reference->Spectrum))
            Cross(area, LabPosition(g, *reference));
        else
            Cross(area, TPoint{g.CX, g.CY});
    }
    area.SetPenColor(ChartColor::White);
    if (measure != nullptr && !SpectrumIsEmpty(measure->Spectrum))
        Cross(area, LabPosition(g, *measure));
}
