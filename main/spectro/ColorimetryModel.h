// What the Colorimetry page shows for the two records and the viewing
// conditions, without widgets: the captions of the colour space with the rows
// they hide, and the coordinates, differences, total difference and
// metamerism index as the page writes them. The records are the program's
// scratch pads: computing the figures recomputes them, as the page does.
#pragma once

#include "CMS.h"
#include "TData.h"

#include <QString>

#include <array>

struct TViewingConditions {
    TColorSpace Space = TColorSpace::CIELAB;
    TIlluminant Illuminant = TIlluminant::D50;
    TObserver Observer = TObserver::Obs2;
};

// The program-wide current viewing conditions.
TViewingConditions CurrentConditions();

// Captions of the three panels and which value rows show.
struct TSpaceCaptions {
    std::array<QString, 5> Coord;  // L01 .. L05 and L11 .. L15
    std::array<QString, 5> Delta;  // L21 .. L25
    QString Total;                 // LdE and LdE1
    bool Coord4Visible = true;     // LC04, LM04
    bool Coord5Visible = true;     // LC05, LM05
    bool Delta4Visible = true;     // LD04
    bool Delta5Visible = true;     // LD05
    bool TotalVisible = true;      // deL
};

TSpaceCaptions SpaceCaptions(TColorSpace space);

// The texts of the value labels.
struct TColorimetryFigures {
    std::array<QString, 5> Reference;  // LC01 .. LC05
    std::array<QString, 5> Compared;   // LM01 .. LM05
    std::array<QString, 5> Delta;      // LD01 .. LD05
    QString Total;                     // deL and DeL1
    QString Metamerism;                // IML11 and IML1
    double MetamerismIndex = 0;        // the index itself
};

// Recomputes both records under `conditions` and returns what the page
// shows; the metamerism index is taken between D50 and `metamerismIlluminant`
// (both 2°) unless the compared spectrum is empty.
TColorimetryFigures ColorimetryFigures(TData& reference, TData& compared, const TViewingConditions& conditions,
                                       TIlluminant metamerismIlluminant);

// The swatch colour of a freshly measured record: its CIELAB colour under the
// current illuminant and observer through the display profile.
TScreenColor SwatchColor(TData& record, const TViewingConditions& conditions);

// The illuminant of a chooser's item index; `fallback` for an index outside
// the list (a settings file may hold any number).
TIlluminant IlluminantAt(int index, TIlluminant fallback);

// Whether the bar and arrow from a swatch to the differences carry a
// measurement (drawn filled) or not yet (drawn as an outline).
struct TArrowState {
    bool Reference = false;
    bool Compared = false;
};
TArrowState ArrowState(const TData& reference, const TData& compared);
