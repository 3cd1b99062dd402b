// The tab drawing rules, checked on drawn pictures: caption position with
// truncating division, navy text on the active tab, white fill for the spectro
// and Setup style, the fill colour restored before or after the caption.
#include "Fonts.h"
#include "ImageProbe.h"
#include "PageControl.h"
#include "TabDrawing.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

const QColor Grey(0xEE, 0xEE, 0xEE);

struct TDrawn {
    QImage Image;
    QRect Cell; // the caption's text cell
};

TDrawn Draw(const QString& caption, bool active, bool white, bool restoreBefore, const QColor& start = Qt::magenta)
{
    QImage image(120, 40, QImage::Format_RGB32);
    image.fill(start); // what was there before: any fill shows up as a change
    QPainter p(&image);
    p.setFont(DefaultFont());
    const QRect rect(10, 5, 100, 30);
    DrawPageTab(p, rect, caption, active, white, restoreBefore, Grey);
    p.end();
    const QFontMetrics m(DefaultFont());
    const QPoint origin = TabCaptionOrigin(rect, m.horizontalAdvance(caption), m.height());
    return {image, QRect(origin, QSize(m.horizontalAdvance(caption), m.height()))};
}

} // namespace

TEST(TabDrawing, CaptionOriginUsesTruncatingDivision)
{
    struct TCase {
        QRect Rect;
        int TextWidth, MHeight;
        QPoint Expected;
    };
    const TCase cases[] = {
        {{0, 0, 90, 30}, 40, 13, {25, 8}},
        {{0, 0, 90, 30}, 41, 14, {24, 8}},   // 49/2 and 16/2
        {{5, 3, 91, 31}, 40, 12, {30, 12}},  // 51/2 = 25, 19/2 = 9
        {{10, 0, 20, 20}, 41, 13, {0, 3}},   // (20-41)/2 = -10 (towards zero, not -11)
        {{0, 0, 20, 10}, 23, 13, {-1, -1}},  // -3/2 = -1 both ways
    };
    for (const TCase& c : cases)
        EXPECT_EQ(TabCaptionOrigin(c.Rect, c.TextWidth, c.MHeight), c.Expected)
            << c.Rect.x() << "," << c.Rect.width() << " text " << c.TextWidth;
}

TEST(TabDrawing, ActiveSpectroTabWritesNavyOnWhite)
{
    const TDrawn d = Draw("Colorimetry", true, true, false);
    EXPECT_TRUE(AnyPixel(d.Image, d.Cell, IsNavyInk));
    EXPECT_FALSE(AnyPixel(d.Image, d.Cell, IsBlackInk));
    // The text cell's background is white; the rest of the tab is not filled.
    EXPECT_EQ(d.Image.pixelColor(d.Cell.topLeft()), QColor(Qt::white));
    EXPECT_EQ(d.Image.pixelColor(12, 7), QColor(Qt::magenta));
}

TEST(TabDrawing, ActiveDensitometryTabWritesNavyOnTheNormalBackground)
{
    // White asked for, but the fill is restored before the caption.
    const TDrawn d = Draw("Density", true, true, true);
    EXPECT_TRUE(AnyPixel(d.Image, d.Cell, IsNavyInk));
    EXPECT_EQ(d.Image.pixelColor(d.Cell.topLeft()), Grey);
    EXPECT_FALSE(AnyPixel(d.Image, d.Cell, [](QColor c) { return c == QColor(Qt::white); }));
}

TEST(TabDrawing, InactiveTabsAreFilledAndWriteBlack)
{
    for (bool white : {false, true})
        for (bool restoreBefore : {false, true}) {
            const TDrawn d = Draw("Reflectance", false, white, restoreBefore);
            EXPECT_TRUE(AnyPixel(d.Image, d.Cell, IsBlackInk));
            EXPECT_FALSE(AnyPixel(d.Image, d.Cell, IsNavyInk));
            EXPECT_EQ(d.Image.pixelColor(12, 7), Grey) << "the whole tab is filled";
            EXPECT_EQ(d.Image.pixelColor(d.Cell.topLeft()), Grey);
            EXPECT_EQ(d.Image.pixelColor(5, 5), QColor(Qt::magenta)) << "nothing outside the tab";
        }
}

TEST(TabDrawing, LeavesThePainterAsItWas)
{
    QImage image(50, 20, QImage::Format_RGB32);
    QPainter p(&image);
    p.setPen(Qt::red);
    p.setBrush(Qt::green);
    DrawPageTab(p, QRect(0, 0, 50, 20), "x", true, true, false, Grey);
    EXPECT_EQ(p.pen().color(), QColor(Qt::red));
    EXPECT_EQ(p.brush().color(), QColor(Qt::green));
}

TEST(TabDrawing, CaptionWiderThanTheTabStaysInsideIt)
{
    QImage image(120, 40, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter p(&image);
    p.setFont(DefaultFont());
    DrawPageTab(p, QRect(40, 5, 30, 30), "A very long caption indeed", false, false, true, Grey);
    p.end();
    EXPECT_EQ(image.pixelColor(38, 20), QColor(Qt::magenta));
    EXPECT_EQ(image.pixelColor(72, 20), QColor(Qt::magenta));
}

TEST(TabDrawing, PageControlWithTheSpectroRuleShowsWhiteAndNavyOnTheActiveTab)
{
    TPageControl control(TTabStyle::TabsBottom);
    for (const char* c : {"Colorimetry", "Reflectance", "delta L-a-b"})
        control.AddPage(new QWidget, QString::fromLatin1(c));
    control.resize(588, 300);
    control.SetCurrentIndex(1);
    control.DrawTab = [&](QPainter& p, int index, const QRect& rect, bool active) {
        DrawPageTab(p, rect, control.Caption(index), active, true, false, control.TabFill());
    };
    const QImage image = control.grab().toImage();
    const QRect active = control.TabContentRect(1);
    const QRect other = control.TabContentRect(0);
    EXPECT_TRUE(AnyPixel(image, active, IsNavyInk));
    EXPECT_TRUE(AnyPixel(image, active, [](QColor c) { return c == QColor(Qt::white); }));
    EXPECT_TRUE(AnyPixel(image, other, IsBlackInk));
    EXPECT_FALSE(AnyPixel(image, other, IsNavyInk));
    EXPECT_FALSE(AnyPixel(image, other, [](QColor c) { return c == QColor(Qt::white); }));
}

TEST(TabDrawing, DefaultDrawingWithoutOwnerUsesTheSameColours)
{
    TPageControl control(TTabStyle::FlatButtonsTop);
    control.AddPage(new QWidget, "Densitometry");
    control.AddPage(new QWidget, "Setup");
    control.resize(596, 200);
    const QImage image = control.grab().toImage();
    EXPECT_TRUE(AnyPixel(image, control.TabContentRect(0), IsNavyInk));
    EXPECT_TRUE(AnyPixel(image, control.TabContentRect(1), IsBlackInk));
    EXPECT_FALSE(AnyPixel(image, control.TabContentRect(1), IsNavyInk));
}
