// Metamerism index of a pair of samples between two illuminants: the compared
// sample under the second illuminant is corrected multiplicatively by the
// reference's change between the illuminants (von Kries-like, per tristimulus
// component), and its CIELAB distance to the compared sample under the first
// illuminant is the index.
#include "ColorCalc.h"

#include <cmath>

namespace {

struct TTristimulus {
    double X, Y, Z;
};

TTristimulus TristimulusOf(TData& record, TIlluminant illuminant, TObserver observer) {
    CalcXYZ(record, illuminant, observer);
    return {record.X, record.Y, record.Z};
}

double Corrected(double s2, double r1, double r2) {
    return r2 == 0.0 ? s2 : s2 * r1 / r2;
}

}  // namespace

double MetamerismIndex(TData& reference, TData& compared, TIlluminant illuminant1, TObserver observer1,
                       TIlluminant illuminant2, TObserver observer2) {
    const TTristimulus r1 = TristimulusOf(reference, illuminant1, observer1);
    const TTristimulus r2 = TristimulusOf(reference, illuminant2, observer2);
    const TTristimulus s1 = TristimulusOf(compared, illuminant1, observer1);
    const TTristimulus s2 = TristimulusOf(compared, illuminant2, observer2);

    // Scratch records, both in CIELAB with the white point of the first conditions.
    TData corrected(EmptySpectrum);
    TData first(EmptySpectrum);
    CalcWhitePoint(corrected, illuminant1, observer1);
    CalcWhitePoint(first, illuminant1, observer1);
    corrected.X = Corrected(s2.X, r1.X, r2.X);
    corrected.Y = Corrected(s2.Y, r1.Y, r2.Y);
    corrected.Z = Corrected(s2.Z, r1.Z, r2.Z);
    first.X = s1.X;
    first.Y = s1.Y;
    first.Z = s1.Z;
    XYZToLab(corrected);
    XYZToLab(first);

    const double dl = corrected.Coord[0] - first.Coord[0];
    const double da = corrected.Coord[1] - first.Coord[1];
    const double db = corrected.Coord[2] - first.Coord[2];
    return std::sqrt(dl * dl + da * da + db * db);
}
