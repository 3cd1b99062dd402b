// A canvas that draws nothing and records every primitive with the drawing
// state it was made in, so that tests check chart geometry by numbers.
// Text metrics are fixed (CharWidth pixels per character, LineHeight pixels
// high) so that label positions are predictable.
#pragma once

#include "Canvas.h"

#include <vector>

enum class TCanvasOp : std::uint8_t {
    FillRect, Rectangle, Line, Ellipse, Arc, Polygon, TextOut, Draw, BevelFrame
};

struct TCanvasCall {
    TCanvasOp Op{};
    // FillRect, Rectangle, Ellipse, BevelFrame: x1 y1 x2 y2 as given (the
    //   frame's rectangle before it shrank);
    // Line: x1 y1 x2 y2 (from the current point to the end point);
    // Arc: the eight numbers; Polygon: x0 y0 x1 y1 ...;
    // TextOut: x y; Draw: x y width height of the picture.
    std::vector<int> Args;
    QString Text;  // TextOut only
    TColor PenColor, BrushColor, FontColor;
    int PenWidth = 1;
    TPenStyle PenStyle = TPenStyle::Solid;
    QString FontFace;
    double FontPoints = 0;
    TColor FrameTop, FrameBottom;  // BevelFrame only

    TPoint From() const { return TPoint{Args.at(0), Args.at(1)}; }
    TPoint To() const { return TPoint{Args.at(2), Args.at(3)}; }
    TRect Rect() const { return TRect{Args.at(0), Args.at(1), Args.at(2), Args.at(3)}; }
    std::vector<TPoint> Points() const;
};

class TRecordingCanvas : public TCanvas {
public:
    explicit TRecordingCanvas(TDrawingArea area, int charWidth = 6, int lineHeight = 13);

    TDrawingArea Area() const override { return AreaValue; }
    void FillRect(const TRect& rect) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void Polygon(std::span<const TPoint> points) override;
    void TextOut(int x, int y, const QString& text) override;
    int TextWidth(const QString& text) override;
    int TextHeight(const QString& text) override;
    void Draw(int x, int y, const QImage& picture) override;
    void BevelFrame(TRect& rect, TColor top, TColor bottom) override;

    const std::vector<TCanvasCall>& Calls() const { return Recorded; }
    std::vector<TCanvasCall> CallsOf(TCanvasOp op) const;
    // The first TextOut of exactly this text, or nullptr.
    const TCanvasCall* FindText(const QString& text) const;
    void ClearCalls() { Recorded.clear(); }

    const int CharWidth;
    const int LineHeight;

protected:
    void Line(TPoint from, TPoint to) override;

private:
    TCanvasCall& Record(TCanvasOp op, std::vector<int> args);

    TDrawingArea AreaValue;
    std::vector<TCanvasCall> Recorded;
    bool InsideFrame = false;
};
