// The Colorimetry page's captions and figures (see ColorimetryModel.h).
#include "ColorimetryModel.h"

#include "ColorCalc.h"
#include "SpectroFormat.h"
#include "Spectra.h"

namespace {

constexpr int FixedDecimals = 2;  // coordinates 3 .. 5 and the differences

bool Blank(const QString& caption)
{
    return caption.trimmed().isEmpty();
}

bool ShowsCielabDifferences(TColorSpace space)
{
    return space != TColorSpace::CIEXYZ && space != TColorSpace::CIExyY;
}

// Coordinates 1 and 2 with the space's decimals, 3 .. 5 with two.
std::array<QString, 5> CoordinateTexts(const TData& record, int decimals)
{
    std::array<QString, 5> texts;
    for (int i = 0; i < 5; ++i)
        texts[std::size_t(i)] = SpectroFormat(record.Coord[std::size_t(i)], i < 2 ? decimals : FixedDecimals);
    return texts;
}

}  // namespace

TViewingConditions CurrentConditions()
{
    return {CurColorSpace, CurIlluminant, CurObserver};
}

TSpaceCaptions SpaceCaptions(TColorSpace space)
{
    const TSpaceLabels& row = SpaceLabels[int(space)];
    TSpaceCaptions captions;
    for (std::size_t i = 0; i < 5; ++i) {
        captions.Coord[i] = QString::fromUtf8(row.Coord[i]);
        captions.Delta[i] = QString::fromUtf8(row.Delta[i]);
    }
    captions.Total = QString::fromUtf8(row.Delta[5]);
    captions.Coord4Visible = !Blank(captions.Coord[3]);
    captions.Coord5Visible = !Blank(captions.Coord[4]);
    captions.Delta4Visible = !Blank(captions.Delta[3]);
    captions.Delta5Visible = !Blank(captions.Delta[4]);
    captions.TotalVisible = !Blank(captions.Total);
    return captions;
}

TColorimetryFigures ColorimetryFigures(TData& reference, TData& compared, const TViewingConditions& conditions,
                                       TIlluminant metamerismIlluminant)
{
    const int decimals = SpaceLabels[int(conditions.Space)].Decimals;
    TColorimetryFigures figures;

    CalcColorValues(reference, conditions.Space, conditions.Illuminant, conditions.Observer);
    CalcColorValues(compared, conditions.Space, conditions.Illuminant, conditions.Observer);
    figures.Reference = CoordinateTexts(reference, decimals);
    figures.Compared = CoordinateTexts(compared, decimals);

    if (ShowsCielabDifferences(conditions.Space)) {
        CalcDeltaE(reference, compared, conditions.Space, conditions.Illuminant, conditions.Observer);
        const double deltas[5] = {compared.DeltaL, compared.DeltaA, compared.DeltaB, compared.DeltaC,
                                  compared.DeltaH};
        for (std::size_t i = 0; i < 5; ++i)
            figures.Delta[i] = SpectroFormat(deltas[i], FixedDecimals);
    } else {
        // XYZ and xyY: the differences of the shown coordinates; the total
        // difference is then ΔE*ab (the engine computes it in CIELAB).
        figures.Delta[0] = SpectroFormat(compared.Coord[0] - reference.Coord[0], decimals);
        figures.Delta[1] = SpectroFormat(compared.Coord[1] - reference.Coord[1], decimals);
        figures.Delta[2] = SpectroFormat(compared.Coord[2] - reference.Coord[2], FixedDecimals);
        CalcDeltaE(reference, compared, conditions.Space, conditions.Illuminant, conditions.Observer);
    }
    figures.Total = SpectroFormat(compared.DeltaE, FixedDecimals);

    if (!SpectrumIsEmpty(compared.Spectrum))
        figures.MetamerismIndex = MetamerismIndex(reference, compared, TIlluminant::D50, TObserver::Obs2,
                                                  metamerismIlluminant, TObserver::Obs2);
    figures.Metamerism = SpectroFormat(figures.MetamerismIndex, FixedDecimals);
    return figures;
}

TScreenColor SwatchColor(TData& record, const TViewingConditions& conditions)
{
    CalcColorValues(record, TColorSpace::CIELAB, conditions.Illuminant, conditions.Observer);
    return LabToScreen(record.Coord[0], record.Coord[1], record.Coord[2]);
}

TIlluminant IlluminantAt(int index, TIlluminant fallback)
{
    if (index < 0 || index >= IlluminantCount)
        return fallback;
    return static_cast<TIlluminant>(index);
}

TArrowState ArrowState(const TData& reference, const TData& compared)
{
    return {!SpectrumIsEmpty(reference.Spectrum), !SpectrumIsEmpty(compared.Spectrum)};
}
