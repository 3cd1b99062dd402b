// Saves pictures of the spectro tab's charts (empty and after a reference and
// a compared measurement) into the folder named on the command line, so that
// a developer can look at them.
#include "ChartFixtures.h"
#include "Fonts.h"
#include "Graphs01.h"
#include "QtCanvas.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <functional>

namespace {

void Save(const QString& folder, const QString& name, TDrawingArea area, const std::function<void(TCanvas&)>& draw)
{
    QImage image(area.Width, area.Height, QImage::Format_RGB32);
    image.fill(QColor(0xEE, 0xEE, 0xEE));
    {
        QPainter painter(&image);
        TQtCanvas canvas(painter, area, ChartFont);
        draw(canvas);
    }
    image.scaled(image.size() * 2).save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

void SaveAll(const QString& folder, const QString& suffix, TData& reference, TData& measure, const QImage& cielab)
{
    Save(folder, "reflectance" + suffix, charts::PBX1, [&](TCanvas& c) {
        DrawReflectanceGrid(c);
        DrawReflectanceCurve(c, reference.Spectrum, ChartColor::Blue);
        DrawReflectanceCurve(c, measure.Spectrum, ChartColor::Red);
    });
    Save(folder, "deltaab" + suffix, charts::PBXab, [&](TCanvas& c) {
        DrawDeltaABAxes(c, &reference, &measure);
        DrawDeltaABPoint(c, &measure, ChartColor::Red);
        DrawToleranceEllipse(&reference, &measure, ChartColor::Red, c);
    });
    Save(folder, "deltal" + suffix, charts::PBXdl, [&](TCanvas& c) {
        DrawDeltaLAxes(c, &measure);
        DrawDeltaLArrow(c, &reference, &measure, ChartColor::Red);
    });
    Save(folder, "cielab" + suffix, charts::PBCircle, [&](TCanvas& c) {
        c.SetBrushColor(ChartColor::White);
        c.FillRect(c.Area().ClientRect());
        DrawLabBackground(c, cielab);
        DrawLabDiagram(c);
        DrawLabPoints(c, &reference, &measure);
    });
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    const QString exeFolder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const QImage cielab = LoadCielabPicture(exeFolder);
    TData emptyReference(EmptySpectrum), emptyMeasure(EmptySpectrum);
    SaveAll(folder, "-empty", emptyReference, emptyMeasure, cielab);
    TData reference(charts::Bump(0.08, 0.75, 600, 60));
    TData measure(charts::Bump(0.1, 0.7, 610, 55));
    CurColorSpace = TColorSpace::CMC21;
    SaveAll(folder, "-cmc", reference, measure, cielab);
    CurColorSpace = TColorSpace::CIELAB;
    SaveAll(folder, "-measured", reference, measure, cielab);
    if (!cielab.isNull())
        cielab.save(QDir(folder).filePath(QStringLiteral("cielab-picture.png")));
    return 0;
}
