// Colorimetric conversions, colour differences and the metamerism index of
// sample records. No state of their own: every result lands in the record.
#pragma once

#include "TData.h"

enum class TCmfComponent : int { XBar = 0, YBar = 1, ZBar = 2 };

double WeightingFactor(TCmfComponent component, TIlluminant illuminant, TObserver observer, int index);
// 0 when the base is 0, otherwise exp(exponent * ln base).
double PowerReal(double base, double exponent);

void CalcXYZ(TData& record, TIlluminant illuminant, TObserver observer);
void CalcWhitePoint(TData& record, TIlluminant illuminant, TObserver observer);
void XYZToLab(TData& record);
void XYZToLuv(TData& record);
void XYZToLabmg(TData& record);
void CalcDisplayColor(TData& record, TIlluminant illuminant, TObserver observer);
void CalcColorValues(TData& record, TColorSpace space, TIlluminant illuminant, TObserver observer);

// Recomputes both records (reference first), stores the differences
// (compared minus reference) in `compared` and returns DeltaE.
double CalcDeltaE(TData& reference, TData& compared, TColorSpace space, TIlluminant illuminant,
                  TObserver observer);
double MetamerismIndex(TData& reference, TData& compared, TIlluminant illuminant1, TObserver observer1,
                       TIlluminant illuminant2, TObserver observer2);
