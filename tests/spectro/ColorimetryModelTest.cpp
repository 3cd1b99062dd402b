// The Colorimetry and Visual match pages' figures and the reflectance
// read-out, without a window.
#include "SpectroTestSupport.h"

#include "ColorCalc.h"
#include "ColorimetryModel.h"
#include "ReflectanceReadout.h"
#include "SpectroFormat.h"
#include "VisualMatchModel.h"

#include <limits>

using namespace spectrotest;

namespace {

class ColorimetryModelTest : public TSpectroFixture {};

TEST_F(ColorimetryModelTest, CaptionsAndHiddenRowsPerColourSpace)
{
    const struct {
        TColorSpace Space;
        const char* First;
        const char* FirstDelta;
        const char* Total;
        bool FourthAndFifthShown;
    } cases[] = {
        {TColorSpace::CIELAB, "L* :", "dL* :", "dE* :", true},
        {TColorSpace::CIELab94, "L :", "dL :", "dE94 :", true},
        {TColorSpace::CMC11, "L :", "dL :", "dE (1:1) :", true},
        {TColorSpace::CMC21, "L :", "dL :", "dE (2:1) :", true},
        {TColorSpace::CIELuv, "L :", "dL :", "dEuv :", true},
        {TColorSpace::CIEXYZ, "X :", "dX :", "dE :", false},
        {TColorSpace::CIExyY, "x :", "dx :", "dE :", false},
        {TColorSpace::LABmg, "Lmg :", "dL :", "dEmg :", true},
    };
    for (const auto& c : cases) {
        const TSpaceCaptions captions = SpaceCaptions(c.Space);
        EXPECT_EQ(captions.Coord[0], c.First) << int(c.Space);
        EXPECT_EQ(captions.Delta[0], c.FirstDelta) << int(c.Space);
        EXPECT_EQ(captions.Total, c.Total) << int(c.Space);
        EXPECT_EQ(captions.Coord4Visible, c.FourthAndFifthShown) << int(c.Space);
        EXPECT_EQ(captions.Coord5Visible, c.FourthAndFifthShown) << int(c.Space);
        EXPECT_EQ(captions.Delta4Visible, c.FourthAndFifthShown) << int(c.Space);
        EXPECT_EQ(captions.Delta5Visible, c.FourthAndFifthShown) << int(c.Space);
        EXPECT_TRUE(captions.TotalVisible);
    }
    const TSpaceCaptions xyY = SpaceCaptions(TColorSpace::CIExyY);
    EXPECT_EQ(xyY.Coord[1], "y :");
    EXPECT_EQ(xyY.Coord[2], "Y :");
}

TEST_F(ColorimetryModelTest, EmptyRecordsShowZerosInEverySpace)
{
    for (int space = 0; space < ColorSpaceCount; ++space) {
        TData reference(EmptySpectrum), compared(EmptySpectrum);
        const TColorimetryFigures f =
            ColorimetryFigures(reference, compared, {TColorSpace(space), TIlluminant::D50, TObserver::Obs2},
                               TIlluminant::A);
        const QString zero = space == int(TColorSpace::CIExyY) ? "0.0000" : "0.00";
        EXPECT_EQ(f.Reference[0], zero) << space;
        EXPECT_EQ(f.Compared[1], zero) << space;
        EXPECT_EQ(f.Reference[2], "0.00") << space;
        EXPECT_EQ(f.Delta[0], zero) << space;
        EXPECT_EQ(f.Total, "0.00") << space;
        EXPECT_EQ(f.Metamerism, "0.00") << space;
    }
}

TEST_F(ColorimetryModelTest, ReferenceOnlyLeavesComparedDifferencesAndIndexAtZero)
{
    TData reference(Flat(0.5)), compared(EmptySpectrum);
    const TColorimetryFigures f = ColorimetryFigures(reference, compared, {}, TIlluminant::A);
    EXPECT_EQ(f.Reference[0], "76.07");
    EXPECT_EQ(f.Reference[1], "0.00");
    EXPECT_EQ(f.Reference[4], "90.00");
    for (const QString& text : f.Compared)
        EXPECT_EQ(text, "0.00");
    for (const QString& text : f.Delta)
        EXPECT_EQ(text, "0.00");
    EXPECT_EQ(f.Total, "0.00");
    EXPECT_EQ(f.Metamerism, "0.00");
}

TEST_F(ColorimetryModelTest, xyYShowsFourDecimalsForxAndyAndTheCielabTotal)
{
    TData reference(Flat(0.5)), compared(Flat(0.25));
    const TViewingConditions xyY{TColorSpace::CIExyY, TIlluminant::D50, TObserver::Obs2};
    const TColorimetryFigures f = ColorimetryFigures(reference, compared, xyY, TIlluminant::A);
    // A flat spectrum has the chromaticity of the D50 white.
    EXPECT_EQ(f.Reference[0], "0.3457");
    EXPECT_EQ(f.Reference[1], "0.3586");
    EXPECT_EQ(f.Reference[2], "50.00");
    EXPECT_EQ(f.Compared[2], "25.00");
    EXPECT_EQ(f.Delta[0], "0.0000");
    EXPECT_EQ(f.Delta[1], "0.0000");
    EXPECT_EQ(f.Delta[2], "-25.00");
    EXPECT_EQ(f.Delta[3], "");
    EXPECT_EQ(f.Delta[4], "");
    // ΔE*ab of the pair.
    TData r(Flat(0.5)), c(Flat(0.25));
    const double deltaEab = CalcDeltaE(r, c, TColorSpace::CIELAB, TIlluminant::D50, TObserver::Obs2);
    EXPECT_EQ(f.Total, SpectroFormat(deltaEab, 2));
    EXPECT_EQ(f.Total, "18.99");
}

TEST_F(ColorimetryModelTest, HueDifferenceHasASignExceptUnderCie94)
{
    const struct {
        TColorSpace Space;
        bool Negative;
    } cases[] = {{TColorSpace::CIELAB, true}, {TColorSpace::CIELab94, false}, {TColorSpace::CMC11, true}};
    for (const auto& c : cases) {
        // Less red: the hue angle of the compared patch falls.
        TData reference(TwoBands(0.3, 0.1)), compared(TwoBands(0.1, 0.1));
        const TColorimetryFigures f =
            ColorimetryFigures(reference, compared, {c.Space, TIlluminant::D50, TObserver::Obs2}, TIlluminant::A);
        EXPECT_EQ(f.Delta[4].startsWith('-'), c.Negative) << int(c.Space) << " " << f.Delta[4].toStdString();
        EXPECT_NE(f.Delta[4], "0.00");
    }
}

TEST_F(ColorimetryModelTest, MetamerismOfOnePatchTwice)
{
    for (int ill = 0; ill < IlluminantCount; ++ill) {
        TData reference(TwoBands(0.3, 0.2)), compared(TwoBands(0.3, 0.2));
        const TColorimetryFigures f = ColorimetryFigures(reference, compared, {}, TIlluminant(ill));
        EXPECT_NEAR(f.MetamerismIndex, 0.0, 1e-9) << ill;
        EXPECT_EQ(f.Metamerism, "0.00") << ill;
        if (TIlluminant(ill) == TIlluminant::D50) {
            EXPECT_EQ(f.MetamerismIndex, 0.0);
        }
    }
    // A metameric pair gets an index.
    TData reference(TwoBands(0.3, 0.2)), compared(TwoBands(0.1, 0.3));
    EXPECT_GT(ColorimetryFigures(reference, compared, {}, TIlluminant::A).MetamerismIndex, 0.1);
}

TEST_F(ColorimetryModelTest, TheLocaleDecimalSeparatorAndMinusSign)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TData reference(Flat(0.5)), compared(Flat(0.25));
    const TColorimetryFigures f =
        ColorimetryFigures(reference, compared, {TColorSpace::CIExyY, TIlluminant::D50, TObserver::Obs2},
                           TIlluminant::A);
    EXPECT_EQ(f.Reference[0], "0,3457");
    EXPECT_EQ(f.Delta[2], "-25,00");
    EXPECT_EQ(ReflectanceReadout(19, reference), "570nm.= 50,00%");
}

