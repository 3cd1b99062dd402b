// The parts of the canvas every implementation shares: font choice, the
// current point and the bevel frame built from lines.
#include "Canvas.h"

void TCanvas::SetFont(const QString& face, double points)
{
    Face = face;
    Points = points;
    FontChanged();
}

void TCanvas::LineTo(int x, int y)
{
    const TPoint to{x, y};
    Line(Current, to);
    Current = to;
}

void TCanvas::BevelFrame(TRect& rect, TColor top, TColor bottom)
{
    if (rect.Right < rect.Left)
        std::swap(rect.Left, rect.Right);
    if (rect.Bottom < rect.Top)
        std::swap(rect.Top, rect.Bottom);
    SetPenWidth(1);
    SetPenStyle(TPenStyle::Solid);
    if (rect.Width() > 0 && rect.Height() > 0) {
        const int right = rect.Right - 1, bottom_ = rect.Bottom - 1;
        // Left edge then top edge; the top-right pixel belongs to the right edge.
        SetPenColor(top);
        MoveTo(rect.Left, bottom_);
        LineTo(rect.Left, rect.Top);
        LineTo(right, rect.Top);
        // Right edge then bottom edge, down to and including the bottom-left pixel.
        SetPenColor(bottom);
        LineTo(right, bottom_);
        LineTo(rect.Left - 1, bottom_);
    }
    SetPenColor(bottom);
    rect = TRect{rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1};
}
