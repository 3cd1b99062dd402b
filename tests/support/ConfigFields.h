// The 27 settings of the file as one comparable value, for the tests and
// fuzzers that check what a load or a save round trip kept.
#pragma once

#include "Config.h"

#include <tuple>

inline auto FileFields(const ConfigType& c)
{
    return std::make_tuple(c.SkinIndex, c.LanguageId, c.SpaceColor, c.Decimals, c.Illuminant, c.Observer,
                           c.DensityStandardFilter, c.DensityReference, c.Dot1, c.Dot1Visible, c.Dot2,
                           c.Dot2Visible, c.Dot3, c.Dot3Visible, c.DotContrast1, c.DotGainFlexo,
                           c.OptimalDotGainFlexo, c.DotGainCurve1, c.DotGainCurve2, c.DotGainCurve3,
                           c.VisualIll1, c.VisualIll2, c.VisualIll3, c.MetamerismIllIndex, c.ProfileName,
                           c.MeasurementLog, c.MeasurementLogFolder);
}
