// How one tab of a page control is drawn: the same rules for all four page
// controls of the main window, with two switches that tell them apart.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QPainter;

// Colours the tab rules use.
inline constexpr QRgb ActiveTabTextRgb = 0x000080;   // navy
inline constexpr QRgb InactiveTabTextRgb = 0x000000; // black
inline constexpr QRgb ActiveTabWhiteRgb = 0xFFFFFF;

// Where the caption goes: x = left + (width - text width) div 2,
// y = top + (height - height of "M") div 2, both divisions truncating towards
// zero (a caption wider than the tab starts left of it).
QPoint TabCaptionOrigin(const QRect& rect, int textWidth, int mHeight);

// Draws one tab with the painter's current font:
//  1. remembers the fill colour (`background`, the control's background);
//  2. active tab: navy text, and a white fill when `whiteActiveFill`;
//     other tabs: the rectangle is filled with the fill colour, black text;
//  3. writes `caption` at TabCaptionOrigin, its text cell filled with the
//     current fill colour;
//  4. restores the remembered fill colour: before the caption when
//     `restoreFillBeforeText` (densitometry and top-level tabs, whose active
//     caption therefore sits on the normal background), after it otherwise
//     (spectro and Setup tabs, whose active caption sits on white).
// The painter's pen, brush and background are left as they were.
void DrawPageTab(QPainter& painter, const QRect& rect, const QString& caption, bool active,
                 bool whiteActiveFill, bool restoreFillBeforeText, const QColor& background);
