// What the Visual match page shows, without widgets: the record measured
// last, seen under three illuminants (its CIELAB colour relative to each
// illuminant's white, put on the screen as a D50 colour).
#pragma once

#include "CMS.h"
#include "ColorimetryModel.h"
#include "TData.h"

#include <array>
#include <optional>

constexpr int VisualMatchSwatches = 3;

// The default illuminants of the three choosers: A, D50, F11.
constexpr std::array<TIlluminant, VisualMatchSwatches> DefaultVisualIlluminants = {
    TIlluminant::A, TIlluminant::D50, TIlluminant::F11};

// The illuminants the settings "VisualIll1" .. "VisualIll3" name; an index
// outside the list stands for that chooser's default.
std::array<TIlluminant, VisualMatchSwatches> VisualIlluminants(int setting1, int setting2, int setting3);

// The three swatch colours; none while nothing has been measured (the swatches
// stay as they are). Afterwards both main records hold the values of the
// current viewing conditions again, differences included.
std::array<std::optional<TScreenColor>, VisualMatchSwatches>
VisualMatchColors(TData* lastMeasured, const std::array<TIlluminant, VisualMatchSwatches>& illuminants,
                  TData& reference, TData& compared, const TViewingConditions& conditions);
