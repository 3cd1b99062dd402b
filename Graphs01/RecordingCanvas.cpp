// Recording canvas for tests: every primitive becomes a TCanvasCall.
#include "RecordingCanvas.h"

#include <QImage>

std::vector<TPoint> TCanvasCall::Points() const
{
    std::vector<TPoint> points;
    for (std::size_t i = 0; i + 1 < Args.size(); i += 2)
        points.push_back(TPoint{Args[i], Args[i + 1]});
    return points;
}

TRecordingCanvas::TRecordingCanvas(TDrawingArea area, int charWidth, int lineHeight)
    : CharWidth(charWidth), LineHeight(lineHeight), AreaValue(area)
{
}

TCanvasCall& TRecordingCanvas::Record(TCanvasOp op, std::vector<int> args)
{
    TCanvasCall call;
    call.Op = op;
    call.Args = std::move(args);
    call.PenColor = Pen.Color;
    call.PenWidth = Pen.Width;
    call.PenStyle = Pen.Style;
    call.BrushColor = BrushColour;
    call.FontColor = FontColour;
    call.FontFace = Face;
    call.FontPoints = Points;
    Recorded.push_back(std::move(call));
    return Recorded.back();
}

void TRecordingCanvas::FillRect(const TRect& r) { Record(TCanvasOp::FillRect, {r.Left, r.Top, r.Right, r.Bottom}); }

void TRecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) { Record(TCanvasOp::Rectangle, {x1, y1, x2, y2}); }

void TRecordingCanvas::Ellipse(int x1, int y1, int x2, int y2) { Record(TCanvasOp::Ellipse, {x1, y1, x2, y2}); }

void TRecordingCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    Record(TCanvasOp::Arc, {x1, y1, x2, y2, x3, y3, x4, y4});
}

void TRecordingCanvas::Polygon(std::span<const TPoint> points)
{
    std::vector<int> args;
    for (const TPoint& p : points) {
        args.push_back(p.X);
        args.push_back(p.Y);
    }
    Record(TCanvasOp::Polygon, std::move(args));
}

void TRecordingCanvas::TextOut(int x, int y, const QString& text) { Record(TCanvasOp::TextOut, {x, y}).Text = text; }

int TRecordingCanvas::TextWidth(const QString& text) { return CharWidth * static_cast<int>(text.size()); }

int TRecordingCanvas::TextHeight(const QString&) { return LineHeight; }

void TRecordingCanvas::Draw(int x, int y, const QImage& picture)
{
    Record(TCanvasOp::Draw, {x, y, picture.width(), picture.height()});
}

void TRecordingCanvas::BevelFrame(TRect& rect, TColor top, TColor bottom)
{
    TCanvasCall& call = Record(TCanvasOp::BevelFrame, {rect.Left, rect.Top, rect.Right, rect.Bottom});
    call.FrameTop = top;
    call.FrameBottom = bottom;
    InsideFrame = true;
    TCanvas::BevelFrame(rect, top, bottom);
    InsideFrame = false;
}

void TRecordingCanvas::Line(TPoint from, TPoint to)
{
    if (!InsideFrame)
        Record(TCanvasOp::Line, {from.X, from.Y, to.X, to.Y});
}

std::vector<TCanvasCall> TRecordingCanvas::CallsOf(TCanvasOp op) const
{
    std::vector<TCanvasCall> calls;
    for (const TCanvasCall& call : Recorded)
        if (call.Op == op)
            calls.push_back(call);
    return calls;
}

const TCanvasCall* TRecordingCanvas::FindText(const QString& text) const
{
    for (const TCanvasCall& call : Recorded)
        if (call.Op == TCanvasOp::TextOut && call.Text == text)
            return &call;
    return nullptr;
}