TEST_F(ColorimetryModelTest, NumberFormat)
{
    const struct {
        double Value;
        int Decimals;
        const char* Text;
    } cases[] = {
        {0, 2, "0.00"},          {45.2349, 2, "45.23"},   {-3.14159, 2, "-3.14"}, {0.34567, 4, "0.3457"},
        {1234567.891, 2, "1234567.89"}, {2.4, 0, " 2"},   {std::numeric_limits<double>::quiet_NaN(), 2, "-"},
        {std::numeric_limits<double>::infinity(), 2, "-"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SpectroFormat(c.Value, c.Decimals), c.Text) << c.Value;
}

TEST_F(ColorimetryModelTest, ReflectanceReadoutText)
{
    TSpectrum s = Flat(0);
    s[19] = 0.4523;
    s[0] = 0.1;
    s[35] = 0.9;
    const TData record(s);
    EXPECT_EQ(ReflectanceReadout(19, record), "570nm.= 45.23%");
    EXPECT_EQ(ReflectanceReadout(7, record), "450nm.= 0.00%");
    // Far outside the spectrum: its nearest end.
    EXPECT_EQ(ReflectanceReadout(-4, record), "380nm.= 10.00%");
    EXPECT_EQ(ReflectanceReadout(99, record), "730nm.= 90.00%");
}

TEST_F(ColorimetryModelTest, IlluminantOfAChooserIndex)
{
    EXPECT_EQ(IlluminantAt(3, TIlluminant::A), TIlluminant::D65);
    EXPECT_EQ(IlluminantAt(-1, TIlluminant::A), TIlluminant::A);
    EXPECT_EQ(IlluminantAt(5, TIlluminant::F11), TIlluminant::F11);
    const auto defaults = VisualIlluminants(0, 2, 4);
    EXPECT_EQ(defaults, DefaultVisualIlluminants);
    const auto broken = VisualIlluminants(17, -2, 1);
    EXPECT_EQ(broken[0], TIlluminant::A);
    EXPECT_EQ(broken[1], TIlluminant::D50);
    EXPECT_EQ(broken[2], TIlluminant::C);
}

TEST_F(ColorimetryModelTest, ArrowsFollowTheMeasuredRecords)
{
    TData empty(EmptySpectrum), measured(Flat(0.5));
    EXPECT_FALSE(ArrowState(empty, empty).Reference);
    EXPECT_FALSE(ArrowState(empty, empty).Compared);
    EXPECT_TRUE(ArrowState(measured, empty).Reference);
    EXPECT_FALSE(ArrowState(measured, empty).Compared);
    EXPECT_TRUE(ArrowState(empty, measured).Compared);
}

class VisualMatchModelTest : public TSpectroFixture {};

TEST_F(VisualMatchModelTest, NothingMeasuredNoColours)
{
    TData reference(EmptySpectrum), compared(EmptySpectrum);
    const auto colours = VisualMatchColors(nullptr, DefaultVisualIlluminants, reference, compared, {});
    for (const auto& c : colours)
        EXPECT_FALSE(c.has_value());
}

TEST_F(VisualMatchModelTest, ColoursUnderThreeIlluminants)
{
    TData reference(TwoBands(0.4, 0.3)), compared(Flat(0.5));
    const auto same = VisualMatchColors(&reference, {TIlluminant::D65, TIlluminant::D65, TIlluminant::D65}, reference,
                                        compared, {});
    ASSERT_TRUE(same[0] && same[1] && same[2]);
    EXPECT_EQ(same[0]->Packed(), same[1]->Packed());
    EXPECT_EQ(same[1]->Packed(), same[2]->Packed());

    // A coloured patch shifts from one light to the next; a neutral one does not.
    const auto coloured = VisualMatchColors(&reference, DefaultVisualIlluminants, reference, compared, {});
    EXPECT_NE(coloured[0]->Packed(), coloured[2]->Packed());
    const auto neutral = VisualMatchColors(&compared, DefaultVisualIlluminants, reference, compared, {});
    EXPECT_EQ(neutral[0]->Packed(), neutral[1]->Packed());
    EXPECT_EQ(neutral[1]->Packed(), neutral[2]->Packed());

    // The swatch is the CIELAB colour under that illuminant.
    TData copy(TwoBands(0.4, 0.3));
    CalcColorValues(copy, TColorSpace::CIELAB, TIlluminant::F11, TObserver::Obs2);
    EXPECT_EQ(coloured[2]->Packed(), LabToScreen(copy.Coord[0], copy.Coord[1], copy.Coord[2]).Packed());
}

TEST_F(VisualMatchModelTest, RecordsHoldTheCurrentConditionsAfterwards)
{
    TData reference(TwoBands(0.4, 0.3)), compared(TwoBands(0.2, 0.3));
    const TViewingConditions luv{TColorSpace::CIELuv, TIlluminant::D65, TObserver::Obs10};
    VisualMatchColors(&compared, DefaultVisualIlluminants, reference, compared, luv);
    TData r(TwoBands(0.4, 0.3)), c(TwoBands(0.2, 0.3));
    CalcDeltaE(r, c, TColorSpace::CIELuv, TIlluminant::D65, TObserver::Obs10);
    EXPECT_EQ(reference.Coord, r.Coord);
    EXPECT_EQ(compared.Coord, c.Coord);
    EXPECT_EQ(compared.DeltaE, c.DeltaE);
}

}  // namespace
