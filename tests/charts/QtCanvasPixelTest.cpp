// The pixel rules of the Qt canvas, checked on the pixels of a real QImage.
#include "QtCanvas.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>

namespace {

constexpr int Size = 40;
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb RedPx = 0xFFFF0000;
constexpr QRgb BluePx = 0xFF0000FF;
constexpr QRgb GreyPx = 0xFF808080;
constexpr QRgb SilverPx = 0xFFC0C0C0;

// Draws on a white image of 40 x 40 and returns it.
QImage Drawn(const std::function<void(TCanvas&)>& draw)
{
    QImage image(Size, Size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    {
        TQtCanvas canvas(painter, AreaAt(0, 0, Size, Size));
        draw(canvas);
    }
    painter.end();
    return image;
}

// The pixels of `image` that are not white, as a string of rows ('#' set).
std::string Mask(const QImage& image, int x1, int y1, int x2, int y2)
{
    std::string s;
    for (int y = y1; y < y2; ++y) {
        for (int x = x1; x < x2; ++x)
            s += image.pixel(x, y) == White ? '.' : '#';
        s += '\n';
    }
    return s;
}

}  // namespace

TEST(QtCanvasPixels, FillCoversLeftTopButNotRightBottom)
{
    const QImage image = Drawn([](TCanvas& c) {
        c.SetBrushColor(ChartColor::Red);
        c.FillRect(TRect{2, 3, 5, 6});
    });
    EXPECT_EQ(Mask(image, 0, 0, 7, 8),
              ".......\n"
              ".......\n"
              ".......\n"
              "..###..\n"
              "..###..\n"
              "..###..\n"
              ".......\n"
              ".......\n");
    EXPECT_EQ(image.pixel(2, 3), RedPx);
}

TEST(QtCanvasPixels, LineLeavesOutItsEndPixel)
{
    struct TCase {
        const char* Name;
        TPoint From, To;
        TPoint LastDrawn, Excluded;
    } const cases[] = {
        {"right", {2, 10}, {8, 10}, {7, 10}, {8, 10}},
        {"left", {8, 12}, {2, 12}, {3, 12}, {2, 12}},
        {"down", {5, 2}, {5, 9}, {5, 8}, {5, 9}},
        {"up", {6, 9}, {6, 2}, {6, 3}, {6, 2}},
        {"diagonal", {10, 10}, {15, 15}, {14, 14}, {15, 15}},
        {"steep", {20, 5}, {22, 15}, {22, 14}, {22, 15}},
    };
    for (const TCase& c : cases) {
        const QImage image = Drawn([&](TCanvas& canvas) {
            canvas.SetPenColor(ChartColor::Red);
            canvas.MoveTo(c.From.X, c.From.Y);
            canvas.LineTo(c.To.X, c.To.Y);
            EXPECT_EQ(canvas.PenPos(), c.To) << c.Name;
        });
        EXPECT_EQ(image.pixel(c.From.X, c.From.Y), RedPx) << c.Name;
        EXPECT_EQ(image.pixel(c.LastDrawn.X, c.LastDrawn.Y), RedPx) << c.Name;
        EXPECT_EQ(image.pixel(c.Excluded.X, c.Excluded.Y), White) << c.Name;
    }
}

TEST(QtCanvasPixels, ConnectedLinesCoverEveryCornerOnce)
{
    const QImage image = Drawn([](TCanvas& c) {
        c.MoveTo(1, 1);
        c.LineTo(5, 1);
        c.LineTo(5, 4);
        c.LineTo(1, 4);
        c.LineTo(1, 1);
    });
    EXPECT_EQ(Mask(image, 0, 0, 7, 6),
              ".......\n"
              ".#####.\n"
              ".#...#.\n"
              ".#...#.\n"
              ".#####.\n"
              ".......\n");
}

TEST(QtCanvasPixels, DottedLineIsVisiblyDotted)
{
    const QImage image = Drawn([](TCanvas& c) {
        c.SetPenStyle(TPenStyle::Dotted);
        c.MoveTo(0, 5);
        c.LineTo(10, 5);
    });
    EXPECT_EQ(Mask(image, 0, 5, 11, 6), "#.#.#.#.#..\n");
}

// A wide pen is a square of its width centred on each pixel of the line.
TEST(QtCanvasPixels, WidePenIsASquareMovedAlongTheLine)
{
    const QImage image = Drawn([](TCanvas& c) {
        c.SetPenWidth(3);
        c.MoveTo(2, 5);
        c.LineTo(8, 5);
        c.MoveTo(12, 2);
        c.LineTo(15, 5);
    });
    EXPECT_EQ(Mask(image, 0, 0, 18, 8),
              "..................\n"
              "...........###....\n"
              "...........####...\n"
              "...........#####..\n"
              ".########...####..\n"
              ".########....###..\n"
              ".########.........\n"
              "..................\n");
}

TEST(QtCanvasPixels, RectangleOutlinesItsOwnBorderPixels)
{
    const char* expected =
        "........\n"
        "........\n"
        "..####..\n"
        "..#oo#..\n"
        "..####..\n"
        "........\n";
    for (bool swapped : {false, true}) {
        const QImage image = Drawn([&](TCanvas& c) {
            c.SetPenColor(ChartColor::Red);
            c.SetBrushColor(ChartColor::Blue);
            if (swapped)
                c.Rectangle(6, 5, 2, 2);
            else
                c.Rectangle(2, 2, 6, 5);
        });
        std::string mask;
        for (int y = 0; y < 6; ++y) {
            for (int x = 0; x < 8; ++x) {
                const QRgb p = image.pixel(x, y);
                mask += p == RedPx ? '#' : p == BluePx ? 'o' : '.';
            }
            mask += '\n';
        }
        EXPECT_EQ(mask, expected) << (swapped ? "y1 > y2" : "in order");
    }
}

TEST(QtCanvasPixels, BevelFrameShrinksTheRectangleAndLeavesThePen)
{
    TRect rect{10, 10, 20, 16};
    TColor penAfter;
    int widthAfter = 0;
    TPenStyle styleAfter = TPenStyle::Dotted;
    const QImage image = Drawn([&](TCanvas& c) {
        c.SetPenWidth(3);
        c.SetPenStyle(TPenStyle::Dotted);
        c.BevelFrame(rect, ChartColor::Grey, ChartColor::Silver);
        penAfter = c.PenColor();
        widthAfter = c.PenWidth();
        styleAfter = c.PenStyle();
    });
    EXPECT_EQ(rect, (TRect{11, 11, 19, 15}));
    EXPECT_EQ(penAfter, ChartColor::Silver);
    EXPECT_EQ(widthAfter, 1);
    EXPECT_EQ(styleAfter, TPenStyle::Solid);
    EXPECT_EQ(image.pixel(10, 10), GreyPx);   // top-left corner
    EXPECT_EQ(image.pixel(15, 10), GreyPx);   // top edge
    EXPECT_EQ(image.pixel(10, 13), GreyPx);   // left edge
    EXPECT_EQ(image.pixel(19, 10), SilverPx);  // top-right corner belongs to the right edge
    EXPECT_EQ(image.pixel(19, 13), SilverPx);  // right edge
    EXPECT_EQ(image.pixel(15, 15), SilverPx);  // bottom edge
    EXPECT_EQ(image.pixel(10, 15), SilverPx);  // bottom-left corner
    EXPECT_EQ(image.pixel(11, 11), White);     // inside untouched
    EXPECT_EQ(image.pixel(20, 13), White);     // nothing outside
    EXPECT_EQ(image.pixel(15, 16), White);
}

TEST(QtCanvasPixels, TextIsOpaqueOnTheBrushColour)
{
    int width = 0, height = 0;
    const QImage image = Drawn([&](TCanvas& c) {
        c.SetBrushColor(ChartColor::Yellow);
        c.SetFontColor(ChartColor::Blue);
        width = c.TextWidth(QStringLiteral("M"));
        height = c.TextHeight(QStringLiteral("M"));
        c.TextOut(5, 6, QStringLiteral("M"));
    });
    ASSERT_GT(width, 3);
    ASSERT_GT(height, 8);
    EXPECT_EQ(image.pixel(5, 6), 0xFFFFFF00u);                           // cell's top-left
    EXPECT_EQ(image.pixel(5 + width - 1, 6 + height - 1), 0xFFFFFF00u);  // cell's bottom-right
    EXPECT_EQ(image.pixel(5 + width, 6), White);
    EXPECT_EQ(image.pixel(4, 6), White);
    int inked = 0;
    for (int y = 6; y < 6 + height; ++y)
        for (int x = 5; x < 5 + width; ++x)
            inked += qBlue(image.pixel(x, y)) > 128 && qRed(image.pixel(x, y)) < 128;
    EXPECT_GT(inked, 5) << "the letter is drawn in the font colour";
}

TEST(QtCanvasPixels, EllipseAndPolygonStayInsideTheirRectangle)
{
    const QImage image = Drawn([](TCanvas& c) {
        c.SetBrushColor(ChartColor::Blue);
        c.Ellipse(2, 2, 12, 12);
        const TPoint triangle[] = {{20, 20}, {30, 20}, {20, 30}};
        c.Polygon(triangle);
    });
    EXPECT_EQ(image.pixel(7, 7), BluePx);                 // filled
    EXPECT_NE(image.pixel(2, 7), White);                  // touches its left edge
    EXPECT_NE(image.pixel(11, 7), White);                 // and x2 - 1
    EXPECT_EQ(image.pixel(12, 7), White);                 // not x2
    EXPECT_EQ(image.pixel(7, 12), White);
    EXPECT_EQ(image.pixel(22, 22), BluePx);
    EXPECT_NE(image.pixel(20, 20), White);                // outlined corner
    EXPECT_EQ(image.pixel(29, 29), White);                // outside the triangle
}

TEST(QtCanvasPixels, FarAwayCoordinatesDrawOnlyWhatIsOnTheSurface)
{
    const QImage image = Drawn([](TCanvas& c) {
        c.SetBrushColor(ChartColor::Yellow);
        c.Ellipse(-MaxChartCoordinate, -MaxChartCoordinate, MaxChartCoordinate, MaxChartCoordinate);
        c.SetPenColor(ChartColor::Red);
        c.MoveTo(-MaxChartCoordinate, 5);
        c.LineTo(MaxChartCoordinate, 5);
        c.MoveTo(20, 20);
        c.LineTo(std::numeric_limits<int>::max(), std::numeric_limits<int>::min());
        c.SetPenWidth(3);
        c.MoveTo(0, 0);
        c.LineTo(MaxChartCoordinate, MaxChartCoordinate);
        c.SetBrushColor(ChartColor::Blue);
        c.FillRect(TRect{std::numeric_limits<int>::min(), 30, std::numeric_limits<int>::max(), 32});
        c.Rectangle(-MaxChartCoordinate, 35, MaxChartCoordinate, 38);
        c.TextOut(MaxChartCoordinate, MaxChartCoordinate, QStringLiteral("far"));
    });
    EXPECT_EQ(image.pixel(0, 5), RedPx);
    EXPECT_EQ(image.pixel(39, 5), RedPx);
    EXPECT_EQ(image.pixel(10, 31), BluePx);
}
