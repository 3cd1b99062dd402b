// The control strip: the sheet's patches in printed groups, measurement files
// read with the calculator's readers, and each patch's figures.
#include "ControlStrip.h"

#include "CMS.h"
#include "ColorCalc.h"
#include "EyeOneSimControl.h"
#include "SpectralInput.h"
#include "TData.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstring>

namespace SimWindow {
namespace {

const char* const InkNames[4] = {"cyan", "magenta", "yellow", "black"};

QString Capitalised(const QString& text)
{
    return text.isEmpty() ? text : text.left(1).toUpper() + text.mid(1);
}

bool SheetPatch(const QString& key, const QString& label, const QString& fullName, TStripPatch& patch)
{
    const QByteArray name = key.toLatin1();
    if (I1Sim_PatchSpectrum(name.constData(), patch.Reflectance.data()) != 0)
        return false;
    patch.Key = key;
    patch.Label = label;
    patch.FullName = fullName;
    ComputeAppearance(patch);
    return true;
}

void AddSheetPatch(TStripGroup& group, const QString& key, const QString& label, const QString& fullName)
{
    TStripPatch patch;
    if (SheetPatch(key, label, fullName, patch))
        group.Patches.push_back(patch);
}

// "cyan-50" -> 50, or -1 when the name is not a tint of that ink.
int TintPercent(const QString& name, const QString& ink)
{
    if (!name.startsWith(ink + QLatin1Char('-')))
        return -1;
    bool ok = false;
    const int percent = name.mid(ink.size() + 1).toInt(&ok);
    return ok ? percent : -1;
}

QString DisplayProfileFile()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(DisplayProfileName);
}

QString Number(double value, int decimals)
{
    // A true minus sign reads better than a hyphen next to the figures.
    return QString::number(value, 'f', decimals).replace(QLatin1Char('-'), QChar(0x2212));
}

}

void ComputeAppearance(TStripPatch& patch)
{
    ::TSpectrum spectrum{};
    for (std::size_t i = 0; i < spectrum.size(); ++i)
        spectrum[i] = patch.Reflectance[i];
    TData record(spectrum);
    CalcColorValues(record, TColorSpace::CIELAB, TIlluminant::D50, TObserver::Obs2);
    patch.Lab = {record.Coord[0], record.Coord[1], record.Coord[2]};
    I1Sim_SpectrumDensities(patch.Reflectance.data(), "DIN", patch.Densities.data());
    const TScreenColor screen = LabToScreenThrough(DisplayProfileFile(), patch.Lab[0], patch.Lab[1], patch.Lab[2]);
    patch.Screen = QColor(screen.R, screen.G, screen.B);
}

std::vector<TStripGroup> PressSheetGroups()
{
    std::vector<QString> names;
    for (int i = 0; i < I1Sim_PatchCount(); ++i)
        if (const char* name = I1Sim_PatchName(i))
            names.push_back(QString::fromLatin1(name));

    std::vector<TStripGroup> groups;
    TStripGroup solids{QStringLiteral("Paper and solids"), {}};
    AddSheetPatch(solids, QStringLiteral("paper"), QStringLiteral("Paper"), QStringLiteral("paper"));
    for (const char* ink : InkNames)
        AddSheetPatch(solids, QLatin1String(ink), Capitalised(QLatin1String(ink)),
                      QStringLiteral("%1 solid").arg(QLatin1String(ink)));
    groups.push_back(solids);

    for (const char* inkName : InkNames) {
        const QString ink = QLatin1String(inkName);
        TStripGroup tints{QStringLiteral("%1 tints").arg(Capitalised(ink)), {}};
        for (const QString& name : names) {
            const int percent = TintPercent(name, ink);
            if (percent > 0)
                AddSheetPatch(tints, name, QStringLiteral("%1 %").arg(percent),
                              QStringLiteral("%1 %2 %").arg(ink).arg(percent));
        }
        groups.push_back(tints);
    }

    TStripGroup overprints{QStringLiteral("Overprints"), {}};
    AddSheetPatch(overprints, QStringLiteral("red"), QStringLiteral("Red\nM+Y"), QStringLiteral("red (magenta + yellow)"));
    AddSheetPatch(overprints, QStringLiteral("green"), QStringLiteral("Green\nC+Y"), QStringLiteral("green (cyan + yellow)"));
    AddSheetPatch(overprints, QStringLiteral("blue"), QStringLiteral("Blue\nC+M"), QStringLiteral("blue (cyan + magenta)"));
    AddSheetPatch(overprints, QStringLiteral("cmy"), QStringLiteral("CMY"), QStringLiteral("cyan + magenta + yellow"));
    groups.push_back(overprints);
    return groups;
}

bool ReadMeasurementGroup(const QString& path, int fileNumber, TStripGroup& group, QString& error)
{
    spec2cie::TSpectralFile file;
    spec2cie::TInputError inputError;
    if (!spec2cie::ReadSpectralFile(path.toStdString(), spec2cie::TScale::Auto, file, inputError)) {
        error = QString::fromStdString(inputError.Text());
        return false;
    }
    if (file.Samples.empty()) {
        error = QStringLiteral("%1: no samples in the file").arg(path);
        return false;
    }
    const QString fileName = QFileInfo(path).fileName();
    TStripGroup read{fileName, {}};
    int index = 0;
    for (const spec2cie::TSpectralSample& sample : file.Samples) {
        TStripPatch patch;
        patch.FromFile = true;
        const QString id = QString::fromStdString(sample.Id);
        patch.Key = QStringLiteral("file %1 sample %2").arg(fileNumber).arg(++index);
        patch.Label = id;
        patch.FullName = QStringLiteral("%1 (%2, line %3)").arg(id, fileName).arg(sample.Line);
        for (std::size_t i = 0; i < patch.Reflectance.size(); ++i)
            patch.Reflectance[i] = static_cast<float>(sample.Spectrum[i]);
        ComputeAppearance(patch);
        read.Patches.push_back(patch);
    }
    group = read;
    return true;
}

QString LabText(const TStripPatch& patch)
{
    return QStringLiteral("L* %1   a* %2   b* %3")
        .arg(Number(patch.Lab[0], 1), Number(patch.Lab[1], 1), Number(patch.Lab[2], 1));
}

QString DensityText(const TStripPatch& patch, const TStripPatch* paper)
{
    static const char* const letters[4] = {"C", "M", "Y", "V"};
    QStringList parts;
    for (int i = 0; i < 4; ++i) {
        const double d = patch.Densities[i] - (paper ? paper->Densities[i] : 0.0f);
        parts << QStringLiteral("%1 %2").arg(QLatin1String(letters[i]), Number(d, 2));
    }
    return parts.join(QStringLiteral("   "));
}

}
